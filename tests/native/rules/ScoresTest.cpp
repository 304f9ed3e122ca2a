#include "rules/HighScores.h"
#include "rules/Statistics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <tuple>

void PrintTo(const PlayerStatistics& s, std::ostream* out) {
    *out << "{latest " << s.LatestScore << ", played " << s.GamesPlayed << ", won " << s.GamesWon
         << ", average " << s.AverageScore << ", best " << s.BestScore << ", worst " << s.WorstScore << "}";
}

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// End reasons: 1 completed and 4 time up are wins, 2 abandoned is not.
TEST(StatisticsTest, EachGameUpdatesCountsAverageBestAndWorst) {
    // Before, score, end reason, after.
    const std::tuple<PlayerStatistics, std::int32_t, int, PlayerStatistics> cases[] = {
        // Without an earlier game (none, a reset, a damaged count) no default or stale value stands.
        {{}, 120, 1, {120, 1, 1, 120, 120, 120}},
        {{}, 1500, 4, {1500, 1, 1, 1500, 1500, 1500}},
        {{}, -3, 2, {-3, 1, 0, -3, -3, -3}},
        {{5, -1, 3, 400, 900, -20}, 30, 2, {30, 1, 0, 30, 30, 30}},
        // Later games: best and worst stay unless beaten; the average truncates toward zero.
        {{120, 1, 1, 120, 120, 120}, -7, 2, {-7, 2, 1, 56, 120, -7}},
        {{-7, 2, 1, 56, 120, -7}, 121, 4, {121, 3, 2, 77, 121, -7}},
        {{0, 2, 0, 100, 200, 50}, 150, 1, {150, 3, 1, 116, 200, 50}},
        {{0, 1, 0, -7, 0, 0}, -8, 2, {-8, 2, 0, -7, 0, -8}},
        // Extreme values neither overflow nor wrap.
        {{0, kMax, kMax, kMax, kMax, kMin}, kMax, 1, {kMax, kMax, kMax, kMax, kMax, kMin}},
        {{0, 1, 0, kMax, 0, 0}, kMin, 2, {kMin, 2, 0, 0, 0, kMin}},
    };
    for (const auto& [before, score, reason, after] : cases) {
        EXPECT_EQ(StatisticsAfterGame(before, score, reason), after) << score;
    }
    EXPECT_EQ(PlayerStatistics{}.WorstScore, 1000); // stands in for a missing worst score
    EXPECT_EQ(AddClamped(415, -5), 410);
    EXPECT_EQ(AddClamped(kMax, 1), kMax);
    EXPECT_EQ(AddClamped(kMin, -1), kMin);
}

TEST(HighScoresTest, DefaultLadderAndTheTourNineFold) {
    const std::int32_t ladder[] = {1, 22, 63, 124, 205, 306, 427, 568, 729, 910};
    const std::int32_t tour[] = {9, 198, 567, 1116, 1845, 2754, 3843, 5112, 6561, 8190};
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(DefaultScore(i, false), ladder[i - 1]) << i;
        EXPECT_EQ(DefaultScore(i, true), tour[i - 1]) << i;
    }
    EXPECT_EQ(DefaultScore(0, false), 1);
    EXPECT_EQ(DefaultScore(11, true), 8190);
}

TEST(HighScoresTest, ScoreTextReadsLikeADecimalNumberAndOutsideThe32BitRangeAsZero) {
    EXPECT_EQ(ScoreFromText("  +17 points"), 17);
    EXPECT_EQ(ScoreFromText("not a number"), 0);
    EXPECT_EQ(ScoreFromText(nullptr), 0);
    EXPECT_EQ(ScoreFromText("2147483647"), kMax);
    EXPECT_EQ(ScoreFromText("2147483648"), 0);
    EXPECT_EQ(ScoreFromText("-2147483648"), kMin);
    EXPECT_EQ(ScoreFromText("-2147483649"), 0);
    EXPECT_EQ(ScoreFromText("-99999999999999999999999"), 0);
}

} // namespace
