#include "rules/Statistics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

PlayerStatistics Stats(std::int32_t latest, std::int32_t played, std::int32_t won, std::int32_t average,
                       std::int32_t best, std::int32_t worst) {
    return PlayerStatistics{latest, played, won, average, best, worst};
}

TEST(StatisticsTest, FirstGameSetsBestAndWorstToItsScore) {
    // Without an earlier game neither the missing-value defaults nor the zeros of a reset may stand.
    EXPECT_EQ(StatisticsAfterGame(PlayerStatistics{}, 1500, EndCompleted),
              Stats(1500, 1, 1, 1500, 1500, 1500));
    EXPECT_EQ(StatisticsAfterGame(PlayerStatistics{}, -3, EndAbandoned), Stats(-3, 1, 0, -3, -3, -3));

    const PlayerStatistics afterReset = Stats(77, 0, 0, 0, 0, 0);
    EXPECT_EQ(StatisticsAfterGame(afterReset, 50, EndCompleted), Stats(50, 1, 1, 50, 50, 50));

    // A damaged count below zero is taken as no earlier game instead of a division by zero.
    EXPECT_EQ(StatisticsAfterGame(Stats(5, -1, 3, 400, 900, -20), 30, EndAbandoned),
              Stats(30, 1, 3, 30, 30, 30));
    EXPECT_EQ(StatisticsAfterGame(Stats(5, kMin, 0, 0, 0, 0), 8, EndAbandoned).GamesPlayed, 1);
}

TEST(StatisticsTest, LaterGamesAverageAndKeepBestAndWorstUnlessBeaten) {
    const PlayerStatistics second = StatisticsAfterGame(Stats(120, 1, 1, 120, 120, 120), -7, EndAbandoned);
    EXPECT_EQ(second, Stats(-7, 2, 1, 56, 120, -7));
    EXPECT_EQ(StatisticsAfterGame(second, 121, EndTimeUp), Stats(121, 3, 2, 77, 121, -7));
}

TEST(StatisticsTest, AverageTruncatesTowardZero) {
    EXPECT_EQ(StatisticsAfterGame(Stats(0, 1, 0, -7, 0, 0), -8, EndAbandoned).AverageScore, -7);
    EXPECT_EQ(StatisticsAfterGame(Stats(0, 2, 0, -1, 0, 0), 0, EndAbandoned).AverageScore, 0);
    EXPECT_EQ(StatisticsAfterGame(Stats(0, 2, 0, 1, 0, 0), 0, EndAbandoned).AverageScore, 0);
}

TEST(StatisticsTest, ExtremeValuesNeitherOverflowNorWrap) {
    const PlayerStatistics full = Stats(0, kMax, kMax, kMax, kMax, kMin);
    const PlayerStatistics after = StatisticsAfterGame(full, kMax, EndCompleted);
    EXPECT_EQ(after.GamesPlayed, kMax);
    EXPECT_EQ(after.GamesWon, kMax);
    EXPECT_EQ(after.AverageScore, kMax);

    EXPECT_EQ(StatisticsAfterGame(Stats(0, kMax, 0, kMin, 0, 0), kMin, EndAbandoned).AverageScore, kMin);
    EXPECT_EQ(StatisticsAfterGame(Stats(0, 1, 0, kMax, 0, 0), kMin, EndAbandoned).AverageScore, 0);

    EXPECT_EQ(AddClamped(kMax, 1), kMax);
    EXPECT_EQ(AddClamped(kMin, -1), kMin);
    EXPECT_EQ(AddClamped(415, -5), 410);
}

} // namespace
