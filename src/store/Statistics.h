#pragma once

#include "rules/Statistics.h"

#include <cstdint>
#include <optional>

// The player's statistics and the high-score check, kept in the registry under the current game
// key (GameKey). Every update reads and writes the registry directly.

// The stored statistics under gameKey, with the defaults of PlayerStatistics for missing values.
PlayerStatistics ReadStatistics(const char* gameKey);

// Records a finished or abandoned game with its score under the current game key; during the
// Round Robin tour the score also joins the tour's sum (GameSettings.RoundRobinScore). The tour's
// progress is stored with it (SaveTourProgress).
void RecordGame(int reason, std::int32_t score);

// Counts a running game that the player abandoned by starting a new one.
void AddSkippedGame();

// Sets games played, skipped and won, the average, the best and the worst score to 0; the latest
// score stays.
void ResetStatistics(const char* gameKey);
inline void ResetStatistics() {
    ResetStatistics(nullptr);
}

// The lowest entry of the current game's high-score list, or the lowest default entry when the
// list has not been stored.
std::int32_t LowestHighScore();

// After a game: the score to offer the high-score list, when it beats the lowest entry. The score
// is the game's, or during the tour the tour's sum, which then starts again from 0 either way.
std::optional<std::int32_t> CheckHighScore(std::int32_t gameScore);
