#include "editor/document/ProblemSteps.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace {

// A place in the walk: the cell's line and column, then the entry's place in the list.
using Place = std::tuple<std::size_t, int, std::size_t>;

Place PlaceOf(const std::vector<BankProblem> &problems, std::size_t entry)
{
    return {problems[entry].line, std::max(problems[entry].field, 0), entry};
}

} // namespace

std::optional<std::size_t> StepToProblem(const std::vector<BankProblem> &problems, std::optional<std::size_t> chosen,
                                         int row, int column, int step)
{
    std::vector<std::size_t> walk;
    for (std::size_t entry = 0; entry < problems.size(); ++entry)
        if (problems[entry].line > 0)
            walk.push_back(entry);
    if (walk.empty())
        return std::nullopt;
    const auto before = [&problems](std::size_t a, std::size_t b) { return PlaceOf(problems, a) < PlaceOf(problems, b); };
    std::sort(walk.begin(), walk.end(), before);

    // The cursor stands before the entries of its cell going forward and
    // after them going back, so that the first step reaches them.
    const auto line = std::size_t(std::max(row + 1, 0));
    Place from{line, std::max(column, 0), step > 0 ? 0 : std::numeric_limits<std::size_t>::max()};
    const bool onChosen = chosen && *chosen < problems.size() && problems[*chosen].line > 0
                          && std::get<0>(PlaceOf(problems, *chosen)) == line
                          && std::get<1>(PlaceOf(problems, *chosen)) == std::get<1>(from);
    if (onChosen)
        from = PlaceOf(problems, *chosen);

    if (step > 0) {
        const auto next = std::find_if(walk.begin(), walk.end(), [&](std::size_t entry) {
            const Place place = PlaceOf(problems, entry);
            return onChosen ? place > from : place >= from;
        });
        return next == walk.end() ? walk.front() : *next;
    }
    const auto previous = std::find_if(walk.rbegin(), walk.rend(), [&](std::size_t entry) {
        const Place place = PlaceOf(problems, entry);
        return onChosen ? place < from : place <= from;
    });
    return previous == walk.rend() ? walk.back() : *previous;
}
