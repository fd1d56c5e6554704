#pragma once

#include <QCoreApplication>
#include <QObject>

#include <functional>

class BankTableModel;
class ProblemPanel;
class QAction;
class QModelIndex;
class QMainWindow;
class QTableView;
struct BankProblem;

// The editor's Problems menu: going from one problem or warning to the next
// (F8, Shift+F8) and fixing the chosen one, all of its kind or all at once,
// always on checks as fresh as the table. The window places their actions.
class BankProblemCommands : public QObject {
    // Their texts are the window's menus and messages.
    Q_DECLARE_TR_FUNCTIONS(BankEditorWindow)

public:
    struct Actions {
        QAction *next, *previous;
        QAction *fix, *fixKind, *fixAll;
        QAction *cutToWidth;
    };

    // `settleChecks` commits what is being typed and brings the list up to
    // date at once; false when the typing was refused.
    BankProblemCommands(QMainWindow *window, QTableView *table, BankTableModel *model, ProblemPanel *problems,
                        std::function<bool()> settleChecks);

    const Actions &actions() const { return actions_; }
    // Opens the cell's editor with `length` characters from `start` selected,
    // for the author to reword what a fix will not cut.
    void openForRewording(const QModelIndex &cell, qsizetype start, qsizetype length);

private:
    Actions buildActions(QMainWindow *window);
    void fix(const BankProblem &problem);
    void showProblemCell(const BankProblem &problem);
    void stepToProblem(int step);

    QMainWindow *window_;
    QTableView *table_;
    BankTableModel *model_;
    ProblemPanel *problems_;
    std::function<bool()> settleChecks_;
    Actions actions_;
};
