// The side windows driven as a player drives them: the confirmation dialog
// and the start-over it leads to, the catalogue and the help window.
#include "tests/GameHarness.h"

#include "app/Random.h"
#include "app/SharedState.h"
#include "forms/BoardTrack.h"
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
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>

// Runs a helper step and leaves the test at once if the step failed.
#define STEP(step)                                                                                                     \
    do {                                                                                                               \
        step;                                                                                                          \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)

namespace {

const QString QuitText = QStringLiteral("Do you really want to quit?");
const QString StartOverText = QStringLiteral("Do you really want to start over?");

// Both players name themselves and pick a piece on the setup window, which
// must be ready for player 1, then start the game.
void StartGame(const QString &name1 = QStringLiteral("Ann"), int piece1 = 1,
               const QString &name2 = QStringLiteral("Bert"), int piece2 = 2)
{
    QCOMPARE(SetupStage, std::uint8_t(1));
    GameHarness::startGame(name1, piece1, name2, piece2);
    QVERIFY(frmPlayingField->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(frmPlayingField));
}

// Rolls the die; pips 0 leaves the roll to chance.
void Roll(int pips = 0)
{
    QVERIFY(frmPlayingField->btnDice->isEnabled());
    if (pips != 0)
        GameHarness::seedNextRoll(pips);
    frmPlayingField->btnDice->click();
    QVERIFY(frmPlayingField->IcoSelect1->isVisible());
}

void Move(Image *selector)
{
    QTest::mouseClick(selector, Qt::LeftButton);
    QVERIFY(frmQuestion->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(frmQuestion));
}

void Answer(bool right)
{
    const int rightLine = GameHarness::rightLine();
    const int line = right ? rightLine : rightLine % 3 + 1;
    QTest::mouseClick(frmQuestion->AnswerLines[line - 1], Qt::LeftButton);
    if (!right) {
        QVERIFY(frmQuestion->btncontinue->isVisible());
        QTest::mouseClick(frmQuestion->btncontinue, Qt::LeftButton);
    }
    QVERIFY(!frmQuestion->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(frmPlayingField));
}

void AskStartOver()
{
    QTest::mouseClick(frmPlayingField->btnstartover, Qt::LeftButton);
    QVERIFY(frmDialog->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(frmDialog));
}

void ConfirmStartOver()
{
    STEP(AskStartOver());
    QCOMPARE(frmDialog->lblDialog->caption(), StartOverText);
    QTest::mouseClick(frmDialog->btnOk, Qt::LeftButton);
    QVERIFY(!frmDialog->isVisible());
    QVERIFY(Form1->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(Form1));
}

int AskedCount()
{
    int asked = 0;
    for (std::size_t slot = 1; slot <= BankSlots; ++slot)
        asked += QuestionUsed[slot] == "T" ? 1 : 0;
    return asked;
}

QString PageOf(const QStackedWidget *book)
{
    return book->currentWidget() ? book->currentWidget()->objectName() : QString();
}

QString HelpPage()
{
    return frmHelp->Tabbedbook->tabText(frmHelp->Tabbedbook->currentIndex());
}

void ClickHelpTab(const QString &caption)
{
    QTabBar *tabs = frmHelp->Tabbedbook->tabBar();
    for (int tab = 0; tab < tabs->count(); ++tab)
        if (tabs->tabText(tab) == caption)
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
    QCOMPARE(HelpPage(), caption);
}

QString ActiveWindowName()
{
    const QWidget *active = QApplication::activeWindow();
    return active ? active->objectName() : QString();
}

// The manual as the player reads it, on the help window's Instructions page,
// its lines run together.
QString Manual()
{
    frmHelp->ShowPage(QStringLiteral("Instructions"));
    frmHelp->show();
    return frmHelp->Memo3->toPlainText().simplified();
}

// Dark runs along the selector's top edge: a dashed outline has several, a
// plain one a single run.
int DashesAlongTopEdge(const QImage &picture)
{
    int dashes = 0;
    bool inDash = false;
    for (int x = 0; x < picture.width(); ++x) {
        const QColor pixel = picture.pixelColor(x, 0);
        const bool dark = pixel.alpha() > 128 && pixel.lightness() < 64;
        dashes += dark && !inDash ? 1 : 0;
        inDash = dark;
    }
    return dashes;
}

// Sends a key to the window's focused control, as the keyboard does. Not by
// way of the native window: Qt Test then runs a pass of the event loop after
// each key event, and on Windows that pass swallows the wake-up of an exit
// the key has just asked for, so the loop sleeps on past it.
void PressKey(QWidget *window, Qt::Key key)
{
    QVERIFY(window->isActiveWindow());
    QTest::keyClick(QApplication::focusWidget(), key);
}

} // namespace

class SideWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // Confirmation dialog and the start-over it leads to.
    void boardButtonsAskTheirQuestion_data();
    void boardButtonsAskTheirQuestion();
    void okQuitsOnlyOnTheQuitText_data();
    void okQuitsOnlyOnTheQuitText();
    void dismissingKeepsTheGame_data();
    void dismissingKeepsTheGame();
    void activatingAnotherWindowDismisses_data();
    void activatingAnotherWindowDismisses();
    void startOverResetsBoardAndSetup_data();
    void startOverResetsBoardAndSetup();
    void startOverTakesAwayLettersWon();
    void startOverKeepsAskedQuestionMarks();
    void startOverWithoutBankShowsErrorOverUsableSetup();

    // Catalogue.
    void catalogueOpensOnItsFirstPage();
    void catalogueRing_data();
    void catalogueRing();
    void catalogueArrowsNeverTakeFocus();
    void catalogueOkLivesOnContactPageAndHides();

    // Help.
    void helpPagesAndReopening();
    void endPictureShowsAbout_data();
    void endPictureShowsAbout();
    void helpDieFacesAreSixDistinctPictures();
    void rollShowsTheMatchingFace_data();
    void rollShowsTheMatchingFace();

    // The manual against the program.
    void manualTellsWhatThePlayerSees_data();
    void manualTellsWhatThePlayerSees();
};

void SideWindowsTest::boardButtonsAskTheirQuestion_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("question");

    QTest::newRow("Quit") << "Button2" << QuitText;
    QTest::newRow("Start Over") << "btnstartover" << StartOverText;
}

void SideWindowsTest::boardButtonsAskTheirQuestion()
{
    QFETCH(QString, button);
    QFETCH(QString, question);

    GameHarness game;
    STEP(StartGame());
    // Wherever the label was left, the board puts it back at its place.
    frmDialog->lblDialog->move(5, frmDialog->lblDialog->y());
    auto *pressed = frmPlayingField->findChild<QPushButton *>(button);
    QVERIFY(pressed);
    QTest::mouseClick(pressed, Qt::LeftButton);

    QVERIFY(frmDialog->isVisible());
    QCOMPARE(frmDialog->lblDialog->caption(), question);
    QCOMPARE(frmDialog->lblDialog->x(), 69);
    // The whole question can be read.
    QVERIFY(frmDialog->lblDialog->width() >= frmDialog->lblDialog->sizeHint().width());
    QVERIFY2(frmDialog->lblDialog->geometry().right() < frmDialog->width(),
             qPrintable(QStringLiteral("label ends at %1").arg(frmDialog->lblDialog->geometry().right())));
    QVERIFY(QTest::qWaitForWindowActive(frmDialog));
    QCOMPARE(QApplication::focusWidget(), frmDialog->btnOk);
}

void SideWindowsTest::okQuitsOnlyOnTheQuitText_data()
{
    QTest::addColumn<QString>("raisedBy");
    QTest::addColumn<int>("key"); // 0: OK clicked with the mouse
    QTest::addColumn<bool>("quits");

    QTest::newRow("Quit, OK clicked") << "Button2" << 0 << true;
    QTest::newRow("Quit, Enter on OK") << "Button2" << int(Qt::Key_Return) << true;
    QTest::newRow("Quit, keypad Enter on OK") << "Button2" << int(Qt::Key_Enter) << true;
    QTest::newRow("Start Over, OK clicked") << "btnstartover" << 0 << false;
    QTest::newRow("Start Over, Enter on OK") << "btnstartover" << int(Qt::Key_Return) << false;
    // Only seen if the dialog comes up without the board setting its text.
    QTest::newRow("first caption, OK clicked") << QString() << 0 << false;
    QTest::newRow("first caption, Enter on OK") << QString() << int(Qt::Key_Return) << false;
}

void SideWindowsTest::okQuitsOnlyOnTheQuitText()
{
    QFETCH(QString, raisedBy);
    QFETCH(int, key);
    QFETCH(bool, quits);

    GameHarness game;
    STEP(StartGame());
    if (raisedBy.isEmpty())
        frmDialog->show();
    else
        QTest::mouseClick(frmPlayingField->findChild<QPushButton *>(raisedBy), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(frmDialog));
    QCOMPARE(QApplication::focusWidget(), frmDialog->btnOk);

    const Action ok = key != 0 ? Action([key] { PressKey(frmDialog, Qt::Key(key)); })
                               : Action([] { QTest::mouseClick(frmDialog->btnOk, Qt::LeftButton); });
    // Quitting is at once, with nothing else to wait for.
    QCOMPARE(GameHarness::endsProgram(ok, quits ? 1000 : 300), quits);
    if (!quits) {
        QVERIFY(!frmDialog->isVisible());
        QVERIFY(Form1->isVisible());
        QVERIFY(!frmPlayingField->isVisible());
        QCOMPARE(Form1->lblbar->caption(), QStringLiteral("Player 1:  Enter your name."));
    }
}

void SideWindowsTest::dismissingKeepsTheGame_data()
{
    QTest::addColumn<QString>("raisedBy");
    QTest::addColumn<bool>("rolled");
    QTest::addColumn<Action>("dismiss");

    const Action cancel([] { QTest::mouseClick(frmDialog->btnCancel, Qt::LeftButton); });
    const Action escape([] { PressKey(frmDialog, Qt::Key_Escape); });
    const Action tabEnter([] {
        PressKey(frmDialog, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), frmDialog->btnCancel);
        PressKey(frmDialog, Qt::Key_Return);
    });
    const Action closeBox([] { frmDialog->close(); });

    QTest::newRow("Quit, Cancel") << "Button2" << false << cancel;
    QTest::newRow("Quit, Esc") << "Button2" << false << escape;
    QTest::newRow("Quit, Tab then Enter") << "Button2" << false << tabEnter;
    QTest::newRow("Quit, close box") << "Button2" << false << closeBox;
    QTest::newRow("Start Over, Cancel") << "btnstartover" << false << cancel;
    QTest::newRow("Start Over, Esc") << "btnstartover" << false << escape;
    QTest::newRow("Start Over, Tab then Enter") << "btnstartover" << false << tabEnter;
    QTest::newRow("Start Over after a roll, Cancel") << "btnstartover" << true << cancel;
    QTest::newRow("Start Over after a roll, Esc") << "btnstartover" << true << escape;
    QTest::newRow("Quit after a roll, Tab then Enter") << "Button2" << true << tabEnter;
}

void SideWindowsTest::dismissingKeepsTheGame()
{
    QFETCH(QString, raisedBy);
    QFETCH(bool, rolled);
    QFETCH(Action, dismiss);

    GameHarness game;
    STEP(StartGame());
    if (rolled)
        STEP(Roll(3));
    const QPoint piece1 = frmPlayingField->IcoPiece1->pos();
    const QString status = frmPlayingField->Panel1->caption();
    QTest::mouseClick(frmPlayingField->findChild<QPushButton *>(raisedBy), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(frmDialog));
    QCOMPARE(QApplication::focusWidget(), frmDialog->btnOk);

    QVERIFY(!GameHarness::endsProgram(dismiss, 300));
    QVERIFY(!frmDialog->isVisible());
    QVERIFY(frmPlayingField->isVisible());
    QVERIFY(!Form1->isVisible());
    // The game goes on where it was.
    QCOMPARE(frmPlayingField->IcoPiece1->pos(), piece1);
    QCOMPARE(frmPlayingField->Panel1->caption(), status);
    QCOMPARE(frmPlayingField->IcoSelect1->isVisible(), rolled);
    QCOMPARE(frmPlayingField->IcoSelect2->isVisible(), rolled);
    QCOMPARE(frmPlayingField->btnDice->isEnabled(), !rolled);
    if (!rolled)
        QTRY_COMPARE(QApplication::focusWidget(), frmPlayingField->btnDice);
}

void SideWindowsTest::activatingAnotherWindowDismisses_data()
{
    QTest::addColumn<bool>("rolled");
    QTest::addColumn<Action>("activate");
    QTest::addColumn<QString>("activeAfter"); // with the die waiting, the board always is

    const Action board([] { frmPlayingField->activateWindow(); });
    const Action help([] { frmPlayingField->Button3->click(); });
    const Action catalogue([] { frmPlayingField->Button4->click(); });

    QTest::newRow("board, die waiting") << false << board << "frmPlayingField";
    QTest::newRow("help, die waiting") << false << help << "frmPlayingField";
    QTest::newRow("catalogue, die waiting") << false << catalogue << "frmPlayingField";
    QTest::newRow("board, destination pending") << true << board << "frmPlayingField";
    QTest::newRow("help, destination pending") << true << help << "frmHelp";
    QTest::newRow("catalogue, destination pending") << true << catalogue << "frmProductInfo";
}

void SideWindowsTest::activatingAnotherWindowDismisses()
{
    QFETCH(bool, rolled);
    QFETCH(Action, activate);
    QFETCH(QString, activeAfter);

    GameHarness game;
    STEP(StartGame());
    if (rolled)
        STEP(Roll(4));
    STEP(AskStartOver());

    activate();
    QTRY_VERIFY(!frmDialog->isVisible());
    QTRY_COMPARE(ActiveWindowName(), activeAfter);
    if (rolled) {
        QVERIFY(!frmPlayingField->btnDice->hasFocus());
    } else {
        QTRY_COMPARE(QApplication::focusWidget(), frmPlayingField->btnDice);
    }
    // It settles there: nothing pulls the activation elsewhere afterwards.
    QTest::qWait(100);
    QCOMPARE(ActiveWindowName(), activeAfter);
    QVERIFY(!frmDialog->isVisible());
    // The game is untouched: no start-over happened.
    QVERIFY(frmPlayingField->isVisible());
    QVERIFY(!Form1->isVisible());
    QCOMPARE(frmPlayingField->IcoSelect1->isVisible(), rolled);
}

void SideWindowsTest::startOverResetsBoardAndSetup_data()
{
    QTest::addColumn<int>("stage");

    QTest::newRow("before the first roll") << 0;
    QTest::newRow("destination pending") << 1;
    QTest::newRow("player 2's destination pending after a wrong answer") << 2;
    QTest::newRow("roll again pending after a right answer") << 3;
}

void SideWindowsTest::startOverResetsBoardAndSetup()
{
    QFETCH(int, stage);

    GameHarness game;
    STEP(StartGame());
    if (stage >= 2) {
        STEP(Roll(2));
        STEP(Move(frmPlayingField->IcoSelect1));
        STEP(Answer(stage == 3));
        QCOMPARE(frmQuestion->lblTurn->caption(), QString::number(stage == 3 ? 1 : 2));
        QVERIFY(frmPlayingField->IcoPiece1->pos() != QPoint(142, 47));
    }
    if (stage >= 1)
        STEP(Roll(3));
    STEP(ConfirmStartOver());

    TfrmPlayingField *board = frmPlayingField;
    QVERIFY(!board->isVisible());
    QVERIFY(!board->IcoSelect1->isVisibleTo(board));
    QVERIFY(!board->IcoSelect2->isVisibleTo(board));
    QVERIFY(!board->IcoDice->isVisibleTo(board));
    QVERIFY(board->btnDice->isEnabled());
    QCOMPARE(board->IcoPiece1->pos(), QPoint(142, 47));
    QCOMPARE(board->IcoPiece2->pos(), QPoint(489, 303));
    QCOMPARE(frmQuestion->lblTurn->caption(), QStringLiteral("1"));

    QCOMPARE(Form1->lblbar->caption(), QStringLiteral("Player 1:  Enter your name."));
    QCOMPARE(Form1->lblEnter->caption(), QStringLiteral("Enter your name:"));
    QCOMPARE(Form1->Edit1->text(), QStringLiteral("Player1"));
    QCOMPARE(Form1->lblplayer1->caption(), QStringLiteral("Player1"));
    QCOMPARE(Form1->lblplayer2->caption(), QStringLiteral("Player2"));
    for (Image *piece : Form1->Pieces)
        QVERIFY2(!piece->isVisible(), qPrintable(piece->objectName()));
    QVERIFY(!Form1->icop1->isVisible());
    QVERIFY(!Form1->icop2->isVisible());
    QVERIFY(!Form1->btnStart->isEnabled());
    QCOMPARE(SetupStage, std::uint8_t(1));
    QCOMPARE(QApplication::focusWidget(), Form1->Edit1);
    // The offered name is selected, so typing replaces it.
    QCOMPARE(Form1->Edit1->selectedText(), QStringLiteral("Player1"));

    // A new game from the start, player 1 first.
    STEP(StartGame(QStringLiteral("Cleo"), 3, QStringLiteral("Dario"), 4));
    QCOMPARE(board->Panel1->caption(), QStringLiteral("  Click on the Dice to Roll"));
    QCOMPARE(board->lblPlayaz->caption(), QStringLiteral("Cleo's Turn"));
    QVERIFY(board->lblPlayaz->isVisible());
    QCOMPARE(CurrentPlayer, std::uint8_t(1));
    QCOMPARE(PieceSquare[1], std::int8_t(1));
    QCOMPARE(PieceSquare[2], std::int8_t(12));
    QCOMPARE(board->IcoPiece1->picture().toImage(), Form1->Pieces[2]->picture().toImage());
    QCOMPARE(board->IcoPiece2->picture().toImage(), Form1->Pieces[3]->picture().toImage());
    QTRY_COMPARE(QApplication::focusWidget(), board->btnDice);

    STEP(Roll(2));
    QCOMPARE(board->IcoSelect1->pos(), QPoint(BoardTrack[3].left, BoardTrack[3].top));
    STEP(Move(board->IcoSelect1));
    QCOMPARE(board->IcoPiece1->pos(), QPoint(BoardTrack[3].left, BoardTrack[3].top));
    QCOMPARE(board->IcoPiece2->pos(), QPoint(489, 303));
    QCOMPARE(frmQuestion->lblPlayername->caption(), QStringLiteral("Cleo's"));
}

void SideWindowsTest::startOverTakesAwayLettersWon()
{
    GameHarness game;
    STEP(StartGame());
    // A 5 takes player 1 from the first corner to the second, whose letter
    // ('o') a right answer wins.
    STEP(Roll(5));
    STEP(Move(frmPlayingField->IcoSelect1));
    QCOMPARE(PieceSquare[1], std::int8_t(6));
    QCOMPARE(frmQuestion->lblStatus->caption(), QStringLiteral("This question is for the square!"));
    STEP(Answer(true));
    QCOMPARE(CornerCount[1], std::uint8_t(1));
    QCOMPARE(CornerLetter[1][2], std::uint8_t(1));
    STEP(Roll());
    STEP(ConfirmStartOver());

    for (std::size_t player = 1; player <= 2; ++player) {
        QCOMPARE(CornerCount[player], std::uint8_t(0));
        for (std::size_t corner = 1; corner <= 4; ++corner)
            QCOMPARE(CornerLetter[player][corner], std::uint8_t(0));
    }

    // In the new game the same corner is worth its letter again.
    STEP(StartGame(QStringLiteral("Ann"), 1, QStringLiteral("Bert"), 2));
    STEP(Roll(5));
    STEP(Move(frmPlayingField->IcoSelect1));
    QCOMPARE(frmQuestion->lblStatus->caption(), QStringLiteral("This question is for the square!"));
    for (Label *place : {frmQuestion->lblLove, frmQuestion->lbllove2, frmQuestion->lblLove3, frmQuestion->lbl4})
        QCOMPARE(place->caption(), QStringLiteral("*"));
    STEP(Answer(true));
    QCOMPARE(CornerCount[1], std::uint8_t(1));
}

void SideWindowsTest::startOverKeepsAskedQuestionMarks()
{
    GameHarness game;
    STEP(StartGame());
    STEP(Roll(2));
    // The question's draw follows the move; replaying it from here in the
    // next game would draw the same entry first.
    const std::uint32_t drawSeed = RandSeed;
    STEP(Move(frmPlayingField->IcoSelect1));
    const std::uint8_t asked = QuestionCursor;
    const QString askedText = frmQuestion->lblQuestion->caption();
    QCOMPARE(QuestionUsed[asked], "T");
    STEP(Answer(true));
    const int marks = AskedCount();
    STEP(Roll());
    STEP(ConfirmStartOver());

    QCOMPARE(QuestionUsed[asked], "T");
    QCOMPARE(AskedCount(), marks);

    STEP(StartGame(QStringLiteral("Ann"), 1, QStringLiteral("Bert"), 2));
    STEP(Roll(2));
    RandSeed = drawSeed;
    STEP(Move(frmPlayingField->IcoSelect1));
    QVERIFY(QuestionCursor != asked);
    QVERIFY(frmQuestion->lblQuestion->caption() != askedText);
}

void SideWindowsTest::startOverWithoutBankShowsErrorOverUsableSetup()
{
    GameHarness game;
    STEP(StartGame());
    STEP(Roll());
    QVERIFY(QFile::remove(game.bankPath()));
    STEP(AskStartOver());
    QTest::mouseClick(frmDialog->btnOk, Qt::LeftButton);

    QVERIFY(frmerror->isVisible());
    QVERIFY(frmerror->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(Form1->isVisible());
    QVERIFY(!frmPlayingField->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(frmerror));
    QCOMPARE(QApplication::focusWidget(), frmerror->OKButton);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // The setup window takes the player's name as ever.
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    QVERIFY(Form1->isEnabled());
    QCOMPARE(QApplication::focusWidget(), Form1->Edit1);
    QTest::keyClick(Form1->Edit1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Form1->Edit1, QStringLiteral("Dana"));
    QCOMPARE(Form1->lblplayer1->caption(), QStringLiteral("Dana"));
    QTest::keyClick(Form1->Edit1, Qt::Key_Return);
    QVERIFY(Form1->Pieces[0]->isVisible());
    QVERIFY(frmerror->isVisible());
}

void SideWindowsTest::catalogueOpensOnItsFirstPage()
{
    GameHarness game;
    TfrmProductInfo *catalogue = frmProductInfo;
    const auto checkFirstPage = [catalogue] {
        QCOMPARE(PageOf(catalogue->Notebook1), QStringLiteral("p1"));
        QCOMPARE(CatalogPage, std::uint8_t(1));
        QCOMPARE(catalogue->Panel1->caption(), QStringLiteral("Go To Next Page"));
        QCOMPARE(catalogue->windowTitle(), QStringLiteral("Halvorn Software Catalog - Brovell"));
    };
    STEP(checkFirstPage());
    STEP(StartGame());
    for (int showing = 1; showing <= 2; ++showing) {
        QTest::mouseClick(frmPlayingField->Button4, Qt::LeftButton);
        QVERIFY(catalogue->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(catalogue));
        STEP(checkFirstPage());
        catalogue->close();
        QVERIFY(!catalogue->isVisible());
    }
}

void SideWindowsTest::catalogueRing_data()
{
    QTest::addColumn<QString>("clicks"); // '<' previous, '>' next
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("caption");

    const QString brovell = QStringLiteral("Halvorn Software Catalog - Brovell");
    const QString quintarra = QStringLiteral("Halvorn Software Catalog - Quintarra");
    const QString contact = QStringLiteral("Halvorn Software");

    QTest::newRow("previous") << "<" << "p3" << "Page 3 of 3" << contact;
    QTest::newRow("next") << ">" << "p2" << "Page 2 of 3" << quintarra;
    QTest::newRow("previous twice") << "<<" << "p2" << "Page 2 of 3" << quintarra;
    QTest::newRow("next twice") << ">>" << "p3" << "Page 3 of 3" << contact;
    QTest::newRow("previous thrice") << "<<<" << "p1" << "Page 1 of 3" << brovell;
    QTest::newRow("next thrice") << ">>>" << "p1" << "Page 1 of 3" << brovell;
    QTest::newRow("next then previous") << "><" << "p1" << "Page 1 of 3" << brovell;
    QTest::newRow("previous then next") << "<>" << "p1" << "Page 1 of 3" << brovell;
    QTest::newRow("next four times") << ">>>>" << "p2" << "Page 2 of 3" << quintarra;
    QTest::newRow("previous four times") << "<<<<" << "p3" << "Page 3 of 3" << contact;
    QTest::newRow("round and back") << ">>><<<<" << "p3" << "Page 3 of 3" << contact;
}

void SideWindowsTest::catalogueRing()
{
    QFETCH(QString, clicks);
    QFETCH(QString, page);
    QFETCH(QString, counter);
    QFETCH(QString, caption);

    GameHarness game;
    STEP(StartGame());
    QTest::mouseClick(frmPlayingField->Button4, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(frmProductInfo));
    for (QChar click : clicks)
        QTest::mouseClick(click == QLatin1Char('<') ? frmProductInfo->SpeedButton3 : frmProductInfo->SpeedButton4,
                          Qt::LeftButton);

    QCOMPARE(PageOf(frmProductInfo->Notebook1), page);
    QCOMPARE(frmProductInfo->Panel1->caption(), counter);
    QCOMPARE(frmProductInfo->windowTitle(), caption);
    QCOMPARE(CatalogPage, std::uint8_t(page.mid(1).toInt()));
    // The arrows stay on every page.
    QVERIFY(frmProductInfo->SpeedButton3->isVisible());
    QVERIFY(frmProductInfo->SpeedButton4->isVisible());
}

void SideWindowsTest::catalogueArrowsNeverTakeFocus()
{
    GameHarness game;
    STEP(StartGame());
    QTest::mouseClick(frmPlayingField->Button4, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(frmProductInfo));
    const QList<QToolButton *> arrows = {frmProductInfo->SpeedButton3, frmProductInfo->SpeedButton4};
    for (QToolButton *arrow : arrows) {
        QCOMPARE(arrow->focusPolicy(), Qt::NoFocus);
        for (int click = 1; click <= 3; ++click) {
            QTest::mouseClick(arrow, Qt::LeftButton);
            QVERIFY(!arrow->hasFocus());
            // Tab walks the page without ever stopping on an arrow.
            for (int tab = 1; tab <= 6; ++tab) {
                PressKey(frmProductInfo, Qt::Key_Tab);
                QVERIFY(!arrows.contains(QApplication::focusWidget()));
            }
        }
    }
}

void SideWindowsTest::catalogueOkLivesOnContactPageAndHides()
{
    GameHarness game;
    TfrmProductInfo *catalogue = frmProductInfo;
    // One Ok in the whole window, on the contact page.
    int oks = 0;
    for (QAbstractButton *button : catalogue->findChildren<QAbstractButton *>())
        oks += button->text() == QStringLiteral("&Ok") ? 1 : 0;
    QCOMPARE(oks, 1);
    QCOMPARE(catalogue->SpeedButton1->text(), QStringLiteral("&Ok"));
    QWidget *contact = catalogue->Notebook1->findChild<QWidget *>(QStringLiteral("p3"));
    QVERIFY(contact);
    QVERIFY(contact->isAncestorOf(catalogue->SpeedButton1));

    STEP(StartGame());
    QTest::mouseClick(frmPlayingField->Button4, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(catalogue));
    QVERIFY(!catalogue->SpeedButton1->isVisible());
    QTest::mouseClick(catalogue->SpeedButton3, Qt::LeftButton);
    QVERIFY(catalogue->SpeedButton1->isVisible());

    QVERIFY(!GameHarness::endsProgram([catalogue] { QTest::mouseClick(catalogue->SpeedButton1, Qt::LeftButton); }, 300));
    QVERIFY(!catalogue->isVisible());
    QVERIFY(frmPlayingField->isVisible());

    // It reopens where it was left.
    QTest::mouseClick(frmPlayingField->Button4, Qt::LeftButton);
    QVERIFY(catalogue->isVisible());
    QCOMPARE(PageOf(catalogue->Notebook1), QStringLiteral("p3"));
    QCOMPARE(catalogue->Panel1->caption(), QStringLiteral("Page 3 of 3"));
    QCOMPARE(catalogue->windowTitle(), QStringLiteral("Halvorn Software"));
    QCOMPARE(CatalogPage, std::uint8_t(3));
}

void SideWindowsTest::helpPagesAndReopening()
{
    GameHarness game;
    const QStringList pages = {QStringLiteral("License"), QStringLiteral("Playing the Game"),
                               QStringLiteral("Instructions"), QStringLiteral("About")};
    QCOMPARE(frmHelp->Tabbedbook->count(), pages.size());
    for (int page = 0; page < pages.size(); ++page)
        QCOMPARE(frmHelp->Tabbedbook->tabText(page), pages[page]);

    STEP(StartGame());
    QTest::mouseClick(frmPlayingField->Button3, Qt::LeftButton);
    QVERIFY(frmHelp->isVisible());
    QCOMPARE(HelpPage(), QStringLiteral("Playing the Game"));
    STEP(ClickHelpTab(QStringLiteral("Instructions")));
    QVERIFY(!GameHarness::endsProgram([] { frmHelp->close(); }, 300));
    QVERIFY(!frmHelp->isVisible());

    QTest::mouseClick(frmPlayingField->Button3, Qt::LeftButton);
    QVERIFY(frmHelp->isVisible());
    QCOMPARE(HelpPage(), QStringLiteral("Instructions"));
}

void SideWindowsTest::endPictureShowsAbout_data()
{
    QTest::addColumn<QString>("pageBefore");
    QTest::addColumn<bool>("helpOpen");

    for (const char *page : {"License", "Playing the Game", "Instructions", "About"}) {
        QTest::addRow("help hidden on %s", page) << QString::fromLatin1(page) << false;
        QTest::addRow("help open on %s", page) << QString::fromLatin1(page) << true;
    }
}

void SideWindowsTest::endPictureShowsAbout()
{
    QFETCH(QString, pageBefore);
    QFETCH(bool, helpOpen);

    GameHarness game;
    frmHelp->show();
    QVERIFY(QTest::qWaitForWindowActive(frmHelp));
    STEP(ClickHelpTab(pageBefore));
    // The player moved the help window aside.
    frmHelp->move(frmHelp->pos() + QPoint(-40, 30));
    const QPoint placed = frmHelp->pos();
    if (!helpOpen)
        frmHelp->close();

    frmEnd->show();
    QVERIFY(QTest::qWaitForWindowActive(frmEnd));
    QTest::mouseClick(frmEnd->Image9, Qt::LeftButton);
    QVERIFY(frmHelp->isVisible());
    QCOMPARE(HelpPage(), QStringLiteral("About"));
    QCOMPARE(frmHelp->pos(), placed);
    QVERIFY(frmEnd->isVisible());

    // Ok on the About page hides help and nothing more.
    QVERIFY(frmHelp->Button1->isVisible());
    QVERIFY(!GameHarness::endsProgram([] { QTest::mouseClick(frmHelp->Button1, Qt::LeftButton); }, 300));
    QVERIFY(!frmHelp->isVisible());
    QVERIFY(frmEnd->isVisible());
}

void SideWindowsTest::helpDieFacesAreSixDistinctPictures()
{
    GameHarness game;
    QList<QImage> faces;
    for (int pips = 1; pips <= 6; ++pips) {
        const Image *face = frmHelp->DieFace(pips);
        QVERIFY(face);
        QCOMPARE(face->objectName(), QStringLiteral("dice%1").arg(pips));
        QCOMPARE(face->picture().size(), QSize(32, 32));
        const QImage image = face->picture().toImage();
        for (int other = 0; other < faces.size(); ++other)
            QVERIFY2(image != faces[other], qPrintable(QStringLiteral("dice%1 is dice%2").arg(pips).arg(other + 1)));
        faces.append(image);
    }
}

void SideWindowsTest::rollShowsTheMatchingFace_data()
{
    QTest::addColumn<int>("pips");
    for (int pips = 1; pips <= 6; ++pips)
        QTest::addRow("%d", pips) << pips;
}

void SideWindowsTest::rollShowsTheMatchingFace()
{
    QFETCH(int, pips);

    GameHarness game;
    STEP(StartGame());
    // No face before the first roll.
    QVERIFY(!frmPlayingField->IcoDice->isVisible() || frmPlayingField->IcoDice->picture().isNull());
    STEP(Roll(pips));
    QVERIFY(frmPlayingField->IcoDice->isVisible());
    QCOMPARE(frmPlayingField->IcoDice->picture().toImage(), frmHelp->DieFace(pips)->picture().toImage());
    // The face shown is the roll the move uses: player 1 sets out from square 1.
    const TrackPoint ahead = BoardTrack[static_cast<std::size_t>(1 + pips)];
    QCOMPARE(frmPlayingField->IcoSelect1->pos(), QPoint(ahead.left, ahead.top));
}

void SideWindowsTest::manualTellsWhatThePlayerSees_data()
{
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<bool>("told");
    QTest::addColumn<Action>("fact");

    // Each row is a phrase the manual holds (or must not hold) and what the
    // program does that makes it true, checked on a game under way.
    const Action dashedFrames([] {
        STEP(Roll());
        const QImage frame = frmPlayingField->IcoSelect1->picture().toImage();
        QVERIFY(DashesAlongTopEdge(frame) >= 3);
        QCOMPARE(frame.pixelColor(16, 16).alpha(), 0);
    });
    const Action stillFrames([] {
        STEP(Roll());
        const QImage still = QImage(QStringLiteral(":/select.png")).convertToFormat(QImage::Format_ARGB32);
        for (const Image *frame : {frmPlayingField->IcoSelect1, frmPlayingField->IcoSelect2}) {
            QVERIFY(frame->isVisible());
            QCOMPARE(frame->picture().toImage().convertToFormat(QImage::Format_ARGB32), still);
        }
        QImageReader reader(QStringLiteral(":/select.png"));
        QVERIFY(!reader.supportsAnimation());
        QCOMPARE(reader.imageCount(), 1);
    });
    const Action diceButton([] {
        QCOMPARE(frmPlayingField->btnDice->text().trimmed(), QStringLiteral("Dice"));
        STEP(Roll());
    });
    const Action loopOf22([] {
        QCOMPARE(int(SquareCount), 22);
        QCOMPARE(int(ForwardSquareOf(22, 1)), 1);
        QCOMPARE(int(BackwardSquareOf(1, 1)), 22);
    });
    const Action answerKeys([] {
        STEP(Roll());
        STEP(Move(frmPlayingField->IcoSelect1));
        for (int line = 0; line < 3; ++line)
            QVERIFY(frmQuestion->AnswerLines[line]->caption().startsWith(QString(QChar('A' + line)) + ')'));
        // The key goes wherever the keyboard sends it.
        QTest::keyClick(QGuiApplication::focusWindow(), char('a' + GameHarness::rightLine() - 1));
        QVERIFY(!frmQuestion->isVisible());
    });
    const Action continuePassesTheTurn([] {
        STEP(Roll());
        STEP(Move(frmPlayingField->IcoSelect1));
        QCOMPARE(frmQuestion->btncontinue->text(), QStringLiteral("Continue"));
        STEP(Answer(false));
        QCOMPARE(frmQuestion->lblTurn->caption(), QStringLiteral("2"));
    });
    const Action lettersAsStars([] {
        STEP(Roll());
        STEP(Move(frmPlayingField->IcoSelect1));
        QCOMPARE(frmQuestion->Label3->caption(), QStringLiteral("L o v e"));
        const Label *const places[] = {frmQuestion->lblLove, frmQuestion->lbllove2, frmQuestion->lblLove3,
                                       frmQuestion->lbl4};
        for (const Label *place : places) {
            QVERIFY(place->isVisible());
            QCOMPARE(place->caption(), QStringLiteral("*"));
            QVERIFY(place->geometry().bottom() < frmQuestion->Label3->geometry().top());
        }
    });
    const auto cornerQuestion = [](std::uint8_t lettersHeld, const QString &status) {
        return Action([lettersHeld, status] {
            CornerCount[1] = lettersHeld;
            // From square 1 a roll of 5 reaches square 6, the corner of "o".
            STEP(Roll(5));
            STEP(Move(frmPlayingField->IcoSelect1));
            QCOMPARE(frmQuestion->lblStatus->caption(), status);
        });
    };
    const Action corners([] {
        // Squares 1, 6, 12 and 18 carry L, o, e and v.
        const TrackPoint l = BoardTrack[1], o = BoardTrack[6], e = BoardTrack[12], v = BoardTrack[18];
        QVERIFY(l.left < o.left && v.left < e.left && l.top < v.top && o.top < e.top);
        QCOMPARE(CornerIndexOfSquare(1), std::uint8_t(1));
        QCOMPARE(CornerIndexOfSquare(6), std::uint8_t(2));
        QCOMPARE(CornerIndexOfSquare(12), std::uint8_t(3));
        QCOMPARE(CornerIndexOfSquare(18), std::uint8_t(4));
    });
    const Action buttonsAskFirst([] {
        QCOMPARE(frmPlayingField->btnstartover->text(), QStringLiteral("Start Over"));
        QCOMPARE(frmPlayingField->Button2->text(), QStringLiteral("Quit"));
        QTest::mouseClick(frmPlayingField->Button2, Qt::LeftButton);
        QVERIFY(frmDialog->isVisible());
        QCOMPARE(frmDialog->btnOk->text(), QStringLiteral("OK"));
    });
    const Action helpShowsTheManual([] {
        QCOMPARE(frmPlayingField->Button3->text(), QStringLiteral("Help"));
        QTest::mouseClick(frmPlayingField->Button3, Qt::LeftButton);
        QVERIFY(frmHelp->isVisible());
        QVERIFY(frmHelp->isAncestorOf(frmHelp->Memo3));
    });
    const Action catalogue([] {
        QCOMPARE(frmPlayingField->Button4->text(), QStringLiteral("Other Software from Halvorn Computers"));
        QTest::mouseClick(frmPlayingField->Button4, Qt::LeftButton);
        QVERIFY(frmProductInfo->isVisible());
    });
    const Action bankFromTheCurrentFolder([] {
        // The harness starts the game in a scratch folder holding the bank;
        // none lies beside the program.
        QVERIFY(QFile::exists(QDir::current().filePath(BankFileName)));
        QVERIFY(!QFile::exists(QDir(QCoreApplication::applicationDirPath()).filePath(BankFileName)));
        QVERIFY(!frmerror->isVisible());
        const std::string_view first = QuestionText[1].view();
        QCOMPARE(QByteArray(first.data(), qsizetype(first.size())), ShippedBank().left(ShippedBank().indexOf('"')));
    });
    const Action fieldWidths([] {
        QCOMPARE(QuestionText[1].capacity, std::size_t(73));
        QCOMPARE(AnswerText[1][1].capacity, std::size_t(26));
    });

    QTest::newRow("frames are dashed") << "are marked with dashed frames; click one of the two frames" << true
                                       << dashedFrames;
    QTest::newRow("frames do not flash") << "flash" << false << stillFrames;
    QTest::newRow("frames do not blink") << "blink" << false << stillFrames;
    QTest::newRow("the die is a button") << "click the Dice button to roll the die" << true << diceButton;
    QTest::newRow("the track") << "The track is a closed loop of 22 squares" << true << loopOf22;
    QTest::newRow("answer keys") << "press the A, B or C key" << true << answerKeys;
    QTest::newRow("continue") << "After a wrong answer, press Continue, and it is the other player's turn" << true
                              << continuePassesTheTurn;
    QTest::newRow("letters as stars") << "four stars over the letters \"L o v e\"" << true << lettersAsStars;
    QTest::newRow("corner question") << "\"This question is for the square!\"" << true
                                     << cornerQuestion(0, QStringLiteral("This question is for the square!"));
    QTest::newRow("last letter") << "\"This question is for the game!!!\" for your last letter" << true
                                 << cornerQuestion(3, QStringLiteral("This question is for the game!!!"));
    QTest::newRow("corners") << "L is the top-left corner, O the top-right, E the bottom-right and V the bottom-left"
                             << true << corners;
    QTest::newRow("buttons ask first")
        << "\"Start Over\" begins a new game and \"Quit\" closes Korvane, each once you confirm it with OK" << true
        << buttonsAskFirst;
    QTest::newRow("help") << "\"Help\" opens this window" << true << helpShowsTheManual;
    QTest::newRow("catalogue") << "\"Other Software from Halvorn Computers\" shows our other games" << true
                               << catalogue;
    QTest::newRow("bank folder") << "quarl3.tqz, which the game reads from the folder it is started in" << true
                                 << bankFromTheCurrentFolder;
    QTest::newRow("bank size") << "100 lines in all" << true << Action([] { QCOMPARE(BankSlots, std::size_t(100)); });
    QTest::newRow("field widths") << "each question to 73 characters and each answer to 26, or the game cuts them short"
                                  << true << fieldWidths;
}

void SideWindowsTest::manualTellsWhatThePlayerSees()
{
    QFETCH(QString, phrase);
    QFETCH(bool, told);
    QFETCH(Action, fact);

    GameHarness game;
    STEP(StartGame());
    const bool found = Manual().contains(phrase, Qt::CaseInsensitive);
    QVERIFY2(found == told, qPrintable(QStringLiteral("the manual %1 \"%2\"").arg(told ? "lacks" : "says", phrase)));
    fact();
}

QTEST_MAIN(SideWindowsTest)
#include "SideWindowsTest.moc"
