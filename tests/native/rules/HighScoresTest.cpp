#include "rules/HighScores.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

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
    EXPECT_EQ(ScoreFromText("2147483647"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ScoreFromText("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ScoreFromText("99999999999999999999999"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ScoreFromText("-99999999999999999999999"), std::numeric_limits<std::int32_t>::min());
}

} // namespace
