#include "GameFixture.h"
#include "support/ImportHook.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using LayoutTest = ZapGameTest;

// The first layout keeps the loaded word size; each new size sets words and displays from the FontSize
// preference with their floors and scales every word's place; a minimised window changes nothing.
TEST_F(LayoutTest, ANewSizeScalesEveryWordAndSetsItsSizeFromThePreferenceWithFloors) {
    WordFontSize = 30;
    auto game = Start();
    EXPECT_EQ(WordFontSize, 30);
    Tick(*game, 60);
    const auto words = FieldWords(*game);
    ASSERT_GT(words.size(), 2u);
    std::vector<RECT> places;
    std::transform(words.begin(), words.end(), std::back_inserter(places), [](auto w) { return w->Rect; });
    const int cases[][5] = {{1280, 960, 48, 36, 64},
                            {640, 480, 24, 18, 32},
                            {0, 0, 24, 18, 32},
                            {640, 150, 8, 12, 10},
                            {1201, 180, 9, 12, 12}};
    for (const auto& [width, height, wordSize, displaySize, box] : cases) {
        SCOPED_TRACE(Format("%d x %d", width, height));
        ResizeField(window, *game, width, height);
        EXPECT_EQ(WordFontSize, wordSize);
        EXPECT_EQ(game->BoxHeight, box);
        EXPECT_EQ(game->ScoreDisplay->FontSize, displaySize);
        const RECT s = game->ScoreDisplay->Rect; // the displays' strip
        EXPECT_EQ(Text(s), Text(RECT{3, 3, s.right, box + 3}));
        const int scale = width == 1280 ? 2 : 1;
        for (std::size_t i = 0; i < words.size(); ++i) {
            const RECT p = places[i];
            EXPECT_EQ(words[i]->FontSize, wordSize) << words[i]->Text.Chars;
            EXPECT_TRUE((height != 480 && scale == 1) ||
                        Text(words[i]->Rect) ==
                            Text(RECT{p.left * scale, p.top * scale, p.right * scale, p.bottom * scale}))
                << words[i]->Text.Chars;
        }
    }
    EXPECT_EQ(Preferences.FontSize, 24);
}

std::vector<std::string> gDrawn; // texts drawn, in order
int WINAPI SpyDrawText(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format) {
    static const auto real = ImportHook<decltype(&DrawTextA)>::System("user32.dll", "DrawTextA");
    if ((format & DT_CALCRECT) == 0) {
        gDrawn.emplace_back(text);
    }
    return real(dc, text, length, rect, format);
}

// A zapped word grows beneath everything else: a pass draws it first, though it came after a live word.
TEST_F(LayoutTest, AGrowingWordIsDrawnBeneathTheWordsAroundIt) {
    auto game = StartQuiet();
    Put(*game, "cat");
    Click(*game, *Put(*game, "house"), true);
    Tick(*game, 3);
    const ImportHook<decltype(&SpyDrawText)> hook("user32.dll", "DrawTextA", SpyDrawText);
    ASSERT_TRUE(hook.Installed());
    gDrawn.clear();
    Tick(*game);
    const auto at = [](const char* text) {
        return std::find(gDrawn.begin(), gDrawn.end(), text) - gDrawn.begin();
    };
    EXPECT_LT(at("cat"), std::ssize(gDrawn));
    EXPECT_LT(at("house"), at("cat"));
}

TEST_F(LayoutTest, NewColoursShowAtOnce) {
    auto game = Start();
    Preferences.BackgroundColor = kGreen;
    const RECT score = game->ScoreDisplay->Rect;
    EXPECT_EQ(CountPixels(game->Buffer.MemoryDC, score, Is(kGreen)), 0);
    EXPECT_EQ(game->OnSettingsChanged(window, nullptr), 1);
    EXPECT_GT(CountPixels(game->Buffer.MemoryDC, score, Is(kGreen)), 1000) << "the displays drawn again";
}

// Random fonts must look random: every face of the table is there, and drawn at the same size into
// the same bitmap they give at least twelve different pictures.
TEST(FaceTableTest, TheRandomFacesDrawAtLeastTwelveDifferentLooks) {
    constexpr int kWidth = 640, kHeight = 64;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, kWidth, kHeight};
    std::set<std::string> looks;
    for (const char* face : kFaceTable) {
        const HFONT font = CreateFontA(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0,
                                       NONANTIALIASED_QUALITY, 0, face);
        const HGDIOBJ before = SelectObject(dc, font);
        char used[LF_FACESIZE] = {};
        GetTextFaceA(dc, LF_FACESIZE, used);
        EXPECT_STREQ(used, face) << "a face the system has, itself or by a stand-in";
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        TextOutA(dc, 4, 4, "Quick wafting zephyrs", 21);
        GdiFlush();
        looks.emplace(static_cast<const char*>(bits), std::size_t{kWidth} * kHeight * 4);
        DeleteObject(SelectObject(dc, before));
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    std::printf("%zu different looks of %d faces\n", looks.size(), kFaceRows);
    EXPECT_GE(looks.size(), 12u);
}

int CALLBACK CountFamily(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM families) {
    ++*reinterpret_cast<int*>(families);
    return 1;
}

// The font chooser of the settings opens on the stored face only when the system lists it by name.
TEST(FaceTableTest, TheDefaultFaceIsListedByName) {
    LOGFONTA wanted{};
    wanted.lfCharSet = ANSI_CHARSET;
    std::strcpy(wanted.lfFaceName, "Arial");
    int families = 0;
    const HDC dc = GetDC(nullptr);
    EnumFontFamiliesExA(dc, &wanted, CountFamily, reinterpret_cast<LPARAM>(&families), 0);
    ReleaseDC(nullptr, dc);
    EXPECT_GT(families, 0);
}

} // namespace
