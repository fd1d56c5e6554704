// The editor's Problems menu: going from one problem or warning to the next
// (F8, Shift+F8) and fixing them all at once, always on checks as fresh as
// the table.
#include "editor/window/BankEditorWindow.h"

#include "editor/window/BankTableModel.h"
#include "editor/window/MenuCommands.h"
#include "editor/window/ProblemPanel.h"
#include "editor/document/ProblemSteps.h"

#include <QAction>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

#include <algorithm>

void BankEditorWindow::buildProblemActions()
{
    QMenu *menu = menuBar()->addMenu(tr("&Problems"));
    QAction *next = MakeAction(this, "actionNextProblem", tr("&Next Problem"), {QKeySequence(Qt::Key_F8)});
    QAction *previous = MakeAction(this, "actionPreviousProblem", tr("&Previous Problem"),
                                   {QKeySequence(Qt::SHIFT | Qt::Key_F8)});
    QAction *fixKind = MakeAction(this, "actionFixAllOfKind", tr("Fix All of This &Kind"), {});
    QAction *fixAll = MakeAction(this, "actionFixAll", tr("Fix &All Problems"), {});
    fixAllAction_ = fixAll;
    next->setStatusTip(tr("Go to the next problem or warning in the bank"));
    previous->setStatusTip(tr("Go to the previous problem or warning in the bank"));
    fixKind->setStatusTip(tr("Fix every problem like the selected one, as one step to undo"));
    fixAll->setStatusTip(tr("Fix every problem Fix can mend, line ends first, as one step to undo"));
    menu->addActions({next, previous});
    menu->addSeparator();
    if (auto *fix = findChild<QAction *>(QStringLiteral("actionFix")))
        menu->addAction(fix);
    menu->addActions({fixKind, fixAll});
    problems_->list()->addActions({fixKind, fixAll});
    fixKind->setEnabled(false);
    fixAll->setEnabled(false);

    connect(next, &QAction::triggered, this, [this] { stepToProblem(+1); });
    connect(previous, &QAction::triggered, this, [this] { stepToProblem(-1); });
    connect(fixKind, &QAction::triggered, this, [this] {
        if (!settleChecks())
            return;
        if (const std::optional<BankProblem> problem = problems_->currentProblem(); problem && model_->canFix(*problem))
            model_->fixAll(problem->kind);
    });
    connect(fixAll, &QAction::triggered, this, [this] {
        if (settleChecks())
            model_->fixAll();
    });
    connect(problems_->fixAllButton(), &QPushButton::clicked, fixAll, &QAction::trigger);
    connect(problems_, &ProblemPanel::currentChanged, this,
            [this, fixKind] { fixKind->setEnabled(problems_->currentCanBeFixed()); });
    connect(fixAll, &QAction::changed, this, [this, fixAll] { problems_->fixAllButton()->setEnabled(fixAll->isEnabled()); });
}

void BankEditorWindow::showProblemCell(const BankProblem &problem)
{
    if (problem.line == 0)
        return;
    const QModelIndex cell = model_->index(int(problem.line) - 1, std::max(problem.field, 0));
    table_->setCurrentIndex(cell);
    table_->scrollTo(cell);
    table_->setFocus(Qt::OtherFocusReason);
}

bool BankEditorWindow::settleChecks()
{
    if (!commitTyping())
        return false;
    if (checksDue_->isActive()) {
        checksDue_->stop();
        refreshProblems();
    }
    return true;
}

void BankEditorWindow::stepToProblem(int step)
{
    if (!settleChecks())
        return;
    const QModelIndex cursor = table_->currentIndex();
    const int chosen = problems_->list()->currentRow();
    const std::optional<std::size_t> entry =
        StepToProblem(problems_->problems(), chosen >= 0 ? std::optional(std::size_t(chosen)) : std::nullopt,
                      cursor.row(), cursor.column(), step);
    if (!entry) {
        statusBar()->showMessage(tr("No problem or warning on a line to go to."), 4000);
        return;
    }
    problems_->list()->setCurrentRow(int(*entry));
    showProblemCell(problems_->problems()[*entry]);
}
