#pragma once

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

#include <filesystem>



const QByteArray ThreeLines = "Capital of France?\"Paris\"Lyon\"Nice\"\r\n"
                              "Largest planet?\"Jupiter\"Mars\"Venus\"\r\n"
                              "Smallest prime?\"2\"1\"3\"\r\n";

inline QByteArray Lines(int count, const QByteArray &end)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "Question number " + QByteArray::number(i) + "?\"Right\"Wrong\"Also wrong\"" + end;
    return bytes;
}

inline void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
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
inline void WriteElsewhere(const QString &path, const QByteArray &bytes)
{
    WriteFile(path + QStringLiteral(".other"), bytes);
    std::error_code failed;
    std::filesystem::rename((path + QStringLiteral(".other")).toStdU16String(), path.toStdU16String(), failed);
    QVERIFY2(!failed, failed.message().c_str());
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

inline QString SetCommand(const Edit &edit)
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

inline Expected ExpectedAfterEdits()
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

inline QList<QStringList> Rows(const QJsonValue &json)
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

inline QString Text(const QJsonValue &object, const char *key)
{
    return object.toObject().value(QLatin1String(key)).toString();
}

inline QStringList BoxNames(const QJsonValue &boxes)
{
    QStringList names;
    for (const QJsonValue &box : boxes.toArray())
        names += Text(box, "name");
    return names;
}

inline QString WriteBank(const QTemporaryDir &folder)
{
    const QString path = folder.filePath(QStringLiteral("bank.tqz"));
    WriteFile(path, ThreeLines);
    return path;
}

inline RecoveryKeeper *Keeper(BankEditorWindow &window)
{
    return window.findChild<RecoveryKeeper *>();
}

// The window's recovery file once it holds the document as it is, or a
// null string when none comes.
inline QString WaitKept(BankEditorWindow &window)
{
    RecoveryKeeper *keeper = Keeper(window);
    if (!keeper)
        return {};
    return QTest::qWaitFor([keeper] { return keeper->isCurrent(); }, 20000) ? keeper->filePath() : QString();
}

inline void Apply(BankEditorWindow &window, const QList<Edit> &edits)
{
    for (const Edit &edit : edits)
        QVERIFY(window.model()->setData(window.model()->index(edit.row, edit.column), edit.text));
}

inline QMessageBox *ShownBox(BankEditorWindow &window, const char *name)
{
    for (QMessageBox *box : window.findChildren<QMessageBox *>(QString::fromLatin1(name)))
        if (box->isVisible())
            return box;
    return nullptr;
}

inline bool Press(QMessageBox *box, const QString &text)
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


// Export PDF over a PDF handed out before, up to its file dialog.
inline QFileDialog *ExportPdfOver(Session &s, const QString &pdf)
{
    WriteFile(pdf, "%PDF the copies handed out");
    s.trigger("actionExportPdf");
    s.window.findChild<QDialog *>(QStringLiteral("quizSheetOptionsDialog"))->accept();
    return s.window.findChild<QFileDialog *>(QStringLiteral("exportPdfDialog"));
}

// After an export that failed: the old PDF whole and alone, and a message
// giving the system's reason.
inline void CheckPdfKept(Session &s, const QString &pdf, const QString &reason)
{
    QCOMPARE(ReadFile(pdf), QByteArray("%PDF the copies handed out"));
    QMessageBox *box = nullptr;
    for (QMessageBox *shown : s.window.findChildren<QMessageBox *>())
        if (shown->isVisible())
            box = shown;
    QVERIFY(box);
    QVERIFY2(box->text().contains(reason), qPrintable(box->text()));
    QVERIFY(!s.window.statusBar()->currentMessage().startsWith(QStringLiteral("Exported")));
    QCOMPARE(QDir(s.folder.path()).entryList({QStringLiteral("quiz.pdf*")}, QDir::Files), QStringList{QStringLiteral("quiz.pdf")});
}

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
