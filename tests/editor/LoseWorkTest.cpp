// Ways to lose work: each row is a path by which the editor once dropped,
// overwrote or deleted what an author had, driven as the author drives it.
#include "BankEditorWindow.h"
#include "BankTableModel.h"
#include "TestFiles.h"

#include "forms/BankChecks.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
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

} // namespace

class LoseWorkTest;
using Scenario = void (LoseWorkTest::*)();

class LoseWorkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void waysToLoseWork_data();
    void waysToLoseWork();

private:
    void editBesideALineFeed();
    void fixLinuxLineEnds();
    void fixRunOnQuestion();
    void saveOverAnotherChange();
    void playAfterAnotherChange();
    void reloadIsUndone();
    void bankDeletedWhileOpen();
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
    Session s(Lines(100, "\r\n"));
    QVERIFY(s.model()->setData(s.model()->index(0, 0), QString(300, QLatin1Char('q'))));
    // No signal handling of the test's own: the window must survive the limit.
    std::signal(SIGXFSZ, SIG_DFL);
    rlimit limit{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit small{rlim_t(Lines(100, "\r\n").size() / 2), limit.rlim_max};
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    const bool saved = s.window.saveFile(s.path);
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
    QVERIFY(!saved);
    QCOMPARE(s.messages.count(), 1);
    QVERIFY2(s.messages.front().front().toString().contains(QStringLiteral("File too large")),
             qPrintable(s.messages.front().front().toString()));
    QCOMPARE(ReadFile(s.path), Lines(100, "\r\n"));
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
    QTemporaryDir temp;
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    QProcess ended;
    ended.start(QStringLiteral("true"));
    QVERIFY(ended.waitForFinished());
    const QByteArray deadPid = QByteArray::number(ended.processId() ? ended.processId() : 999999);
    const QByteArray livePid = QByteArray::number(QCoreApplication::applicationPid());
    const QDir folder(temp.path());
    for (const auto &[name, holders] : {std::pair{"korvedit-play-dead01", "999999\n" + deadPid + "\n"},
                                        {"korvedit-play-live01", deadPid + "\n" + livePid + "\n"}}) {
        QVERIFY(folder.mkdir(QString::fromLatin1(name)));
        WriteFile(folder.filePath(QString::fromLatin1(name) + QStringLiteral("/holders")), holders);
        WriteFile(folder.filePath(QString::fromLatin1(name) + QStringLiteral("/quarl3.tqz")), ThreeLines);
    }
    {
        BankEditorWindow window;
    }
    qputenv("TMPDIR", oldTemp);
    if (oldTemp.isNull())
        qunsetenv("TMPDIR");
    QCOMPARE(folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{QStringLiteral("korvedit-play-live01")});
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

QTEST_MAIN(LoseWorkTest)
#include "LoseWorkTest.moc"
