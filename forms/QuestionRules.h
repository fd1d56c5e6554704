#pragma once

#include "forms/BankLanguage.h"

#include <QString>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// Rules for the questions themselves, which the loader does not care about
// but players do: the same question asked twice, and numeric answers that
// give the right one away by where it sits. Texts are bank bytes
// (Windows-1252). No window code here, so the bank tests and the question
// editor hold banks to one rule. Numbers are read as the bank's language
// writes them (BankLanguage).

// A field as a reader compares it: its letters and digits alone, case
// folded, so that "What is 'Kew'?" and "what is kew" compare equal; a
// number keeps its minus sign and every mark between digits but those that
// group thousands, so "1,5" is not "15" while "1,500" is "1500" in English.
QString ComparableText(std::string_view field, const BankLanguage &language);

// Two questions (or answers) are the same when equal after ignoring case,
// spaces and punctuation.
bool SameText(std::string_view a, std::string_view b, const BankLanguage &language);

// The number an answer starts with: "1,500 km" is 1500, "-40" is -40, "3.5"
// is 3.5 in English, "1,5" 1.5 and "1.500" 1500 in German; a number spelled
// out, "Eight minutes" or "zwei", is its value. None when the answer starts
// with neither (after any spaces and a minus sign).
std::optional<double> LeadingNumber(std::string_view answer, const BankLanguage &language);

// Where the right value sits among a question's three numeric answers.
enum class RightValuePlace {
    NotNumeric, // some answer does not start with a number, or all start with the same
    Lowest,
    Middle,     // between the two wrong values, or equal to one of them
    Highest,
};

struct NumericAnswers {
    RightValuePlace place = RightValuePlace::NotNumeric;
    // In the middle, with the wrong values at equal distances below and
    // above it (1492 against 1392 and 1592): the middle one is then a safe
    // guess.
    bool symmetric = false;
};

// answers[0] is the right one.
NumericAnswers PlaceOfRightValue(const std::array<std::string_view, 3> &answers, const BankLanguage &language);

// Whether a field writes quotations and the spaces beside marks as its
// language does: only the language's own quotation marks, each quotation
// opened and closed; and a no-break space, never a plain one, where the
// language keeps a mark to its word, and nowhere else, where it would be a
// space nobody can tell from another.
bool QuotedInStyle(std::string_view field, const BankLanguage &language);

// A bank's numeric questions taken together. Guessing the middle value
// should not pay: a bank passes with the right value in the middle for at
// most 47% of them and no more than 2 symmetric.
struct NumericSpread {
    std::size_t questions = 0;
    std::size_t middle = 0;
    std::size_t symmetric = 0;

    void add(const NumericAnswers &answers);
    bool middleTooOften() const;
    bool tooManySymmetric() const;
};

inline constexpr std::size_t MiddlePercentAllowed = 47;
inline constexpr std::size_t SymmetricAllowed = 2;
