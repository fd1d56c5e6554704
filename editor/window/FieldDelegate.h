#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

#include <optional>

class FieldEdit;
class QKeyEvent;

// As in a spreadsheet, Down on the table's last row, and Tab or Enter on its
// last cell, go on to a new row: the column they go to there, or none.
std::optional<int> ColumnPastLastRow(const QKeyEvent &key, const QModelIndex &cell);

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
    // The editor on the last row was left with a key that goes on to a new
    // row (ColumnPastLastRow), its text committed.
    void leftLastRow(int column);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    mutable QPointer<FieldEdit> editor_;
    mutable QPersistentModelIndex editedCell_;
    mutable bool refused_ = false;
};
