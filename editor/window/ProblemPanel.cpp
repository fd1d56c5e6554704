#include "editor/window/ProblemPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

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

    pastSlotsBox_ = new QCheckBox(tr("Check rows past &100"), this);
    pastSlotsBox_->setObjectName(QStringLiteral("pastSlotsBox"));
    pastSlotsBox_->setToolTip(tr("Also check the rows past 100, which the game never reads, before deleting "
                                 "rows brings them up: their problems, questions asked twice and answers alike"));
    pastSlotsCount_ = new QLabel(this);
    pastSlotsCount_->setObjectName(QStringLiteral("pastSlotsCount"));

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
    auto *pastSlots = new QHBoxLayout;
    pastSlots->addWidget(pastSlotsBox_);
    pastSlots->addWidget(pastSlotsCount_);
    pastSlots->addStretch();
    layout->addLayout(pastSlots);

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
    const auto past = std::count_if(problems_.begin(), problems_.end(),
                                    [](const BankProblem &problem) { return problem.line > BankSlots; });
    pastSlotsCount_->setText(!pastSlotsBox_->isChecked() ? QString()
                             : past == 1 ? tr("1 finding on rows past %1").arg(BankSlots)
                                         : tr("%1 findings on rows past %2").arg(past).arg(BankSlots));
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
