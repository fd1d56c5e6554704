#include "editor/window/FindBar.h"

#include "editor/window/BankTableModel.h"
#include "editor/document/FieldText.h"
#include "editor/document/FindReplace.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QPushButton *Button(QWidget *owner, const char *name, const QString &text)
{
    auto *button = new QPushButton(text, owner);
    button->setObjectName(QString::fromLatin1(name));
    // Enter belongs to the fields: it finds, or replaces.
    button->setAutoDefault(false);
    return button;
}

} // namespace

FindBar::FindBar(QTableView *table, BankTableModel *model, QWidget *parent)
    : QWidget(parent), table_(table), model_(model)
{
    setObjectName(QStringLiteral("findBar"));
    findText_ = new QLineEdit(this);
    findText_->setObjectName(QStringLiteral("findText"));
    findText_->setClearButtonEnabled(true);
    auto *findLabel = new QLabel(tr("Fi&nd:"), this);
    findLabel->setBuddy(findText_);
    replaceText_ = new QLineEdit(this);
    replaceText_->setObjectName(QStringLiteral("replaceText"));
    replaceText_->setClearButtonEnabled(true);
    auto *replaceLabel = new QLabel(tr("Replace &with:"), this);
    replaceLabel->setBuddy(replaceText_);
    matchCase_ = new QCheckBox(tr("Match &case"), this);
    matchCase_->setObjectName(QStringLiteral("matchCase"));
    QPushButton *next = Button(this, "findNextButton", tr("Nex&t"));
    QPushButton *previous = Button(this, "findPreviousButton", tr("Pre&vious"));
    QPushButton *replace = Button(this, "replaceButton", tr("&Replace"));
    QPushButton *replaceAll = Button(this, "replaceAllButton", tr("Replace A&ll"));
    QPushButton *closeButton = Button(this, "closeFindButton", tr("Close"));
    closeButton->setToolTip(tr("Close the find strip (Esc)"));

    auto *findRow = new QHBoxLayout;
    findRow->addWidget(findLabel);
    findRow->addWidget(findText_, 1);
    findRow->addWidget(next);
    findRow->addWidget(previous);
    findRow->addWidget(matchCase_);
    findRow->addWidget(closeButton);
    replaceRow_ = new QWidget(this);
    auto *replaceRow = new QHBoxLayout(replaceRow_);
    replaceRow->setContentsMargins(0, 0, 0, 0);
    replaceRow->addWidget(replaceLabel);
    replaceRow->addWidget(replaceText_, 1);
    replaceRow->addWidget(replace);
    replaceRow->addWidget(replaceAll);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->addLayout(findRow);
    layout->addWidget(replaceRow_);
    setTabOrder(findText_, replaceText_);

    connect(findText_, &QLineEdit::returnPressed, this, [this] { findNext(false); });
    connect(replaceText_, &QLineEdit::returnPressed, this, &FindBar::replaceCurrent);
    connect(next, &QPushButton::clicked, this, [this] { findNext(false); });
    connect(previous, &QPushButton::clicked, this, [this] { findNext(true); });
    connect(replace, &QPushButton::clicked, this, &FindBar::replaceCurrent);
    connect(replaceAll, &QPushButton::clicked, this, &FindBar::replaceAll);
    connect(closeButton, &QPushButton::clicked, this, &FindBar::closeBar);
    hide();
}

void FindBar::open(bool withReplace)
{
    replaceRow_->setVisible(withReplace);
    show();
    findText_->setFocus(Qt::ShortcutFocusReason);
    findText_->selectAll();
}

void FindBar::findNext(bool backward)
{
    const QString text = findText_->text();
    if (text.isEmpty()) {
        open(isVisible() && !replaceRow_->isHidden());
        return;
    }
    const QModelIndex current = table_->currentIndex();
    // With no current cell, the search starts from the top.
    const FindReplace::Cell from = current.isValid()
                                       ? FindReplace::Cell{current.row(), current.column()}
                                       : FindReplace::Cell{backward ? 0 : model_->rowCount() - 1,
                                                           backward ? 0 : model_->columnCount() - 1};
    const std::optional<FindReplace::Cell> found =
        FindReplace::Next(model_->document(), from, backward, text, sensitivity());
    if (!found) {
        emit told(tr("%1 is not in the bank.").arg(FieldText::Excerpt(text)));
        return;
    }
    const QModelIndex cell = model_->index(found->row, found->column);
    table_->setCurrentIndex(cell);
    table_->scrollTo(cell);
    emit told({});
}

void FindBar::replaceCurrent()
{
    if (findText_->text().isEmpty())
        return;
    model_->replace(findText_->text(), replaceText_->text(), sensitivity(), table_->currentIndex());
    findNext(false);
}

void FindBar::replaceAll()
{
    const QString text = findText_->text();
    if (text.isEmpty())
        return;
    const int count = model_->replace(text, replaceText_->text(), sensitivity());
    emit told(count == 0 ? tr("%1 is not in the bank.").arg(FieldText::Excerpt(text))
              : count == 1 ? tr("Replaced in 1 cell.")
                           : tr("Replaced in %1 cells.").arg(count));
}

void FindBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        closeBar();
    else
        QWidget::keyPressEvent(event);
}

Qt::CaseSensitivity FindBar::sensitivity() const
{
    return matchCase_->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

void FindBar::closeBar()
{
    hide();
    table_->setFocus(Qt::OtherFocusReason);
}
