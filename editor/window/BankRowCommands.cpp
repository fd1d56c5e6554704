// The editor's commands on cells and whole rows, as in a spreadsheet: cut,
// copy, paste and clear cells; insert, delete, move, sort and shuffle rows;
// and the find strip's menu entries.
#include "editor/window/BankRowCommands.h"

#include "editor/window/BankTableModel.h"
#include "editor/window/CellClipboard.h"
#include "editor/window/FieldDelegate.h"
#include "editor/document/FieldText.h"
#include "editor/window/FindBar.h"
#include "editor/window/MenuCommands.h"
#include "editor/document/RowOrder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QItemSelection>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTableView>
#include <QUndoStack>

#include <algorithm>
#include <utility>

BankRowCommands::BankRowCommands(QWidget *window, QTableView *table, BankTableModel *model, QUndoStack *undoStack,
                                 FindBar *findBar, std::function<bool()> commitTyping,
                                 std::function<void(QMessageBox::Icon, const QString &)> showMessage)
    : QObject(window), table_(table), model_(model), undoStack_(undoStack), findBar_(findBar),
      commitTyping_(std::move(commitTyping)), showMessage_(std::move(showMessage)), actions_(buildActions(window))
{
    table_->installEventFilter(this);
}

BankRowCommands::Actions BankRowCommands::buildActions(QWidget *window)
{
    // As in a spreadsheet: the clipboard and Del work on cells, rows have commands of their own.
    const Actions made{
        MakeAction(window, "actionCut", tr("Cu&t"), QKeySequence::keyBindings(QKeySequence::Cut)),
        MakeAction(window, "actionCopy", tr("&Copy"), QKeySequence::keyBindings(QKeySequence::Copy)),
        MakeAction(window, "actionPaste", tr("&Paste"), QKeySequence::keyBindings(QKeySequence::Paste)),
        MakeAction(window, "actionClear", tr("Cl&ear Cells"), QKeySequence::keyBindings(QKeySequence::Delete)),
        MakeAction(window, "actionInsertRow", tr("&Insert Row"),
                   {QKeySequence(QStringLiteral("Ctrl+Return")), QKeySequence(Qt::Key_Insert)}),
        MakeAction(window, "actionDeleteRows", tr("&Delete Rows"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}),
        MakeAction(window, "actionDeleteRowsPast100", tr("Delete Rows Past &100"), {}),
        MakeAction(window, "actionMoveUp", tr("&Move Up"), {QKeySequence(QStringLiteral("Ctrl+Up"))}),
        MakeAction(window, "actionMoveDown", tr("Move Do&wn"), {QKeySequence(QStringLiteral("Ctrl+Down"))}),
        MakeAction(window, "actionSelectAll", tr("Select &All"), QKeySequence::keyBindings(QKeySequence::SelectAll)),
        MakeAction(window, "actionFind", tr("&Find…"), {QKeySequence(QStringLiteral("Ctrl+F"))}),
        MakeAction(window, "actionReplace", tr("Rep&lace…"), {QKeySequence(QStringLiteral("Ctrl+H"))}),
        MakeAction(window, "actionFindNext", tr("Find &Next"), {QKeySequence(Qt::Key_F3)}),
        MakeAction(window, "actionFindPrevious", tr("Find Pre&vious"), {QKeySequence(Qt::SHIFT | Qt::Key_F3)}),
        MakeAction(window, "actionSort", tr("&Sort A to Z by This Column"), {}),
        MakeAction(window, "actionSortDescending", tr("Sort &Z to A by This Column"), {}),
        MakeAction(window, "actionShuffle", tr("S&huffle Rows"), {}),
    };
    made.sort->setStatusTip(tr("Sort the rows by the current column; rows holding nothing stay at the end"));
    made.removePast->setStatusTip(tr("Keep only the first 100 rows, which the game reads"));
    made.shuffle->setStatusTip(tr("Put the rows in a random order; rows holding nothing stay at the end"));

    connect(made.cut, &QAction::triggered, this, &BankRowCommands::cutCells);
    connect(made.copy, &QAction::triggered, this, &BankRowCommands::copyCells);
    connect(made.paste, &QAction::triggered, this, &BankRowCommands::pasteCells);
    connect(made.clear, &QAction::triggered, this, &BankRowCommands::clearCells);
    connect(made.insert, &QAction::triggered, this, &BankRowCommands::insertRow);
    connect(made.remove, &QAction::triggered, this, &BankRowCommands::deleteRows);
    connect(made.removePast, &QAction::triggered, this, [this] {
        if (commitTyping_())
            model_->removeLinesPastSlots();
    });
    connect(made.up, &QAction::triggered, this, [this] { moveRows(-1); });
    connect(made.down, &QAction::triggered, this, [this] { moveRows(+1); });
    connect(made.selectAll, &QAction::triggered, table_, &QTableView::selectAll);
    connect(made.find, &QAction::triggered, this, [this] { findBar_->open(false); });
    connect(made.replace, &QAction::triggered, this, [this] { findBar_->open(true); });
    connect(made.findNext, &QAction::triggered, this, [this] { findBar_->findNext(false); });
    connect(made.findPrevious, &QAction::triggered, this, [this] { findBar_->findNext(true); });
    connect(made.sort, &QAction::triggered, this, [this] { sortRows(Qt::AscendingOrder); });
    connect(made.sortDown, &QAction::triggered, this, [this] { sortRows(Qt::DescendingOrder); });
    connect(made.shuffle, &QAction::triggered, this, &BankRowCommands::shuffleRows);
    return made;
}

QList<int> BankRowCommands::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : table_->selectionModel()->selectedIndexes())
        rows.append(index.row());
    if (rows.isEmpty() && table_->currentIndex().isValid())
        rows.append(table_->currentIndex().row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void BankRowCommands::selectRows(int first, int count)
{
    const int column = std::max(table_->currentIndex().column(), 0);
    table_->setCurrentIndex(model_->index(first, column));
    table_->selectionModel()->select(QItemSelection(model_->index(first, 0), model_->index(first + count - 1, model_->columnCount() - 1)),
                                     QItemSelectionModel::ClearAndSelect);
}

void BankRowCommands::copyCells()
{
    const QString text = CellClipboard::Copied(*model_, *table_->selectionModel());
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void BankRowCommands::cutCells()
{
    copyCells();
    CellClipboard::Clear(*model_, *table_->selectionModel(), tr("Cut"), tr("Cut %1"));
}

void BankRowCommands::clearCells()
{
    CellClipboard::Clear(*model_, *table_->selectionModel(), tr("Clear"), tr("Clear %1"));
}

void BankRowCommands::pasteCells()
{
    const CellClipboard::Pasted pasted =
        CellClipboard::Paste(*model_, *table_->selectionModel(), QGuiApplication::clipboard()->text());
    if (pasted.count == 0)
        showMessage_(QMessageBox::Warning, tr("The clipboard holds no text to paste."));
    else if (pasted.wholeRows)
        selectRows(pasted.row, pasted.count);
}

void BankRowCommands::insertRow()
{
    const int row = table_->currentIndex().isValid() ? table_->currentIndex().row() + 1 : model_->rowCount();
    model_->insertBlankRows(row, 1);
    const QModelIndex first = model_->index(row, 0);
    table_->setCurrentIndex(first);
    table_->edit(first);
}

void BankRowCommands::deleteRows()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    // Runs of neighbouring rows go in one step each, from the bottom up so the
    // rows still to go keep their numbers; undo takes them all back at once.
    // Named after what goes, as Undo's menu entry shows it.
    const QString first = FieldText::Excerpt(model_->index(rows.front(), 0).data().toString());
    undoStack_->beginMacro(rows.size() == 1 ? tr("Delete line %1, %2").arg(rows.front() + 1).arg(first)
                                            : tr("Delete %1 lines from %2 on").arg(rows.size()).arg(first));
    for (qsizetype end = rows.size(); end > 0;) {
        qsizetype start = end - 1;
        while (start > 0 && rows[start - 1] == rows[start] - 1)
            --start;
        model_->removeLines(rows[start], int(end - start));
        end = start;
    }
    undoStack_->endMacro();
    table_->setCurrentIndex(model_->index(std::min(rows.front(), model_->rowCount() - 1), 0));
}

void BankRowCommands::moveRows(int step)
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    // The whole span from the first selected row to the last moves as one block.
    const int first = rows.front();
    const int count = rows.back() - first + 1;
    if (first + step < 0 || first + count + step > model_->rowCount())
        return;
    model_->moveLines(first, count, step < 0 ? first - 1 : first + count + 1);
    selectRows(first + step, count);
}

void BankRowCommands::sortRows(Qt::SortOrder order)
{
    if (!commitTyping_())
        return;
    const int column = std::max(table_->currentIndex().column(), 0);
    const QString heading = model_->headerData(column, Qt::Horizontal).toString().toLower();
    reorderRows(RowOrder::Sorted(model_->document(), column, order),
                order == Qt::AscendingOrder ? tr("Sort the rows by %1, A to Z").arg(heading)
                                            : tr("Sort the rows by %1, Z to A").arg(heading));
}

void BankRowCommands::shuffleRows()
{
    if (commitTyping_())
        reorderRows(RowOrder::Shuffled(model_->document(), *QRandomGenerator::global()), tr("Shuffle the rows"));
}

void BankRowCommands::reorderRows(const std::vector<int> &order, const QString &name)
{
    // The cursor stays on its question, not on its row number.
    const QModelIndex current = table_->currentIndex();
    if (!model_->reorderLines(order, name) || !current.isValid())
        return;
    const auto moved = std::find(order.begin(), order.end(), current.row());
    if (moved != order.end())
        table_->setCurrentIndex(model_->index(int(moved - order.begin()), current.column()));
}

void BankRowCommands::addRowAtEnd(int column)
{
    // One blank row at the end is enough to type into.
    const int last = model_->rowCount() - 1;
    bool blank = true;
    for (int column = 0; column < model_->columnCount(); ++column)
        blank = blank && model_->document().field(last, column).isEmpty();
    if (!blank)
        model_->insertBlankRows(last + 1, 1);
    table_->setCurrentIndex(model_->index(model_->rowCount() - 1, column));
}

bool BankRowCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        if (const std::optional<int> column = ColumnPastLastRow(*static_cast<QKeyEvent *>(event), table_->currentIndex())) {
            addRowAtEnd(*column);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
