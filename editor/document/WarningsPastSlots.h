#pragma once

#include "editor/document/BankDocument.h"

#include <vector>

// The content warnings on the rows past the game's 100, which the checks
// never read: a question asked twice, answers alike. Picking 100 questions
// out of thousands pulls these rows up one deletion at a time, so the
// author may ask for them beforehand. A row past 100 is checked against
// every row above it, the first 100 included.
std::vector<BankProblem> WarningsPastSlots(const BankDocument &document);
