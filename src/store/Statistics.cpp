#include "store/Statistics.h"

#include "rules/GameSettings.h"
#include "rules/HighScores.h"
#include "store/GameKey.h"
#include "store/Preferences.h"
#include "store/Registry.h"

#include <string>

namespace {

std::int32_t Read(const char* key, const char* name, std::int32_t fallback) {
    return ReadRegDword(HKEY_CURRENT_USER, key, name, fallback);
}

void Write(const char* key, const char* name, std::int32_t value) {
    WriteRegDword(HKEY_CURRENT_USER, key, name, value);
}

} // namespace

PlayerStatistics ReadStatistics(const char* gameKey) {
    const PlayerStatistics missing;
    PlayerStatistics stats;
    stats.LatestScore = Read(gameKey, "LatestScore", missing.LatestScore);
    stats.GamesPlayed = Read(gameKey, "GamesPlayed", missing.GamesPlayed);
    stats.GamesWon = Read(gameKey, "GamesWon", missing.GamesWon);
    stats.AverageScore = Read(gameKey, "AverageScore", missing.AverageScore);
    stats.BestScore = Read(gameKey, "BestScore", missing.BestScore);
    stats.WorstScore = Read(gameKey, "WorstScore", missing.WorstScore);
    return stats;
}

void RecordGame(int reason, std::int32_t score) {
    const char* key = GameKey();
    const PlayerStatistics before = ReadStatistics(key);
    const PlayerStatistics after = StatisticsAfterGame(before, score, reason);

    Write(key, "LatestScore", after.LatestScore);
    Write(key, "GamesPlayed", after.GamesPlayed);
    if (after.GamesWon != before.GamesWon) {
        Write(key, "GamesWon", after.GamesWon);
    }
    Write(key, "AverageScore", after.AverageScore);
    if (after.BestScore != before.BestScore) {
        Write(key, "BestScore", after.BestScore);
    }
    if (after.WorstScore != before.WorstScore) {
        Write(key, "WorstScore", after.WorstScore);
    }

    if (GameSettings.RoundRobin != 0) {
        GameSettings.RoundRobinScore = AddClamped(GameSettings.RoundRobinScore, score);
    }
    // Stored with the game it counts, so that a run killed before its close neither plays this stage
    // again nor loses the tour's sum.
    SaveTourProgress();
}

void AddSkippedGame() {
    const char* key = GameKey();
    Write(key, "GamesSkipped", AddClamped(Read(key, "GamesSkipped", 0), 1));
}

void ResetStatistics(const char* gameKey) {
    const char* key = gameKey != nullptr ? gameKey : GameKey();
    for (const char* name :
         {"GamesPlayed", "GamesSkipped", "GamesWon", "AverageScore", "BestScore", "WorstScore"}) {
        Write(key, name, 0);
    }
}

std::int32_t LowestHighScore() {
    const std::string listKey = std::string(GameKey()) + "\\HighScores";
    char text[256];
    // Value names ignore case: this is the tenth entry, "Score9".
    if (!ReadRegString(HKEY_CURRENT_USER, listKey.c_str(), "score9", text, sizeof text)) {
        return DefaultScore(1, GameSettings.RoundRobin != 0);
    }
    return ScoreFromText(text);
}

std::optional<std::int32_t> CheckHighScore(std::int32_t gameScore) {
    const bool tour = GameSettings.RoundRobin != 0;
    const std::int32_t score = HighScoreCandidate(tour, GameSettings.RoundRobinScore, gameScore);
    const bool enters = EntersHighScores(score, LowestHighScore());
    if (tour) {
        GameSettings.RoundRobinScore = 0;
    }
    if (!enters) {
        return std::nullopt;
    }
    return score;
}
