#include "FieldDelegate.h"

#include "BankTableModel.h"
#include "FieldEdit.h"

#include <QPainter>
#include <QPersistentModelIndex>

QWidget *FieldDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    auto *edit = new FieldEdit(parent, index.data(BankTableModel::FieldWidthRole).toInt());
    // createEditor is const, yet the delegate reports on the editor it made.
    auto *self = const_cast<FieldDelegate *>(this);
    connect(edit, &FieldEdit::hint, self, &FieldDelegate::hint);
    connect(edit, &QLineEdit::textEdited, self,
            [self, cell = QPersistentModelIndex(index)](const QString &text) { emit self->editing(cell, text); });
    editor_ = edit;
    return edit;
}

void FieldDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int length = index.data(BankTableModel::FieldLengthRole).toInt();
    const int width = index.data(BankTableModel::FieldWidthRole).toInt();
    const QString counter = QStringLiteral("%1/%2").arg(length).arg(width);
    const int room = option.fontMetrics.horizontalAdvance(QStringLiteral("000/%1").arg(width)) + 6;

    // The text keeps clear of the counter at the cell's right edge.
    QStyleOptionViewItem text = option;
    text.rect.setRight(option.rect.right() - room);
    QStyledItemDelegate::paint(painter, option, QModelIndex());
    QStyledItemDelegate::paint(painter, text, index);

    const bool over = length > width;
    if (length == 0 && !(option.state & QStyle::State_Selected))
        return;
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(over       ? QColor(Qt::red)
                    : selected ? option.palette.color(QPalette::HighlightedText)
                               : option.palette.color(QPalette::Disabled, QPalette::Text));
    painter->drawText(option.rect.adjusted(0, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, counter);
    painter->restore();
}

void FieldDelegate::finishEditing()
{
    if (!editor_)
        return;
    emit commitData(editor_);
    emit closeEditor(editor_);
}
