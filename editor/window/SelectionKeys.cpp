#include "editor/window/SelectionKeys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QTableView>

namespace {

class SelectionKeys : public QObject {
public:
    explicit SelectionKeys(QTableView *table) : QObject(table), table_(table) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers held = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
        if (held != (Qt::ShiftModifier | Qt::ControlModifier)
            || (key->key() != Qt::Key_Home && key->key() != Qt::Key_End))
            return false;
        const QAbstractItemModel *model = table_->model();
        if (model->rowCount() == 0)
            return true;
        const QModelIndex target = key->key() == Qt::Key_Home
            ? model->index(0, 0)
            : model->index(model->rowCount() - 1, model->columnCount() - 1);
        const QModelIndex from = anchor();
        table_->selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
        table_->selectionModel()->select(QItemSelection(from, target), QItemSelectionModel::ClearAndSelect);
        table_->scrollTo(target);
        return true;
    }

private:
    QModelIndex anchor() const
    {
        const QModelIndex current = table_->currentIndex();
        if (!current.isValid())
            return table_->model()->index(0, 0);
        for (const QItemSelectionRange &range : table_->selectionModel()->selection()) {
            if (!range.contains(current))
                continue;
            const int row = current.row() == range.top() ? range.bottom() : range.top();
            const int column = current.column() == range.left() ? range.right() : range.left();
            return table_->model()->index(row, column);
        }
        return current;
    }

    QTableView *table_;
};

} // namespace

void ExtendSelectionWithCtrlHomeEnd(QTableView *table)
{
    table->installEventFilter(new SelectionKeys(table));
}
