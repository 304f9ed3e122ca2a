#include "GameFixture.h"

namespace {

using PowerUpTest = ZapGameTest;

TEST_F(PowerUpTest, PowerUpWordsComeAtThresholdsOneStepFurtherApartEachTime) {
    auto game = StartQuiet();
    game->ScoreDisplay->Value = 90;
    Click(*game, *Put(*game, "house"), true);
    const auto powerUps = [&] { return static_cast<int>(FieldWords(*game).size()) - 1; }; // and the word
    EXPECT_EQ(powerUps(), 0) << "not inside the click that reaches 100";
    game->WordPoints = 0; // the step is the larger of the two kinds' points
    const int thresholds[] = {100, 200, 310, 430};
    for (int i = 0; i < 4; ++i) {
        game->ScoreDisplay->Value = thresholds[i] - 1;
        Tick(*game);
        EXPECT_EQ(powerUps(), i) << "below " << thresholds[i];
        game->ScoreDisplay->Value = thresholds[i];
        Tick(*game);
        EXPECT_EQ(powerUps(), i + 1) << "at " << thresholds[i];
    }
    game->PowerUps = 0;
    game->ScoreDisplay->Value = 1000;
    Tick(*game);
    EXPECT_EQ(powerUps(), 4) << "power-ups off";
}

TEST_F(PowerUpTest, PointsSecondsAndFillScreenActAndPowerUpWordsNeverFade) {
    GameSettings.FadeWords = 1;
    GameSettings.AdjustLifespan = 0;
    GameSettings.WordLifespan = 30;
    auto game = StartQuiet();
    game->ScoreDisplay->Value = 30;
    game->ClockDisplay->Value = 50;
    WordSprite* points = PowerUp(*game, "<+100 points>");
    EXPECT_EQ(Click(*game, *points, false), 1);
    EXPECT_EQ(game->Score(), 130);
    EXPECT_EQ(game->NextPowerUpScore, 200) << "the bonus does not bring the next power-up closer";
    EXPECT_EQ(points->State, SpriteHidden);
    Click(*game, *PowerUp(*game, "<+10 seconds>"), true);
    EXPECT_EQ(game->ClockDisplay->Value, -50);
    Tick(*game, 2); // the used power-up words go
    // A word at the end of its life leaves in its own tick; the power-up word after it still ages.
    WordSprite* expiring = Put(*game, "house");
    WordSprite* idle = PowerUp(*game, "<+100 points>");
    expiring->Lifespan = 0;
    game->OnMouseMove(window, expiring->Rect.left, expiring->Rect.top, 0);
    gCursors.clear();
    Tick(*game);
    EXPECT_EQ(FieldWords(*game), std::vector<WordSprite*>{idle});
    EXPECT_EQ(idle->Lifespan, 29);
    EXPECT_EQ(game->HoverSprite, nullptr);
    EXPECT_EQ(gCursors, std::vector<HCURSOR>{game->ArrowCursor});
    Tick(*game, 29);
    EXPECT_EQ(idle->State, SpriteJigglingSteady) << "a power-up word never fades";
    Tick(*game);
    EXPECT_TRUE(FieldWords(*game).empty());
    const int tries = game->PlacementTries;
    Click(*game, *PowerUp(*game, "<fill-screen>"), true);
    const int placed = static_cast<int>(FieldWords(*game).size()) - 1;
    EXPECT_GT(placed, 20);
    EXPECT_EQ(placed + game->PlacementTries - tries, 100) << "each word not placed raises the tries";
}

TEST_F(PowerUpTest, EraseAMistakeFadesTheFirstMistakeAndClearScreenEveryWordButNotDisplaysOrBoxes) {
    auto game = StartQuiet();
    AddBox(*game, RECT{600, 440, 630, 470});
    WordSprite* live = Put(*game, "house");
    WordSprite* zapped = Put(*game, "table");
    WordSprite* first = Put(*game, "zebra");
    WordSprite* second = Put(*game, "zqxvb");
    WordSprite* other = PowerUp(*game, "<+10 seconds>");
    Click(*game, *zapped, true);
    Click(*game, *first, false);
    Click(*game, *second, true);
    Click(*game, *PowerUp(*game, "<erase-a-mistake>"), true);
    EXPECT_EQ(first->State, SpriteFading);
    EXPECT_EQ(second->State, SpriteBlinkItalic);
    Tick(*game, 6);
    EXPECT_EQ(FieldWords(*game), (std::vector<WordSprite*>{live, zapped, second, other}));
    Click(*game, *PowerUp(*game, "<clear-screen>"), false);
    Tick(*game, 5);
    EXPECT_EQ(FieldWords(*game), (std::vector<WordSprite*>{live, zapped, second})) << "faded for five ticks";
    Tick(*game);
    EXPECT_EQ(game->FieldSprites.size(), 4u) << "only the displays and the box stay";
    EXPECT_EQ(Items(game->WordsIgnored), (std::vector<std::string>{"zebra", "house", "table"}));
    EXPECT_EQ(Items(game->FakesIgnored), std::vector<std::string>{"zqxvb"});
}

// The mystery word acts as any power-up of the game but the one that clears the screen: no word
// starts fading where there is no mistake to erase.
TEST_F(PowerUpTest, TheMysteryWordNeverClearsTheScreen) {
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        auto game = StartQuiet();
        const std::vector<WordSprite*> words{Put(*game, "house"), Put(*game, "zqxvb")};
        SeedRandom(seed);
        Click(*game, *PowerUp(*game, "<?>"), true);
        for (const WordSprite* word : words) {
            EXPECT_NE(word->State, SpriteFading) << "seed " << seed;
        }
    }
}

} // namespace
