// Ways to lose work: each row is a path by which the editor once dropped,
// overwrote or deleted what an author had, driven as the author drives it.
// Where a real process is needed (killed, ended, started again) the editor
// runs as one, through the EditorDriver program, its data in a folder of
// the test's own.
#include "editor/window/BankEditorWindow.h"
#include "editor/window/BankTableModel.h"
#include "tests/editor/EditorProcess.h"
#include "editor/document/RecoveryFile.h"
#include "editor/document/RecoveryFolder.h"
#include "editor/window/RecoveryKeeper.h"
#include "editor/document/TerminationSignal.h"
#include "tests/editor/TestFiles.h"

#include "forms/BankChecks.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

const QByteArray ThreeLines = "Capital of France?\"Paris\"Lyon\"Nice\"\r\n"
                              "Largest planet?\"Jupiter\"Mars\"Venus\"\r\n"
                              "Smallest prime?\"2\"1\"3\"\r\n";

QByteArray Lines(int count, const QByteArray &end)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "Question number " + QByteArray::number(i) + "?\"Right\"Wrong\"Also wrong\"" + end;
    return bytes;
}

void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

// The editor with a bank open, active, the table holding the focus on `cell`.
struct Session {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("bank.tqz"));
    BankEditorWindow window;
    QTableView *table = window.findChild<QTableView *>(QStringLiteral("entryTable"));
    QSignalSpy messages{&window, &BankEditorWindow::messageShown};

    explicit Session(const QByteArray &bytes, QModelIndex cell = {})
    {
        WriteFile(path, bytes);
        if (!window.openFile(path))
            qFatal("cannot open the test bank");
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the editor did not become active");
        table->setFocus();
        table->setCurrentIndex(cell.isValid() ? cell : model()->index(0, 0));
    }

    BankTableModel *model() const { return window.model(); }
    QString field(int row, int column) const { return model()->index(row, column).data().toString(); }
    void trigger(const char *action) { window.findChild<QAction *>(QString::fromLatin1(action))->trigger(); }
    QString undoText() const { return window.findChild<QUndoStack *>()->undoText(); }
    QMessageBox *box(const char *name) const { return window.findChild<QMessageBox *>(QString::fromLatin1(name)); }
};

// Whatever another program writes, done the way most editors save: a new
// file renamed over the old one.
void WriteElsewhere(const QString &path, const QByteArray &bytes)
{
    WriteFile(path + QStringLiteral(".other"), bytes);
    QVERIFY(::rename(QFile::encodeName(path + QStringLiteral(".other")).constData(), QFile::encodeName(path).constData())
            == 0);
}

// The recovery of unsaved work.

// Short enough that a test waits little, long enough that the editor's
// work between writes is seen as a user's would be.
constexpr int ShortInterval = 200;
// Longer than any test: the recovery file comes only when asked for.
constexpr int LongInterval = 600000;

struct Edit {
    int row = 0;
    int column = 0;
    QString text;
};

// Edits to ThreeLines: one holds characters the bank's code page lacks, one
// beyond the BMP, which only the document's typed fields keep.
const QList<Edit> Edits = {
    {0, 1, QStringLiteral("Gdańsk 🙂")},
    {2, 0, QStringLiteral("Smallest prime, café?")},
    {1, 3, QStringLiteral("Saturn")},
};
// What makes the bank savable again: its one field the code page lacks, replaced.
const Edit Encodable = {0, 1, QStringLiteral("Gdansk")};
// Edits to a new bank's one line.
const QList<Edit> UntitledEdits = {
    {0, 0, QStringLiteral("Which city is Gdańsk?")},
    {0, 1, QStringLiteral("🙂")},
};

QString SetCommand(const Edit &edit)
{
    const QByteArray text = QJsonDocument(QJsonArray{edit.text}).toJson(QJsonDocument::Compact);
    return QStringLiteral("set %1 %2 %3").arg(edit.row).arg(edit.column).arg(QString::fromUtf8(text.sliced(1, text.size() - 2)));
}

// The same edits in this process, on the editor's own model: the fields
// they show, and the bytes saved once the bank is savable.
struct Expected {
    QList<QStringList> rows;
    QByteArray saved;
};

Expected ExpectedAfterEdits()
{
    QUndoStack stack;
    BankTableModel model(&stack);
    model.load(ThreeLines);
    for (const Edit &edit : Edits)
        model.setData(model.index(edit.row, edit.column), edit.text);
    Expected expected;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < model.columnCount(); ++column)
            fields += model.index(row, column).data(Qt::EditRole).toString();
        expected.rows += fields;
    }
    model.setData(model.index(Encodable.row, Encodable.column), Encodable.text);
    expected.saved = model.bytes();
    return expected;
}

QList<QStringList> Rows(const QJsonValue &json)
{
    QList<QStringList> rows;
    for (const QJsonValue &row : json.toArray()) {
        QStringList fields;
        for (const QJsonValue &field : row.toArray())
            fields += field.toString();
        rows += fields;
    }
    return rows;
}

QString Text(const QJsonValue &object, const char *key)
{
    return object.toObject().value(QLatin1String(key)).toString();
}

QStringList BoxNames(const QJsonValue &boxes)
{
    QStringList names;
    for (const QJsonValue &box : boxes.toArray())
        names += Text(box, "name");
    return names;
}

QString WriteBank(const QTemporaryDir &folder)
{
    const QString path = folder.filePath(QStringLiteral("bank.tqz"));
    WriteFile(path, ThreeLines);
    return path;
}

RecoveryKeeper *Keeper(BankEditorWindow &window)
{
    return window.findChild<RecoveryKeeper *>();
}

// The window's recovery file once it holds the document as it is, or a
// null string when none comes.
QString WaitKept(BankEditorWindow &window)
{
    RecoveryKeeper *keeper = Keeper(window);
    if (!keeper)
        return {};
    return QTest::qWaitFor([keeper] { return keeper->isCurrent(); }, 20000) ? keeper->filePath() : QString();
}

void Apply(BankEditorWindow &window, const QList<Edit> &edits)
{
    for (const Edit &edit : edits)
        QVERIFY(window.model()->setData(window.model()->index(edit.row, edit.column), edit.text));
}

QMessageBox *ShownBox(BankEditorWindow &window, const char *name)
{
    for (QMessageBox *box : window.findChildren<QMessageBox *>(QString::fromLatin1(name)))
        if (box->isVisible())
            return box;
    return nullptr;
}

bool Press(QMessageBox *box, const QString &text)
{
    if (!box)
        return false;
    for (QAbstractButton *button : box->buttons()) {
        if (button->text().remove(u'&') == text) {
            button->click();
            return true;
        }
    }
    return false;
}

int Mode(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777) : -1;
}

} // namespace

class LoseWorkTest;
using Scenario = void (LoseWorkTest::*)();

class LoseWorkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Data and settings of this run's own, so that no other run of the
        // suite, nor the user, shares its recovery files.
        QVERIFY(home_.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(home_.filePath(QStringLiteral("data"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath(QStringLiteral("config"))));
        qputenv("KORVEDIT_RECOVERY_INTERVAL_MS", QByteArray::number(ShortInterval));
        // The recovery's fallback folder is in the home folder.
        qputenv("HOME", QFile::encodeName(home_.path()));
    }
    // No row sees another's recovery files.
    void init()
    {
        for (const QString &folder : {RecoveryFolder::Path(), RecoveryFolder::FallbackPath()}) {
            QFile::remove(folder);
            QDir(folder).removeRecursively();
        }
    }
    void waysToLoseWork_data();
    void waysToLoseWork();

private:
    QTemporaryDir home_;

    void editBesideALineFeed();
    void fixLinuxLineEnds();
    void fixRunOnQuestion();
    void saveOverAnotherChange();
    void playAfterAnotherChange();
    void reloadIsUndone();
    void bankDeletedWhileOpen();
    void killedWhileEditing();
    void terminatedWhileEditing();
    void heldByRunningEditor();
    void bankOpenedOffersItsRecovery();
    void untitledOfferedAtStart();
    void offerDiscardAndNotNow();
    void savedRemovesRecovery();
    void discardedOnNewRemovesRecovery();
    void discardedOnCloseRemovesRecovery();
    void undoneRemovesRecovery();
    void recoveryIsPrivate();
    void typingDoesNotPutOffRecovery();
    void recoveryPastFileSizeLimit();
    void fileSizeLimit();
    void deleteKeyClearsACell();
    void cutClearsACell();
    void pasteOneValueFillsCells();
    void pasteBlockFillsCells();
    void pasteRowsGoBelow();
    void pasteQuoteIntoCell();
    void stalePlayFolders();
    void closeWhileEditingALineFeed();
    void saveKeepsTheGroup();
    void reloadOverCtrlZTail();
    void fixKeepsRunOnMissingQuote();
    void discardThenCancel();
    void terminatedWithRecoveryUnwritable();
    void unprotectedIsShown();
    void exportPdfPastFileSizeLimit();
    void exportPdfFailureKeepsOldFile();
    void savedLargeBankOpens();
    void unreadableIsNotChanged();
    void fullDiskIsNotALock();
    void saveKeepsTheAcl();
    void replaceAllKeepsTheRest();
    void hugeRecoveryMovedAside();
    void pipeInRecovery();
    void leftoverWriteOffered();
    void keepMineFromWatchSaves();
    void lockIsPrivate();
    void csvRoundTrip();
    void hintGoesWithItsCause();
    void lineBreakInMessage();

    // Edits a bank of 100 lines in an editor started under a file-size limit
    // of half its size, then sends the commands (%1: the editor's folder),
    // which must fail with "File too large", the edit still unsaved.
    void failUnderFileSizeLimit(const QStringList &commands);
    // Recovers the Edits in an editor started in `home` after the one that
    // kept them ended, and saves them.
    void recoverInNewStart(const QString &home, const QString &bank, const QString &kept);
    // Edits made to the bank (empty: a new one), kept in a recovery file by
    // a window then dropped unsaved; the file's path.
    QString keptByDroppedWindow(const QString &bank, const QList<Edit> &edits, std::vector<BankLine> *lines = nullptr);
};

void LoseWorkTest::waysToLoseWork_data()
{
    QTest::addColumn<Scenario>("scenario");
    QTest::newRow("1 an edit beside a lone line feed lands as shown") << &LoseWorkTest::editBesideALineFeed;
    QTest::newRow("2 Fix splits a bank with Linux line ends, keeping all 30") << &LoseWorkTest::fixLinuxLineEnds;
    QTest::newRow("2 Fix gives a run-on question a line of its own") << &LoseWorkTest::fixRunOnQuestion;
    QTest::newRow("3 Save asks before overwriting another program's change") << &LoseWorkTest::saveOverAnotherChange;
    QTest::newRow("3 Play asks when the file no longer holds the table") << &LoseWorkTest::playAfterAnotherChange;
    QTest::newRow("3 Reload can be undone") << &LoseWorkTest::reloadIsUndone;
    QTest::newRow("3 a bank deleted while open is said so and saved again") << &LoseWorkTest::bankDeletedWhileOpen;
    QTest::newRow("4 killed (kill -9) while editing: the next start gives the edits back") << &LoseWorkTest::killedWhileEditing;
    QTest::newRow("4 ended (SIGTERM) while editing: kept at once, given back at the next start")
        << &LoseWorkTest::terminatedWhileEditing;
    QTest::newRow("4 a recovery a running editor holds is not offered; opening its bank says so")
        << &LoseWorkTest::heldByRunningEditor;
    QTest::newRow("4 opening a bank offers its recovery") << &LoseWorkTest::bankOpenedOffersItsRecovery;
    QTest::newRow("4 an untitled bank's recovery is offered at start") << &LoseWorkTest::untitledOfferedAtStart;
    QTest::newRow("4 Discard in the offer deletes once confirmed; Not Now keeps") << &LoseWorkTest::offerDiscardAndNotNow;
    QTest::newRow("4 saving removes the recovery file") << &LoseWorkTest::savedRemovesRecovery;
    QTest::newRow("4 discarding the changes for a new bank removes the recovery file")
        << &LoseWorkTest::discardedOnNewRemovesRecovery;
    QTest::newRow("4 discarding the changes on close removes the recovery file")
        << &LoseWorkTest::discardedOnCloseRemovesRecovery;
    QTest::newRow("4 undoing back to the saved bank removes the recovery file") << &LoseWorkTest::undoneRemovesRecovery;
    QTest::newRow("4 recovery files are the user's alone (0600)") << &LoseWorkTest::recoveryIsPrivate;
    QTest::newRow("4 typing on does not put the recovery off") << &LoseWorkTest::typingDoesNotPutOffRecovery;
    QTest::newRow("4 a file-size limit fails the recovery write, telling why") << &LoseWorkTest::recoveryPastFileSizeLimit;
    QTest::newRow("5 a file-size limit fails the save, telling why") << &LoseWorkTest::fileSizeLimit;
    QTest::newRow("6 Del clears a cell, not its question") << &LoseWorkTest::deleteKeyClearsACell;
    QTest::newRow("6 Cut clears a cell, not its question") << &LoseWorkTest::cutClearsACell;
    QTest::newRow("6 one value pasted fills the selected cells") << &LoseWorkTest::pasteOneValueFillsCells;
    QTest::newRow("6 a block pasted fills cells from the current one") << &LoseWorkTest::pasteBlockFillsCells;
    QTest::newRow("6 whole rows pasted go below the current row") << &LoseWorkTest::pasteRowsGoBelow;
    QTest::newRow("7 a pasted double quote becomes typographic") << &LoseWorkTest::pasteQuoteIntoCell;
    QTest::newRow("8 stale play folders go, live ones stay") << &LoseWorkTest::stalePlayFolders;
    QTest::newRow("9 closing while a cell holding a line feed is edited") << &LoseWorkTest::closeWhileEditingALineFeed;
    QTest::newRow("10 saving keeps the bank's group") << &LoseWorkTest::saveKeepsTheGroup;
    QTest::newRow("11 Reload over a change to the Ctrl-Z tail alone is one undo step, the version replaced kept")
        << &LoseWorkTest::reloadOverCtrlZTail;
    QTest::newRow("12 Fix All gives a run-on question missing its last quote a line; a note stays")
        << &LoseWorkTest::fixKeepsRunOnMissingQuote;
    QTest::newRow("13 Discard, then Cancel in the file dialog, keeps the recovery file") << &LoseWorkTest::discardThenCancel;
    QTest::newRow("14 ended (SIGTERM) with the recovery folder unwritable: kept in the fallback folder")
        << &LoseWorkTest::terminatedWithRecoveryUnwritable;
    QTest::newRow("14 no copy kept: a lasting warning until a write lands") << &LoseWorkTest::unprotectedIsShown;
    QTest::newRow("15 a file-size limit fails Export PDF with unsaved changes, the editor lives on")
        << &LoseWorkTest::exportPdfPastFileSizeLimit;
    QTest::newRow("16 a failed Export PDF leaves the old file and says why") << &LoseWorkTest::exportPdfFailureKeepsOldFile;
    QTest::newRow("17 a bank imported past 4 MiB saves, reads as unchanged and opens; past the limit none is imported or saved")
        << &LoseWorkTest::savedLargeBankOpens;
    QTest::newRow("17 an unreadable bank is said so, not taken for another program's change")
        << &LoseWorkTest::unreadableIsNotChanged;
    QTest::newRow("18 a recovery lock that cannot be made on a full disk gives the system's reason")
        << &LoseWorkTest::fullDiskIsNotALock;
    QTest::newRow("19 saving keeps the bank's access list and attributes") << &LoseWorkTest::saveKeepsTheAcl;
    QTest::newRow("20 Replace All changes the match alone, its quotes turned in place")
        << &LoseWorkTest::replaceAllKeepsTheRest;
    QTest::newRow("21 a recovery file too large for any bank is not read, and is moved aside, not deleted")
        << &LoseWorkTest::hugeRecoveryMovedAside;
    QTest::newRow("22 a recovery file that is a link to a pipe does not hang the start") << &LoseWorkTest::pipeInRecovery;
    QTest::newRow("23 a complete write cut short by kill -9, newer than its file, is offered; others go")
        << &LoseWorkTest::leftoverWriteOffered;
    QTest::newRow("24 Keep Mine saves when the file watch asks") << &LoseWorkTest::keepMineFromWatchSaves;
    QTest::newRow("25 recovery lock files are the user's alone (0600)") << &LoseWorkTest::lockIsPrivate;
    QTest::newRow("26 Export CSV, then Import, keeps a tab and a line feed in a field") << &LoseWorkTest::csvRoundTrip;
    QTest::newRow("27 the status bar's word on a character the game lacks goes with the character")
        << &LoseWorkTest::hintGoesWithItsCause;
    QTest::newRow("28 a message shows a line break as ↵, not \\x0A") << &LoseWorkTest::lineBreakInMessage;
}

void LoseWorkTest::waysToLoseWork()
{
    QFETCH(Scenario, scenario);
    (this->*scenario)();
}

void LoseWorkTest::editBesideALineFeed()
{
    Session s("Line one\nstill one\"a\"b\"c\"\r\n");
    Key(Qt::Key_F2);
    Key(Qt::Key_End);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("!"));
    Key(Qt::Key_Return);
    QTRY_COMPARE(s.field(0, 0), QStringLiteral("Line one still one!"));
    QVERIFY(s.window.isWindowModified());
    QVERIFY(s.window.saveFile(s.path));
    QCOMPARE(ReadFile(s.path), QByteArray("Line one still one!\"a\"b\"c\"\r\n"));

    // Opened and left as it was, the field keeps its line feed.
    Session untouched("Line one\nstill one\"a\"b\"c\"\r\n");
    Key(Qt::Key_F2);
    Key(Qt::Key_Return);
    QVERIFY(untouched.window.saveFile(untouched.path));
    QCOMPARE(ReadFile(untouched.path), QByteArray("Line one\nstill one\"a\"b\"c\"\r\n"));
}

void LoseWorkTest::fixLinuxLineEnds()
{
    Session s(Lines(30, "\n"));
    const BankReport &report = s.model()->report();
    const auto after = std::find_if(report.problems.begin(), report.problems.end(), [](const BankProblem &problem) {
        return problem.kind == BankProblemKind::TextAfterLastQuote;
    });
    QVERIFY(after != report.problems.end());
    s.model()->fix(*after);
    QCOMPARE(s.model()->rowCount(), 30);
    QCOMPARE(s.model()->bytes(), Lines(30, "\r\n"));
}

void LoseWorkTest::fixRunOnQuestion()
{
    Session s("One?\"a\"b\"c\"Two?\"d\"e\"f\"\r\n");
    const BankProblem after = s.model()->report().problems.front();
    QCOMPARE(after.kind, BankProblemKind::TextAfterLastQuote);
    s.model()->fix(after);
    QCOMPARE(s.model()->bytes(), QByteArray("One?\"a\"b\"c\"\r\nTwo?\"d\"e\"f\"\r\n"));

    // Text that holds no question goes, and Undo names it.
    Session note("One?\"a\"b\"c\"see page 4\r\n");
    note.model()->fix(note.model()->report().problems.front());
    QCOMPARE(note.model()->bytes(), QByteArray("One?\"a\"b\"c\"\r\n"));
    QVERIFY2(note.undoText().contains(QStringLiteral("see page 4")), qPrintable(note.undoText()));
}

void LoseWorkTest::saveOverAnotherChange()
{
    Session s(ThreeLines);
    WriteElsewhere(s.path, ThreeLines + "Theirs?\"a\"b\"c\"\r\n");
    QVERIFY(s.model()->setData(s.model()->index(0, 1), QStringLiteral("Mine")));
    s.trigger("actionSave");
    QMessageBox *box = s.box("diskChangedBox");
    QVERIFY(box && box->isVisible());
    QVERIFY(ReadFile(s.path).contains("Theirs"));
    box->findChild<QPushButton *>(QStringLiteral("keepMineButton"))->click();
    QVERIFY(ReadFile(s.path).contains("Mine"));
    QVERIFY(!s.window.isWindowModified());
}

void LoseWorkTest::playAfterAnotherChange()
{
    Session s(ThreeLines);
    WriteElsewhere(s.path, "Theirs?\"a\"b\"c\"\r\n");
    s.trigger("actionPlay");
    // Three lines leave empty slots, which Play asks about first.
    QVERIFY(Press(ShownBox(s.window, "emptySlotsBox"), QStringLiteral("Play Anyway")));
    QMessageBox *box = s.box("diskChangedBox");
    QVERIFY(box && box->isVisible());
    box->button(QMessageBox::Cancel)->click();
    QCOMPARE(ReadFile(s.path), QByteArray("Theirs?\"a\"b\"c\"\r\n"));
}

void LoseWorkTest::reloadIsUndone()
{
    Session s(ThreeLines);
    QVERIFY(s.model()->setData(s.model()->index(0, 1), QStringLiteral("Mine")));
    WriteElsewhere(s.path, "Theirs?\"a\"b\"c\"\r\n");
    // The watch tells the window, which asks.
    QTRY_VERIFY(s.box("diskChangedBox") && s.box("diskChangedBox")->isVisible());
    s.box("diskChangedBox")->findChild<QPushButton *>(QStringLiteral("reloadButton"))->click();
    QCOMPARE(s.model()->bytes(), QByteArray("Theirs?\"a\"b\"c\"\r\n"));
    QVERIFY(!s.window.isWindowModified());
    s.trigger("actionUndo");
    QCOMPARE(s.field(0, 1), QStringLiteral("Mine"));
    QVERIFY(s.window.isWindowModified());
}

void LoseWorkTest::bankDeletedWhileOpen()
{
    Session s(ThreeLines);
    QVERIFY(QFile::remove(s.path));
    QTRY_COMPARE(s.messages.count(), 1);
    QVERIFY(s.messages.front().front().toString().contains(QStringLiteral("deleted or renamed")));
    QVERIFY(s.window.isWindowModified());
    s.trigger("actionSave");
    QCOMPARE(ReadFile(s.path), ThreeLines);
}

void LoseWorkTest::fileSizeLimit()
{
    failUnderFileSizeLimit({QStringLiteral("trigger actionSave")});
}

void LoseWorkTest::failUnderFileSizeLimit(const QStringList &commands)
{
    QTemporaryDir home;
    const QString bank = home.filePath(QStringLiteral("bank.tqz"));
    WriteFile(bank, Lines(100, "\r\n"));
    // The limit passes to the editor started under it; the test itself writes nothing meanwhile.
    rlimit limit{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit small{rlim_t(Lines(100, "\r\n").size() / 2), limit.rlim_max};
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    EditorProcess editor(home.path(), LongInterval, {bank});
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
    QVERIFY2(editor.isReady(), qPrintable(editor.failure()));

    QVERIFY(!editor.send(QStringLiteral("set 0 0 \"%1\"").arg(QString(300, QLatin1Char('q')))).isNull());
    for (const QString &command : commands)
        QVERIFY2(!editor.send(QString(command).replace(QStringLiteral("%1"), home.path())).isNull(), qPrintable(editor.failure()));
    const QJsonArray boxes = editor.sendJson(QStringLiteral("boxes")).toArray();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.first()[QStringLiteral("text")].toString().contains(QStringLiteral("File too large")),
             qPrintable(boxes.first()[QStringLiteral("text")].toString()));
    QCOMPARE(ReadFile(bank), Lines(100, "\r\n"));
    QVERIFY(editor.sendJson(QStringLiteral("state"))[QStringLiteral("modified")].toBool());
}

void LoseWorkTest::deleteKeyClearsACell()
{
    Session s(ThreeLines, {});
    s.table->setCurrentIndex(s.model()->index(0, 1));
    Key(Qt::Key_Delete);
    QCOMPARE(s.model()->rowCount(), 3);
    QCOMPARE(s.field(0, 1), QString());
    QCOMPARE(s.field(0, 0), QStringLiteral("Capital of France?"));
    QVERIFY2(s.undoText().contains(QStringLiteral("Paris")), qPrintable(s.undoText()));
    s.trigger("actionUndo");
    QCOMPARE(s.model()->bytes(), ThreeLines);
}

void LoseWorkTest::cutClearsACell()
{
    Session s(ThreeLines);
    s.table->setCurrentIndex(s.model()->index(1, 1));
    Key(Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Jupiter"));
    QCOMPARE(s.model()->rowCount(), 3);
    QCOMPARE(s.field(1, 1), QString());
    QVERIFY2(s.undoText().contains(QStringLiteral("Jupiter")), qPrintable(s.undoText()));
}

void LoseWorkTest::pasteOneValueFillsCells()
{
    Session s(ThreeLines);
    QGuiApplication::clipboard()->setText(QStringLiteral("Unknown\n"));
    s.table->setCurrentIndex(s.model()->index(0, 2));
    s.table->selectionModel()->select(QItemSelection(s.model()->index(0, 2), s.model()->index(1, 3)),
                                      QItemSelectionModel::ClearAndSelect);
    Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(s.model()->rowCount(), 3);
    for (const auto &[row, column] : {std::pair{0, 2}, {0, 3}, {1, 2}, {1, 3}})
        QCOMPARE(s.field(row, column), QStringLiteral("Unknown"));
    QCOMPARE(s.field(2, 2), QStringLiteral("1"));
    s.trigger("actionUndo");
    QCOMPARE(s.model()->bytes(), ThreeLines);
}

void LoseWorkTest::pasteBlockFillsCells()
{
    Session s(ThreeLines);
    QGuiApplication::clipboard()->setText(QStringLiteral("x\ty\nz\tw\n"));
    s.table->setCurrentIndex(s.model()->index(2, 2));
    Key(Qt::Key_V, Qt::ControlModifier);
    // The block runs past the last row: one row is added for it, no more.
    QCOMPARE(s.model()->rowCount(), 4);
    QCOMPARE(s.field(2, 2) + s.field(2, 3) + s.field(3, 2) + s.field(3, 3), QStringLiteral("xyzw"));
    QCOMPARE(s.field(2, 0), QStringLiteral("Smallest prime?"));
    s.trigger("actionUndo");
    QCOMPARE(s.model()->bytes(), ThreeLines);
}

void LoseWorkTest::pasteRowsGoBelow()
{
    Session s(ThreeLines);
    QGuiApplication::clipboard()->setText(QStringLiteral("New?\ta\tb\tc\n"));
    s.table->setCurrentIndex(s.model()->index(2, 1));
    Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(s.model()->rowCount(), 4);
    QCOMPARE(s.field(3, 0), QStringLiteral("New?"));
    QCOMPARE(s.field(2, 0), QStringLiteral("Smallest prime?"));
}

void LoseWorkTest::pasteQuoteIntoCell()
{
    Session s(ThreeLines);
    Key(Qt::Key_F2);
    Key(Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("He said \"yes\" twice"));
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_Return);
    QTRY_COMPARE(s.field(0, 0), QStringLiteral("He said \u201Cyes\u201D twice"));
}

void LoseWorkTest::stalePlayFolders()
{
    // The game outlives the editor killed under it; as its new parent, the
    // test can end it and reap it.
    QVERIFY(::prctl(PR_SET_CHILD_SUBREAPER, 1) == 0);
    // A stand-in game that plays until it is ended, found on the PATH.
    QTemporaryDir home;
    const QDir folder(home.path());
    QVERIFY(folder.mkpath(QStringLiteral("bin")) && folder.mkpath(QStringLiteral("tmp")));
    const QString game = folder.filePath(QStringLiteral("bin/korvwin"));
    WriteFile(game, "#!/bin/sh\nexec sleep 60\n");
    QVERIFY(QFile::setPermissions(game, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QString bank = folder.filePath(QStringLiteral("class.tqz"));
    WriteFile(bank, ThreeLines);
    const QByteArray oldPath = qgetenv("PATH"), oldTemp = qgetenv("TMPDIR");
    qputenv("PATH", QFile::encodeName(folder.filePath(QStringLiteral("bin"))) + ':' + oldPath);
    qputenv("TMPDIR", QFile::encodeName(folder.filePath(QStringLiteral("tmp"))));
    const auto playFolders = [&] {
        return QDir(folder.filePath(QStringLiteral("tmp"))).entryList({QStringLiteral("korvedit-play-*")}, QDir::Dirs);
    };
    {
        EditorProcess editor(home.path(), 3600 * 1000, {bank});
        QVERIFY2(editor.isReady(), qPrintable(editor.failure()));
        QVERIFY2(!editor.send(QStringLiteral("trigger actionPlay")).isNull(), qPrintable(editor.failure()));
        QVERIFY2(!editor.send(QStringLiteral("press emptySlotsBox Play Anyway")).isNull(), qPrintable(editor.failure()));
        QTRY_COMPARE(playFolders().size(), 1);
        // Killed once the game is playing: the folder notes both.
        QTRY_COMPARE(ReadFile(folder.filePath(QStringLiteral("tmp/") + playFolders().value(0) + QStringLiteral("/holders")))
                         .count('\n'),
                     2);
        editor.kill();
    }
    const QString played = QDir(folder.filePath(QStringLiteral("tmp"))).filePath(playFolders().value(0));
    const qint64 gamePid = ReadFile(played + QStringLiteral("/holders")).split('\n').value(1).toLongLong();
    {
        // The game still plays from the folder: the next start leaves it.
        EditorProcess editor(home.path(), 3600 * 1000);
        QVERIFY2(editor.isReady(), qPrintable(editor.failure()));
        QCOMPARE(playFolders().size(), 1);
    }
    QVERIFY(gamePid > 0 && ::kill(pid_t(gamePid), SIGKILL) == 0);
    QCOMPARE(::waitpid(pid_t(gamePid), nullptr, 0), pid_t(gamePid));
    // Once the game is gone, the next start removes what the killed editor left.
    {
        EditorProcess editor(home.path(), 3600 * 1000);
        QVERIFY2(editor.isReady(), qPrintable(editor.failure()));
        QCOMPARE(playFolders(), QStringList());
    }
    qputenv("PATH", oldPath);
    qputenv("TMPDIR", oldTemp);
    if (oldTemp.isNull())
        qunsetenv("TMPDIR");
}

void LoseWorkTest::closeWhileEditingALineFeed()
{
    auto *s = new Session("Line one\nstill one\"a\"b\"c\"\r\n");
    Key(Qt::Key_F2);
    QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    delete s;
}

void LoseWorkTest::saveKeepsTheGroup()
{
    // A group other than the file's own that this user may give it.
    const gid_t own = ::getegid();
    gid_t other = own;
    if (::geteuid() == 0) {
        other = own == 0 ? 1 : 0;
    } else {
        gid_t groups[64];
        const int count = ::getgroups(64, groups);
        for (int i = 0; i < count; ++i)
            if (groups[i] != own)
                other = groups[i];
    }
    if (other == own)
        QSKIP("the user belongs to one group only");
    Session s(ThreeLines);
    QVERIFY(::chown(QFile::encodeName(s.path).constData(), uid_t(-1), other) == 0);
    QVERIFY(s.model()->setData(s.model()->index(0, 1), QStringLiteral("Mine")));
    QVERIFY(s.window.saveFile(s.path));
    struct stat status {};
    QVERIFY(::stat(QFile::encodeName(s.path).constData(), &status) == 0);
    QCOMPARE(status.st_gid, other);
}

void LoseWorkTest::killedWhileEditing()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    QString kept;
    {
        EditorProcess first(home.path(), ShortInterval, {bank});
        QVERIFY2(first.isReady(), qPrintable(first.failure()));
        for (const Edit &edit : Edits)
            QVERIFY2(!first.send(SetCommand(edit)).isNull(), qPrintable(first.failure()));
        kept = first.send(QStringLiteral("wait-recovery"));
        QVERIFY2(!kept.isNull(), qPrintable(first.failure()));
        first.kill();
    }
    recoverInNewStart(home.path(), bank, kept);
}

void LoseWorkTest::terminatedWhileEditing()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    QString kept;
    {
        EditorProcess first(home.path(), LongInterval, {bank});
        QVERIFY2(first.isReady(), qPrintable(first.failure()));
        for (const Edit &edit : Edits)
            QVERIFY2(!first.send(SetCommand(edit)).isNull(), qPrintable(first.failure()));
        kept = Text(first.sendJson(QStringLiteral("state")), "recovery");
        QVERIFY(!kept.isEmpty());
        QVERIFY2(!QFileInfo::exists(kept), "the recovery file came before the interval or the signal");
        QCOMPARE(first.terminate(), 128 + SIGTERM);
    }
    recoverInNewStart(home.path(), bank, kept);
}

void LoseWorkTest::recoverInNewStart(const QString &home, const QString &bank, const QString &kept)
{
    QVERIFY2(QFileInfo::exists(kept), qPrintable(kept));
    const Expected expected = ExpectedAfterEdits();
    EditorProcess second(home, ShortInterval);
    QVERIFY2(second.isReady(), qPrintable(second.failure()));
    const QJsonArray boxes = second.sendJson(QStringLiteral("boxes")).toArray();
    QCOMPARE(BoxNames(boxes), QStringList{QStringLiteral("recoveryBox")});
    QVERIFY2(Text(boxes[0], "text").contains(QStringLiteral("“bank.tqz”")), qPrintable(Text(boxes[0], "text")));
    QVERIFY2(!second.send(QStringLiteral("press recoveryBox Recover")).isNull(), qPrintable(second.failure()));

    QCOMPARE(Rows(second.sendJson(QStringLiteral("rows"))), expected.rows);
    const QJsonObject state = second.sendJson(QStringLiteral("state")).toObject();
    QCOMPARE(state.value(QLatin1String("file")).toString(), bank);
    QVERIFY(state.value(QLatin1String("modified")).toBool());
    // The recovered file stays this editor's until the bank is saved.
    QCOMPARE(state.value(QLatin1String("recovery")).toString(), kept);

    QVERIFY2(!second.send(SetCommand(Encodable)).isNull(), qPrintable(second.failure()));
    QVERIFY2(!second.send(QStringLiteral("trigger actionSave")).isNull(), qPrintable(second.failure()));
    QCOMPARE(ReadFile(bank), expected.saved);
    QVERIFY(!QFileInfo::exists(kept));
    QVERIFY(!second.sendJson(QStringLiteral("state")).toObject().value(QLatin1String("modified")).toBool());
}

void LoseWorkTest::heldByRunningEditor()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    EditorProcess first(home.path(), ShortInterval, {bank});
    QVERIFY2(first.isReady(), qPrintable(first.failure()));
    QVERIFY2(!first.send(SetCommand(Edits[2])).isNull(), qPrintable(first.failure()));
    const QString kept = first.send(QStringLiteral("wait-recovery"));
    QVERIFY2(!kept.isNull(), qPrintable(first.failure()));

    EditorProcess second(home.path(), ShortInterval);
    QVERIFY2(second.isReady(), qPrintable(second.failure()));
    QCOMPARE(BoxNames(second.sendJson(QStringLiteral("boxes"))), QStringList());
    QVERIFY2(!second.send(QStringLiteral("open ") + bank).isNull(), qPrintable(second.failure()));
    const QJsonArray boxes = second.sendJson(QStringLiteral("boxes")).toArray();
    QCOMPARE(BoxNames(boxes), QStringList{QStringLiteral("heldElsewhereBox")});
    QVERIFY(Text(boxes[0], "text").contains(QStringLiteral("“bank.tqz”")));
    QVERIFY(!second.send(QStringLiteral("press heldElsewhereBox OK")).isNull());

    // Once that editor is gone its lock is stale, and its work is offered.
    first.kill();
    QVERIFY2(!second.send(QStringLiteral("open ") + bank).isNull(), qPrintable(second.failure()));
    QCOMPARE(BoxNames(second.sendJson(QStringLiteral("boxes"))), QStringList{QStringLiteral("recoveryBox")});
    QVERIFY(QFileInfo::exists(kept));
}

QString LoseWorkTest::keptByDroppedWindow(const QString &bank, const QList<Edit> &edits, std::vector<BankLine> *lines)
{
    BankEditorWindow window;
    if (!bank.isEmpty() && !window.openFile(bank))
        return {};
    Apply(window, edits);
    const QString kept = WaitKept(window);
    if (lines)
        *lines = window.model()->document().lines();
    return kept;
}

void LoseWorkTest::bankOpenedOffersItsRecovery()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    std::vector<BankLine> edited;
    const QString kept = keptByDroppedWindow(bank, Edits, &edited);
    QVERIFY(!kept.isEmpty());
    QVERIFY2(QFileInfo::exists(kept), "a window dropped with unsaved changes took its recovery file along");

    BankEditorWindow window;
    window.show();
    QVERIFY(window.openFile(bank));
    QMessageBox *box = ShownBox(window, "recoveryBox");
    QVERIFY(box);
    QVERIFY2(box->text().contains(QStringLiteral("“bank.tqz”")), qPrintable(box->text()));
    QVERIFY(Press(box, QStringLiteral("Recover")));
    QVERIFY(RecoveryFile::SameDocument(window.model()->document().lines(), window.model()->document().tail(), edited, {}));
    QVERIFY(window.isWindowModified());
    QCOMPARE(window.currentFile(), bank);
    // No undo leads back to the bank on disk as if it were saved.
    window.findChild<QAction *>(QStringLiteral("actionUndo"))->trigger();
    QVERIFY(window.isWindowModified());
}

void LoseWorkTest::untitledOfferedAtStart()
{
    std::vector<BankLine> edited;
    const QString kept = keptByDroppedWindow({}, UntitledEdits, &edited);
    QVERIFY(QFileInfo::exists(kept));

    BankEditorWindow window;
    window.show();
    window.offerRecovery();
    QMessageBox *box = ShownBox(window, "recoveryBox");
    QVERIFY(box);
    QVERIFY2(box->text().contains(QStringLiteral("an untitled bank")), qPrintable(box->text()));
    QVERIFY(Press(box, QStringLiteral("Recover")));
    QVERIFY(RecoveryFile::SameDocument(window.model()->document().lines(), window.model()->document().tail(), edited, {}));
    QVERIFY(window.currentFile().isEmpty());
    QVERIFY(window.isWindowModified());
}

void LoseWorkTest::offerDiscardAndNotNow()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    const QString kept = keptByDroppedWindow(bank, Edits);
    QVERIFY(QFileInfo::exists(kept));

    BankEditorWindow window;
    window.show();
    QVERIFY(window.openFile(bank));
    QVERIFY(Press(ShownBox(window, "recoveryBox"), QStringLiteral("Not Now")));
    QVERIFY(QFileInfo::exists(kept));
    QVERIFY(!window.isWindowModified());

    // Offered again, as it was only put off; a Discard asks before it deletes.
    QVERIFY(window.openFile(bank));
    QVERIFY(Press(ShownBox(window, "recoveryBox"), QStringLiteral("Discard")));
    QVERIFY(Press(ShownBox(window, "recoveryDiscardBox"), QStringLiteral("Cancel")));
    QVERIFY(QFileInfo::exists(kept));
    QVERIFY(Press(ShownBox(window, "recoveryBox"), QStringLiteral("Discard")));
    QVERIFY(Press(ShownBox(window, "recoveryDiscardBox"), QStringLiteral("Delete")));
    QVERIFY(!QFileInfo::exists(kept));
    QCOMPARE(window.model()->bytes(), ThreeLines);
    QVERIFY(window.openFile(bank));
    QVERIFY(!ShownBox(window, "recoveryBox"));
}

void LoseWorkTest::savedRemovesRecovery()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    BankEditorWindow window;
    QVERIFY(window.openFile(bank));
    Apply(window, {Edits[2]});
    const QString kept = WaitKept(window);
    QVERIFY(QFileInfo::exists(kept));
    window.findChild<QAction *>(QStringLiteral("actionSave"))->trigger();
    QVERIFY(!window.isWindowModified());
    QVERIFY(!QFileInfo::exists(kept));
    QVERIFY(!QFileInfo::exists(kept + QStringLiteral(".lock")));
}

void LoseWorkTest::discardedOnNewRemovesRecovery()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    BankEditorWindow window;
    window.show();
    QVERIFY(window.openFile(bank));
    Apply(window, Edits);
    const QString kept = WaitKept(window);
    QVERIFY(QFileInfo::exists(kept));
    window.findChild<QAction *>(QStringLiteral("actionNew"))->trigger();
    QVERIFY(Press(ShownBox(window, "unsavedChangesBox"), QStringLiteral("Discard")));
    QVERIFY(window.currentFile().isEmpty());
    QVERIFY(!QFileInfo::exists(kept));
}

void LoseWorkTest::discardedOnCloseRemovesRecovery()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    QString kept;
    {
        BankEditorWindow window;
        window.show();
        QVERIFY(window.openFile(bank));
        Apply(window, Edits);
        kept = WaitKept(window);
        QVERIFY(QFileInfo::exists(kept));
        QVERIFY(!window.close());
        QVERIFY(Press(ShownBox(window, "unsavedChangesBox"), QStringLiteral("Discard")));
        QVERIFY(!window.isVisible());
    }
    QVERIFY(!QFileInfo::exists(kept));
    QVERIFY(RecoveryFolder::Files().isEmpty());
}

void LoseWorkTest::undoneRemovesRecovery()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    BankEditorWindow window;
    QVERIFY(window.openFile(bank));
    Apply(window, {Edits[2]});
    const QString kept = WaitKept(window);
    QVERIFY(QFileInfo::exists(kept));
    window.findChild<QAction *>(QStringLiteral("actionUndo"))->trigger();
    QVERIFY(!window.isWindowModified());
    QVERIFY(!QFileInfo::exists(kept));
    // Redone, the change is kept again.
    window.findChild<QAction *>(QStringLiteral("actionRedo"))->trigger();
    const QString again = WaitKept(window);
    QVERIFY(QFileInfo::exists(again));
}

void LoseWorkTest::recoveryIsPrivate()
{
    // Under the most open mask, where only the editor's own care keeps it private.
    const mode_t mask = ::umask(0);
    const auto restore = qScopeGuard([mask] { ::umask(mask); });
    QDir(RecoveryFolder::Path()).removeRecursively();
    BankEditorWindow window;
    Apply(window, {UntitledEdits[0]});
    const QString kept = WaitKept(window);
    QVERIFY(QFileInfo::exists(kept));
    QCOMPARE(Mode(kept), 0600);
    QCOMPARE(Mode(RecoveryFolder::Path()), 0700);
    // A new write replaces the file, and is as private.
    Apply(window, {UntitledEdits[1]});
    QVERIFY(!WaitKept(window).isEmpty());
    QCOMPARE(Mode(kept), 0600);
}

void LoseWorkTest::typingDoesNotPutOffRecovery()
{
    qputenv("KORVEDIT_RECOVERY_INTERVAL_MS", "10000");
    const auto restore = qScopeGuard([] { qputenv("KORVEDIT_RECOVERY_INTERVAL_MS", QByteArray::number(ShortInterval)); });
    BankEditorWindow window;
    auto *timer = window.findChild<QTimer *>(QStringLiteral("recoveryTimer"));
    QVERIFY(timer);
    Apply(window, {UntitledEdits[0]});
    QVERIFY(timer->isActive());
    const int first = timer->remainingTime();
    QTest::qWait(100);
    Apply(window, {UntitledEdits[1]});
    // Still counting from the first change: a timer started again by each
    // change would wait as long as the typing goes on.
    QVERIFY(timer->isActive());
    QVERIFY2(timer->remainingTime() <= first - 90, qPrintable(QString::number(timer->remainingTime())));
}

void LoseWorkTest::recoveryPastFileSizeLimit()
{
    Session s(Lines(100, "\r\n"));
    QVERIFY(s.model()->setData(s.model()->index(0, 0), QStringLiteral("Mine")));
    // As korvedit's main() does; the rows after this one start as before.
    TerminationSignal::IgnoreFileSizeLimit();
    const auto restore = qScopeGuard([] { std::signal(SIGXFSZ, SIG_DFL); });
    rlimit limit{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit small{rlim_t(Lines(100, "\r\n").size() / 2), limit.rlim_max};
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    Keeper(s.window)->keepNow();
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
    const QString told = s.window.findChild<QLabel *>(QStringLiteral("recoveryState"))->text();
    QVERIFY2(told.contains(QStringLiteral("File too large")), qPrintable(told));
    QVERIFY(!Keeper(s.window)->isCurrent());
    // With room again, the next write lands.
    Keeper(s.window)->keepNow();
    QVERIFY(Keeper(s.window)->isCurrent());
}

void LoseWorkTest::reloadOverCtrlZTail()
{
    Session s(ThreeLines);
    QVERIFY(s.model()->setData(s.model()->index(0, 1), QStringLiteral("Mine")));
    const QByteArray mine = s.model()->bytes();
    // Theirs differs from the bank as opened by a Ctrl-Z at its end alone.
    WriteElsewhere(s.path, ThreeLines + "\x1A");
    QTRY_VERIFY(ShownBox(s.window, "diskChangedBox"));
    ShownBox(s.window, "diskChangedBox")->findChild<QPushButton *>(QStringLiteral("reloadButton"))->click();
    QCOMPARE(s.model()->bytes(), ThreeLines + "\x1A");
    QVERIFY(!s.window.isWindowModified());
    // Until saved, undone or discarded, the version replaced is kept for a crash.
    const QStringList kept = RecoveryFolder::FilesFor(s.path);
    QCOMPARE(kept.size(), 1);
    const std::optional<RecoverySnapshot> read = RecoveryFile::Read(ReadFile(kept.front()));
    QVERIFY(read);
    BankDocument replaced;
    replaced.assign(read->lines, read->tail);
    QCOMPARE(replaced.bytes(), mine);
    // Closing asks, as the version replaced would go with the window.
    QVERIFY(!s.window.close());
    QVERIFY(Press(ShownBox(s.window, "unsavedChangesBox"), QStringLiteral("Cancel")));
    s.trigger("actionUndo");
    QCOMPARE(s.model()->bytes(), mine);
    QVERIFY(s.window.isWindowModified());
    s.trigger("actionSave");
    QCOMPARE(ReadFile(s.path), mine);
    QCOMPARE(RecoveryFolder::FilesFor(s.path), QStringList());
}

void LoseWorkTest::fixKeepsRunOnMissingQuote()
{
    const QByteArray note = "One?\"a\"b\"c\" (check this one!)\r\n";
    Session s("Q1?\"A1\"B1\"C1\"Q2?\"A2\"B2\"C2\r\n" + note);
    s.trigger("actionFixAll");
    QCOMPARE(s.model()->bytes(), "Q1?\"A1\"B1\"C1\"\r\nQ2?\"A2\"B2\"C2\r\n" + note);
    // The note is still listed, and Fix on it alone removes it, by name.
    const std::vector<BankProblem> &problems = s.model()->report().problems;
    const auto left = std::find_if(problems.begin(), problems.end(), [](const BankProblem &problem) {
        return problem.kind == BankProblemKind::TextAfterLastQuote;
    });
    QVERIFY(left != problems.end());
    QCOMPARE(int(left->line), 3);
    s.model()->fix(*left);
    QCOMPARE(s.model()->bytes(), QByteArray("Q1?\"A1\"B1\"C1\"\r\nQ2?\"A2\"B2\"C2\r\nOne?\"a\"b\"c\"\r\n"));
    QVERIFY2(s.undoText().contains(QStringLiteral("(check this one!)")), qPrintable(s.undoText()));
}

void LoseWorkTest::discardThenCancel()
{
    Session s(ThreeLines);
    Apply(s.window, {Edits[2]});
    const QString kept = WaitKept(s.window);
    QVERIFY(QFileInfo::exists(kept));
    Key(Qt::Key_O, Qt::ControlModifier);
    QVERIFY(Press(ShownBox(s.window, "unsavedChangesBox"), QStringLiteral("Discard")));
    auto *dialog = s.window.findChild<QFileDialog *>(QStringLiteral("openDialog"));
    QVERIFY(dialog);
    dialog->reject();
    QVERIFY(s.window.isWindowModified());
    QVERIFY2(QFileInfo::exists(kept), "the recovery file went though the document stayed");
    QCOMPARE(Keeper(s.window)->filePath(), kept);
    // And it goes on keeping the changes.
    Apply(s.window, {Edits[0]});
    QCOMPARE(WaitKept(s.window), kept);
}

// Gives the folder and all in it to the user the editor runs as, when the
// test runs as root.
void GiveToOrdinaryUser(const QString &folder)
{
    if (::geteuid() != 0)
        return;
    const passwd *nobody = ::getpwnam("nobody");
    QVERIFY(nobody);
    QStringList paths{folder};
    for (QDirIterator it(folder, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        paths += it.next();
    for (const QString &path : paths)
        QVERIFY(::lchown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid) == 0);
}

void LoseWorkTest::terminatedWithRecoveryUnwritable()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    GiveToOrdinaryUser(home.path());
    QString primary;
    {
        EditorProcess first(home.path(), LongInterval, {bank}, true);
        QVERIFY2(first.isReady(), qPrintable(first.failure()));
        primary = first.send(QStringLiteral("recovery-folder"));
        // The folder the recovery folder goes in, which this user cannot write to.
        const QString parent = QFileInfo(primary).absolutePath();
        QVERIFY(QDir().mkpath(parent));
        QVERIFY(QFile::setPermissions(parent, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        for (const Edit &edit : Edits)
            QVERIFY2(!first.send(SetCommand(edit)).isNull(), qPrintable(first.failure()));
        QCOMPARE(first.terminate(), 128 + SIGTERM);
        QVERIFY(QFile::setPermissions(parent, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    QVERIFY(!QFileInfo::exists(primary));
    const QDir fallback(home.filePath(QStringLiteral(".EditorDriver-recovery")));
    const QStringList kept = fallback.entryList({QStringLiteral("*.json")}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    recoverInNewStart(home.path(), bank, fallback.filePath(kept.front()));
}

void LoseWorkTest::unprotectedIsShown()
{
    // Files where the folders would be: neither can be made, even by root.
    for (const QString &folder : {RecoveryFolder::Path(), RecoveryFolder::FallbackPath()}) {
        QVERIFY(QDir().mkpath(QFileInfo(folder).absolutePath()));
        WriteFile(folder, "in the way");
    }
    Session s(ThreeLines);
    auto *state = s.window.findChild<QLabel *>(QStringLiteral("recoveryState"));
    QVERIFY(state);
    Apply(s.window, {Edits[2]});
    QTRY_VERIFY(state->isVisible());
    QVERIFY2(state->text().startsWith(QStringLiteral("Your changes are not protected: ")), qPrintable(state->text()));
    QVERIFY2(state->text().contains(QDir::toNativeSeparators(RecoveryFolder::FallbackPath())), qPrintable(state->text()));
    // Lasting: still there after the status bar's messages come and go.
    s.window.statusBar()->showMessage(QStringLiteral("Something else"), 10);
    QTest::qWait(50);
    QVERIFY(state->isVisible());
    // Once a copy lands, it says where instead.
    QVERIFY(QFile::remove(RecoveryFolder::FallbackPath()));
    Apply(s.window, {Edits[0]});
    QVERIFY(!WaitKept(s.window).isEmpty());
    QVERIFY(RecoveryFolder::IsFallback(Keeper(s.window)->filePath()));
    QVERIFY2(!state->text().contains(QStringLiteral("not protected")), qPrintable(state->text()));
    QVERIFY(QFile::remove(RecoveryFolder::Path()));
}

void LoseWorkTest::exportPdfPastFileSizeLimit()
{
    // Any write but the two writers' once ended the editor, unsaved edit and all.
    failUnderFileSizeLimit({QStringLiteral("trigger actionExportPdf"), QStringLiteral("accept quizSheetOptionsDialog"),
                            QStringLiteral("choose exportPdfDialog %1/quiz.pdf")});
}

void LoseWorkTest::exportPdfFailureKeepsOldFile()
{
    Session s(Lines(100, "\r\n"));
    const QString pdf = s.folder.filePath(QStringLiteral("quiz.pdf"));
    WriteFile(pdf, "%PDF the copies handed out");
    s.trigger("actionExportPdf");
    s.window.findChild<QDialog *>(QStringLiteral("quizSheetOptionsDialog"))->accept();
    auto *dialog = s.window.findChild<QFileDialog *>(QStringLiteral("exportPdfDialog"));
    QVERIFY(dialog);
    const auto before = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit small{rlim_t(4096), limit.rlim_max};
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    // As the dialog's Save does once the author confirms the old file goes.
    emit dialog->fileSelected(pdf);
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
    std::signal(SIGXFSZ, before);
    dialog->reject();
    QCOMPARE(ReadFile(pdf), QByteArray("%PDF the copies handed out"));
    QMessageBox *box = nullptr;
    for (QMessageBox *shown : s.window.findChildren<QMessageBox *>())
        if (shown->isVisible())
            box = shown;
    QVERIFY(box);
    QVERIFY2(box->text().contains(QStringLiteral("File too large")), qPrintable(box->text()));
    QVERIFY(!s.window.statusBar()->currentMessage().startsWith(QStringLiteral("Exported")));
    QCOMPARE(QDir(s.folder.path()).entryList({QStringLiteral("quiz.pdf*")}, QDir::Files), QStringList{QStringLiteral("quiz.pdf")});
}

// Records of four fields, each line of the bank they make about `width` bytes.
QList<QStringList> Records(int count, int width)
{
    QList<QStringList> records;
    for (int i = 0; i < count; ++i)
        records += QStringList{QStringLiteral("Question %1 %2?").arg(i).arg(QString(width, u'x')), QStringLiteral("Right"),
                               QStringLiteral("Wrong"), QStringLiteral("Also wrong")};
    return records;
}

void LoseWorkTest::savedLargeBankOpens()
{
    Session s(ThreeLines);
    // 5 MiB, past the 4 MiB Open once refused.
    QVERIFY(s.model()->importCsv(3, Records(50000, 80)));
    QVERIFY(s.model()->bytes().size() > 5 * 1024 * 1024);
    QVERIFY(s.window.saveFile(s.path));
    // The file is the editor's own: it reads as unchanged, and opens.
    QTest::qWait(500);
    QVERIFY(!ShownBox(s.window, "diskChangedBox"));
    QCOMPARE(s.messages.count(), 0);
    QVERIFY(s.window.openFile(s.path));
    QCOMPARE(s.model()->rowCount(), 50003);

    // Nor does it import what would take the bank past what it opens.
    const QString csv = s.folder.filePath(QStringLiteral("more.csv"));
    QByteArray rows;
    for (const QStringList &record : Records(40000, 300))
        rows += record.join(u',').toUtf8() + "\r\n";
    WriteFile(csv, rows);
    s.trigger("actionImportCsv");
    auto *files = s.window.findChild<QFileDialog *>(QStringLiteral("importDialog"));
    QVERIFY(files);
    files->selectFile(csv);
    static_cast<QDialog *>(files)->accept();
    QDialog *preview = nullptr;
    QTRY_VERIFY((preview = s.window.findChild<QDialog *>(QStringLiteral("csvImportDialog"))));
    preview->accept();
    QCOMPARE(s.messages.count(), 1);
    QVERIFY2(s.messages.back().front().toString().startsWith(QStringLiteral("Nothing was imported")),
             qPrintable(s.messages.back().front().toString()));
    QCOMPARE(s.model()->rowCount(), 50003);

    // What it could not open again, it does not save.
    QVERIFY(s.model()->importCsv(0, Records(40000, 300)));
    QVERIFY(!s.window.saveFile(s.path));
    QCOMPARE(s.messages.count(), 2);
    QVERIFY2(s.messages.back().front().toString().contains(QStringLiteral("the editor can open again")),
             qPrintable(s.messages.back().front().toString()));
}

void LoseWorkTest::unreadableIsNotChanged()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    GiveToOrdinaryUser(home.path());
    EditorProcess editor(home.path(), LongInterval, {bank}, true);
    QVERIFY2(editor.isReady(), qPrintable(editor.failure()));
    QVERIFY(!editor.send(SetCommand(Edits[2])).isNull());
    QVERIFY(::chmod(QFile::encodeName(bank).constData(), 0) == 0);
    QJsonArray boxes;
    QTRY_VERIFY((boxes = editor.sendJson(QStringLiteral("boxes")).toArray()).size() == 1);
    QCOMPARE(Text(boxes[0], "name"), QString());
    QVERIFY2(Text(boxes[0], "text").contains(QStringLiteral("cannot be opened")), qPrintable(Text(boxes[0], "text")));
    QVERIFY(editor.sendJson(QStringLiteral("state"))[QStringLiteral("modified")].toBool());
}

// A file system of its own at `folder`, as full as it gets: no file more can
// be made in it. Needs root; unmounted with the object.
struct FullDisk {
    QByteArray path;
    bool mounted = false;

    explicit FullDisk(const QString &folder) : path(QFile::encodeName(folder))
    {
        QDir().mkpath(folder);
        mounted = ::geteuid() == 0 && ::mount("tmpfs", path.constData(), "tmpfs", 0, "size=64k,nr_inodes=8,mode=0700") == 0;
        for (int i = 0; mounted && i < 64; ++i)
            if (!QFile(folder + QStringLiteral("/filler%1").arg(i)).open(QIODevice::WriteOnly))
                break;
    }
    ~FullDisk()
    {
        if (mounted)
            ::umount2(path.constData(), MNT_DETACH);
    }
};

void LoseWorkTest::fullDiskIsNotALock()
{
    const FullDisk primary(RecoveryFolder::Path());
    const FullDisk fallback(RecoveryFolder::FallbackPath());
    if (!primary.mounted || !fallback.mounted)
        QSKIP("making a full disk needs root");
    Session s(ThreeLines);
    auto *state = s.window.findChild<QLabel *>(QStringLiteral("recoveryState"));
    Apply(s.window, {Edits[2]});
    QTRY_VERIFY(state->isVisible() && state->text().startsWith(QStringLiteral("Your changes are not protected")));
    QVERIFY2(state->text().contains(QStringLiteral("No space left on device")), qPrintable(state->text()));
    QVERIFY2(!state->text().contains(QStringLiteral("locked")), qPrintable(state->text()));
}

// The file's access list and extended attributes as getfacl and getfattr
// tell them, or a null string where the tools or the file system have none.
QString AccessOf(const QString &path)
{
    QProcess getfacl;
    getfacl.start(QStringLiteral("getfacl"), {QStringLiteral("--omit-header"), QStringLiteral("--numeric"), path});
    if (!getfacl.waitForFinished(10000) || getfacl.exitCode() != 0)
        return {};
    char note[64] = {};
    const ssize_t size = ::getxattr(QFile::encodeName(path).constData(), "user.korvane", note, sizeof note);
    return QString::fromUtf8(getfacl.readAllStandardOutput()) + QString::fromUtf8(note, std::max<ssize_t>(size, 0));
}

void LoseWorkTest::saveKeepsTheAcl()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    QProcess setfacl;
    setfacl.start(QStringLiteral("setfacl"), {QStringLiteral("-m"), QStringLiteral("u:4343:rw-,g::r--,m::rw-"), bank});
    if (!setfacl.waitForFinished(10000) || setfacl.exitCode() != 0
        || ::setxattr(QFile::encodeName(bank).constData(), "user.korvane", "class 4b", 8, 0) != 0)
        QSKIP("no setfacl (the acl package), or no access lists or attributes here");
    GiveToOrdinaryUser(home.path());
    const QString before = AccessOf(bank);
    QVERIFY2(before.contains(QStringLiteral("user:4343:rw-")) && before.contains(QStringLiteral("group::r--")),
             qPrintable(before));
    EditorProcess editor(home.path(), LongInterval, {bank}, true);
    QVERIFY2(editor.isReady(), qPrintable(editor.failure()));
    QVERIFY(!editor.send(SetCommand(Edits[2])).isNull());
    QVERIFY2(!editor.send(QStringLiteral("trigger actionSave")).isNull(), qPrintable(editor.failure()));
    QVERIFY(!editor.sendJson(QStringLiteral("state"))[QStringLiteral("modified")].toBool());
    QVERIFY(ReadFile(bank).contains("Saturn"));
    QCOMPARE(AccessOf(bank), before);
}

void LoseWorkTest::replaceAllKeepsTheRest()
{
    Session s("Line one\nstill one, 'so' it says\"a\"b\"c\"\r\n");
    s.trigger("actionReplace");
    auto *bar = s.window.findChild<QWidget *>(QStringLiteral("findBar"));
    QVERIFY(bar && bar->isVisible());
    const auto replaceAll = [&](const QString &text, const QString &replacement) {
        bar->findChild<QLineEdit *>(QStringLiteral("findText"))->setText(text);
        bar->findChild<QLineEdit *>(QStringLiteral("replaceText"))->setText(replacement);
        bar->findChild<QPushButton *>(QStringLiteral("replaceAllButton"))->click();
    };
    replaceAll(QStringLiteral("one"), QStringLiteral("two"));
    QCOMPARE(s.model()->bytes(), QByteArray("Line two\nstill two, 'so' it says\"a\"b\"c\"\r\n"));
    // A quote in the replacement opens or closes by where it lands.
    replaceAll(QStringLiteral("'"), QStringLiteral("\""));
    QCOMPARE(s.model()->bytes(), QByteArray("Line two\nstill two, \x93so\x94 it says\"a\"b\"c\"\r\n"));
}

void LoseWorkTest::hugeRecoveryMovedAside()
{
    QVERIFY(RecoveryFolder::Make());
    const QString huge = RecoveryFolder::NewFile({});
    {
        QFile file(huge);
        // Sparse: as large as it says, at no cost to the disk.
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(RecoveryFile::LargestText + 1));
    }
    BankEditorWindow window;
    window.show();
    window.offerRecovery();
    QMessageBox *box = ShownBox(window, "recoveryDamagedBox");
    QVERIFY(box);
    QVERIFY2(box->text().contains(QLocale().formattedDataSize(RecoveryFile::LargestText + 1)), qPrintable(box->text()));
    QVERIFY(!Press(box, QStringLiteral("Discard")));
    QVERIFY(Press(box, QStringLiteral("Move Aside")));
    QVERIFY(!QFileInfo::exists(huge));
    QCOMPARE(QFileInfo(RecoveryFolder::SetAsideName(huge)).size(), RecoveryFile::LargestText + 1);
    QCOMPARE(RecoveryFolder::Files(), QStringList());
}

void LoseWorkTest::pipeInRecovery()
{
    QTemporaryDir home;
    QString folder;
    {
        EditorProcess first(home.path(), LongInterval);
        QVERIFY2(first.isReady(), qPrintable(first.failure()));
        folder = first.send(QStringLiteral("recovery-folder"));
    }
    QVERIFY(QDir().mkpath(folder));
    const QByteArray pipe = QFile::encodeName(home.filePath(QStringLiteral("pipe")));
    QVERIFY(::mkfifo(pipe.constData(), 0600) == 0);
    QVERIFY(QFile::link(QString::fromLocal8Bit(pipe), folder + QStringLiteral("/untitled-1.json")));
    GiveToOrdinaryUser(home.path());
    EditorProcess second(home.path(), LongInterval, {}, true);
    QVERIFY2(second.isReady(), qPrintable(second.failure()));
    const QJsonArray boxes = second.sendJson(QStringLiteral("boxes")).toArray();
    QCOMPARE(BoxNames(boxes), QStringList{QStringLiteral("recoveryDamagedBox")});
    QVERIFY2(Text(boxes[0], "text").contains(QStringLiteral("a pipe")), qPrintable(Text(boxes[0], "text")));
}

void LoseWorkTest::leftoverWriteOffered()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    const QString kept = keptByDroppedWindow(bank, {Edits[2]});
    const std::optional<RecoverySnapshot> older = RecoveryFile::Read(ReadFile(kept));
    QVERIFY(older);
    // What the killed editor was writing: every edit, a second later.
    RecoverySnapshot newer = *older;
    BankDocument edited;
    edited.assign(older->lines, older->tail);
    QUndoStack stack;
    BankTableModel model(&stack);
    model.load(edited.bytes());
    for (const Edit &edit : Edits)
        model.setData(model.index(edit.row, edit.column), edit.text);
    newer.lines = model.document().lines();
    newer.written = older->written.addSecs(1);
    const QByteArray text = RecoveryFile::Written(newer);
    // As QSaveFile names its file: the target's name and six characters.
    WriteFile(kept + QStringLiteral(".Ab12Cd"), text);
    WriteFile(kept + QStringLiteral(".Zz9Zz9"), text.left(text.size() / 2));
    newer.written = older->written.addSecs(-1);
    WriteFile(kept + QStringLiteral(".Old000"), RecoveryFile::Written(newer));

    BankEditorWindow window;
    window.show();
    window.offerRecovery();
    QVERIFY(Press(ShownBox(window, "recoveryBox"), QStringLiteral("Recover")));
    QVERIFY(RecoveryFile::SameDocument(window.model()->document().lines(), window.model()->document().tail(),
                                       model.document().lines(), model.document().tail()));
    QCOMPARE(QDir(QFileInfo(kept).absolutePath()).entryList({QFileInfo(kept).fileName() + QStringLiteral(".*")}, QDir::Files),
             QStringList{QFileInfo(kept).fileName() + QStringLiteral(".lock")});
}

void LoseWorkTest::keepMineFromWatchSaves()
{
    Session s(ThreeLines);
    QVERIFY(s.model()->setData(s.model()->index(0, 1), QStringLiteral("Mine")));
    WriteElsewhere(s.path, "Theirs?\"a\"b\"c\"\r\n");
    QTRY_VERIFY(ShownBox(s.window, "diskChangedBox"));
    ShownBox(s.window, "diskChangedBox")->findChild<QPushButton *>(QStringLiteral("keepMineButton"))->click();
    QVERIFY(ReadFile(s.path).contains("Mine"));
    QVERIFY(!s.window.isWindowModified());
}

void LoseWorkTest::lockIsPrivate()
{
    const mode_t mask = ::umask(0);
    const auto restore = qScopeGuard([mask] { ::umask(mask); });
    BankEditorWindow window;
    Apply(window, {UntitledEdits[0]});
    const QString kept = WaitKept(window);
    QVERIFY(QFileInfo::exists(kept));
    QCOMPARE(Mode(kept + QStringLiteral(".lock")), 0600);
}

void LoseWorkTest::csvRoundTrip()
{
    const QByteArray bytes = "Tab\there?\"Line\nfeed\"b\"c\"\r\n";
    Session s(bytes);
    const QString csv = s.folder.filePath(QStringLiteral("bank.csv"));
    s.trigger("actionExportCsv");
    auto *exported = s.window.findChild<QFileDialog *>(QStringLiteral("exportDialog"));
    QVERIFY(exported);
    emit exported->fileSelected(csv);
    exported->reject();
    s.trigger("actionImportCsv");
    auto *files = s.window.findChild<QFileDialog *>(QStringLiteral("importDialog"));
    QVERIFY(files);
    emit files->fileSelected(csv);
    files->reject();
    QDialog *preview = nullptr;
    QTRY_VERIFY((preview = s.window.findChild<QDialog *>(QStringLiteral("csvImportDialog"))));
    preview->accept();
    QCOMPARE(s.model()->rowCount(), 2);
    QCOMPARE(s.model()->bytes(), bytes + bytes);
}

void LoseWorkTest::hintGoesWithItsCause()
{
    Session s(ThreeLines);
    Key(Qt::Key_F2);
    Key(Qt::Key_End);
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QStringLiteral("₂"), Qt::NoModifier);
    QVERIFY2(s.window.statusBar()->currentMessage().contains(QStringLiteral("is not in the game's character set")),
             qPrintable(s.window.statusBar()->currentMessage()));
    Key(Qt::Key_Backspace);
    QCOMPARE(s.window.statusBar()->currentMessage(), QString());
}

void LoseWorkTest::lineBreakInMessage()
{
    Session s("Legs?\"4\"3\"2\"\nHow many legs has a spider?\"8\"6\"4\"\r\n");
    const std::vector<BankProblem> &problems = s.model()->report().problems;
    const auto after = std::find_if(problems.begin(), problems.end(), [](const BankProblem &problem) {
        return problem.kind == BankProblemKind::TextAfterLastQuote;
    });
    QVERIFY(after != problems.end());
    const QString message = QString::fromStdString(after->message());
    QVERIFY2(message.contains(QStringLiteral("«↵How many legs")), qPrintable(message));
    QVERIFY2(!message.contains(QStringLiteral("\\x")), qPrintable(message));
}

QTEST_MAIN(LoseWorkTest)
#include "LoseWorkTest.moc"
