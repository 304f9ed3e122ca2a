#include "dialogs/SettingsDialog.h"
#include "gfx/Gdi.h"
#include "rules/GameSettings.h"
#include "store/Preferences.h"
#include "support/DialogDriver.h"
#include "support/ImportHook.h"

#include <gtest/gtest.h>

#include <colordlg.h>
#include <commdlg.h>
#include <dlgs.h>

#include <cstring>
#include <vector>

namespace {

// Each test starts from a fresh user's preferences with a real owner window; the records are put back
// after.
class SettingsDialogTest : public ::testing::Test {
protected:
    HWND owner = nullptr;

    void SetUp() override {
        saved_ = Preferences;
        savedRandomFonts_ = GameSettings.RandomFonts;
        Preferences = PreferencesRecord{};
        GameSettings.RandomFonts = 0;
        owner = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 440, nullptr, nullptr, nullptr,
                              nullptr);
    }
    void TearDown() override {
        DestroyWindow(owner);
        Preferences = saved_;
        GameSettings.RandomFonts = savedRandomFonts_;
    }
    // Opens the dialog, answers it and the choosers it opens with the actions in order, and returns
    // the dialog's result.
    INT_PTR Run(const std::vector<DialogDriver::Action>& actions) {
        DialogDriver driver;
        for (const DialogDriver::Action& action : actions) {
            driver.Then(action);
        }
        const INT_PTR result = ShowSettingsDialog(owner);
        EXPECT_EQ(driver.Pending(), 0u) << "every dialog appeared";
        return result;
    }
    // Presses the buttons in order, then OK.
    static DialogDriver::Action Press(std::initializer_list<int> ids) {
        return [ids = std::vector<int>(ids)](HWND dialog) {
            for (int id : ids) {
                Click(dialog, id);
            }
            Click(dialog, IDOK);
        };
    }

private:
    PreferencesRecord saved_;
    std::int32_t savedRandomFonts_ = 0;
};

TEST_F(SettingsDialogTest, CheckBoxesShowAndToggleTheirFields) {
    Preferences.Sound = 0;
    Preferences.Music = 7;
    GameSettings.RandomFonts = 5;
    EXPECT_EQ(Run({[](HWND dialog) {
                  EXPECT_EQ(IsDlgButtonChecked(dialog, 1011), BST_CHECKED) << "welcome screen";
                  EXPECT_EQ(IsDlgButtonChecked(dialog, 1002), BST_UNCHECKED) << "sound";
                  EXPECT_EQ(IsDlgButtonChecked(dialog, 1003), BST_CHECKED) << "random fonts";
                  Press({1011, 1002, 1003})(dialog);
              }}),
              1);
    EXPECT_EQ(Preferences.ShowWelcomeDlg, 0);
    EXPECT_EQ(Preferences.Sound, 1);
    EXPECT_EQ(GameSettings.RandomFonts, 0);
    EXPECT_EQ(Preferences.Music, 7) << "carried";
    EXPECT_EQ(Run({Press({})}), 2) << "OK without a change";
    EXPECT_EQ(Run({[](HWND dialog) {
                  Click(dialog, 1002);
                  Click(dialog, IDCANCEL);
              }}),
              2);
    EXPECT_EQ(Preferences.Sound, 1) << "cancelled";
}

// Answers the real colour chooser: types a colour into its custom part, then presses button.
DialogDriver::Action ColourChooser(int red, int green, int blue, int button) {
    return [=](HWND chooser) {
        Click(chooser, COLOR_MIX); // "Define Custom Colors >>"
        SetDlgItemInt(chooser, COLOR_RED, red, FALSE);
        SetDlgItemInt(chooser, COLOR_GREEN, green, FALSE);
        SetDlgItemInt(chooser, COLOR_BLUE, blue, FALSE);
        Click(chooser, button);
    };
}

TEST_F(SettingsDialogTest, ColourChoosersChangeTheirColourOnlyWhenConfirmed) {
    const auto both = Press({1009, 1010});
    EXPECT_EQ(Run({both, ColourChooser(200, 100, 50, IDOK), ColourChooser(1, 2, 3, IDCANCEL)}), 1);
    EXPECT_EQ(Preferences.ForegroundColor, RGB(200, 100, 50));
    EXPECT_EQ(Preferences.BackgroundColor, RGB(0, 0, 128));
    EXPECT_EQ(Run({both, ColourChooser(4, 5, 6, IDCANCEL), ColourChooser(7, 8, 9, IDOK)}), 1);
    EXPECT_EQ(Preferences.ForegroundColor, RGB(200, 100, 50));
    EXPECT_EQ(Preferences.BackgroundColor, RGB(7, 8, 9));
}

// What each colour chooser received: its description and its custom colours.
struct ColourCall {
    CHOOSECOLORA Chooser;
    COLORREF Custom[16];
};
std::vector<ColourCall> ColourCalls;
BOOL WINAPI SpyChooseColor(CHOOSECOLORA* chooser) {
    ColourCall call{*chooser, {}};
    std::memcpy(call.Custom, chooser->lpCustColors, sizeof call.Custom);
    ColourCalls.push_back(call);
    // Each chooser adds a custom colour that the next one must see.
    chooser->lpCustColors[ColourCalls.size()] = RGB(9, 9, ColourCalls.size());
    chooser->rgbResult = RGB(1, 1, 1);
    return FALSE;
}

TEST_F(SettingsDialogTest, ColourChoosersStartFromTheFieldAndShareOneCustomTable) {
    const ImportHook<decltype(&SpyChooseColor)> hook("comdlg32.dll", "ChooseColorA", SpyChooseColor);
    ASSERT_TRUE(hook.Installed());
    ColourCalls.clear();
    HWND shown = nullptr;
    EXPECT_EQ(Run({[&](HWND dialog) {
                  shown = dialog;
                  Press({1009, 1010})(dialog);
              }}),
              2);
    Run({Press({1009})});
    ASSERT_EQ(ColourCalls.size(), 3u);
    EXPECT_EQ(ColourCalls[0].Chooser.hwndOwner, shown);
    EXPECT_EQ(ColourCalls[0].Chooser.rgbResult, RGB(255, 255, 128)) << "text colour";
    EXPECT_EQ(ColourCalls[1].Chooser.rgbResult, RGB(0, 0, 128)) << "background colour";
    EXPECT_EQ(ColourCalls[1].Chooser.Flags, DWORD{CC_RGBINIT | CC_ANYCOLOR | CC_SOLIDCOLOR});
    EXPECT_EQ(ColourCalls[1].Custom[1], RGB(9, 9, 1)) << "the other chooser's colour";
    EXPECT_EQ(ColourCalls[2].Custom[2], RGB(9, 9, 2)) << "kept to the next opening";
}

// The font chooser: what it received, and what it answers.
struct FontCall {
    CHOOSEFONTA Chooser;
    LOGFONTA Font;
};
std::vector<FontCall> FontCalls;
BOOL FontConfirmed = TRUE;
LONG FontHeight = 0; // 0 leaves the height as it came
const char* FontFace = nullptr;
int PixelsPerInch = 96;
decltype(&GetDeviceCaps) RealGetDeviceCaps = nullptr;

BOOL WINAPI SpyChooseFont(CHOOSEFONTA* chooser) {
    FontCalls.push_back({*chooser, *chooser->lpLogFont});
    if (FontHeight != 0) {
        chooser->lpLogFont->lfHeight = FontHeight;
        chooser->rgbColors = RGB(1, 2, 3);
    }
    if (FontFace != nullptr) {
        std::strcpy(chooser->lpLogFont->lfFaceName, FontFace);
    }
    return FontConfirmed;
}
int WINAPI SpyGetDeviceCaps(HDC dc, int index) {
    return index == LOGPIXELSY ? PixelsPerInch : RealGetDeviceCaps(dc, index);
}

class FontChooserTest : public SettingsDialogTest {
protected:
    void SetUp() override {
        SettingsDialogTest::SetUp();
        FontCalls.clear();
        FontConfirmed = TRUE;
        FontHeight = 0;
        FontFace = nullptr;
        PixelsPerInch = 96;
        RealGetDeviceCaps = caps_.Original();
    }
    ImportHook<decltype(&SpyChooseFont)> hook_{"comdlg32.dll", "ChooseFontA", SpyChooseFont};
    ImportHook<decltype(&SpyGetDeviceCaps)> caps_{"gdi32.dll", "GetDeviceCaps", SpyGetDeviceCaps};
};

TEST_F(FontChooserTest, StartsFromTheFaceAndTheSizeInPixelsOfTheScreen) {
    ASSERT_TRUE(hook_.Installed());
    // Arial 12 at 96 pixels per inch goes out as -16 and comes back as 12. Heights are rounded both
    // ways, so 10 points (13.3 pixels) come back as 10; a screen without a density counts as 96.
    const struct {
        std::int32_t Points;
        int PixelsPerInch;
        LONG Height;
    } cases[] = {{12, 96, -16}, {11, 96, -15}, {10, 96, -13}, {12, 120, -20}, {12, 0, -16}};
    for (const auto& c : cases) {
        Preferences.FontSize = c.Points;
        PixelsPerInch = c.PixelsPerInch;
        EXPECT_EQ(Run({Press({1001})}), 2) << c.Points << " points at " << c.PixelsPerInch;
        EXPECT_EQ(FontCalls.back().Font.lfHeight, c.Height) << c.Points << " points at " << c.PixelsPerInch;
    }
    const FontCall& call = FontCalls.front();
    EXPECT_STREQ(call.Font.lfFaceName, "Arial");
    EXPECT_EQ(call.Font.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(call.Font.lfWeight, 0);
    EXPECT_EQ(call.Chooser.Flags, DWORD{CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS});
    EXPECT_EQ(call.Chooser.rgbColors, RGB(255, 255, 128));
    EXPECT_NE(call.Chooser.hwndOwner, nullptr);
}

TEST_F(FontChooserTest, ConfirmedChoicesAreKeptAndTheContextIsReleasedEitherWay) {
    FontHeight = -40;
    FontFace = "Tahoma";
    for (BOOL confirmed : {FALSE, TRUE}) {
        FontConfirmed = confirmed;
        const GdiCallCounts before = GdiCounts;
        EXPECT_EQ(Run({Press({1001})}), confirmed ? 1 : 2);
        EXPECT_EQ(GdiCounts.GetDC - before.GetDC, 1u) << "confirmed " << confirmed;
        EXPECT_EQ(GdiCounts.ReleaseDC - before.ReleaseDC, 1u) << "confirmed " << confirmed;
    }
    EXPECT_EQ(Preferences.FontSize, 30);
    EXPECT_STREQ(Preferences.FontName, "Tahoma");
    EXPECT_EQ(Preferences.ForegroundColor, RGB(1, 2, 3));
    FontHeight = 0;
    FontFace = "TAHOMA";
    EXPECT_EQ(Run({Press({1001})}), 1) << "only the letter case differs";
    EXPECT_STREQ(Preferences.FontName, "TAHOMA");
}

// Answers the real font chooser: picks a face, a size and its fourth colour, then presses button.
DialogDriver::Action FontChooser(const char* face, const char* size, COLORREF& picked, int button) {
    return [=, &picked](HWND chooser) {
        for (const auto& [id, text] : {std::pair{cmb1, face}, std::pair{cmb3, size}}) {
            const HWND list = GetDlgItem(chooser, id);
            ASSERT_NE(SendMessageA(list, CB_SELECTSTRING, WPARAM(-1), LPARAM(text)), CB_ERR) << text;
            SendMessageA(chooser, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(list));
        }
        const HWND colours = GetDlgItem(chooser, cmb4);
        SendMessageA(colours, CB_SETCURSEL, 3, 0);
        picked = static_cast<COLORREF>(SendMessageA(colours, CB_GETITEMDATA, 3, 0));
        SendMessageA(chooser, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE), LPARAM(colours));
        Click(chooser, button);
    };
}

TEST_F(SettingsDialogTest, TheRealFontChooserChangesTheFontOnlyWhenConfirmed) {
    std::strcpy(Preferences.FontName, "Tahoma");
    Preferences.FontSize = 12;
    COLORREF picked = 0;
    EXPECT_EQ(Run({Press({1001}), FontChooser("Liberation Serif", "20", picked, IDCANCEL)}), 2);
    EXPECT_EQ(Run({Press({1001}), FontChooser("Liberation Serif", "20", picked, IDOK)}), 1);
    EXPECT_STREQ(Preferences.FontName, "Liberation Serif");
    EXPECT_EQ(Preferences.FontSize, 20);
    EXPECT_EQ(Preferences.ForegroundColor, picked);
}

} // namespace
