// The bank checker run as a bank author runs it: on the shipped banks, and on
// banks broken in each way the loader has a rule for, with the exit status,
// the findings and the summary it must print.
#include "tests/BankLines.h"
#include "generated/ShippedBanks.h"
#include "app/Windows1252.h"
#include "forms/BankFile.h"
#include "tests/TestSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>

namespace {

struct Run {
    int exitCode = -1;
    QString out;              // with every line ended by "\n"
    bool nativeLineEnds = false; // as printed, each line ended as the system's console programs end them
};

Run RunChecker(const QStringList &arguments, const QString &folder = {})
{
    QProcess checker;
    checker.setWorkingDirectory(folder);
    checker.start(qEnvironmentVariable("TQZCHECK"), arguments);
    if (!checker.waitForFinished(30000) || checker.exitStatus() != QProcess::NormalExit)
        return {};
    // On Windows the C runtime prints CR LF for "\n", as every console
    // program there does; the findings are compared line by line, so one set
    // of expected outputs serves both systems.
    QByteArray out = checker.readAllStandardOutput();
    const qsizetype lines = out.count('\n');
    const bool native = out.count(PrintedLineEnd()) == lines;
    out.replace(PrintedLineEnd(), "\n");
    return {checker.exitCode(), QString::fromUtf8(out), native};
}

QString LastLine(const QString &text)
{
    return text.trimmed().section(QLatin1Char('\n'), -1);
}

// n well-formed lines, each ended by CR LF, with line `at` (if any) replaced.
QByteArray Bank(int n, int at = 0, const QByteArray &replacement = {})
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += (i == at ? replacement : NumberedLine(i)) + "\r\n";
    return bytes;
}

QByteArray Repeated(char c, int n)
{
    return QByteArray(n, c);
}

// Writes the bytes whole to a new file at the path.
bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TqzcheckTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void shippedBankPlaysAsWritten_data();
    void shippedBankPlaysAsWritten();
    void listsTheFieldsTheLoaderReturns();
    void banks_data();
    void banks();
    void golden_data();
    void golden();
    void unreadable_data();
    void unreadable();
    void wrongCommandLine();
    void speaksTheChosenLanguage_data();
    void speaksTheChosenLanguage();
};

void TqzcheckTest::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("TQZCHECK"), "TQZCHECK names the built checker");
    QVERIFY2(qEnvironmentVariableIsSet("KORVANE_SOURCE_DIR"), "KORVANE_SOURCE_DIR names the source root");
}

void TqzcheckTest::shippedBankPlaysAsWritten_data()
{
    QTest::addColumn<QString>("file");
    for (const ShippedBankName &bank : ShippedBanks)
        QTest::newRow(bank.file) << QString::fromLatin1(bank.file);
}

void TqzcheckTest::shippedBankPlaysAsWritten()
{
    QFETCH(QString, file);
    const QString bank = qEnvironmentVariable("KORVANE_SOURCE_DIR") + QStringLiteral("/data/") + file;
    const Run run = RunChecker({bank});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(LastLine(run.out), bank + QStringLiteral(": 100 entries, 0 problems, 0 warnings"));
    QVERIFY(!run.out.contains(QStringLiteral("\n      line ")));
}

// Each listed line holds exactly the fields the game's loader returns, shown
// as the game shows them; checked on a bank whose every line goes wrong.
void TqzcheckTest::listsTheFieldsTheLoaderReturns()
{
    QByteArray bytes;
    for (int i = 1; i <= 100; ++i) {
        const QByteArray n = QByteArray::number(i);
        QByteArray line = Repeated('q', i) + "\xe9\xc3\xa9\t" + n;
        for (int quote = 0; quote < i % 6; ++quote)
            line += '"' + Repeated(char('a' + quote), i % 40) + n;
        bytes += line + (i % 7 ? "\r\n" : "\r");
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quarl3.tqz"));
    QVERIFY(WriteFile(path, bytes));

    QStringList expected;
    QVERIFY(ReadBankFile(QFile::encodeName(path).constData(), [&expected](std::size_t slot, const BankEntry &entry) {
        QString line = QString::number(slot).rightJustified(4) + QStringLiteral(" ");
        for (const std::string_view field : {entry.question.view(), entry.answers[1].view(),
                                             entry.answers[2].view(), entry.answers[3].view()})
            line += QStringLiteral(" \"") + FromWindows1252(field).replace(QLatin1Char('\t'), QStringLiteral("\\x09"))
                    + QLatin1Char('"');
        expected += line;
    }));
    QCOMPARE(expected.size(), 100);

    const Run run = RunChecker({path});
    QCOMPARE(run.exitCode, 1);
    QStringList listed;
    const QRegularExpression listing(QStringLiteral("^ *\\d+  \""));
    for (const QString &line : run.out.split(QLatin1Char('\n')))
        if (listing.match(line).hasMatch())
            listed += line;
    QCOMPARE(listed, expected);
}

void TqzcheckTest::banks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("findings");
    QTest::addColumn<QString>("summary");

    const QByteArray good = Bank(100);
    QByteArray lastUnended = good;
    lastUnended.chop(2);

    // Banks that play as written, some of them not quite as the README asks.
    QTest::newRow("100 lines") << good << 0 << QStringList() << "100 entries, 0 problems, 0 warnings";
    QTest::newRow("last line without CR LF") << lastUnended << 0 << QStringList() << "100 entries, 0 problems, 0 warnings";
    QTest::newRow("lone CRs end the lines") << QByteArray(good).replace("\r\n", "\r") << 0 << QStringList()
                                            << "100 entries, 0 problems, 0 warnings";
    QTest::newRow("Ctrl-Z as the last byte") << good + "\x1a" << 0 << QStringList() << "100 entries, 0 problems, 0 warnings";
    QTest::newRow("anything after line 100 and a Ctrl-Z")
        << good + "\x1a" + "junk\r\n" << 0 << QStringList() << "100 entries, 0 problems, 0 warnings";
    // The widths add up to more than 140: a line full to the 140th character,
    // and one whose 4th quote is the 141st, still load every field whole.
    QTest::newRow("fields at their widths, 140 characters")
        << Bank(100, 9, Line(Repeated('q', 73), Repeated('a', 26), Repeated('b', 26), Repeated('c', 11))) << 0
        << QStringList() << "100 entries, 0 problems, 0 warnings";
    QTest::newRow("4th quote as the 141st character")
        << Bank(100, 9, Line(Repeated('q', 73), Repeated('a', 26), Repeated('b', 26), Repeated('c', 12))) << 0
        << QStringList{"   9  \"" + QString(73, QLatin1Char('q')) + "\" \"" + QString(26, QLatin1Char('a')) + "\" \""
                       + QString(26, QLatin1Char('b')) + "\" \"" + QString(12, QLatin1Char('c')) + "\""}
        << "100 entries, 0 problems, 0 warnings";
    QTest::newRow("4th quote as the 142nd character")
        << Bank(100, 9, Line(Repeated('q', 73), Repeated('a', 26), Repeated('b', 26), Repeated('c', 13))) << 1
        << QStringList{"line 9: the line is 142 characters: the game reads the first 140 and drops «c\"»",
                       "line 9: only 3 of the 4 double quotes in the first 140 characters: wrong answer 2 takes the rest"}
        << "100 entries, 2 problems, 0 warnings";

    // Too few lines or too many.
    QTest::newRow("56 lines") << Bank(56) << 1
                              << QStringList{"slots 57 to 100 stay empty: the game finds only 56 lines"}
                              << "56 entries, 1 problem, 0 warnings";
    QTest::newRow("99 lines") << Bank(99) << 1 << QStringList{"slot 100 stays empty"} << "99 entries, 1 problem, 0 warnings";
    QTest::newRow("empty file") << QByteArray() << 1
                                << QStringList{"line 1: empty line", "slots 2 to 100 stay empty: the game finds only 1 line\n"}
                                << "1 entry, 2 problems, 0 warnings";
    QTest::newRow("103 lines") << Bank(103) << 1 << QStringList{"lines 101 to 103 are not read"}
                               << "100 entries, 1 problem, 0 warnings";
    QTest::newRow("an empty line after the 100th") << good + "\r\n" << 1 << QStringList{"line 101 is not read"}
                                                   << "100 entries, 1 problem, 0 warnings";
    QTest::newRow("empty line in the middle") << Bank(100, 7, "") << 1
                                              << QStringList{"line 7: empty line: the slot stays empty"}
                                              << "100 entries, 1 problem, 0 warnings";

    // Cuts at the field widths and at 140.
    QTest::newRow("80-character question")
        << Bank(100, 7, Line(Repeated('q', 73) + "QQQQQQQ", "A", "B", "C")) << 1
        << QStringList{"   7  \"" + QString(73, QLatin1Char('q')) + "\" \"A\"",
                       "line 7: the question is 80 characters: the game keeps 73 and drops «QQQQQQQ»"}
        << "100 entries, 1 problem, 0 warnings";
    QTest::newRow("30-character wrong answer")
        << Bank(100, 7, Line("Q", "A", Repeated('b', 26) + "BBBB", "C")) << 1
        << QStringList{"line 7: wrong answer 1 is 30 characters: the game keeps 26 and drops «BBBB»"}
        << "100 entries, 1 problem, 0 warnings";
    QTest::newRow("line past 140 after the 4th quote")
        << Bank(100, 7, Line("Q", "A", "B", "C") + Repeated('x', 150)) << 1
        << QStringList{"line 7: text after the 4th double quote is not used: «xxx"} << "100 entries, 1 problem, 0 warnings";
    QTest::newRow("line cut at 140 before its quotes")
        << Bank(100, 7, "Q\"" + Repeated('a', 150) + "\"B\"C\"") << 1
        << QStringList{"   7  \"Q\" \"" + QString(26, QLatin1Char('a')) + "\" \"\" \"\"",
                       "line 7: the line is 157 characters: the game reads the first 140 and drops «aaaaaaaaaaaa\"B\"C\"»",
                       "line 7: only 1 of the 4 double quotes in the first 140 characters: the right answer takes the rest",
                       "line 7: the right answer is 138 characters: the game keeps 26",
                       "line 7: wrong answer 1 and wrong answer 2 are empty"}
        << "100 entries, 4 problems, 0 warnings";

    // Double quotes and empty fields.
    QTest::newRow("three quotes") << Bank(100, 7, "Q\"A\"B\"C") << 1
                                  << QStringList{"   7  \"Q\" \"A\" \"B\" \"C\"",
                                                 "line 7: only 3 of the 4 double quotes: wrong answer 2 takes the rest of the line"}
                                  << "100 entries, 1 problem, 0 warnings";
    QTest::newRow("three quotes, nothing after") << Bank(100, 7, "Q\"A\"B\"") << 1
                                                 << QStringList{"line 7: only 3 of the 4 double quotes\n",
                                                                "line 7: wrong answer 2 is empty"}
                                                 << "100 entries, 2 problems, 0 warnings";
    QTest::newRow("no double quote") << Bank(100, 7, "Just a question?") << 1
                                     << QStringList{"   7  \"\" \"\" \"\" \"\"",
                                                    "line 7: no double quote: the game loads nothing from this line"}
                                     << "100 entries, 1 problem, 0 warnings";
    QTest::newRow("text after the 4th quote") << Bank(100, 7, Line("Q", "A", "B", "C") + " tail\"") << 1
                                              << QStringList{"line 7: text after the 4th double quote is not used: « tail\"»"}
                                              << "100 entries, 1 problem, 0 warnings";
    QTest::newRow("empty right answer") << Bank(100, 7, Line("Q", "", "B", "C")) << 1
                                        << QStringList{"line 7: the right answer is empty"} << "100 entries, 1 problem, 0 warnings";

    // Lines that load whole but may not play well once the answers are shuffled.
    QTest::newRow("question asked again, answers alike")
        << Bank(100, 9, Line("question 3!", "Right 9", "right  9", "Third")) << 1
        << QStringList{"line 9: warning: the same question as line 3",
                       "line 9: warning: the right answer and wrong answer 1 are the same answer"}
        << "100 entries, 0 problems, 2 warnings";

    // Line feeds.
    QTest::newRow("lone LF in a line") << Bank(100, 7, Line("Q1\nQ2", "A", "B", "C")) << 1
                                       << QStringList{"   7  \"Q1\\x0AQ2\" \"A\"",
                                                      "line 7: lone line feed (LF) at character 3: the game reads it as an ordinary"}
                                       << "100 entries, 1 problem, 0 warnings";
    QTest::newRow("file with LF line ends") << QByteArray(good).replace("\r\n", "\n") << 1
                                            << QStringList{"line 1: 100 lone line feeds (LF), the first at character 33",
                                                           "line 1: text after the 4th double quote is not used: «↵Question 2",
                                                           "slots 2 to 100 stay empty"}
                                            << "1 entry, 3 problems, 0 warnings";

    // Characters beyond plain ASCII, shown one byte to a Windows-1252 character.
    QTest::newRow("UTF-8 text") << Bank(100, 7, Line("Caf\xc3\xa9 \xe2\x82\xac?", "A", "B", "C")) << 1
                                << QStringList{"   7  \"CafÃ© â‚¬?\" \"A\"",
                                               "line 7: the question holds UTF-8 text the game shows as other characters: "
                                               "«é» shows as «Ã©» and «€» shows as «â‚¬»"}
                                << "100 entries, 1 problem, 0 warnings";
    // Letters and signs of the code page are the format's own.
    QTest::newRow("Windows-1252 text") << Bank(100, 7, Line("Q", "Caf\xe9", "\x80", "\x93" "C\x94")) << 0
                                       << QStringList{"   7  \"Q\" \"Café\" \"€\" \"“C”\""}
                                       << "100 entries, 0 problems, 0 warnings";
    QTest::newRow("byte with no Windows-1252 character")
        << Bank(100, 7, Line("Q\x81", "A", "B", "C")) << 1
        << QStringList{"   7  \"Q\\x81\"", "line 7: the question holds bytes Windows-1252 does not define: 0x81 (no character)"}
        << "100 entries, 1 problem, 0 warnings";
    QTest::newRow("UTF-8 character split by the cut at 73")
        << Bank(100, 7, Line(Repeated('q', 72) + "\xc3\xa9", "A", "B", "C")) << 1
        << QStringList{"line 7: the question is 74 characters: the game keeps 73 and drops «©»"}
        << "100 entries, 1 problem, 0 warnings";
    QTest::newRow("UTF-8 byte order mark") << "\xef\xbb\xbf" + good << 1
                                           << QStringList{"line 1: the question holds UTF-8 text the game shows as other "
                                                          "characters: a byte order mark (EF BB BF) shows as ï»¿"}
                                           << "100 entries, 1 problem, 0 warnings";
    QTest::newRow("tab and NUL") << Bank(100, 7, Line(QByteArray("Q\t\0", 3), "A", "B", "C")) << 1
                                 << QStringList{"line 7: the question holds control characters: 0x09 and 0x00"}
                                 << "100 entries, 1 problem, 0 warnings";

    // Ctrl-Z ends the data.
    QTest::newRow("Ctrl-Z after line 50") << Bank(50) + "\x1a" + Bank(50) << 1
                                          << QStringList{"line 50: a Ctrl-Z after this line ends the data: the "
                                                             + QString::number(Bank(50).size())
                                                             + " bytes after it are not read",
                                                         "slots 51 to 100 stay empty"}
                                          << "50 entries, 2 problems, 0 warnings";
    QTest::newRow("Ctrl-Z inside line 50") << Bank(49) + "Q\"A\"B\x1a\"C\"\r\n" + Bank(50) << 1
                                           << QStringList{"  50  \"Q\" \"A\" \"B\" \"\"",
                                                          "line 50: a Ctrl-Z in this line ends the data",
                                                          "line 50: only 2 of the 4 double quotes",
                                                          "slots 51 to 100 stay empty"}
                                           << "50 entries, 4 problems, 0 warnings";
}

void TqzcheckTest::banks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, exitCode);
    QFETCH(QStringList, findings);
    QFETCH(QString, summary);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bank.tqz"));
    QVERIFY(WriteFile(path, bytes));

    const Run run = RunChecker({path});
    for (const QString &finding : findings)
        QVERIFY2(run.out.contains(finding), qPrintable(QStringLiteral("%1\nnot in:\n%2").arg(finding, run.out)));
    QCOMPARE(LastLine(run.out), path + QStringLiteral(": ") + summary);
    QCOMPARE(run.exitCode, exitCode);
}

// Every bank in tests/golden, ordinary and hostile, printed exactly as
// tests/golden/NAME.out holds it: the whole listing, every finding's wording
// and the exit status, so that moving the checks' code cannot change a byte.
// A change meant to alter the output prints them again, in that folder:
//   for f in *.tqz; do tqzcheck "$f" >"${f%.tqz}.out"; echo "exit status $?" >>"${f%.tqz}.out"; done
void TqzcheckTest::golden_data()
{
    QTest::addColumn<QString>("bank");
    const QDir golden(qEnvironmentVariable("KORVANE_SOURCE_DIR") + QStringLiteral("/tests/golden"));
    const QStringList banks = golden.entryList({QStringLiteral("*.tqz")}, QDir::Files, QDir::Name);
    QVERIFY(banks.size() >= 40);
    for (const QString &bank : banks)
        QTest::newRow(qPrintable(bank)) << bank;
}

void TqzcheckTest::golden()
{
    QFETCH(QString, bank);
    const QString folder = qEnvironmentVariable("KORVANE_SOURCE_DIR") + QStringLiteral("/tests/golden");
    QFile expected(folder + QLatin1Char('/') + QFileInfo(bank).completeBaseName() + QStringLiteral(".out"));
    QVERIFY2(expected.open(QIODevice::ReadOnly), qPrintable(expected.fileName()));

    // Run in the bank's folder, so that the path it prints is the bare name.
    const Run run = RunChecker({bank}, folder);
    QVERIFY(run.nativeLineEnds);
    const QString printed = run.out + QStringLiteral("exit status %1\n").arg(run.exitCode);
    const QStringList got = printed.split(QLatin1Char('\n'));
    const QStringList want = QString::fromUtf8(expected.readAll()).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::min(got.size(), want.size()); ++i)
        QVERIFY2(got[i] == want[i],
                 qPrintable(QStringLiteral("line %1:\n  got  %2\n  want %3").arg(i + 1).arg(got[i], want[i])));
    QCOMPARE(got.size(), want.size());
}

void TqzcheckTest::unreadable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("why");

    QTest::newRow("missing") << "missing" << "No such file or directory";
    QTest::newRow("folder") << "folder" << "it is a folder";
    QTest::newRow("fifo") << "fifo" << "it is not a regular file";
    QTest::newRow("not readable") << "unreadable" << "Permission denied";
}

void TqzcheckTest::unreadable()
{
    QFETCH(QString, kind);
    QFETCH(QString, why);

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("quarl3.tqz"));
    const QByteArray name = QFile::encodeName(path);
    std::optional<TestFifo> fifo;
    if (kind == "folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == "fifo") {
        QVERIFY(fifo.emplace(name, false).made());
        path = QFile::decodeName(fifo->path());
    } else if (kind == "unreadable") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Bank(100));
        file.close();
        if (const QString cannot = MakeUnreadable(name); !cannot.isEmpty())
            QSKIP(qPrintable(cannot));
    }

    const Run run = RunChecker({path});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(LastLine(run.out),
             path + QStringLiteral(": cannot be read (%1): the game would show \"The File 'QUARL3.TQZ' is not found!\"")
                        .arg(why));
}

void TqzcheckTest::wrongCommandLine()
{
    QCOMPARE(RunChecker({}).exitCode, 2);
    QCOMPARE(RunChecker({QStringLiteral("a.tqz"), QStringLiteral("b.tqz")}).exitCode, 2);
    const Run help = RunChecker({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.startsWith(QStringLiteral("Usage: tqzcheck FILE")));
}

// --language picks a catalogue compiled into the program, for the checker's
// own words and the checks' alike; without one, it stays English.
void TqzcheckTest::speaksTheChosenLanguage_data()
{
    QTest::addColumn<QStringList>("option");
    QTest::addColumn<QString>("finding");
    QTest::addColumn<QString>("summary");

    QTest::newRow("German") << QStringList{QStringLiteral("--language"), QStringLiteral("de")}
                            << QStringLiteral("Platz 100 bleibt leer: das Spiel findet nur 99 Zeilen")
                            << QStringLiteral("99 Einträge, 1 Problem, 0 Warnungen");
    QTest::newRow("German, with =") << QStringList{QStringLiteral("--language=de")}
                                    << QStringLiteral("Platz 100 bleibt leer") << QStringLiteral("99 Einträge, 1 Problem, 0 Warnungen");
    QTest::newRow("a language without a catalogue")
        << QStringList{QStringLiteral("--language"), QStringLiteral("xx")}
        << QStringLiteral("slot 100 stays empty: the game finds only 99 lines")
        << QStringLiteral("99 entries, 1 problem, 0 warnings");
}

void TqzcheckTest::speaksTheChosenLanguage()
{
    QFETCH(QStringList, option);
    QFETCH(QString, finding);
    QFETCH(QString, summary);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bank.tqz"));
    QVERIFY(WriteFile(path, Bank(99)));

    const Run run = RunChecker(option + QStringList{path});
    QVERIFY2(run.out.contains(path + QStringLiteral(": ") + finding), qPrintable(run.out));
    QCOMPARE(LastLine(run.out), path + QStringLiteral(": ") + summary);
    QCOMPARE(run.exitCode, 1);
}

QTEST_GUILESS_MAIN(TqzcheckTest)
#include "TqzcheckTest.moc"
