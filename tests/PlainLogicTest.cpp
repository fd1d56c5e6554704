// The game's rules without windows: the random generator, bounded texts, the
// board track, picking questions, the answer rotation and judging, the
// per-game reset, the end window's bounce and the catalogue ring.
#include "app/BoundedText.h"
#include "app/Random.h"
#include "forms/BoardTrack.h"
#include "forms/Bounce.h"
#include "forms/CatalogRing.h"
#include "forms/QuestionState.h"

#include <QList>
#include <QSet>
#include <QTest>

#include <set>
#include <string>
#include <vector>

using Numbers = QList<quint32>;

namespace {

void MarkAll(const char *flag)
{
    for (std::size_t slot = 1; slot <= BankSlots; ++slot)
        QuestionUsed[slot] = flag;
}

int CountMarked()
{
    int marked = 0;
    for (std::size_t slot = 1; slot <= BankSlots; ++slot)
        marked += QuestionUsed[slot] == "T" ? 1 : 0;
    return marked;
}

struct BounceState {
    BouncePosition point;
    BounceDirection flags;
    bool operator==(const BounceState &other) const
    {
        return point.top == other.point.top && point.left == other.point.left && flags.up == other.flags.up
               && flags.leftward == other.flags.leftward;
    }
};

// The states after 0, 1, ... steps from the end window's starting place.
std::vector<BounceState> BounceRun(int steps)
{
    std::vector<BounceState> run{{{132, 200}, {0, 0}}};
    for (int step = 1; step <= steps; ++step) {
        BounceState next = run.back();
        BounceStep(next.point, next.flags);
        run.push_back(next);
    }
    return run;
}

} // namespace

class PlainLogicTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void random_data();
    void random();
    void randomStaysBelowItsLimit_data();
    void randomStaysBelowItsLimit();

    void boundedText_data();
    void boundedText();
    void flag_data();
    void flag();

    void trackMoves_data();
    void trackMoves();
    void everyMoveStaysOnTheTrack();
    void trackPositions_data();
    void trackPositions();
    void cornerIndex_data();
    void cornerIndex();

    void pickSkipsAskedEntries_data();
    void pickSkipsAskedEntries();
    void pickWithEveryEntryAsked_data();
    void pickWithEveryEntryAsked();
    void pickWithOneEntryLeft_data();
    void pickWithOneEntryLeft();
    void pickWithOneEntryLeftFollowsTheDraws();

    void answerOnLine_data();
    void answerOnLine();
    void answerLayoutDraws();
    void checkAnswer_data();
    void checkAnswer();
    void resetPerGameState();

    void bounceSteps_data();
    void bounceSteps();
    void bounceRangesAndPeriods();

    void catalogRing_data();
    void catalogRing();
};

void PlainLogicTest::init()
{
    ZeroQuestionState();
    RandSeed = 0;
}

// Values worked out by hand from seed := seed * 134775813 + 1 (mod 2^32),
// draw := (seed * n) >> 32.
void PlainLogicTest::random_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<Numbers>("limits");
    QTest::addColumn<Numbers>("draws");
    QTest::addColumn<Numbers>("seeds");

    QTest::newRow("seed 0")
        << quint32(0) << Numbers{100, 100, 100, 100, 100} << Numbers{0, 3, 86, 20, 27}
        << Numbers{1, 134775814, 3698175007u, 870078620, 1172187917};
    QTest::newRow("seed 0xFFFFFFFF wraps")
        << quint32(0xFFFFFFFFu) << Numbers{100, 6, 3, 1} << Numbers{96, 1, 1, 0}
        << Numbers{4160191484u, 866343917, 2231304098u, 567969323};
    QTest::newRow("seed 12345, mixed limits")
        << quint32(12345) << Numbers{6, 6, 6, 100, 3} << Numbers{2, 1, 0, 55, 1}
        << Numbers{1655067934, 1242767767, 342459380, 2377737157u, 2721613530u};
    QTest::newRow("largest limit") << quint32(0x80000000u) << Numbers{100, 0xFFFFFFFFu}
                                   << Numbers{50, 2282259461u} << Numbers{2147483649u, 2282259462u};
}

void PlainLogicTest::random()
{
    QFETCH(quint32, seed);
    QFETCH(Numbers, limits);
    QFETCH(Numbers, draws);
    QFETCH(Numbers, seeds);

    RandSeed = seed;
    for (qsizetype i = 0; i < limits.size(); ++i) {
        QCOMPARE(quint32(Random(limits[i])), draws[i]);
        QCOMPARE(quint32(RandSeed), seeds[i]);
    }
}

void PlainLogicTest::randomStaysBelowItsLimit_data()
{
    QTest::addColumn<quint32>("limit");
    QTest::newRow("1") << quint32(1);
    QTest::newRow("3") << quint32(3);
    QTest::newRow("6") << quint32(6);
    QTest::newRow("100") << quint32(100);
}

void PlainLogicTest::randomStaysBelowItsLimit()
{
    QFETCH(quint32, limit);

    RandSeed = 0xFFFFFFFFu;
    std::set<quint32> seen;
    for (int draw = 0; draw < 200000; ++draw) {
        const quint32 value = Random(limit);
        QVERIFY(value < limit);
        seen.insert(value);
    }
    QCOMPARE(seen.size(), std::size_t(limit)); // and every value comes up
}

void PlainLogicTest::boundedText_data()
{
    QTest::addColumn<QByteArrayList>("appended"); // the first one assigned, the rest appended
    QTest::addColumn<QByteArray>("kept");

    QTest::newRow("short") << QByteArrayList{"abc"} << QByteArray("abc");
    QTest::newRow("exactly full") << QByteArrayList{"abcde"} << QByteArray("abcde");
    QTest::newRow("too long") << QByteArrayList{"abcdefgh"} << QByteArray("abcde");
    QTest::newRow("append fills") << QByteArrayList{"ab", "cd"} << QByteArray("abcd");
    QTest::newRow("append overflows") << QByteArrayList{"abc", "defg"} << QByteArray("abcde");
    QTest::newRow("append to full") << QByteArrayList{"abcde", "f", "g"} << QByteArray("abcde");
    QTest::newRow("empty appends") << QByteArrayList{"", "", "x"} << QByteArray("x");
    QTest::newRow("NUL kept") << QByteArrayList{QByteArray("a\0b", 3)} << QByteArray("a\0b", 3);
}

void PlainLogicTest::boundedText()
{
    QFETCH(QByteArrayList, appended);
    QFETCH(QByteArray, kept);

    const auto view = [](const QByteArray &bytes) { return std::string_view(bytes.constData(), std::size_t(bytes.size())); };
    BoundedText<5> text("zzzzz"); // a longer earlier value must not linger
    text = view(appended.first());
    for (qsizetype i = 1; i < appended.size(); ++i)
        text.append(view(appended[i]));
    QCOMPARE(QByteArray(text.view().data(), qsizetype(text.size())), kept);
    QCOMPARE(text.empty(), kept.isEmpty());
    QVERIFY(text == view(kept));

    // The widest text the game uses keeps all 255 characters.
    BoundedText<255> wide(std::string(300, 'w'));
    QCOMPARE(wide.size(), std::size_t(255));
    wide.append("more");
    QCOMPARE(wide.view(), std::string_view(std::string(255, 'w')));
}

void PlainLogicTest::flag_data()
{
    QTest::addColumn<QByteArray>("assigned");
    QTest::addColumn<bool>("isTrue");
    QTest::addColumn<bool>("isFalse");

    QTest::newRow("T") << QByteArray("T") << true << false;
    QTest::newRow("F") << QByteArray("F") << false << true;
    QTest::newRow("empty") << QByteArray() << false << false;
    QTest::newRow("lower case t") << QByteArray("t") << false << false;
    QTest::newRow("X") << QByteArray("X") << false << false;
    QTest::newRow("TF keeps T") << QByteArray("TF") << true << false;
    QTest::newRow("FT keeps F") << QByteArray("FT") << false << true;
}

void PlainLogicTest::flag()
{
    QFETCH(QByteArray, assigned);
    QFETCH(bool, isTrue);
    QFETCH(bool, isFalse);

    Flag flag;
    QVERIFY(!(flag == "T") && !(flag == "F"));
    flag = std::string_view(assigned.constData(), std::size_t(assigned.size()));
    QCOMPARE(flag == "T", isTrue);
    QCOMPARE(flag == "F", isFalse);
}

void PlainLogicTest::trackMoves_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<int>("roll");
    QTest::addColumn<int>("forward");
    QTest::addColumn<int>("backward");

    QTest::newRow("22 by 1") << 22 << 1 << 1 << 21;
    QTest::newRow("16 by 6") << 16 << 6 << 22 << 10;
    QTest::newRow("17 by 6") << 17 << 6 << 1 << 11;
    QTest::newRow("7 by 6") << 7 << 6 << 13 << 1;
    QTest::newRow("6 by 6") << 6 << 6 << 12 << 22;
    QTest::newRow("1 by 6") << 1 << 6 << 7 << 17;
    QTest::newRow("1 by 5") << 1 << 5 << 6 << 18;
    QTest::newRow("12 by 6") << 12 << 6 << 18 << 6;
    QTest::newRow("1 by 1") << 1 << 1 << 2 << 22;
    QTest::newRow("21 by 1") << 21 << 1 << 22 << 20;
    QTest::newRow("22 by 6") << 22 << 6 << 6 << 16;
}

void PlainLogicTest::trackMoves()
{
    QFETCH(int, square);
    QFETCH(int, roll);
    QFETCH(int, forward);
    QFETCH(int, backward);

    QCOMPARE(int(ForwardSquareOf(std::int8_t(square), roll)), forward);
    QCOMPARE(int(BackwardSquareOf(std::int8_t(square), roll)), backward);
}

void PlainLogicTest::everyMoveStaysOnTheTrack()
{
    for (int square = 1; square <= 22; ++square) {
        for (int roll = 1; roll <= 6; ++roll) {
            const int forward = ForwardSquareOf(std::int8_t(square), roll);
            const int backward = BackwardSquareOf(std::int8_t(square), roll);
            QVERIFY(forward >= 1 && forward <= 22);
            QVERIFY(backward >= 1 && backward <= 22);
            QVERIFY(forward != backward);
            // The two moves are each other's undoing.
            QCOMPARE(int(BackwardSquareOf(std::int8_t(forward), roll)), square);
            QCOMPARE(int(ForwardSquareOf(std::int8_t(backward), roll)), square);
        }
    }
}

void PlainLogicTest::trackPositions_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");

    QTest::newRow("player 1 start") << int(Player1StartSquare) << 142 << 47;
    QTest::newRow("player 2 start") << int(Player2StartSquare) << 489 << 303;
}

void PlainLogicTest::trackPositions()
{
    QFETCH(int, square);
    QFETCH(int, left);
    QFETCH(int, top);

    QCOMPARE(int(BoardTrack[std::size_t(square)].left), left);
    QCOMPARE(int(BoardTrack[std::size_t(square)].top), top);
}

void PlainLogicTest::cornerIndex_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<int>("corner");

    QTest::newRow("1") << 1 << 1;
    QTest::newRow("6") << 6 << 2;
    QTest::newRow("12") << 12 << 3;
    QTest::newRow("18") << 18 << 4;
    for (const int square : {0, 2, 5, 7, 11, 13, 17, 19, 22, 23, 255, -1})
        QTest::addRow("%d", square) << square << 0;
}

void PlainLogicTest::cornerIndex()
{
    QFETCH(int, square);
    QFETCH(int, corner);

    QCOMPARE(int(CornerIndexOfSquare(square)), corner);
}

void PlainLogicTest::pickSkipsAskedEntries_data()
{
    QTest::addColumn<int>("everyNth"); // every nth entry is marked asked
    QTest::addColumn<quint32>("seed");

    QTest::newRow("odd entries asked") << 2 << quint32(7);
    QTest::newRow("every third asked") << 3 << quint32(0xFFFFFFFFu);
    QTest::newRow("no entry asked") << 1000 << quint32(99);
}

void PlainLogicTest::pickSkipsAskedEntries()
{
    QFETCH(int, everyNth);
    QFETCH(quint32, seed);

    for (std::size_t slot = 1; slot <= BankSlots; ++slot)
        QuestionUsed[slot] = slot % std::size_t(everyNth) == 1 % std::size_t(everyNth) ? "T" : "F";
    const int marked = CountMarked();
    RandSeed = seed;
    QSet<int> picked;
    for (int pick = 0; pick < 3000; ++pick) {
        PickQuestion();
        QVERIFY(QuestionCursor >= 1 && QuestionCursor <= 100);
        QVERIFY2(!(QuestionUsed[QuestionCursor] == "T"), qPrintable(QString::number(QuestionCursor)));
        picked.insert(QuestionCursor);
    }
    // Half or fewer asked never lead to 100 misses, so the marks stay, and
    // the picker leaves marking to the question window.
    QCOMPARE(CountMarked(), marked);
    QCOMPARE(int(picked.size()), 100 - marked);
}

void PlainLogicTest::pickWithEveryEntryAsked_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("cursor");   // the 101st draw, plus one
    QTest::addColumn<quint32>("after"); // the seed after 101 draws

    QTest::newRow("seed 0") << quint32(0) << 75 << quint32(3205794605u);
    QTest::newRow("seed 2024") << quint32(2024) << 65 << quint32(2790859317u);
    QTest::newRow("seed 0xFFFFFFFF") << quint32(0xFFFFFFFFu) << 42 << quint32(1771514488u);
    // The 100th and 101st draws agree: the entry missed just before the
    // clearing is the one picked after it.
    QTest::newRow("seed 165, same entry again") << quint32(165) << 85 << quint32(3638812630u);
}

void PlainLogicTest::pickWithEveryEntryAsked()
{
    QFETCH(quint32, seed);
    QFETCH(int, cursor);
    QFETCH(quint32, after);

    MarkAll("T");
    RandSeed = seed;
    PickQuestion();
    QCOMPARE(int(QuestionCursor), cursor);
    QCOMPARE(quint32(RandSeed), after);
    for (std::size_t slot = 1; slot <= BankSlots; ++slot)
        QVERIFY2(QuestionUsed[slot].empty(), qPrintable(QString::number(slot)));

    // With the marks gone, the next pick takes its first draw.
    RandSeed = seed;
    const int first = int(Random(100)) + 1;
    RandSeed = seed;
    PickQuestion();
    QCOMPARE(int(QuestionCursor), first);
}

void PlainLogicTest::pickWithOneEntryLeft_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("free");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<quint32>("after");
    QTest::addColumn<bool>("cleared");

    QTest::newRow("seed 6 finds 37 on draw 10") << quint32(6) << 37 << 37 << quint32(1562097300u) << false;
    QTest::newRow("seed 10 finds 37 on draw 93") << quint32(10) << 37 << 37 << quint32(1552547751u) << false;
    QTest::newRow("seed 10 finds 100 on draw 97") << quint32(10) << 100 << 100 << quint32(4263784275u) << false;
    QTest::newRow("seed 2 misses 37, clears") << quint32(2) << 37 << 42 << quint32(1779387543u) << true;
    QTest::newRow("seed 8 misses 100, clears") << quint32(8) << 100 << 42 << quint32(1795133653u) << true;
}

void PlainLogicTest::pickWithOneEntryLeft()
{
    QFETCH(quint32, seed);
    QFETCH(int, free);
    QFETCH(int, cursor);
    QFETCH(quint32, after);
    QFETCH(bool, cleared);

    MarkAll("T");
    QuestionUsed[std::size_t(free)] = "F";
    RandSeed = seed;
    PickQuestion();
    QCOMPARE(int(QuestionCursor), cursor);
    QCOMPARE(quint32(RandSeed), after);
    QCOMPARE(CountMarked(), cleared ? 0 : 99);
}

// Over many seeds, each outcome is the one the draws call for: the free
// entry within 100 draws, or else the 101st draw with every mark cleared.
void PlainLogicTest::pickWithOneEntryLeftFollowsTheDraws()
{
    int found = 0;
    int cleared = 0;
    for (quint32 seed = 1000; seed < 1300; ++seed) {
        const int free = int(seed % 100) + 1;
        RandSeed = seed;
        int expected = 0;
        int draws = 0;
        while (expected == 0) {
            const int entry = int(Random(100)) + 1;
            if (++draws == 101 || entry == free) // the 101st draw follows a clearing
                expected = entry;
        }
        const quint32 expectedSeed = RandSeed;
        const bool expectCleared = draws == 101;

        MarkAll("T");
        QuestionUsed[std::size_t(free)] = "F";
        RandSeed = seed;
        PickQuestion();
        QCOMPARE(int(QuestionCursor), expected);
        QCOMPARE(quint32(RandSeed), expectedSeed);
        QCOMPARE(CountMarked(), expectCleared ? 0 : 99);
        ++(expectCleared ? cleared : found);
    }
    // The seeds cover both outcomes.
    QVERIFY(found > 0);
    QVERIFY(cleared > 0);
}

void PlainLogicTest::answerOnLine_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<Numbers>("answers"); // on lines A, B, C

    QTest::newRow("layout 1") << 1 << Numbers{1, 2, 3};
    QTest::newRow("layout 2") << 2 << Numbers{2, 3, 1};
    QTest::newRow("layout 3") << 3 << Numbers{3, 1, 2};
}

void PlainLogicTest::answerOnLine()
{
    QFETCH(int, layout);
    QFETCH(Numbers, answers);

    for (int line = 1; line <= 3; ++line)
        QCOMPARE(quint32(AnswerOnLine(std::uint8_t(layout), std::uint8_t(line))), answers[line - 1]);
}

void PlainLogicTest::answerLayoutDraws()
{
    RandSeed = 31337;
    int seen[4] = {};
    for (int draw = 0; draw < 3000; ++draw) {
        const quint32 before = RandSeed;
        DrawAnswerLayout();
        QVERIFY(AnswerLayout >= 1 && AnswerLayout <= 3);
        // It is one draw of three.
        const quint32 after = RandSeed;
        RandSeed = before;
        QCOMPARE(int(AnswerLayout), int(Random(3)) + 1);
        QCOMPARE(quint32(RandSeed), after);
        ++seen[AnswerLayout];
    }
    QVERIFY(seen[1] > 0 && seen[2] > 0 && seen[3] > 0);
}

void PlainLogicTest::checkAnswer_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("line");
    QTest::addColumn<bool>("right");

    for (int layout = 1; layout <= 3; ++layout)
        for (int line = 1; line <= 3; ++line) {
            // The right answer sits on line A, C, B under layouts 1, 2, 3.
            const bool right = line == (layout == 1 ? 1 : layout == 2 ? 3 : 2);
            QTest::addRow("layout %d, line %c", layout, 'A' + line - 1) << layout << line << right;
        }
}

void PlainLogicTest::checkAnswer()
{
    QFETCH(int, layout);
    QFETCH(int, line);
    QFETCH(bool, right);

    QCOMPARE(AnswerOnLine(std::uint8_t(layout), std::uint8_t(line)) == 1, right);
    for (const char *start : {"F", "X", ""}) {
        AnswerLayout = std::uint8_t(layout);
        ChosenAnswer = std::uint8_t(line);
        AnswerVerdict = start;
        CheckAnswer();
        QCOMPARE(AnswerVerdict.view(), std::string_view(right ? "T" : start));
        QCOMPARE(int(AnswerLayout), layout);
        QCOMPARE(int(ChosenAnswer), line);
    }
}

void PlainLogicTest::resetPerGameState()
{
    MarkAll("T");
    QuestionUsed[7] = "F";
    QuestionText[3] = "Kept question";
    AnswerText[3][2] = "Kept answer";
    QuestionCursor = 77;
    AnswerLayout = 3;
    ChosenAnswer = 2;
    AnswerVerdict = "T";
    QuestionClosed = "T";
    QuestionPlayer = 2;
    CornerIndex = 4;
    for (std::size_t player = 1; player <= 2; ++player) {
        CornerCount[player] = 3;
        for (std::size_t corner = 1; corner <= 4; ++corner)
            CornerLetter[player][corner] = 1;
    }

    ResetPerGameState();

    QCOMPARE(int(QuestionCursor), 1);
    QCOMPARE(QuestionClosed.view(), std::string_view("F"));
    for (std::size_t player = 1; player <= 2; ++player) {
        QCOMPARE(int(CornerCount[player]), 0);
        for (std::size_t corner = 1; corner <= 4; ++corner)
            QCOMPARE(int(CornerLetter[player][corner]), 0);
    }
    // Asked marks, the bank and the question on show survive.
    QCOMPARE(CountMarked(), 99);
    QCOMPARE(QuestionUsed[7].view(), std::string_view("F"));
    QCOMPARE(QuestionText[3].view(), std::string_view("Kept question"));
    QCOMPARE(AnswerText[3][2].view(), std::string_view("Kept answer"));
    QCOMPARE(AnswerVerdict.view(), std::string_view("T"));
    QCOMPARE(int(AnswerLayout), 3);
    QCOMPARE(int(ChosenAnswer), 2);
    QCOMPARE(int(QuestionPlayer), 2);
    QCOMPARE(int(CornerIndex), 4);
}

void PlainLogicTest::bounceSteps_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("leftward");

    QTest::newRow("first step") << 1 << 137 << 205 << 0 << 0;
    QTest::newRow("3 steps, still down") << 3 << 147 << 215 << 0 << 0;
    QTest::newRow("4 steps, turns up") << 4 << 152 << 220 << 1 << 0;
    QTest::newRow("10 steps, still up") << 10 << 122 << 250 << 1 << 0;
    QTest::newRow("11 steps, turns down") << 11 << 117 << 255 << 0 << 0;
    QTest::newRow("29 steps, still right") << 29 << 137 << 345 << 0 << 0;
    QTest::newRow("30 steps, turns left") << 30 << 142 << 350 << 0 << 1;
    QTest::newRow("61 steps, still left") << 61 << 147 << 195 << 1 << 1;
    QTest::newRow("62 steps, turns right") << 62 << 142 << 190 << 1 << 0;
}

void PlainLogicTest::bounceSteps()
{
    QFETCH(int, steps);
    QFETCH(int, top);
    QFETCH(int, left);
    QFETCH(int, up);
    QFETCH(int, leftward);

    const BounceState state = BounceRun(steps).back();
    QCOMPARE(int(state.point.top), top);
    QCOMPARE(int(state.point.left), left);
    QCOMPARE(int(state.flags.up), up);
    QCOMPARE(int(state.flags.leftward), leftward);
}

void PlainLogicTest::bounceRangesAndPeriods()
{
    const std::vector<BounceState> run = BounceRun(500);
    std::set<int> tops, lefts;
    for (const BounceState &state : run) {
        QVERIFY(state.point.top >= 117 && state.point.top <= 152);
        QVERIFY(state.point.left >= 190 && state.point.left <= 350);
        tops.insert(state.point.top);
        lefts.insert(state.point.left);
    }
    // Both extremes are reached.
    QCOMPARE(*tops.begin(), 117);
    QCOMPARE(*tops.rbegin(), 152);
    QCOMPARE(*lefts.begin(), 190);
    QCOMPARE(*lefts.rbegin(), 350);

    // Each axis repeats with its own period and no shorter one.
    const auto vertical = [&run](std::size_t step) { return std::pair(run[step].point.top, run[step].flags.up); };
    const auto horizontal = [&run](std::size_t step) {
        return std::pair(run[step].point.left, run[step].flags.leftward);
    };
    const auto period = [&run](const auto &axis) {
        for (std::size_t p = 1; p < 100; ++p) {
            bool repeats = true;
            for (std::size_t step = 0; step + p < run.size() && repeats; ++step)
                repeats = axis(step) == axis(step + p);
            if (repeats)
                return int(p);
        }
        return 0;
    };
    QCOMPARE(period(vertical), 14);
    QCOMPARE(period(horizontal), 64);
}

void PlainLogicTest::catalogRing_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("next");
    QTest::addColumn<int>("previous");

    QTest::newRow("page 1") << 1 << 2 << 3;
    QTest::newRow("page 2") << 2 << 3 << 1;
    QTest::newRow("page 3") << 3 << 1 << 2;
}

void PlainLogicTest::catalogRing()
{
    QFETCH(int, page);
    QFETCH(int, next);
    QFETCH(int, previous);

    QCOMPARE(int(NextCatalogPage(std::uint8_t(page))), next);
    QCOMPARE(int(PreviousCatalogPage(std::uint8_t(page))), previous);
    QCOMPARE(int(PreviousCatalogPage(NextCatalogPage(std::uint8_t(page)))), page);
    std::uint8_t forward = std::uint8_t(page), backward = std::uint8_t(page);
    for (int step = 0; step < 3; ++step) {
        forward = NextCatalogPage(forward);
        backward = PreviousCatalogPage(backward);
    }
    QCOMPARE(int(forward), page);
    QCOMPARE(int(backward), page);
}

QTEST_GUILESS_MAIN(PlainLogicTest)
#include "PlainLogicTest.moc"
