#pragma once

#include <cstdint>

// Why a game ended, as handed to the game-over operation and to the statistics.
enum EndReason {
    EndCompleted = 1, // target reached or no room left: a win
    EndAbandoned = 2, // the window closed or a new game was started during the game
    EndTimeUp = 4,    // the time limit ran out: a win
};

inline bool CountsAsWon(int reason) {
    return reason == EndCompleted || reason == EndTimeUp;
}

// The statistics kept for one game family, with the values that stand for a missing entry.
struct PlayerStatistics {
    std::int32_t LatestScore = 0;
    std::int32_t GamesPlayed = 0;
    std::int32_t GamesWon = 0;
    std::int32_t AverageScore = 0;
    std::int32_t BestScore = 0;
    std::int32_t WorstScore = 1000;

    bool operator==(const PlayerStatistics&) const = default;
};

// The statistics after one more game with this score and end reason. A count of 0 or below means
// that no game was recorded before (none ever, a reset since, or a damaged count): the record
// starts afresh with that one game, its score the average, the best and the worst. Counts stop at
// the largest 32-bit value, and the running average, truncated toward zero, is worked out without
// overflow.
PlayerStatistics StatisticsAfterGame(const PlayerStatistics& before, std::int32_t score, int reason);

// total + amount, held at the ends of the 32-bit range instead of overflowing.
std::int32_t AddClamped(std::int32_t total, std::int32_t amount);
