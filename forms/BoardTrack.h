#pragma once

#include "app/OneBased.h"

#include <array>
#include <cstdint>

// The closed track of 22 squares. Forward runs clockwise on the board: right
// along the top, down the right side, left along the bottom, up the left side.

struct TrackPoint {
    std::uint16_t left;
    std::uint16_t top;
};

inline constexpr std::int8_t SquareCount = 22;
inline constexpr std::int8_t Player1StartSquare = 1;
inline constexpr std::int8_t Player2StartSquare = 12;
inline constexpr std::array<std::int8_t, 4> CornerSquares = {1, 6, 12, 18};

// Where a piece's top-left corner stands on each square, in pixels of the
// board window's client area. The positions follow the hand-drawn tiles of
// the board picture, so they are not evenly spaced.
extern const OneBased<TrackPoint, SquareCount> BoardTrack;

// The squares a roll of 1..6 reaches from square 1..22; one wrap always
// suffices because a roll is far shorter than the track.
std::int8_t ForwardSquareOf(std::int8_t square, int roll);
std::int8_t BackwardSquareOf(std::int8_t square, int roll);
