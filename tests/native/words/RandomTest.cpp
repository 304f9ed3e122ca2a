#include "words/Random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>

namespace {

// How often each result comes up over all 32,768 generator outputs.
std::map<std::int32_t, int> Shape(std::int32_t high, std::int32_t low) {
    std::map<std::int32_t, int> counts;
    for (int r = 0; r <= 32767; ++r) {
        ++counts[RandomScale(r, high, low)];
    }
    return counts;
}

TEST(RandomTest, FollowsTheRecurrenceFromTheSeed) {
    SeedRandom(1);
    for (const int expected : {41, 18467, 6334, 26500, 19169}) {
        EXPECT_EQ(RandomNext(), expected);
    }
}

TEST(RandomTest, RangesHaveTheirDocumentedShapes) {
    auto counts = Shape(26, 0);
    EXPECT_EQ(counts.size(), 26u); // never 26
    EXPECT_EQ(counts[0], 1262);
    for (int v = 1; v < 26; ++v) {
        EXPECT_TRUE(counts[v] == 1260 || counts[v] == 1261) << v;
    }
    // The step 1/32767 is applied before the range: 17969 x (1/32767) x 93 falls just short of 51.
    EXPECT_EQ(RandomScale(17969, 93, 0), 50);
    EXPECT_EQ(Shape(0, 0), (std::map<std::int32_t, int>{{0, 32768}}));

    counts = Shape(2, -2); // truncation toward zero doubles the share of 0
    EXPECT_EQ(counts.size(), 4u);
    EXPECT_EQ(counts[-2], 2);
    EXPECT_NEAR(counts[0], 16384, 5);
    EXPECT_NEAR(counts[1], 8192, 5);

    constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto highest = std::numeric_limits<std::int32_t>::max();
    counts = Shape(highest, lowest);
    EXPECT_EQ(counts.begin()->first, lowest);
    EXPECT_LT(counts.rbegin()->first, highest);
}

} // namespace
