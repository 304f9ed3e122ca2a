#include "dialogs/SettingsDialog.h"
#include "DialogTest.h"
#include "gfx/Gdi.h"
#include "support/ImportHook.h"

#include <commdlg.h>

#include <cstring>
#include <functional>

namespace {

INT_PTR Settings(const DialogAction& action) {
    return Drive([] { return ShowSettingsDialog(nullptr); }, {action});
}

// The choosers as a player answers them: confirmed or not, with the colour 1, 2, 3, and the face
// Face at Height pixels. What they started from is kept.
struct Chooser {
    static inline BOOL confirmed = TRUE;
    static inline const char* face = "Arial";
    static inline LONG height = -32;
    static inline int pixelsPerInch = 96;
    static inline std::vector<COLORREF> started;
    static inline std::vector<LONG> heights;

    static BOOL WINAPI Colour(CHOOSECOLORA* chooser) {
        started.push_back(chooser->rgbResult);
        chooser->rgbResult = RGB(1, 2, 3);
        return confirmed;
    }
    static BOOL WINAPI Font(CHOOSEFONTA* chooser) {
        started.push_back(chooser->rgbColors);
        heights.push_back(chooser->lpLogFont->lfHeight);
        EXPECT_STREQ(chooser->lpLogFont->lfFaceName, Preferences.FontName) << "starts from the face";
        std::strcpy(chooser->lpLogFont->lfFaceName, face);
        chooser->lpLogFont->lfHeight = height;
        return confirmed;
    }
    static int WINAPI DeviceCaps(HDC dc, int index) {
        return index == LOGPIXELSY
                   ? pixelsPerInch
                   : ImportHook<decltype(&GetDeviceCaps)>::System("gdi32.dll", "GetDeviceCaps")(dc, index);
    }
};

class SettingsDialogs : public DialogTest {
protected:
    const ImportHook<decltype(&Chooser::Colour)> colour{"comdlg32.dll", "ChooseColorA", Chooser::Colour};
    const ImportHook<decltype(&Chooser::Font)> font{"comdlg32.dll", "ChooseFontA", Chooser::Font};
    const ImportHook<decltype(&Chooser::DeviceCaps)> caps{"gdi32.dll", "GetDeviceCaps", Chooser::DeviceCaps};
};

// OK compares field by field: any one change counts, and the change is stored; Cancel keeps nothing.
TEST_F(SettingsDialogs, OkStoresAChangeOfAnyOneFieldAndOnlyThen) {
    const std::tuple<int, const char*, LONG, std::function<bool()>> changes[] = {
        {1002, "Arial", -32, [] { return Preferences.Sound == 0; }},
        {1011, "Arial", -32, [] { return Preferences.ShowWelcomeDlg == 0; }},
        {1003, "Arial", -32, [] { return GameSettings.RandomFonts == 1; }},
        {1009, "Arial", -32, [] { return Preferences.ForegroundColor == RGB(1, 2, 3); }},
        {1010, "Arial", -32, [] { return Preferences.BackgroundColor == RGB(1, 2, 3); }},
        {1001, "Arial", -40, [] { return Preferences.FontSize == 30; }},
        {1001, "ARIAL", -32, [] { return std::strcmp(Preferences.FontName, "ARIAL") == 0; }}};
    const GdiCallCounts before = GdiCounts;
    EXPECT_EQ(Settings(Press({1001, IDOK})), 2) << "the same face at the same size";
    for (const auto& [id, face, height, changed] : changes) {
        Preferences = PreferencesRecord{};
        GameSettings = GameSettingsRecord{};
        std::tie(Chooser::face, Chooser::height) = std::tuple(face, height);
        EXPECT_EQ(Settings(Press({id, IDCANCEL})), 2) << id;
        EXPECT_EQ(Settings(Press({id, IDOK})), 1) << id << " " << face << " " << height;
        EXPECT_TRUE(changed()) << id << " " << face << " " << height;
    }
    EXPECT_EQ(GdiCounts.GetDC - before.GetDC, GdiCounts.ReleaseDC - before.ReleaseDC);
}

TEST_F(SettingsDialogs, ChoosersStartFromTheFieldAndChangeItOnlyWhenConfirmed) {
    Chooser::confirmed = FALSE;
    Chooser::started.clear();
    EXPECT_EQ(Settings(Press({1009, 1010, 1001, IDOK})), 2);
    EXPECT_EQ(Chooser::started,
              (std::vector<COLORREF>{RGB(255, 255, 128), RGB(0, 0, 128), RGB(255, 255, 128)}));
    Chooser::confirmed = TRUE;
    Chooser::face = "Arial";
    // Points, pixels per inch (0: taken as 96) and the height sent; confirmed unchanged, the same size.
    const std::tuple<std::int32_t, int, LONG> cases[] = {
        {12, 96, -16}, {11, 96, -15}, {10, 96, -13}, {12, 120, -20}, {12, 0, -16}};
    for (const auto& [points, pixelsPerInch, height] : cases) {
        Preferences.FontSize = points;
        Chooser::pixelsPerInch = pixelsPerInch;
        Chooser::height = height;
        EXPECT_EQ(Settings(Press({1001, IDOK})), 2) << points << " points at " << pixelsPerInch;
        EXPECT_EQ(Chooser::heights.back(), height) << points << " points at " << pixelsPerInch;
    }
    Chooser::pixelsPerInch = 96;
}

} // namespace
