#pragma once

#include "forms/BankChecks.h"

#include <cstddef>
#include <optional>
#include <vector>

// Which entry of the problems list Next Problem (step +1) and Previous
// Problem (step -1) go to, in the order of the cells the entries lie in:
// on from the chosen entry while the cursor still stands on its cell, and
// from the cursor once the author has moved on; round from the last to the
// first. The bank's own entries have no cell and are passed over; none when
// no entry has a cell.
std::optional<std::size_t> StepToProblem(const std::vector<BankProblem> &problems, std::optional<std::size_t> chosen,
                                         int row, int column, int step);
