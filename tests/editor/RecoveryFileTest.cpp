// The recovery file's text: a document written and read back is the same
// row for row, typed fields and all, and saves to the same bytes; the text
// is UTF-8 a person can read; damaged text is refused, never read as some
// other document.
#include "editor/document/BankDocument.h"
#include "editor/document/RecoveryFile.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTest>

Q_DECLARE_METATYPE(std::vector<BankLine>)

namespace {

QByteArray AllBytes()
{
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes += char(byte);
    return bytes;
}

BankLine Typed(const QStringList &fields)
{
    BankLine line = BankLines::Blank();
    for (int column = 0; column < fields.size(); ++column)
        if (!fields[column].isNull())
            line = BankLines::WithField(line, column, fields[column]);
    return line;
}

const QDateTime Written = QDateTime(QDate(2026, 5, 3), QTime(14, 2, 11, 345), Qt::UTC);

RecoverySnapshot Snapshot(std::vector<BankLine> lines, QByteArray tail = {}, QString bank = {})
{
    return {std::move(lines), std::move(tail), std::move(bank), Written};
}

} // namespace

class RecoveryFileTest : public QObject {
    Q_OBJECT

private slots:
    void readsBackTheSameDocument_data();
    void readsBackTheSameDocument();
    void refusesDamagedText_data();
    void refusesDamagedText();
};

void RecoveryFileTest::readsBackTheSameDocument_data()
{
    QTest::addColumn<std::vector<BankLine>>("lines");
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QString>("bank");

    std::vector<BankLine> eachByte;
    for (int byte = 0; byte < 256; ++byte)
        eachByte.push_back({QByteArray(1, char(byte)), {}, LineEnd(byte % 3)});
    BankDocument random;
    QByteArray randomBytes(5000, Qt::Uninitialized);
    QRandomGenerator generator(17);
    for (char &byte : randomBytes)
        byte = char(generator.bounded(256));
    random.load(randomBytes);

    QTest::newRow("all 256 bytes in one line") << std::vector<BankLine>{{AllBytes(), {}, LineEnd::CrLf}} << QByteArray()
                                               << "/banks/a.tqz";
    QTest::newRow("each byte a line, every line end") << eachByte << QByteArray() << "/banks/a.tqz";
    QTest::newRow("bytes after a Ctrl-Z, all 256") << std::vector<BankLine>{BankLines::Blank()} << "\x1a" + AllBytes()
                                                   << "/banks/a.tqz";
    QTest::newRow("typed beyond the code page and the BMP")
        << std::vector<BankLine>{Typed({QStringLiteral("Gdańsk?"), QStringLiteral("🙂"), QStringLiteral("日本"),
                                        QStringLiteral("€ but π")})}
        << QByteArray() << "/banks/a.tqz";
    QTest::newRow("typed beside fields the code page holds")
        << std::vector<BankLine>{BankLines::Blank(), Typed({QString(), QStringLiteral("Łódź"), QString(), QString()})}
        << QByteArray() << "/banks/a.tqz";
    QTest::newRow("lone surrogates typed")
        << std::vector<BankLine>{Typed({QString(QChar(0xD800)), QChar(0xDC00) + QStringLiteral("x"), QString(), QString()})}
        << QByteArray() << "/banks/a.tqz";
    QTest::newRow("untitled bank") << std::vector<BankLine>{BankLines::Blank()} << QByteArray() << QString();
    QTest::newRow("a new bank's one empty line") << std::vector<BankLine>{BankLine{}} << QByteArray() << QString();
    QTest::newRow("bank path with quotes, spaces, letters beyond ASCII")
        << std::vector<BankLine>{BankLines::Blank()} << QByteArray() << QStringLiteral("/home/é \"q\" 🙂\\/b.tqz");
    QTest::newRow("a document opened from random bytes") << random.lines() << random.tail() << "/banks/random.tqz";
}

void RecoveryFileTest::readsBackTheSameDocument()
{
    QFETCH(std::vector<BankLine>, lines);
    QFETCH(QByteArray, tail);
    QFETCH(QString, bank);
    BankDocument document;
    document.assign(lines, tail);

    const QByteArray text = RecoveryFile::Written(Snapshot(lines, tail, bank));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(text);
    QVERIFY2(!utf8.hasError(), "not UTF-8");
    // Readable: no control character but the line breaks between rows.
    for (const char32_t ch : decoded.toUcs4())
        QVERIFY2(ch == U'\n' || QChar::category(ch) != QChar::Other_Control, qPrintable(decoded));

    QString error;
    const std::optional<RecoverySnapshot> read = RecoveryFile::Read(text, &error);
    QVERIFY2(read, qPrintable(error));
    QVERIFY(RecoveryFile::SameDocument(read->lines, read->tail, lines, tail));
    QCOMPARE(read->bankPath, bank);
    QCOMPARE(read->written, Written);
    BankDocument back;
    back.assign(read->lines, read->tail);
    QCOMPARE(back.bytes(), document.bytes());
    QCOMPARE(back.firstUnencodable().has_value(), document.firstUnencodable().has_value());
}

void RecoveryFileTest::refusesDamagedText_data()
{
    QTest::addColumn<QByteArray>("text");
    const QByteArray good = RecoveryFile::Written(
        Snapshot({Typed({QStringLiteral("Q?"), QStringLiteral("Łódź"), QString(), QString()})}, "\x1a!", "/b.tqz"));
    QVERIFY(RecoveryFile::Read(good));
    const auto replaced = [&good](const char *from, const char *to) {
        QByteArray text = good;
        if (!text.contains(from))
            qFatal("the recovery text holds no %s", from);
        return text.replace(from, to);
    };
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not JSON") << QByteArray("Capital of France?\"Paris\"Lyon\"Nice\"\r\n");
    QTest::newRow("cut short") << good.left(good.size() / 2);
    QTest::newRow("another program's JSON") << replaced("korvedit recovery", "something else");
    QTest::newRow("another version") << replaced("\"version\": 1", "\"version\": 2");
    QTest::newRow("a line's text beyond the code page") << replaced("Q?", "Qń?");
    QTest::newRow("a line without its text") << replaced("\"text\"", "\"txt\"");
    QTest::newRow("an unknown line end") << replaced("CR LF", "LF");
    QTest::newRow("three typed fields") << replaced(", null, null]", ", null]");
    QTest::newRow("a typed field that is a number") << replaced("\"Łódź\"", "7");
    QTest::newRow("no line at all") << QByteArray(good).replace(good.indexOf("\"lines\": [") + 10, good.indexOf("],\n\"tail\"") - good.indexOf("\"lines\": [") - 10, "");
    QTest::newRow("a tail without its Ctrl-Z") << replaced("\"\\u001a!\"", "\"!\"");
    QTest::newRow("no time written") << replaced("\"written\"", "\"when\"");
    QTest::newRow("an empty bank name") << replaced("\"/b.tqz\"", "\"\"");
}

void RecoveryFileTest::refusesDamagedText()
{
    QFETCH(QByteArray, text);
    QString error;
    QVERIFY(!RecoveryFile::Read(text, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(RecoveryFileTest)
#include "RecoveryFileTest.moc"
