#pragma once

#include <cstdint>

// The end window's bouncing piece: its position and two direction flags.
struct BouncePosition {
    std::uint16_t top;
    std::uint16_t left;
};

struct BounceDirection {
    std::uint8_t up;       // 1 while moving up, 0 while moving down
    std::uint8_t leftward; // 1 while moving left, 0 while moving right
};

// One step of 5 pixels on each axis. The turns are tested after the move, so
// a coordinate may pass its turning value by a few pixels (top swings between
// 117 and 152, left between 190 and 350); nothing is clamped.
void BounceStep(BouncePosition &point, BounceDirection &flags);
