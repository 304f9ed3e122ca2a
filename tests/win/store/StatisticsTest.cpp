#include "store/Statistics.h"
#include "PrivateRegistry.h"
#include "rules/GameSettings.h"
#include "store/GameKey.h"
#include "store/Registry.h"

#include <string>
#include <vector>

namespace {

class StatisticsTest : public PrivateRegistry {
protected:
    void SetUp() override {
        PrivateRegistry::SetUp();
        GameSettings = GameSettingsRecord{};
        SetGameKey(kGenericGameKey);
        SetHighScoreEntry([this](HWND, std::int32_t score) { Offered.push_back(score); });
    }
    void TearDown() override {
        SetHighScoreEntry(nullptr);
        SetGameKey(kGenericGameKey);
        GameSettings = GameSettingsRecord{};
        PrivateRegistry::TearDown();
    }

    static std::int32_t Skipped(const char* key) {
        return ReadRegDword(HKEY_CURRENT_USER, key, "GamesSkipped", -1);
    }

    std::vector<std::int32_t> Offered;
};

TEST_F(StatisticsTest, GamesSkipsAndResetsUpdateTheStatisticsOfTheirFamily) {
    RecordGame(EndCompleted, 120);
    EXPECT_EQ(ReadStatistics(kGenericGameKey), (PlayerStatistics{120, 1, 1, 120, 120, 120}));
    RecordGame(EndAbandoned, -7);
    EXPECT_EQ(ReadStatistics(kGenericGameKey), (PlayerStatistics{-7, 2, 1, 56, 120, -7}));
    RecordGame(EndTimeUp, 10);
    EXPECT_EQ(ReadStatistics(kGenericGameKey).GamesWon, 2);
    AddSkippedGame();
    ResetStatistics();
    EXPECT_EQ(ReadStatistics(kGenericGameKey), (PlayerStatistics{10, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Skipped(kGenericGameKey), 0);
    RecordGame(EndAbandoned, 50); // the first game after a reset: best and worst alike
    EXPECT_EQ(ReadStatistics(kGenericGameKey), (PlayerStatistics{50, 1, 0, 50, 50, 50}));

    SetGameKey(kRoundRobinGameKey);
    AddSkippedGame();
    AddSkippedGame();
    RecordGame(EndAbandoned, -3); // the first game of this family, over the missing-value defaults
    EXPECT_EQ(Skipped(kRoundRobinGameKey), 2);
    EXPECT_EQ(ReadStatistics(kRoundRobinGameKey), (PlayerStatistics{-3, 1, 0, -3, -3, -3}));
    EXPECT_EQ(ReadStatistics(kGenericGameKey).GamesPlayed, 1);

    // The tour's start clears the stage statistics whichever family is current.
    SetGameKey(kGenericGameKey);
    ResetStatistics(kRoundRobinGameKey);
    EXPECT_EQ(ReadStatistics(kRoundRobinGameKey), (PlayerStatistics{-3, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ReadStatistics(kGenericGameKey).GamesPlayed, 1);

    EXPECT_FALSE(SetGameKey(std::string(kGameKeySize, 'k').c_str()));
    EXPECT_STREQ(GameKey(), kGenericGameKey);
}

TEST_F(StatisticsTest, HighScoreCheckAgainstTheLowestEntry) {
    EXPECT_FALSE(CheckHighScore(nullptr, 1)); // no stored list: the lowest default entry is 1
    EXPECT_TRUE(CheckHighScore(nullptr, 2));

    const std::string list = std::string(kGenericGameKey) + "\\HighScores";
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, list.c_str(), "Score9", "100"));
    EXPECT_FALSE(CheckHighScore(nullptr, 100));
    EXPECT_TRUE(CheckHighScore(nullptr, 101));
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, list.c_str(), "Score9", "not a number"));
    EXPECT_TRUE(CheckHighScore(nullptr, 1));
    EXPECT_EQ(Offered, (std::vector<std::int32_t>{2, 101, 1}));

    SetHighScoreEntry(nullptr); // without an installed dialog the check still reports
    EXPECT_TRUE(CheckHighScore(nullptr, 500));
}

TEST_F(StatisticsTest, TheTourAddsUpItsScoresAndOffersTheSumOnce) {
    GameSettings.RoundRobin = 1;
    SetGameKey(kRoundRobinGameKey);
    for (const std::int32_t score : {120, -5, 300}) {
        RecordGame(EndCompleted, score);
    }
    EXPECT_EQ(GameSettings.RoundRobinScore, 415);

    // The sum competes against the nine-fold default and starts again from 0 either way.
    GameSettings.RoundRobinScore = 9;
    EXPECT_FALSE(CheckHighScore(nullptr, 5000));
    EXPECT_EQ(GameSettings.RoundRobinScore, 0);
    GameSettings.RoundRobinScore = 10;
    EXPECT_TRUE(CheckHighScore(nullptr, -5000));
    EXPECT_EQ(Offered, std::vector<std::int32_t>{10});
    EXPECT_EQ(GameSettings.RoundRobinScore, 0);

    // Outside the tour the sum is left alone.
    GameSettings.RoundRobin = 0;
    GameSettings.RoundRobinScore = 77;
    RecordGame(EndCompleted, 1000);
    CheckHighScore(nullptr, 3);
    EXPECT_EQ(GameSettings.RoundRobinScore, 77);
}

} // namespace
