// The question bank that ships with the game: its file layout, and that the
// loader takes every line in whole.
#include "BankLines.h"
#include "forms/BankFile.h"

#include <QByteArray>
#include <QFile>
#include <QSet>
#include <QTest>

#include <vector>

namespace {

QByteArray BankPath()
{
    return QFile::encodeName(qEnvironmentVariable("KORVANE_SOURCE_DIR") + QStringLiteral("/data/")
                             + QLatin1StringView(BankFileName));
}

} // namespace

class ShippedBankTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void hasOneHundredLinesEndedByCrLf();
    void line_data();
    void line();
    void questionsAreDistinct();
    void loadsEveryLineUncut();

private:
    QByteArray bank_;
    QList<QByteArray> lines_;
};

void ShippedBankTest::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("KORVANE_SOURCE_DIR"), "KORVANE_SOURCE_DIR names the source root");
    QFile file(QFile::decodeName(BankPath()));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    bank_ = file.readAll();
    lines_ = bank_.split('\n');
}

void ShippedBankTest::hasOneHundredLinesEndedByCrLf()
{
    QVERIFY(bank_.endsWith("\r\n"));
    QCOMPARE(bank_.count('\r'), 100);
    QCOMPARE(bank_.count('\n'), 100);
    QCOMPARE(bank_.count("\r\n"), 100);
    QVERIFY(!bank_.contains('\x1a'));
    // Splitting at each LF leaves the 100 lines and an empty tail.
    QCOMPARE(lines_.size(), 101);
    QVERIFY(lines_.last().isEmpty());
}

void ShippedBankTest::line_data()
{
    QTest::addColumn<int>("number");
    for (int n = 1; n <= 100; ++n)
        QTest::addRow("line %d", n) << n;
}

void ShippedBankTest::line()
{
    QFETCH(int, number);
    QVERIFY(lines_.size() > number);
    QByteArray text = lines_.at(number - 1);
    QVERIFY2(text.endsWith('\r'), "ended by CR LF");
    text.chop(1);

    for (const char byte : text)
        QVERIFY2(byte >= 32 && byte <= 126, qPrintable(QStringLiteral("byte %1").arg(int(uchar(byte)))));
    QCOMPARE(text.count('"'), 4);
    QVERIFY2(text.endsWith('"'), "nothing after the 4th quote");

    const QList<QByteArray> fields = text.split('"');
    const QByteArray &question = fields.at(0);
    QVERIFY2(question.size() >= 1 && question.size() <= 73, question.constData());
    QSet<QByteArray> folded;
    for (int answer = 1; answer <= 3; ++answer) {
        const QByteArray &text = fields.at(answer);
        QVERIFY2(text.size() >= 1 && text.size() <= 26, text.constData());
        folded.insert(text.toLower());
    }
    QVERIFY2(folded.size() == 3, "the three answers differ, case aside");
}

void ShippedBankTest::questionsAreDistinct()
{
    QSet<QByteArray> questions;
    for (int n = 0; n < 100; ++n) {
        const QByteArray question = lines_.at(n).left(lines_.at(n).indexOf('"'));
        QVERIFY2(!questions.contains(question), question.constData());
        questions.insert(question);
    }
}

void ShippedBankTest::loadsEveryLineUncut()
{
    std::vector<std::pair<std::size_t, BankEntry>> stored;
    QVERIFY(ReadBankFile(BankPath().constData(),
                         [&stored](std::size_t slot, const BankEntry &entry) { stored.emplace_back(slot, entry); }));
    QCOMPARE(stored.size(), std::size_t(100));
    for (int n = 1; n <= 100; ++n) {
        const auto &[slot, entry] = stored[std::size_t(n - 1)];
        QCOMPARE(slot, std::size_t(n));
        const QList<QByteArray> fields = lines_.at(n - 1).split('"');
        QCOMPARE(Bytes(entry.question.view()), fields.at(0));
        for (int answer = 1; answer <= 3; ++answer)
            QCOMPARE(Bytes(entry.answers[std::size_t(answer)].view()), fields.at(answer));
    }
}

QTEST_GUILESS_MAIN(ShippedBankTest)
#include "ShippedBankTest.moc"
