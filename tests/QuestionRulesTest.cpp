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

const QByteArray En("en"), De("de"), Fr("fr"), Es("es");

const BankLanguage &Language(const QByteArray &code)
{
    const BankLanguage *language = code.isEmpty() ? &AnyLanguage : FindBankLanguage(View(code));
    if (!language)
        qFatal("no language %s", code.constData());
    return *language;
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
    void quotedInStyle_data();
    void quotedInStyle();
    void numericSpread_data();
    void numericSpread();
};

void QuestionRulesTest::sameText_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<bool>("same");
    QTest::addColumn<QByteArray>("language");

    QTest::newRow("case") << QByteArray("Which is the largest ocean?") << QByteArray("WHICH is the largest OCEAN?")
                          << true << En;
    QTest::newRow("spaces") << QByteArray("Which  planet is red?") << QByteArray("Which planet isred?") << true << En;
    QTest::newRow("punctuation") << QByteArray("What is St. Paul's?") << QByteArray("What is St Pauls") << true << En;
    QTest::newRow("typographic apostrophe and dash") << QByteArray("Who wrote \x91" "Emma\x92 \x96" " a novel?")
                                                     << QByteArray("Who wrote 'Emma' - a novel?") << true << En;
    QTest::newRow("Windows-1252 capital") << QByteArray("Where is Z\xfcrich?") << QByteArray("WHERE IS Z\xdcRICH?")
                                          << true << En;
    QTest::newRow("accent matters") << QByteArray("Where is Z\xfcrich?") << QByteArray("Where is Zurich?") << false
                                    << En;
    QTest::newRow("digits matter") << QByteArray("How many legs has an insect, 6?")
                                   << QByteArray("How many legs has an insect, 8?") << false << En;
    QTest::newRow("a word matters") << QByteArray("Which is the largest ocean?")
                                    << QByteArray("Which is the smallest ocean?") << false << En;
    QTest::newRow("a minus sign matters") << QByteArray("-40") << QByteArray("40") << false << En;
    QTest::newRow("a decimal point matters") << QByteArray("1.5 litres") << QByteArray("15 litres") << false << En;
    QTest::newRow("a hyphen between words does not") << QByteArray("Who was well-known?")
                                                      << QByteArray("Who was well known?") << true << En;
    QTest::newRow("thousands commas do not") << QByteArray("1,500 km") << QByteArray("1500 km") << true << En;
    QTest::newRow("order matters") << QByteArray("Who came first?") << QByteArray("Who first came?") << false << En;
    QTest::newRow("more words after") << QByteArray("Which is Mars?") << QByteArray("Which is Mars, really?")
                                      << false << En;

    // A decimal comma is a value, a period or space between thousands is not.
    QTest::newRow("de: decimal comma matters") << QByteArray("1,5 Liter") << QByteArray("15 Liter") << false << De;
    QTest::newRow("fr: decimal comma matters") << QByteArray("1,5 litre") << QByteArray("15 litre") << false << Fr;
    QTest::newRow("es: decimal comma matters") << QByteArray("2,5 km") << QByteArray("25 km") << false << Es;
    QTest::newRow("de: thousands period does not") << QByteArray("1.500 km") << QByteArray("1500 km") << true << De;
    QTest::newRow("de: comma before three digits is a decimal") << QByteArray("1,500 km") << QByteArray("1500 km")
                                                                << false << De;
    // Without its language a bank's marks between digits all count.
    QTest::newRow("any: thousands comma counts") << QByteArray("1,500 km") << QByteArray("1500 km") << false
                                                 << QByteArray();
    QTest::newRow("any: thousands period counts") << QByteArray("1.500 km") << QByteArray("1500 km") << false
                                                  << QByteArray();
}

void QuestionRulesTest::sameText()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(bool, same);
    QFETCH(QByteArray, language);
    QCOMPARE(SameText(View(a), View(b), Language(language)), same);
    QCOMPARE(SameText(View(b), View(a), Language(language)), same);
    QCOMPARE(ComparableText(View(a), Language(language)) == ComparableText(View(b), Language(language)), same);
}

void QuestionRulesTest::leadingNumber_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("language");

    QTest::newRow("year") << QByteArray("1492") << true << 1492.0 << En;
    QTest::newRow("with a unit") << QByteArray("8 minutes") << true << 8.0 << En;
    QTest::newRow("ordinal") << QByteArray("12th century") << true << 12.0 << En;
    QTest::newRow("thousands") << QByteArray("1,500 km") << true << 1500.0 << En;
    QTest::newRow("millions") << QByteArray("1,000,000") << true << 1000000.0 << En;
    QTest::newRow("decimal") << QByteArray("3.5 m") << true << 3.5 << En;
    QTest::newRow("leading space") << QByteArray("  42") << true << 42.0 << En;
    QTest::newRow("negative") << QByteArray("-40 degrees") << true << -40.0 << En;
    QTest::newRow("full stop after") << QByteArray("3. Third") << true << 3.0 << En;
    QTest::newRow("word") << QByteArray("Fifteen") << false << 0.0 << En;
    QTest::newRow("letter first") << QByteArray("A4 paper") << false << 0.0 << En;
    QTest::newRow("minus alone") << QByteArray("- none") << false << 0.0 << En;
    QTest::newRow("empty") << QByteArray() << false << 0.0 << En;

    QTest::newRow("en: spelled out") << QByteArray("Eight minutes") << true << 8.0 << En;
    QTest::newRow("en: comma not before three digits") << QByteArray("1,5") << true << 1.0 << En;
    QTest::newRow("de: decimal comma") << QByteArray("1,5 Liter") << true << 1.5 << De;
    QTest::newRow("de: thousands period") << QByteArray("1.500 km") << true << 1500.0 << De;
    QTest::newRow("de: thousands space") << QByteArray("12 000 m") << true << 12000.0 << De;
    QTest::newRow("de: comma and period") << QByteArray("1.234,5") << true << 1234.5 << De;
    QTest::newRow("de: spelled out") << QByteArray("Zw\xf6lf") << true << 12.0 << De;
    QTest::newRow("de: article") << QByteArray("Eine Katze") << false << 0.0 << De;
    QTest::newRow("fr: decimal comma") << QByteArray("0,75 m") << true << 0.75 << Fr;
    QTest::newRow("fr: thousands space") << QByteArray("1 500 km") << true << 1500.0 << Fr;
    QTest::newRow("fr: spelled out") << QByteArray("Deux") << true << 2.0 << Fr;
    QTest::newRow("fr: article") << QByteArray("Un chat") << false << 0.0 << Fr;
    QTest::newRow("es: decimal comma") << QByteArray("3,14") << true << 3.14 << Es;
    QTest::newRow("es: thousands period") << QByteArray("2.000.000") << true << 2000000.0 << Es;
    QTest::newRow("es: spelled out") << QByteArray("dos") << true << 2.0 << Es;
}

void QuestionRulesTest::leadingNumber()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    QFETCH(QByteArray, language);
    const std::optional<double> got = LeadingNumber(View(answer), Language(language));
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
    QTest::addColumn<QByteArray>("language");

    QTest::newRow("lowest") << QByteArray("3") << QByteArray("5") << QByteArray("7") << RightValuePlace::Lowest
                            << false << En;
    QTest::newRow("highest") << QByteArray("9") << QByteArray("7") << QByteArray("5") << RightValuePlace::Highest
                             << false << En;
    QTest::newRow("middle, uneven") << QByteArray("6") << QByteArray("5") << QByteArray("8")
                                    << RightValuePlace::Middle << false << En;
    QTest::newRow("middle, even") << QByteArray("1492") << QByteArray("1392") << QByteArray("1592")
                                  << RightValuePlace::Middle << true << En;
    QTest::newRow("middle, even, wrong answers swapped") << QByteArray("1492") << QByteArray("1592")
                                                         << QByteArray("1392") << RightValuePlace::Middle << true << En;
    QTest::newRow("even decimals") << QByteArray("0.2") << QByteArray("0.1") << QByteArray("0.3")
                                   << RightValuePlace::Middle << true << En;
    QTest::newRow("even thousands") << QByteArray("1,500 m") << QByteArray("900 m") << QByteArray("2,100 m")
                                    << RightValuePlace::Middle << true << En;
    QTest::newRow("even with units") << QByteArray("8 minutes") << QByteArray("4 minutes")
                                     << QByteArray("12 minutes") << RightValuePlace::Middle << true << En;
    QTest::newRow("equal to a wrong value") << QByteArray("5 kg") << QByteArray("5 lb") << QByteArray("7 kg")
                                            << RightValuePlace::Middle << false << En;
    QTest::newRow("negative values") << QByteArray("-10") << QByteArray("-20") << QByteArray("5")
                                     << RightValuePlace::Middle << false << En;
    QTest::newRow("all the same number") << QByteArray("Eight minutes") << QByteArray("Eight hours")
                                         << QByteArray("8 days") << RightValuePlace::NotNumeric << false << En;
    QTest::newRow("one answer a word") << QByteArray("1492") << QByteArray("1392") << QByteArray("Never")
                                       << RightValuePlace::NotNumeric << false << En;
    QTest::newRow("right answer a word") << QByteArray("Many") << QByteArray("6") << QByteArray("8")
                                         << RightValuePlace::NotNumeric << false << En;
    QTest::newRow("de: decimal commas, even") << QByteArray("1,5 l") << QByteArray("1 l") << QByteArray("2 l")
                                             << RightValuePlace::Middle << true << De;
    QTest::newRow("fr: decimal commas, lowest") << QByteArray("1,5 l") << QByteArray("2 l") << QByteArray("12 l")
                                               << RightValuePlace::Lowest << false << Fr;
    QTest::newRow("es: spelled out, highest") << QByteArray("Doce") << QByteArray("Ocho") << QByteArray("Diez")
                                             << RightValuePlace::Highest << false << Es;
}

void QuestionRulesTest::placeOfRightValue()
{
    QFETCH(QByteArray, right);
    QFETCH(QByteArray, wrong1);
    QFETCH(QByteArray, wrong2);
    QFETCH(RightValuePlace, place);
    QFETCH(bool, symmetric);
    QFETCH(QByteArray, language);
    const NumericAnswers got = PlaceOfRightValue({View(right), View(wrong1), View(wrong2)}, Language(language));
    QCOMPARE(got.place, place);
    QCOMPARE(got.symmetric, symmetric);
}

void QuestionRulesTest::quotedInStyle_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<bool>("inStyle");
    QTest::addColumn<QByteArray>("language");

    QTest::newRow("en: plain quotes") << QByteArray("Who wrote 'Emma'?") << true << En;
    QTest::newRow("en: typographic quotes") << QByteArray("Who wrote \x93" "Emma\x94?") << false << En;
    QTest::newRow("en: no-break space") << QByteArray("Who wrote\xa0" "Emma?") << false << En;
    QTest::newRow("de") << QByteArray("Wer schrieb \x84" "Faust\x93?") << true << De;
    QTest::newRow("de: English quotes") << QByteArray("Wer schrieb \x93" "Faust\x94?") << false << De;
    QTest::newRow("de: left open") << QByteArray("Wer schrieb \x84" "Faust?") << false << De;
    QTest::newRow("fr") << QByteArray("Qui a \xe9" "crit \xab\xa0" "Candide\xa0\xbb\xa0?") << true << Fr;
    QTest::newRow("fr: plain space inside quotes") << QByteArray("Qui a \xe9" "crit \xab Candide\xa0\xbb?") << false
                                                   << Fr;
    QTest::newRow("fr: plain space before a question mark") << QByteArray("O\xf9 est Lyon ?") << false << Fr;
    QTest::newRow("fr: no-break space between words") << QByteArray("O\xf9\xa0" "est Lyon\xa0?") << false << Fr;
    QTest::newRow("es") << QByteArray("\xbfQui\xe9n escribi\xf3 \xab" "Platero y yo\xbb?") << true << Es;
    QTest::newRow("es: closed first") << QByteArray("\xbb" "Platero\xab") << false << Es;
}

void QuestionRulesTest::quotedInStyle()
{
    QFETCH(QByteArray, field);
    QFETCH(bool, inStyle);
    QFETCH(QByteArray, language);
    QCOMPARE(QuotedInStyle(View(field), Language(language)), inStyle);
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
