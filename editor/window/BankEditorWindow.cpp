#include "editor/window/BankEditorWindow.h"

#include "editor/document/BankFileReader.h"
#include "editor/document/BankFileWriter.h"
#include "editor/window/BankFillCommands.h"
#include "editor/window/BankProblemCommands.h"
#include "editor/window/BankRowCommands.h"
#include "editor/window/BankTableModel.h"
#include "editor/document/CsvExport.h"
#include "editor/window/CsvImportDialog.h"
#include "editor/document/DiskWatch.h"
#include "editor/document/FindingsPastSlots.h"
#include "editor/window/EditorGuide.h"
#include "editor/window/EditorIcon.h"
#include "editor/window/FieldDelegate.h"
#include "editor/window/FindBar.h"
#include "editor/window/GameLauncher.h"
#include "editor/document/LineCountSummary.h"
#include "editor/window/MenuCommands.h"
#include "editor/window/ProblemPanel.h"
#include "editor/window/QuestionPreview.h"
#include "editor/window/QuizPrintCommands.h"
#include "editor/window/RecentFiles.h"
#include "editor/document/RecoveryFolder.h"
#include "editor/window/RecoveryKeeper.h"
#include "editor/window/RecoveryOffers.h"
#include "editor/window/ScreenFit.h"
#include "editor/window/SelectionKeys.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <functional>
#include <utility>

namespace {

const QString GeometryKey = QStringLiteral("windowGeometry");
const QString SplitterKey = QStringLiteral("splitterState");

// The first local file of a drag, if any.
QString DroppedFile(const QMimeData *data)
{
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

BankEditorWindow::BankEditorWindow(QWidget *parent)
    : QMainWindow(parent), undoStack_(new QUndoStack(this)), model_(new BankTableModel(undoStack_, this)),
      launcher_(new GameLauncher(this)), disk_(new DiskWatch(this))
{
    setObjectName(QStringLiteral("BankEditorWindow"));
    setWindowIcon(EditorIcon());
    setAcceptDrops(true);
    buildLayout();
    buildCommands();
    buildMenus(buildWindowActions());

    connect(model_, &BankTableModel::bankChanged, this, &BankEditorWindow::refreshChecks);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { bankReplaced_ = true; });
    connect(undoStack_, &QUndoStack::cleanChanged, this, &BankEditorWindow::updateTitle);
    connect(launcher_, &GameLauncher::failed, this, [this](const QString &text) { showMessage(QMessageBox::Warning, text); });
    // A program saving a file touches it several times in a row: looked at once they are done.
    auto *settle = new QTimer(this);
    settle->setSingleShot(true);
    settle->setInterval(150);
    connect(disk_, &DiskWatch::touched, settle, qOverload<>(&QTimer::start));
    connect(settle, &QTimer::timeout, this, &BankEditorWindow::checkDisk);

    recovery_ = new RecoveryKeeper(
        undoStack_, [this] { return RecoverySnapshot{model_->document().lines(), model_->document().tail(), {}, {}}; },
        [this] { return currentFile_; }, this);
    recoveryOffers_ = new RecoveryOffers(this, [this](const RecoveredBank &bank) { recover(bank); });
    showRecoveryState();
    connect(recoveryOffers_, &RecoveryOffers::messageShown, this, &BankEditorWindow::messageShown);

    model_->load({});
    updateTitle();
    resize(1100, 760);
    const QSettings settings;
    restoreGeometry(settings.value(GeometryKey).toByteArray());
    KeepOnScreen(this);
    splitter_->restoreState(settings.value(SplitterKey).toByteArray());
}

BankEditorWindow::~BankEditorWindow()
{
    // Before the undo stack, whose clear() as it dies would read as a save:
    // unsaved changes stay recoverable.
    delete recovery_;
    // The children outlive this window's own part and may still signal as
    // they go (the undo stack says it is clean as it dies): nothing they
    // send may reach a window that is no longer one.
    for (QObject *child : std::initializer_list<QObject *>{undoStack_, model_, launcher_, delegate_, disk_})
        child->disconnect(this);
}

void BankEditorWindow::showRecoveryState()
{
    // Lasting, where a status-bar message would go before it is read.
    auto *state = new QLabel(this);
    state->setObjectName(QStringLiteral("recoveryState"));
    state->setWordWrap(true);
    state->hide();
    statusBar()->addPermanentWidget(state, 1);
    connect(recovery_, &RecoveryKeeper::failed, state, [state](const QString &reason) {
        state->setText(tr("Your changes are not protected: %1.").arg(reason));
        state->show();
    });
    connect(recovery_, &RecoveryKeeper::written, state, [state](const QString &path) {
        state->setText(tr("Your changes are kept for recovery in %1, as the usual folder cannot take them.")
                           .arg(QDir::toNativeSeparators(RecoveryFolder::FallbackPath())));
        state->setVisible(RecoveryFolder::IsFallback(path));
    });
    connect(undoStack_, &QUndoStack::cleanChanged, state, [state](bool clean) {
        if (clean)
            state->hide();
    });
}

void BankEditorWindow::buildLayout()
{
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("entryTable"));
    table_->setAccessibleName(tr("Questions"));
    table_->setAccessibleDescription(tr("One row per line of the bank: the question, the right answer "
                                        "and two wrong answers."));
    table_->setModel(model_);
    delegate_ = new FieldDelegate(table_);
    table_->setItemDelegate(delegate_);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    table_->setWordWrap(false);
    ExtendSelectionWithCtrlHomeEnd(table_);
    // Each row's header shows its line's length: repainted as its cells
    // change, as headerDataChanged would measure the whole header again.
    connect(model_, &QAbstractItemModel::dataChanged, table_->verticalHeader()->viewport(),
            qOverload<>(&QWidget::update));
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // Room for a typical answer and its counter; the question takes the rest.
    const int answerWidth = table_->fontMetrics().horizontalAdvance(QStringLiteral("Wrong answer 1 is here 00/26"));
    for (int column = 1; column < model_->columnCount(); ++column)
        table_->setColumnWidth(column, answerWidth);
    table_->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);

    preview_ = new QuestionPreview(this);
    problems_ = new ProblemPanel(this, [this](const BankProblem &problem) { return model_->canFix(problem); });

    // The table spans the window; the preview and the problems share the
    // strip below it.
    auto *below = new QWidget(this);
    auto *belowLayout = new QHBoxLayout(below);
    belowLayout->setContentsMargins(0, 0, 0, 0);
    belowLayout->addWidget(preview_);
    belowLayout->addWidget(problems_, 1);

    // The find strip opens under the table, where the found cells are.
    auto *above = new QWidget(this);
    auto *aboveLayout = new QVBoxLayout(above);
    aboveLayout->setContentsMargins(0, 0, 0, 0);
    aboveLayout->setSpacing(0);
    aboveLayout->addWidget(table_);
    findBar_ = new FindBar(table_, model_, above);
    aboveLayout->addWidget(findBar_);
    connect(findBar_, &FindBar::told, this, [this](const QString &text) { statusBar()->showMessage(text, 8000); });

    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->addWidget(above);
    splitter_->addWidget(below);
    splitter_->setStretchFactor(0, 1);
    splitter_->setCollapsible(0, false);
    setCentralWidget(splitter_);

    lineCount_ = new QLabel(this);
    lineCount_->setObjectName(QStringLiteral("lineCount"));
    lineCount_->setAccessibleName(tr("Line count"));
    statusBar()->addPermanentWidget(lineCount_);

    setTabOrder(table_, problems_->list());
    setTabOrder(problems_->list(), problems_->fixButton());

    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this, &BankEditorWindow::refreshPreview);
    connect(delegate_, &FieldDelegate::editing, this, &BankEditorWindow::previewTyping);
    connect(delegate_, &FieldDelegate::closeEditor, this, &BankEditorWindow::refreshPreview);
    // Checked after a pause in the typing: a list that changes at every key is no help.
    checksDue_ = new QTimer(this);
    checksDue_->setObjectName(QStringLiteral("problemsRefreshTimer"));
    checksDue_->setSingleShot(true);
    checksDue_->setInterval(120);
    connect(checksDue_, &QTimer::timeout, this, &BankEditorWindow::refreshProblems);
    connect(delegate_, &FieldDelegate::editing, this, [this](const QModelIndex &cell, const QString &text) {
        typedCell_ = cell;
        typedText_ = text;
        checksDue_->start();
    });
    connect(delegate_, &FieldDelegate::closeEditor, this, [this] {
        typedCell_ = QPersistentModelIndex();
        checksDue_->start();
    });
    connect(delegate_, &FieldDelegate::hint, this, [this](const QString &text) { statusBar()->showMessage(text, 8000); });
    connect(problems_->pastSlotsBox(), &QCheckBox::toggled, this, &BankEditorWindow::refreshProblems);
    // A hint describes the text as it is: it goes once that no longer holds.
    connect(delegate_, &FieldDelegate::hintEnded, this, [this](const QString &text) {
        if (statusBar()->currentMessage() == text)
            statusBar()->clearMessage();
    });
}

void BankEditorWindow::buildCommands()
{
    quizPrint_ = new QuizPrintCommands(this, model_, [this] { return commitTyping(); }, [this] { return currentFile_; });
    rows_ = new BankRowCommands(this, table_, model_, undoStack_, findBar_,
                                std::bind_front(&BankEditorWindow::commitTyping, this),
                                std::bind_front(&BankEditorWindow::showMessage, this));
    connect(delegate_, &FieldDelegate::leftLastRow, rows_, &BankRowCommands::addRowAtEnd);
    problemCommands_ = new BankProblemCommands(this, table_, model_, problems_,
                                               std::bind_front(&BankEditorWindow::settleChecks, this));
    fill_ = new BankFillCommands(
        {
            .widget = this,
            .commitTyping = std::bind_front(&BankEditorWindow::commitTyping, this),
            .showMessage = std::bind_front(&BankEditorWindow::showMessage, this),
            .messageShown = std::bind_front(&BankEditorWindow::messageShown, this),
            .settleChanges = std::bind_front(&BankEditorWindow::settleChanges, this),
            .saveAs = std::bind_front(&BankEditorWindow::saveAs, this),
            .checkEncodable = std::bind_front(&BankEditorWindow::checkEncodable, this),
            .startUntitled = std::bind_front(&BankEditorWindow::startUntitled, this),
            .startGame = std::bind_front(&BankEditorWindow::startGame, this),
            .currentFile = [this] { return currentFile_; },
            .currentFolder = std::bind_front(&BankEditorWindow::currentFolder, this),
        },
        model_, table_, launcher_, rows_);
}

BankEditorWindow::WindowActions BankEditorWindow::buildWindowActions()
{
    const WindowActions own{
        MakeAction(this, "actionNew", tr("&New"), QKeySequence::keyBindings(QKeySequence::New)),
        MakeAction(this, "actionOpen", tr("&Open…"), QKeySequence::keyBindings(QKeySequence::Open)),
        new QMenu(tr("Open &Recent"), this),
        MakeAction(this, "actionSave", tr("&Save"), QKeySequence::keyBindings(QKeySequence::Save)),
        MakeAction(this, "actionSaveAs", tr("Save &As…"),
                   {QKeySequence(QKeySequence::SaveAs).isEmpty() ? QKeySequence(QStringLiteral("Ctrl+Shift+S"))
                                                                 : QKeySequence(QKeySequence::SaveAs)}),
        MakeAction(this, "actionImportCsv", tr("&Import CSV…"), {QKeySequence(QStringLiteral("Ctrl+Shift+I"))}),
        MakeAction(this, "actionExportCsv", tr("&Export CSV…"), {}),
        MakeAction(this, "actionPlay", tr("P&lay This Bank"),
                   {QKeySequence(Qt::Key_F5), QKeySequence(QStringLiteral("Ctrl+R"))}),
        MakeAction(this, "actionQuit", tr("&Quit"), QKeySequence::keyBindings(QKeySequence::Quit)),
        undoStack_->createUndoAction(this, tr("&Undo")),
        undoStack_->createRedoAction(this, tr("&Redo")),
        MakeAction(this, "actionHelp", tr("Question Editor &Guide"), QKeySequence::keyBindings(QKeySequence::HelpContents)),
        MakeAction(this, "actionAbout", tr("&About Korvane Question Editor"), {}),
    };
    own.play->setStatusTip(tr("Save the bank, then play it in Korvane"));
    own.undo->setObjectName(QStringLiteral("actionUndo"));
    own.undo->setShortcuts(QKeySequence::Undo);
    own.redo->setObjectName(QStringLiteral("actionRedo"));
    own.redo->setShortcuts(QKeySequence::Redo);
    addActions({own.undo, own.redo});
    recentFiles_ = new RecentFiles(own.recent);

    connect(own.newBank, &QAction::triggered, this, [this] { settleChanges([this] { newBank(); }); });
    connect(own.open, &QAction::triggered, this, [this] { settleChanges([this] { chooseFileToOpen(); }); });
    connect(recentFiles_, &RecentFiles::openRequested, this,
            [this](const QString &path) { settleChanges([this, path] { openFile(path); }); });
    connect(own.save, &QAction::triggered, this, [this] { save([] {}); });
    connect(own.saveAs, &QAction::triggered, this, [this] { saveAs([] {}); });
    connect(own.importCsv, &QAction::triggered, this, &BankEditorWindow::importCsv);
    connect(own.exportCsv, &QAction::triggered, this, &BankEditorWindow::exportCsv);
    connect(own.play, &QAction::triggered, this, &BankEditorWindow::play);
    connect(own.quit, &QAction::triggered, this, &QWidget::close);
    connect(own.guide, &QAction::triggered, this, &BankEditorWindow::showGuide);
    connect(own.about, &QAction::triggered, this, [this] {
        showMessage(QMessageBox::Information,
                    tr("<b>Korvane Question Editor %1</b><p>Write the questions for your own game of "
                       "Korvane: a hundred of them, each with its right answer and two wrong ones. "
                       "Every line is checked as you type, shown the way the game will show it, and "
                       "one key plays the bank.</p>")
                        .arg(QStringLiteral(KORVANE_VERSION)));
    });
    connect(launcher_, &GameLauncher::runningChanged, this, [this, play = own.play](bool running) {
        play->setEnabled(!running);
        statusBar()->showMessage(running ? tr("The game is running.") : QString());
    });
    return own;
}

void BankEditorWindow::buildMenus(const WindowActions &own)
{
    const BankFillCommands::Actions &fill = fill_->actions();
    const QuizPrintCommands::Actions &print = quizPrint_->actions();
    const BankRowCommands::Actions &rows = rows_->actions();
    const BankProblemCommands::Actions &problems = problemCommands_->actions();

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addActions({own.newBank, fill.newFromStarter, own.open});
    file->addMenu(own.recent);
    file->addActions({own.save, own.saveAs});
    file->addSeparator();
    file->addActions({own.importCsv, own.exportCsv, fill.topUp});
    file->addSeparator();
    file->addActions({print.preview, print.print, print.exportPdf, print.newOrder});
    file->addSeparator();
    file->addActions({own.play, fill.playUnsaved});
    file->addSeparator();
    file->addAction(own.quit);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->addActions({own.undo, own.redo});
    edit->addSeparator();
    edit->addActions({rows.cut, rows.copy, rows.paste, rows.clear});
    edit->addSeparator();
    edit->addActions({rows.insert, rows.remove, rows.removePast, rows.up, rows.down});
    edit->addSeparator();
    edit->addAction(rows.selectAll);
    edit->addSeparator();
    edit->addActions({rows.find, rows.replace, rows.findNext, rows.findPrevious});
    edit->addSeparator();
    edit->addActions({rows.sort, rows.sortDown, rows.shuffle});

    QMenu *problemMenu = menuBar()->addMenu(tr("&Problems"));
    problemMenu->addActions({problems.next, problems.previous});
    problemMenu->addSeparator();
    problemMenu->addActions({problems.fix, problems.fixKind, problems.fixAll, problems.cutToWidth});
    // After the list's own Fix, in its context menu.
    problems_->list()->addActions({problems.fixKind, problems.fixAll});

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addActions({own.guide, own.about});
}

void BankEditorWindow::showMessage(QMessageBox::Icon icon, const QString &text)
{
    auto *box = new QMessageBox(icon, tr("Korvane Question Editor"), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    emit messageShown(text);
}

bool BankEditorWindow::openFile(const QString &path)
{
    const BankFileRead read = ReadBankBytes(path);
    if (!read.error.isEmpty()) {
        showMessage(QMessageBox::Warning, read.error);
        return false;
    }
    model_->load(read.bytes);
    quizPrint_->reset();
    currentFile_ = QFileInfo(path).absoluteFilePath();
    trackFile(read.bytes);
    recentFiles_->add(currentFile_);
    updateTitle();
    table_->setCurrentIndex(model_->index(0, 0));
    recoveryOffers_->offerFor(currentFile_);
    return true;
}

bool BankEditorWindow::commitTyping()
{
    if (delegate_->finishEditing())
        return true;
    showMessage(QMessageBox::Warning, tr("The field being edited cannot take its text as it stands, so nothing "
                                         "went on. Change the text, or press Esc to leave the field as it was."));
    return false;
}

bool BankEditorWindow::saveFile(const QString &path)
{
    return saveFile(path, {});
}

bool BankEditorWindow::checkEncodable(const QString &refused)
{
    const std::optional<BankDocument::Unencodable> bad = model_->firstUnencodable();
    if (!bad)
        return true;
    table_->setCurrentIndex(model_->index(bad->row, bad->column));
    showMessage(QMessageBox::Warning,
                tr("%1: row %2, %3, holds “%4”, a character the game cannot show (it uses Windows-1252). "
                   "Replace it, then try again.")
                    .arg(refused)
                    .arg(bad->row + 1)
                    .arg(QString::fromStdString(FieldInText(std::size_t(bad->column))), QString(bad->character)));
    return false;
}

bool BankEditorWindow::saveFile(const QString &path, const std::function<void(const QString &)> &failed)
{
    if (!commitTyping() || !checkEncodable(tr("The bank was not saved")))
        return false;
    const QByteArray bytes = model_->bytes();
    QString error = BankSizeRefusal(bytes.size());
    if (error.isEmpty())
        error = WriteBankFile(path, bytes);
    if (!error.isEmpty()) {
        if (failed)
            failed(error);
        else
            showMessage(QMessageBox::Warning, SaveFailedText(path, error));
        return false;
    }
    undoStack_->setClean();
    recovery_->saved();
    currentFile_ = QFileInfo(path).absoluteFilePath();
    trackFile(bytes);
    recentFiles_->add(currentFile_);
    updateTitle();
    statusBar()->showMessage(tr("Saved %1").arg(QDir::toNativeSeparators(currentFile_)), 4000);
    return true;
}

void BankEditorWindow::settleChanges(const std::function<void()> &next)
{
    if (!commitTyping())
        return;
    // A version a reload replaced is the author's until saved or discarded.
    if (undoStack_->isClean() && !recovery_->keepsReplaced()) {
        next();
        return;
    }
    const QString name = currentFile_.isEmpty() ? tr("the new bank") : QFileInfo(currentFile_).fileName();
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Unsaved Changes"),
                                tr("Save the changes to %1 first?").arg(name),
                                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box->setObjectName(QStringLiteral("unsavedChangesBox"));
    box->setInformativeText(tr("Changes not saved are lost."));
    box->setDefaultButton(QMessageBox::Save);
    // The standard button's own text has no accelerator on every platform.
    box->button(QMessageBox::Discard)->setText(tr("&Discard"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, next] {
        switch (box->standardButton(box->clickedButton())) {
        case QMessageBox::Save:
            save(next);
            break;
        case QMessageBox::Discard:
            // The recovery file goes only with the document: a file dialog
            // cancelled after this leaves both.
            next();
            break;
        default:
            break;
        }
    });
    box->open();
}

void BankEditorWindow::save(const std::function<void()> &next)
{
    if (currentFile_.isEmpty()) {
        saveAs(next);
    } else if (!commitTyping()) {
        return;
    } else if (disk_->state() == DiskWatch::State::Changed) {
        askAboutDiskChange([this, next](DiskChoice choice) {
            if (choice == DiskChoice::KeepMine && saveFile(currentFile_))
                next();
            else if (choice == DiskChoice::SaveAs)
                saveAs(next);
        });
    } else if (saveFile(currentFile_)) {
        next();
    }
}

void BankEditorWindow::saveAs(const std::function<void()> &next)
{
    if (!commitTyping())
        return;
    const QString start = currentFile_.isEmpty() ? QDir::homePath() : currentFile_;
    auto *dialog = new QFileDialog(this, tr("Save Bank As"), start, BankFilter());
    dialog->setObjectName(QStringLiteral("saveDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("tqz"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this, next](const QString &path) {
        if (saveFile(path))
            next();
    });
    dialog->open();
}

void BankEditorWindow::chooseFileToOpen()
{
    auto *dialog = new QFileDialog(this, tr("Open Bank"), currentFolder(), BankFilter());
    dialog->setObjectName(QStringLiteral("openDialog"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &path) { openFile(path); });
    dialog->open();
}

void BankEditorWindow::newBank()
{
    startUntitled({});
}

void BankEditorWindow::startUntitled(const QByteArray &bytes)
{
    model_->load(bytes);
    quizPrint_->reset();
    currentFile_.clear();
    disk_->stop();
    updateTitle();
    table_->setCurrentIndex(model_->index(0, 0));
}

QString BankEditorWindow::currentFolder() const
{
    return currentFile_.isEmpty() ? QDir::homePath() : QFileInfo(currentFile_).absolutePath();
}

void BankEditorWindow::importCsv()
{
    auto *dialog = new QFileDialog(this, tr("Import CSV"), currentFolder(),
                                   tr("Comma-separated values (*.csv);;All files (*)"));
    dialog->setObjectName(QStringLiteral("importDialog"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Queued, so that the preview opens once the file dialog has closed and
    // handed the focus back, and takes it in turn.
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &path) {
        const BankFileRead read = ReadCsvBytes(path);
        if (!read.error.isEmpty()) {
            showMessage(QMessageBox::Warning, read.error);
            return;
        }
        auto *preview = new CsvImportDialog(read.bytes, QFileInfo(path).fileName(), this);
        preview->setAttribute(Qt::WA_DeleteOnClose);
        connect(preview, &QDialog::accepted, this, [this, preview] {
            const QList<QStringList> records
                = PickedRows(preview->records(), preview->pick(), *QRandomGenerator::global());
            if (const QString refused = BankSizeRefusal(model_->bytesWithImport(records)); !refused.isEmpty()) {
                showMessage(QMessageBox::Warning, tr("Nothing was imported: %1.").arg(refused));
                return;
            }
            const int row = table_->currentIndex().isValid() ? table_->currentIndex().row() + 1 : model_->rowCount();
            model_->importCsv(row, records);
        });
        preview->open();
    }, Qt::QueuedConnection);
    dialog->open();
}

void BankEditorWindow::exportCsv()
{
    if (!commitTyping())
        return;
    const QString start = currentFile_.isEmpty()
        ? QDir::homePath()
        : QFileInfo(currentFile_).dir().filePath(QFileInfo(currentFile_).completeBaseName() + QStringLiteral(".csv"));
    auto *dialog = new QFileDialog(this, tr("Export CSV"), start, tr("Comma-separated values (*.csv);;All files (*)"));
    dialog->setObjectName(QStringLiteral("exportDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("csv"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &path) {
        const QString error = WriteBankFile(path, CsvFileBytes(model_->rowsOfFields()));
        if (!error.isEmpty())
            showMessage(QMessageBox::Warning, tr("“%1” could not be written: %2.").arg(QDir::toNativeSeparators(path), error));
    });
    dialog->open();
}

void BankEditorWindow::play()
{
    if (commitTyping())
        fill_->askAboutEmptySlots([this] { playSaved(); });
}

void BankEditorWindow::playSaved()
{
    // The game plays the file, so it must hold what the table shows.
    const DiskWatch::State disk = disk_->state();
    const bool mustSave = currentFile_.isEmpty() || !undoStack_->isClean() || disk == DiskWatch::State::Missing;
    // A file that cannot be written where it is (a shipped bank, a read-only
    // folder) can still be tried out.
    if (mustSave && !currentFile_.isEmpty() && disk != DiskWatch::State::Changed) {
        if (saveFile(currentFile_, [this](const QString &why) { fill_->offerPlayUnsaved(why); }))
            startGame();
        return;
    }
    if (mustSave) {
        save([this] { startGame(); });
        return;
    }
    if (disk == DiskWatch::State::Same) {
        startGame();
        return;
    }
    if (disk == DiskWatch::State::Unreadable) {
        tellUnreadable();
        return;
    }
    askAboutDiskChange([this](DiskChoice choice) {
        if (choice == DiskChoice::Reload || (choice == DiskChoice::KeepMine && saveFile(currentFile_)))
            startGame();
        else if (choice == DiskChoice::SaveAs)
            saveAs([this] { startGame(); });
    });
}

void BankEditorWindow::checkDisk()
{
    switch (disk_->state()) {
    case DiskWatch::State::Same:
        return;
    case DiskWatch::State::Missing:
        if (missingTold_)
            return;
        missingTold_ = true;
        // Nothing on disk holds these questions now: closing must ask.
        undoStack_->resetClean();
        updateTitle();
        showMessage(QMessageBox::Warning,
                    tr("“%1” was deleted or renamed by another program. Its questions stay open here, and Save "
                       "writes the file again.")
                        .arg(QDir::toNativeSeparators(currentFile_)));
        return;
    case DiskWatch::State::Unreadable:
        if (!std::exchange(unreadableTold_, true))
            tellUnreadable();
        return;
    case DiskWatch::State::Changed:
        if (diskQuestion_)
            return;
        askAboutDiskChange([this](DiskChoice choice) {
            // As through Save: the box promises to save it over the other.
            if (choice == DiskChoice::KeepMine && !saveFile(currentFile_)) {
                // The file no longer holds the table's questions: closing must ask.
                undoStack_->resetClean();
                updateTitle();
            } else if (choice == DiskChoice::SaveAs) {
                saveAs([] {});
            }
        });
        return;
    }
}

void BankEditorWindow::askAboutDiskChange(const std::function<void(DiskChoice)> &then)
{
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Changed on Disk"),
                                tr("Another program changed “%1” since it was opened or saved here.")
                                    .arg(QFileInfo(currentFile_).fileName()),
                                QMessageBox::Cancel, this);
    box->setObjectName(QStringLiteral("diskChangedBox"));
    box->setInformativeText(tr("Reload it to see that version (Undo brings yours back), keep your version and "
                               "save it over the other, or save yours as another file."));
    QPushButton *reload = box->addButton(tr("&Reload"), QMessageBox::DestructiveRole);
    QPushButton *keep = box->addButton(tr("&Keep Mine"), QMessageBox::AcceptRole);
    QPushButton *saveAs = box->addButton(tr("Save &As…"), QMessageBox::ActionRole);
    reload->setObjectName(QStringLiteral("reloadButton"));
    keep->setObjectName(QStringLiteral("keepMineButton"));
    saveAs->setObjectName(QStringLiteral("saveAsButton"));
    box->setDefaultButton(QMessageBox::Cancel);
    box->setAttribute(Qt::WA_DeleteOnClose);
    diskQuestion_ = box;
    connect(box, &QMessageBox::finished, this, [this, box, reload, keep, saveAs, then] {
        diskQuestion_ = nullptr;
        if (box->clickedButton() == reload) {
            if (reloadFromDisk())
                then(DiskChoice::Reload);
        } else if (box->clickedButton() == keep) {
            disk_->keepMine();
            then(DiskChoice::KeepMine);
        } else if (box->clickedButton() == saveAs) {
            then(DiskChoice::SaveAs);
        }
    });
    box->open();
    emit messageShown(box->text());
}

bool BankEditorWindow::reloadFromDisk()
{
    QString error;
    const QByteArray bytes = disk_->read(&error);
    if (!error.isEmpty()) {
        showMessage(QMessageBox::Warning, error);
        return false;
    }
    // Said in a box: the lasting line goes as the reload leaves nothing unsaved.
    if (QString unkept; !recovery_->keepReplaced(&unkept))
        showMessage(QMessageBox::Warning, tr("Your version, which Reload replaces, is not protected: %1. Undo brings "
                                             "it back while the editor runs.")
                                              .arg(unkept));
    model_->reload(bytes, tr("Reload %1 from disk").arg(QFileInfo(currentFile_).fileName()));
    undoStack_->setClean();
    trackFile(bytes);
    updateTitle();
    return true;
}

void BankEditorWindow::trackFile(const QByteArray &bytes)
{
    disk_->track(currentFile_, bytes);
    missingTold_ = false;
    unreadableTold_ = false;
}

void BankEditorWindow::tellUnreadable()
{
    QString error;
    disk_->read(&error);
    showMessage(QMessageBox::Warning, tr("%1 Its questions stay open here as they were.").arg(error));
}

void BankEditorWindow::startGame()
{
    const PlayPlan plan = PlanPlay(currentFile_, QCoreApplication::applicationDirPath());
    const QString error = launcher_->start(plan, currentFile_);
    if (!error.isEmpty())
        showMessage(QMessageBox::Warning, error);
}

void BankEditorWindow::showGuide()
{
    if (!guide_)
        guide_ = new EditorGuide(this);
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
}

void BankEditorWindow::refreshChecks()
{
    lineCount_->setText(LineCountSummary(model_->rowCount()));
    refreshPreview();
    // A bank just opened shows its problems at once.
    if (std::exchange(bankReplaced_, false)) {
        checksDue_->stop();
        refreshProblems();
    } else {
        checksDue_->start();
    }
}

void BankEditorWindow::refreshProblems()
{
    const BankReport report = typedCell_.isValid() ? model_->reportWith(typedCell_, typedText_) : model_->report();
    std::vector<BankProblem> problems = report.problems;
    if (problems_->pastSlotsBox()->isChecked()) {
        // After the lines' findings, before the bank's own.
        const std::vector<BankProblem> past = FindingsPastSlots(model_->document());
        problems.insert(std::find_if(problems.begin(), problems.end(),
                                     [](const BankProblem &problem) { return problem.line == 0; }),
                        past.begin(), past.end());
    }
    problems_->setProblems(std::move(problems));
    problemCommands_->actions().fixAll->setEnabled(model_->anyFixable());
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

void BankEditorWindow::refreshPreview()
{
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid()) {
        preview_->clear();
        return;
    }
    const std::vector<BankEntry> &loaded = model_->report().entries;
    const std::size_t row = std::size_t(current.row());
    if (row < loaded.size()) {
        preview_->showEntry(loaded[row], true);
        return;
    }
    previewTyping({}, {});
}

void BankEditorWindow::previewTyping(const QModelIndex &index, const QString &text)
{
    const int row = index.isValid() ? index.row() : table_->currentIndex().row();
    std::array<QString, BankFieldCount> fields;
    for (int column = 0; column < int(BankFieldCount); ++column)
        fields[std::size_t(column)] = index.isValid() && column == index.column()
                                          ? text
                                          : model_->index(row, column).data(Qt::EditRole).toString();
    preview_->showEntry(EntryOfFields(fields), row < int(BankSlots));
}

void BankEditorWindow::updateTitle()
{
    const QString name = currentFile_.isEmpty() ? tr("Untitled") : QFileInfo(currentFile_).fileName();
    setWindowTitle(tr("%1[*] — Korvane Question Editor").arg(name));
    setWindowModified(!undoStack_->isClean());
}

void BankEditorWindow::offerRecovery()
{
    recoveryOffers_->offerAll();
}

void BankEditorWindow::recover(const RecoveredBank &bank)
{
    BankDocument document;
    document.assign(bank.snapshot.lines, bank.snapshot.tail);
    model_->loadDocument(std::move(document));
    quizPrint_->reset();
    currentFile_ = bank.snapshot.bankPath;
    // Saving it asks only when the file changes from what it holds now (or
    // writes it again when it is gone): what it held before the crash is
    // not known.
    if (currentFile_.isEmpty())
        disk_->stop();
    else
        trackFile(ReadBankBytes(currentFile_).bytes);
    recovery_->adopt(bank.claim);
    // Unsaved, with no undo back to a saved state: Save writes it all.
    undoStack_->resetClean();
    updateTitle();
    table_->setCurrentIndex(model_->index(0, 0));
}

void BankEditorWindow::closeEvent(QCloseEvent *event)
{
    if (!closeSettled_ && !commitTyping()) {
        event->ignore();
        return;
    }
    if (closeSettled_ || (undoStack_->isClean() && !recovery_->keepsReplaced() && !launcher_->isRunning())) {
        // Saved or discarded: the document goes, and so does its recovery.
        if (closeSettled_)
            recovery_->discard();
        QSettings settings;
        settings.setValue(GeometryKey, saveGeometry());
        settings.setValue(SplitterKey, splitter_->saveState());
        event->accept();
        return;
    }
    event->ignore();
    const auto closeNow = [this] {
        closeSettled_ = true;
        close();
    };
    if (!launcher_->isRunning()) {
        settleChanges(closeNow);
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Question, tr("Game Running"),
                                tr("The game started from this editor is still running. Closing the "
                                   "editor ends the game too."),
                                QMessageBox::Cancel, this);
    box->setObjectName(QStringLiteral("gameRunningBox"));
    QPushButton *end = box->addButton(tr("&End Game and Close"), QMessageBox::AcceptRole);
    box->setDefaultButton(end);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, end, closeNow] {
        if (box->clickedButton() == end)
            settleChanges(closeNow);
    });
    box->open();
}

void BankEditorWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void BankEditorWindow::dropEvent(QDropEvent *event)
{
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    settleChanges([this, path] { openFile(path); });
}
