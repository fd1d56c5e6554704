#include "editor/window/FieldDelegate.h"

#include "editor/window/BankTableModel.h"
#include "editor/window/FieldEdit.h"
#include "editor/document/FieldText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPersistentModelIndex>

std::optional<int> ColumnPastLastRow(const QKeyEvent &key, const QModelIndex &cell)
{
    const QAbstractItemModel *model = cell.model();
    if (!model || cell.row() != model->rowCount() - 1 || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return std::nullopt;
    if (key.key() == Qt::Key_Down)
        return cell.column();
    const bool onLastCell = cell.column() == model->columnCount() - 1;
    if (onLastCell && (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter))
        return 0;
    return std::nullopt;
}

QWidget *FieldDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    auto *edit = new FieldEdit(parent, index.data(BankTableModel::FieldWidthRole).toInt());
    edit->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
    // createEditor is const, yet the delegate reports on the editor it made.
    auto *self = const_cast<FieldDelegate *>(this);
    connect(edit, &FieldEdit::hint, self, &FieldDelegate::hint);
    connect(edit, &FieldEdit::hintEnded, self, &FieldDelegate::hintEnded);
    connect(edit, &QLineEdit::textEdited, self,
            [self, cell = QPersistentModelIndex(index)](const QString &text) { emit self->editing(cell, text); });
    editor_ = edit;
    editedCell_ = index;
    return edit;
}

void FieldDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int length = index.data(BankTableModel::FieldLengthRole).toInt();
    const int width = index.data(BankTableModel::FieldWidthRole).toInt();
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget *view = option.widget;
    QStyle *style = view ? view->style() : QApplication::style();

    // The cell's background and selection span the whole cell; its text keeps
    // clear of the counter at the right edge.
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, view);
    QStyleOptionViewItem text = item;
    text.rect.setRight(item.rect.right() - item.fontMetrics.horizontalAdvance(QStringLiteral("000/%1").arg(width)) - 6);
    style->drawControl(QStyle::CE_ItemViewItem, &text, painter, view);

    const bool selected = item.state & QStyle::State_Selected;
    if (length == 0 && !selected)
        return;
    painter->save();
    painter->setPen(length > width ? QColor(Qt::red)
                    : selected     ? item.palette.color(QPalette::HighlightedText)
                                   : item.palette.color(QPalette::Disabled, QPalette::Text));
    painter->drawText(item.rect.adjusted(0, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter,
                      QStringLiteral("%1/%2").arg(length).arg(width));
    painter->restore();
}

void FieldDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<FieldEdit *>(editor)->setText(FieldText::OnOneLine(index.data(Qt::EditRole).toString()));
}

void FieldDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    // A field left as shown keeps what it holds, line feeds included; an
    // edited one takes what the author sees.
    const auto *edit = static_cast<FieldEdit *>(editor);
    refused_ = edit->isEdited() && !model->setData(index, edit->text(), Qt::EditRole);
}

bool FieldDelegate::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && object == editor_) {
        if (const std::optional<int> column = ColumnPastLastRow(*static_cast<QKeyEvent *>(event), editedCell_)) {
            if (finishEditing())
                emit leftLastRow(*column);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

bool FieldDelegate::finishEditing()
{
    if (!editor_)
        return true;
    refused_ = false;
    emit commitData(editor_);
    if (refused_)
        return false;
    emit closeEditor(editor_);
    return true;
}
