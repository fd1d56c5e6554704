// The editor's Problems menu: going from one problem or warning to the next
// (F8, Shift+F8) and fixing them all at once, always on checks as fresh as
// the table.
#include "editor/window/BankProblemCommands.h"

#include "editor/window/BankTableModel.h"
#include "editor/window/MenuCommands.h"
#include "editor/window/ProblemPanel.h"
#include "editor/document/ProblemSteps.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>

#include <algorithm>
#include <utility>

BankProblemCommands::BankProblemCommands(QMainWindow *window, QTableView *table, BankTableModel *model,
                                         ProblemPanel *problems, std::function<bool()> settleChecks)
    : QObject(window), window_(window), table_(table), model_(model), problems_(problems),
      settleChecks_(std::move(settleChecks)), actions_(buildActions(window))
{
    connect(problems_, &ProblemPanel::problemChosen, this, &BankProblemCommands::showProblemCell);
    connect(problems_, &ProblemPanel::fixRequested, this, &BankProblemCommands::fix);
}

void BankProblemCommands::fix(const BankProblem &problem)
{
    if (const std::optional<BankFixes::FieldSpan> past = model_->toReword(problem))
        openForRewording(model_->index(int(problem.line) - 1, past->field), past->start, past->length);
    else
        model_->fix(problem);
}

void BankProblemCommands::openForRewording(const QModelIndex &cell, qsizetype start, qsizetype length)
{
    table_->setCurrentIndex(cell);
    table_->scrollTo(cell);
    table_->setFocus(Qt::OtherFocusReason);
    table_->edit(cell);
    // The view hands out the editor it opened as the cell's widget.
    if (auto *edit = qobject_cast<QLineEdit *>(table_->indexWidget(cell)))
        edit->setSelection(int(start), int(length));
}

BankProblemCommands::Actions BankProblemCommands::buildActions(QMainWindow *window)
{
    const Actions made{
        MakeAction(window, "actionNextProblem", tr("&Next Problem"), {QKeySequence(Qt::Key_F8)}),
        MakeAction(window, "actionPreviousProblem", tr("&Previous Problem"), {QKeySequence(Qt::SHIFT | Qt::Key_F8)}),
        MakeAction(window, "actionFix", tr("&Fix Selected Problem"), {QKeySequence(QStringLiteral("Ctrl+Shift+F"))}),
        MakeAction(window, "actionFixAllOfKind", tr("Fix All of This &Kind"), {}),
        MakeAction(window, "actionFixAll", tr("Fix &All Problems"), {}),
        MakeAction(window, "actionCutToWidth", tr("&Cut Field to Its Width"), {}),
    };
    made.cutToWidth->setStatusTip(tr("Cut the selected field to the width the game keeps, dropping the rest"));
    made.cutToWidth->setEnabled(false);
    made.next->setStatusTip(tr("Go to the next problem or warning in the bank"));
    made.previous->setStatusTip(tr("Go to the previous problem or warning in the bank"));
    made.fixKind->setStatusTip(tr("Fix every problem like the selected one, as one step to undo"));
    made.fixAll->setStatusTip(tr("Fix every problem Fix can mend, line ends first, as one step to undo"));
    made.fixKind->setEnabled(false);
    made.fixAll->setEnabled(false);

    connect(made.next, &QAction::triggered, this, [this] { stepToProblem(+1); });
    connect(made.previous, &QAction::triggered, this, [this] { stepToProblem(-1); });
    connect(made.fix, &QAction::triggered, problems_->fixButton(), &QPushButton::click);
    connect(made.fixKind, &QAction::triggered, this, [this] {
        if (!settleChecks_())
            return;
        if (const std::optional<BankProblem> problem = problems_->currentProblem(); problem && model_->canFix(*problem))
            model_->fixAll(problem->kind);
    });
    connect(made.fixAll, &QAction::triggered, this, [this] {
        if (settleChecks_())
            model_->fixAll();
    });
    connect(made.cutToWidth, &QAction::triggered, this, [this] {
        if (!settleChecks_())
            return;
        if (const std::optional<BankProblem> problem = problems_->currentProblem())
            model_->cutToWidth(*problem);
    });
    connect(problems_->fixAllButton(), &QPushButton::clicked, made.fixAll, &QAction::trigger);
    connect(problems_, &ProblemPanel::currentChanged, this, [this, made] {
        const std::optional<BankProblem> problem = problems_->currentProblem();
        const bool reword = problem && model_->toReword(*problem);
        made.fix->setEnabled(problems_->currentCanBeFixed());
        made.fixKind->setEnabled(problems_->currentCanBeFixed() && !reword);
        made.cutToWidth->setEnabled(reword);
    });
    connect(made.fixAll, &QAction::changed, this,
            [this, fixAll = made.fixAll] { problems_->fixAllButton()->setEnabled(fixAll->isEnabled()); });
    return made;
}

void BankProblemCommands::showProblemCell(const BankProblem &problem)
{
    if (problem.line == 0)
        return;
    const QModelIndex cell = model_->index(int(problem.line) - 1, std::max(problem.field, 0));
    table_->setCurrentIndex(cell);
    table_->scrollTo(cell);
    table_->setFocus(Qt::OtherFocusReason);
}

void BankProblemCommands::stepToProblem(int step)
{
    if (!settleChecks_())
        return;
    const QModelIndex cursor = table_->currentIndex();
    const int chosen = problems_->list()->currentRow();
    const std::optional<std::size_t> entry =
        StepToProblem(problems_->problems(), chosen >= 0 ? std::optional(std::size_t(chosen)) : std::nullopt,
                      cursor.row(), cursor.column(), step);
    if (!entry) {
        window_->statusBar()->showMessage(tr("No problem or warning on a line to go to."), 4000);
        return;
    }
    problems_->list()->setCurrentRow(int(*entry));
    showProblemCell(problems_->problems()[*entry]);
}
