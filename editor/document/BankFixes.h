#pragma once

#include "editor/document/BankDocument.h"

#include <functional>
#include <optional>
#include <span>
#include <vector>

// The one-click fixes: what a line becomes when the author accepts the fix
// for a problem the checks reported on it.
namespace BankFixes {

// The lines to put in place of the problem's line, or nothing when its
// kind has no fix (ProblemKinds.h) or the problem no longer holds there. Lone line feeds become line
// ends (CR LF); UTF-8 in a field is decoded; text after the 4th double quote
// is split off at its line feeds, moved to a line of its own when it holds a
// double quote, and dropped when it holds none. A field over its width is
// the author's to reword (PastWidth), so it has none.
std::optional<std::vector<BankLine>> Fixed(const BankLine &line, const BankProblem &problem);
// Whether Fix All mends the problem: every fix but dropping a note (text
// after the 4th quote holding none), which is the author's to remove, one
// Fix at a time.
bool InFixAll(const BankLine &line, const BankProblem &problem);

// Part of a field, in the UTF-16 units of its text as the table shows it.
struct FieldSpan {
    int field = 0;
    qsizetype start = 0;
    qsizetype length = 0;
};

// What the game drops of a field longer than its width, for the author to
// reword; nothing when the field fits.
std::optional<FieldSpan> PastWidth(const BankLine &line, int field);

// The line with the field cut to its width, when it is longer: the cut the
// author may choose over rewording.
std::optional<BankLine> CutToWidth(const BankLine &line, int field);

// Mends every fixable problem of each kind given, in the order given,
// checking the bank afresh between kinds (and until none of the kind is
// left), as fixes move lines. Each fix is shown to `fixing` first, with the
// line as it stands, so that the undo step can name what it removes.
// Returns the kinds it mended.
using FixWatch = std::function<void(const BankLine &line, const BankProblem &problem)>;
std::vector<BankProblemKind> FixAll(BankDocument &document, std::span<const BankProblemKind> kinds,
                                    const FixWatch &fixing = {});

} // namespace BankFixes
