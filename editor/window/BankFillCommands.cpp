// The editor's commands for reaching the game's 100 questions (a new bank
// from a shipped one, topping up from another bank, the question before
// playing with empty slots) and for trying a bank out without saving it.
#include "editor/window/BankFillCommands.h"

#include "editor/document/BankFileReader.h"
#include "editor/window/BankRowCommands.h"
#include "editor/window/BankTableModel.h"
#include "editor/document/EmptySlots.h"
#include "editor/window/GameLauncher.h"
#include "editor/window/MenuCommands.h"
#include "editor/document/PlayPlan.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>

#include <utility>

BankFillCommands::BankFillCommands(Window window, BankTableModel *model, QTableView *table, GameLauncher *launcher,
                                   BankRowCommands *rows)
    : QObject(window.widget), window_(std::move(window)), model_(model), table_(table), launcher_(launcher), rows_(rows),
      actions_(buildActions())
{
}

BankFillCommands::Actions BankFillCommands::buildActions()
{
    const auto make = [this](const char *name, const QString &text, const QString &tip) {
        QAction *action = MakeAction(window_.widget, name, text, {});
        action->setStatusTip(tip);
        return action;
    };
    const Actions fill{
        make("actionNewFromStarter", tr("New from Starter &Bank…"),
             tr("Start a new bank holding the questions of a bank that comes with the game")),
        make("actionTopUp", tr("&Top Up from Bank…"),
             tr("Add questions from another bank, leaving out those this one already asks, up to 100")),
        make("actionPlayUnsaved", tr("Play &Without Saving"),
             tr("Play the bank as it stands from a temporary copy, leaving its file as it is")),
    };
    fill.playUnsaved->setShortcut(QKeySequence(QStringLiteral("Shift+F5")));

    connect(fill.newFromStarter, &QAction::triggered, this, [this] {
        window_.settleChanges([this] {
            chooseStarterBank(tr("New from Starter Bank"), false, [this](const StarterBank &starter) {
                const BankFileRead read = ReadBankBytes(starter.path);
                if (read.error.isEmpty())
                    window_.startUntitled(read.bytes);
                else
                    window_.showMessage(QMessageBox::Warning, read.error);
            });
        });
    });
    connect(fill.topUp, &QAction::triggered, this, &BankFillCommands::topUp);
    connect(fill.playUnsaved, &QAction::triggered, this, [this] {
        if (window_.commitTyping())
            askAboutEmptySlots([this] { startUnsavedGame(); });
    });
    connect(launcher_, &GameLauncher::runningChanged, fill.playUnsaved, [action = fill.playUnsaved](bool running) {
        action->setEnabled(!running);
    });
    return fill;
}

void BankFillCommands::topUp()
{
    if (window_.commitTyping())
        chooseStarterBank(tr("Top Up from Bank"), true, [this](const StarterBank &source) { topUpFrom(source); });
}

void BankFillCommands::chooseStarterBank(const QString &title, bool otherFile,
                                         const std::function<void(const StarterBank &)> &then)
{
    const QList<StarterBank> banks = StarterBanks();
    QStringList items;
    for (const StarterBank &bank : banks)
        items += bank.title;
    const QString other = tr("Other File…");
    if (otherFile)
        items += other;
    if (items.isEmpty()) {
        window_.showMessage(QMessageBox::Warning, tr("The banks that come with the game were not found. Install "
                                                     "Korvane, then try again."));
        return;
    }
    auto *dialog = new QInputDialog(window_.widget);
    dialog->setObjectName(QStringLiteral("bankChoiceDialog"));
    dialog->setWindowTitle(title);
    dialog->setLabelText(otherFile ? tr("Take questions from:") : tr("Start from:"));
    dialog->setOptions(QInputDialog::UseListViewForComboBoxItems);
    dialog->setComboBoxItems(items);
    // One chosen from the start, so that Enter takes it.
    dialog->setTextValue(items.first());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QInputDialog::textValueSelected, this, [this, banks, other, then](const QString &chosen) {
        for (const StarterBank &bank : banks)
            if (bank.title == chosen) {
                then(bank);
                return;
            }
        if (chosen != other)
            return;
        auto *files = new QFileDialog(window_.widget, tr("Top Up from Bank"), window_.currentFolder(), BankFilter());
        files->setObjectName(QStringLiteral("topUpDialog"));
        files->setFileMode(QFileDialog::ExistingFile);
        files->setAttribute(Qt::WA_DeleteOnClose);
        connect(files, &QFileDialog::fileSelected, this,
                [then](const QString &path) { then({QFileInfo(path).fileName(), path}); });
        files->open();
    });
    dialog->open();
}

void BankFillCommands::topUpFrom(const StarterBank &source)
{
    const QString &name = source.title;
    const BankFileRead read = ReadBankBytes(source.path);
    if (!read.error.isEmpty()) {
        window_.showMessage(QMessageBox::Warning, read.error);
        return;
    }
    const TopUpPlan plan = model_->topUp(read.bytes, name, *source.language);
    const int added = int(plan.lines.size());
    if (added > 0) {
        rows_->selectRows(plan.row, added);
        table_->scrollTo(model_->index(plan.row, 0));
        QString told = added == 1 ? tr("Added 1 question from %1").arg(name)
                                  : tr("Added %1 questions from %2").arg(added).arg(name);
        if (plan.duplicates > 0)
            told += plan.duplicates == 1 ? tr(", leaving out 1 already in this bank")
                                         : tr(", leaving out %1 already in this bank").arg(plan.duplicates);
        told += QLatin1Char('.');
        if (plan.leftOver > 0)
            told += QLatin1Char(' ') + tr("%1 more did not fit in the %2 slots.").arg(plan.leftOver).arg(BankSlots);
        window_.widget->statusBar()->showMessage(told, 8000);
    } else if (plan.room == 0) {
        window_.showMessage(QMessageBox::Information,
                            tr("Nothing was added: the bank already fills all %1 slots the game reads.").arg(BankSlots));
    } else {
        window_.showMessage(QMessageBox::Information,
                            tr("Nothing was added: every question in %1 is already in this bank, or it holds none.")
                                .arg(name));
    }
}

void BankFillCommands::askAboutEmptySlots(const std::function<void()> &next)
{
    const int empty = EmptySlots(model_->report());
    if (empty == 0) {
        next();
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Question, tr("Empty Slots"),
                                tr("%1 of the %2 slots are empty.").arg(empty).arg(BankSlots),
                                QMessageBox::Cancel, window_.widget);
    box->setObjectName(QStringLiteral("emptySlotsBox"));
    box->setInformativeText(tr("The game draws an empty slot as often as any other, so players will now and "
                               "then get a question with nothing in it. Play anyway, or top the bank up "
                               "from another first?"));
    QPushButton *playAnyway = box->addButton(tr("&Play Anyway"), QMessageBox::AcceptRole);
    QPushButton *topUpButton = box->addButton(tr("&Top Up…"), QMessageBox::ActionRole);
    playAnyway->setObjectName(QStringLiteral("playAnywayButton"));
    topUpButton->setObjectName(QStringLiteral("topUpButton"));
    box->setDefaultButton(playAnyway);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, playAnyway, topUpButton, next] {
        if (box->clickedButton() == playAnyway)
            next();
        else if (box->clickedButton() == topUpButton)
            topUp();
    });
    box->open();
    window_.messageShown(box->text());
}

void BankFillCommands::offerPlayUnsaved(const QString &why)
{
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Cannot Save Here"), SaveFailedText(window_.currentFile(), why),
                                QMessageBox::Cancel, window_.widget);
    box->setObjectName(QStringLiteral("cannotSaveBox"));
    box->setInformativeText(tr("Play the bank as it stands from a temporary copy, leaving the file as it is "
                               "and your changes unsaved here, or save it as another file."));
    QPushButton *playUnsaved = box->addButton(tr("Play &Without Saving"), QMessageBox::AcceptRole);
    QPushButton *saveAsButton = box->addButton(tr("Save &As…"), QMessageBox::ActionRole);
    playUnsaved->setObjectName(QStringLiteral("playUnsavedButton"));
    saveAsButton->setObjectName(QStringLiteral("saveAsButton"));
    box->setDefaultButton(playUnsaved);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, playUnsaved, saveAsButton] {
        if (box->clickedButton() == playUnsaved)
            startUnsavedGame();
        else if (box->clickedButton() == saveAsButton)
            window_.saveAs([this] { window_.startGame(); });
    });
    box->open();
    window_.messageShown(box->text());
}

void BankFillCommands::startUnsavedGame()
{
    if (!window_.checkEncodable(tr("The bank was not played")))
        return;
    const PlayPlan plan = PlanPlay({}, QCoreApplication::applicationDirPath());
    const QString error = launcher_->startOnCopy(plan.game, model_->bytes());
    if (!error.isEmpty())
        window_.showMessage(QMessageBox::Warning, error);
}
