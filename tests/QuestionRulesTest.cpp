// The rules a bank's questions are held to beyond what the loader reads:
// when two questions are the same, and where the right value sits among
// numeric answers. The bank tests trust these, so each row is a way they
// could pass a bank they should fail, or fail one they should pass.
#include "forms/QuestionRules.h"

#include <QByteArray>
#include <QTest>

#include <cmath>
#include <string_view>

Q_DECLARE_METATYPE(RightValuePlace)

namespace {

std::string_view View(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

class QuestionRulesTest : public QObject {
    Q_OBJECT

private slots:
    void sameText_data();
    void sameText();
    void leadingNumber_data();
    void leadingNumber();
    void placeOfRightValue_data();
    void placeOfRightValue();
    void numericSpread_data();
    void numericSpread();
};

void QuestionRulesTest::sameText_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<bool>("same");

    QTest::newRow("case") << QByteArray("Which is the largest ocean?") << QByteArray("WHICH is the largest OCEAN?")
                          << true;
    QTest::newRow("spaces") << QByteArray("Which  planet is red?") << QByteArray("Which planet isred?") << true;
    QTest::newRow("punctuation") << QByteArray("What is St. Paul's?") << QByteArray("What is St Pauls") << true;
    QTest::newRow("typographic apostrophe and dash") << QByteArray("Who wrote \x91" "Emma\x92 \x96" " a novel?")
                                                     << QByteArray("Who wrote 'Emma' - a novel?") << true;
    QTest::newRow("Windows-1252 capital") << QByteArray("Where is Z\xfcrich?") << QByteArray("WHERE IS Z\xdcRICH?")
                                          << true;
    QTest::newRow("accent matters") << QByteArray("Where is Z\xfcrich?") << QByteArray("Where is Zurich?") << false;
    QTest::newRow("digits matter") << QByteArray("How many legs has an insect, 6?")
                                   << QByteArray("How many legs has an insect, 8?") << false;
    QTest::newRow("a word matters") << QByteArray("Which is the largest ocean?")
                                    << QByteArray("Which is the smallest ocean?") << false;
    QTest::newRow("a minus sign matters") << QByteArray("-40") << QByteArray("40") << false;
    QTest::newRow("a decimal point matters") << QByteArray("1.5 litres") << QByteArray("15 litres") << false;
    QTest::newRow("a hyphen between words does not") << QByteArray("Who was well-known?")
                                                      << QByteArray("Who was well known?") << true;
    QTest::newRow("thousands commas do not") << QByteArray("1,500 km") << QByteArray("1500 km") << true;
    QTest::newRow("order matters") << QByteArray("Who came first?") << QByteArray("Who first came?") << false;
    QTest::newRow("more words after") << QByteArray("Which is Mars?") << QByteArray("Which is Mars, really?")
                                      << false;
}

void QuestionRulesTest::sameText()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(bool, same);
    QCOMPARE(SameText(View(a), View(b)), same);
    QCOMPARE(SameText(View(b), View(a)), same);
    QCOMPARE(ComparableText(View(a)) == ComparableText(View(b)), same);
}

void QuestionRulesTest::leadingNumber_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    QTest::newRow("year") << QByteArray("1492") << true << 1492.0;
    QTest::newRow("with a unit") << QByteArray("8 minutes") << true << 8.0;
    QTest::newRow("ordinal") << QByteArray("12th century") << true << 12.0;
    QTest::newRow("thousands") << QByteArray("1,500 km") << true << 1500.0;
    QTest::newRow("millions") << QByteArray("1,000,000") << true << 1000000.0;
    QTest::newRow("decimal") << QByteArray("3.5 m") << true << 3.5;
    QTest::newRow("leading space") << QByteArray("  42") << true << 42.0;
    QTest::newRow("negative") << QByteArray("-40 degrees") << true << -40.0;
    QTest::newRow("full stop after") << QByteArray("3. Third") << true << 3.0;
    QTest::newRow("word") << QByteArray("Five") << false << 0.0;
    QTest::newRow("letter first") << QByteArray("A4 paper") << false << 0.0;
    QTest::newRow("minus alone") << QByteArray("- none") << false << 0.0;
    QTest::newRow("empty") << QByteArray() << false << 0.0;
}

void QuestionRulesTest::leadingNumber()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    const std::optional<double> got = LeadingNumber(View(answer));
    QCOMPARE(got.has_value(), numeric);
    if (numeric)
        QCOMPARE(*got, value);
}

void QuestionRulesTest::placeOfRightValue_data()
{
    QTest::addColumn<QByteArray>("right");
    QTest::addColumn<QByteArray>("wrong1");
    QTest::addColumn<QByteArray>("wrong2");
    QTest::addColumn<RightValuePlace>("place");
    QTest::addColumn<bool>("symmetric");

    QTest::newRow("lowest") << QByteArray("3") << QByteArray("5") << QByteArray("7") << RightValuePlace::Lowest
                            << false;
    QTest::newRow("highest") << QByteArray("9") << QByteArray("7") << QByteArray("5") << RightValuePlace::Highest
                             << false;
    QTest::newRow("middle, uneven") << QByteArray("6") << QByteArray("5") << QByteArray("8")
                                    << RightValuePlace::Middle << false;
    QTest::newRow("middle, even") << QByteArray("1492") << QByteArray("1392") << QByteArray("1592")
                                  << RightValuePlace::Middle << true;
    QTest::newRow("middle, even, wrong answers swapped") << QByteArray("1492") << QByteArray("1592")
                                                         << QByteArray("1392") << RightValuePlace::Middle << true;
    QTest::newRow("even decimals") << QByteArray("0.2") << QByteArray("0.1") << QByteArray("0.3")
                                   << RightValuePlace::Middle << true;
    QTest::newRow("even thousands") << QByteArray("1,500 m") << QByteArray("900 m") << QByteArray("2,100 m")
                                    << RightValuePlace::Middle << true;
    QTest::newRow("even with units") << QByteArray("8 minutes") << QByteArray("4 minutes")
                                     << QByteArray("12 minutes") << RightValuePlace::Middle << true;
    QTest::newRow("equal to a wrong value") << QByteArray("5 kg") << QByteArray("5 lb") << QByteArray("7 kg")
                                            << RightValuePlace::Middle << false;
    QTest::newRow("negative values") << QByteArray("-10") << QByteArray("-20") << QByteArray("5")
                                     << RightValuePlace::Middle << false;
    QTest::newRow("one answer a word") << QByteArray("1492") << QByteArray("1392") << QByteArray("Never")
                                       << RightValuePlace::NotNumeric << false;
    QTest::newRow("right answer a word") << QByteArray("Seven") << QByteArray("6") << QByteArray("8")
                                         << RightValuePlace::NotNumeric << false;
}

void QuestionRulesTest::placeOfRightValue()
{
    QFETCH(QByteArray, right);
    QFETCH(QByteArray, wrong1);
    QFETCH(QByteArray, wrong2);
    QFETCH(RightValuePlace, place);
    QFETCH(bool, symmetric);
    const NumericAnswers got = PlaceOfRightValue({View(right), View(wrong1), View(wrong2)});
    QCOMPARE(got.place, place);
    QCOMPARE(got.symmetric, symmetric);
}

void QuestionRulesTest::numericSpread_data()
{
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("middle");
    QTest::addColumn<int>("symmetric"); // of the middle ones
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("wordy"); // questions with answers that are not numbers
    QTest::addColumn<bool>("middleTooOften");
    QTest::addColumn<bool>("tooManySymmetric");

    QTest::newRow("no numeric questions") << 0 << 0 << 0 << 0 << 100 << false << false;
    QTest::newRow("even thirds") << 10 << 10 << 0 << 10 << 70 << false << false;
    QTest::newRow("47 of 100 in the middle") << 27 << 47 << 0 << 26 << 0 << false << false;
    QTest::newRow("48 of 100 in the middle") << 26 << 48 << 0 << 26 << 0 << true << false;
    QTest::newRow("8 of 17 in the middle") << 5 << 8 << 0 << 4 << 83 << true << false;
    QTest::newRow("7 of 15 in the middle") << 4 << 7 << 0 << 4 << 85 << false << false;
    QTest::newRow("the shipped bank's old spread") << 4 << 23 << 14 << 4 << 69 << true << true;
    QTest::newRow("2 symmetric") << 10 << 5 << 2 << 10 << 0 << false << false;
    QTest::newRow("3 symmetric") << 10 << 5 << 3 << 10 << 0 << false << true;
    QTest::newRow("all middle among many wordy") << 0 << 1 << 0 << 0 << 99 << true << false;
}

void QuestionRulesTest::numericSpread()
{
    QFETCH(int, lowest);
    QFETCH(int, middle);
    QFETCH(int, symmetric);
    QFETCH(int, highest);
    QFETCH(int, wordy);
    QFETCH(bool, middleTooOften);
    QFETCH(bool, tooManySymmetric);

    NumericSpread spread;
    for (int i = 0; i < wordy; ++i)
        spread.add({});
    for (int i = 0; i < lowest; ++i)
        spread.add({RightValuePlace::Lowest, false});
    for (int i = 0; i < middle; ++i)
        spread.add({RightValuePlace::Middle, i < symmetric});
    for (int i = 0; i < highest; ++i)
        spread.add({RightValuePlace::Highest, false});
    QCOMPARE(spread.questions, std::size_t(lowest + middle + highest));
    QCOMPARE(spread.middleTooOften(), middleTooOften);
    QCOMPARE(spread.tooManySymmetric(), tooManySymmetric);
}

QTEST_GUILESS_MAIN(QuestionRulesTest)
#include "QuestionRulesTest.moc"
