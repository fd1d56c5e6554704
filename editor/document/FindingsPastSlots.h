#pragma once

#include "editor/document/BankDocument.h"

#include <vector>

// The checks on the rows past the game's 100, which it never reads: each
// row's problems as CheckBank finds them on a row it reads, then its content
// warnings (a question asked twice, answers alike). Picking 100 questions
// out of thousands pulls these rows up one deletion at a time, so the author
// may ask for them beforehand. A row past 100 is compared with every row
// above it, the first 100 included.
std::vector<BankProblem> FindingsPastSlots(const BankDocument &document);
