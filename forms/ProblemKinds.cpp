#include "forms/ProblemKinds.h"

#include <QCoreApplication>

#include <algorithm>

const std::array<BankFieldName, BankFieldCount> BankFieldNames = {{
    {QT_TRANSLATE_NOOP("BankField", "Question"), QT_TRANSLATE_NOOP("BankField", "the question")},
    {QT_TRANSLATE_NOOP("BankField", "Right answer"), QT_TRANSLATE_NOOP("BankField", "the right answer")},
    {QT_TRANSLATE_NOOP("BankField", "Wrong answer 1"), QT_TRANSLATE_NOOP("BankField", "wrong answer 1")},
    {QT_TRANSLATE_NOOP("BankField", "Wrong answer 2"), QT_TRANSLATE_NOOP("BankField", "wrong answer 2")},
}};

namespace {

using enum BankProblemKind;
constexpr BankSeverity Problem = BankSeverity::Problem, Warning = BankSeverity::Warning;

constexpr std::array<ProblemKindFacts, BankProblemKindCount> Kinds = {{
    {.kind = EmptyLine,
     .severity = Problem,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "empty line: the slot stays empty")},
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Empty line"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "the line holds nothing, so its slot in the game stays empty.")},
    {.kind = FieldTooLong,
     .severity = Problem,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "%1 is %2 characters: the game keeps %3 and drops %4")},
     .fix = BankFix::Reword,
     .fixOne = {QT_TRANSLATE_NOOP("ProblemKinds", "Cut %2 from the end of the %3 on line %1")},
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Field too long"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "the game cuts the question to 73 characters and an answer to 26; the message says what "
                       "is dropped. Fix selects that part for you to reword; Cut Field to Its Width cuts it.")},
    {.kind = LineTooLong,
     .severity = Problem,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "the line is %1 characters: the game reads the first %2 and drops %3")},
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Line too long"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "the game reads only the first 140 characters of a line, whatever the fields hold.")},
    // %1 the quotes found, %2 the characters read, %3 the field that takes the rest.
    {.kind = MissingQuotes,
     .severity = Problem,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "only %1 of the 4 double quotes"), QT_TRANSLATE_NOOP("ProblemKinds", "only %1 of the 4 double quotes in the first %2 characters"),
                  QT_TRANSLATE_NOOP("ProblemKinds", "only %1 of the 4 double quotes: %3 takes the rest of the line"),
                  QT_TRANSLATE_NOOP("ProblemKinds", "only %1 of the 4 double quotes in the first %2 characters: %3 takes the rest of the line")},
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Missing double quotes"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "a line needs four, one after each field; with fewer, fields run together or stay empty. "
                       "With none at all, nothing loads from the line.")},
    {.kind = NoQuote,
     .severity = Problem,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "no double quote: the game loads nothing from this line"),
                  QT_TRANSLATE_NOOP("ProblemKinds", "no double quote in the first %1 characters: the game loads nothing from this line")}},
    {.kind = TextAfterLastQuote,
     .severity = Problem,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "text after the 4th double quote is not used: %1")},
     .fix = BankFix::MendTextAfterFields,
     .fixOne = {QT_TRANSLATE_NOOP("ProblemKinds", "Drop %2 after the fourth double quote on line %1"), QT_TRANSLATE_NOOP("ProblemKinds", "Split line %1 at its line feeds"),
                QT_TRANSLATE_NOOP("ProblemKinds", "Move the question run on after line %1 to a line of its own")},
     .fixEvery = QT_TRANSLATE_NOOP("ProblemKinds", "Mend the text after the fourth double quote on every line"),
     .fixInList = QT_TRANSLATE_NOOP("ProblemKinds", "mend the text after the fourth double quote"),
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Text after the fourth double quote"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "the game ignores it; often it is a further question that needs a line of its own.")},
    {.kind = EmptyFields,
     .severity = Problem,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "%1 is empty"), QT_TRANSLATE_NOOP("ProblemKinds", "%1 are empty")},
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Empty fields"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "the game shows an empty question or answer box.")},
    // %1 the line feeds, %2 the character of the first.
    {.kind = LoneLineFeed,
     .severity = Problem,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "lone line feed (LF) at character %2: the game reads it as an ordinary character, not a line end"),
                  QT_TRANSLATE_NOOP("ProblemKinds", "%1 lone line feeds (LF), the first at character %2: the game reads them as ordinary "
                    "characters, not line ends")},
     .fix = BankFix::EndAtLineFeeds,
     .fixOne = {QT_TRANSLATE_NOOP("ProblemKinds", "End line %1 at its line feeds")},
     .fixEvery = QT_TRANSLATE_NOOP("ProblemKinds", "End every line at its line feeds"),
     .fixInList = QT_TRANSLATE_NOOP("ProblemKinds", "end lines at their line feeds"),
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Line feed without carriage return"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "the game does not end the line there but shows an odd character.")},
    {.kind = Utf8Text,
     .severity = Problem,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "%1 holds UTF-8 text the game shows as other characters: %2")},
     .fix = BankFix::ReadUtf8,
     .fixOne = {QT_TRANSLATE_NOOP("ProblemKinds", "Read the UTF-8 text on line %1")},
     .fixEvery = QT_TRANSLATE_NOOP("ProblemKinds", "Read the UTF-8 text on every line"),
     .fixInList = QT_TRANSLATE_NOOP("ProblemKinds", "read the UTF-8 text"),
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "UTF-8 text"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "the file was saved in another encoding; the game shows “ü” as “Ã¼”. Fix reads it as "
                       "intended.")},
    {.kind = Unencodable,
     .severity = Problem,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "%1 holds characters the game cannot show (Windows-1252 has none of them): %2")},
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Characters the game cannot show"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "typed or pasted characters Windows-1252 lacks; the bank is not saved until they are "
                       "replaced.")},
    {.kind = UndefinedBytes,
     .severity = Problem,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "%1 holds bytes Windows-1252 does not define: %2")},
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Undefined bytes and control characters"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "characters the game shows as nothing or as boxes.")},
    {.kind = ControlCharacters, .severity = Problem, .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "%1 holds control characters: %2")}},
    {.kind = CtrlZ,
     .severity = Problem,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "a Ctrl-Z in this line ends the data: the %1 bytes after it are not read"),
                  QT_TRANSLATE_NOOP("ProblemKinds", "a Ctrl-Z after this line ends the data: the %1 bytes after it are not read")},
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Ctrl-Z"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "the game stops reading the file there.")},
    {.kind = CountMismatch,
     .severity = Problem,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "the checks count %1 lines where the game loads %2: please report this")},
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Lines counted differently"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "the checks and the game disagree on the number of lines: look at the line ends near it.")},
    // %1 the first empty slot, %2 the last, %3 the lines found.
    {.kind = SlotsEmpty,
     .severity = Problem,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "slot %1 stays empty: the game finds only %3 lines"),
                  QT_TRANSLATE_NOOP("ProblemKinds", "slots %1 to %2 stay empty: the game finds only %3 line"),
                  QT_TRANSLATE_NOOP("ProblemKinds", "slots %1 to %2 stay empty: the game finds only %3 lines")},
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Slots empty"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "the bank has fewer than 100 questions; the game draws an empty slot like any other, as a "
                       "blank question.")},
    // %1 the first line not read, %2 the last, %3 the entries held.
    {.kind = LinesNotRead,
     .severity = Problem,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "line %1 is not read: the game holds %3 entries"),
                  QT_TRANSLATE_NOOP("ProblemKinds", "lines %1 to %2 are not read: the game holds %3 entries")},
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Lines not read"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "lines after the 100th are never asked.")},
    {.kind = SameQuestion,
     .severity = Warning,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "the same question as line %1 (case, spaces and punctuation aside)")},
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Duplicate question"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "the same question stands on two lines, so it may be asked twice in one game.")},
    {.kind = SameAnswers,
     .severity = Warning,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "%1 are the same answer (case, spaces and punctuation aside)")},
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Equal answers"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "two answers of one question read the same, so the player cannot tell them apart.")},
    {.kind = SameAfterCut,
     .severity = Warning,
     .messages = {QT_TRANSLATE_NOOP("ProblemKinds", "%1 become the same answer once the game cuts them to %2 characters"),
                  QT_TRANSLATE_NOOP("ProblemKinds", "%1 become the same answer once the game cuts the line to %3 characters")},
     .guideTerm = QT_TRANSLATE_NOOP("ProblemKinds", "Answers equal after the cut"),
     .guideMeaning = QT_TRANSLATE_NOOP("ProblemKinds", "two answers differ only after their 26th character, or past the line's 140th, so the "
                       "game, which shows neither, shows them the same.")},
}};

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

std::string ProblemText(const char *text, const std::vector<std::string> &args)
{
    QStringList filling;
    for (const std::string &arg : args)
        filling += QString::fromStdString(arg);
    return ProblemText(text, filling).toStdString();
}

std::string BankProblem::message() const
{
    return ProblemText(FactsOf(kind).messages[form], args);
}

std::string FieldInText(std::size_t field)
{
    return QCoreApplication::translate("BankField", BankFieldNames[field].inText).toStdString();
}

std::string JoinedNames(const std::vector<std::string> &names)
{
    QString joined;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString name = QString::fromStdString(names[i]);
        if (i == 0)
            joined = name;
        else if (i + 1 == names.size())
            joined = ProblemText(QT_TRANSLATE_NOOP("ProblemKinds", "%1 and %2"), {joined, name});
        else
            joined = ProblemText(QT_TRANSLATE_NOOP("ProblemKinds", "%1, %2"), {joined, name});
    }
    return joined.toStdString();
}
