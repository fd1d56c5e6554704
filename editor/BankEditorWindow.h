#pragma once

#include <QMainWindow>
#include <QMessageBox>

#include <functional>

class BankTableModel;
class DiskWatch;
class FieldDelegate;
class GameLauncher;
class ProblemPanel;
class QLabel;
class QSplitter;
class QTableView;
class QUndoStack;
class QuestionPreview;
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
    void buildActions();
    void buildLayout();

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
    void exportCsv();
    void play();
    void startGame();

    // Another program's change to the open bank: what the author chose.
    enum class DiskChoice { Reload, KeepMine, SaveAs };
    void checkDisk();
    void askAboutDiskChange(const std::function<void(DiskChoice)> &then);
    // False, with a message, when the file cannot be read.
    bool reloadFromDisk();
    // The open bank's file holds `bytes`, as just read or written.
    void trackFile(const QByteArray &bytes);

    void cutCells();
    void copyCells();
    void pasteCells();
    void clearCells();
    void insertRow();
    void deleteRows();
    void moveRows(int step);
    QList<int> selectedRows() const;
    void selectRows(int first, int count);

    void showProblemCell(const BankProblem &problem);
    void refreshChecks();
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
    QuestionPreview *preview_ = nullptr;
    QLabel *lineCount_ = nullptr;
    RecentFiles *recentFiles_ = nullptr;
    GameLauncher *launcher_;
    DiskWatch *disk_;
    QMessageBox *diskQuestion_ = nullptr; // while it is open
    bool missingTold_ = false;
    RecoveryKeeper *recovery_ = nullptr;
    RecoveryOffers *recoveryOffers_ = nullptr;
    QString currentFile_;
    bool closeSettled_ = false;
};
