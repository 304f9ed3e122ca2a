#include "GameFixture.h"

#include <string>
#include <tuple>

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

// A box, a live genuine word, a zapped word and two mistakes (the first a word taken for a fake), then each
// power-up word clicked and the ticks given.
TEST_F(PowerUpTest, EachPowerUpWordActsOnceAndGoes) {
    const std::tuple<const char*, bool, int, const char*> cases[] = {
        {"<+100 points>", false, 2, "score 110 clock 2 filed 3 sprites 8: cat dog sun zqx"},
        {"<+10 seconds>", true, 2, "score 10 clock -98 filed 3 sprites 8: cat dog sun zqx"},
        {"<erase-a-mistake>", true, 5, "score 10 clock 5 filed 3 sprites 8: cat dog sun zqx"},
        {"<erase-a-mistake>", true, 6, "score 10 clock 6 filed 4 sprites 7: cat dog zqx"},
        {"<clear-screen>", false, 5, "score 10 clock 5 filed 3 sprites 8: cat dog sun zqx"},
        {"<clear-screen>", false, 6, "score 10 clock 6 filed 7 sprites 4:"},
        {"<score-any-words>", true, 2, "score 20 clock 2 filed 4 sprites 8: cat dog sun zqx"},
        {"<score-any-fakes>", false, 2, "score 10 clock 2 filed 3 sprites 8: cat dog sun zqx"},
        {"<pause-15-secs>", true, 10, "score 10 clock 0 filed 3 sprites 9: cat dog sun zqx <pause-14-secs>"},
        {"<pause-15-secs>", true, 149, "score 10 clock 0 filed 3 sprites 9: cat dog sun zqx <pause-0-secs>"},
        {"<pause-15-secs>", true, 152, "score 10 clock 2 filed 3 sprites 8: cat dog sun zqx"}};
    for (const auto& [name, left, ticks, outcome] : cases) {
        SCOPED_TRACE(Format("%s after %d ticks", name, ticks));
        auto game = StartQuiet();
        AddBox(*game, RECT{600, 440, 630, 470});
        Put(*game, "cat");
        Click(*game, *Put(*game, "dog"), true);
        Click(*game, *Put(*game, "sun"), false);
        Click(*game, *Put(*game, "zqx"), true);
        Click(*game, *PowerUp(*game, name), left);
        Tick(*game, ticks);
        EXPECT_EQ(Tally(*game), outcome);
        EXPECT_TRUE(host.endReasons.empty()) << "no room is not judged in a pause";
    }
}

TEST_F(PowerUpTest, PowerUpWordsNeverFadeAndFillScreenFillsTheField) {
    GameSettings.FadeWords = 1;
    GameSettings.AdjustLifespan = 0;
    GameSettings.WordLifespan = 30;
    auto game = StartQuiet();
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

// The mystery word acts as any power-up of the game but the one that clears the screen: no word
// starts fading where there is no mistake to erase.
TEST_F(PowerUpTest, TheMysteryWordNeverClearsTheScreen) {
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        auto game = StartQuiet();
        const WordSprite* word = Put(*game, "house");
        SeedRandom(seed);
        Click(*game, *PowerUp(*game, "<?>"), true);
        EXPECT_NE(word->State, SpriteFading) << "seed " << seed;
    }
}

} // namespace
