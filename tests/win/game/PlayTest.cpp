#include "GameFixture.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace {

using PlayTest = ZapGameTest;

TEST_F(PlayTest, BoxesFillAGridBelowAnEmptyTopSlotAtTheFirstTimerMessageWhenSet) {
    auto grid = StartQuiet();
    grid->PrefillBoxes(window, 10); // rows of 4, 4 and 2 spread across a 640 x 480 field
    ASSERT_EQ(grid->FieldSprites.size(), 13u);
    EXPECT_EQ(Text((*std::next(grid->FieldSprites.begin(), 3))->Rect), "43,96,149,128");
    EXPECT_EQ(Text(grid->FieldSprites.back()->Rect), "390,288,496,320");
    for (const int prefill : {0, 1}) {
        GameSettings.PrefillDeadRects = prefill;
        auto game = StartQuiet();
        game->OnTimer(window, 202); // the first message of either clock
        Tick(*game);
        const std::size_t boxes = game->FieldSprites.size() - 3;
        EXPECT_EQ(boxes >= 10, prefill == 1) << "PrefillDeadRects " << prefill;
        EXPECT_LT(boxes, 20u) << "PrefillDeadRects " << prefill;
    }
}

TEST_F(PlayTest, AWordMovesWholeToTheOnlySpotThatTouchesNoOtherSprite) {
    WordFontSize = 120; // a big word leaves fewer positions to try
    auto game = Start();
    const WordSprite* measured = Put(*game, "house");
    ASSERT_NE(measured, nullptr);
    const RECT probe = measured->Rect;
    game->FieldSprites.pop_back();
    // A gap two pixels wider and higher than the word: only the spot a pixel in from its corner is free.
    const LONG width = probe.right - probe.left, height = probe.bottom - probe.top;
    const LONG left = 100, top = 120, right = left + width + 2, bottom = top + height + 2;
    for (const RECT& r :
         {RECT{0, 0, left, 480}, RECT{right, 0, 640, 480}, RECT{0, 0, 640, top}, RECT{0, bottom, 640, 480}}) {
        AddBox(*game, r);
    }
    game->PlacementTries = 2000000;
    RECT spot{0, 0, width, height};
    for (int search = 1; search <= 2; ++search) { // from the corner of the field, then from the spot
        ASSERT_TRUE(game->FindFreeSpot(window, spot));
        EXPECT_EQ(Text(spot), Text(RECT{left + 1, top + 1, right - 1, bottom - 1})) << "search " << search;
    }
}

TEST_F(PlayTest, FailedPlacementsShortenTheWordsAskedForAndRaiseTheTriesAndUnfitWordsAreDropped) {
    auto game = Start();
    EXPECT_EQ(Put(*game, ""), nullptr) << "an empty text is no word";
    ASSERT_NE(Put(*game, "house"), nullptr);
    EXPECT_EQ(game->MaxWordLength, 30) << "never above 30";
    AddBox(*game, RECT{0, 0, 640, 480});
    game->TicksSinceWordAdded = 1000; // every step is due
    int failures = 0;
    for (const auto& [after, longest] : {std::pair{6, 24}, std::pair{26, 4}, std::pair{27, 4}}) {
        for (; failures < after; ++failures) {
            game->AddWordStep(window);
        }
        EXPECT_EQ(game->MaxWordLength, longest) << after << " failures";
    }
    EXPECT_EQ(game->PlacementTries, 77);
    EXPECT_EQ(game->TicksSinceHit, -27) << "a tick without a new word does not count against the player";
    game->FieldSprites.pop_back();
    for (const char* text : {"cat", "dog", "zebra"}) {
        EXPECT_NE(Put(*game, text), nullptr) << text;
    }
    EXPECT_EQ(game->MaxWordLength, 7) << "one back per placed word";
    WordFontSize = 400;
    EXPECT_EQ(Put(*game, "house"), nullptr) << "wider than the field";
}

TEST_F(PlayTest, GameEndsAtTheTickItsConditionIsMetForItsReasonAndNeverByTheSecondsCounted) {
    // Settings, ticks without a new word and clock before two ticks: the first goes on, the second ends.
    const int cases[][7] = {{4, 0, 40, 0, 49, 0, 1}, {4, 1, 40, 0, 99, 0, 1},   {4, 1, 10, 0, 49, 0, 1},
                            {4, 1, 21, 0, 51, 0, 1}, {1, 0, 40, 50, 0, 498, 4}, {5, 0, 40, 50, 49, 498, 1}};
    for (const auto& [end, fade, interval, limit, idle, clock, reason] : cases) {
        SCOPED_TRACE(Format("end %d, fade %d, interval %d, limit %d", end, fade, interval, limit));
        GameSettings.EndGameCondition = end;
        GameSettings.FadeWords = fade;
        GameSettings.AddWordInterval = interval;
        GameSettings.TimeLimit = limit;
        host.endReasons.clear();
        auto game = StartQuiet();
        for (int second = 0; second < 60; ++second) {
            game->OnTimer(window, 202);
        }
        game->TicksSinceWordAdded = idle;
        game->ClockDisplay->Value = clock;
        Tick(*game);
        EXPECT_TRUE(host.endReasons.empty());
        Tick(*game);
        EXPECT_EQ(host.endReasons, std::vector<int>{reason});
    }
}

// The chance that a new word is genuine, at and beyond both ends of the chance of a fake.
TEST_F(PlayTest, AFakeChanceOf100MakesEveryNewWordAFakeAnd0EveryWordGenuine) {
    for (const auto& [fakes, genuine] :
         {std::pair{100, 0}, std::pair{101, 0}, std::pair{0, 100}, std::pair{-5, 100}}) {
        GameSettings.FakeWordProbab = fakes;
        EXPECT_EQ(Start()->GenuinePercent(), genuine) << fakes;
    }
}

TEST_F(PlayTest, AClickJudgesTheHoveredWordByTheDictionaryAndFilesIt) {
    using G = CZapGame;
    // Text, button, PenalizeMistakes; then the word's state and marks, where it is filed, the cursor, the
    // sound and the word count.
    const std::tuple<const char*, bool, int, int, std::uint32_t, StringList G::*, IconHandle G::*, int, int>
        cases[] = {
            {"HOUSE", true, 1, SpriteGrowing, 0, &G::WordsZapped, &G::ZapCursor, 236, 1},
            {"zqxvb", false, 1, SpriteShrinking, 0, &G::FakesEliminated, &G::EliminateCursor, 236, 1},
            {"zqxvb", true, 1, SpriteBlinkItalic, MarkCross, &G::FakesZapped, &G::FakeZappedCursor, 239, -1},
            {"house", false, 1, SpriteBlinkBold, MarkDoubleFrame, &G::WordsEliminated,
             &G::WordEliminatedCursor, 239, -1},
            {"house", false, 0, SpriteBlinkBold, MarkDoubleFrame, &G::WordsEliminated,
             &G::WordEliminatedCursor, 239, 0}};
    GameSettings.EndGameCondition = EndOnTarget;
    GameSettings.ExpireMistakes = 0;
    for (const auto& [text, left, penalize, state, marks, list, cursor, sound, count] : cases) {
        SCOPED_TRACE(Format("%s with the %s button, penalize %d", text, left ? "left" : "right", penalize));
        GameSettings.PenalizeMistakes = penalize;
        auto game = StartQuiet();
        WordSprite* word = Put(*game, text);
        Tick(*game);
        gWaves.clear();
        Click(*game, *word, left);
        EXPECT_EQ(word->State, state);
        EXPECT_EQ(Items((*game).*list), std::vector<std::string>{text});
        EXPECT_EQ(Filed(*game), 1);
        EXPECT_EQ(gCursors.back(), ((*game).*cursor).get());
        EXPECT_EQ(gWaves, std::vector<int>{sound});
        EXPECT_EQ(game->WordsDisplay->Value, count);
        // Pointing away shows the arrow and takes the frame; pointing back shows the verdict again.
        game->OnMouseMove(window, -5, -5, 0);
        EXPECT_EQ(word->Marks, marks);
        EXPECT_EQ(gCursors.back(), game->ArrowCursor);
        game->OnMouseMove(window, word->Rect.right, word->Rect.bottom, 0);
        EXPECT_EQ(gCursors.back(), ((*game).*cursor).get());
    }
}

TEST_F(PlayTest, ReachingTheTargetByAClickEndsTheGameInsideTheClickWithABonusForSpeed) {
    for (const auto& [end, wordsBefore, ends] :
         {std::array{2, 48, 0}, std::array{2, 49, 1}, std::array{3, 49, 0}}) {
        SCOPED_TRACE(Format("end %d, %d words", end, wordsBefore));
        GameSettings.EndGameCondition = end;
        host.endReasons.clear();
        auto game = StartQuiet();
        game->WordsDisplay->Value = wordsBefore;
        Click(*game, *Put(*game, "house"), true);
        EXPECT_EQ(host.endReasons, std::vector<int>(ends, 1));
    }
    GameSettings.EndGameCondition = 2;
    const int cases[][4] = {{1, 600, 1000, 1}, {1, 700, 857, 1}, {1, 0, 0, 1},
                            {1, -100, 0, 1},   {4, 300, 0, 1},   {2, 300, 0, 0}};
    for (const auto& [reason, clock, bonus, fanfare] : cases) {
        SCOPED_TRACE(Format("reason %d, clock %d", reason, clock));
        auto game = StartQuiet();
        game->ClockDisplay->Value = clock;
        gWaves.clear();
        host.EndGame(window, reason);
        EXPECT_EQ(game->Score(), bonus);
        EXPECT_EQ(gWaves, std::vector<int>(fanfare, 238));
    }
}

TEST_F(PlayTest, ClicksOnClassifiedWordsBesideWordsWithAButtonThatDoesNotScoreOrInAPauseDoNothing) {
    auto game = StartQuiet();
    WordSprite* genuine = Put(*game, "house");
    WordSprite* fake = Put(*game, "zqxvb");
    WordSprite* zapped = Put(*game, "zebra");
    WordSprite* bonus = PowerUp(*game, "<+100 points>");
    WordSprite* pause = PowerUp(*game, "<pause-15-secs>");
    Click(*game, *zapped, true);
    std::string before = Tally(*game);
    Click(*game, *zapped, false);
    Click(*game, *zapped, true);
    game->OnMouseMove(window, 0, 479, 0);
    ASSERT_EQ(game->HoverSprite, nullptr) << "choose another empty spot";
    game->OnLButtonDown(window, 0, 479, 0);
    game->OnRButtonDown(window, 0, 479, 0);
    game->ScoreValidWords = 0;
    EXPECT_EQ(Click(*game, *genuine, true) + Click(*game, *bonus, true), 0);
    game->ScoreValidWords = 1;
    game->ScoreBogusWords = 0;
    EXPECT_EQ(Click(*game, *fake, false) + Click(*game, *bonus, false), 0);
    game->ScoreBogusWords = 1;
    EXPECT_EQ(Tally(*game), before) << "a classified word, beside every word, a button that does not score";

    // A pause refuses clicks with a sound, and the seconds stop.
    Click(*game, *pause, true);
    gWaves.clear();
    EXPECT_EQ(Click(*game, *genuine, true) + Click(*game, *fake, false), 0);
    EXPECT_EQ(gWaves, (std::vector<int>{245, 245}));
    game->OnTimer(window, 202);
    EXPECT_EQ(game->ElapsedSeconds, 0);
}

} // namespace
