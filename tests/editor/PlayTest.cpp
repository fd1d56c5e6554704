// "Play this bank": which game and folder the plan picks, and that a game
// started on a copy finds the bank under the game's name and that the copy
// goes when the game ends.
#include "editor/window/GameLauncher.h"
#include "editor/document/PlayPlan.h"
#include "tests/editor/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A stand-in for the game: records the folder it ran in and the bank it found.
void MakeGame(const QString &folder, const QString &log = QStringLiteral("/dev/null"))
{
    QVERIFY(QDir().mkpath(folder));
    const QString game = folder + QStringLiteral("/korvwin");
    const QByteArray quotedLog = "'" + QFile::encodeName(log) + "'";
    WriteFile(game, "#!/bin/sh\npwd > " + quotedLog + "\ncat quarl3.tqz >> " + quotedLog + "\n");
    QVERIFY(QFile::setPermissions(game, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT

private slots:
    void plan_data();
    void plan();
    void runsOnTheBank_data();
    void runsOnTheBank();
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
    if (besideEditor)
        MakeGame(editorFolder);
    if (onPath)
        MakeGame(pathFolder);

    const PlayPlan plan = PlanPlay(root.filePath(bank), editorFolder, {pathFolder});
    const QString expected = expectedGame.isEmpty() ? QString()
                             : (expectedGame == QLatin1String("editor") ? editorFolder : pathFolder) + QStringLiteral("/korvwin");
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
    MakeGame(root.filePath(QStringLiteral("bin")), log);
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

    // The stand-in wrote its folder on the first line, then the bank it found.
    const QByteArray record = ReadFile(log);
    const qsizetype firstLineEnd = record.indexOf('\n');
    const QString folder = QString::fromLocal8Bit(record.left(firstLineEnd));
    QCOMPARE(record.mid(firstLineEnd + 1), QByteArray("Q?\"A\"B\"C\"\r\n"));
    if (plan.copyBank) {
        QVERIFY(folder != bankFolder);
        QVERIFY2(!QFileInfo::exists(folder), "the copy outlived the game");
    } else {
        QCOMPARE(folder, bankFolder);
        QVERIFY(QFileInfo::exists(bank));
    }
}

QTEST_MAIN(PlayTest)
#include "PlayTest.moc"
