#include "dialogs/SettingsDialog.h"
#include "DialogTest.h"
#include "gfx/Gdi.h"
#include "support/ImportHook.h"

#include <commdlg.h>

#include <cstring>
#include <tuple>

namespace {

using SettingsDialog = DialogTest;

INT_PTR Settings(const DialogAction& action) {
    return Drive([] { return ShowSettingsDialog(nullptr); }, {action});
}

TEST_F(SettingsDialog, CheckBoxesShowAndToggleTheirFields) {
    Preferences.Sound = 0;
    Preferences.Music = 7;
    GameSettings.RandomFonts = 5;
    const auto toggle = [](HWND dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, 1011), BST_CHECKED) << "welcome screen";
        EXPECT_EQ(IsDlgButtonChecked(dialog, 1002), BST_UNCHECKED) << "sound";
        EXPECT_EQ(IsDlgButtonChecked(dialog, 1003), BST_CHECKED) << "random fonts";
        Press({1011, 1002, 1003, IDOK})(dialog);
    };
    EXPECT_EQ(Settings(toggle), 1);
    EXPECT_EQ(Preferences.ShowWelcomeDlg, 0);
    EXPECT_EQ(Preferences.Sound, 1);
    EXPECT_EQ(GameSettings.RandomFonts, 0);
    EXPECT_EQ(Preferences.Music, 7) << "carried";
    EXPECT_EQ(Settings(Press({IDOK})), 2) << "OK without a change";
    EXPECT_EQ(Settings(Press({1002, IDCANCEL})), 2);
    EXPECT_EQ(Preferences.Sound, 1) << "cancelled";
}

// What each colour chooser received; the first and the fourth are confirmed.
std::vector<std::pair<CHOOSECOLORA, std::vector<COLORREF>>> ColourCalls;
BOOL WINAPI SpyChooseColor(CHOOSECOLORA* chooser) {
    ColourCalls.emplace_back(*chooser,
                             std::vector<COLORREF>(chooser->lpCustColors, chooser->lpCustColors + 16));
    const BYTE n = static_cast<BYTE>(ColourCalls.size());
    chooser->lpCustColors[n] = RGB(9, 9, n); // a custom colour that the next chooser must see
    chooser->rgbResult = RGB(1, 1, n);
    return n == 1 || n == 4;
}

TEST_F(SettingsDialog, ColourChoosersStartFromTheFieldAndChangeItOnlyWhenConfirmed) {
    const ImportHook<decltype(&SpyChooseColor)> hook("comdlg32.dll", "ChooseColorA", SpyChooseColor);
    ASSERT_TRUE(hook.Installed());
    ColourCalls.clear();
    HWND shown = nullptr;
    EXPECT_EQ(Settings([&shown](HWND dialog) { Press({1009, 1010, IDOK})(shown = dialog); }), 1);
    EXPECT_EQ(Preferences.ForegroundColor, RGB(1, 1, 1)) << "text colour confirmed";
    EXPECT_EQ(Preferences.BackgroundColor, RGB(0, 0, 128)) << "background colour cancelled";
    EXPECT_EQ(Settings(Press({1009, 1010, IDOK})), 1);
    EXPECT_EQ(Preferences.ForegroundColor, RGB(1, 1, 1)) << "text colour cancelled";
    EXPECT_EQ(Preferences.BackgroundColor, RGB(1, 1, 4)) << "background colour confirmed";
    ASSERT_EQ(ColourCalls.size(), 4u);
    const CHOOSECOLORA& first = ColourCalls[0].first;
    EXPECT_EQ(first.lStructSize, sizeof(CHOOSECOLORA));
    EXPECT_EQ(first.hwndOwner, shown);
    EXPECT_EQ(first.Flags, DWORD{CC_RGBINIT | CC_ANYCOLOR | CC_SOLIDCOLOR});
    EXPECT_EQ(first.rgbResult, RGB(255, 255, 128)) << "text colour";
    EXPECT_EQ(ColourCalls[1].first.rgbResult, RGB(0, 0, 128)) << "background colour";
    EXPECT_EQ(ColourCalls[1].second[1], RGB(9, 9, 1)) << "the other chooser's custom colour";
    EXPECT_EQ(ColourCalls[2].second[2], RGB(9, 9, 2)) << "kept to the next opening";
}

// The font chooser: what it received; given a face it answers that face, 40 pixels high, in the
// colour 1, 2, 3. The screen reports PixelsPerInch.
std::vector<std::pair<CHOOSEFONTA, LOGFONTA>> FontCalls;
BOOL FontConfirmed = TRUE;
const char* FontFace = nullptr;
int PixelsPerInch = 96;
decltype(&GetDeviceCaps) RealGetDeviceCaps = nullptr;

BOOL WINAPI SpyChooseFont(CHOOSEFONTA* chooser) {
    FontCalls.emplace_back(*chooser, *chooser->lpLogFont);
    if (FontFace != nullptr) {
        std::strcpy(chooser->lpLogFont->lfFaceName, FontFace);
        chooser->lpLogFont->lfHeight = -40;
        chooser->rgbColors = RGB(1, 2, 3);
    }
    return FontConfirmed;
}
int WINAPI SpyGetDeviceCaps(HDC dc, int index) {
    return index == LOGPIXELSY ? PixelsPerInch : RealGetDeviceCaps(dc, index);
}

TEST_F(SettingsDialog, FontChooserStartsFromTheFaceAndSizeAndItsConfirmedChoiceIsKept) {
    const ImportHook<decltype(&SpyChooseFont)> hook("comdlg32.dll", "ChooseFontA", SpyChooseFont);
    const ImportHook<decltype(&SpyGetDeviceCaps)> caps("gdi32.dll", "GetDeviceCaps", SpyGetDeviceCaps);
    ASSERT_TRUE(hook.Installed());
    RealGetDeviceCaps = caps.Original();
    FontCalls.clear();
    FontFace = nullptr;
    FontConfirmed = TRUE;
    // Points, pixels per inch (0: none reported, taken as 96), and the height that goes out; a height
    // confirmed unchanged comes back as the same size, rounded both ways.
    const std::tuple<std::int32_t, int, LONG> cases[] = {
        {12, 96, -16}, {11, 96, -15}, {10, 96, -13}, {12, 120, -20}, {12, 0, -16}};
    for (const auto& [points, pixelsPerInch, height] : cases) {
        Preferences.FontSize = points;
        PixelsPerInch = pixelsPerInch;
        EXPECT_EQ(Settings(Press({1001, IDOK})), 2) << points << " points at " << pixelsPerInch;
        EXPECT_EQ(FontCalls.back().second.lfHeight, height) << points << " points at " << pixelsPerInch;
    }
    const auto& [chooser, font] = FontCalls.front();
    EXPECT_STREQ(font.lfFaceName, "Arial");
    EXPECT_EQ(font.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(font.lfWeight, 0);
    EXPECT_EQ(chooser.lStructSize, sizeof(CHOOSEFONTA));
    EXPECT_EQ(chooser.Flags, DWORD{CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS});
    EXPECT_EQ(chooser.rgbColors, RGB(255, 255, 128));
    EXPECT_NE(chooser.hwndOwner, nullptr);
    // The chooser answers Tahoma at 40 pixels (30 points at 96 per inch) in the colour 1, 2, 3.
    PixelsPerInch = 96;
    FontFace = "Tahoma";
    for (BOOL confirmed : {FALSE, TRUE}) {
        FontConfirmed = confirmed;
        const GdiCallCounts before = GdiCounts;
        EXPECT_EQ(Settings(Press({1001, IDOK})), confirmed ? 1 : 2);
        EXPECT_EQ(GdiCounts.GetDC - before.GetDC, 1u) << "confirmed " << confirmed;
        EXPECT_EQ(GdiCounts.ReleaseDC - before.ReleaseDC, 1u) << "confirmed " << confirmed;
    }
    EXPECT_EQ(Preferences.FontSize, 30);
    EXPECT_STREQ(Preferences.FontName, "Tahoma");
    EXPECT_EQ(Preferences.ForegroundColor, RGB(1, 2, 3));
    FontFace = "TAHOMA";
    EXPECT_EQ(Settings(Press({1001, IDOK})), 1) << "only the letter case differs";
    EXPECT_STREQ(Preferences.FontName, "TAHOMA");
}

} // namespace
