#pragma once

#include <QString>

// The status bar's line: how many lines the bank has and what the game makes
// of that count.
QString LineCountSummary(int lines);
