#include "WindowFixture.h"

#include "gfx/CDrawBuffer.h"
#include "gfx/StatusSprites.h"
#include "gfx/WordSprite.h"
#include "words/Random.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace {

class SpriteTest : public BufferTest {
protected:
    void SetUp() override {
        BufferTest::SetUp();
        buffer->SetBackgroundColour(kBlack);
        buffer->Resize(window, kClientWidth, kClientHeight);
        buffer->EraseBackground(nullptr);
    }
    // The values of field after each of a number of ticks.
    template <class Field>
    std::vector<int> Ticks(WordSprite& sprite, int times, int animate, Field field) {
        std::vector<int> seen;
        for (int i = 0; i < times; ++i) {
            sprite.Tick(window, *buffer, animate);
            seen.push_back(field(sprite));
        }
        return seen;
    }
};

TEST_F(SpriteTest, AWordFadesTowardTheBackgroundInSevenStepsAndThenExpires) {
    WordSprite word(kWhite);
    const auto red = [](const WordSprite& s) { return int{GetRValue(s.Colour)}; };
    EXPECT_EQ(Ticks(word, 24, 0, red), std::vector<int>(24, 255));
    EXPECT_EQ(Ticks(word, 7, 0, red), (std::vector<int>{204, 163, 130, 104, 83, 66, 52}));
    EXPECT_TRUE(word.IsExpired());
    EXPECT_EQ(word.Colour, RGB(52, 52, 52));
    LOGPEN pen{};
    GetObjectA(word.Pen, sizeof pen, &pen);
    EXPECT_EQ(pen.lopnColor, word.Colour);

    buffer->SetBackgroundColour(RGB(10, 100, 50));
    WordSprite mixed(RGB(250, 0, 100)), jiggling(kWhite), steady(kWhite);
    mixed.State = SpriteFading;
    jiggling.State = SpriteJiggling;
    steady.State = SpriteJigglingSteady;
    for (WordSprite* sprite : {&mixed, &jiggling, &steady}) {
        sprite->Lifespan = 6;
        sprite->Tick(window, *buffer, 0);
    }
    EXPECT_EQ(mixed.Colour, RGB(202, 20, 90));
    EXPECT_TRUE(jiggling.State == SpriteFading && steady.State == SpriteJigglingSteady);
}

TEST_F(SpriteTest, GrowingAndShrinkingChangeTheSizeByTenthsUntilHidden) {
    const auto size = [](const WordSprite& s) { return s.FontSize; };
    WordSprite word(kWhite);
    word.State = SpriteGrowing;
    word.FontSize = 9;
    EXPECT_EQ(Ticks(word, 1, 0, size), std::vector<int>{9});
    word.FontSize = 10;
    EXPECT_EQ(Ticks(word, 12, 0, size), (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 24}));
    EXPECT_EQ(word.State, SpriteGrowing);
    word.State = SpriteShrinking;
    word.FontSize = 9;
    EXPECT_EQ(Ticks(word, 8, 0, size), (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(word.State, SpriteShrinking);
    EXPECT_EQ(Ticks(word, 1, 0, size), std::vector<int>{0});
    EXPECT_EQ(word.State, SpriteHidden);

    CDrawBuffer unusable; // no bitmap: no font can be made
    word.State = SpriteGrowing;
    word.Tick(window, unusable, 0);
    EXPECT_EQ(word.State, SpriteHidden);
}

TEST_F(SpriteTest, BlinkingAndJigglingHappenOnlyWhenAnimated) {
    WordSprite italic(kWhite), bold(kWhite), jiggler(kWhite);
    italic.State = SpriteBlinkItalic;
    bold.State = SpriteBlinkBold;
    const auto slant = [](const WordSprite& s) { return s.Italic; };
    const auto weight = [](const WordSprite& s) { return s.Bold; };
    EXPECT_EQ(Ticks(italic, 3, 0, slant), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(Ticks(bold, 3, 0, weight), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(Ticks(italic, 4, 1, slant), (std::vector<int>{1, 0, 1, 0}));
    EXPECT_EQ(Ticks(bold, 4, 1, weight), (std::vector<int>{1, 0, 0, 1})); // at Lifespan 25 and 23

    SeedRandom(20240601);
    jiggler.State = SpriteJigglingSteady;
    jiggler.Lifespan = 1000;
    // Both offsets stay within -2 to 2 (99 marks one beyond) and wander over most of that square.
    const auto offsets = [](const WordSprite& s) {
        return std::abs(s.JiggleX) <= 2 && std::abs(s.JiggleY) <= 2 ? s.JiggleX * 10 + s.JiggleY : 99;
    };
    EXPECT_EQ(Ticks(jiggler, 5, 0, offsets), std::vector<int>(5, 0));
    const std::vector<int> moves = Ticks(jiggler, 300, 1, offsets);
    const std::set<int> seen(moves.begin(), moves.end());
    EXPECT_TRUE(seen.count(99) == 0 && seen.size() >= 15) << seen.size();
}

TEST_F(SpriteTest, FontsShrinkToFitTheirBoxButNeverBelowFourPoints) {
    WordSprite cramped(kWhite), unplaced(kWhite);
    cramped.SetText("extraordinarily");
    cramped.Place(10, 10, 20, 30);
    cramped.FitFont(*buffer);
    EXPECT_EQ(cramped.FontSize, 4);
    EXPECT_NE(cramped.Font, nullptr);

    unplaced.SetText("zap");
    unplaced.FitFont(*buffer);
    EXPECT_EQ(unplaced.Font, nullptr);
    unplaced.FitToText(*buffer, 1);
    EXPECT_EQ(unplaced.Rect.right, buffer->TextWidth("zap", unplaced.Font) + 6);
}

TEST_F(SpriteTest, FitToTextGivesASingleLineTextABoxOneLineTall) {
    WordSprite powerUp(kWhite), word(kWhite);
    for (WordSprite* sprite : {&powerUp, &word}) {
        sprite->FontSize = 24;
    }
    powerUp.SetText("<+100 points>");
    word.SetText("zap");
    powerUp.FitToText(*buffer, 1);
    word.FitToText(*buffer, 1);
    EXPECT_EQ(powerUp.Rect.bottom, word.Rect.bottom);
    EXPECT_EQ(powerUp.Rect.right, 224);
    EXPECT_EQ(powerUp.Rect.bottom, 42);
    EXPECT_EQ(word.Rect.right, buffer->TextWidth("zap", word.Font) + 6);
}

TEST_F(SpriteTest, AWordDrawsItsTextInAFittedFontAndItsMarksInsideItsBoxOnly) {
    const RECT box{40, 50, 240, 110};
    FillRect(buffer->MemoryDC, &box, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    WordSprite word(kWhite);
    word.SetText("zapped");
    word.Place(50, 40, 110, 240);
    word.JiggleX = 2;
    word.JiggleY = -1;
    word.Draw(*buffer);
    EXPECT_EQ(Text(word.TextRect), "45,52,239,106");
    EXPECT_TRUE(word.FontSize > 4 && word.FontSize < 48);
    EXPECT_TRUE(word.MeasureWidth(*buffer) <= 194 && word.MeasureHeight(*buffer) <= 54);
    EXPECT_GT(CountPixels(buffer->MemoryDC, word.TextRect, Is(kWhite)), 50);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, box, Not(kBlack), &word.TextRect), 0);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, kClient, Not(kBlack), &box), 0);

    word.State = SpriteHidden;
    word.Marks = MarkFrame | MarkCross;
    word.Draw(*buffer);
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 140, 50), kWhite); // frame
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 41, 51), kWhite);  // cross
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 41, 109), kWhite);
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 100, 80), kBlack); // no text
    EXPECT_EQ(CountPixels(buffer->MemoryDC, kClient, Not(kBlack), &box), 0);
}

TEST_F(SpriteTest, DisplaysShowTheirValueThroughTheirTemplateAndNeverExpire) {
    CounterSprite score(kWhite);
    score.Value = -36;
    score.UpdateText();
    EXPECT_STREQ(score.Text.Chars, "Score: -36");
    ClockSprite clock(kWhite);
    clock.UpdateText();
    EXPECT_STREQ(clock.Text.Chars, "00:00:000");
    clock.Value = 754;
    clock.UpdateText();
    EXPECT_STREQ(clock.Text.Chars, "01:15:400");
    clock.Value = 599;
    clock.Tick(window, *buffer, 1);
    EXPECT_STREQ(clock.Text.Chars, "01:00:000");

    DeadRectSprite dead(kWhite);
    for (WordSprite* sprite : std::vector<WordSprite*>{&score, &clock, &dead}) {
        sprite->Lifespan = -5;
        EXPECT_FALSE(sprite->IsLive() || sprite->IsExpired());
    }
    CText text;
    const std::int32_t values[] = {42, 7, 3};
    FormatNumbers(text, "%5d|%-4d|%+i|%%|%s|%03d", values, 3);
    EXPECT_STREQ(text.Chars, "   42|7   |+3|%|%s|000");

    // A dead box is hatched in its colour over the background, inside a frame.
    dead.Place(20, 20, 80, 120);
    dead.Draw(*buffer);
    const RECT inside{22, 22, 118, 78};
    const int lines = CountPixels(buffer->MemoryDC, inside, Is(kWhite));
    const int gaps = CountPixels(buffer->MemoryDC, inside, Is(kBlack));
    EXPECT_TRUE(lines > 500 && gaps > 500 && lines + gaps == 96 * 56) << lines << " " << gaps;
    EXPECT_EQ(CountPixels(buffer->MemoryDC, RECT{20, 20, 120, 21}, Is(kWhite)), 100);
}

} // namespace
