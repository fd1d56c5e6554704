#pragma once

#include <array>
#include <string_view>

// What the question rules need to know of the language a bank is written
// in: how it writes numbers and quotations. Marks are bank bytes
// (Windows-1252).
struct BankLanguage {
    std::string_view code; // ISO 639-1, as data/ShippedBanks.cmake gives it
    char decimalMark;      // none ('\0') for AnyLanguage
    // Each groups thousands between a digit and exactly three more: "1,500"
    // in English, "1.500" or "1 500" in German.
    std::string_view groupMarks;
    // The numbers a quiz spells out, zero to twelve, each at its value;
    // empty where the word is also an article ("un", "eine"), as "Un chat"
    // is no number.
    std::array<std::u16string_view, 13> numberWords;
    // A quotation's opening and closing marks; none ('\0') in English,
    // which quotes with plain single quotes.
    char openingQuote;
    char closingQuote;
    // Marks the language sets apart from their word by a no-break space
    // (0xA0), so that a line never breaks between them: after the first,
    // before each of the second.
    std::string_view noBreakSpaceAfter;
    std::string_view noBreakSpaceBefore;
};

// The language of a bank whose language is not known, as tqzcheck and the
// question editor meet them: no mark between digits is read away, so texts
// compare the same only when they would in any language.
extern const BankLanguage AnyLanguage;

// The language with this code, or none when the rules do not know it.
const BankLanguage *FindBankLanguage(std::string_view code);
