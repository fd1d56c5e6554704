#pragma once

#include "forms/BankFile.h"
#include "app/BoundedText.h"
#include "app/OneBased.h"

#include <cstdint>

// The question unit's state: the bank's tables, the question on show and the
// letters each player has won. It lives for the whole run of the program.

extern OneBased<BoundedText<73>, BankSlots> QuestionText;
extern OneBased<OneBased<BoundedText<26>, 3>, BankSlots> AnswerText; // answer 1 is right
extern OneBased<Flag, BankSlots> QuestionUsed;                        // "T" once asked
extern std::uint8_t QuestionCursor; // the slot being loaded, then the entry on show

extern std::uint8_t AnswerLayout; // 1..3: which rotation of the answers is on screen
extern std::uint8_t ChosenAnswer; // 1..3: the line picked, A..C
extern Flag AnswerVerdict;        // "T" when the picked line holds the right answer
extern Flag QuestionClosed;       // "F" while the question window must stay up

extern OneBased<std::uint8_t, 2> CornerCount;                    // letters won, 0..4
extern OneBased<OneBased<std::uint8_t, 4>, 2> CornerLetter; // 1 once a corner's letter is won
extern std::uint8_t QuestionPlayer; // 1 or 2: who answers the question on show
extern std::uint8_t CornerIndex;    // 1..4: the corner of the question on show

void ZeroQuestionState();

// The start of every load of the bank: a new game's letters, cursor and
// closing flag. Asked-question marks deliberately survive it.
void ResetPerGameState();

// Stores a bank line in its slot of the tables.
void StoreBankEntry(std::size_t slot, const BankEntry &entry);

// The corner index (1..4) of a square, or 0 for a square that is no corner.
// Along the track the corners carry L, o, e, v.
std::uint8_t CornerIndexOfSquare(int square);

// Draws an entry not asked yet into QuestionCursor. All 100 slots take part;
// once one pick has met 100 asked entries every mark is cleared, so a pick
// takes at most 101 draws.
void PickQuestion();

// Draws the rotation of the three answers, after the pick's draws.
void DrawAnswerLayout();

// The answer (1..3) that a layout puts on a line (1..3 for A..C).
std::uint8_t AnswerOnLine(std::uint8_t layout, std::uint8_t line);

// Judges ChosenAnswer under AnswerLayout: a right pick sets AnswerVerdict to
// "T"; a wrong one leaves it as it was.
void CheckAnswer();
