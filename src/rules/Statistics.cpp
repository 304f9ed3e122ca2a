#include "rules/Statistics.h"

#include <algorithm>
#include <cstdint>
#include <limits>

std::int32_t AddClamped(std::int32_t total, std::int32_t amount) {
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::int64_t{total} + amount, lowest, highest));
}

PlayerStatistics StatisticsAfterGame(const PlayerStatistics& before, std::int32_t score, int reason) {
    const bool won = CountsAsWon(reason);
    if (before.GamesPlayed <= 0) {
        // The first game of the family: nothing stale or damaged from before may outlive it.
        return PlayerStatistics{score, 1, won ? 1 : 0, score, score, score};
    }

    PlayerStatistics after = before;
    after.LatestScore = score;
    if (won) {
        after.GamesWon = AddClamped(before.GamesWon, 1);
    }
    const std::int64_t played = before.GamesPlayed;
    after.GamesPlayed = AddClamped(before.GamesPlayed, 1);
    // A weighted mean of two 32-bit values: it stays within their range, and C++ division truncates
    // toward zero.
    after.AverageScore = static_cast<std::int32_t>((before.AverageScore * played + score) / (played + 1));
    if (score > before.BestScore) {
        after.BestScore = score;
    }
    if (score < before.WorstScore) {
        after.WorstScore = score;
    }
    return after;
}
