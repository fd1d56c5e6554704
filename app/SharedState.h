#pragma once

#include "app/BoundedText.h"
#include "app/OneBased.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

// State that crosses windows. Everything else a window keeps stays in its own
// module. All of it starts zeroed when the program starts.

// Board unit: set by the board window every time it is shown.
extern OneBased<BoundedText<15>, 2> PlayerNames;
extern OneBased<std::int8_t, 2> PieceSquare;
extern std::uint8_t CurrentPlayer;

// Setup unit: 1 while player 1 names and picks, 2 from player 1's pick on.
extern std::uint8_t SetupStage;

// Start-up: the bank file named on the command line, which the question
// window's loader reads instead of looking for quarl3.tqz in the current
// folder. Set before the windows are created.
extern std::optional<std::string> NamedBank;

// Numbers are handed between windows as decimal captions; reading one keeps
// the low 8 bits, and an empty or non-numeric caption reads as 0.
std::uint8_t CaptionNumber(const QString &caption);
