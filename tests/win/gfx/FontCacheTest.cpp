#include "WindowFixture.h"

#include "gfx/FontCache.h"
#include "gfx/WordSprite.h"

namespace {

class FontCacheTest : public BufferTest {
protected:
    void SetUp() override {
        BufferTest::SetUp();
        buffer = Surface(kBlack);
    }
    static void Show(WordSprite& word, CDrawBuffer& on, int top) {
        word.SetText("share");
        word.FontSize = 24;
        word.Place(top, 10, top + 50, 200);
        word.Draw(on);
    }
};

TEST_F(FontCacheTest, WordsOfOneLookShareOneFontThatLivesUntilItsLastHolderLetsGo) {
    const std::uint32_t made = GdiCounts.CreateFont;
    WordSprite first(kWhite), second(kWhite), slanted(kWhite);
    slanted.Italic = 1;
    Show(first, *buffer, 0);
    Show(second, *buffer, 60);
    Show(slanted, *buffer, 120);
    EXPECT_EQ(first.Font, second.Font);
    EXPECT_NE(first.Font, slanted.Font);
    EXPECT_EQ(GdiCounts.CreateFont - made, 2u);
    EXPECT_EQ(SharedFonts.Shares(first.Font), 2);

    // A buffer of the same resolution asks for the same font.
    auto other = Surface(kBlack);
    WordSprite elsewhere(kWhite);
    Show(elsewhere, *other, 0);
    EXPECT_EQ(elsewhere.Font, first.Font);
    elsewhere.DropFont();

    const HFONT shared = first.Font;
    first.DropFont();
    EXPECT_EQ(GetObjectType(shared), static_cast<DWORD>(OBJ_FONT)) << "still held by the second word";
    second.DropFont();
    EXPECT_EQ(GetObjectType(shared), 0u) << "freed with its last holder";
    EXPECT_EQ(SharedFonts.Shares(shared), 0);

    const HFONT own = buffer->MakeFont(12, "Arial", 0, 0); // not from the cache: simply deleted
    SharedFonts.Release(own);
    EXPECT_EQ(GetObjectType(own), 0u);
}

} // namespace
