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
// whole question, and dropped otherwise; a field over its width is cut to it.
std::optional<std::vector<BankLine>> Fixed(const BankLine &line, const BankProblem &problem);

// What cutting the field to its width keeps. The cut never splits a
// character: one beyond the BMP typed, or a UTF-8 sequence written in bytes,
// goes whole when the width would split it.
QString KeptByCut(const BankLine &line, int field);

// A problem no fix may mend without losing words: the author rewords a
// field instead, `excess` characters too long. Fix opens that field with
// its last `excess` characters selected.
struct Rewording {
    int field = 0;
    qsizetype excess = 0;
};
// For a line over 140 characters, its longest field, by as much as the line
// is over; nothing for any other problem.
std::optional<Rewording> ToReword(const BankLine &line, const BankProblem &problem);

// Mends every fixable problem of each kind given, in the order given,
// checking the bank afresh between kinds (and until none of the kind is
// left), as fixes move lines. Each fix is shown to `fixing` first, with the
// line as it stands, so that the undo step can name what it removes.
// Returns the kinds it mended.
using FixWatch = std::function<void(const BankLine &line, const BankProblem &problem)>;
std::vector<BankProblemKind> FixAll(BankDocument &document, std::span<const BankProblemKind> kinds,
                                    const FixWatch &fixing = {});

} // namespace BankFixes
