// The question bank loader: line ends, end of data, the 100-slot limit, the
// field split, bytes kept as read, and which paths the file reader refuses.
#include "tests/BankLines.h"
#include "tests/TestSystem.h"
#include "app/Windows1252.h"
#include "forms/BankFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace {

// What a load handed on, in the order it was handed on.
struct Load {
    bool ok = false;
    std::vector<Slot> stored;
};

BankEntrySink Collect(Load &load)
{
    return [&load](std::size_t slot, const BankEntry &entry) { load.stored.push_back(SlotOf(slot, entry)); };
}

// Feeds the bytes a chunk at a time, so lines and long-line skips straddle
// the reader's refills; after the bytes come either the end of the file or,
// when failAfter is set, a failed read.
Load LoadBytes(const QByteArray &bytes, qsizetype chunk, bool failAfter = false)
{
    Load load;
    qsizetype at = 0;
    const BankByteSource source = [&](char *buffer, std::size_t capacity) -> std::ptrdiff_t {
        if (at >= bytes.size())
            return failAfter ? -1 : 0;
        const qsizetype count = std::min({chunk, bytes.size() - at, qsizetype(capacity)});
        std::memcpy(buffer, bytes.constData() + at, std::size_t(count));
        at += count;
        return count;
    };
    load.ok = ReadBank(source, Collect(load));
    return load;
}

// Runs a file read on its own thread, so a reader that blocks or never stops
// fails the test instead of hanging it. A stuck thread is left behind; the
// process ends soon after.
std::optional<bool> ReadFileWithin(const QByteArray &path, Load &load, std::chrono::milliseconds limit)
{
    auto result = std::make_shared<std::promise<bool>>();
    auto outcome = result->get_future();
    auto shared = std::make_shared<Load>();
    std::thread([result, shared, path] {
        result->set_value(ReadBankFile(path.constData(), Collect(*shared)));
    }).detach();
    if (outcome.wait_for(limit) != std::future_status::ready)
        return std::nullopt;
    load = *shared;
    return outcome.get();
}

} // namespace

Q_DECLARE_METATYPE(Slot)

class BankFileTest : public QObject {
    Q_OBJECT

private slots:
    void linesAndSlots_data();
    void linesAndSlots();
    void fields_data();
    void fields();
    void failingSource_data();
    void failingSource();
    void fileKinds_data();
    void fileKinds();
    void openFailures_data();
    void openFailures();
    void readingLeavesTheFileUnchanged();
    void windows1252Display_data();
    void windows1252Display();
    void windows1252Typing_data();
    void windows1252Typing();
    void windows1252RoundTripsEveryByte();
};

void BankFileTest::linesAndSlots_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("entries");
    QTest::addColumn<Slots>("checked");

    const QByteArray abcd = Line("Q", "A", "B", "C");
    const Slot q{1, "Q", "A", "B", "C"};

    QTest::newRow("empty file") << QByteArray() << 1 << Slots{Empty(1)};
    QTest::newRow("starts with Ctrl-Z") << QByteArray("\x1a" "Q\"A\"B\"C\"\r\n") << 1 << Slots{Empty(1)};
    QTest::newRow("one line, CR LF") << abcd + "\r\n" << 1 << Slots{q};
    QTest::newRow("one line, no line end") << abcd << 1 << Slots{q};
    QTest::newRow("last line without line end") << NumberedLines(2) + abcd << 3
                                                << Slots{Numbered(2), {3, "Q", "A", "B", "C"}};
    QTest::newRow("lone CR ends a line") << abcd + "\r" + abcd << 2 << Slots{q, {2, "Q", "A", "B", "C"}};
    QTest::newRow("only one LF belongs to the CR")
        << abcd + "\r\n\n" + abcd << 2 << Slots{q, {2, "\nQ", "A", "B", "C"}};
    QTest::newRow("LF before CR is part of the line")
        << "Q\"A\"B\"C\n\r" + abcd << 2 << Slots{{1, "Q", "A", "B", "C\n"}, {2, "Q", "A", "B", "C"}};
    QTest::newRow("LF inside a line is ordinary")
        << QByteArray("Q1\nQ2\"A\n\"B\"C\"\r\n") << 1 << Slots{{1, "Q1\nQ2", "A\n", "B", "C"}};
    QTest::newRow("CR CR LF: empty second line") << abcd + "\r\r\n" << 2 << Slots{q, Empty(2)};
    QTest::newRow("empty line in the middle")
        << abcd + "\r\n\r\n" + abcd + "\r\n" << 3 << Slots{q, Empty(2), {3, "Q", "A", "B", "C"}};
    QTest::newRow("two line ends at the end") << abcd + "\r\n\r\n" << 2 << Slots{q, Empty(2)};
    QTest::newRow("only a line end") << QByteArray("\r\n") << 1 << Slots{Empty(1)};
    QTest::newRow("two lone CRs") << QByteArray("\r\r") << 2 << Slots{Empty(1), Empty(2)};
    QTest::newRow("LF-only file is one long line")
        << QByteArray(NumberedLines(20)).replace("\r\n", "\n") << 1
        << Slots{{1, "Question 1", "Right 1", "Second", "Third"}};
    QTest::newRow("Ctrl-Z ends a line and the data")
        << "Q\"A\"B\x1a\"C\"\r\n" + abcd + "\r\n" << 1 << Slots{{1, "Q", "A", "B", {}}};
    QTest::newRow("Ctrl-Z where the LF would be") << abcd + "\r\x1a\n" + abcd << 1 << Slots{q};
    QTest::newRow("Ctrl-Z after a line end") << abcd + "\r\n\x1a" + abcd + "\r\n" << 1 << Slots{q};
    QTest::newRow("Ctrl-Z in the skipped part of a long line")
        << abcd + QByteArray(150, 'x') + "\x1a\r\n" + abcd + "\r\n" << 1 << Slots{q};
    QTest::newRow("100 lines, CR LF each") << NumberedLines(100) << 100 << Slots{Numbered(1), Numbered(100)};
    QTest::newRow("101st line is not stored") << NumberedLines(101) << 100 << Slots{Numbered(99), Numbered(100)};
    QTest::newRow("10000 lines") << NumberedLines(10000) << 100 << Slots{Numbered(1), Numbered(100)};
    QTest::newRow("99 lines and an empty 100th") << NumberedLines(99) + "\r\n" << 100 << Slots{Numbered(99), Empty(100)};

    // Exactly 140 characters are used; the 141st and on are skipped. The
    // third answer starts at the 121st character so its tail shows.
    const QByteArray to120 = "Q\"A\"" + QByteArray(115, 'b') + '"';
    const QByteArray c19(19, 'c');
    const Slot second{2, "Q", "A", "B", "C"};
    QTest::newRow("the 140th character is read, the 141st is not")
        << to120 + c19 + "de\"\r\n" + abcd << 2 << Slots{{1, "Q", "A", QByteArray(26, 'b'), c19 + 'd'}, second};
    QTest::newRow("quote as the 140th character")
        << to120 + c19 + "\"e\r\n" + abcd << 2 << Slots{{1, "Q", "A", QByteArray(26, 'b'), c19}, second};
    QTest::newRow("answer ended beyond the 140th character")
        << "Q\"" + QByteArray(150, 'a') + "\"B\"C\"\r\n" + abcd << 2
        << Slots{{1, "Q", QByteArray(26, 'a'), {}, {}}, second};
    QTest::newRow("question ended beyond the 140th character")
        << QByteArray(150, 'q') + "\"A\"B\"C\"\r\n" + abcd << 2 << Slots{Empty(1), second};
    // Long lines that straddle the reader's own buffer.
    QTest::newRow("70000-character line, then a line")
        << abcd + QByteArray(70000, 'z') + "\r\n" + abcd << 2 << Slots{q, second};
    QTest::newRow("Ctrl-Z 70000 characters into a line")
        << abcd + QByteArray(70000, 'z') + "\x1a\r\n" + abcd << 1 << Slots{q};

    QTest::newRow("NUL and high bytes kept")
        << QByteArray("Q\0\xff\"\x80\x92\"\xe9\x81\"\x8d\x1b\"\r\n", 15) << 1
        << Slots{{1, QByteArray("Q\0\xff", 3), "\x80\x92", "\xe9\x81", "\x8d\x1b"}};
    QTest::newRow("byte 255 does not end the data")
        << abcd + "\r\n\xff\xff\"A\"B\"C\"\r\n" + abcd << 3 << Slots{q, {2, "\xff\xff", "A", "B", "C"}, {3, "Q", "A", "B", "C"}};
}

void BankFileTest::linesAndSlots()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, entries);
    QFETCH(Slots, checked);

    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("quarl3.tqz")));
    QFile file(QString::fromLocal8Bit(path));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();

    Load fromFile;
    fromFile.ok = ReadBankFile(path.constData(), Collect(fromFile));
    const std::vector<std::pair<const char *, Load>> loads = {
        {"file", fromFile},
        {"whole", LoadBytes(bytes, bytes.size() + 1)},
        {"1-byte reads", LoadBytes(bytes, 1)},
        {"7-byte reads", LoadBytes(bytes, 7)},
    };
    for (const auto &[how, load] : loads) {
        const auto note = qScopeGuard([how = how] {
            if (QTest::currentTestFailed())
                qWarning("while reading by %s", how);
        });
        QVERIFY(load.ok);
        QCOMPARE(int(load.stored.size()), entries);
        for (int i = 0; i < entries; ++i)
            QCOMPARE(load.stored[std::size_t(i)].slot, i + 1);
        for (const Slot &expected : checked) {
            const Slot &got = load.stored.at(std::size_t(expected.slot - 1));
            QCOMPARE(got.question, expected.question);
            QCOMPARE(got.answer1, expected.answer1);
            QCOMPARE(got.answer2, expected.answer2);
            QCOMPARE(got.answer3, expected.answer3);
        }
    }
}

void BankFileTest::fields_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("question");
    QTest::addColumn<QByteArray>("answer1");
    QTest::addColumn<QByteArray>("answer2");
    QTest::addColumn<QByteArray>("answer3");

    QTest::newRow("four quotes") << QByteArray("What?\"Yes\"No\"Maybe\"") << QByteArray("What?")
                                 << QByteArray("Yes") << QByteArray("No") << QByteArray("Maybe");
    QTest::newRow("after the 4th quote ignored") << QByteArray("Q\"A\"B\"C\"tail\"more\"") << QByteArray("Q")
                                                 << QByteArray("A") << QByteArray("B") << QByteArray("C");
    QTest::newRow("three quotes") << QByteArray("Q\"A\"B\"C rest") << QByteArray("Q")
                                  << QByteArray("A") << QByteArray("B") << QByteArray("C rest");
    QTest::newRow("three quotes, tail kept whole") << QByteArray("Q\"A\"B\" C with spaces ") << QByteArray("Q")
                                                   << QByteArray("A") << QByteArray("B") << QByteArray(" C with spaces ");
    QTest::newRow("two quotes") << QByteArray("Q\"A\"B and more") << QByteArray("Q") << QByteArray("A")
                                << QByteArray("B and more") << QByteArray();
    QTest::newRow("one quote") << QByteArray("Q\"A rest") << QByteArray("Q") << QByteArray("A rest")
                               << QByteArray() << QByteArray();
    QTest::newRow("no quotes") << QByteArray("Just a question?") << QByteArray() << QByteArray()
                               << QByteArray() << QByteArray();
    QTest::newRow("only quotes") << QByteArray("\"\"\"\"") << QByteArray() << QByteArray() << QByteArray()
                                 << QByteArray();
    // Neither a backslash nor a doubled quote escapes a quote.
    QTest::newRow("no escapes") << QByteArray("Say \\\"hi\\\"\"x\"y\"z\"") << QByteArray("Say \\")
                                << QByteArray("hi\\") << QByteArray() << QByteArray("x");
    QTest::newRow("spaces kept") << QByteArray("  Q  \" A \"B \" C\"") << QByteArray("  Q  ")
                                 << QByteArray(" A ") << QByteArray("B ") << QByteArray(" C");
    QTest::newRow("80-char question") << Line(QByteArray(73, 'q') + "QQQQQQQ", "a", "b", "c") << QByteArray(73, 'q')
                                      << QByteArray("a") << QByteArray("b") << QByteArray("c");
    QTest::newRow("30-char answers")
        << Line("Q", QByteArray(26, 'a') + "AAAA", QByteArray(26, 'b') + "BBBB", QByteArray(26, 'c') + "CCCC")
        << QByteArray("Q") << QByteArray(26, 'a') << QByteArray(26, 'b') << QByteArray(26, 'c');
    QTest::newRow("widths exactly met") << Line(QByteArray(73, 'q'), QByteArray(26, 'a'), "b", "c")
                                        << QByteArray(73, 'q') << QByteArray(26, 'a') << QByteArray("b")
                                        << QByteArray("c");
    QTest::newRow("long unended 1st answer")
        << "Q\"" + QByteArray(40, 'a') << QByteArray("Q") << QByteArray(26, 'a') << QByteArray() << QByteArray();
    QTest::newRow("long question, no quote") << QByteArray(100, 'q') << QByteArray() << QByteArray()
                                             << QByteArray() << QByteArray();
}

void BankFileTest::fields()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, question);
    QFETCH(QByteArray, answer1);
    QFETCH(QByteArray, answer2);
    QFETCH(QByteArray, answer3);
    QVERIFY(line.size() <= 140 && !line.contains('\r') && !line.contains('\x1a'));

    const Slot split = SlotOf(1, SplitBankLine({line.constData(), std::size_t(line.size())}));
    const Load load = LoadBytes(line + "\r\n", line.size() + 2);
    QVERIFY(load.ok);
    QCOMPARE(load.stored.size(), std::size_t(1));
    for (const Slot &got : {split, load.stored.front()}) {
        QCOMPARE(got.question, question);
        QCOMPARE(got.answer1, answer1);
        QCOMPARE(got.answer2, answer2);
        QCOMPARE(got.answer3, answer3);
    }
}

void BankFileTest::failingSource_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("chunk");
    QTest::addColumn<int>("entries");

    const QByteArray abcd = Line("Q", "A", "B", "C");
    QTest::newRow("fails at once") << QByteArray() << 64 << 0;
    QTest::newRow("fails after a whole line") << abcd + "\r\n" << 64 << 1;
    QTest::newRow("fails after a whole line, 1-byte reads") << abcd + "\r\n" << 1 << 1;
    QTest::newRow("fails inside the 2nd line") << abcd + "\r\n" + "Half\"a li" << 64 << 1;
    QTest::newRow("fails inside the 3rd line, 1-byte reads") << NumberedLines(2) + "Question 3\"Ri" << 1 << 2;
    QTest::newRow("fails inside the first line") << QByteArray("Q\"A\"B") << 3 << 0;
    QTest::newRow("fails while skipping a long line") << QByteArray(300, 'x') << 64 << 0;
    QTest::newRow("fails after 50 lines") << NumberedLines(50) << 1000 << 50;
}

void BankFileTest::failingSource()
{
    QFETCH(QByteArray, before);
    QFETCH(int, chunk);
    QFETCH(int, entries);

    const Load load = LoadBytes(before, chunk, true);
    QVERIFY(!load.ok);
    QCOMPARE(int(load.stored.size()), entries);
    for (int i = 1; i <= entries; ++i)
        QCOMPARE(load.stored[std::size_t(i - 1)].slot, i);
    // The same bytes with a clean end load those lines and nothing else broken.
    const Load clean = LoadBytes(before, chunk);
    QVERIFY(clean.ok);
    for (int i = 0; i < entries; ++i)
        QCOMPARE(load.stored[std::size_t(i)].question, clean.stored[std::size_t(i)].question);
}

void BankFileTest::fileKinds_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("readable");

    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("directory") << "directory" << false;
    QTest::newRow("fifo without a writer") << "fifo" << false;
    QTest::newRow("fifo with a writer") << "fifo+writer" << false;
    QTest::newRow("symlink to /dev/zero") << "->/dev/zero" << false;
    QTest::newRow("symlink to /dev/urandom") << "->/dev/urandom" << false;
    QTest::newRow("/dev/null") << "/dev/null" << false;
    QTest::newRow("dangling symlink") << "->nowhere" << false;
    QTest::newRow("regular file") << "regular" << true;
    QTest::newRow("empty regular file") << "empty" << true;
    QTest::newRow("symlink to a regular file") << "->regular" << true;
}

void BankFileTest::fileKinds()
{
    QFETCH(QString, kind);
    QFETCH(bool, readable);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray path = folder + "/quarl3.tqz";
    const QByteArray regular = folder + "/regular.tqz";
    {
        QFile file(QString::fromLocal8Bit(regular));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(NumberedLines(3));
    }

    std::optional<TestFifo> fifo;
    QByteArray target = path;
    if (kind == "directory") {
        QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("quarl3.tqz"))));
    } else if (kind.startsWith("fifo")) {
        // With a writer attached, a blocking read would wait for data forever.
        QVERIFY(fifo.emplace(path, kind == "fifo+writer").made());
        target = fifo->path();
    } else if (kind.startsWith("->")) {
        if (!SymlinksSupported())
            QSKIP("this system lets no test make symbolic links");
        const QByteArray to = kind == "->regular" ? regular : kind == "->nowhere" ? folder + "/nowhere" : kind.mid(2).toLocal8Bit();
        QVERIFY(MakeSymlink(to, path));
    } else if (kind == "/dev/null") {
        target = NullDevice();
    } else if (kind == "regular") {
        QVERIFY(QFile::copy(QString::fromLocal8Bit(regular), QString::fromLocal8Bit(path)));
    } else if (kind == "empty") {
        QFile file(QString::fromLocal8Bit(path));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    Load load;
    const std::optional<bool> result = ReadFileWithin(target, load, std::chrono::seconds(5));
    fifo.reset(); // a reader stuck waiting for a writer is let go first
    QVERIFY2(result.has_value(), "the read did not return within 5 seconds");
    QCOMPARE(*result, readable);
    if (!readable) {
        QVERIFY(load.stored.empty());
    } else if (kind == "empty") {
        QCOMPARE(load.stored.size(), std::size_t(1));
        QCOMPARE(load.stored.front().question, QByteArray());
    } else {
        QCOMPARE(load.stored.size(), std::size_t(3));
        QCOMPARE(load.stored.back().question, QByteArray("Question 3"));
    }
}

// The one safe open that the game, tqzcheck and the editor share: the reason
// each caller words, and nothing but a regular file left open.
void BankFileTest::openFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("error");

    QTest::newRow("missing") << "missing" << int(BankOpenFailure::System) << ENOENT;
    QTest::newRow("dangling symlink") << "->nowhere" << int(BankOpenFailure::DanglingLink) << ENOENT;
    QTest::newRow("directory") << "directory" << int(BankOpenFailure::Folder) << 0;
    QTest::newRow("fifo") << "fifo" << int(BankOpenFailure::Pipe) << 0;
    QTest::newRow("/dev/null") << "/dev/null" << int(BankOpenFailure::Device) << 0;
    QTest::newRow("symlink to /dev/zero") << "->/dev/zero" << int(BankOpenFailure::Device) << 0;
    QTest::newRow("regular file") << "regular" << int(BankOpenFailure::None) << 0;
}

void BankFileTest::openFailures()
{
    QFETCH(QString, kind);
    QFETCH(int, failure);
    QFETCH(int, error);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QByteArray path = QFile::encodeName(dir.path()) + "/quarl3.tqz";
    std::optional<TestFifo> fifo;
    if (kind == "directory") {
        QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("quarl3.tqz"))));
    } else if (kind == "fifo") {
        QVERIFY(fifo.emplace(path, false).made());
        path = fifo->path();
    } else if (kind.startsWith("->")) {
        if (!SymlinksSupported())
            QSKIP("this system lets no test make symbolic links");
        const QByteArray to = kind == "->nowhere" ? path + ".gone" : kind.mid(2).toLocal8Bit();
        QVERIFY(MakeSymlink(to, path));
    } else if (kind == "/dev/null") {
        path = NullDevice();
    } else if (kind == "regular") {
        QFile file(QString::fromLocal8Bit(path));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(NumberedLines(3));
    }

    BankFileOpen file(path.constData());
    QCOMPARE(int(file.failure()), failure);
    QCOMPARE(file.error(), error);
    QCOMPARE(file.isOpen(), failure == int(BankOpenFailure::None));
    if (file.isOpen()) {
        QCOMPARE(file.size(), NumberedLines(3).size());
        char buffer[8];
        QCOMPARE(file.read(buffer, sizeof buffer), std::ptrdiff_t(sizeof buffer));
        QVERIFY(file.close());
        QVERIFY(!file.isOpen());
    }
}

void BankFileTest::readingLeavesTheFileUnchanged()
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("quarl3.tqz")));
    const QByteArray bytes = NumberedLines(120) + "\x1a" + "trailing junk\r\n";
    // A time well in the past, so any write would show.
    const QDateTime old = QDateTime::fromSecsSinceEpoch(1000000000, QTimeZone::utc());
    {
        QFile file(QString::fromLocal8Bit(path));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
        file.flush();
        QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    }

    Load load;
    QVERIFY(ReadBankFile(path.constData(), Collect(load)));
    QCOMPARE(load.stored.size(), std::size_t(100));

    QCOMPARE(ModificationTime(path), std::optional(FileTime{1000000000, 0}));
    QFile file(QString::fromLocal8Bit(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

void BankFileTest::windows1252Display_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codePoint");

    QTest::newRow("NUL") << 0x00 << 0x0000;
    QTest::newRow("A") << 0x41 << 0x0041;
    QTest::newRow("DEL") << 0x7f << 0x007f;
    QTest::newRow("euro") << 0x80 << 0x20ac;
    QTest::newRow("unassigned 0x81") << 0x81 << 0x0081;
    QTest::newRow("low quote") << 0x82 << 0x201a;
    QTest::newRow("unassigned 0x8D") << 0x8d << 0x008d;
    QTest::newRow("Z caron") << 0x8e << 0x017d;
    QTest::newRow("unassigned 0x8F") << 0x8f << 0x008f;
    QTest::newRow("unassigned 0x90") << 0x90 << 0x0090;
    QTest::newRow("right single quote") << 0x92 << 0x2019;
    QTest::newRow("trade mark") << 0x99 << 0x2122;
    QTest::newRow("unassigned 0x9D") << 0x9d << 0x009d;
    QTest::newRow("Y diaeresis") << 0x9f << 0x0178;
    QTest::newRow("no-break space") << 0xa0 << 0x00a0;
    QTest::newRow("e acute") << 0xe9 << 0x00e9;
    QTest::newRow("y diaeresis") << 0xff << 0x00ff;
}

void BankFileTest::windows1252Display()
{
    QFETCH(int, byte);
    QFETCH(int, codePoint);

    const char one[] = {char(byte), 'x'};
    const QString text = FromWindows1252({one, 2});
    QCOMPARE(text.size(), 2);
    QCOMPARE(int(text.at(0).unicode()), codePoint);
    QCOMPARE(text.at(1), QLatin1Char('x'));
}

void BankFileTest::windows1252Typing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("plain") << QStringLiteral("Anna 7") << QByteArray("Anna 7");
    QTest::newRow("euro and quote") << QStringLiteral(u"\u20ac\u2019") << QByteArray("\x80\x92");
    QTest::newRow("latin-1 letters") << QStringLiteral(u"\u00e9\u00ff\u00a0") << QByteArray("\xe9\xff\xa0");
    QTest::newRow("unassigned controls") << QStringLiteral(u"\u0081\u009d") << QByteArray("\x81\x9d");
    QTest::newRow("C1 control the code page replaces") << QStringLiteral(u"\u0080\u0092") << QByteArray("??");
    QTest::newRow("Greek") << QStringLiteral(u"a\u03b1b") << QByteArray("a?b");
    QTest::newRow("emoji is one character") << QStringLiteral(u"x\U0001F600y") << QByteArray("x?y");
    QTest::newRow("two emoji") << QStringLiteral(u"\U0001F600\U0001F680") << QByteArray("??");
    QTest::newRow("NUL kept") << QString(QChar(0)) << QByteArray(1, '\0');
}

void BankFileTest::windows1252Typing()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    QCOMPARE(Bytes(ToWindows1252(text)), bytes);
}

void BankFileTest::windows1252RoundTripsEveryByte()
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all.push_back(char(byte));
    const QString shown = FromWindows1252(all);
    QCOMPARE(shown.size(), 256);
    QCOMPARE(ToWindows1252(shown), all);
}

QTEST_GUILESS_MAIN(BankFileTest)
#include "BankFileTest.moc"
