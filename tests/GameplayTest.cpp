// Whole games through the real windows, and the question window's own rules.
#include "tests/GameHarness.h"

#include "app/Random.h"
#include "app/SharedState.h"
#include "app/Windows1252.h"
#include "forms/End1.h"
#include "forms/Game.h"
#include "forms/Question.h"
#include "forms/Title2.h"

#include <QApplication>
#include <QTest>

namespace {

int Turn()
{
    return frmQuestion->lblTurn->caption().toInt();
}

const Label *NameLabel(int player)
{
    return player == 1 ? Form1->lblplayer1 : Form1->lblplayer2;
}

// The letters a player holds, as the letter places show them: L, o, v, e.
QString LettersOf(int player)
{
    const auto &won = CornerLetter[static_cast<std::size_t>(player)];
    return QString() + (won[1] ? 'L' : '*') + (won[2] ? 'o' : '*') + (won[4] ? 'v' : '*') + (won[3] ? 'e' : '*');
}

QString LettersShown()
{
    return frmQuestion->lblLove->caption() + frmQuestion->lbllove2->caption() + frmQuestion->lblLove3->caption()
        + frmQuestion->lbl4->caption();
}

int LettersWon(int player)
{
    int won = 0;
    for (std::size_t corner = 1; corner <= 4; ++corner)
        won += CornerLetter[static_cast<std::size_t>(player)][corner];
    return won;
}

// Prefers a corner whose letter the player lacks, else goes forward.
Image *ChooseDestination(int player)
{
    const auto lacks = [player](std::int8_t square) {
        const std::uint8_t corner = CornerIndexOfSquare(square);
        return corner != 0 && CornerLetter[static_cast<std::size_t>(player)][corner] == 0;
    };
    if (!lacks(ForwardSquare) && lacks(BackwardSquare))
        return frmPlayingField->IcoSelect2;
    return frmPlayingField->IcoSelect1;
}

void Answer(int line, bool byKey)
{
    if (byKey)
        QTest::keyClick(frmQuestion, char('a' + line - 1));
    else
        QTest::mouseClick(frmQuestion->AnswerLines[line - 1], Qt::LeftButton);
}

int WrongLine()
{
    return GameHarness::rightLine() % 3 + 1;
}

void ShowQuestionFor(int player, int square)
{
    frmQuestion->lblTurn->setCaption(QString::number(player));
    frmQuestion->lblcornerposit->setCaption(QString::number(square));
    frmQuestion->show();
}

} // namespace

class GameplayTest : public QObject {
    Q_OBJECT

private slots:
    void wholeGameFromSetupToVictory_data();
    void wholeGameFromSetupToVictory();
    void questionShowsAnUnaskedEntryWithItsAnswersRotated();
    void cornerQuestions_data();
    void cornerQuestions();
    void keysAnswerInEitherCaseOnlyWhileNoControlHasTheFocus_data();
    void keysAnswerInEitherCaseOnlyWhileNoControlHasTheFocus();
    void wrongAnswerWaitsForContinue();
    void openQuestionCannotBeClosedOrLeftBehind();
    void endWindowBouncesAndOpensHelpOnAbout();
};

void GameplayTest::wholeGameFromSetupToVictory_data()
{
    QTest::addColumn<std::uint32_t>("seed");
    QTest::addColumn<bool>("byKey");
    QTest::newRow("seed 1, clicks") << 1u << false;
    QTest::newRow("seed 42, keys") << 42u << true;
    QTest::newRow("seed 20261207, clicks") << 20261207u << false;
    QTest::newRow("seed 0xFFFFFFFF, keys") << 0xFFFFFFFFu << true;
}

void GameplayTest::wholeGameFromSetupToVictory()
{
    QFETCH(std::uint32_t, seed);
    QFETCH(bool, byKey);
    GameHarness game;
    GameHarness::startGame(QStringLiteral("Alexandra the Bold"), 4, QStringLiteral("Bob"), 7);
    RandSeed = seed;
    TfrmPlayingField *board = frmPlayingField;
    bool announcedSquare = false;
    bool announcedGame = false;

    for (int move = 0; move < 2000 && !frmEnd->isVisible(); ++move) {
        const int player = Turn();
        QVERIFY(player == 1 || player == 2);
        QVERIFY(board->btnDice->isEnabled());
        for (std::size_t p = 1; p <= 2; ++p)
            QCOMPARE((p == 1 ? board->IcoPiece1 : board->IcoPiece2)->pos(),
                     QPoint(BoardTrack[PieceSquare[p]].left, BoardTrack[PieceSquare[p]].top));

        board->btnDice->click();
        QCOMPARE(CurrentPlayer, std::uint8_t(player));
        QTest::mouseClick(ChooseDestination(player), Qt::LeftButton);
        QVERIFY(frmQuestion->isVisible());
        QCOMPARE(QuestionPlayer, std::uint8_t(player));
        QCOMPARE(LettersShown(), LettersOf(player));

        const bool corner = frmQuestion->lblcorner->caption() == QLatin1String("T");
        if (corner) {
            const bool forGame = LettersWon(player) == 3;
            QCOMPARE(frmQuestion->lblStatus->caption(), forGame ? QStringLiteral("This question is for the game!!!")
                                                                : QStringLiteral("This question is for the square!"));
            QVERIFY(!frmQuestion->Label2->isVisible());
            (forGame ? announcedGame : announcedSquare) = true;
        }

        // Corner questions are answered right; the others alternately wrong.
        const bool right = corner || move % 2 == 0;
        const int lettersBefore = LettersWon(player);
        Answer(right ? GameHarness::rightLine() : WrongLine(), byKey);
        if (!right) {
            QCOMPARE(frmQuestion->lblStatus->caption(), QStringLiteral("Sorry, but that is incorrect!"));
            if (byKey)
                QTest::keyClick(frmQuestion->btncontinue, Qt::Key_Return);
            else
                QTest::mouseClick(frmQuestion->btncontinue, Qt::LeftButton);
        }
        QVERIFY(!frmQuestion->isVisible());
        QCOMPARE(frmQuestion->lblcorner->caption(), QString());
        QCOMPARE(LettersWon(player), lettersBefore + (corner ? 1 : 0));
        QCOMPARE(int(CornerCount[std::size_t(player)]), LettersWon(player));
        if (frmEnd->isVisible())
            break;

        QVERIFY(board->lblPlayaz->isVisible());
        if (right) {
            QCOMPARE(Turn(), player);
            QCOMPARE(board->Panel1->caption(), QStringLiteral(" Good Job!!!  You get to roll again."));
            BoundedText<15> name(ToWindows1252(NameLabel(player)->caption()));
            QCOMPARE(board->lblPlayaz->caption(), FromWindows1252(name.view()) + QStringLiteral("'s Turn"));
        } else {
            QCOMPARE(Turn(), 3 - player);
            QCOMPARE(board->Panel1->caption(), QStringLiteral("  Click on the Dice to Roll"));
            // After a wrong answer the turn line names the next player in full.
            QCOMPARE(board->lblPlayaz->caption(), NameLabel(3 - player)->caption() + QStringLiteral("'s Turn"));
        }
    }

    QVERIFY(frmEnd->isVisible());
    QVERIFY(!frmPlayingField->isVisible());
    QVERIFY(announcedSquare && announcedGame);
    const int winner = Turn();
    QCOMPARE(frmEnd->lblGreat->caption(), QStringLiteral("Great Job, ") + NameLabel(winner)->caption() + QStringLiteral("!"));
    const Image *piece = winner == 1 ? board->IcoPiece1 : board->IcoPiece2;
    QCOMPARE(frmEnd->icoplayer->picture().toImage(), piece->picture().toImage());
    QVERIFY(board->btnDice->isEnabled());
    QVERIFY(QApplication::focusWidget() != board->btnDice);
}

void GameplayTest::questionShowsAnUnaskedEntryWithItsAnswersRotated()
{
    GameHarness game;
    GameHarness::startGame();
    std::array<int, 4> layouts{};
    for (int question = 0; question < 60; ++question) {
        const std::uint32_t seed = RandSeed;
        ShowQuestionFor(1, 3);
        const std::uint8_t entry = QuestionCursor;
        QCOMPARE(QuestionUsed[entry], std::string_view("T"));
        QCOMPARE(frmQuestion->lblQuestion->caption(), FromWindows1252(QuestionText[entry].view()));
        static const char *prefixes[] = {"A)  ", "B)  ", "C)  "};
        for (std::uint8_t line = 1; line <= 3; ++line)
            QCOMPARE(frmQuestion->AnswerLines[line - 1]->caption(),
                     QString::fromLatin1(prefixes[line - 1])
                         + FromWindows1252(AnswerText[entry][AnswerOnLine(AnswerLayout, line)].view()));
        ++layouts[AnswerLayout];
        QVERIFY(RandSeed != seed);
        Answer(GameHarness::rightLine(), false);
    }
    // 60 questions from 100: none repeated, so 60 marks.
    int asked = 0;
    for (std::size_t entry = 1; entry <= BankSlots; ++entry)
        asked += QuestionUsed[entry] == "T";
    QCOMPARE(asked, 60);
    QVERIFY(layouts[1] > 0 && layouts[2] > 0 && layouts[3] > 0);
}

void GameplayTest::cornerQuestions_data()
{
    QTest::addColumn<int>("player");
    QTest::addColumn<int>("square");
    QTest::addColumn<QList<int>>("held"); // corner indexes the player holds
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("cornerIndex");

    QTest::newRow("player 1 on 6 without the o") << 1 << 6 << QList<int>{} << "This question is for the square!" << 2;
    QTest::newRow("three letters: for the game") << 1 << 6 << QList<int>{1, 3, 4} << "This question is for the game!!!" << 2;
    QTest::newRow("player 2 on 12 holding the e") << 2 << 12 << QList<int>{3} << "" << 0;
    QTest::newRow("plain square") << 2 << 7 << QList<int>{} << "" << 0;
    QTest::newRow("player 2 on 18") << 2 << 18 << QList<int>{1} << "This question is for the square!" << 4;
    QTest::newRow("player 1 on 1") << 1 << 1 << QList<int>{2, 4} << "This question is for the square!" << 1;
}

void GameplayTest::cornerQuestions()
{
    QFETCH(int, player);
    QFETCH(int, square);
    QFETCH(QList<int>, held);
    QFETCH(QString, status);
    QFETCH(int, cornerIndex);
    GameHarness game;
    GameHarness::startGame();
    for (int corner : held)
        CornerLetter[std::size_t(player)][std::size_t(corner)] = 1;
    CornerCount[std::size_t(player)] = std::uint8_t(held.size());
    // The other player's letters must never show.
    CornerLetter[std::size_t(3 - player)] = {{1, 1, 1, 1}};
    CornerIndex = 0;

    ShowQuestionFor(player, square);
    const bool corner = cornerIndex != 0;
    QCOMPARE(frmQuestion->lblStatus->caption().trimmed(), status);
    QCOMPARE(frmQuestion->lblcorner->caption(), corner ? QStringLiteral("T") : QStringLiteral("F"));
    QCOMPARE(int(CornerIndex), cornerIndex);
    QCOMPARE(frmQuestion->Label2->isVisible(), !corner);
    QCOMPARE(LettersShown(), LettersOf(player));

    // A right answer wins exactly that corner's letter.
    Answer(GameHarness::rightLine(), false);
    QCOMPARE(LettersWon(player), int(held.size()) + (corner ? 1 : 0));
    if (corner)
        QCOMPARE(CornerLetter[std::size_t(player)][std::size_t(cornerIndex)], std::uint8_t(1));
    QCOMPARE(frmEnd->isVisible(), corner && held.size() == 3);
}

void GameplayTest::keysAnswerInEitherCaseOnlyWhileNoControlHasTheFocus_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("right");
    QTest::newRow("layout 3, b") << 3 << "b" << true;
    QTest::newRow("layout 3, B") << 3 << "B" << true;
    QTest::newRow("layout 3, a") << 3 << "a" << false;
    QTest::newRow("layout 2, C") << 2 << "C" << true;
    QTest::newRow("layout 2, b") << 2 << "b" << false;
    QTest::newRow("layout 1, A") << 1 << "A" << true;
    QTest::newRow("layout 1, c") << 1 << "c" << false;
}

void GameplayTest::keysAnswerInEitherCaseOnlyWhileNoControlHasTheFocus()
{
    QFETCH(int, layout);
    QFETCH(QString, key);
    QFETCH(bool, right);
    GameHarness game;
    GameHarness::startGame();
    ShowQuestionFor(1, 3);
    AnswerLayout = std::uint8_t(layout);

    QTest::keyClick(frmQuestion, 'x');
    QTest::keyClick(frmQuestion, Qt::Key_Return);
    QVERIFY(frmQuestion->isVisible());
    QVERIFY(!frmQuestion->btncontinue->isVisible());

    QTest::keyClicks(frmQuestion, key);
    QCOMPARE(frmQuestion->isVisible(), !right);
    QCOMPARE(Turn(), 1);
    if (!right) {
        // Now Continue holds the focus: the answer keys judge nothing more.
        QTest::keyClicks(frmQuestion->btncontinue, QStringLiteral("abcABC"));
        QVERIFY(frmQuestion->isVisible());
        QCOMPARE(AnswerVerdict, std::string_view("F"));
    }
}

void GameplayTest::wrongAnswerWaitsForContinue()
{
    GameHarness game;
    GameHarness::startGame(QStringLiteral("Alice"), 1, QStringLiteral("A very long name indeed"), 2);
    frmQuestion->lblTurn->setCaption(QStringLiteral("2"));
    frmPlayingField->btnDice->click();
    QTest::mouseClick(frmPlayingField->IcoSelect1, Qt::LeftButton);
    Answer(WrongLine(), false);

    QCOMPARE(frmQuestion->lblStatus->caption(), QStringLiteral("Sorry, but that is incorrect!"));
    QVERIFY(frmQuestion->btncontinue->isVisible());
    QCOMPARE(frmQuestion->focusWidget(), frmQuestion->btncontinue);
    for (const Label *line : frmQuestion->AnswerLines)
        QVERIFY(!line->isEnabled());
    for (const QWidget *part : {static_cast<QWidget *>(frmQuestion->Bevel5), static_cast<QWidget *>(frmQuestion->lblLove),
                                static_cast<QWidget *>(frmQuestion->Label2), static_cast<QWidget *>(frmQuestion->Label3)})
        QVERIFY(!part->isVisible());

    // Clicking the disabled lines does nothing, not even the right one.
    QTest::mouseClick(frmQuestion->AnswerLines[GameHarness::rightLine() - 1], Qt::LeftButton);
    QVERIFY(frmQuestion->isVisible());
    QVERIFY(!frmPlayingField->btnDice->isEnabled());

    QTest::mouseClick(frmQuestion->btncontinue, Qt::LeftButton);
    QVERIFY(!frmQuestion->isVisible());
    QCOMPARE(Turn(), 1);
    QVERIFY(frmPlayingField->btnDice->isEnabled());
    QCOMPARE(frmPlayingField->focusWidget(), frmPlayingField->btnDice);
    QCOMPARE(frmPlayingField->Panel1->caption(), QStringLiteral("  Click on the Dice to Roll"));
    QCOMPARE(frmPlayingField->lblPlayaz->caption(), QStringLiteral("Alice's Turn"));
    QCOMPARE(frmQuestion->lblStatus->caption(), QString());
    QVERIFY(!frmQuestion->btncontinue->isVisible());
}

void GameplayTest::openQuestionCannotBeClosedOrLeftBehind()
{
    GameHarness game;
    GameHarness::startGame();
    frmPlayingField->btnDice->click();
    QTest::mouseClick(frmPlayingField->IcoSelect1, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(frmQuestion));

    QVERIFY(!frmQuestion->close());
    QVERIFY(frmQuestion->isVisible());

    // Activating the board brings the question straight back to the front.
    frmPlayingField->activateWindow();
    QVERIFY(QTest::qWaitFor([] { return QApplication::activeWindow() == frmPlayingField; }, 500)
            || QApplication::activeWindow() == frmQuestion);
    QVERIFY(QTest::qWaitForWindowActive(frmQuestion));

    // Once answered it no longer comes back.
    Answer(GameHarness::rightLine(), false);
    frmPlayingField->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frmPlayingField));
    QTest::qWait(50);
    QVERIFY(!frmQuestion->isVisible());
}

void GameplayTest::endWindowBouncesAndOpensHelpOnAbout()
{
    GameHarness game;
    GameHarness::startGame();
    CornerCount[1] = 3;
    CornerLetter[1] = {{1, 0, 1, 1}};
    frmPlayingField->btnDice->click();
    ShowQuestionFor(1, 6);
    frmPlayingField->lblPlayaz->hide();
    Answer(GameHarness::rightLine(), false);
    QVERIFY(frmEnd->isVisible());
    QCOMPARE(frmEnd->icoplayer->pos(), QPoint(200, 140));
    QVERIFY(frmEnd->Timer1->isActive());
    QCOMPARE(frmEnd->Timer1->interval(), 100);
    QVERIFY(QTest::qWaitFor([] { return frmEnd->icoplayer->pos() != QPoint(200, 140); }, 1000));
    QCOMPARE(frmEnd->icoplayer->pos(), QPoint(205, 137));
}

QTEST_MAIN(GameplayTest)
#include "GameplayTest.moc"
