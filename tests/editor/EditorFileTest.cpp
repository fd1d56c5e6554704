// Opening and saving through the editor's window: what the author did not
// touch comes back byte for byte, nothing is ever saved as '?', a failed save
// leaves the old file whole, and no path can hang or change a file on open.
#include "editor/window/BankEditorWindow.h"
#include "editor/window/BankTableModel.h"
#include "tests/editor/TestFiles.h"
#include "tests/TestSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

QByteArray Lines(int count, const QByteArray &end)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "Question " + QByteArray::number(i) + "?\"Right\"Wrong\"Also wrong\"" + end;
    return bytes;
}

QByteArray RandomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(14);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

} // namespace

class EditorFileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void roundTripUnedited_data();
    void roundTripUnedited();
    void refusesCharacterOutsideCodePage_data();
    void refusesCharacterOutsideCodePage();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void badInputs_data();
    void badInputs();

private:
    QTemporaryDir folder_;
};

void EditorFileTest::roundTripUnedited_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("100 lines, CR LF") << Lines(100, "\r\n");
    QTest::newRow("LF-only line ends kept") << Lines(3, "\n");
    QTest::newRow("CR-only line ends kept") << Lines(3, "\r");
    QTest::newRow("mixed ends, none at the end") << Lines(2, "\r\n") + Lines(1, "\r") + "Last?\"a\"b\"c\"";
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("blank lines") << QByteArray("\r\n\r\n\r\n");
    QTest::newRow("Ctrl-Z and tail") << Lines(2, "\r\n") + "\x1a" + "after the end\r\nmore";
    QTest::newRow("past the 100th line") << Lines(130, "\r\n");
    QTest::newRow("long line, text after the 4th quote") << QByteArray(200, 'x') + "\"a\"b\"c\"d\"tail\"\r\n";
    QTest::newRow("missing quotes") << QByteArray("No quote at all\r\nOne\"quote\r\n");
    QTest::newRow("UTF-8 and high bytes") << QByteArray("Caf\xc3\xa9?\"\xe9\"\x80\"\x81\x8d\"\r\n");
    QTest::newRow("control characters") << QByteArray("Tab\there\x01\"a\x7f\"b\"c\"\r\n");
    QTest::newRow("random bytes") << RandomBytes(20000);
}

void EditorFileTest::roundTripUnedited()
{
    QFETCH(QByteArray, bytes);
    const QString source = folder_.filePath(QStringLiteral("source.tqz"));
    const QString copy = folder_.filePath(QStringLiteral("copy.tqz"));
    WriteFile(source, bytes);
    BankEditorWindow window;
    QVERIFY(window.openFile(source));
    QVERIFY(!window.isWindowModified());
    QVERIFY(window.saveFile(copy));
    QCOMPARE(ReadFile(copy), bytes);
    QCOMPARE(ReadFile(source), bytes);
}

void EditorFileTest::refusesCharacterOutsideCodePage_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::newRow("Polish letter in a question") << 0 << 0 << QStringLiteral("Gdańsk?") << QStringLiteral("row 1, the question");
    QTest::newRow("Greek in wrong answer 2") << 2 << 3 << QStringLiteral("π") << QStringLiteral("row 3, wrong answer 2");
    QTest::newRow("emoji beyond the BMP") << 1 << 1 << QStringLiteral("Yes 🙂") << QStringLiteral("row 2, the right answer");
}

void EditorFileTest::refusesCharacterOutsideCodePage()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, named);
    const QString path = folder_.filePath(QStringLiteral("refused.tqz"));
    const QByteArray bytes = Lines(3, "\r\n");
    WriteFile(path, bytes);
    BankEditorWindow window;
    QVERIFY(window.openFile(path));
    QVERIFY(window.model()->setData(window.model()->index(row, column), text, Qt::EditRole));
    QSignalSpy messages(&window, &BankEditorWindow::messageShown);
    QVERIFY(!window.saveFile(path));
    QCOMPARE(messages.count(), 1);
    QVERIFY2(messages.first().first().toString().contains(named), qPrintable(messages.first().first().toString()));
    QCOMPARE(ReadFile(path), bytes);
    QVERIFY(window.isWindowModified());
}

void EditorFileTest::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("disk full while writing") << QStringLiteral("full");
    QTest::newRow("read-only folder") << QStringLiteral("read-only");
    QTest::newRow("read-only file") << QStringLiteral("read-only file");
    QTest::newRow("file held open without sharing") << QStringLiteral("held");
}

void EditorFileTest::failedSaveKeepsOldFile()
{
    QFETCH(QString, failure);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bank.tqz"));
    const QByteArray old = Lines(100, "\r\n");
    WriteFile(path, old);
    BankEditorWindow window;
    QVERIFY(window.openFile(path));
    // Long enough that a write would have to pass the limit below.
    QVERIFY(window.model()->setData(window.model()->index(0, 0), QString(300, QLatin1Char('q')), Qt::EditRole));
    QSignalSpy messages(&window, &BankEditorWindow::messageShown);

    bool saved = true;
    if (failure == QLatin1String("full")) {
        // A file size limit fails the write as a full disk does, even for root.
        const FileSizeLimit limit(old.size() / 2);
        if (!limit.refusal().isEmpty())
            QSKIP(qPrintable(limit.refusal()));
        saved = window.saveFile(path);
    } else if (failure == QLatin1String("read-only file")) {
        if (const QString cannot = MakeReadOnly(QFile::encodeName(path)); !cannot.isEmpty())
            QSKIP(qPrintable(cannot));
        saved = window.saveFile(path);
    } else if (failure == QLatin1String("held")) {
        const ExclusiveHold other(QFile::encodeName(path));
        if (!other.refusal().isEmpty())
            QSKIP(qPrintable(other.refusal()));
        saved = window.saveFile(path);
    } else {
        if (!QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner) || QFileInfo(folder.path()).isWritable())
            QSKIP("the folder cannot be made read-only for this user (root, or Windows, which keeps no such mark on "
                  "a folder)");
        saved = window.saveFile(path);
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QVERIFY(!saved);
    QCOMPARE(messages.count(), 1);
    // In the system's words, never a bare number.
    QVERIFY2(!messages.first().first().toString().contains(QStringLiteral("system error")),
             qPrintable(messages.first().first().toString()));
    QCOMPARE(ReadFile(path), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("bank.tqz")});
    QVERIFY(window.isWindowModified());
}

void EditorFileTest::badInputs_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("opens");
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("FIFO with no writer") << "fifo" << false;
    QTest::newRow("/dev/zero") << "device" << false;
    QTest::newRow("dangling link") << "dangling" << false;
    QTest::newRow("missing file") << "missing" << false;
    QTest::newRow("unreadable") << "unreadable" << false;
    QTest::newRow("300 MB file") << "huge" << false;
    QTest::newRow("random bytes load by the game's rules") << "random" << true;
}

void EditorFileTest::badInputs()
{
    QFETCH(QString, kind);
    QFETCH(bool, opens);
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("bank.tqz"));
    const QByteArray name = QFile::encodeName(path);
    std::optional<TestFifo> fifo;
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(path));
    else if (kind == QLatin1String("fifo")) {
        if (!TestFifo::InFolders())
            QSKIP("Windows keeps no pipe in a folder");
        fifo.emplace(name, false);
        QVERIFY(fifo->made());
    } else if (kind == QLatin1String("device"))
        path = QStringLiteral("/dev/zero");
    else if (kind == QLatin1String("dangling")) {
        if (!SymlinksSupported())
            QSKIP("no symbolic links here");
        QVERIFY(MakeSymlink(QFile::encodeName(folder.filePath(QStringLiteral("gone.tqz"))), name));
    } else if (kind == QLatin1String("unreadable")) {
        WriteFile(path, Lines(3, "\r\n"));
        if (const QString cannot = MakeUnreadable(name); !cannot.isEmpty())
            QSKIP(qPrintable(cannot));
    } else if (kind == QLatin1String("huge")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(300LL * 1024 * 1024));
    } else if (kind == QLatin1String("random"))
        WriteFile(path, RandomBytes(100000));
    const std::optional<PathStatus> before = StatusOf(QFile::encodeName(path));

    // A bank already open stays open, untouched, when another cannot be.
    const QString good = folder.filePath(QStringLiteral("good.tqz"));
    WriteFile(good, Lines(2, "\r\n"));
    BankEditorWindow window;
    QVERIFY(window.openFile(good));
    QSignalSpy messages(&window, &BankEditorWindow::messageShown);
    QCOMPARE(window.openFile(path), opens);
    QCOMPARE(messages.count(), opens ? 0 : 1);
    if (!opens) {
        QVERIFY(!messages.first().first().toString().isEmpty());
        QCOMPARE(window.currentFile(), good);
        QCOMPARE(window.model()->rowCount(), 2);
    }
    const std::optional<PathStatus> after = StatusOf(QFile::encodeName(path));
    QCOMPARE(after.has_value(), before.has_value());
    if (before)
        QCOMPARE(after->print, before->print);
}

QTEST_MAIN(EditorFileTest)
#include "EditorFileTest.moc"
