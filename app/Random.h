#pragma once

#include <cstdint>

// The program's one random generator: a linear congruential generator over a
// 32-bit seed. Every draw (die, question, answer order) comes from it, so a
// game is repeatable from a known seed.
extern std::uint32_t RandSeed;

// An integer uniform in 0 .. n-1.
std::uint32_t Random(std::uint32_t n);

// Seeds the generator from the universal time of day in milliseconds.
void Randomize();
