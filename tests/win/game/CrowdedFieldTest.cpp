#include "GameFixture.h"

#include "gfx/FontCache.h"
#include "gfx/Gdi.h"

namespace {

int gDebuggerLines = 0;
void WINAPI SpyOutputDebugString(LPCSTR /*line*/) {
    ++gDebuggerLines;
}

TEST_F(ZapGameTest, AskingForWordsAtEveryTickWritesNothingToTheDebugger) {
    const ImportHook<decltype(&SpyOutputDebugString)> hook("kernel32.dll", "OutputDebugStringA",
                                                           SpyOutputDebugString);
    ASSERT_TRUE(hook.Installed());
    gDebuggerLines = 0;
    auto game = Start();
    Tick(*game, 200);
    EXPECT_GT(FieldWords(*game).size(), 5u);
    EXPECT_EQ(gDebuggerLines, 0);
}

// Every look of a word makes and drops fonts and pens tick after tick; a game with random faces,
// played and classified, leaves nothing behind.
TEST_F(ZapGameTest, AGamePlayedInRandomFacesFreesEveryFontPenAndContextItMade) {
    GameSettings.RandomFonts = 1;
    GameSettings.AnimateWords = 1;
    GameSettings.AddWordInterval = 2;
    const GdiCallCounts before = GdiCounts;
    {
        auto game = Start();
        for (int round = 0; round < 30; ++round) {
            Tick(*game, 10);
            const auto words = FieldWords(*game);
            if (!words.empty() && words.back()->IsLive()) {
                Click(*game, *words.back(), round % 2 == 0);
            }
        }
        EXPECT_GT(SharedFonts.Fonts(), 1u);
    }
    const GdiCallCounts& after = GdiCounts;
    const auto made = [](const GdiCallCounts& n) {
        return n.CreateBMP + n.CreateBrush + n.CreateFont + n.CreatePen;
    };
    EXPECT_EQ(SharedFonts.Fonts(), 0u);
    EXPECT_EQ(made(after) - made(before), after.DeleteObject - before.DeleteObject);
    EXPECT_EQ(after.CreateDC - before.CreateDC, after.DeleteDC - before.DeleteDC);
}

} // namespace
