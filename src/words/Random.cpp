#include "words/Random.h"

namespace {

std::uint32_t gRandomState = 1;

} // namespace

void SeedRandom(std::uint32_t seed) {
    gRandomState = seed;
}

int RandomNext() {
    gRandomState = gRandomState * 214013u + 2531011u;
    return static_cast<int>((gRandomState >> 16) & 0x7FFFu);
}

std::int32_t RandomScale(int r, std::int32_t high, std::int32_t low) {
    // The products are made one at a time, in this order, so that every compiler rounds them the
    // same way; the range is taken in 64 bits so that no pair of bounds overflows.
    constexpr double kStep = 1.0 / 32767;
    const double range = static_cast<double>(static_cast<std::int64_t>(high) - low);
    double x = r * kStep;
    x = x * range;
    x = x + low;
    // x lies between the bounds (within rounding), so it fits in 64 bits; the cast truncates toward
    // zero.
    const auto v = static_cast<std::int64_t>(x);
    if (v == high) {
        return low;
    }
    return static_cast<std::int32_t>(v);
}

std::int32_t RandomRange(std::int32_t high, std::int32_t low) {
    return RandomScale(RandomNext(), high, low);
}
