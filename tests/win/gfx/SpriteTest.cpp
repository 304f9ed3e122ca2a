#include "WindowFixture.h"

#include "gfx/StatusSprites.h"
#include "gfx/WordSprite.h"
#include "words/Random.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <tuple>
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
    WordSprite word(kWhite), mixed(RGB(250, 0, 100)), jiggling(kWhite);
    const auto red = [](const WordSprite& s) { return int{GetRValue(s.Colour)}; };
    EXPECT_EQ(Ticks(word, 24, 0, red), std::vector<int>(24, 255));
    EXPECT_EQ(Ticks(word, 6, 0, red), (std::vector<int>{204, 163, 130, 104, 83, 66}));
    EXPECT_FALSE(word.IsExpired()); // Lifespan 0: its last tick
    EXPECT_EQ(Ticks(word, 1, 0, red), std::vector<int>{52});
    EXPECT_TRUE(word.IsExpired());
    buffer->SetBackgroundColour(RGB(10, 100, 50)); // each channel a fifth of the way to the background
    for (const auto& [sprite, state] : {std::pair{&mixed, SpriteFading}, {&jiggling, SpriteJiggling}}) {
        std::tie(sprite->State, sprite->Lifespan) = std::pair{state, 6};
        sprite->Tick(window, *buffer, 0);
    }
    EXPECT_EQ(mixed.Colour, RGB(202, 20, 90));
    EXPECT_EQ(Described<LOGPEN>(mixed.Pen).lopnColor, RGB(202, 20, 90)); // the outlines fade too
    EXPECT_EQ(jiggling.State, SpriteFading);
}

TEST_F(SpriteTest, GrowingAndShrinkingChangeTheSizeByTenthsAndAGrownWordsBoxHoldsItsText) {
    const auto size = [](const WordSprite& s) { return s.FontSize; };
    WordSprite word(kWhite);
    word.SetText("ab");
    word.Place(100, 100, 130, 140);
    std::tie(word.State, word.FontSize) = std::pair{SpriteGrowing, 10};
    EXPECT_EQ(Ticks(word, 12, 0, size), (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 24}));
    const SIZE text = buffer->TextExtent("ab", word.Font); // 3 pixels on every side of it at its new size
    EXPECT_GE(word.GrownRect.right - word.GrownRect.left, text.cx + 6);
    EXPECT_GE(word.GrownRect.bottom - word.GrownRect.top, text.cy + 6);
    std::tie(word.State, word.FontSize) = std::pair{SpriteShrinking, 9};
    EXPECT_EQ(Ticks(word, 9, 0, size), (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(word.State, SpriteHidden);
}

TEST_F(SpriteTest, BlinkingAndJigglingHappenOnlyWhenAnimated) {
    WordSprite word(kWhite), jiggler(kWhite);
    word.SetText("blink");
    word.Place(0, 0, kClientHeight, kClientWidth);
    word.State = SpriteBlinkItalic;
    const auto slant = [](const WordSprite& s) { return s.Italic; };
    EXPECT_EQ(Ticks(word, 3, 0, slant), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(Ticks(word, 3, 1, slant), (std::vector<int>{1, 0, 1}));
    word.Draw(*buffer); // in the new slant
    EXPECT_EQ(Described<LOGFONTA>(word.Font).lfItalic, 1);
    word.State = SpriteBlinkBold;
    const auto weight = [](const WordSprite& s) { return s.Bold; };
    EXPECT_EQ(Ticks(word, 2, 0, weight), (std::vector<int>{1, 1}));
    EXPECT_EQ(Ticks(word, 4, 1, weight), (std::vector<int>{0, 0, 1, 1})); // at Lifespan 21 and 19

    std::tie(jiggler.State, jiggler.Lifespan) = std::pair{SpriteJigglingSteady, 1000};
    SeedRandom(77);
    std::vector<int> seen; // x and y after each tick, still while not animated
    for (int i = 0; i < 200; ++i) {
        jiggler.Tick(window, *buffer, i < 3 ? 0 : 1);
        seen.insert(seen.end(), {jiggler.JiggleX, jiggler.JiggleY});
    }
    EXPECT_EQ(std::vector<int>(seen.begin(), seen.begin() + 6), std::vector<int>(6, 0));
    const auto [low, high] = std::minmax_element(seen.begin(), seen.end());
    EXPECT_EQ(Format("%d..%d", *low, *high), "-2..2");
}

TEST_F(SpriteTest, FontsFitTheirBoxNotBelowFourPointsAndBoxesFitTheirText) {
    // A font is fitted to any box but one flat or thin as nothing (top, left, bottom, right).
    const std::pair<RECT, bool> boxes[] = {
        {{10, 10, 20, 30}, true}, {{0, 10, 0, 30}, false}, {{10, 0, 20, 0}, false}, {{10, 0, 20, 1}, true}};
    for (const auto& [box, fitted] : boxes) {
        WordSprite cramped(kWhite);
        cramped.SetText("extraordinarily");
        cramped.Place(box.left, box.top, box.right, box.bottom);
        cramped.FitFont(*buffer);
        EXPECT_EQ(cramped.Font != nullptr, fitted) << Text(box);
        EXPECT_EQ(cramped.FontSize, fitted ? 4 : 48) << Text(box);
    }
    WordSprite powerUp(kWhite); // a text with a blank is measured on one line
    powerUp.FontSize = 24;
    powerUp.SetText("<+100 points>");
    powerUp.FitToText(*buffer, 1);
    const SIZE text = buffer->TextExtent("<+100 points>", powerUp.Font);
    EXPECT_EQ(Text(powerUp.Rect), Text(RECT{0, 0, text.cx + 6, text.cy + 6}));
}

TEST_F(SpriteTest, AWordDrawsItsTextAndItsMarksInsideItsBoxOnly) {
    const RECT box{40, 50, 240, 110};
    WordSprite word(kWhite);
    word.SetText("zapped");
    word.Place(50, 40, 110, 240);
    std::tie(word.JiggleX, word.JiggleY) = std::pair{2, -1};
    word.Draw(*buffer);
    EXPECT_GT(CountPixels(buffer->MemoryDC, word.TextRect, Is(kWhite)), 50);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, kClient, Not(kBlack), &word.TextRect), 0);
    FillRect(buffer->MemoryDC, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    word.JiggleX = word.JiggleY = 0;
    word.State = SpriteHidden; // the marks without the text
    word.Marks = MarkFrame | MarkDoubleFrame | MarkCross;
    word.Draw(*buffer);
    EXPECT_GT(CountPixels(buffer->MemoryDC, box, Is(kWhite)), 200);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, kClient, Not(kBlack), &box), 0);
}

TEST_F(SpriteTest, DisplaysShowTheirValueNeverExpireAndWordsShareFonts) {
    // The counter is made over memory full of x, which a template without its end would show.
    alignas(CounterSprite) unsigned char memory[sizeof(CounterSprite)];
    std::memset(memory, 'x', sizeof memory);
    CounterSprite& score = *new (memory) CounterSprite(kWhite);
    ClockSprite clock(kWhite);
    score.Value = -36;
    score.UpdateText();
    EXPECT_STREQ(score.Text.Chars, "Score: -36");
    clock.Value = 753;
    clock.Tick(window, *buffer, 1);
    EXPECT_STREQ(clock.Text.Chars, "01:15:400");
    for (WordSprite* sprite : std::vector<WordSprite*>{&score, &clock}) {
        sprite->Lifespan = -5;
        EXPECT_FALSE(sprite->IsLive() || sprite->IsExpired());
    }
    // Words of one look share one font, which is freed with its last holder.
    score.SetText("share"), clock.SetText("share");
    score.Place(10, 10, 60, 200), clock.Place(70, 10, 120, 200);
    score.Draw(*buffer), clock.Draw(*buffer);
    const HFONT shared = score.Font;
    ASSERT_EQ(clock.Font, shared);
    score.DropFont();
    EXPECT_NE(GetObjectType(shared), 0u);
    clock.DropFont();
    EXPECT_EQ(GetObjectType(shared), 0u);
    score.~CounterSprite();
}

} // namespace
