// Start-up, the window roster and every way the program ends.
#include "GameHarness.h"

#include "app/Random.h"
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

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

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
    QWidget *window = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == name)
            window = top;
    QVERIFY2(window, qPrintable(name));
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), client);
    QCOMPARE(window->minimumSize() == window->maximumSize(), !resizable);
    QVERIFY(!window->isVisible());
}

void StartupTest::startsWithTheSetupWindowAndHandOffLabels()
{
    GameHarness game;
    // Every reference is set, each to its own window.
    const QList<QWidget *> roster = {Form1, frmPlayingField, frmerror, frmQuestion,
                                     frmDialog, frmHelp, frmEnd, frmProductInfo};
    for (QWidget *window : roster)
        QVERIFY(window);
    QCOMPARE(QSet<QWidget *>(roster.begin(), roster.end()).size(), 8);

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
