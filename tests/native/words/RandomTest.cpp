#include "words/Random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <vector>

namespace {

// Taken before any test seeds the generator.
const int kFirstDrawUnseeded = RandomNext();

// How often each result comes up over all 32,768 generator outputs.
std::map<std::int32_t, int> Shape(std::int32_t high, std::int32_t low) {
    std::map<std::int32_t, int> counts;
    for (int r = 0; r <= 32767; ++r) {
        ++counts[RandomScale(r, high, low)];
    }
    return counts;
}

TEST(RandomTest, FollowsTheRecurrenceFromTheSeed) {
    EXPECT_EQ(kFirstDrawUnseeded, 41); // an unseeded generator starts from state 1
    SeedRandom(1);
    EXPECT_EQ((std::vector{RandomNext(), RandomNext(), RandomNext(), RandomNext()}),
              (std::vector{41, 18467, 6334, 26500}));
    SeedRandom(0xFFFFFFFFu); // the state wraps at 2^32; the third output drops a top bit that is set
    EXPECT_EQ((std::vector{RandomNext(), RandomNext(), RandomNext()}), (std::vector{35, 29739, 3374}));
}

TEST(RandomTest, ARangeGivesItsLowEndOneOutputMoreAndTruncatesTowardZero) {
    auto counts = Shape(26, 0);
    EXPECT_EQ(counts.count(26), 0u);
    EXPECT_EQ(counts[0], 1262);
    for (int v = 1; v < 26; ++v) {
        EXPECT_GE(counts[v], 1260) << v;
        EXPECT_LE(counts[v], 1261) << v;
    }
    // The step 1/32767 is applied before the range: 17969 x (1/32767) x 93 falls just short of 51.
    EXPECT_EQ(RandomScale(17969, 93, 0), 50);
    EXPECT_EQ(Shape(0, 0), (std::map<std::int32_t, int>{{0, 32768}})); // an empty range: its low end
    EXPECT_EQ(Shape(5, 5), (std::map<std::int32_t, int>{{5, 32768}}));
    // Results are truncated toward zero.
    EXPECT_EQ(Shape(2, -2), (std::map<std::int32_t, int>{{-2, 2}, {-1, 8191}, {0, 16384}, {1, 8191}}));
    constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto highest = std::numeric_limits<std::int32_t>::max();
    const auto widest = Shape(highest, lowest);
    EXPECT_EQ(widest.begin()->first, lowest);
    EXPECT_LT(widest.rbegin()->first, highest);
}

} // namespace
