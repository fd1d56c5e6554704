#include "forms/QuestionRules.h"

#include "app/Windows1252.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

QString ComparableText(std::string_view field)
{
    const QString text = FromWindows1252(field);
    const auto digitAt = [&text](qsizetype at) { return at >= 0 && at < text.size() && text[at].isDigit(); };
    QString kept;
    kept.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar ch = text[at];
        if (ch.isLetterOrNumber())
            kept += ch.toCaseFolded();
        // A number's sign and decimal point are part of its value: "-40" is
        // not "40", nor "1.5" "15".
        else if ((ch == u'-' || ch == u'\u2013') && digitAt(at + 1)
                 && (at == 0 || !text[at - 1].isLetterOrNumber()))
            kept += u'-';
        else if (ch == u'.' && digitAt(at - 1) && digitAt(at + 1))
            kept += ch;
    }
    return kept;
}

bool SameText(std::string_view a, std::string_view b)
{
    return ComparableText(a) == ComparableText(b);
}

std::optional<double> LeadingNumber(std::string_view answer)
{
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t at = 0;
    while (at < answer.size() && (answer[at] == ' ' || answer[at] == '\t'))
        ++at;
    std::string number;
    if (at < answer.size() && answer[at] == '-')
        number += answer[at++];
    if (at == answer.size() || !isDigit(answer[at]))
        return std::nullopt;
    // Commas group thousands: "1,500" is one number.
    for (; at < answer.size() && (isDigit(answer[at]) || answer[at] == ','); ++at)
        if (answer[at] != ',')
            number += answer[at];
    if (at + 1 < answer.size() && answer[at] == '.' && isDigit(answer[at + 1])) {
        number += answer[at++];
        while (at < answer.size() && isDigit(answer[at]))
            number += answer[at++];
    }
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return value;
}

NumericAnswers PlaceOfRightValue(const std::array<std::string_view, 3> &answers)
{
    const std::optional<double> right = LeadingNumber(answers[0]);
    const std::optional<double> wrong1 = LeadingNumber(answers[1]);
    const std::optional<double> wrong2 = LeadingNumber(answers[2]);
    if (!right || !wrong1 || !wrong2)
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
