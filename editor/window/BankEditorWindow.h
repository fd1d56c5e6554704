#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <QPersistentModelIndex>

#include <functional>

class BankFillCommands;
class BankProblemCommands;
class BankRowCommands;
class BankTableModel;
class QAction;
class DiskWatch;
class EditorGuide;
class FieldDelegate;
class FindBar;
class GameLauncher;
class ProblemPanel;
class QLabel;
class QMenu;
class QSplitter;
class QTableView;
class QTimer;
class QUndoStack;
class QuestionPreview;
class QuizPrintCommands;
class RecentFiles;
class RecoveryKeeper;
class RecoveryOffers;
struct BankProblem;
struct RecoveredBank;

// The question editor: the bank as a table, one row per line as the game
// reads it, with its problems listed live and the selected question drawn as
// the game shows it.
class BankEditorWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit BankEditorWindow(QWidget *parent = nullptr);
    ~BankEditorWindow() override;

    // Each returns false, with a message shown, on failure. Neither asks about
    // unsaved changes: the menu commands and drops do that before calling them.
    bool openFile(const QString &path);
    bool saveFile(const QString &path);

    // Offers the recovery files of banks whose changes were never saved: at start.
    void offerRecovery();

    QString currentFile() const { return currentFile_; }
    BankTableModel *model() const { return model_; }

signals:
    // Every message box the window opens, with its text.
    void messageShown(const QString &text);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The window's own commands: the bank's file, undo and help.
    struct WindowActions {
        QAction *newBank, *open;
        QMenu *recent;
        QAction *save, *saveAs, *importCsv, *exportCsv, *play, *quit;
        QAction *undo, *redo;
        QAction *guide, *about;
    };
    void buildLayout();
    // The groups of commands, each an object that makes and connects its actions.
    void buildCommands();
    WindowActions buildWindowActions();
    // The one place that lays out every group's actions: the menus and the
    // problem list's context menu.
    void buildMenus(const WindowActions &own);
    // A lasting line in the status bar while the recovery of unsaved
    // changes fails, or keeps them in its fallback folder.
    void showRecoveryState();

    // Message boxes are window-modal and never block the caller.
    void showMessage(QMessageBox::Icon icon, const QString &text);
    // Commits what is being typed in a cell; false, with a message, when the
    // field refused it, so that nothing goes on as if it had landed.
    bool commitTyping();
    // Runs next once unsaved changes are saved or discarded; not at all when
    // the user cancels or the save fails.
    void settleChanges(const std::function<void()> &next);
    void save(const std::function<void()> &next);
    void saveAs(const std::function<void()> &next);
    void chooseFileToOpen();
    void newBank();
    // The current bank's folder, home when untitled: where file dialogs start.
    QString currentFolder() const;
    void importCsv();
    // Writes the bank to `path`; on failure tells `failed` why, or shows it.
    bool saveFile(const QString &path, const std::function<void(const QString &)> &failed);
    // False, with the cell shown and a message beginning `refused`, when a
    // field holds a character the game cannot show.
    bool checkEncodable(const QString &refused);
    void startUntitled(const QByteArray &bytes);
    void exportCsv();
    void play();
    void playSaved();
    void startGame();

    // Another program's change to the open bank: what the author chose.
    enum class DiskChoice { Reload, KeepMine, SaveAs };
    void checkDisk();
    void askAboutDiskChange(const std::function<void(DiskChoice)> &then);
    // False, with a message, when the file cannot be read.
    bool reloadFromDisk();
    // The open bank's file holds `bytes`, as just read or written.
    void trackFile(const QByteArray &bytes);
    // The open bank's file is there but cannot be read: says why.
    void tellUnreadable();

    void showGuide();

    // The problems list follows edits and typing once they pause.
    void refreshChecks();
    void refreshProblems();
    // Commits what is being typed and brings the list up to date at once,
    // for the commands that act on it; false when the typing was refused.
    bool settleChecks();
    void refreshPreview();
    void previewTyping(const QModelIndex &index, const QString &text);
    void updateTitle();
    // Takes a recovered document as this window's, with unsaved changes.
    void recover(const RecoveredBank &bank);

    QUndoStack *undoStack_;
    BankTableModel *model_;
    QTableView *table_ = nullptr;
    QSplitter *splitter_ = nullptr;
    FieldDelegate *delegate_ = nullptr;
    ProblemPanel *problems_ = nullptr;
    FindBar *findBar_ = nullptr;
    EditorGuide *guide_ = nullptr;
    QuestionPreview *preview_ = nullptr;
    QLabel *lineCount_ = nullptr;
    QTimer *checksDue_ = nullptr;
    bool bankReplaced_ = false;      // a load, checked at once rather than after a pause
    QPersistentModelIndex typedCell_; // the cell being typed in, and its text as it stands
    QString typedText_;
    RecentFiles *recentFiles_ = nullptr;
    GameLauncher *launcher_;
    DiskWatch *disk_;
    QMessageBox *diskQuestion_ = nullptr; // while it is open
    bool missingTold_ = false;
    bool unreadableTold_ = false;
    RecoveryKeeper *recovery_ = nullptr;
    RecoveryOffers *recoveryOffers_ = nullptr;
    QuizPrintCommands *quizPrint_ = nullptr;
    BankRowCommands *rows_ = nullptr;
    BankProblemCommands *problemCommands_ = nullptr;
    BankFillCommands *fill_ = nullptr;
    QString currentFile_;
    bool closeSettled_ = false;
};
