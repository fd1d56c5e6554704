#pragma once

#include "forms/BankChecks.h"

// How many of the game's 100 slots come up without a question: those past
// the bank's last line, and lines the game reads with an empty question.
int EmptySlots(const BankReport &report);
