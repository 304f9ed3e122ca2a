#include "WindowFixture.h"

#include "gfx/CDrawBuffer.h"
#include "gfx/StatusSprites.h"
#include "gfx/WordSprite.h"
#include "words/Random.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

class SpriteTest : public WindowTest {
protected:
    std::unique_ptr<CDrawBuffer> buffer;

    void SetUp() override {
        WindowTest::SetUp();
        buffer = std::make_unique<CDrawBuffer>();
        buffer->SetBackgroundColour(kBlack);
        buffer->Resize(window, kClientWidth, kClientHeight);
        buffer->EraseBackground(nullptr);
    }
    void TearDown() override {
        buffer.reset();
        WindowTest::TearDown();
    }

    void TickTimes(WordSprite& sprite, int times, int animate = 1) {
        for (int i = 0; i < times; ++i) {
            sprite.Tick(window, *buffer, animate);
        }
    }
    RECT Client() const { return RECT{0, 0, kClientWidth, kClientHeight}; }
};

COLORREF PenColour(HPEN pen) {
    LOGPEN description{};
    GetObjectA(pen, sizeof description, &description);
    return description.lopnColor;
}

TEST_F(SpriteTest, WordsFadeTowardTheBackgroundInSevenStepsAndThenExpire) {
    WordSprite word(kWhite);
    TickTimes(word, 24);
    EXPECT_EQ(word.Lifespan, 6);
    EXPECT_EQ(word.State, SpriteNormal);
    EXPECT_EQ(word.Colour, kWhite);
    std::vector<int> reds;
    while (!word.IsExpired()) {
        word.Tick(window, *buffer, 0);
        EXPECT_EQ(word.State, SpriteFading);
        EXPECT_EQ(GetRValue(word.Colour), GetGValue(word.Colour));
        EXPECT_EQ(PenColour(word.Pen), word.Colour);
        reds.push_back(GetRValue(word.Colour));
    }
    EXPECT_EQ(word.Lifespan, -1);
    EXPECT_EQ(reds, (std::vector<int>{204, 163, 130, 104, 83, 66, 52}));

    buffer->SetBackgroundColour(RGB(10, 100, 50));
    WordSprite mixed(RGB(250, 0, 100));
    mixed.State = SpriteFading;
    mixed.Tick(window, *buffer, 0);
    EXPECT_EQ(mixed.Colour, RGB(202, 20, 90));

    WordSprite jiggling(kWhite), steady(kWhite), blinking(kWhite);
    jiggling.State = SpriteJiggling;
    steady.State = SpriteJigglingSteady;
    blinking.State = SpriteBlinkItalic;
    for (WordSprite* sprite : {&jiggling, &steady, &blinking}) {
        sprite->Lifespan = 6;
        sprite->Tick(window, *buffer, 0);
    }
    EXPECT_EQ(jiggling.State, SpriteFading);
    EXPECT_EQ(steady.State, SpriteJigglingSteady);
    EXPECT_EQ(blinking.State, SpriteBlinkItalic);
}

TEST_F(SpriteTest, GrowingAndShrinkingChangeTheSizeByTenthsUntilHidden) {
    WordSprite word(kWhite);
    word.SetText("zap");
    word.State = SpriteGrowing;
    word.FontSize = 9;
    word.Tick(window, *buffer, 0);
    EXPECT_EQ(word.FontSize, 9);
    word.FontSize = 10;
    std::vector<int> sizes;
    for (int i = 0; i < 12; ++i) {
        word.Tick(window, *buffer, 0);
        sizes.push_back(word.FontSize);
    }
    EXPECT_EQ(sizes, (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 24}));
    EXPECT_EQ(word.State, SpriteGrowing);
    EXPECT_NE(word.Font, nullptr);

    word.State = SpriteShrinking;
    word.FontSize = 9;
    sizes.clear();
    while (word.State == SpriteShrinking && sizes.size() < 20) {
        word.Tick(window, *buffer, 0);
        sizes.push_back(word.FontSize);
    }
    EXPECT_EQ(sizes, (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(word.State, SpriteHidden);

    CDrawBuffer unusable; // no bitmap: no font can be made
    WordSprite grower(kWhite);
    grower.State = SpriteGrowing;
    grower.Tick(window, unusable, 0);
    EXPECT_EQ(grower.State, SpriteHidden);
}

TEST_F(SpriteTest, BlinkingTogglesOnlyWhenAnimated) {
    WordSprite italic(kWhite), bold(kWhite);
    italic.State = SpriteBlinkItalic;
    bold.State = SpriteBlinkBold;
    for (WordSprite* sprite : {&italic, &bold}) {
        sprite->Lifespan = 30;
        sprite->Place(10, 10, 60, 200);
        sprite->SetText("blink");
        sprite->Draw(*buffer); // makes the font
        ASSERT_NE(sprite->Font, nullptr);
    }
    TickTimes(italic, 3, 0);
    TickTimes(bold, 3, 0);
    EXPECT_EQ(italic.Italic, 0);
    EXPECT_EQ(bold.Bold, 1);
    EXPECT_NE(italic.Font, nullptr);

    std::vector<int> italics, bolds;
    for (int i = 0; i < 4; ++i) {
        italic.Tick(window, *buffer, 1);
        bold.Tick(window, *buffer, 1); // Lifespan 26, 25, 24, 23: toggles at the odd ones
        italics.push_back(italic.Italic);
        bolds.push_back(bold.Bold);
    }
    EXPECT_EQ(italics, (std::vector<int>{1, 0, 1, 0}));
    EXPECT_EQ(bolds, (std::vector<int>{1, 0, 0, 1}));
    EXPECT_EQ(italic.Font, nullptr); // remade at the next draw
}

TEST_F(SpriteTest, JiggleWandersWithinTwoPixelsEachWayOnlyWhenAnimated) {
    SeedRandom(20240601);
    WordSprite word(kWhite);
    word.State = SpriteJigglingSteady;
    word.Lifespan = 1000;
    TickTimes(word, 10, 0);
    EXPECT_EQ(word.JiggleX, 0);
    EXPECT_EQ(word.JiggleY, 0);
    std::set<int> xs, ys;
    for (int i = 0; i < 300; ++i) {
        word.Tick(window, *buffer, 1);
        ASSERT_GE(word.JiggleX, -2);
        ASSERT_LE(word.JiggleX, 2);
        ASSERT_GE(word.JiggleY, -2);
        ASSERT_LE(word.JiggleY, 2);
        xs.insert(word.JiggleX);
        ys.insert(word.JiggleY);
    }
    EXPECT_GE(xs.size(), 3u);
    EXPECT_GE(ys.size(), 3u);
}

TEST_F(SpriteTest, FontsFitTheirBoxButNeverBelowFourPoints) {
    WordSprite cramped(kWhite), roomy(kWhite), medium(kWhite);
    cramped.SetText("extraordinarily");
    cramped.Place(10, 10, 20, 30);
    cramped.FitFont(*buffer);
    EXPECT_EQ(cramped.FontSize, 4);
    EXPECT_NE(cramped.Font, nullptr);
    cramped.FontSize = 30;
    cramped.FitFont(*buffer); // a font exists: nothing to do
    EXPECT_EQ(cramped.FontSize, 30);

    roomy.SetText("zap");
    roomy.Place(0, 0, 200, 300);
    roomy.FitFont(*buffer);
    EXPECT_EQ(roomy.FontSize, 48);

    medium.SetText("medium");
    medium.Place(0, 0, 30, 120);
    medium.FitFont(*buffer);
    EXPECT_LT(medium.FontSize, 48);
    EXPECT_GT(medium.FontSize, 4);
    EXPECT_LE(medium.MeasureWidth(*buffer), 120);
    EXPECT_LE(medium.MeasureHeight(*buffer), 30);

    WordSprite unplaced(kWhite);
    unplaced.SetText("zap");
    unplaced.FitFont(*buffer);
    EXPECT_EQ(unplaced.Font, nullptr);
}

TEST_F(SpriteTest, BoxFitsTheTextWithThreePixelsAround) {
    WordSprite word(kWhite);
    word.SetText("zapper");
    word.FitToText(*buffer, 1);
    ASSERT_NE(word.Font, nullptr);
    EXPECT_EQ(word.Rect.left, 0);
    EXPECT_EQ(word.Rect.top, 0);
    EXPECT_EQ(word.Rect.right, buffer->TextWidth("zapper", word.Font) + 6);
    EXPECT_GT(word.Rect.bottom, 6 + 20);
    word.FitToText(*buffer, 0);
    EXPECT_EQ(word.Rect.right, 0);
    EXPECT_EQ(word.Rect.bottom, 0);
}

TEST_F(SpriteTest, WordsDrawTheirTextAndMarksInsideTheirBoxOnly) {
    const HBRUSH red = CreateSolidBrush(kRed);
    const RECT box{40, 50, 240, 110};
    FillRect(buffer->MemoryDC, &box, red); // whatever was there before
    DeleteObject(red);

    WordSprite word(kWhite);
    word.Draw(*buffer); // no text yet: nothing
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 100, 80), kRed);
    word.SetText("zapped");
    word.Place(50, 40, 110, 240);
    word.JiggleX = 2;
    word.JiggleY = -1;
    word.Draw(*buffer);
    EXPECT_EQ(word.TextRect.left, 45);
    EXPECT_EQ(word.TextRect.top, 52);
    EXPECT_EQ(word.TextRect.right, 239);
    EXPECT_EQ(word.TextRect.bottom, 106);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, box, [](COLORREF c) { return c == kRed; }), 0);
    EXPECT_GT(CountPixels(buffer->MemoryDC, word.TextRect, [](COLORREF c) { return c == kWhite; }), 50);
    EXPECT_EQ(
        CountPixelsOutside(buffer->MemoryDC, box, word.TextRect, [](COLORREF c) { return c != kBlack; }), 0);
    EXPECT_EQ(CountPixelsOutside(buffer->MemoryDC, Client(), box, [](COLORREF c) { return c != kBlack; }), 0);

    word.State = SpriteHidden;
    word.Marks = MarkFrame | MarkCross;
    word.Draw(*buffer);
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 140, 50), kWhite); // frame
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 41, 51), kWhite);  // cross
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 41, 109), kWhite);
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 100, 80), kBlack); // no text
    EXPECT_EQ(CountPixelsOutside(buffer->MemoryDC, Client(), box, [](COLORREF c) { return c != kBlack; }), 0);
}

TEST_F(SpriteTest, DisplaysShowTheirValueThroughTheirTemplate) {
    CounterSprite score(kWhite);
    score.Value = -36;
    score.UpdateText();
    EXPECT_STREQ(score.Text.Chars, "Score: -36");
    EXPECT_EQ(score.HasText, 1);

    ClockSprite clock(kWhite);
    clock.UpdateText();
    EXPECT_STREQ(clock.Text.Chars, "00:00:000");
    clock.Value = 754;
    clock.UpdateText();
    EXPECT_STREQ(clock.Text.Chars, "01:15:400");
    clock.Value = 599;
    clock.Tick(window, *buffer, 1);
    EXPECT_STREQ(clock.Text.Chars, "01:00:000");
    score.Tick(window, *buffer, 1);
    EXPECT_EQ(score.Value, -36);

    DeadRectSprite box(kWhite);
    for (WordSprite* sprite : std::vector<WordSprite*>{&score, &clock, &box}) {
        sprite->Lifespan = -5;
        EXPECT_FALSE(sprite->IsLive());
        EXPECT_FALSE(sprite->IsExpired());
    }

    CText text;
    const std::int32_t values[] = {42, 7, 3};
    FormatNumbers(text, "%5d|%-4d|%+i|%%|%s|%03d", values, 3);
    EXPECT_STREQ(text.Chars, "   42|7   |+3|%|%s|000");
}

TEST_F(SpriteTest, DeadBoxesAreHatchedInTheirColourOverTheBackground) {
    DeadRectSprite box(kWhite);
    EXPECT_EQ(box.State, SpriteDeadBox);
    box.Place(20, 20, 80, 120);
    box.Draw(*buffer);
    const RECT inside{22, 22, 118, 78};
    const int lines = CountPixels(buffer->MemoryDC, inside, [](COLORREF c) { return c == kWhite; });
    const int gaps = CountPixels(buffer->MemoryDC, inside, [](COLORREF c) { return c == kBlack; });
    EXPECT_GT(lines, 500);
    EXPECT_GT(gaps, 500);
    EXPECT_EQ(lines + gaps, 96 * 56);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, RECT{20, 20, 120, 21}, [](COLORREF c) { return c != kWhite; }),
              0);
    box.Tick(window, *buffer, 1);
    box.Tick(window, *buffer, 1);
    EXPECT_EQ(box.Ticks, 2);
}

} // namespace
