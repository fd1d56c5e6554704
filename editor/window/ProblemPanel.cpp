#include "editor/window/ProblemPanel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// Warnings say so in words too, for those who do not see the icon.
QString Describe(const BankProblem &problem)
{
    const QString message = QString::fromStdString(problem.message());
    if (problem.line == 0)
        return ProblemPanel::tr("Bank: %1").arg(message);
    return problem.isWarning() ? ProblemPanel::tr("Line %1, warning: %2").arg(problem.line).arg(message)
                               : ProblemPanel::tr("Line %1: %2").arg(problem.line).arg(message);
}

} // namespace

ProblemPanel::ProblemPanel(QWidget *parent, FixTest canFix) : QWidget(parent), canFix_(std::move(canFix))
{
    auto *title = new QLabel(tr("Pro&blems"), this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("problemList"));
    list_->setAccessibleName(tr("Problems"));
    list_->setAccessibleDescription(tr("What the game would leave out, cut or show differently. "
                                       "Press Enter to go to the field."));
    list_->setWordWrap(true);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    title->setBuddy(list_);

    fixButton_ = new QPushButton(tr("Fi&x"), this);
    fixButton_->setObjectName(QStringLiteral("fixButton"));
    fixButton_->setAccessibleName(tr("Fix the selected problem"));
    fixButton_->setToolTip(tr("Fix the selected problem the way the game expects"));
    fixButton_->setAutoDefault(false);

    fixAllButton_ = new QPushButton(tr("Fix &All"), this);
    fixAllButton_->setObjectName(QStringLiteral("fixAllButton"));
    fixAllButton_->setAccessibleName(tr("Fix every problem that can be fixed"));
    fixAllButton_->setToolTip(tr("Fix every problem of every kind that Fix can mend, as one step to undo"));
    fixAllButton_->setAutoDefault(false);
    fixAllButton_->setEnabled(false);

    auto *fixEntry = new QAction(tr("Fix"), list_);
    list_->addAction(fixEntry);

    auto *header = new QHBoxLayout;
    header->addWidget(title);
    header->addStretch();
    header->addWidget(fixButton_);
    header->addWidget(fixAllButton_);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(header);
    layout->addWidget(list_);

    const auto chosen = [this](QListWidgetItem *item) {
        emit problemChosen(problems_[std::size_t(list_->row(item))]);
    };
    connect(list_, &QListWidget::itemClicked, this, chosen);
    connect(list_, &QListWidget::itemActivated, this, chosen);
    connect(list_, &QListWidget::currentRowChanged, this, [this, fixEntry] {
        fixButton_->setEnabled(currentCanBeFixed());
        fixEntry->setEnabled(currentCanBeFixed());
        emit currentChanged();
    });
    connect(fixButton_, &QPushButton::clicked, this, &ProblemPanel::requestFix);
    connect(fixEntry, &QAction::triggered, this, &ProblemPanel::requestFix);
    fixButton_->setEnabled(false);
    fixEntry->setEnabled(false);
}

void ProblemPanel::setProblems(std::vector<BankProblem> problems)
{
    // The same row stays current across refreshes, so fixing or typing does
    // not throw the reader back to the top.
    const int current = list_->currentRow();
    problems_ = std::move(problems);
    list_->clear();
    const QIcon problemIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const BankProblem &problem : problems_) {
        auto *item = new QListWidgetItem(problem.isWarning() ? warningIcon : problemIcon, Describe(problem), list_);
        // The whole message, where a narrow panel cuts it; rich text, so it wraps.
        QString tip = QStringLiteral("<p>%1</p>").arg(Describe(problem).toHtmlEscaped());
        if (canFix_(problem))
            tip += QStringLiteral("<p>%1</p>").arg(tr("Fix can put this right in one step."));
        else if (problem.isWarning())
            tip += QStringLiteral("<p>%1</p>").arg(tr("The game plays this line, but the question may not work "
                                                      "once the answers are shuffled."));
        item->setToolTip(tip);
    }
    if (!problems_.empty())
        list_->setCurrentRow(std::min(current, int(problems_.size()) - 1), QItemSelectionModel::NoUpdate);
}

std::optional<BankProblem> ProblemPanel::currentProblem() const
{
    const int row = list_->currentRow();
    if (row < 0 || row >= int(problems_.size()))
        return std::nullopt;
    return problems_[std::size_t(row)];
}

bool ProblemPanel::currentCanBeFixed() const
{
    const std::optional<BankProblem> problem = currentProblem();
    return problem && canFix_(*problem);
}

void ProblemPanel::requestFix()
{
    if (const std::optional<BankProblem> problem = currentProblem(); problem && canFix_(*problem))
        emit fixRequested(*problem);
}
