// The board window: rolls, destinations, moves and the hand-off to the
// question window.
#include "tests/GameHarness.h"

#include "app/Random.h"
#include "app/SharedState.h"
#include "forms/Dialog.h"
#include "forms/Game.h"
#include "forms/Help1.h"
#include "forms/Info.h"
#include "forms/Question.h"
#include "forms/Title2.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

namespace {

QPoint PointOf(std::int8_t square)
{
    return QPoint(BoardTrack[square].left, BoardTrack[square].top);
}

// A key pressed on the player's keyboard: it goes to the focus.
void PressKey(Qt::Key key)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus && focus->isActiveWindow());
    QTest::keyClick(focus, key);
}

} // namespace

class BoardTest : public QObject {
    Q_OBJECT

private slots:
    void rollShowsItsFaceAndBothDestinations_data();
    void rollShowsItsFaceAndBothDestinations();
    void moveHandsTheSquareToTheQuestionWindow_data();
    void moveHandsTheSquareToTheQuestionWindow();
    void aFrameOverTheOtherPieceTakesTheClick();
    void clickingAPieceDoesNothing();
    void theDieRollsOncePerMove();
    void keysDoNothingWhileTheSquaresWait_data();
    void keysDoNothingWhileTheSquaresWait();
    void pauseBlocksForItsLength();
};

void BoardTest::rollShowsItsFaceAndBothDestinations_data()
{
    QTest::addColumn<int>("roll");
    QTest::addColumn<int>("forward");
    QTest::addColumn<int>("backward");
    // Player 1 starts on square 1.
    QTest::newRow("1") << 1 << 2 << 22;
    QTest::newRow("3") << 3 << 4 << 20;
    QTest::newRow("5: two corners") << 5 << 6 << 18;
    QTest::newRow("6") << 6 << 7 << 17;
}

void BoardTest::rollShowsItsFaceAndBothDestinations()
{
    QFETCH(int, roll);
    QFETCH(int, forward);
    QFETCH(int, backward);
    GameHarness game;
    GameHarness::startGame();
    GameHarness::seedNextRoll(roll);
    frmPlayingField->btnDice->click();

    TfrmPlayingField *board = frmPlayingField;
    QVERIFY(board->IcoDice->isVisible());
    QCOMPARE(board->IcoDice->picture().toImage(), frmHelp->DieFace(roll)->picture().toImage());
    QCOMPARE(ForwardSquare, std::int8_t(forward));
    QCOMPARE(BackwardSquare, std::int8_t(backward));
    QVERIFY(board->IcoSelect1->isVisible() && board->IcoSelect2->isVisible());
    QCOMPARE(board->IcoSelect1->pos(), PointOf(std::int8_t(forward)));
    QCOMPARE(board->IcoSelect2->pos(), PointOf(std::int8_t(backward)));
    QCOMPARE(board->Panel1->caption(), QStringLiteral("  Click on the square where you want to move.  "));
    QCOMPARE(board->lblPlayaz->caption(), QStringLiteral("Alice's Turn"));
    QVERIFY(!board->btnDice->isEnabled());
}

void BoardTest::moveHandsTheSquareToTheQuestionWindow_data()
{
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("square");
    QTest::newRow("forward to 6") << true << 6;
    QTest::newRow("backward to 18") << false << 18;
}

void BoardTest::moveHandsTheSquareToTheQuestionWindow()
{
    QFETCH(bool, forward);
    QFETCH(int, square);
    GameHarness game;
    GameHarness::startGame(QStringLiteral("Fifteen Letters and more"), 4, QStringLiteral("Bob"), 2);
    GameHarness::seedNextRoll(5);
    TfrmPlayingField *board = frmPlayingField;
    board->btnDice->click();
    QTest::mouseClick(forward ? board->IcoSelect1 : board->IcoSelect2, Qt::LeftButton);

    QCOMPARE(board->IcoPiece1->pos(), PointOf(std::int8_t(square)));
    QCOMPARE(PieceSquare[1], std::int8_t(square));
    QCOMPARE(frmQuestion->Image1->picture().toImage(), board->IcoPiece1->picture().toImage());
    QVERIFY(!board->IcoSelect1->isVisible() && !board->IcoSelect2->isVisible() && !board->IcoDice->isVisible());
    QVERIFY(frmQuestion->isVisible());
    QCOMPARE(frmQuestion->lblcornerposit->caption(), QString::number(square));
    // The question window read the square when it was shown: a corner question.
    QCOMPARE(frmQuestion->lblStatus->caption(), QStringLiteral("This question is for the square!"));
    QCOMPARE(frmQuestion->lblPlayername->caption(), QStringLiteral("Fifteen Letters's"));
    QCOMPARE(board->Panel1->caption(), QStringLiteral("  Click on the right answer"));
    QVERIFY(!board->lblPlayaz->isVisible());
}

void BoardTest::aFrameOverTheOtherPieceTakesTheClick()
{
    GameHarness game;
    GameHarness::startGame();
    // Player 1 goes back 6 to square 17, then back 5 onto player 2's square 12.
    GameHarness::seedNextRoll(6);
    frmPlayingField->btnDice->click();
    QTest::mouseClick(frmPlayingField->IcoSelect2, Qt::LeftButton);
    QTest::mouseClick(frmQuestion->AnswerLines[GameHarness::rightLine() - 1], Qt::LeftButton);
    GameHarness::seedNextRoll(5);
    frmPlayingField->btnDice->click();
    QCOMPARE(BackwardSquare, std::int8_t(12));
    QCOMPARE(frmPlayingField->IcoSelect2->pos(), frmPlayingField->IcoPiece2->pos());
    // The frame lies over player 2's piece and takes the click.
    const QPoint centre = frmPlayingField->IcoSelect2->geometry().center();
    QCOMPARE(frmPlayingField->childAt(centre), frmPlayingField->IcoSelect2);
    QTest::mouseClick(frmPlayingField->IcoSelect2, Qt::LeftButton);
    QCOMPARE(PieceSquare[1], std::int8_t(12));
    QCOMPARE(frmPlayingField->IcoPiece1->pos(), frmPlayingField->IcoPiece2->pos());
    // Player 1's piece is drawn over player 2's.
    QCOMPARE(frmPlayingField->childAt(centre), frmPlayingField->IcoPiece1);
}

void BoardTest::clickingAPieceDoesNothing()
{
    GameHarness game;
    GameHarness::startGame();
    QTest::mouseClick(frmPlayingField->IcoPiece1, Qt::LeftButton);
    QVERIFY(!frmQuestion->isVisible());
    QCOMPARE(frmPlayingField->IcoPiece1->pos(), PointOf(1));
    QVERIFY(frmPlayingField->btnDice->isEnabled());
}

void BoardTest::theDieRollsOncePerMove()
{
    GameHarness game;
    GameHarness::startGame();
    frmPlayingField->btnDice->click();
    const QImage face = frmPlayingField->IcoDice->picture().toImage();
    const std::uint32_t seed = RandSeed;
    // Keyboard and mouse both reach only a disabled button now.
    QTest::keyClick(frmPlayingField->btnDice, Qt::Key_Space);
    QTest::mouseClick(frmPlayingField->btnDice, Qt::LeftButton);
    QCOMPARE(RandSeed, seed);
    QCOMPARE(frmPlayingField->IcoDice->picture().toImage(), face);
}

void BoardTest::keysDoNothingWhileTheSquaresWait_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void BoardTest::keysDoNothingWhileTheSquaresWait()
{
    QFETCH(int, key);
    GameHarness game;
    GameHarness::startGame();
    QVERIFY(QTest::qWaitForWindowActive(frmPlayingField));
    QCOMPARE(QApplication::focusWidget(), frmPlayingField->btnDice);

    // A roll by keyboard, then the same key again, as a quick double press.
    PressKey(Qt::Key(key));
    QVERIFY(frmPlayingField->IcoSelect1->isVisible());
    const std::uint32_t seed = RandSeed;
    PressKey(Qt::Key(key));
    const QList<const QWidget *> others = {frmProductInfo, frmDialog, frmHelp, frmQuestion};
    for (const QWidget *window : others)
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    QCOMPARE(QApplication::activeWindow(), frmPlayingField);
    QCOMPARE(RandSeed, seed);
    QVERIFY(frmPlayingField->IcoSelect1->isVisible() && frmPlayingField->IcoSelect2->isVisible());

    // Once the question is answered, the die has the focus again.
    QTest::mouseClick(frmPlayingField->IcoSelect1, Qt::LeftButton);
    QTest::mouseClick(frmQuestion->AnswerLines[GameHarness::rightLine() - 1], Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), frmPlayingField->btnDice);
}

void BoardTest::pauseBlocksForItsLength()
{
    GameHarness game;
    GameHarness::startGame();
    MovePauseMs = StandardMovePauseMs;
    frmPlayingField->btnDice->click();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(frmPlayingField->IcoSelect1, Qt::LeftButton);
    const qint64 paused = clock.elapsed();
    QVERIFY2(paused >= 1037, qPrintable(QString::number(paused)));
    QVERIFY(frmQuestion->isVisible());
}

QTEST_MAIN(BoardTest)
#include "BoardTest.moc"
