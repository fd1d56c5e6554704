#pragma once

#include "BankDocument.h"

#include <optional>
#include <vector>

// The one-click fixes: what a line becomes when the author accepts the fix
// for a problem the checks reported on it.
namespace BankFixes {

// The lines to put in place of the problem's line, or nothing when the
// problem has no fix or no longer holds there. Lone line feeds become line
// ends (CR LF); UTF-8 in a field is decoded; text after the 4th double quote
// is split off at its line feeds, moved to a line of its own when it holds a
// whole question, and dropped otherwise; a field over its width is cut to it.
std::optional<std::vector<BankLine>> Fixed(const BankLine &line, const BankProblem &problem);

} // namespace BankFixes
