#pragma once

#include "forms/BankProblem.h"
#include "forms/ProblemKinds.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// What a bank author is told about a bank: everything the game's loader will
// leave out, cut, or show as other characters. No window code here, so
// tqzcheck and the question editor tell the same story.

struct BankReport {
    std::vector<BankEntry> entries;    // what the game loads, slot 1 first
    std::vector<BankProblem> problems; // line by line (problems, then warnings), then the bank's own
};

// Whose reading of each line the checks report. The game's is what it loads:
// tqzcheck's, faithful to the loader. The author's adds each field as written,
// before the game's cuts, so that a character or a field cut away is told
// (what the question editor shows, to mend before anything is cut).
enum class BankReading { Game, Author };

// Loads the bytes with the game's loader and checks them.
BankReport CheckBank(std::string_view bytes, BankReading reading = BankReading::Game);

// The problems of a line the game never reads (one past the 100th), found
// as CheckBank finds those of a line it reads, numbered `line`: for an author
// choosing which lines to keep.
std::vector<BankProblem> CheckUnreadLine(std::size_t line, std::string_view raw, BankReading reading);

// The length of a UTF-8 sequence of two or more bytes starting at `at`, or 0
// when none starts there (a lead byte without its continuation bytes, an
// overlong form, a surrogate, beyond U+10FFFF); its code point goes to
// `codePoint`. What the checks call UTF-8 text is what the fix decodes.
std::size_t Utf8SequenceAt(std::string_view bytes, std::size_t at, char32_t &codePoint);

// Bytes as the game shows them, each one Windows-1252 character, in UTF-8;
// control characters, which show as nothing useful, are written as \xNN.
std::string ShownAsGame(std::string_view bytes);
