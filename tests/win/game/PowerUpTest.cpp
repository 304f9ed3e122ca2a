#include "GameFixture.h"

#include <algorithm>
#include <cstring>

namespace {

using PowerUpTest = QuietGameTest;

int PowerUpWords(const CZapGame& game) {
    return static_cast<int>(std::count_if(game.FieldSprites.begin(), game.FieldSprites.end(),
                                          [](const auto& sprite) { return sprite->Text.At(0) == '<'; }));
}

TEST_F(PowerUpTest, PowerUpWordsComeAtThresholdsOneStepFurtherApartEachTime) {
    auto game = StartQuiet();
    game->ScoreDisplay->Value = 90;
    Click(*game, *Put(*game, window, "house"), true);
    EXPECT_EQ(PowerUpWords(*game), 0) << "not inside the click that reaches 100";
    Tick(*game);
    EXPECT_EQ(PowerUpWords(*game), 1) << "at 100";
    const int thresholds[] = {200, 310, 430, 560};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(game->NextPowerUpScore, thresholds[i]);
        game->ScoreDisplay->Value = thresholds[i] - 1;
        Tick(*game);
        EXPECT_EQ(PowerUpWords(*game), i + 1) << "below " << thresholds[i];
        game->ScoreDisplay->Value = thresholds[i];
        Tick(*game);
        EXPECT_EQ(PowerUpWords(*game), i + 2) << "at " << thresholds[i];
    }
    EXPECT_EQ(game->NextPowerUpScore, 560);

    GameSettings.PowerUps = 0;
    auto without = StartQuiet();
    without->ScoreDisplay->Value = 1000;
    Tick(*without, 3);
    EXPECT_EQ(PowerUpWords(*without), 0) << "power-ups off";
}

TEST_F(PowerUpTest, PowerUpWithoutRoomComesAsTheMysteryWordOrNotAtAll) {
    auto game = StartQuiet();
    WordFontSize = 100; // every power-up's name is wider than the field, "<?>" is not
    game->ScoreDisplay->Value = 100;
    Tick(*game);
    ASSERT_EQ(FieldWords(*game).size(), 1u);
    EXPECT_STREQ(FieldWords(*game)[0]->Text.Chars, "<?>");
    EXPECT_EQ(FieldWords(*game)[0]->State, SpriteJigglingSteady);
    EXPECT_EQ(game->NextPowerUpScore, 200);
    AddBox(*game, RECT{0, 0, 640, 480});
    game->ScoreDisplay->Value = 200;
    Tick(*game);
    EXPECT_EQ(FieldWords(*game).size(), 1u);
    EXPECT_EQ(game->NextPowerUpScore, 300) << "one step less than 310";
}

TEST_F(PowerUpTest, RulesChooseThePowerUpsOnOffer) {
    struct Case {
        int end, valid, bogus, expire;
        std::vector<std::string> names;
    };
    for (const Case& c : {
             Case{1,
                  1,
                  1,
                  1,
                  {"<+100 points>", "<clear-screen>", "<fill-screen>", "<+10 seconds>", "<score-any-words>",
                   "<score-any-fakes>"}},
             Case{4,
                  1,
                  0,
                  0,
                  {"<+100 points>", "<clear-screen>", "<fill-screen>", "<erase-a-mistake>",
                   "<score-any-words>", "<pause-15-secs>"}},
             Case{2, 0, 1, 1, {"<+100 points>", "<clear-screen>", "<fill-screen>", "<score-any-fakes>"}},
         }) {
        GameSettings.EndGameCondition = c.end;
        GameSettings.ScoreValidWords = c.valid;
        GameSettings.ScoreBogusWords = c.bogus;
        GameSettings.ExpireMistakes = c.expire;
        auto game = Start();
        EXPECT_EQ(std::vector<std::string>(game->EnabledPowerUps, game->EnabledPowerUps + game->EnabledCount),
                  c.names)
            << "end " << c.end << ", valid " << c.valid << ", bogus " << c.bogus << ", expire " << c.expire;
    }
}

TEST_F(PowerUpTest, PointsAndSecondsPowerUpsAndTheClickedWordGoesUnfiled) {
    GameSettings.EndGameCondition = 1;
    auto game = StartQuiet();
    game->ScoreDisplay->Value = 30;
    game->ClockDisplay->Value = 50;
    WordSprite* points = Put(*game, window, "<+100 points>", SpriteJigglingSteady);
    EXPECT_EQ(Click(*game, *points, false), 1);
    EXPECT_EQ(game->Score(), 130);
    EXPECT_EQ(game->NextPowerUpScore, 200) << "the bonus does not bring the next power-up closer";
    EXPECT_EQ(points->Lifespan, 1);
    EXPECT_EQ(points->Live, 0);
    EXPECT_EQ(points->State, SpriteHidden);
    Click(*game, *Put(*game, window, "<+10 seconds>", SpriteJigglingSteady), true);
    EXPECT_EQ(game->ClockDisplay->Value, -50);
    Tick(*game, 2);
    EXPECT_TRUE(FieldWords(*game).empty());
    EXPECT_EQ(Tally(*game)["lists"], 0);
}

TEST_F(PowerUpTest, ClearScreenFadesEveryWordButLeavesDisplaysAndBoxes) {
    auto game = StartQuiet();
    AddBox(*game, RECT{600, 440, 630, 470});
    WordSprite* live = Put(*game, window, "house");
    WordSprite* zapped = Put(*game, window, "table");
    WordSprite* mistake = Put(*game, window, "zqxvb");
    WordSprite* other = Put(*game, window, "<+10 seconds>", SpriteJigglingSteady);
    WordSprite* clear = Put(*game, window, "<clear-screen>", SpriteJigglingSteady);
    Click(*game, *zapped, true);
    Click(*game, *mistake, true);
    Click(*game, *clear, false);
    for (const WordSprite* word : {live, zapped, mistake}) {
        EXPECT_EQ(word->State, SpriteFading) << word->Text.Chars;
        EXPECT_EQ(word->Lifespan, 5) << word->Text.Chars;
    }
    EXPECT_EQ(other->Lifespan, 1);
    EXPECT_EQ(other->State, SpriteJigglingSteady);
    Tick(*game, 5);
    EXPECT_EQ(FieldWords(*game).size(), 3u) << "faded words last five more ticks";
    Tick(*game);
    EXPECT_EQ(game->FieldSprites.size(), 4u) << "only the displays and the box stay";
    EXPECT_EQ(Items(game->WordsIgnored), (std::vector<std::string>{"house", "table"}));
    EXPECT_EQ(Items(game->FakesIgnored), std::vector<std::string>{"zqxvb"});
}

TEST_F(PowerUpTest, FillScreenAsksForAHundredWords) {
    auto game = StartQuiet();
    WordSprite* fill = Put(*game, window, "<fill-screen>", SpriteJigglingSteady);
    const int tries = game->PlacementTries;
    Click(*game, *fill, true);
    const int placed = static_cast<int>(FieldWords(*game).size()) - 1;
    EXPECT_GT(placed, 20);
    EXPECT_EQ(placed + game->PlacementTries - tries, 100) << "each word not placed raises the tries";
}

TEST_F(PowerUpTest, EraseAMistakeFadesOnlyTheFirstMistakeLeftOnTheField) {
    auto game = StartQuiet();
    WordSprite* zapped = Put(*game, window, "house");
    WordSprite* first = Put(*game, window, "zebra");
    WordSprite* second = Put(*game, window, "zqxvb");
    WordSprite* erase = Put(*game, window, "<erase-a-mistake>", SpriteJigglingSteady);
    Click(*game, *zapped, true);
    Click(*game, *first, false);
    Click(*game, *second, true);
    Click(*game, *erase, true);
    EXPECT_EQ(first->State, SpriteFading);
    EXPECT_EQ(first->Lifespan, 5);
    EXPECT_EQ(second->State, SpriteBlinkItalic);
    EXPECT_EQ(zapped->State, SpriteGrowing);
    Tick(*game, 6);
    EXPECT_EQ(FieldWords(*game), (std::vector<WordSprite*>{zapped, second}));
}

TEST_F(PowerUpTest, ScoringPowerUpsClassifyEveryLiveWordOfTheirKindUntilTheTarget) {
    struct Case {
        const char* name;
        int target, points;
        std::vector<std::string> zapped, eliminated;
        std::vector<int> ends;
    };
    GameSettings.EndGameCondition = 2;
    GameSettings.PenalizeMistakes = 0;
    for (const Case& c :
         {Case{"<score-any-words>", 50, 50, {"cat", "house", "table", "zebra", "apple", "dog"}, {}, {}},
          Case{"<score-any-fakes>", 50, 30, {"cat"}, {"zqxvb", "qqxt", "xkcdz"}, {}},
          Case{"<score-any-words>", 4, 30, {"cat", "house", "table", "zebra"}, {}, {1}}}) {
        SCOPED_TRACE(Format("%s with target %d", c.name, c.target));
        GameSettings.TargetCount = c.target;
        host.endReasons.clear();
        auto game = StartQuiet();
        WordSprite* classified = Put(*game, window, "cat");
        WordSprite* mistake = Put(*game, window, "wxqz");
        for (const char* text : {"house", "zqxvb", "table", "qqxt", "zebra", "apple", "xkcdz", "dog"}) {
            ASSERT_NE(Put(*game, window, text), nullptr) << text;
        }
        WordSprite* bonus = Put(*game, window, "<+100 points>", SpriteJigglingSteady);
        WordSprite* scorer = Put(*game, window, c.name, SpriteJigglingSteady);
        Click(*game, *classified, true);
        Click(*game, *mistake, true);
        gWaves.clear();
        Click(*game, *scorer, true);
        EXPECT_EQ(game->Score(), 10 + c.points);
        EXPECT_EQ(Items(game->WordsZapped), c.zapped);
        EXPECT_EQ(Items(game->FakesEliminated), c.eliminated);
        EXPECT_EQ(std::count(gWaves.begin(), gWaves.end(), 236), c.points / 10);
        EXPECT_EQ(host.endReasons, c.ends);
        EXPECT_EQ(mistake->State, SpriteBlinkItalic);
        EXPECT_EQ(bonus->Live, 1);
    }
}

TEST_F(PowerUpTest, PauseHoldsTheFieldForAHundredAndFiftyTimerMessages) {
    auto game = StartQuiet();
    WordSprite* word = Put(*game, window, "house");
    WordSprite* pause = Put(*game, window, "<pause-15-secs>", SpriteJigglingSteady);
    game->TicksSinceWordAdded = 1000; // a word is overdue
    game->NextWordTicks = 0;
    game->ClockDisplay->Value = 77;
    word->Lifespan = 300;
    EXPECT_EQ(Click(*game, *pause, true), 1);
    EXPECT_EQ(pause->Live, 1) << "the pause word stays to count down";
    EXPECT_EQ(game->OnTimer(window, 205), 0);
    EXPECT_STREQ(pause->Text.Chars, "<pause-14-secs>");
    gWaves.clear();
    EXPECT_EQ(Click(*game, *word, true), 0);
    EXPECT_EQ(Click(*game, *word, false), 0);
    EXPECT_EQ(gWaves, (std::vector<int>{245, 245}));
    EXPECT_EQ(word->Live, 1);
    for (int i = 1; i < 10; ++i) {
        EXPECT_EQ(game->OnTimer(window, i % 2 != 0 ? 202 : 205), 0) << "message " << i;
    }
    EXPECT_STREQ(pause->Text.Chars, "<pause-14-secs>") << "140 ticks left";
    Tick(*game);
    EXPECT_STREQ(pause->Text.Chars, "<pause-13-secs>") << "139 ticks left";
    Tick(*game, 138);
    EXPECT_EQ(pause->Live, 1) << "one tick left";
    Tick(*game);
    EXPECT_EQ(pause->State, SpriteHidden);
    EXPECT_EQ(pause->Live, 0);
    EXPECT_EQ(pause->Lifespan, 1);
    EXPECT_EQ(word->Lifespan, 300) << "nothing ages";
    EXPECT_EQ(game->ClockDisplay->Value, 77);
    EXPECT_EQ(game->ElapsedSeconds, 0);
    EXPECT_EQ(FieldWords(*game).size(), 2u) << "no word comes";
    Tick(*game);
    EXPECT_EQ(game->ClockDisplay->Value, 78);
    EXPECT_EQ(FieldWords(*game).size(), 3u) << "the overdue word comes";
}

TEST_F(PowerUpTest, MysteryWordNeverClearsTheScreen) {
    auto game = StartQuiet();
    game->PowerUps = 0; // only the mystery words placed here
    game->EnabledCount = 3;
    std::strcpy(game->EnabledPowerUps[0], "<+100 points>");
    std::strcpy(game->EnabledPowerUps[1], "<clear-screen>");
    std::strcpy(game->EnabledPowerUps[2], "<+10 seconds>");
    const WordSprite* word = Put(*game, window, "house");
    int points = 0;
    for (int seed = 1; seed <= 200; ++seed) {
        SeedRandom(seed);
        const int score = game->Score();
        Click(*game, *Put(*game, window, "<?>", SpriteJigglingSteady), true);
        points += game->Score() - score == 100 ? 1 : 0;
        EXPECT_EQ(word->State, SpriteJiggling) << "seed " << seed;
        Tick(*game, 2);
    }
    EXPECT_EQ(game->ClockDisplay->Value, 400 - 100 * (200 - points)) << "the rest went ten seconds back";
    EXPECT_GT(points, 50);
    EXPECT_LT(points, 150);
}

TEST_F(PowerUpTest, UnclickedPowerUpLeavesAtTheEndOfItsLifeWithoutFadingOrBeingFiled) {
    GameSettings.FadeWords = 1;
    GameSettings.AdjustLifespan = 0;
    GameSettings.WordLifespan = 30;
    auto game = StartQuiet();
    const WordSprite* bonus = Put(*game, window, "<+100 points>", SpriteJigglingSteady);
    EXPECT_EQ(bonus->Lifespan, 30);
    Tick(*game, 30);
    EXPECT_EQ(bonus->State, SpriteJigglingSteady) << "never fades";
    EXPECT_EQ(FieldWords(*game).size(), 1u);
    Tick(*game);
    EXPECT_TRUE(FieldWords(*game).empty());
    EXPECT_EQ(Tally(*game)["lists"], 0);
}

} // namespace
