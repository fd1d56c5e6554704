// The whole program started over hostile question banks: paths that are no
// regular file, huge and malformed files, odd bytes and line ends. Start-up
// must never hang, show the error window exactly when the bank cannot be read,
// fill the tables by the bank rules and never touch the file.
#include "tests/BankLines.h"
#include "tests/GameHarness.h"
#include "tests/TestSystem.h"

#include "app/Startup.h"
#include "forms/Error1.h"
#include "forms/Game.h"
#include "forms/QuestionState.h"
#include "forms/Title2.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

// Creates the hostile bank at the given path; empty where this system
// cannot make that kind of path in a folder.
using Stage = std::function<void(const QByteArray &path)>;

Stage File(const QByteArray &bytes)
{
    return [bytes](const QByteArray &path) {
        QFile file(QString::fromLocal8Bit(path));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the hostile bank");
    };
}

Stage LinkTo(const QByteArray &target)
{
    if (!SymlinksSupported())
        return {};
    return [target](const QByteArray &path) {
        if (!MakeSymlink(target, path))
            qFatal("cannot make the link");
    };
}

Stage Fifo()
{
    if (!TestFifo::InFolders())
        return {};
    return [](const QByteArray &path) { QVERIFY(TestFifo(path, false).made()); };
}

// A line start, then 200 MB of printable bytes and no line end at all.
void WriteHugeLine(const QByteArray &path)
{
    QFile file(QString::fromLocal8Bit(path));
    const QByteArray megabyte(1 << 20, 'x');
    bool written = file.open(QIODevice::WriteOnly) && file.write("Q\"A\"B\"C\"") == 8;
    for (int i = 0; written && i < 200; ++i)
        written = file.write(megabyte) == megabyte.size();
    if (!written)
        qFatal("cannot write the 200 MB bank");
}

// Lines of 10,000 characters: odd lines well formed with a long tail, even
// lines with no quote in their first 140 characters.
QByteArray LongLines()
{
    QByteArray bytes;
    for (int i = 1; i <= 150; ++i) {
        QByteArray line = i % 2 ? NumberedLine(i) : QByteArray();
        line += QByteArray(10000 - line.size() - 7, i % 2 ? 'x' : 'q');
        if (i % 2 == 0)
            line += "\"A\"B\"C\"";
        bytes += line + "\r\n";
    }
    return bytes;
}

// Eight lines that hold NUL and, across their questions, every byte from 128
// to 255 once; the answers mix NUL with more high bytes.
QByteArray HighByte(int from, int count)
{
    QByteArray bytes;
    for (int b = from; b < from + count; ++b)
        bytes += char(b);
    return bytes;
}

Slot HighBytesSlot(int k)
{
    const QByteArray nul(1, '\0');
    const int from = 128 + 16 * (k - 1);
    return {k, nul + HighByte(from, 16) + nul, nul, "R" + nul + HighByte(255 - k, 1), HighByte(128, 2) + nul + nul};
}

QByteArray HighBytesBank()
{
    QByteArray bytes;
    for (int k = 1; k <= 8; ++k) {
        const Slot s = HighBytesSlot(k);
        bytes += Line(s.question, s.answer1, s.answer2, s.answer3) + "\r\n";
    }
    return bytes;
}

// A byte-order mark, then UTF-8 characters cut in the middle by the 73- and
// 26-character widths and by the 140-character line limit; a second line of
// whole characters is kept byte for byte.
const QByteArray Bom = "\xef\xbb\xbf";
const QByteArray EAcute = "\xc3\xa9";
const QByteArray Euro = "\xe2\x82\xac";
const QByteArray Grin = "\xf0\x9f\x98\x80";
const QByteArray GermanLine = Line("Wie hei\xc3\x9f" "t die Hauptstadt von \xc3\x96sterreich?", "Wien",
                                   "Graz \xe2\x82\xac", "Linz \xf0\x9f\x98\x80");

QByteArray Utf8Bank()
{
    return Line(Bom + QByteArray(69, 'a') + EAcute, QByteArray(25, 'b') + Euro, QByteArray(24, 'c') + Grin,
                QByteArray(5, 'd') + Euro)
           + "\r\n" + GermanLine + "\r\n";
}

// Everything a start-up could change about the bank's path: its kind, times,
// size, link target and, for a file, its bytes (its size for a huge one).
QByteArray Fingerprint(const QByteArray &path)
{
    const std::optional<PathStatus> status = StatusOf(path);
    if (!status)
        return "missing";
    QByteArray print = status->print;
    if (status->regular && status->size <= 16 * 1024 * 1024) {
        QFile file(QString::fromLocal8Bit(path));
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (file.open(QIODevice::ReadOnly) && hash.addData(&file))
            print += " sha256 " + hash.result().toHex();
    }
    return print;
}

// A start-up that hangs cannot be timed from the thread it blocks; this ends
// the test program with the row's name instead of waiting for CTest's limit.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit)
        : row_(QTest::currentDataTag()), thread_([this, limit] {
              std::unique_lock lock(mutex_);
              if (!stopped_.wait_for(lock, limit, [this] { return done_; })) {
                  std::fprintf(stderr, "FAIL!  : start-up over \"%s\" hung for %lld s\n", row_.constData(),
                               static_cast<long long>(limit.count()));
                  std::_Exit(EXIT_FAILURE);
              }
          })
    {
    }

    ~Watchdog()
    {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        stopped_.notify_one();
        thread_.join();
    }

private:
    const QByteArray row_;
    std::mutex mutex_;
    std::condition_variable stopped_;
    bool done_ = false;
    std::thread thread_;
};

int FilledSlots()
{
    int filled = 0;
    for (std::size_t slot = 1; slot <= BankSlots; ++slot) {
        bool any = !QuestionText[slot].empty();
        for (std::size_t answer = 1; answer <= 3; ++answer)
            any = any || !AnswerText[slot][answer].empty();
        filled += any;
    }
    return filled;
}

} // namespace

Q_DECLARE_METATYPE(Stage)
Q_DECLARE_METATYPE(Slot)

class HostileBankTest : public QObject {
    Q_OBJECT

private slots:
    void startUp_data();
    void startUp();
};

void HostileBankTest::startUp_data()
{
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<bool>("error");
    QTest::addColumn<int>("filled");
    QTest::addColumn<Slots>("checked");

    const Stage nothing = [](const QByteArray &) {};
    const Slot abcd{1, "Q", "A", "B", "C"};
    QTest::newRow("missing") << nothing << true << 0 << Slots{};
    QTest::newRow("directory") << Stage([](const QByteArray &path) { QVERIFY(QDir().mkdir(QFile::decodeName(path))); })
                               << true << 0 << Slots{};
    QTest::newRow("fifo without a writer") << Fifo() << true << 0 << Slots{};
    QTest::newRow("symlink to /dev/zero") << LinkTo("/dev/zero") << true << 0 << Slots{};
    QTest::newRow("symlink to /dev/urandom") << LinkTo("/dev/urandom") << true << 0 << Slots{};
    QTest::newRow("dangling symlink") << LinkTo("nowhere.tqz") << true << 0 << Slots{};
    QTest::newRow("empty file") << File({}) << false << 0 << Slots{Empty(1)};
    QTest::newRow("begins with Ctrl-Z") << File("\x1a" + NumberedLines(5, "\r\n")) << false << 0 << Slots{Empty(1)};
    QTest::newRow("200 MB without a carriage return") << Stage(WriteHugeLine) << false << 1 << Slots{abcd, Empty(2)};
    QTest::newRow("10,000 well-formed lines") << File(NumberedLines(10000, "\r\n")) << false << 100
                                              << Slots{Numbered(1), Numbered(57), Numbered(100)};
    QTest::newRow("lines of 10,000 characters")
        << File(LongLines()) << false << 50 << Slots{Numbered(1), Empty(2), Numbered(99), Empty(100)};
    QTest::newRow("NUL and every byte 128..255 in fields")
        << File(HighBytesBank()) << false << 8
        << Slots{HighBytesSlot(1), HighBytesSlot(2), HighBytesSlot(3), HighBytesSlot(4), HighBytesSlot(5),
                 HighBytesSlot(6), HighBytesSlot(7), HighBytesSlot(8), Empty(9)};
    QTest::newRow("CR-only line ends") << File(NumberedLines(120, "\r")) << false << 100
                                       << Slots{Numbered(1), Numbered(2), Numbered(100)};
    // A lone LF is an ordinary character: the whole file is one line.
    QTest::newRow("LF-only line ends") << File(NumberedLines(20, "\n")) << false << 1 << Slots{Numbered(1), Empty(2)};
    QTest::newRow("UTF-8 cut inside characters")
        << File(Utf8Bank()) << false << 2
        << Slots{{1, Bom + QByteArray(69, 'a') + EAcute.left(1), QByteArray(25, 'b') + Euro.left(1),
                  QByteArray(24, 'c') + Grin.left(2), QByteArray(5, 'd') + Euro.left(2)},
                 {2, Bytes("Wie hei\xc3\x9f" "t die Hauptstadt von \xc3\x96sterreich?"), "Wien",
                  "Graz \xe2\x82\xac", "Linz \xf0\x9f\x98\x80"}};
}

void HostileBankTest::startUp()
{
    QFETCH(Stage, stage);
    QFETCH(bool, error);
    QFETCH(int, filled);
    QFETCH(Slots, checked);

    // The harness starts in its own new folder, so the bank can only be put
    // there afterwards; the program is then ended and started again over it,
    // as a player would after dropping a file next to the game.
    GameHarness game(GameHarness::Bank::Missing);
    const QByteArray path = QFile::encodeName(game.bankPath());
    if (!stage)
        QSKIP("this system cannot make that kind of path in a folder");
    stage(path);
    if (QTest::currentTestFailed())
        return;
    Backdate(path);
    const QByteArray before = Fingerprint(path);

    ShutDown();
    qint64 took = 0;
    {
        const Watchdog watchdog(std::chrono::seconds(10));
        QElapsedTimer clock;
        clock.start();
        StartUp();
        took = clock.elapsed();
    }
    MovePauseMs = 0;
    // A figure, not a limit: a hang fails through the watchdog, and how long
    // a loaded machine (or Wine) takes is no fault of the program.
    qInfo("start-up took %lld ms", took);

    QCOMPARE(frmerror->isVisible(), error);
    QCOMPARE(FilledSlots(), filled);
    for (std::size_t slot = 1; slot <= BankSlots; ++slot) {
        QVERIFY(QuestionText[slot].size() <= 73);
        QVERIFY(QuestionText[slot].view().find('"') == std::string_view::npos);
        for (std::size_t answer = 1; answer <= 3; ++answer) {
            QVERIFY(AnswerText[slot][answer].size() <= 26);
            QVERIFY(AnswerText[slot][answer].view().find('"') == std::string_view::npos);
        }
    }
    for (const Slot &expected : checked) {
        const std::size_t slot = std::size_t(expected.slot);
        QCOMPARE(Bytes(QuestionText[slot].view()), expected.question);
        QCOMPARE(Bytes(AnswerText[slot][1].view()), expected.answer1);
        QCOMPARE(Bytes(AnswerText[slot][2].view()), expected.answer2);
        QCOMPARE(Bytes(AnswerText[slot][3].view()), expected.answer3);
    }
    QCOMPARE(Fingerprint(path), before);

    if (error) {
        // The game is still usable as far as it goes: the setup window comes
        // up under the error window, and OK ends the program.
        ShowMainWindow();
        QVERIFY(Form1->isVisible());
        QVERIFY(frmerror->isVisible());
        QVERIFY(GameHarness::endsProgram([] { QTest::mouseClick(frmerror->OKButton, Qt::LeftButton); }));
    }
    QFile::remove(QString::fromLocal8Bit(path)); // the 200 MB bank goes at once, not with the folder
}

QTEST_MAIN(HostileBankTest)
#include "HostileBankTest.moc"
