#include "GameFixture.h"

#include <array>
#include <set>
#include <tuple>

namespace {

using PlayTest = QuietGameTest;

constexpr RECT kWholeField{0, 0, 640, 480};

// --- Placement ---------------------------------------------------------------------------------

// How many dead boxes start at each top.
std::map<LONG, int> BoxRows(const CZapGame& game) {
    std::map<LONG, int> rows;
    for (const auto& sprite : game.FieldSprites) {
        if (sprite->State == SpriteDeadBox) {
            ++rows[sprite->Rect.top];
        }
    }
    return rows;
}

TEST_F(PlayTest, PrefilledBoxesSpreadRowByRowBelowAnEmptyTopSlot) {
    auto game = Start();
    game->PrefillBoxes(window, 12);
    std::vector<std::string> boxes;
    for (auto box = std::next(game->FieldSprites.begin(), 3); box != game->FieldSprites.end(); ++box) {
        boxes.push_back(Text((*box)->Rect));
    }
    EXPECT_EQ(boxes, (std::vector<std::string>{"43,96,149,128", "192,96,298,128", "341,96,447,128",
                                               "490,96,596,128", "43,192,149,224", "192,192,298,224",
                                               "341,192,447,224", "490,192,596,224", "43,288,149,320",
                                               "192,288,298,320", "341,288,447,320", "490,288,596,320"}));
    for (const auto& [n, rows] : std::map<int, std::map<LONG, int>>{
             {10, {{96, 4}, {192, 4}, {288, 2}}}, {17, {{80, 5}, {160, 5}, {240, 5}, {320, 2}}}}) {
        auto other = Start();
        other->PrefillBoxes(window, n);
        EXPECT_EQ(BoxRows(*other), rows) << n << " boxes";
    }
}

TEST_F(PlayTest, FirstTimerMessageOfEitherClockPrefillsOnlyWithTheSetting) {
    for (int prefill : {0, 1}) {
        GameSettings.PrefillDeadRects = prefill;
        auto game = StartQuiet();
        SeedRandom(7);
        const std::size_t boxes = prefill != 0 ? RandomRange(20, 10) : 0;
        SeedRandom(7);
        game->OnTimer(window, 202);
        EXPECT_EQ(game->FieldSprites.size(), 3 + boxes) << "PrefillDeadRects " << prefill;
        Tick(*game);
        EXPECT_EQ(game->FieldSprites.size(), 3 + boxes)
            << "PrefillDeadRects " << prefill << ", second message";
    }
}

TEST_F(PlayTest, WordTakesOnlyASpotThatTouchesNoOtherSprite) {
    WordFontSize = 120; // a big word leaves fewer positions to try
    auto game = Start();
    const RECT probe = Put(*game, window, "house")->Rect;
    game->FieldSprites.pop_back();
    const LONG width = probe.right - probe.left, height = probe.bottom - probe.top;
    // Boxes around a gap two pixels wider and higher than the word: a spot sharing an edge with a
    // box touches it, so only the one a pixel in from the gap's corner is free.
    const LONG left = 100, top = 120, right = left + width + 2, bottom = top + height + 2;
    for (const RECT& r :
         {RECT{0, 0, left, 480}, RECT{right, 0, 640, 480}, RECT{0, 0, 640, top}, RECT{0, bottom, 640, 480}}) {
        AddBox(*game, r);
    }
    game->PlacementTries = 2000000;
    for (int search = 1; search <= 20; ++search) {
        RECT spot{0, 0, width, height};
        ASSERT_TRUE(game->FindFreeSpot(window, spot));
        EXPECT_EQ(Text(spot), Text(RECT{left + 1, top + 1, right - 1, bottom - 1})) << "search " << search;
    }
}

TEST_F(PlayTest, FailedPlacementsShortenTheWordsAskedForAndRaiseTheTries) {
    auto game = Start();
    EXPECT_NE(Put(*game, window, "house"), nullptr);
    EXPECT_EQ(game->MaxWordLength, 30) << "never above 30";
    AddBox(*game, kWholeField);
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
    EXPECT_EQ(game->TicksSinceWordAdded, 1000);
    game->FieldSprites.pop_back();
    for (const char* text : {"cat", "dog", "zebra"}) {
        EXPECT_NE(Put(*game, window, text), nullptr) << text;
    }
    EXPECT_EQ(game->MaxWordLength, 7);
}

TEST_F(PlayTest, WordsWithoutSizeOrTooBigForTheFieldAreDropped) {
    CZapGame unpainted(host, GetModuleHandleA(nullptr), &Words());
    EXPECT_EQ(Put(unpainted, window, "house"), nullptr) << "never painted: nothing to measure with";
    auto game = Start();
    EXPECT_EQ(Put(*game, window, ""), nullptr) << "an empty text is no word";
    WordFontSize = 400;
    EXPECT_EQ(Put(*game, window, "house"), nullptr) << "wider than the field";
    EXPECT_EQ(game->FieldSprites.size(), 3u);
}

TEST_F(PlayTest, WordPlacedUnderTheRestingPointerIsHoveredAtOnce) {
    auto game = Start();
    SeedRandom(3);
    const RECT spot = Put(*game, window, "house")->Rect;
    EXPECT_EQ(game->HoverSprite, nullptr) << "the pointer is off the field";
    game->FieldSprites.pop_back();
    gPointer = POINT{spot.left, spot.bottom}; // a corner: edges belong to the word
    ClientToScreen(window, &gPointer);
    gCursors.clear();
    SeedRandom(3);
    WordSprite* under = Put(*game, window, "house");
    EXPECT_EQ(Text(under->Rect), Text(spot));
    EXPECT_EQ(game->HoverSprite, under);
    EXPECT_EQ(under->Marks, MarkFrame);
    EXPECT_EQ(gCursors, std::vector<HCURSOR>{game->ArrowCursor});
    game->OnMouseMove(window, spot.right + 1, spot.bottom + 1, 0);
    EXPECT_EQ(under->Marks, 0u) << "the frame goes with the pointer";
}

TEST_F(PlayTest, FakeChanceZeroGivesOnlyGenuineWordsAndHundredOnlyFakes) {
    for (int chance : {0, 100}) {
        GameSettings.FakeWordProbab = chance;
        auto game = Start();
        for (int i = 0; i < 20; ++i) {
            game->SpawnWord(window);
        }
        ASSERT_GE(FieldWords(*game).size(), 15u);
        for (const WordSprite* word : FieldWords(*game)) {
            EXPECT_EQ(IsListed(*word), chance == 0) << word->Text.Chars << " with fake chance " << chance;
        }
    }
}

TEST_F(PlayTest, NewWordLivesByTheFadeRulesAndTheSpritesAlreadyOnTheField) {
    const int cases[][4] = {{0, 1, 10, 300000}, {1, 0, 10, 40}, {1, 1, 9, 40},
                            {1, 1, 10, 80},     {1, 1, 19, 80}, {1, 1, 20, 120}};
    GameSettings.WordLifespan = 40;
    for (const auto& [fade, adjust, onField, lifespan] : cases) {
        GameSettings.FadeWords = fade;
        GameSettings.AdjustLifespan = adjust;
        auto game = Start();
        while (static_cast<int>(game->FieldSprites.size()) < onField) {
            ASSERT_NE(Put(*game, window, "cat"), nullptr);
        }
        EXPECT_EQ(Put(*game, window, "dog")->Lifespan, lifespan)
            << "fade " << fade << ", adjust " << adjust << ", " << onField << " sprites before it";
    }
}

// --- The clock ---------------------------------------------------------------------------------

TEST_F(PlayTest, WordIntervalsAreDrawnFromHalfToThreeHalvesOfTheBase) {
    const int cases[][4] = {{0, 0, 20, 59}, {0, 1, 13, 39}, {1, 0, 15, 44}, {1, 1, 10, 29}};
    GameSettings.AddWordInterval = 40;
    for (const auto& [faster, handicap, low, high] : cases) {
        GameSettings.AddWordsFaster = faster;
        GameSettings.HandicapSpeed = handicap;
        auto game = Start();
        AddBox(*game, kWholeField); // every word fails at once
        game->TicksSinceWordAdded = 1000;
        std::set<int> drawn;
        for (int i = 0; i < 400; ++i) {
            game->AddWordStep(window);
            drawn.insert(game->NextWordTicks);
        }
        EXPECT_EQ(*drawn.begin(), low) << "faster " << faster << ", handicap " << handicap;
        EXPECT_EQ(*drawn.rbegin(), high) << "faster " << faster << ", handicap " << handicap;
    }
}

TEST_F(PlayTest, NoRoomEndsTheGameOnlyAfterMoreTicksThanTheLimitWithoutANewWord) {
    for (const auto& [fade, interval, limit] :
         {std::array{0, 40, 50}, std::array{1, 40, 100}, std::array{1, 10, 50}, std::array{1, 21, 52}}) {
        GameSettings.FadeWords = fade;
        GameSettings.AddWordInterval = interval;
        host.endReasons.clear();
        auto game = StartQuiet();
        game->TicksSinceWordAdded = limit - 1;
        Tick(*game);
        EXPECT_TRUE(host.endReasons.empty()) << "fade " << fade << ", interval " << interval;
        Tick(*game);
        EXPECT_EQ(host.endReasons, std::vector<int>{1}) << "fade " << fade << ", interval " << interval;
    }
}

TEST_F(PlayTest, TimeLimitEndsTheGameAtTheTickTheClockReachesIt) {
    GameSettings.EndGameCondition = 1;
    GameSettings.TimeLimit = 50;
    auto game = StartQuiet();
    game->ClockDisplay->Value = 498;
    Tick(*game);
    EXPECT_TRUE(host.endReasons.empty()) << "49.9 s";
    Tick(*game);
    EXPECT_EQ(host.endReasons, std::vector<int>{4}) << "50.0 s";
}

TEST_F(PlayTest, NoRoomIsJudgedBeforeTheTimeLimitWhenBothAreDueInOneTick) {
    GameSettings.EndGameCondition = 5;
    GameSettings.TimeLimit = 50;
    auto game = StartQuiet();
    game->TicksSinceWordAdded = 50;
    game->ClockDisplay->Value = 499;
    Tick(*game);
    EXPECT_EQ(host.endReasons, std::vector<int>{1});
}

TEST_F(PlayTest, ExpiredWordLeavesInItsOwnTickAndTheWordAfterItStillAges) {
    auto game = StartQuiet();
    WordSprite* first = Put(*game, window, "house");
    WordSprite* second = Put(*game, window, "zebra");
    first->Lifespan = 0;
    second->Lifespan = 10;
    game->OnMouseMove(window, first->Rect.left, first->Rect.top, 0);
    gCursors.clear();
    Tick(*game);
    EXPECT_EQ(FieldWords(*game), std::vector<WordSprite*>{second});
    EXPECT_EQ(second->Lifespan, 9);
    EXPECT_EQ(game->HoverSprite, nullptr);
    EXPECT_EQ(gCursors, std::vector<HCURSOR>{game->ArrowCursor});
    EXPECT_EQ(Items(game->WordsIgnored), std::vector<std::string>{"house"});
}

TEST_F(PlayTest, OneSecondClockOnlyCountsAndAStoppedGameTakesNoTimer) {
    GameSettings.EndGameCondition = 1; // a 50 s limit, kept by the game clock alone
    auto game = StartQuiet();
    for (int i = 0; i < 60; ++i) {
        EXPECT_EQ(game->OnTimer(window, 202), 1) << "second " << i;
    }
    EXPECT_EQ(game->ElapsedSeconds, 60);
    EXPECT_TRUE(host.endReasons.empty());
    game->Running = 0;
    EXPECT_EQ(game->OnTimer(window, 205), 0);
    EXPECT_EQ(game->ClockDisplay->Value, 0);
}

// --- Clicks --------------------------------------------------------------------------------------

TEST_F(PlayTest, ClickClassifiesTheWordUnderThePointer) {
    struct Verdict {
        int state;
        std::uint32_t marks;
        StringList CZapGame::*list;
        HCURSOR CZapGame::*cursor;
        int sound, points;
    };
    using G = CZapGame;
    const Verdict zap{SpriteGrowing, 0, &G::WordsZapped, &G::ZapCursor, 236, 10};
    const Verdict eliminate{SpriteShrinking, 0, &G::FakesEliminated, &G::EliminateCursor, 236, 10};
    const Verdict fakeZapped{SpriteBlinkItalic, MarkCross, &G::FakesZapped, &G::FakeZappedCursor, 239, 0};
    const Verdict wordEliminated{
        SpriteBlinkBold, MarkDoubleFrame, &G::WordsEliminated, &G::WordEliminatedCursor, 239, 0};
    struct Case {
        const char* text;
        bool left;
        const Verdict& verdict;
        int end, stay, penalize, lifespan, words, clock;
    };
    const Case cases[] = {
        {"house", true, zap, 2, 1, 1, 20, 1, 0},
        {"HOUSE", true, zap, 2, 1, 1, 20, 1, 0},
        {"zqxvb", false, eliminate, 2, 1, 1, 20, 1, 0},
        {"zqxvb", true, fakeZapped, 2, 1, 1, 300000, -1, 0},
        {"house", false, wordEliminated, 2, 0, 1, 20, -1, 0},
        {"zqxvb", true, fakeZapped, 1, 0, 1, 20, 0, 30},
        {"house", false, wordEliminated, 1, 1, 1, 300000, 0, 30},
        {"house", false, wordEliminated, 2, 1, 0, 300000, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Format("%s with the %s button, end %d, stay %d, penalize %d", c.text,
                            c.left ? "left" : "right", c.end, c.stay, c.penalize));
        GameSettings.EndGameCondition = c.end;
        GameSettings.ExpireMistakes = c.stay != 0 ? 0 : 1;
        GameSettings.PenalizeMistakes = c.penalize;
        auto game = StartQuiet();
        WordSprite* word = Put(*game, window, c.text);
        gWaves.clear();
        EXPECT_EQ(Click(*game, *word, c.left), 1);
        EXPECT_EQ(word->Live, 0);
        EXPECT_EQ(word->State, c.verdict.state);
        EXPECT_EQ(word->Marks & ~std::uint32_t{MarkFrame}, c.verdict.marks);
        EXPECT_EQ(word->Lifespan, c.lifespan);
        EXPECT_EQ(Items((*game).*c.verdict.list), std::vector<std::string>{c.text});
        EXPECT_EQ(Tally(*game)["lists"], 1);
        EXPECT_EQ(gCursors.back(), (*game).*c.verdict.cursor);
        EXPECT_EQ(gWaves, std::vector<int>{c.verdict.sound});
        EXPECT_EQ(game->Score(), c.verdict.points);
        EXPECT_EQ(game->WordsDisplay->Value, c.words);
        EXPECT_EQ(game->ClockDisplay->Value, c.clock);
        // Pointing at the word again shows its verdict once more.
        game->OnMouseMove(window, -5, -5, 0);
        EXPECT_EQ(gCursors.back(), game->ArrowCursor);
        game->OnMouseMove(window, word->Rect.right, word->Rect.bottom, 0);
        EXPECT_EQ(gCursors.back(), (*game).*c.verdict.cursor);
    }
}

TEST_F(PlayTest, ClicksOnClassifiedWordsBesideWordsOrWithAnIdleButtonDoNothing) {
    auto game = StartQuiet();
    WordSprite* zapped = Put(*game, window, "house");
    WordSprite* live = Put(*game, window, "zebra");
    WordSprite* bonus = Put(*game, window, "<+100 points>", SpriteJigglingSteady);
    Click(*game, *zapped, true);
    const auto before = Tally(*game);
    EXPECT_EQ(Click(*game, *zapped, false), 1);
    EXPECT_EQ(Click(*game, *zapped, true), 1);
    EXPECT_EQ(Tally(*game), before) << "a classified word";
    const POINT beside{0, 479};
    for (const auto& sprite : game->FieldSprites) {
        ASSERT_FALSE(PtInRect(&sprite->Rect, beside)) << "choose another empty spot";
    }
    game->OnMouseMove(window, beside.x, beside.y, 0);
    EXPECT_EQ(game->OnLButtonDown(window, beside.x, beside.y, MK_LBUTTON), 1);
    EXPECT_EQ(game->OnRButtonDown(window, beside.x, beside.y, MK_RBUTTON), 1);
    EXPECT_EQ(Tally(*game), before) << "beside every word";
    game->ScoreValidWords = 0;
    EXPECT_EQ(Click(*game, *live, true), 0);
    EXPECT_EQ(Click(*game, *bonus, true), 0);
    EXPECT_EQ(Tally(*game), before) << "a button that does not score";
}

HANDLE(WINAPI* gLoadImage)(HINSTANCE, LPCSTR, UINT, int, int, UINT) = nullptr;
std::map<int, std::pair<std::string, HANDLE>> gImages; // by resource id: "type cx cy flags" and the image
HANDLE WINAPI SpyLoadImage(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
    const HANDLE image = gLoadImage(instance, name, type, cx, cy, flags);
    const auto id = IS_INTRESOURCE(name) ? static_cast<int>(reinterpret_cast<std::uintptr_t>(name)) : -1;
    gImages[id] = {Format("type %u size %dx%d flags %#x", type, cx, cy, flags), image};
    return image;
}

TEST_F(PlayTest, FeedbackCursorsAreTheFourIconResourcesAtDefaultSize) {
    ImportHook<decltype(&SpyLoadImage)> hook("user32.dll", "LoadImageA", SpyLoadImage);
    gLoadImage = hook.Original();
    gImages.clear();
    auto game = Start();
    std::set<HCURSOR> distinct;
    for (const auto& [id, cursor] :
         {std::pair{395, &CZapGame::ZapCursor}, std::pair{392, &CZapGame::FakeZappedCursor},
          std::pair{399, &CZapGame::EliminateCursor}, std::pair{398, &CZapGame::WordEliminatedCursor}}) {
        EXPECT_EQ(gImages[id].first, "type 1 size 0x0 flags 0x40") << "icon " << id;
        EXPECT_NE((*game).*cursor, nullptr) << "icon " << id;
        EXPECT_EQ((*game).*cursor, gImages[id].second) << "icon " << id;
        distinct.insert((*game).*cursor);
    }
    EXPECT_EQ(distinct.size(), 4u);
    EXPECT_EQ(game->ArrowCursor, LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
}

TEST_F(PlayTest, EachClickMovesTheHitAverageAndAtWholeSecondsTheSpeed) {
    // Speed factors in thousandths.
    const int cases[][6] = {{1, 61, 300, 750, 16, 740},
                            {1, 60, 301, 750, 15, 750},
                            {1, 0, 10, 11, 14, 1},
                            {1, 0, 10, 10, 14, 10},
                            {0, 0, 300, 1000, 14, 1000}};
    for (const auto& [faster, ticksSinceHit, clock, factor, hitInterval, newFactor] : cases) {
        SCOPED_TRACE(
            Format("faster %d, %d ticks after the last hit, clock %d", faster, ticksSinceHit, clock));
        GameSettings.AddWordsFaster = faster;
        auto game = StartQuiet();
        WordSprite* word = Put(*game, window, "house");
        game->TicksSinceHit = ticksSinceHit;
        game->ClockDisplay->Value = clock;
        game->SpeedFactor = factor / 1000.0;
        Click(*game, *word, true);
        EXPECT_EQ(game->HitInterval, hitInterval);
        EXPECT_EQ(game->TicksSinceHit, 0);
        EXPECT_NEAR(game->SpeedFactor, newFactor / 1000.0, 1e-9);
    }
}

TEST_F(PlayTest, ReachingTheTargetByAClickEndsTheGameInsideTheClick) {
    for (const auto& [end, wordsBefore, ends] :
         {std::tuple{2, 48, 0u}, std::tuple{2, 49, 1u}, std::tuple{3, 49, 0u}}) {
        GameSettings.EndGameCondition = end;
        host.endReasons.clear();
        auto game = StartQuiet();
        game->WordsDisplay->Value = wordsBefore;
        Click(*game, *Put(*game, window, "house"), true);
        EXPECT_EQ(host.endReasons, std::vector<int>(ends, 1))
            << "end " << end << ", " << wordsBefore << " words";
    }
}

// --- The end -------------------------------------------------------------------------------------

TEST_F(PlayTest, TargetReachedFastEarnsABonusAndWinningPlaysTheFanfare) {
    const int cases[][4] = {{1, 300, 2000, 1}, {1, 600, 1000, 1}, {1, 700, 857, 1}, {1, 0, 0, 1},
                            {1, -100, 0, 1},   {4, 300, 0, 1},    {2, 300, 0, 0}};
    GameSettings.EndGameCondition = 2;
    for (const auto& [reason, clock, bonus, fanfare] : cases) {
        auto game = StartQuiet();
        game->ClockDisplay->Value = clock;
        game->ScoreDisplay->Value = 70;
        gWaves.clear();
        host.EndGame(window, reason);
        EXPECT_EQ(game->Score(), 70 + bonus) << "reason " << reason << ", clock " << clock;
        EXPECT_EQ(gWaves, std::vector<int>(fanfare, 238)) << "reason " << reason;
    }
}

TEST_F(PlayTest, FinishedGameFilesTheWordsLeftAsIgnoredAndThenStandsStill) {
    auto game = StartQuiet();
    WordSprite* genuine = Put(*game, window, "house");
    WordSprite* fake = Put(*game, window, "zqxvb");
    WordSprite* mistake = Put(*game, window, "zebra");
    WordSprite* bonus = Put(*game, window, "<+100 points>", SpriteJigglingSteady);
    Click(*game, *mistake, false);
    host.EndGame(window, 1);
    EXPECT_EQ(Items(game->WordsIgnored), std::vector<std::string>{"house"});
    EXPECT_EQ(Items(game->FakesIgnored), std::vector<std::string>{"zqxvb"});
    const auto before = Tally(*game);
    EXPECT_EQ(game->OnTimer(window, 205), 0);
    EXPECT_EQ(game->OnTimer(window, 202), 0);
    EXPECT_EQ(Click(*game, *genuine, true), 0);
    EXPECT_EQ(Click(*game, *fake, false), 0);
    EXPECT_EQ(Click(*game, *bonus, true), 0);
    EXPECT_EQ(Tally(*game), before);
}

} // namespace
