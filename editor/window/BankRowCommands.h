#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMessageBox>
#include <QObject>

#include <functional>
#include <vector>

class BankTableModel;
class FindBar;
class QAction;
class QTableView;
class QUndoStack;

// The editor's commands on cells and whole rows, as in a spreadsheet: cut,
// copy, paste and clear cells; insert, delete, move, sort and shuffle rows;
// and the find strip's menu entries. The window places their actions.
class BankRowCommands : public QObject {
    // Their texts are the window's menus and undo steps.
    Q_DECLARE_TR_FUNCTIONS(BankEditorWindow)

public:
    struct Actions {
        QAction *cut, *copy, *paste, *clear;
        QAction *insert, *remove, *up, *down;
        QAction *selectAll;
        QAction *find, *replace, *findNext, *findPrevious;
        QAction *sort, *sortDown, *shuffle;
    };

    // `commitTyping` commits what is being typed in a cell, false when the
    // field refused it; `showMessage` opens one of the window's messages.
    BankRowCommands(QWidget *window, QTableView *table, BankTableModel *model, QUndoStack *undoStack,
                    FindBar *findBar, std::function<bool()> commitTyping,
                    std::function<void(QMessageBox::Icon, const QString &)> showMessage);

    const Actions &actions() const { return actions_; }
    // Selects `count` whole rows from `first`, keeping the current column.
    void selectRows(int first, int count);
    // Goes to the column of a new row after the last, as Down, Tab or Enter
    // there do (ColumnPastLastRow), adding it unless the last row is blank.
    void addRowAtEnd(int column);

protected:
    // Those keys on the table's last row while no cell is being edited.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Actions buildActions(QWidget *window);
    void cutCells();
    void copyCells();
    void pasteCells();
    void clearCells();
    void insertRow();
    void deleteRows();
    void moveRows(int step);
    // Both act on the whole bank, as one undo step.
    void sortRows(Qt::SortOrder order);
    void shuffleRows();
    void reorderRows(const std::vector<int> &order, const QString &name);
    QList<int> selectedRows() const;

    QTableView *table_;
    BankTableModel *model_;
    QUndoStack *undoStack_;
    FindBar *findBar_;
    std::function<bool()> commitTyping_;
    std::function<void(QMessageBox::Icon, const QString &)> showMessage_;
    Actions actions_;
};
