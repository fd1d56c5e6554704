#include "forms/QuestionRules.h"

#include "app/Windows1252.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

bool DigitAt(const QString &text, qsizetype at)
{
    return at >= 0 && at < text.size() && text[at].isDigit();
}

// A mark the language groups thousands with, between a digit and exactly
// three more: "1,500" and "1,000,000" but not "1,5" in English.
bool GroupsThousands(const QString &text, qsizetype at, const BankLanguage &language)
{
    const QChar mark = text[at];
    return mark.unicode() < 0x80 && language.groupMarks.find(char(mark.unicode())) != std::string_view::npos
           && DigitAt(text, at - 1) && DigitAt(text, at + 1) && DigitAt(text, at + 2) && DigitAt(text, at + 3)
           && !DigitAt(text, at + 4);
}

std::optional<double> SpelledOutNumber(const QString &text, qsizetype at, const BankLanguage &language)
{
    qsizetype end = at;
    while (end < text.size() && text[end].isLetter())
        ++end;
    const QString word = text.mid(at, end - at).toCaseFolded();
    const auto &words = language.numberWords;
    for (std::size_t value = 0; value < words.size(); ++value)
        if (!words[value].empty() && word == QStringView(words[value]))
            return double(value);
    return std::nullopt;
}

} // namespace

QString ComparableText(std::string_view field, const BankLanguage &language)
{
    const QString text = FromWindows1252(field);
    QString kept;
    kept.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar ch = text[at];
        if (ch.isLetterOrNumber())
            kept += ch.toCaseFolded();
        // A number's sign and decimal mark are part of its value: "-40" is
        // not "40", nor "1.5" "15". A mark between digits the language does
        // not read as grouping is kept too, as a reader sees no number
        // without it.
        else if ((ch == u'-' || ch == u'\u2013') && DigitAt(text, at + 1)
                 && (at == 0 || !text[at - 1].isLetterOrNumber()))
            kept += u'-';
        else if ((ch == u'.' || ch == u',') && DigitAt(text, at - 1) && DigitAt(text, at + 1)
                 && !GroupsThousands(text, at, language))
            kept += ch;
    }
    return kept;
}

bool SameText(std::string_view a, std::string_view b, const BankLanguage &language)
{
    return ComparableText(a, language) == ComparableText(b, language);
}

std::optional<double> LeadingNumber(std::string_view answer, const BankLanguage &language)
{
    const QString text = FromWindows1252(answer);
    const auto isDigit = [&text](qsizetype at) { return at < text.size() && text[at] >= u'0' && text[at] <= u'9'; };
    qsizetype at = 0;
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t'))
        ++at;
    std::string number;
    if (at < text.size() && text[at] == u'-')
        number += char(text[at++].unicode());
    if (!isDigit(at)) {
        const std::optional<double> spelled = SpelledOutNumber(text, at, language);
        return spelled && !number.empty() ? -*spelled : spelled;
    }
    for (; at < text.size() && (isDigit(at) || GroupsThousands(text, at, language)); ++at)
        if (isDigit(at))
            number += char(text[at].unicode());
    if (language.decimalMark != '\0' && at < text.size() && text[at] == QLatin1Char(language.decimalMark)
        && isDigit(at + 1)) {
        number += '.';
        for (++at; isDigit(at); ++at)
            number += char(text[at].unicode());
    }
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return value;
}

NumericAnswers PlaceOfRightValue(const std::array<std::string_view, 3> &answers, const BankLanguage &language)
{
    const std::optional<double> right = LeadingNumber(answers[0], language);
    const std::optional<double> wrong1 = LeadingNumber(answers[1], language);
    const std::optional<double> wrong2 = LeadingNumber(answers[2], language);
    // "Eight minutes", "Eight hours" and "Eight days" differ by what follows
    // the number, which has no place to give away.
    if (!right || !wrong1 || !wrong2 || (*right == *wrong1 && *right == *wrong2))
        return {};
    const double low = std::min(*wrong1, *wrong2), high = std::max(*wrong1, *wrong2);
    if (*right < low)
        return {RightValuePlace::Lowest, false};
    if (*right > high)
        return {RightValuePlace::Highest, false};
    // A tolerance, so that 0.1, 0.2 and 0.3 count as evenly spaced.
    const bool symmetric = std::abs((*right - low) - (high - *right)) < 1e-9;
    return {RightValuePlace::Middle, symmetric};
}

bool QuotedInStyle(std::string_view field, const BankLanguage &language)
{
    // Every double quotation mark of Windows-1252; single ones double as
    // apostrophes, which any language may write.
    static constexpr std::string_view QuotationMarks = "\x84\x93\x94\xab\xbb\x8b\x9b";
    const auto among = [](std::string_view marks, char byte) { return marks.find(byte) != std::string_view::npos; };
    bool open = false;
    for (std::size_t at = 0; at < field.size(); ++at) {
        const char byte = field[at];
        if (among(QuotationMarks, byte)) {
            if (byte != (open ? language.closingQuote : language.openingQuote))
                return false;
            open = !open;
        } else if (byte == ' ' || byte == '\xa0') {
            const bool keepsMark = (at > 0 && among(language.noBreakSpaceAfter, field[at - 1]))
                                   || (at + 1 < field.size() && among(language.noBreakSpaceBefore, field[at + 1]));
            if (keepsMark != (byte == '\xa0'))
                return false;
        }
    }
    return !open;
}

void NumericSpread::add(const NumericAnswers &answers)
{
    if (answers.place == RightValuePlace::NotNumeric)
        return;
    ++questions;
    if (answers.place == RightValuePlace::Middle)
        ++middle;
    if (answers.symmetric)
        ++symmetric;
}

bool NumericSpread::middleTooOften() const
{
    return middle * 100 > questions * MiddlePercentAllowed;
}

bool NumericSpread::tooManySymmetric() const
{
    return symmetric > SymmetricAllowed;
}
