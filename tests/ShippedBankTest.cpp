// Every question bank that ships with the game, as data/ShippedBanks.cmake
// lists them: the file layout, that the loader takes every line whole, and
// the rules a machine can check on the questions, read in the bank's
// language: quotations as the language writes them; no question twice,
// within a bank or across the banks of its language; no option set twice in
// a bank; numeric answers that do not give the right one away; and that the
// levels each bank's
// record claims are its blind readers'. Truth and fairness are the blind
// check's, whose record each bank keeps in data/checks/.
#include "tests/BankLines.h"
#include "app/Windows1252.h"
#include "generated/ShippedBanks.h"
#include "forms/BankFile.h"
#include "forms/QuestionRules.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <vector>

namespace {

QString DataFolder()
{
    return qEnvironmentVariable("KORVANE_SOURCE_DIR") + QStringLiteral("/data/");
}

std::string_view View(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

struct Bank {
    QString file;
    const BankLanguage *language = nullptr;
    bool read = false;
    QByteArray bytes;
    QList<QByteArray> lines; // each without its CR LF
};

// The four fields of a line, up to each double quote.
std::array<QByteArray, BankFieldCount> Fields(const QByteArray &line)
{
    std::array<QByteArray, BankFieldCount> fields;
    const auto written = FieldsAsWritten(View(line));
    for (std::size_t field = 0; field < BankFieldCount; ++field)
        fields[field] = Bytes(written[field]);
    return fields;
}

// Printable ASCII, or a letter or sign of Windows-1252. Not control
// characters, not the five bytes the code page leaves undefined, and not
// the no-break space or soft hyphen, which look like a space or nothing
// (but see QuotedInStyle for the places a language wants the former).
bool Printable(unsigned char byte)
{
    if (byte >= 0x20 && byte <= 0x7E)
        return true;
    switch (byte) {
    case 0x81: case 0x8D: case 0x8F: case 0x90: case 0x9D: case 0xA0: case 0xAD:
        return false;
    default:
        return byte >= 0x80;
    }
}

QString Where(const Bank &bank, int line)
{
    return QStringLiteral("%1 line %2").arg(bank.file).arg(line);
}

QByteArray Report(const QStringList &faults)
{
    return faults.join(QLatin1Char('\n')).toUtf8();
}

} // namespace

class ShippedBankTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyBankInDataIsListed();
    void hasOneHundredLinesEndedByCrLf_data() { banks(); }
    void hasOneHundredLinesEndedByCrLf();
    void linesAreWellFormed_data() { banks(); }
    void linesAreWellFormed();
    void loadsEveryLineUncut_data() { banks(); }
    void loadsEveryLineUncut();
    void noQuestionTwiceInAnyBank_data() { banks(); }
    void noQuestionTwiceInAnyBank();
    void noOptionSetTwice_data() { banks(); }
    void noOptionSetTwice();
    void numericAnswersGiveNothingAway_data() { banks(); }
    void numericAnswersGiveNothingAway();
    void hasItsBlindCheckRecord_data() { banks(); }
    void hasItsBlindCheckRecord();

private:
    // One row per shipped bank, in the list's order.
    void banks();
    const Bank *fetchBank();

    std::vector<Bank> banks_;
};

void ShippedBankTest::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("KORVANE_SOURCE_DIR"), "KORVANE_SOURCE_DIR names the source root");
    QVERIFY(std::size(ShippedBanks) >= 1);
    QCOMPARE(QLatin1String(ShippedBanks[0].file), QLatin1String(BankFileName));
    for (const ShippedBankName &name : ShippedBanks) {
        Bank bank;
        bank.file = QLatin1String(name.file);
        bank.language = FindBankLanguage(name.language);
        QVERIFY2(bank.language,
                 qPrintable(bank.file + QStringLiteral(" is in a language the question rules do not know")));
        QFile file(DataFolder() + bank.file);
        bank.read = file.open(QIODevice::ReadOnly);
        bank.bytes = file.readAll();
        // Lines as the loader splits them: each ended by CR LF.
        bank.lines = bank.bytes.split('\n');
        if (bank.lines.last().isEmpty())
            bank.lines.removeLast();
        for (QByteArray &line : bank.lines)
            if (line.endsWith('\r'))
                line.chop(1);
        banks_.push_back(bank);
    }
}

void ShippedBankTest::banks()
{
    QTest::addColumn<int>("bank");
    for (std::size_t n = 0; n < std::size(ShippedBanks); ++n)
        QTest::newRow(ShippedBanks[n].file) << int(n);
}

const Bank *ShippedBankTest::fetchBank()
{
    QFETCH(int, bank);
    const Bank &shipped = banks_.at(std::size_t(bank));
    if (!shipped.read)
        QTest::qFail(qPrintable(DataFolder() + shipped.file + QStringLiteral(" cannot be read")), __FILE__, __LINE__);
    return shipped.read ? &shipped : nullptr;
}

void ShippedBankTest::everyBankInDataIsListed()
{
    // A bank left out of the list would be neither installed nor tested.
    QStringList listed;
    for (const ShippedBankName &name : ShippedBanks)
        listed += QLatin1String(name.file);
    const QStringList inData = QDir(DataFolder()).entryList({QStringLiteral("*.tqz")}, QDir::Files);
    for (const QString &file : inData)
        QVERIFY2(listed.contains(file), qPrintable(file + QStringLiteral(" is not in data/ShippedBanks.cmake")));
}

void ShippedBankTest::hasOneHundredLinesEndedByCrLf()
{
    const Bank *bank = fetchBank();
    if (!bank)
        return;
    const QByteArray &bytes = bank->bytes;
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\r'), 100);
    QCOMPARE(bytes.count('\n'), 100);
    QCOMPARE(bytes.count("\r\n"), 100);
    QVERIFY(!bytes.contains('\x1a'));
    QCOMPARE(bank->lines.size(), 100);
}

void ShippedBankTest::linesAreWellFormed()
{
    const Bank *bank = fetchBank();
    if (!bank)
        return;
    QStringList faults;
    for (int n = 1; n <= bank->lines.size(); ++n) {
        const QByteArray &text = bank->lines.at(n - 1);
        const QString where = Where(*bank, n);
        for (const char byte : text)
            if (byte != '\xa0' && !Printable(static_cast<unsigned char>(byte)))
                faults += QStringLiteral("%1: byte 0x%2").arg(where).arg(uchar(byte), 2, 16, QLatin1Char('0'));
        if (text.count('"') != 4 || !text.endsWith('"')) {
            faults += where + QStringLiteral(": four fields, each ended by a double quote, and nothing after");
            continue;
        }
        const std::array<QByteArray, BankFieldCount> fields = Fields(text);
        for (std::size_t field = 0; field < BankFieldCount; ++field) {
            const QByteArray &value = fields[field];
            const int width = int(field == 0 ? 73 : 26);
            if (value.isEmpty() || value.size() > width)
                faults += QStringLiteral("%1: field %2 is %3 characters, not 1 to %4: %5")
                              .arg(where).arg(field + 1).arg(value.size()).arg(width).arg(QString::fromLatin1(value));
            if (value.startsWith(' ') || value.endsWith(' '))
                faults += QStringLiteral("%1: field %2 has a space at an end").arg(where).arg(field + 1);
            if (!QuotedInStyle(View(value), *bank->language))
                faults += QStringLiteral("%1: field %2 does not quote or space as its language does: %3")
                              .arg(where).arg(field + 1).arg(FromWindows1252(View(value)));
        }
        for (std::size_t a = 1; a < BankFieldCount; ++a)
            for (std::size_t b = a + 1; b < BankFieldCount; ++b)
                if (SameText(View(fields[a]), View(fields[b]), *bank->language))
                    faults += QStringLiteral("%1: answers %2 and %3 are the same").arg(where).arg(a).arg(b);
    }
    QVERIFY2(faults.isEmpty(), Report(faults));
}

void ShippedBankTest::loadsEveryLineUncut()
{
    const Bank *bank = fetchBank();
    if (!bank)
        return;
    std::vector<std::pair<std::size_t, BankEntry>> stored;
    QVERIFY(ReadBankFile(QFile::encodeName(DataFolder() + bank->file).constData(),
                         [&stored](std::size_t slot, const BankEntry &entry) { stored.emplace_back(slot, entry); }));
    QCOMPARE(stored.size(), std::size_t(100));
    QCOMPARE(bank->lines.size(), 100);
    for (int n = 1; n <= 100; ++n) {
        const auto &[slot, entry] = stored[std::size_t(n - 1)];
        QCOMPARE(slot, std::size_t(n));
        const std::array<QByteArray, BankFieldCount> fields = Fields(bank->lines.at(n - 1));
        QCOMPARE(Bytes(entry.question.view()), fields[0]);
        for (std::size_t answer = 1; answer <= 3; ++answer)
            QCOMPARE(Bytes(entry.answers[answer].view()), fields[answer]);
    }
}

void ShippedBankTest::noQuestionTwiceInAnyBank()
{
    // Each bank against itself and every bank of its language listed before
    // it, so each pair of banks is compared once. Banks in two languages may
    // ask the same thing, each for its own players.
    QFETCH(int, bank);
    const Bank *checked = fetchBank();
    if (!checked)
        return;
    QHash<QString, QString> seen; // the question as compared, and where it is
    QStringList faults;
    for (int other = 0; other <= bank; ++other) {
        const Bank &earlier = banks_.at(std::size_t(other));
        if (earlier.language != checked->language)
            continue;
        for (int n = 1; n <= earlier.lines.size(); ++n) {
            const QString key = ComparableText(View(Fields(earlier.lines.at(n - 1))[0]), *checked->language);
            const QString where = Where(earlier, n);
            if (other == bank && seen.contains(key))
                faults += QStringLiteral("%1 asks the question of %2").arg(where, seen.value(key));
            else if (!seen.contains(key))
                seen.insert(key, where);
        }
    }
    QVERIFY2(faults.isEmpty(), Report(faults));
}

void ShippedBankTest::noOptionSetTwice()
{
    const Bank *bank = fetchBank();
    if (!bank)
        return;
    QHash<QStringList, int> seen;
    QStringList faults;
    for (int n = 1; n <= bank->lines.size(); ++n) {
        const std::array<QByteArray, BankFieldCount> fields = Fields(bank->lines.at(n - 1));
        QStringList options = {ComparableText(View(fields[1]), *bank->language),
                               ComparableText(View(fields[2]), *bank->language),
                               ComparableText(View(fields[3]), *bank->language)};
        options.sort();
        if (seen.contains(options))
            faults += QStringLiteral("%1 offers the answers of line %2").arg(Where(*bank, n)).arg(seen.value(options));
        else
            seen.insert(options, n);
    }
    QVERIFY2(faults.isEmpty(), Report(faults));
}

void ShippedBankTest::numericAnswersGiveNothingAway()
{
    const Bank *bank = fetchBank();
    if (!bank)
        return;
    NumericSpread spread;
    QStringList middle, symmetric; // line numbers
    for (int n = 1; n <= bank->lines.size(); ++n) {
        const std::array<QByteArray, BankFieldCount> fields = Fields(bank->lines.at(n - 1));
        const NumericAnswers answers
            = PlaceOfRightValue({View(fields[1]), View(fields[2]), View(fields[3])}, *bank->language);
        spread.add(answers);
        if (answers.place == RightValuePlace::Middle)
            middle += QString::number(n);
        if (answers.symmetric)
            symmetric += QString::number(n);
    }
    QStringList faults;
    if (spread.middleTooOften())
        faults += QStringLiteral("%1: the right value is in the middle for %2 of %3 numeric questions (at most %4% "
                                 "may be): lines %5")
                      .arg(bank->file).arg(spread.middle).arg(spread.questions).arg(MiddlePercentAllowed)
                      .arg(middle.join(QStringLiteral(", ")));
    if (spread.tooManySymmetric())
        faults += QStringLiteral("%1: %2 numeric questions have wrong answers evenly below and above the right one "
                                 "(at most %3 may): lines %4")
                      .arg(bank->file).arg(spread.symmetric).arg(SymmetricAllowed)
                      .arg(symmetric.join(QStringLiteral(", ")));
    QVERIFY2(faults.isEmpty(), Report(faults));
}

void ShippedBankTest::hasItsBlindCheckRecord()
{
    QFETCH(int, bank);
    const QString file = banks_.at(std::size_t(bank)).file;
    QFile record(DataFolder() + QStringLiteral("checks/") + QFileInfo(file).completeBaseName()
                 + QStringLiteral(".md"));
    QVERIFY2(record.open(QIODevice::ReadOnly | QIODevice::Text),
             qPrintable(record.fileName() + QStringLiteral(" cannot be read")));
    const QString text = QString::fromUtf8(record.readAll());

    // A level is the readers', never the writer's: the two readers' where
    // they agree, the third's where they do not. The shares the record
    // claims, and the README repeats, are counted from those levels.
    static const QStringList levels{QStringLiteral("easy"), QStringLiteral("medium"), QStringLiteral("hard")};
    const QRegularExpression row(QStringLiteral(
        R"(^\| (\d+) \| (\w*) \| (\w*) \| (\w*) \| (\w+) \| ([^|]*) \| (\w+) \|$)"),
        QRegularExpression::MultilineOption);
    std::array<int, 3> counted{};
    int line = 0;
    QStringList faults;
    for (const QRegularExpressionMatch &match : row.globalMatch(text)) {
        ++line;
        const QString where = QStringLiteral("%1 line %2: ").arg(record.fileName()).arg(match.captured(1));
        if (match.captured(1).toInt() != line)
            faults += where + QStringLiteral("out of order");
        const QString first = match.captured(2), second = match.captured(3), third = match.captured(4);
        const QString decided = first == second ? first : third;
        if (!levels.contains(decided) || match.captured(5) != decided)
            faults += where + QStringLiteral("level %1 is not the readers' (%2, %3, %4)")
                                  .arg(match.captured(5), first, second, third);
        if (match.captured(7) != QLatin1String("passed"))
            faults += where + QStringLiteral("not passed");
        if (levels.contains(decided))
            ++counted[std::size_t(levels.indexOf(decided))];
    }
    QCOMPARE(line, 100);
    QVERIFY2(faults.isEmpty(), Report(faults));
    const QRegularExpressionMatch claim
        = QRegularExpression(QStringLiteral(R"(100 questions: (\d+) easy, (\d+) medium and (\d+) hard)")).match(text);
    QVERIFY2(claim.hasMatch(), "the record claims no level shares");
    for (qsizetype level = 0; level < levels.size(); ++level)
        QCOMPARE(claim.captured(int(level) + 1).toInt(), counted[std::size_t(level)]);
}

QTEST_GUILESS_MAIN(ShippedBankTest)
#include "ShippedBankTest.moc"
