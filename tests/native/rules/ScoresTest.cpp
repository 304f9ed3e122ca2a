#include "rules/HighScores.h"
#include "rules/Statistics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <tuple>

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(StatisticsTest, EachGameUpdatesCountsAverageBestAndWorst) {
    // Before, score, end reason, after.
    const std::tuple<PlayerStatistics, std::int32_t, int, PlayerStatistics> cases[] = {
        // Without an earlier game (none stored, a reset, a damaged count below zero) neither the
        // missing-value defaults nor stale values may stand, and nothing is divided by zero.
        {{}, 1500, EndCompleted, {1500, 1, 1, 1500, 1500, 1500}},
        {{}, -3, EndAbandoned, {-3, 1, 0, -3, -3, -3}},
        {{77, 0, 0, 0, 0, 0}, 50, EndCompleted, {50, 1, 1, 50, 50, 50}},
        {{5, -1, 3, 400, 900, -20}, 30, EndAbandoned, {30, 1, 3, 30, 30, 30}},
        {{5, kMin, 0, 0, 0, 0}, 8, EndAbandoned, {8, 1, 0, 8, 8, 8}},
        // Later games: best and worst stay unless beaten; the average truncates toward zero.
        {{-7, 2, 1, 56, 120, -7}, 121, EndTimeUp, {121, 3, 2, 77, 121, -7}},
        {{0, 1, 0, -7, 0, 0}, -8, EndAbandoned, {-8, 2, 0, -7, 0, -8}},
        {{0, 2, 0, -1, 0, 0}, 0, EndAbandoned, {0, 3, 0, 0, 0, 0}},
        {{0, 2, 0, 1, 0, 0}, 0, EndAbandoned, {0, 3, 0, 0, 0, 0}},
        // Extreme values neither overflow nor wrap.
        {{0, kMax, kMax, kMax, kMax, kMin}, kMax, EndCompleted, {kMax, kMax, kMax, kMax, kMax, kMin}},
        {{0, kMax, 0, kMin, 0, 0}, kMin, EndAbandoned, {kMin, kMax, 0, kMin, 0, kMin}},
        {{0, 1, 0, kMax, 0, 0}, kMin, EndAbandoned, {kMin, 2, 0, 0, 0, kMin}},
    };
    for (const auto& [before, score, reason, after] : cases) {
        EXPECT_EQ(StatisticsAfterGame(before, score, reason), after) << score;
    }
    EXPECT_EQ(AddClamped(kMax, 1), kMax);
    EXPECT_EQ(AddClamped(kMin, -1), kMin);
    EXPECT_EQ(AddClamped(415, -5), 410);
}

TEST(HighScoresTest, DefaultLadderAndTheTourNineFold) {
    const std::int32_t plain[] = {1, 22, 63, 124, 205, 306, 427, 568, 729, 910};
    for (int i = 1; i <= kHighScoreEntries; ++i) {
        EXPECT_EQ(DefaultScore(i, false), plain[i - 1]) << i;
        EXPECT_EQ(DefaultScore(i, true), 9 * plain[i - 1]) << i;
    }
    EXPECT_EQ(DefaultScore(0, false), 1);
    EXPECT_EQ(DefaultScore(1000000, true), 8190);
}

TEST(HighScoresTest, ScoreTextReadsLikeADecimalNumberHeldInThe32BitRange) {
    EXPECT_EQ(ScoreFromText("306"), 306);
    EXPECT_EQ(ScoreFromText("-42"), -42);
    EXPECT_EQ(ScoreFromText("  +17 points"), 17);
    EXPECT_EQ(ScoreFromText("abc"), 0);
    EXPECT_EQ(ScoreFromText(""), 0);
    EXPECT_EQ(ScoreFromText(nullptr), 0);
    EXPECT_EQ(ScoreFromText("2147483647"), kMax);
    EXPECT_EQ(ScoreFromText("-2147483648"), kMin);
    EXPECT_EQ(ScoreFromText("99999999999999999999999"), kMax);
    EXPECT_EQ(ScoreFromText("-99999999999999999999999"), kMin);
}

} // namespace
