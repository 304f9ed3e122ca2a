#include "GameFixture.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <set>
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

TEST_F(PlayTest, WordTakesOnlyASpotThatTouchesNoOtherSprite) {
    WordFontSize = 120; // a big word leaves fewer positions to try
    auto game = Start();
    const WordSprite* measured = Put(*game, "house");
    ASSERT_NE(measured, nullptr);
    const RECT probe = measured->Rect;
    game->FieldSprites.pop_back();
    const LONG width = probe.right - probe.left, height = probe.bottom - probe.top;
    // Boxes around a gap two pixels wider and higher than the word: a spot sharing an edge with a box
    // touches it, so only the one a pixel in from the gap's corner is free.
    const LONG left = 100, top = 120, right = left + width + 2, bottom = top + height + 2;
    for (const RECT& r :
         {RECT{0, 0, left, 480}, RECT{right, 0, 640, 480}, RECT{0, 0, 640, top}, RECT{0, bottom, 640, 480}}) {
        AddBox(*game, r);
    }
    game->PlacementTries = 2000000;
    for (int search = 1; search <= 10; ++search) {
        RECT spot{0, 0, width, height};
        ASSERT_TRUE(game->FindFreeSpot(window, spot));
        EXPECT_EQ(Text(spot), Text(RECT{left + 1, top + 1, right - 1, bottom - 1})) << "search " << search;
    }
}

TEST_F(PlayTest, FailedPlacementsShortenTheWordsAskedForAndRaiseTheTriesAndUnfitWordsAreDropped) {
    CZapGame unpainted(host, GetModuleHandleA(nullptr), &Words());
    EXPECT_EQ(Put(unpainted, "house"), nullptr) << "never painted: nothing to measure with";
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
    EXPECT_EQ(game->TicksSinceWordAdded, 1000);
    game->FieldSprites.pop_back();
    for (const char* text : {"cat", "dog", "zebra"}) {
        EXPECT_NE(Put(*game, text), nullptr) << text;
    }
    EXPECT_EQ(game->MaxWordLength, 7) << "one back per placed word";
    WordFontSize = 400;
    EXPECT_EQ(Put(*game, "house"), nullptr) << "wider than the field";
}

TEST_F(PlayTest, WordPlacedUnderTheRestingPointerIsHoveredAtOnce) {
    auto game = Start();
    SeedRandom(3);
    const RECT spot = Put(*game, "house")->Rect;
    EXPECT_EQ(game->HoverSprite, nullptr) << "the pointer is off the field";
    game->FieldSprites.pop_back();
    gPointer = POINT{spot.left, spot.bottom}; // a corner: edges belong to the word
    ClientToScreen(window, &gPointer);
    SeedRandom(3);
    WordSprite* under = Put(*game, "house");
    EXPECT_EQ(game->HoverSprite, under);
    EXPECT_EQ(under->Marks, MarkFrame);
    EXPECT_EQ(gCursors, std::vector<HCURSOR>{game->ArrowCursor});
}

TEST_F(PlayTest, NewWordsAreFakesByTheChanceAndLiveByTheFadeRulesAndTheSpritesOnTheField) {
    for (const int chance : {0, 100}) {
        GameSettings.FakeWordProbab = chance;
        auto game = Start();
        for (int i = 0; i < 20; ++i) {
            game->SpawnWord(window);
        }
        ASSERT_GE(FieldWords(*game).size(), 15u);
        for (const WordSprite* word : FieldWords(*game)) {
            EXPECT_EQ(IsListed(word->Text.Chars), chance == 0) << word->Text.Chars << ", chance " << chance;
        }
    }
    GameSettings.WordLifespan = 40;
    const int cases[][4] = {{0, 1, 10, 300000}, {1, 0, 10, 40}, {1, 1, 9, 40},
                            {1, 1, 10, 80},     {1, 1, 19, 80}, {1, 1, 20, 120}};
    for (const auto& [fade, adjust, onField, lifespan] : cases) {
        GameSettings.FadeWords = fade;
        GameSettings.AdjustLifespan = adjust;
        auto game = Start();
        while (static_cast<int>(game->FieldSprites.size()) < onField) {
            ASSERT_NE(Put(*game, "cat"), nullptr);
        }
        EXPECT_EQ(Put(*game, "dog")->Lifespan, lifespan)
            << "fade " << fade << ", adjust " << adjust << ", " << onField << " sprites before it";
    }
}

TEST_F(PlayTest, WordIntervalsAreDrawnFromHalfToThreeHalvesOfTheBase) {
    GameSettings.AddWordInterval = 40;
    for (const auto& [faster, handicap, low, high] : {std::array{0, 0, 20, 59}, std::array{0, 1, 13, 39},
                                                      std::array{1, 0, 15, 44}, std::array{1, 1, 10, 29}}) {
        GameSettings.AddWordsFaster = faster;
        GameSettings.HandicapSpeed = handicap;
        auto game = Start();
        AddBox(*game, RECT{0, 0, 640, 480}); // every word fails at once
        game->TicksSinceWordAdded = 1000;
        std::set<int> drawn;
        for (int i = 0; i < 300; ++i) {
            game->AddWordStep(window);
            drawn.insert(game->NextWordTicks);
        }
        EXPECT_EQ(*drawn.begin(), low) << "faster " << faster << ", handicap " << handicap;
        EXPECT_EQ(*drawn.rbegin(), high) << "faster " << faster << ", handicap " << handicap;
    }
}

TEST_F(PlayTest, GameEndsAtTheTickItsConditionIsMetForItsReasonAndNeverByTheSecondsCounted) {
    // End condition, FadeWords, AddWordInterval, TimeLimit, ticks without a new word and clock before
    // two ticks, and the reason: the game goes on after the first tick and ends after the second.
    const int cases[][7] = {{4, 0, 40, 0, 49, 0, 1}, {4, 1, 40, 0, 99, 0, 1},   {4, 1, 10, 0, 49, 0, 1},
                            {4, 1, 21, 0, 51, 0, 1}, {1, 0, 40, 50, 0, 498, 4}, {5, 0, 40, 50, 49, 498, 1}};
    for (const auto& [end, fade, interval, limit, idle, clock, reason] : cases) {
        const std::string which =
            Format("end %d, fade %d, interval %d, limit %d", end, fade, interval, limit);
        GameSettings.EndGameCondition = end;
        GameSettings.FadeWords = fade;
        GameSettings.AddWordInterval = interval;
        GameSettings.TimeLimit = limit;
        host.endReasons.clear();
        auto game = StartQuiet();
        for (int second = 0; second < 60; ++second) {
            EXPECT_EQ(game->OnTimer(window, 202), 1) << which;
        }
        game->TicksSinceWordAdded = idle;
        game->ClockDisplay->Value = clock;
        Tick(*game);
        EXPECT_TRUE(host.endReasons.empty()) << which;
        Tick(*game);
        EXPECT_EQ(host.endReasons, std::vector<int>{reason}) << which;
    }
}

TEST_F(PlayTest, ClickClassifiesTheWordUnderThePointer) {
    using G = CZapGame;
    const struct {
        const char* text;
        bool left;
        int end, stay, penalize, state;
        std::uint32_t marks;
        StringList G::*list;
        HCURSOR G::*cursor;
        int sound, lifespan, score, words, clock;
    } cases[] = {
        {"house", true, 2, 1, 1, SpriteGrowing, 0, &G::WordsZapped, &G::ZapCursor, 236, 20, 10, 1, 0},
        {"HOUSE", true, 2, 1, 1, SpriteGrowing, 0, &G::WordsZapped, &G::ZapCursor, 236, 20, 10, 1, 0},
        {"zqxvb", false, 2, 1, 1, SpriteShrinking, 0, &G::FakesEliminated, &G::EliminateCursor, 236, 20, 10,
         1, 0},
        {"zqxvb", true, 2, 1, 1, SpriteBlinkItalic, MarkCross, &G::FakesZapped, &G::FakeZappedCursor, 239,
         300000, 0, -1, 0},
        {"house", false, 2, 0, 1, SpriteBlinkBold, MarkDoubleFrame, &G::WordsEliminated,
         &G::WordEliminatedCursor, 239, 20, 0, -1, 0},
        {"zqxvb", true, 1, 0, 1, SpriteBlinkItalic, MarkCross, &G::FakesZapped, &G::FakeZappedCursor, 239, 20,
         0, 0, 30},
        {"house", false, 1, 1, 1, SpriteBlinkBold, MarkDoubleFrame, &G::WordsEliminated,
         &G::WordEliminatedCursor, 239, 300000, 0, 0, 30},
        {"house", false, 2, 1, 0, SpriteBlinkBold, MarkDoubleFrame, &G::WordsEliminated,
         &G::WordEliminatedCursor, 239, 300000, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Format("%s with the %s button, end %d, stay %d, penalize %d", c.text,
                            c.left ? "left" : "right", c.end, c.stay, c.penalize));
        GameSettings.EndGameCondition = c.end;
        GameSettings.ExpireMistakes = 1 - c.stay;
        GameSettings.PenalizeMistakes = c.penalize;
        auto game = StartQuiet();
        WordSprite* word = Put(*game, c.text);
        gWaves.clear();
        EXPECT_EQ(Click(*game, *word, c.left), 1);
        EXPECT_EQ(word->Live, 0);
        EXPECT_EQ(word->State, c.state);
        EXPECT_EQ(word->Marks & ~std::uint32_t{MarkFrame}, c.marks);
        EXPECT_EQ(word->Lifespan, c.lifespan);
        EXPECT_EQ(Items((*game).*c.list), std::vector<std::string>{c.text});
        EXPECT_EQ(Filed(*game), 1);
        EXPECT_EQ(gCursors.back(), (*game).*c.cursor);
        EXPECT_EQ(gWaves, std::vector<int>{c.sound});
        EXPECT_EQ(game->Score(), c.score);
        EXPECT_EQ(game->WordsDisplay->Value, c.words);
        EXPECT_EQ(game->ClockDisplay->Value, c.clock);
        // Pointing away shows the arrow; pointing at the word again shows its verdict once more.
        game->OnMouseMove(window, -5, -5, 0);
        EXPECT_EQ(gCursors.back(), game->ArrowCursor);
        game->OnMouseMove(window, word->Rect.right, word->Rect.bottom, 0);
        EXPECT_EQ(gCursors.back(), (*game).*c.cursor);
    }
}

// The game's drawing buffer, row by row from the top, as 0x00RRGGBB.
std::vector<std::uint32_t> Pixels(CZapGame& game) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 640, -480, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP copy = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HDC dc = CreateCompatibleDC(game.Buffer.MemoryDC);
    const HGDIOBJ old = SelectObject(dc, copy);
    BitBlt(dc, 0, 0, 640, 480, game.Buffer.MemoryDC, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<std::uint32_t> pixels(static_cast<std::uint32_t*>(bits),
                                      static_cast<std::uint32_t*>(bits) + 640 * 480);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(copy);
    return pixels;
}
bool Inside(const RECT& r, LONG x, LONG y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

TEST_F(PlayTest, AZappedWordGrowsWholeAboutItsPlaceInsideTheFieldBeneathItsNeighbourAndLeavesNothing) {
    GameSettings.AnimateWords = 0; // words stand still, so their pixels can be compared
    GameSettings.FadeWords = 0;
    const COLORREF b = Preferences.BackgroundColor;
    const std::uint32_t back = GetRValue(b) << 16 | GetGValue(b) << 8 | GetBValue(b);
    const RECT field{0, 0, 640, 480};
    // A short word in the middle with a neighbour right beside it; a long one in the bottom right
    // corner that grows wider than the field would allow.
    for (const char* text : {"cat", "household"}) {
        SCOPED_TRACE(text);
        auto game = StartQuiet();
        WordSprite* word = Put(*game, text);
        WordSprite* neighbour = Put(*game, "zebra");
        const LONG w = word->Rect.right - word->Rect.left, h = word->Rect.bottom - word->Rect.top;
        const bool middle = std::strcmp(text, "cat") == 0;
        const LONG left = middle ? 320 - w / 2 : 637 - w, top = middle ? 260 - h / 2 : 477 - h;
        word->Place(top, left, top + h, left + w);
        const RECT n = neighbour->Rect;
        const LONG nLeft = middle ? left + w + 2 : 3, nTop = middle ? top : 60;
        neighbour->Place(nTop, nLeft, nTop + n.bottom - n.top, nLeft + n.right - n.left);
        const RECT place = word->Rect, beside = neighbour->Rect;
        const HDC dc = GetDC(window);
        game->OnEraseBackground(window, dc); // as the window is shown
        ReleaseDC(window, dc);
        Tick(*game);
        const auto before = Pixels(*game);
        Click(*game, *word, true);
        game->OnMouseMove(window, -5, -5, 0);
        ASSERT_EQ(word->State, SpriteGrowing);
        // The pixels below the displays and outside the neighbour that are not background.
        const auto ink = [&](const std::vector<std::uint32_t>& pixels) {
            RECT box{640, 480, 0, 0};
            for (LONG y = game->BoxHeight + 4; y < 480; ++y) {
                for (LONG x = 0; x < 640; ++x) {
                    if (!Inside(beside, x, y) && pixels[y * 640 + x] != back) {
                        box = RECT{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                                   std::max(box.bottom, y + 1)};
                    }
                }
            }
            return box;
        };
        const auto neighbourIntact = [&](const std::vector<std::uint32_t>& pixels) {
            for (LONG y = beside.top; y < beside.bottom; ++y) {
                for (LONG x = beside.left; x < beside.right; ++x) {
                    if (pixels[y * 640 + x] != before[y * 640 + x]) {
                        return false;
                    }
                }
            }
            return true;
        };
        for (int tick = 1; tick <= 20; ++tick) {
            SCOPED_TRACE(Format("tick %d, %d points", tick, word->FontSize));
            Tick(*game);
            if (tick == 10) {
                game->OnPaint(window, nullptr); // a full repaint lays the field out the same way
            }
            const auto pixels = Pixels(*game);
            const RECT drawn = word->GrownRect, seen = ink(pixels);
            const SIZE extent = game->Buffer.TextExtent(text, word->Font);
            EXPECT_EQ(Text(word->Rect), Text(place)) << "placement and the pointer keep the word's box";
            EXPECT_TRUE(Inside(field, drawn.left, drawn.top) &&
                        Inside(field, drawn.right - 1, drawn.bottom - 1))
                << Text(drawn);
            EXPECT_TRUE(Inside(drawn, seen.left, seen.top) && Inside(drawn, seen.right - 1, seen.bottom - 1))
                << Text(seen) << " drawn in " << Text(drawn);
            // What shows of the word, with the part the neighbour covers, spans its whole text.
            RECT span = seen, under{};
            if (IntersectRect(&under, &beside, &drawn)) {
                UnionRect(&span, &seen, &under);
            }
            if (tick >= 2) {
                EXPECT_GE(span.right - span.left, extent.cx * 9 / 10) << "the whole word, not a piece";
            }
            if (middle) {
                EXPECT_NEAR(drawn.left + drawn.right, place.left + place.right, 2) << Text(drawn);
                EXPECT_NEAR(drawn.top + drawn.bottom, place.top + place.bottom, 2) << Text(drawn);
            }
            EXPECT_TRUE(neighbourIntact(pixels)) << "the live word lies on top";
        }
        if (middle) {
            EXPECT_EQ(word->FontSize, 136) << "twenty steps of a tenth from 24";
        } else {
            EXPECT_LT(word->FontSize, 136) << "stops growing when the field is too small";
        }
        Tick(*game);
        ASSERT_EQ(FieldWords(*game).size(), 1u);
        const auto after = Pixels(*game);
        EXPECT_EQ(Text(ink(after)), Text(RECT{640, 480, 0, 0})) << "nothing left where the word grew";
        EXPECT_TRUE(neighbourIntact(after));
        // A word that reaches the end of its life unclassified leaves nothing behind either.
        neighbour->Lifespan = 0;
        Tick(*game);
        const auto gone = Pixels(*game);
        int remaining = 0;
        for (LONG y = beside.top; y < beside.bottom; ++y) {
            for (LONG x = beside.left; x < beside.right; ++x) {
                remaining += gone[y * 640 + x] != back ? 1 : 0;
            }
        }
        EXPECT_EQ(remaining, 0) << "pixels left where the neighbour was";
    }
}

TEST_F(PlayTest, TheDisplaysShowAClickAtOnce) {
    GameSettings.EndGameCondition = EndOnTarget;
    GameSettings.PenalizeMistakes = 1;
    for (const bool left : {true, false}) { // a correct zap, a penalised mistake
        auto game = StartQuiet();
        WordSprite* word = Put(*game, "house");
        Tick(*game);
        const auto before = Pixels(*game);
        Click(*game, *word, left);
        const auto after = Pixels(*game);
        for (const TemplateSprite* display : {static_cast<TemplateSprite*>(game->ScoreDisplay),
                                              static_cast<TemplateSprite*>(game->WordsDisplay)}) {
            const RECT r = display->Rect;
            int changed = 0;
            for (LONG y = r.top; y < r.bottom; ++y) {
                for (LONG x = r.left; x < r.right; ++x) {
                    changed += before[y * 640 + x] != after[y * 640 + x] ? 1 : 0;
                }
            }
            EXPECT_EQ(changed > 0, left || display == game->WordsDisplay) << Text(r) << (left ? " zap" : "");
        }
    }
}

TEST_F(PlayTest, ReachingTheTargetByAClickEndsTheGameInsideTheClickWithABonusForSpeed) {
    for (const auto& [end, wordsBefore, ends] :
         {std::array{2, 48, 0}, std::array{2, 49, 1}, std::array{3, 49, 0}}) {
        GameSettings.EndGameCondition = end;
        host.endReasons.clear();
        auto game = StartQuiet();
        game->WordsDisplay->Value = wordsBefore;
        game->ClockDisplay->Value = 300;
        gWaves.clear();
        Click(*game, *Put(*game, "house"), true);
        const std::string which = Format("end %d, %d words", end, wordsBefore);
        EXPECT_EQ(host.endReasons, std::vector<int>(ends, 1)) << which;
        EXPECT_EQ(game->Score(), ends == 1 ? 2010 : 10) << which;
        EXPECT_EQ(gWaves, (ends == 1 ? std::vector<int>{236, 238} : std::vector<int>{236})) << which;
    }
    GameSettings.EndGameCondition = 2;
    const int cases[][4] = {{1, 600, 1000, 1}, {1, 700, 857, 1}, {1, 0, 0, 1},
                            {1, -100, 0, 1},   {4, 300, 0, 1},   {2, 300, 0, 0}};
    for (const auto& [reason, clock, bonus, fanfare] : cases) {
        auto game = StartQuiet();
        game->ClockDisplay->Value = clock;
        gWaves.clear();
        host.EndGame(window, reason);
        EXPECT_EQ(game->Score(), bonus) << "reason " << reason << ", clock " << clock;
        EXPECT_EQ(gWaves, std::vector<int>(fanfare, 238)) << "reason " << reason;
    }
}

TEST_F(PlayTest, ClicksOnClassifiedWordsBesideWordsWithAButtonThatDoesNotScoreOrAfterTheEndDoNothing) {
    auto game = StartQuiet();
    WordSprite* genuine = Put(*game, "house");
    WordSprite* fake = Put(*game, "zqxvb");
    WordSprite* zapped = Put(*game, "zebra");
    WordSprite* bonus = PowerUp(*game, "<+100 points>");
    Click(*game, *zapped, true);
    const std::string before = Tally(*game);
    EXPECT_EQ(Click(*game, *zapped, false), 1);
    EXPECT_EQ(Click(*game, *zapped, true), 1);
    EXPECT_EQ(Tally(*game), before) << "a classified word";
    ASSERT_EQ(game->OnMouseMove(window, 0, 479, 0), 1);
    ASSERT_EQ(game->HoverSprite, nullptr) << "choose another empty spot";
    EXPECT_EQ(game->OnLButtonDown(window, 0, 479, 0), 1);
    EXPECT_EQ(game->OnRButtonDown(window, 0, 479, 0), 1);
    EXPECT_EQ(Tally(*game), before) << "beside every word";
    game->ScoreValidWords = 0;
    EXPECT_EQ(Click(*game, *genuine, true), 0);
    EXPECT_EQ(Click(*game, *bonus, true), 0);
    game->ScoreValidWords = 1;
    game->ScoreBogusWords = 0;
    EXPECT_EQ(Click(*game, *fake, false), 0);
    EXPECT_EQ(Click(*game, *bonus, false), 0);
    EXPECT_EQ(Tally(*game), before) << "a button that does not score";
    game->ScoreBogusWords = 1;
    host.EndGame(window, 1); // the words left are filed as ignored; then the game stands still
    EXPECT_EQ(Items(game->WordsIgnored), std::vector<std::string>{"house"});
    EXPECT_EQ(Items(game->FakesIgnored), std::vector<std::string>{"zqxvb"});
    const std::string ended = Tally(*game);
    EXPECT_EQ(game->OnTimer(window, 205), 0);
    EXPECT_EQ(game->OnTimer(window, 202), 0);
    EXPECT_EQ(Click(*game, *genuine, true), 0);
    EXPECT_EQ(Click(*game, *fake, false), 0);
    EXPECT_EQ(Click(*game, *bonus, true), 0);
    EXPECT_EQ(Tally(*game), ended);
    auto stopped = StartQuiet();
    stopped->Running = 0;
    EXPECT_EQ(stopped->OnTimer(window, 205), 0);
    EXPECT_EQ(stopped->ClockDisplay->Value, 0);
}

} // namespace
