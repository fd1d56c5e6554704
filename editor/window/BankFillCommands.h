#pragma once

#include "editor/document/StarterBanks.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QObject>

#include <functional>

class BankRowCommands;
class BankTableModel;
class GameLauncher;
class QAction;
class QMainWindow;
class QTableView;

// The editor's commands for reaching the game's 100 questions (a new bank
// from a shipped one, topping up from another bank, the question before
// playing with empty slots) and for trying a bank out without saving it.
// The window places their actions.
class BankFillCommands : public QObject {
    // Their texts are the window's menus, messages and undo steps.
    Q_DECLARE_TR_FUNCTIONS(BankEditorWindow)

public:
    // In the order the File menu lists them.
    struct Actions {
        QAction *newFromStarter;
        QAction *topUp;
        QAction *playUnsaved;
    };

    // What the commands ask of the window that holds the bank.
    struct Window {
        QMainWindow *widget;
        // False, with a message, when the field being typed in refused its text.
        std::function<bool()> commitTyping;
        std::function<void(QMessageBox::Icon, const QString &)> showMessage;
        // Tells of a question the commands opened, with its text.
        std::function<void(const QString &)> messageShown;
        // Runs the function once unsaved changes are saved or discarded.
        std::function<void(const std::function<void()> &)> settleChanges;
        std::function<void(const std::function<void()> &)> saveAs;
        // False, with a message beginning with the text, when a field holds a
        // character the game cannot show.
        std::function<bool(const QString &)> checkEncodable;
        std::function<void(const QByteArray &)> startUntitled;
        std::function<void()> startGame;
        std::function<QString()> currentFile;
        std::function<QString()> currentFolder;
    };

    BankFillCommands(Window window, BankTableModel *model, QTableView *table, GameLauncher *launcher,
                     BankRowCommands *rows);

    const Actions &actions() const { return actions_; }
    // Asks first when the game would meet empty slots, then runs next.
    void askAboutEmptySlots(const std::function<void()> &next);
    // Offered when the bank cannot be saved where it is, saying why.
    void offerPlayUnsaved(const QString &why);

private:
    Actions buildActions();
    // Asks for one of the shipped banks by title (or, with `otherFile`,
    // another file, named for its file and in no known language) and hands
    // it over.
    void chooseStarterBank(const QString &title, bool otherFile, const std::function<void(const StarterBank &)> &then);
    void topUp();
    void topUpFrom(const StarterBank &source);
    void startUnsavedGame();

    Window window_;
    BankTableModel *model_;
    QTableView *table_;
    GameLauncher *launcher_;
    BankRowCommands *rows_;
    Actions actions_;
};
