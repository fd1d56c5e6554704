#include "forms/ProblemKinds.h"

#include <QCoreApplication>

#include <algorithm>

const std::array<BankFieldName, BankFieldCount> BankFieldNames = {{
    {QT_TRANSLATE_NOOP("BankField", "Question"), "the question"},
    {QT_TRANSLATE_NOOP("BankField", "Right answer"), "the right answer"},
    {QT_TRANSLATE_NOOP("BankField", "Wrong answer 1"), "wrong answer 1"},
    {QT_TRANSLATE_NOOP("BankField", "Wrong answer 2"), "wrong answer 2"},
}};

namespace {

#define T(text) QT_TRANSLATE_NOOP("ProblemKinds", text)

using enum BankProblemKind;
constexpr BankSeverity Problem = BankSeverity::Problem, Warning = BankSeverity::Warning;

constexpr std::array<ProblemKindFacts, BankProblemKindCount> Kinds = {{
    {.kind = EmptyLine,
     .severity = Problem,
     .messages = {T("empty line: the slot stays empty")},
     .guideTerm = T("Empty line"),
     .guideMeaning = T("the line holds nothing, so its slot in the game stays empty.")},
    {.kind = FieldTooLong,
     .severity = Problem,
     .messages = {T("%1 is %2 characters: the game keeps %3 and drops %4")},
     .fix = BankFix::Reword,
     .fixOne = {T("Cut %2 from the end of the %3 on line %1")},
     .guideTerm = T("Field too long"),
     .guideMeaning = T("the game cuts the question to 73 characters and an answer to 26; the message says what "
                       "is dropped. Fix selects that part for you to reword; Cut Field to Its Width cuts it.")},
    {.kind = LineTooLong,
     .severity = Problem,
     .messages = {T("the line is %1 characters: the game reads the first %2 and drops %3")},
     .guideTerm = T("Line too long"),
     .guideMeaning = T("the game reads only the first 140 characters of a line, whatever the fields hold.")},
    // %1 the quotes found, %2 the characters read, %3 the field that takes the rest.
    {.kind = MissingQuotes,
     .severity = Problem,
     .messages = {T("only %1 of the 4 double quotes"), T("only %1 of the 4 double quotes in the first %2 characters"),
                  T("only %1 of the 4 double quotes: %3 takes the rest of the line"),
                  T("only %1 of the 4 double quotes in the first %2 characters: %3 takes the rest of the line")},
     .guideTerm = T("Missing double quotes"),
     .guideMeaning = T("a line needs four, one after each field; with fewer, fields run together or stay empty. "
                       "With none at all, nothing loads from the line.")},
    {.kind = NoQuote,
     .severity = Problem,
     .messages = {T("no double quote: the game loads nothing from this line"),
                  T("no double quote in the first %1 characters: the game loads nothing from this line")}},
    {.kind = TextAfterLastQuote,
     .severity = Problem,
     .messages = {T("text after the 4th double quote is not used: %1")},
     .fix = BankFix::MendTextAfterFields,
     .fixOne = {T("Drop %2 after the fourth double quote on line %1"), T("Split line %1 at its line feeds"),
                T("Move the question run on after line %1 to a line of its own")},
     .fixEvery = T("Mend the text after the fourth double quote on every line"),
     .fixInList = T("mend the text after the fourth double quote"),
     .guideTerm = T("Text after the fourth double quote"),
     .guideMeaning = T("the game ignores it; often it is a further question that needs a line of its own.")},
    {.kind = EmptyFields,
     .severity = Problem,
     .messages = {T("%1 is empty"), T("%1 are empty")},
     .guideTerm = T("Empty fields"),
     .guideMeaning = T("the game shows an empty question or answer box.")},
    // %1 the line feeds, %2 the character of the first.
    {.kind = LoneLineFeed,
     .severity = Problem,
     .messages = {T("lone line feed (LF) at character %2: the game reads it as an ordinary character, not a line end"),
                  T("%1 lone line feeds (LF), the first at character %2: the game reads them as ordinary "
                    "characters, not line ends")},
     .fix = BankFix::EndAtLineFeeds,
     .fixOne = {T("End line %1 at its line feeds")},
     .fixEvery = T("End every line at its line feeds"),
     .fixInList = T("end lines at their line feeds"),
     .guideTerm = T("Line feed without carriage return"),
     .guideMeaning = T("the game does not end the line there but shows an odd character.")},
    {.kind = Utf8Text,
     .severity = Problem,
     .messages = {T("%1 holds UTF-8 text the game shows as other characters: %2")},
     .fix = BankFix::ReadUtf8,
     .fixOne = {T("Read the UTF-8 text on line %1")},
     .fixEvery = T("Read the UTF-8 text on every line"),
     .fixInList = T("read the UTF-8 text"),
     .guideTerm = T("UTF-8 text"),
     .guideMeaning = T("the file was saved in another encoding; the game shows “ü” as “Ã¼”. Fix reads it as "
                       "intended.")},
    {.kind = Unencodable,
     .severity = Problem,
     .messages = {T("%1 holds characters the game cannot show (Windows-1252 has none of them): %2")},
     .guideTerm = T("Characters the game cannot show"),
     .guideMeaning = T("typed or pasted characters Windows-1252 lacks; the bank is not saved until they are "
                       "replaced.")},
    {.kind = UndefinedBytes,
     .severity = Problem,
     .messages = {T("%1 holds bytes Windows-1252 does not define: %2")},
     .guideTerm = T("Undefined bytes and control characters"),
     .guideMeaning = T("characters the game shows as nothing or as boxes.")},
    {.kind = ControlCharacters, .severity = Problem, .messages = {T("%1 holds control characters: %2")}},
    {.kind = CtrlZ,
     .severity = Problem,
     .messages = {T("a Ctrl-Z in this line ends the data: the %1 bytes after it are not read"),
                  T("a Ctrl-Z after this line ends the data: the %1 bytes after it are not read")},
     .guideTerm = T("Ctrl-Z"),
     .guideMeaning = T("the game stops reading the file there.")},
    {.kind = CountMismatch,
     .severity = Problem,
     .messages = {T("the checks count %1 lines where the game loads %2: please report this")},
     .guideTerm = T("Lines counted differently"),
     .guideMeaning = T("the checks and the game disagree on the number of lines: look at the line ends near it.")},
    // %1 the first empty slot, %2 the last, %3 the lines found.
    {.kind = SlotsEmpty,
     .severity = Problem,
     .messages = {T("slot %1 stays empty: the game finds only %3 lines"),
                  T("slots %1 to %2 stay empty: the game finds only %3 line"),
                  T("slots %1 to %2 stay empty: the game finds only %3 lines")},
     .guideTerm = T("Slots empty"),
     .guideMeaning = T("the bank has fewer than 100 questions; the game draws an empty slot like any other, as a "
                       "blank question.")},
    // %1 the first line not read, %2 the last, %3 the entries held.
    {.kind = LinesNotRead,
     .severity = Problem,
     .messages = {T("line %1 is not read: the game holds %3 entries"),
                  T("lines %1 to %2 are not read: the game holds %3 entries")},
     .guideTerm = T("Lines not read"),
     .guideMeaning = T("lines after the 100th are never asked.")},
    {.kind = SameQuestion,
     .severity = Warning,
     .messages = {T("the same question as line %1 (case, spaces and punctuation aside)")},
     .guideTerm = T("Duplicate question"),
     .guideMeaning = T("the same question stands on two lines, so it may be asked twice in one game.")},
    {.kind = SameAnswers,
     .severity = Warning,
     .messages = {T("%1 are the same answer (case, spaces and punctuation aside)")},
     .guideTerm = T("Equal answers"),
     .guideMeaning = T("two answers of one question read the same, so the player cannot tell them apart.")},
    {.kind = SameAfterCut,
     .severity = Warning,
     .messages = {T("%1 become the same answer once the game cuts them to %2 characters")},
     .guideTerm = T("Answers equal after the cut"),
     .guideMeaning = T("two answers differ only after their 26th character, so the game, which shows 26, shows "
                       "them the same.")},
}};

#undef T

// Where each kind's row stands.
constexpr std::array<std::size_t, BankProblemKindCount> RowOf = [] {
    std::array<std::size_t, BankProblemKindCount> rows{};
    for (std::size_t row = 0; row < Kinds.size(); ++row)
        rows[std::size_t(Kinds[row].kind)] = row;
    return rows;
}();

// Every kind has one row, a message, and the words for its fix when it has
// one; the guide's list opens with an entry of its own.
constexpr bool Complete()
{
    for (std::size_t row = 0; row < Kinds.size(); ++row) {
        const ProblemKindFacts &facts = Kinds[row];
        const bool everyWorded = facts.fixEvery && facts.fixInList;
        const bool fixWorded = facts.fixOne[0] && everyWorded == (facts.fix != BankFix::Reword);
        if (RowOf[std::size_t(facts.kind)] != row || !facts.messages[0]
            || fixWorded != (facts.fix != BankFix::None) || !facts.guideTerm != !facts.guideMeaning)
            return false;
    }
    return Kinds.front().guideTerm;
}
static_assert(Complete());

// The kinds Fix All mends, in their fixes' order.
constexpr bool MendedByFixAll(const ProblemKindFacts &facts)
{
    return facts.fix != BankFix::None && facts.fix != BankFix::Reword;
}

constexpr auto Fixed = [] {
    constexpr auto count = std::size_t(std::ranges::count_if(Kinds, MendedByFixAll));
    std::array<BankProblemKind, count> kinds{};
    std::size_t at = 0;
    for (const ProblemKindFacts &facts : Kinds)
        if (MendedByFixAll(facts))
            kinds[at++] = facts.kind;
    std::ranges::sort(kinds, {}, [](BankProblemKind kind) { return Kinds[RowOf[std::size_t(kind)]].fix; });
    return kinds;
}();

} // namespace

std::span<const ProblemKindFacts> ProblemKinds()
{
    return Kinds;
}

const ProblemKindFacts &FactsOf(BankProblemKind kind)
{
    return Kinds[RowOf[std::size_t(kind)]];
}

std::span<const BankProblemKind> FixedKinds()
{
    return Fixed;
}

QString ProblemText(const char *text, const QStringList &args)
{
    const QString translated = QCoreApplication::translate("ProblemKinds", text);
    QString filled;
    for (qsizetype at = 0; at < translated.size(); ++at) {
        const qsizetype number = at + 1 < translated.size() ? translated[at + 1].digitValue() : -1;
        if (translated[at] == QLatin1Char('%') && number >= 1 && number <= args.size()) {
            filled += args[number - 1];
            ++at;
        } else {
            filled += translated[at];
        }
    }
    return filled;
}

bool BankProblem::isWarning() const
{
    return FactsOf(kind).severity == BankSeverity::Warning;
}

std::string BankProblem::message() const
{
    QStringList filling;
    for (const std::string &arg : args)
        filling += QString::fromStdString(arg);
    return ProblemText(FactsOf(kind).messages[form], filling).toStdString();
}

std::string JoinedNames(const std::vector<std::string> &names)
{
    std::string joined;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            joined += i + 1 == names.size() ? " and " : ", ";
        joined += names[i];
    }
    return joined;
}
