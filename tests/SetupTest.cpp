// The setup window through every stage, driven by keys and clicks.
#include "tests/GameHarness.h"

#include "app/SharedState.h"
#include "forms/Game.h"
#include "forms/Question.h"
#include "forms/Title2.h"

#include <QApplication>
#include <QTest>

namespace {

bool SamePicture(const QPixmap &a, const QPixmap &b)
{
    return !a.isNull() && a.toImage() == b.toImage();
}

bool PiecesShown()
{
    for (const Image *piece : Form1->Pieces)
        if (!piece->isVisible())
            return false;
    return true;
}

} // namespace

class SetupTest : public QObject {
    Q_OBJECT

private slots:
    void firstShowHasTheDesignTexts();
    void playersNameThemselvesAndPickPieces();
    void player1sPieceChoosesThePrompt_data();
    void player1sPieceChoosesThePrompt();
    void enterMovesOnLikeTabAndTypesNothing();
    void nameBoxSelectsItsTextUnlessClicked();
    void typingReplacesOnlyANameOfferedAnew_data();
    void typingReplacesOnlyANameOfferedAnew();
    void leavingWithoutTypingKeepsTheOfferedName();
    void namesAreCutOnTheBoardOnly_data();
    void namesAreCutOnTheBoardOnly();
    void player2MayChangeThePieceAndBothMayShareOne();
    void markupInANameIsShownAsTyped();
};

void SetupTest::firstShowHasTheDesignTexts()
{
    GameHarness game;
    Form1->show();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    QCOMPARE(Form1->lblEnter->caption(), QStringLiteral("Please enter your name:"));
    QCOMPARE(Form1->lblbar->caption(), QStringLiteral(" Player one, enter your name then press [Tab] or [Enter]."));
    QCOMPARE(Form1->lblplayer1->caption(), QStringLiteral("Player 1"));
    QCOMPARE(Form1->lblplayer2->caption(), QStringLiteral("Player 2"));
    QCOMPARE(Form1->Edit1->text(), QStringLiteral("Player1"));
    QCOMPARE(Form1->focusWidget(), Form1->Edit1);
    QCOMPARE(Form1->Edit1->selectedText(), QStringLiteral("Player1"));
    QVERIFY(!Form1->btnStart->isEnabled());
    QVERIFY(Form1->icop1->isVisible() && Form1->icop1->picture().isNull());
    for (const Image *piece : Form1->Pieces)
        QVERIFY(!piece->isVisible());
    // The second edit box lies wholly behind the name box.
    QVERIFY(Form1->Edit1->geometry().contains(Form1->Edit2->geometry()));
}

void SetupTest::playersNameThemselvesAndPickPieces()
{
    GameHarness game;
    Form1->show();
    QVERIFY(QTest::qWaitForWindowActive(Form1));

    // Naming player 1: the label follows the typing.
    QTest::keyClicks(Form1->Edit1, QStringLiteral("Ann"));
    QCOMPARE(Form1->lblplayer1->caption(), QStringLiteral("Ann"));
    QTest::keyClick(Form1->Edit1, Qt::Key_Tab);

    // Choosing piece 1.
    QVERIFY(PiecesShown());
    QCOMPARE(Form1->lblbar->caption(), QStringLiteral(" Select a playing piece by clicking on one."));
    QCOMPARE(Form1->lblEnter->caption(), QStringLiteral("Click on a playing piece"));
    QTest::mouseClick(Form1->Pieces[4], Qt::LeftButton);

    // Naming player 2.
    QCOMPARE(SetupStage, std::uint8_t(2));
    QVERIFY(SamePicture(Form1->icop1->picture(), Form1->Pieces[4]->picture()));
    QVERIFY(!Form1->Pieces[0]->isVisible());
    QCOMPARE(Form1->lblbar->caption(), QStringLiteral("Player two, enter your name."));
    QCOMPARE(Form1->lblEnter->caption(), QStringLiteral("Enter your name:"));
    QCOMPARE(Form1->lblplayer2->caption(), QStringLiteral("Player2"));
    QCOMPARE(Form1->focusWidget(), Form1->Edit1);
    QCOMPARE(Form1->Edit1->selectedText(), QStringLiteral("Player2"));
    QTest::keyClicks(Form1->Edit1, QStringLiteral("Bo"));
    QCOMPARE(Form1->lblplayer2->caption(), QStringLiteral("Bo"));
    QCOMPARE(Form1->lblplayer1->caption(), QStringLiteral("Ann"));
    QTest::keyClick(Form1->Edit1, Qt::Key_Return);

    // Choosing piece 2, then ready.
    QVERIFY(PiecesShown());
    QVERIFY(!Form1->btnStart->isEnabled());
    QTest::mouseClick(Form1->Pieces[7], Qt::LeftButton);
    QVERIFY(Form1->btnStart->isEnabled());
    QVERIFY(Form1->icop2->isVisible());
    QCOMPARE(Form1->lblbar->caption(), QStringLiteral("Click on the 'Start Game' button to play."));

    QTest::mouseClick(Form1->btnStart, Qt::LeftButton);
    QVERIFY(!Form1->isVisible());
    QVERIFY(frmPlayingField->isVisible());
    QVERIFY(SamePicture(frmPlayingField->IcoPiece1->picture(), Form1->Pieces[4]->picture()));
    QVERIFY(SamePicture(frmPlayingField->IcoPiece2->picture(), Form1->Pieces[7]->picture()));
    QCOMPARE(frmPlayingField->Panel1->caption(), QStringLiteral("  Click on the Dice to Roll"));
    QCOMPARE(frmPlayingField->lblPlayaz->caption(), QStringLiteral("Ann's Turn"));
    QCOMPARE(CurrentPlayer, std::uint8_t(1));
    QCOMPARE(PieceSquare[1], std::int8_t(1));
    QCOMPARE(PieceSquare[2], std::int8_t(12));
}

void SetupTest::player1sPieceChoosesThePrompt_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<QString>("prompt");
    for (int piece = 1; piece <= 8; ++piece)
        QTest::addRow("piece %d", piece) << piece
                                         << (piece == 3 ? QStringLiteral("Player 2:  Enter your name.")
                                                        : QStringLiteral("Player two, enter your name."));
}

void SetupTest::player1sPieceChoosesThePrompt()
{
    QFETCH(int, piece);
    QFETCH(QString, prompt);
    GameHarness game;
    Form1->show();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    QTest::keyClick(Form1->Edit1, Qt::Key_Return);
    QTest::mouseClick(Form1->Pieces[piece - 1], Qt::LeftButton);
    QCOMPARE(Form1->lblbar->caption(), prompt);
    QVERIFY(SamePicture(Form1->icop1->picture(), QPixmap(QStringLiteral(":/piece%1.png").arg(piece))));
}

void SetupTest::enterMovesOnLikeTabAndTypesNothing()
{
    GameHarness game;
    Form1->show();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    QTest::keyClicks(Form1->Edit1, QStringLiteral("Zed"));
    QTest::keyClick(Form1->Edit1, Qt::Key_Return);
    QCOMPARE(Form1->Edit1->text(), QStringLiteral("Zed"));
    // "Start Game" is disabled, so the focus lands on the box behind.
    QCOMPARE(Form1->focusWidget(), Form1->Edit2);
    QCOMPARE(Form1->lblplayer1->caption(), QStringLiteral("Zed"));
    QVERIFY(PiecesShown());
}

void SetupTest::nameBoxSelectsItsTextUnlessClicked()
{
    GameHarness game;
    Form1->show();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    QTest::keyClick(Form1->Edit1, Qt::Key_Tab);
    QCOMPARE(Form1->focusWidget(), Form1->Edit2);

    // Back by keyboard: selected, so typing replaces it.
    QTest::keyClick(Form1->Edit2, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(Form1->focusWidget(), Form1->Edit1);
    QCOMPARE(Form1->Edit1->selectedText(), QStringLiteral("Player1"));

    // Back by mouse: the click places the caret, nothing is selected.
    QTest::keyClick(Form1->Edit1, Qt::Key_Tab);
    QTest::mouseClick(Form1->Edit1, Qt::LeftButton, {}, QPoint(100, 12));
    QCOMPARE(Form1->focusWidget(), Form1->Edit1);
    QVERIFY(Form1->Edit1->selectedText().isEmpty());
}

void SetupTest::typingReplacesOnlyANameOfferedAnew_data()
{
    QTest::addColumn<Action>("before");
    QTest::addColumn<QString>("typed"); // the name box after typing "Fay"

    QTest::newRow("player 2 offered while the box has the focus") << Action([] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::mouseClick(Form1->Edit1, Qt::LeftButton, {}, QPoint(100, 12));
        QTest::mouseClick(Form1->Pieces[0], Qt::LeftButton);
    }) << "Fay";
    QTest::newRow("back from another program") << Action([] {
        TypeText(QApplication::focusWidget(), QStringLiteral("Ann"));
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
    }) << "AnnFay";
}

void SetupTest::typingReplacesOnlyANameOfferedAnew()
{
    QFETCH(Action, before);
    QFETCH(QString, typed);
    GameHarness game;
    Form1->show();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    before();
    QCOMPARE(QApplication::focusWidget(), Form1->Edit1);
    TypeText(QApplication::focusWidget(), QStringLiteral("Fay"));
    QCOMPARE(Form1->Edit1->text(), typed);
}

void SetupTest::leavingWithoutTypingKeepsTheOfferedName()
{
    GameHarness game;
    Form1->show();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    QTest::keyClick(Form1->Edit1, Qt::Key_Tab);
    QCOMPARE(Form1->lblplayer1->caption(), QStringLiteral("Player1"));
    QTest::mouseClick(Form1->Pieces[0], Qt::LeftButton);
    QTest::keyClick(Form1->Edit1, Qt::Key_Tab);
    QCOMPARE(Form1->lblplayer2->caption(), QStringLiteral("Player2"));
}

void SetupTest::namesAreCutOnTheBoardOnly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("turnLine");
    QTest::newRow("empty") << QString() << QStringLiteral("'s Turn");
    QTest::newRow("15 characters") << QStringLiteral("Fifteen Letters") << QStringLiteral("Fifteen Letters's Turn");
    QTest::newRow("longer") << QStringLiteral("Bartholomew the Great") << QStringLiteral("Bartholomew the's Turn");
    QTest::newRow("accented") << QStringLiteral("Zoë Ångström") << QStringLiteral("Zoë Ångström's Turn");
}

void SetupTest::namesAreCutOnTheBoardOnly()
{
    QFETCH(QString, name);
    QFETCH(QString, turnLine);
    GameHarness game;
    GameHarness::startGame(name, 1, QStringLiteral("Bob"), 2);
    QCOMPARE(Form1->lblplayer1->caption(), name);
    QCOMPARE(frmPlayingField->lblPlayaz->caption(), turnLine);
}

void SetupTest::player2MayChangeThePieceAndBothMayShareOne()
{
    GameHarness game;
    GameHarness::setUpPlayers(QStringLiteral("Ann"), 6, QStringLiteral("Bo"), 6);
    QVERIFY(SamePicture(Form1->icop1->picture(), Form1->icop2->picture()));
    for (int piece : {2, 8, 3}) {
        QTest::mouseClick(Form1->Pieces[piece - 1], Qt::LeftButton);
        QVERIFY(SamePicture(Form1->icop2->picture(), Form1->Pieces[piece - 1]->picture()));
        QVERIFY(SamePicture(Form1->icop1->picture(), Form1->Pieces[5]->picture()));
        QCOMPARE(Form1->lblbar->caption(), QStringLiteral("Click on the 'Start Game' button to play."));
    }
    // Leaving the name box again puts back the piece prompts; Start stays enabled.
    Form1->Edit1->setFocus();
    QTest::keyClick(Form1->Edit1, Qt::Key_Tab);
    QCOMPARE(Form1->lblbar->caption(), QStringLiteral(" Select a playing piece by clicking on one."));
    QVERIFY(Form1->btnStart->isEnabled());
}

void SetupTest::markupInANameIsShownAsTyped()
{
    GameHarness game;
    const QString name = QStringLiteral("<b>Eve</b>");
    GameHarness::startGame(name, 1, QStringLiteral("Bob"), 2);
    QCOMPARE(Form1->lblplayer1->textFormat(), Qt::PlainText);
    QCOMPARE(frmPlayingField->lblPlayaz->textFormat(), Qt::PlainText);
    QCOMPARE(frmPlayingField->lblPlayaz->caption(), QStringLiteral("<b>Eve</b>'s Turn"));
}

QTEST_MAIN(SetupTest)
#include "SetupTest.moc"
