// Start-up, the window roster, the command line and every way the program
// ends.
#include "tests/GameHarness.h"

#include "app/Random.h"
#include "app/Roster.h"
#include "app/RosterWindow.h"
#include "app/SharedState.h"
#include "app/Startup.h"
#include "forms/Dialog.h"
#include "forms/End1.h"
#include "forms/Error1.h"
#include "forms/Game.h"
#include "forms/Help1.h"
#include "forms/Info.h"
#include "forms/Question.h"
#include "forms/QuestionState.h"
#include "forms/Title2.h"
#include "generated/ShippedBanks.h"
#include "tests/TestSystem.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString UsageLine = QStringLiteral("Usage: korvwin [BANK]\n");

// A one-line bank whose question tells which file it came from.
bool WriteMarkedBank(const QString &path, const QByteArray &question)
{
    QFile bank(path);
    const QByteArray line = question + "\"Yes\"No\"Maybe\"\r\n";
    return bank.open(QIODevice::WriteOnly) && bank.write(line) == line.size();
}

QByteArray FirstQuestion()
{
    return QByteArray(QuestionText[1].view().data(), qsizetype(QuestionText[1].view().size()));
}

// "Start Over" on the board, confirmed: the dialog reloads the bank.
void StartOver()
{
    QTest::mouseClick(frmPlayingField->btnstartover, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(frmDialog));
    QTest::mouseClick(frmDialog->btnOk, Qt::LeftButton);
    QVERIFY(Form1->isVisible());
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void rosterWindows_data();
    void rosterWindows();
    void startsWithTheSetupWindowAndHandOffLabels();
    void titleNamesTheProgramWithoutChangingCaptions();
    void missingBankShowsTheErrorWindowOverTheSetupWindow();
    void bankIsFoundWhateverTheCaseOfItsName_data();
    void bankIsFoundWhateverTheCaseOfItsName();
    void bankNamedOnTheCommandLine_data();
    void bankNamedOnTheCommandLine();
    void namedBankIsReadAgainAtEveryNewGame();
    void commandLine_data();
    void commandLine();
    void windowsOtherThanTheMainOneOnlyHideWhenClosed();
    void programEnds_data();
    void programEnds();
};

void StartupTest::rosterWindows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("resizable");

    // Outer sizes 495x400 and 435x300 less a classic sizeable frame.
    QTest::newRow("setup") << "Form1" << "Korvane for Windows version 1.4" << QSize(487, 373) << true;
    QTest::newRow("board") << "frmPlayingField" << "Korvane for Windows " << QSize(597, 390) << false;
    QTest::newRow("error") << "frmerror" << "Program Error" << QSize(298, 213) << false;
    QTest::newRow("question") << "frmQuestion" << "Korvane for Windows" << QSize(427, 273) << true;
    QTest::newRow("dialog") << "frmDialog" << "Korvane for Windows" << QSize(295, 123) << false;
    QTest::newRow("help") << "frmHelp" << "Korvane Help" << QSize(429, 384) << false;
    QTest::newRow("end") << "frmEnd" << "Korvane for Windows" << QSize(408, 273) << false;
    QTest::newRow("catalogue") << "frmProductInfo" << "Halvorn Software Catalog - Brovell" << QSize(423, 390) << false;
}

void StartupTest::rosterWindows()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(bool, resizable);

    GameHarness game;
    const QWidget *window = RosterWindowNamed(name);
    QVERIFY2(window, qPrintable(name));
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), client);
    QCOMPARE(window->minimumSize() == window->maximumSize(), !resizable);
    QVERIFY(!window->isVisible());
}

void StartupTest::startsWithTheSetupWindowAndHandOffLabels()
{
    GameHarness game;
    // Every reference is set, each to its own window, in creation order.
    const QList<RosterWindow *> roster = RosterWindows();
    QStringList names;
    for (const RosterWindow *window : roster)
        names.append(window ? window->objectName() : QString());
    QCOMPARE(names, QStringList({"Form1", "frmPlayingField", "frmerror", "frmQuestion", "frmDialog", "frmHelp",
                                 "frmEnd", "frmProductInfo"}));

    QCOMPARE(frmQuestion->lblTurn->caption(), QStringLiteral("1"));
    QCOMPARE(frmQuestion->lblcornerposit->caption(), QString());
    QCOMPARE(frmQuestion->lblcorner->caption(), QStringLiteral("F"));
    QCOMPARE(SetupStage, std::uint8_t(1));
    QCOMPARE(CatalogPage, std::uint8_t(1));
    QCOMPARE(CurrentPlayer, std::uint8_t(0));
    QVERIFY(!frmerror->isVisible());
}

void StartupTest::titleNamesTheProgramWithoutChangingCaptions()
{
    GameHarness game;
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Korvane for Windows"));
    // A display name would be appended to every caption on some desktops.
    QVERIFY(QGuiApplication::applicationDisplayName() != QStringLiteral("Korvane for Windows")
            || QGuiApplication::applicationDisplayName() == QApplication::applicationName());
    Form1->show();
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Korvane for Windows version 1.4"));
}

void StartupTest::missingBankShowsTheErrorWindowOverTheSetupWindow()
{
    GameHarness game(GameHarness::Bank::Missing);
    QVERIFY(frmerror->isVisible());
    QVERIFY(frmerror->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(frmerror->focusWidget(), frmerror->OKButton);
    ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(frmerror));

    // Enter on the focused OK button ends the program.
    QVERIFY(GameHarness::endsProgram([] { QTest::keyClick(frmerror->OKButton, Qt::Key_Return); }));
}

void StartupTest::bankIsFoundWhateverTheCaseOfItsName_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("read"); // empty: none, the error window shows

    QTest::newRow("in capitals") << QStringList{"QUARL3.TQZ"} << "QUARL3.TQZ";
    QTest::newRow("mixed case") << QStringList{"Quarl3.Tqz"} << "Quarl3.Tqz";
    QTest::newRow("the exact name wins") << QStringList{"QUARL3.TQZ", "quarl3.tqz"} << "quarl3.tqz";
    QTest::newRow("several: first in byte order") << QStringList{"quarl3.TQZ", "Quarl3.tqz", "QUARL3.tqz"}
                                                  << "QUARL3.tqz";
    QTest::newRow("only like names") << QStringList{"QUARL3.TQZ.BAK", "quarl3", "QUARL3.TQ", "xquarl3.tqz"}
                                     << QString();
}

void StartupTest::bankIsFoundWhateverTheCaseOfItsName()
{
    QFETCH(QStringList, files);
    QFETCH(QString, read);

    GameHarness game(GameHarness::Bank::Missing);
    frmerror->hide();
    // Each bank asks which file it is.
    for (const QString &name : files) {
        QFile bank(name); // the harness made its folder the current one
        QVERIFY(bank.open(QIODevice::WriteOnly));
        bank.write(name.toLatin1() + "?\"Yes\"No\"Maybe\"\r\n");
    }
    // The loader, as at start-up and at every new game.
    frmQuestion->FormCreate();
    QCOMPARE(frmerror->isVisible(), read.isEmpty());
    if (!read.isEmpty())
        QCOMPARE(QString::fromLatin1(QuestionText[1].view()), read + QLatin1Char('?'));
    // The error window names the bank as ever.
    QCOMPARE(frmerror->ProductName->caption(), QStringLiteral("The File 'QUARL3.TQZ' is not found!"));
}

void StartupTest::bankNamedOnTheCommandLine_data()
{
    QTest::addColumn<QString>("argument"); // "none", "bank", "missing", "folder" or "empty"
    QTest::addColumn<QString>("read");     // "named", "folder's" or "" for the error window

    // The folder the game starts in always holds quarl3.tqz but in the last row.
    QTest::newRow("a bank named") << "bank" << "named";
    QTest::newRow("no argument: quarl3.tqz of the folder") << "none" << "folder's";
    QTest::newRow("named bank missing") << "missing" << "";
    QTest::newRow("named a folder") << "folder" << "";
    QTest::newRow("named an empty name") << "empty" << "";
    QTest::newRow("no argument and no quarl3.tqz") << "none, no quarl3.tqz" << "";
}

void StartupTest::bankNamedOnTheCommandLine()
{
    QFETCH(QString, argument);
    QFETCH(QString, read);

    QTemporaryDir elsewhere;
    const QString named = elsewhere.filePath(QStringLiteral("Named.tqz"));
    QVERIFY(WriteMarkedBank(named, "From the named bank?"));
    std::optional<std::string> given;
    if (argument == "bank")
        given = QFile::encodeName(named).toStdString();
    else if (argument == "missing")
        given = QFile::encodeName(elsewhere.filePath(QStringLiteral("none.tqz"))).toStdString();
    else if (argument == "folder")
        given = QFile::encodeName(elsewhere.path()).toStdString();
    else if (argument == "empty")
        given = std::string();

    const bool folderBank = argument != "none, no quarl3.tqz";
    GameHarness game(folderBank ? GameHarness::Bank::Shipped : GameHarness::Bank::Missing, given);
    QCOMPARE(frmerror->isVisible(), read.isEmpty());
    if (read == "named")
        QCOMPARE(FirstQuestion(), QByteArray("From the named bank?"));
    else if (read == "folder's")
        QCOMPARE(FirstQuestion(), ShippedBank().left(ShippedBank().indexOf('"')));
    else
        QCOMPARE(FirstQuestion(), QByteArray()); // nothing else was read instead
    // The error window names the bank as ever.
    QCOMPARE(frmerror->ProductName->caption(), QStringLiteral("The File 'QUARL3.TQZ' is not found!"));
}

void StartupTest::namedBankIsReadAgainAtEveryNewGame()
{
    QTemporaryDir elsewhere;
    const QString named = elsewhere.filePath(QStringLiteral("bank.tqz"));
    QVERIFY(WriteMarkedBank(named, "First edition?"));
    GameHarness game(GameHarness::Bank::Shipped, QFile::encodeName(named).toStdString());
    QCOMPARE(FirstQuestion(), QByteArray("First edition?"));

    // Edited between games: the next game asks the new questions.
    GameHarness::startGame();
    QVERIFY(WriteMarkedBank(named, "Second edition?"));
    StartOver();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!frmerror->isVisible());
    QCOMPARE(FirstQuestion(), QByteArray("Second edition?"));

    // Gone: the error window, not the quarl3.tqz of the current folder.
    GameHarness::startGame();
    QVERIFY(QFile::remove(named));
    StartOver();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(frmerror->isVisible());
}

void StartupTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("display"); // false: no window system can be reached
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString usage = UsageLine;
    QTest::newRow("--help") << QStringList{"--help"} << true << 0 << usage << QString();
    QTest::newRow("-h") << QStringList{"-h"} << true << 0 << usage << QString();
    QTest::newRow("--help needs no display") << QStringList{"--help"} << false << 0 << usage << QString();
    QTest::newRow("--help after Qt's options") << QStringList{"-platform", "offscreen", "--help"} << true << 0
                                               << usage << QString();
    QTest::newRow("--version") << QStringList{"--version"} << false << 0
                               << QStringLiteral("korvwin (Korvane) %1\n").arg(QStringLiteral(KORVANE_VERSION))
                               << QString();
    QTest::newRow("two banks") << QStringList{"a.tqz", "b.tqz"} << true << 2 << QString() << usage;
    QTest::newRow("an unknown option") << QStringList{"--bank=a.tqz"} << true << 2 << QString() << usage;
    QTest::newRow("--help with a bank") << QStringList{"--help", "a.tqz"} << true << 2 << QString() << usage;
    QTest::newRow("--help in German") << QStringList{"--language", "de", "--help"} << false << 0
                                      << QStringLiteral("Aufruf: korvwin [FRAGENDATEI]\n") << QString();
    QTest::newRow("--language without its code") << QStringList{"--language"} << true << 2 << QString() << usage;
}

void StartupTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, display);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QProcess korvwin;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!display) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }
    korvwin.setProcessEnvironment(environment);
    korvwin.start(qEnvironmentVariable("KORVWIN"), arguments);
    QVERIFY2(korvwin.waitForFinished(30000), "korvwin ends by itself");
    QCOMPARE(korvwin.exitStatus(), QProcess::NormalExit);
    QCOMPARE(korvwin.exitCode(), exitCode);
    // Lines end as the system's console programs end them (CR LF on Windows).
    const QString stdOut = QString::fromUtf8(korvwin.readAllStandardOutput().replace(PrintedLineEnd(), "\n"));
    const QString stdErr = QString::fromUtf8(korvwin.readAllStandardError().replace(PrintedLineEnd(), "\n"));
    if (out.isEmpty())
        QCOMPARE(stdOut, QString());
    else
        QVERIFY2(stdOut.startsWith(out), qPrintable(stdOut));
    if (!err.isEmpty())
        QVERIFY2(stdErr.contains(err), qPrintable(stdErr));
    // The help lists every bank that comes with the game, by file and title.
    if (out == UsageLine) {
        for (const ShippedBankName &bank : ShippedBanks) {
            const QString row = QStringLiteral("  %1 %2\n").arg(QLatin1String(bank.file), -27).arg(QString::fromUtf8(bank.title));
            QVERIFY2(stdOut.contains(row), bank.file);
        }
    }
}

void StartupTest::windowsOtherThanTheMainOneOnlyHideWhenClosed()
{
    GameHarness game(GameHarness::Bank::Missing);
    Form1->show();
    for (QWidget *window : {static_cast<QWidget *>(frmerror), static_cast<QWidget *>(frmHelp),
                            static_cast<QWidget *>(frmDialog), static_cast<QWidget *>(frmProductInfo)}) {
        window->show();
        QVERIFY(!GameHarness::endsProgram([window] { window->close(); }, 300));
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }
    QVERIFY(Form1->isVisible());
}

void StartupTest::programEnds_data()
{
    QTest::addColumn<Action>("ending");
    QTest::addColumn<bool>("setupHidden");

    QTest::newRow("setup window's close box") << Action([] { Form1->close(); }) << false;
    QTest::newRow("board window's close box") << Action([] { frmPlayingField->close(); }) << true;
    QTest::newRow("dialog OK after Quit") << Action([] {
        frmPlayingField->Button2->click();
        frmDialog->btnOk->click();
    }) << true;
    QTest::newRow("end window's Ok") << Action([] { frmEnd->btnOk->click(); }) << true;
    QTest::newRow("end window's close box") << Action([] { frmEnd->close(); }) << true;
    QTest::newRow("error window's OK") << Action([] { frmerror->OKButton->click(); }) << true;
}

void StartupTest::programEnds()
{
    QFETCH(Action, ending);
    QFETCH(bool, setupHidden);

    GameHarness game;
    Form1->show();
    if (setupHidden) {
        // The main window is hidden during a game and still ends the program.
        frmPlayingField->show();
        Form1->hide();
    }
    QVERIFY(GameHarness::endsProgram(ending));
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
