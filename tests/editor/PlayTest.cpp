// "Play this bank": which game and folder the plan picks, and that a game
// started on a copy finds the bank under the game's name and that the copy
// goes when the game ends.
#include "editor/window/GameLauncher.h"
#include "editor/document/PlayFolders.h"
#include "editor/document/PlayPlan.h"
#include "tests/editor/StandInGame.h"
#include "tests/editor/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class PlayTest : public QObject {
    Q_OBJECT

private slots:
    void plan_data();
    void plan();
    void runsOnTheBank_data();
    void runsOnTheBank();
    void staleFolders_data();
    void staleFolders();
};

void PlayTest::plan_data()
{
    QTest::addColumn<QString>("bank");
    QTest::addColumn<bool>("besideEditor");
    QTest::addColumn<bool>("onPath");
    QTest::addColumn<QString>("expectedGame"); // "editor", "path" or empty
    QTest::addColumn<bool>("copy");
    QTest::newRow("quarl3.tqz plays in its folder") << "class/quarl3.tqz" << true << false << "editor" << false;
    QTest::newRow("other name plays a copy") << "class/history.tqz" << true << false << "editor" << true;
    QTest::newRow("name differing in case is copied") << "class/QUARL3.TQZ" << true << false << "editor" << true;
    QTest::newRow("game beside the editor wins over PATH") << "class/quarl3.tqz" << true << true << "editor" << false;
    QTest::newRow("game on PATH only") << "class/quiz.tqz" << false << true << "path" << true;
    QTest::newRow("no game anywhere") << "class/quarl3.tqz" << false << false << "" << false;
}

void PlayTest::plan()
{
    QFETCH(QString, bank);
    QFETCH(bool, besideEditor);
    QFETCH(bool, onPath);
    QFETCH(QString, expectedGame);
    QFETCH(bool, copy);
    QTemporaryDir root;
    const QString editorFolder = root.filePath(QStringLiteral("editor"));
    const QString pathFolder = root.filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(editorFolder) && QDir().mkpath(pathFolder));
    const QString log = root.filePath(QStringLiteral("game.log"));
    const QString editorGame = besideEditor ? MakeStandInGame(editorFolder, log) : QString();
    const QString pathGame = onPath ? MakeStandInGame(pathFolder, log) : QString();

    const PlayPlan plan = PlanPlay(root.filePath(bank), editorFolder, {pathFolder});
    const QString expected = expectedGame.isEmpty() ? QString()
                             : expectedGame == QLatin1String("editor") ? editorGame : pathGame;
    QCOMPARE(plan.game, expected);
    QCOMPARE(plan.copyBank, copy);
    QCOMPARE(plan.folder, copy ? QString() : root.filePath(QStringLiteral("class")));
}

void PlayTest::runsOnTheBank_data()
{
    QTest::addColumn<QString>("bankName");
    QTest::newRow("quarl3.tqz in place") << "quarl3.tqz";
    QTest::newRow("other name through a copy") << "trivia night.tqz";
}

void PlayTest::runsOnTheBank()
{
    QFETCH(QString, bankName);
    QTemporaryDir root;
    const QString log = root.filePath(QStringLiteral("game.log"));
    MakeStandInGame(root.filePath(QStringLiteral("bin")), log);
    const QString bankFolder = root.filePath(QStringLiteral("banks"));
    QVERIFY(QDir().mkpath(bankFolder));
    const QString bank = bankFolder + QLatin1Char('/') + bankName;
    WriteFile(bank, "Q?\"A\"B\"C\"\r\n");

    GameLauncher launcher;
    QSignalSpy running(&launcher, &GameLauncher::runningChanged);
    QSignalSpy failed(&launcher, &GameLauncher::failed);
    const PlayPlan plan = PlanPlay(bank, root.filePath(QStringLiteral("bin")));
    QCOMPARE(launcher.start(plan, bank), QString());
    QVERIFY(launcher.isRunning());
    QTRY_COMPARE_WITH_TIMEOUT(running.count(), 2, 10000);
    QVERIFY(!launcher.isRunning());
    QCOMPARE(failed.count(), 0);

    const QString folder = PlayedFolder(log);
    QCOMPARE(ReadFile(PlayedBankFile(log)), QByteArray("Q?\"A\"B\"C\"\r\n"));
    if (plan.copyBank) {
        QVERIFY(folder != bankFolder);
        QVERIFY2(!QFileInfo::exists(folder), "the copy outlived the game");
    } else {
        QCOMPARE(folder, bankFolder);
        QVERIFY(QFileInfo::exists(bank));
    }
}

void PlayTest::staleFolders_data()
{
    QTest::addColumn<QString>("holders"); // "running", "ended" or "none"
    QTest::addColumn<bool>("removed");
    QTest::newRow("a holder still running keeps it") << "running" << false;
    QTest::newRow("a holder that ended lets it go") << "ended" << true;
    QTest::newRow("one running among ended keeps it") << "both" << false;
    QTest::newRow("no holder noted: not known to be a play folder's") << "none" << false;
}

void PlayTest::staleFolders()
{
    QFETCH(QString, holders);
    QFETCH(bool, removed);
    // A process that ran and ended: this test program, asked for its list.
    QProcess ended;
    ended.start(QCoreApplication::applicationFilePath(), {QStringLiteral("-functions")});
    QVERIFY(ended.waitForStarted());
    const qint64 endedPid = ended.processId();
    QVERIFY(ended.waitForFinished());
    QTemporaryDir parent;
    const QString name = QFileInfo(PlayFolders::Template()).fileName();
    const QString folder = parent.filePath(name.chopped(6) + QStringLiteral("abc123"));
    QVERIFY(QDir().mkpath(folder));
    if (holders != QLatin1String("none"))
        QVERIFY(PlayFolders::Claim(folder, holders == QLatin1String("running") ? QCoreApplication::applicationPid() : endedPid));
    if (holders == QLatin1String("both"))
        QVERIFY(PlayFolders::Claim(folder, QCoreApplication::applicationPid()));
    QCOMPARE(PlayFolders::RemoveStale(parent.path()), removed ? 1 : 0);
    QCOMPARE(QFileInfo::exists(folder), !removed);
}

QTEST_MAIN(PlayTest)
#include "PlayTest.moc"
