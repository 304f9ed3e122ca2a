#include "rules/GameSettings.h"
#include "rules/HighScores.h"
#include "rules/HowToPlay.h"
#include "rules/Statistics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// End reasons: 1 completed and 4 time up are wins, 2 abandoned is not.
TEST(StatisticsTest, EachGameUpdatesCountsAverageBestAndWorst) {
    // Before, score, end reason, after.
    const std::tuple<PlayerStatistics, std::int32_t, int, PlayerStatistics> cases[] = {
        // Without an earlier game (none, a reset, a damaged count) no default or stale value stands.
        {{}, 120, 1, {120, 1, 1, 120, 120, 120}},
        {{}, -3, 2, {-3, 1, 0, -3, -3, -3}},
        {{5, -1, 3, 400, 900, -20}, 30, 2, {30, 1, 0, 30, 30, 30}},
        // Later games: best and worst stay unless beaten; the average truncates toward zero.
        {{120, 1, 1, 120, 120, 120}, -7, 2, {-7, 2, 1, 56, 120, -7}},
        {{-7, 2, 1, 56, 120, -7}, 121, 4, {121, 3, 2, 77, 121, -7}},
        {{0, 1, 0, -7, 0, 0}, -8, 2, {-8, 2, 0, -7, 0, -8}},
        // Extreme values neither overflow nor wrap.
        {{0, kMax, kMax, kMax, kMax, kMin}, kMax, 1, {kMax, kMax, kMax, kMax, kMax, kMin}},
        {{0, 1, 0, kMax, 0, 0}, kMin, 2, {kMin, 2, 0, 0, 0, kMin}},
    };
    for (const auto& [before, score, reason, after] : cases) {
        EXPECT_EQ(StatisticsAfterGame(before, score, reason), after) << score;
    }
    EXPECT_EQ(PlayerStatistics{}.WorstScore, 1000); // stands in for a missing worst score
}

TEST(HighScoresTest, DefaultLadderTheTourNineFoldAndScoresReadFromText) {
    const std::int32_t ladder[] = {1, 22, 63, 124, 205, 306, 427, 568, 729, 910};
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(DefaultScore(i, false), ladder[i - 1]) << i;
        EXPECT_EQ(DefaultScore(i, true), 9 * ladder[i - 1]) << i;
    }
    const std::pair<const char*, std::int32_t> texts[] = {
        {"  +17 points", 17}, {"not a number", 0},   {nullptr, 0},       {"2147483647", kMax},
        {"2147483648", 0},    {"-2147483648", kMin}, {"-2147483649", 0}, {"-99999999999999999999999", 0}};
    for (const auto& [text, score] : texts) {
        EXPECT_EQ(ScoreFromText(text), score) << (text != nullptr ? text : "(null)");
    }
    EXPECT_TRUE(EntersHighScores(101, 100));
    EXPECT_FALSE(EntersHighScores(100, 100)) << "a tie with the lowest entry stays out";
}

// The settings of a first run, under the registry names that keep them.
TEST(GameSettingsTest, FactorySettingsUnderTheirRegistryNames) {
    const GameSettingsRecord settings;
    std::string factory;
    for (const GameSettingField& field : kGameSettingFields) {
        factory += std::string(field.Name) + '=' + std::to_string(settings.*field.Member) + ' ';
    }
    EXPECT_EQ(factory, "GameNumber=9 EndGameCondition=4 GenerateWords=1 GenerateFakes=1 TargetCount=50 "
                       "TimeLimit=50 WordLifespan=50 FakeWordProbab=50 AddWordInterval=20 RandomFonts=0 "
                       "PenalizeMistakes=1 PowerUps=1 FadeWords=0 AnimateWords=0 ExpireMistakes=0 "
                       "AdjustLifespan=1 HandicapSpeed=1 RoundRobin=0 PrefillDeadRects=0 ScoreBogusWords=1 "
                       "ScoreValidWords=1 AddWordsFaster=1 RoundRobinScore=0 ");
}

// The six lines of How To Play as string-table numbers, each with the number its "%d" shows: the
// first end condition set (time, target, no room) decides the goal, the end and the mistakes.
TEST(HowToPlayTest, TheFirstEndConditionSetDecidesGoalEndAndMistakes) {
    // Flags: 1 the LEFT button scores, 2 the RIGHT button scores, 4 mistakes are penalised, 8 they expire.
    const auto lines = [](std::int32_t condition, std::int32_t flags) {
        return ComposeRuleLines({.EndGameCondition = condition,
                                 .TargetCount = 30,
                                 .TimeLimit = 45,
                                 .PenalizeMistakes = flags >> 2 & 1,
                                 .ExpireMistakes = flags >> 3 & 1,
                                 .ScoreBogusWords = flags >> 1 & 1,
                                 .ScoreValidWords = flags & 1});
    };
    using L = RuleLines;
    EXPECT_EQ(lines(1, 7), (L{{{458}, {459}, {469}, {461, 45}, {464}, {474}}}));
    EXPECT_EQ(lines(3, 1), (L{{{458}, {472}, {469}, {461, 45}, {}, {474}}}));
    EXPECT_EQ(lines(2, 6), (L{{{473}, {459}, {460}, {462, 30}, {465}, {474}}}));
    EXPECT_EQ(lines(6, 8), (L{{{}, {}, {460}, {462, 30}, {}, {474}}}));
    EXPECT_EQ(lines(4, 3), (L{{{458}, {459}, {470}, {463}, {466}, {474}}}));
    EXPECT_EQ(lines(4, 11), (L{{{458}, {459}, {470}, {463}, {}, {474}}}));
    EXPECT_EQ(lines(0, 3), (L{{{458}, {459}, {}, {467}, {466}, {474}}}));
}

} // namespace
