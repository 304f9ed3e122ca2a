#include "WindowFixture.h"

#include "gfx/StatusSprites.h"
#include "gfx/WordSprite.h"
#include "words/Random.h"

#include <algorithm>
#include <vector>

namespace {

class SpriteTest : public BufferTest {
protected:
    void SetUp() override {
        BufferTest::SetUp();
        buffer = Surface(kBlack);
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

TEST_F(SpriteTest, AWordFadesOverItsLastFiveTicksInSevenStepsAndExpiresAfterItsLastTick) {
    WordSprite word(kWhite);
    EXPECT_EQ(Described<LOGPEN>(word.Pen).lopnStyle, 0u); // solid
    EXPECT_EQ(Described<LOGPEN>(word.Pen).lopnWidth.x, 1);
    EXPECT_EQ(Described<LOGPEN>(word.Pen).lopnColor, kWhite);
    const auto red = [](const WordSprite& s) { return int{GetRValue(s.Colour)}; };
    EXPECT_EQ(Ticks(word, 24, 0, red), std::vector<int>(24, 255));
    EXPECT_EQ(Ticks(word, 6, 0, red), (std::vector<int>{204, 163, 130, 104, 83, 66}));
    EXPECT_FALSE(word.IsExpired()); // Lifespan 0: its last tick
    EXPECT_EQ(Ticks(word, 1, 0, red), std::vector<int>{52});
    EXPECT_TRUE(word.IsExpired());
    EXPECT_EQ(Described<LOGPEN>(word.Pen).lopnColor, RGB(52, 52, 52));

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
    EXPECT_EQ(jiggling.State, SpriteFading);
    EXPECT_EQ(steady.State, SpriteJigglingSteady);
}

TEST_F(SpriteTest, GrowingAndShrinkingChangeTheSizeByTenthsUntilHidden) {
    const auto size = [](const WordSprite& s) { return s.FontSize; };
    WordSprite word(kWhite);
    word.SetText("grow");
    word.State = SpriteGrowing;
    word.FontSize = 9;
    EXPECT_EQ(Ticks(word, 1, 0, size), std::vector<int>{9});
    word.FontSize = 10;
    EXPECT_EQ(Ticks(word, 12, 0, size), (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 24}));
    word.State = SpriteShrinking;
    word.FontSize = 9;
    EXPECT_EQ(Ticks(word, 8, 0, size), (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(word.State, SpriteShrinking);
    EXPECT_EQ(Ticks(word, 1, 0, size), std::vector<int>{0});
    EXPECT_EQ(word.State, SpriteHidden);

    CDrawBuffer unusable; // no bitmap: no font can be made
    WordSprite zapped(kWhite);
    zapped.SetText("grow");
    zapped.State = SpriteGrowing;
    zapped.Tick(window, unusable, 0);
    EXPECT_EQ(zapped.State, SpriteHidden);
}

TEST_F(SpriteTest, ABlinkingWordDrawsInTheToggledStyleOnlyWhenAnimated) {
    WordSprite word(kWhite), bold(kWhite);
    word.SetText("blink");
    word.Place(0, 0, kClientHeight, kClientWidth);
    word.State = SpriteBlinkItalic;
    word.Draw(*buffer); // a new word: bold 48-point (64-pixel) Arial with a sans-serif hint
    EXPECT_EQ(Described<LOGFONTA>(word.Font).lfHeight, -64);
    EXPECT_EQ(Described<LOGFONTA>(word.Font).lfWeight, 700);
    EXPECT_EQ(Described<LOGFONTA>(word.Font).lfPitchAndFamily, 0x20);
    EXPECT_STREQ(Described<LOGFONTA>(word.Font).lfFaceName, "Arial");
    const auto slant = [](const WordSprite& s) { return s.Italic; };
    EXPECT_EQ(Ticks(word, 2, 0, slant), (std::vector<int>{0, 0}));
    EXPECT_EQ(Ticks(word, 3, 1, slant), (std::vector<int>{1, 0, 1}));
    word.Draw(*buffer);
    EXPECT_EQ(Described<LOGFONTA>(word.Font).lfItalic, 1);
    word.State = SpriteBlinkBold;
    word.Lifespan = 2; // the tick to 1 turns bold off
    word.Tick(window, *buffer, 1);
    word.Draw(*buffer);
    EXPECT_EQ(Described<LOGFONTA>(word.Font).lfWeight, 400);

    bold.State = SpriteBlinkBold;
    const auto weight = [](const WordSprite& s) { return s.Bold; };
    EXPECT_EQ(Ticks(bold, 3, 0, weight), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(Ticks(bold, 4, 1, weight), (std::vector<int>{1, 0, 0, 1})); // at Lifespan 25 and 23
}

TEST_F(SpriteTest, AJigglingWordWandersByTwoDrawsPerTickWithinTwoPixels) {
    WordSprite jiggler(kWhite);
    jiggler.State = SpriteJigglingSteady;
    jiggler.Lifespan = 1000;
    SeedRandom(77);
    EXPECT_EQ(Ticks(jiggler, 3, 0, [](const WordSprite& s) { return s.JiggleX; }), std::vector<int>(3, 0));
    std::vector<int> seen; // x and y after each animated tick
    for (int i = 0; i < 200; ++i) {
        jiggler.Tick(window, *buffer, 1);
        seen.insert(seen.end(), {jiggler.JiggleX, jiggler.JiggleY});
    }
    // Nothing was drawn while still; from seed 77, x then y add a draw from -2 to 1 each tick.
    EXPECT_EQ(std::vector<int>(seen.begin(), seen.begin() + 16),
              (std::vector<int>{-1, 0, -1, 0, -1, 0, -1, -1, -2, -1, -1, 0, -2, 1, -1, 0}));
    EXPECT_EQ(*std::min_element(seen.begin(), seen.end()), -2);
    EXPECT_EQ(*std::max_element(seen.begin(), seen.end()), 2);
}

TEST_F(SpriteTest, FontsFitTheirBoxNotBelowFourPointsBoxesFitTheirTextAndAMovedWordIsFittedAgain) {
    WordSprite cramped(kWhite), unplaced(kWhite), moved(kWhite);
    cramped.SetText("extraordinarily");
    cramped.Place(10, 10, 20, 30);
    cramped.FitFont(*buffer);
    EXPECT_EQ(cramped.FontSize, 4);
    EXPECT_NE(cramped.Font, nullptr);
    unplaced.SetText("zap");
    unplaced.FitFont(*buffer);
    EXPECT_EQ(unplaced.Font, nullptr);

    // The height is measured within the text's own width: a text with a blank is one line tall.
    WordSprite powerUp(kWhite);
    powerUp.FontSize = 24;
    powerUp.SetText("<+100 points>");
    powerUp.FitToText(*buffer, 1);
    EXPECT_EQ(powerUp.Rect.right, 224);
    EXPECT_EQ(powerUp.Rect.bottom, 42);

    moved.SetText("moved");
    moved.Place(10, 10, 110, 310);
    moved.Draw(*buffer);
    const int roomy = moved.FontSize;
    moved.Place(150, 10, 180, 70);
    EXPECT_EQ(moved.Font, nullptr);
    moved.Draw(*buffer);
    EXPECT_LT(moved.FontSize, roomy);
    EXPECT_LE(moved.MeasureWidth(*buffer), 54);
}

TEST_F(SpriteTest, AWordDrawsItsTextInAFittedFontAndItsMarksInsideItsBoxOnly) {
    const RECT box{40, 50, 240, 110};
    FillRect(buffer->MemoryDC, &box, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    WordSprite word(kWhite);
    EXPECT_EQ(word.TextFlags, 0x25u);
    word.SetText("zapped");
    word.Place(50, 40, 110, 240);
    word.JiggleX = 2;
    word.JiggleY = -1;
    word.Draw(*buffer);
    EXPECT_EQ(Text(word.TextRect), "45,52,239,106");
    EXPECT_LT(word.FontSize, 48);
    EXPECT_GT(CountPixels(buffer->MemoryDC, word.TextRect, Is(kWhite)), 50);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, box, Not(kBlack), &word.TextRect), 0);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, kClient, Not(kBlack), &box), 0);

    word.JiggleX = word.JiggleY = 0;
    word.State = SpriteHidden;
    word.Draw(*buffer);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, box, Not(kBlack)), 0); // no text
    word.Marks = MarkFrame | MarkDoubleFrame | MarkCross;
    word.Draw(*buffer);
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 140, 50), kWhite); // frame
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 140, 53), kWhite); // double frame
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 140, 56), kWhite);
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 41, 51), kWhite); // cross
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 41, 109), kWhite);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, kClient, Not(kBlack), &box), 0);
    word.Marks = MarkCross; // its lines keep off the box's left column and top row
    word.Draw(*buffer);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, RECT{40, 50, 41, 110}, Not(kBlack)), 0);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, RECT{40, 50, 240, 51}, Not(kBlack)), 0);
}

TEST_F(SpriteTest, DisplaysShowTheirValueThroughTheirTemplateDeadBoxesAreHatchedAndNeitherExpires) {
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
    EXPECT_EQ(clock.State, 9);

    DeadRectSprite dead(kWhite);
    EXPECT_EQ(dead.State, 10);
    for (WordSprite* sprite : std::vector<WordSprite*>{&score, &clock, &dead}) {
        sprite->Lifespan = -5;
        EXPECT_FALSE(sprite->IsLive());
        EXPECT_FALSE(sprite->IsExpired());
    }

    // A dead box is cross-hatched in its colour; the gaps show the latest background.
    const auto hatch = Described<LOGBRUSH>(dead.HatchBrush);
    EXPECT_EQ(hatch.lbStyle, 2u); // hatched
    EXPECT_EQ(hatch.lbHatch, 5u); // diagonal cross
    EXPECT_EQ(hatch.lbColor, kWhite);

    dead.Place(20, 20, 80, 120);
    const RECT inside{22, 22, 118, 78};
    dead.Draw(*buffer); // black, set before the bitmap was made
    EXPECT_GT(CountPixels(buffer->MemoryDC, inside, Is(kWhite)), 500);
    EXPECT_GT(CountPixels(buffer->MemoryDC, inside, Is(kBlack)), 500);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, RECT{20, 20, 120, 21}, Is(kWhite)), 100); // the frame
    buffer->SetBackgroundColour(kBlue);
    dead.Draw(*buffer);
    EXPECT_GT(CountPixels(buffer->MemoryDC, inside, Is(kBlue)), 500);
}

} // namespace
