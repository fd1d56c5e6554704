#include "forms/QuestionState.h"

#include "forms/BoardTrack.h"
#include "app/Random.h"

OneBased<BoundedText<73>, BankSlots> QuestionText;
OneBased<OneBased<BoundedText<26>, 3>, BankSlots> AnswerText;
OneBased<Flag, BankSlots> QuestionUsed;
std::uint8_t QuestionCursor = 0;
std::uint8_t AnswerLayout = 0;
std::uint8_t ChosenAnswer = 0;
Flag AnswerVerdict;
Flag QuestionClosed;
OneBased<std::uint8_t, 2> CornerCount;
OneBased<OneBased<std::uint8_t, 4>, 2> CornerLetter;
std::uint8_t QuestionPlayer = 0;
std::uint8_t CornerIndex = 0;

void ZeroQuestionState()
{
    QuestionText = {};
    AnswerText = {};
    QuestionUsed = {};
    QuestionCursor = 0;
    AnswerLayout = 0;
    ChosenAnswer = 0;
    AnswerVerdict = Flag();
    QuestionClosed = Flag();
    CornerCount = {};
    CornerLetter = {};
    QuestionPlayer = 0;
    CornerIndex = 0;
}

void ResetPerGameState()
{
    QuestionCursor = 1;
    CornerCount = {};
    CornerLetter = {};
    QuestionClosed = "F";
}

void StoreBankEntry(std::size_t slot, const BankEntry &entry)
{
    QuestionText[slot] = entry.question;
    AnswerText[slot] = entry.answers;
    QuestionCursor = static_cast<std::uint8_t>(slot + 1);
}

std::uint8_t CornerIndexOfSquare(int square)
{
    for (std::size_t corner = 0; corner < CornerSquares.size(); ++corner)
        if (CornerSquares[corner] == square)
            return static_cast<std::uint8_t>(corner + 1);
    return 0;
}

void PickQuestion()
{
    int misses = 0;
    for (;;) {
        if (misses >= static_cast<int>(BankSlots))
            QuestionUsed = {};
        QuestionCursor = static_cast<std::uint8_t>(Random(BankSlots) + 1);
        if (!(QuestionUsed[QuestionCursor] == "T"))
            return;
        ++misses;
    }
}

void DrawAnswerLayout()
{
    AnswerLayout = static_cast<std::uint8_t>(Random(3) + 1);
}

std::uint8_t AnswerOnLine(std::uint8_t layout, std::uint8_t line)
{
    // Each layout turns the answers one line further: layout 2 puts answer 2
    // on line A, layout 3 answer 3.
    return static_cast<std::uint8_t>((line - 1 + layout - 1) % 3 + 1);
}

void CheckAnswer()
{
    if (AnswerOnLine(AnswerLayout, ChosenAnswer) == 1)
        AnswerVerdict = "T";
}
