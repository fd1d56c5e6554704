#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

class FieldEdit;

// Edits a cell with a FieldEdit held to its field's rules, and shows each
// cell's length against the width the game keeps.
class FieldDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    // Commits and closes an open cell editor, so that what is being typed is
    // saved or played too. False when the model refused the typed text: the
    // editor then stays open holding it.
    bool finishEditing();

signals:
    void hint(const QString &text);
    void hintEnded(const QString &text);
    // The open editor's text, for a preview that follows the typing.
    void editing(const QModelIndex &index, const QString &text);

private:
    mutable QPointer<FieldEdit> editor_;
    mutable bool refused_ = false;
};
