#include "rules/HighScores.h"

#include <algorithm>
#include <cstdint>
#include <limits>

std::int32_t DefaultScore(int i, bool roundRobin) {
    i = std::clamp(i, 1, kHighScoreEntries);
    const std::int32_t score = ((50 * i - 45) * i) / 5;
    return roundRobin ? score * 9 : score;
}

std::int32_t ScoreFromText(const char* text) {
    if (text == nullptr) {
        return 0;
    }
    while (*text == ' ' || *text == '\t') {
        ++text;
    }
    bool negative = false;
    if (*text == '-' || *text == '+') {
        negative = *text == '-';
        ++text;
    }
    // Accumulate the magnitude in 64 bits and stop growing once it is past every 32-bit value.
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
    std::int64_t magnitude = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        magnitude = std::min(magnitude * 10 + (*text - '0'), limit);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    return static_cast<std::int32_t>(value);
}
