#pragma once

#include "forms/BankFile.h"

#include <array>
#include <cstddef>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// What the checks report about a bank, and the fields a report lies in. The
// facts of each kind, and the words for it, are in ProblemKinds.h.

// The widths come from the loader's own field types.
inline constexpr std::array<std::size_t, BankFieldCount> BankFieldWidths = {
    decltype(BankEntry::question)::capacity,
    std::remove_cvref_t<decltype(std::declval<BankEntry &>().answers[1])>::capacity,
    std::remove_cvref_t<decltype(std::declval<BankEntry &>().answers[1])>::capacity,
    std::remove_cvref_t<decltype(std::declval<BankEntry &>().answers[1])>::capacity,
};

enum class BankProblemKind {
    EmptyLine,          // the slot stays empty
    TextAfterLastQuote, // text after the 4th double quote is not used
    LineTooLong,        // only the first 140 characters are read
    NoQuote,            // nothing loads from the line
    MissingQuotes,      // fewer than 4 double quotes
    FieldTooLong,       // the game cuts the field to its width
    EmptyFields,        // one or more fields load empty
    LoneLineFeed,       // an LF without a CR before it is an ordinary character
    Utf8Text,           // UTF-8 text the game shows as other characters
    UndefinedBytes,     // bytes Windows-1252 leaves undefined, shown as nothing
    ControlCharacters,  // control characters other than LF
    CtrlZ,              // a Ctrl-Z ends the data before the end of the file
    CountMismatch,      // the checks count lines differently from the loader
    SlotsEmpty,         // fewer than 100 lines
    LinesNotRead,       // lines after the 100th
    // Found by the question editor, which holds the text as typed: bytes
    // never hold a character Windows-1252 lacks.
    Unencodable,        // typed characters the game cannot show
    // Warnings: the line plays, but the question may not once the game
    // shuffles the answers (ContentChecks.h).
    SameQuestion,       // asked before, in other words at most
    SameAnswers,        // two of the answers read the same
    SameAfterCut,       // two answers read the same once cut to their width, or at 140
};
// A new kind goes above, and this counts up to the last.
inline constexpr std::size_t BankProblemKindCount = std::size_t(BankProblemKind::SameAfterCut) + 1;

// A problem changes what the game loads or shows; a warning is about what
// the questions say.
enum class BankSeverity { Problem, Warning };

// A problem is worded from its kind's messages: `form` picks one, and `args`
// fill its %1, %2 and so on, in UTF-8.
struct BankProblem {
    std::size_t line = 0; // 1-based; 0 for the bank as a whole
    int field = -1;       // 0..3 when the problem lies in one field (the first, for EmptyFields)
    BankProblemKind kind = BankProblemKind::EmptyLine;
    std::size_t form = 0;
    std::vector<std::string> args;

    bool isWarning() const;
    std::string message() const; // UTF-8, as tqzcheck prints it after "line N: "
};
