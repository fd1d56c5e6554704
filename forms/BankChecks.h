#pragma once

#include "forms/BankFile.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

// What a bank author is told about a bank: everything the game's loader will
// leave out, cut, or show as other characters. No window code here, so
// tqzcheck and the question editor tell the same story.

// The widths come from the loader's own field types.
inline constexpr std::array<std::size_t, BankFieldCount> BankFieldWidths = {
    decltype(BankEntry::question)::capacity,
    std::remove_cvref_t<decltype(std::declval<BankEntry &>().answers[1])>::capacity,
    std::remove_cvref_t<decltype(std::declval<BankEntry &>().answers[1])>::capacity,
    std::remove_cvref_t<decltype(std::declval<BankEntry &>().answers[1])>::capacity,
};

// Each field's names: the heading of its column, which the editor shows
// through tr() in the "BankField" context, and how a message names it.
struct BankFieldName {
    const char *heading; // "Question", "Right answer", "Wrong answer 1", "Wrong answer 2"
    const char *inText;  // "the question", "the right answer", "wrong answer 1", "wrong answer 2"
};
extern const std::array<BankFieldName, BankFieldCount> BankFieldNames;

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
    SameAfterCut,       // two answers read the same once cut to their width
};

// A problem changes what the game loads or shows; a warning is about what
// the questions say.
enum class BankSeverity { Problem, Warning };

constexpr BankSeverity SeverityOf(BankProblemKind kind)
{
    return kind >= BankProblemKind::SameQuestion ? BankSeverity::Warning : BankSeverity::Problem;
}

struct BankProblem {
    std::size_t line = 0; // 1-based; 0 for the bank as a whole
    int field = -1;       // 0..3 when the problem lies in one field (the first, for EmptyFields)
    BankProblemKind kind = BankProblemKind::EmptyLine;
    std::string message; // UTF-8, as tqzcheck prints it after "line N: "

    bool isWarning() const { return SeverityOf(kind) == BankSeverity::Warning; }
};

struct BankReport {
    std::vector<BankEntry> entries;    // what the game loads, slot 1 first
    std::vector<BankProblem> problems; // line by line (problems, then warnings), then the bank's own
};

// Loads the bytes with the game's loader and checks them.
BankReport CheckBank(std::string_view bytes);

// The length of a UTF-8 sequence of two or more bytes starting at `at`, or 0
// when none starts there (a lead byte without its continuation bytes, an
// overlong form, a surrogate, beyond U+10FFFF); its code point goes to
// `codePoint`. What the checks call UTF-8 text is what the fix decodes.
std::size_t Utf8SequenceAt(std::string_view bytes, std::size_t at, char32_t &codePoint);

// "a", "a and b", "a, b and c".
std::string JoinedNames(const std::vector<std::string> &names);

// Bytes as the game shows them, each one Windows-1252 character, in UTF-8;
// control characters, which show as nothing useful, are written as \xNN.
std::string ShownAsGame(std::string_view bytes);
