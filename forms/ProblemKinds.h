#pragma once

#include "forms/BankProblem.h"

#include <QStringList>

#include <array>
#include <span>
#include <string>
#include <vector>

// Everything about each kind of problem in one row: how serious it is, how
// the editor mends it, and the words for it. The texts are the source texts
// of the "ProblemKinds" translation context.

// How the question editor mends a kind, in the order Fix All mends them:
// line ends first, as splitting a line at its line feeds makes lines of
// their own of what the other fixes would see as one; then text after the
// fourth quote, which may hold a question run on; then UTF-8, which shortens
// fields. A field too long is the author's to reword: Fix opens it with
// what the game drops selected, and Fix All leaves it.
enum class BankFix { None, EndAtLineFeeds, MendTextAfterFields, ReadUtf8, Reword };

struct ProblemKindFacts {
    BankProblemKind kind;
    BankSeverity severity;
    std::array<const char *, 4> messages; // the message's forms, as BankProblem::form picks them
    BankFix fix = BankFix::None;
    // The undo step of a fix, for one line: its forms, with %1 the line, %2
    // the text removed, %3 the field in lower case and %4 as its heading (for
    // Reword, the step of the cut the author may still choose). Then the step that mends every line, and the
    // words for the kind among others in Fix All's step: none for Reword.
    std::array<const char *, 3> fixOne{};
    const char *fixEvery = nullptr;
    const char *fixInList = nullptr;
    // The editor's guide: a term and what it means, or none for a kind told
    // in the entry before it.
    const char *guideTerm = nullptr;
    const char *guideMeaning = nullptr;
};

// Every kind, in the order the guide lists them.
std::span<const ProblemKindFacts> ProblemKinds();
const ProblemKindFacts &FactsOf(BankProblemKind kind);

// The kinds Fix All mends, in the order it mends them.
std::span<const BankProblemKind> FixedKinds();

// A text of the table in the user's language, its %1, %2... filled with
// `args` in one pass, so that an argument holding "%2" stays as it is.
QString ProblemText(const char *text, const QStringList &args = {});
// The same with the arguments and the result in UTF-8.
std::string ProblemText(const char *text, const std::vector<std::string> &args);

// Each field's names: the heading of its column, which the editor shows
// through tr() in the "BankField" context, and how a message names it.
struct BankFieldName {
    const char *heading; // "Question", "Right answer", "Wrong answer 1", "Wrong answer 2"
    const char *inText;  // "the question", "the right answer", "wrong answer 1", "wrong answer 2"
};
extern const std::array<BankFieldName, BankFieldCount> BankFieldNames;

// How a message names field 0..3, in the user's language, in UTF-8.
std::string FieldInText(std::size_t field);

// "a", "a and b", "a, b and c", in the user's language.
std::string JoinedNames(const std::vector<std::string> &names);
