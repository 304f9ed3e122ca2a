#pragma once

#include <cstdint>

// The program's one random sequence, the same on every platform: the linear congruential recurrence
// state = state * 214013 + 2531011 (modulo 2^32), giving (state >> 16) & 0x7FFF. The state is 1
// until SeedRandom sets it.
void SeedRandom(std::uint32_t seed);

// Advances the sequence and returns its next output, 0 to 32767.
int RandomNext();

// A whole number from low up to, but not including, high: note the order of the arguments. low is
// drawn by one output value more than the others; high == low gives low.
std::int32_t RandomRange(std::int32_t high, std::int32_t low);

// The arithmetic of RandomRange for the generator output r.
std::int32_t RandomScale(int r, std::int32_t high, std::int32_t low);
