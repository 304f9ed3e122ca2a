#include "dialogs/SettingsDialog.h"

#include "dialogs/DialogHelpers.h"
#include "gfx/Gdi.h"
#include "resources/resource.h"
#include "rules/GameSettings.h"
#include "store/Preferences.h"

#include <commdlg.h>

#include <cstring>

static_assert(CSettingsDialog::kFontNameSize == PreferencesRecord::kFontNameSize);

namespace {

// The custom colours of both colour choosers, kept for the whole run and not stored.
COLORREF CustomColours[16] = {};

// Screens that report no density are taken as the common 96 pixels per inch, so that the size
// conversion never divides by zero.
constexpr int kDefaultPixelsPerInch = 96;

// Copies a zero-terminated face name into a buffer of size bytes, cut to fit.
void CopyFace(char* buffer, int size, const char* face) {
    lstrcpynA(buffer, face, size);
}

} // namespace

void CSettingsDialog::Load() {
    const PreferencesRecord& p = Preferences;
    Sound = p.Sound;
    Music = p.Music;
    ShowWelcomeDlg = p.ShowWelcomeDlg;
    Timer = p.Timer;
    RandomFonts = GameSettings.RandomFonts;
    ForegroundColor = p.ForegroundColor;
    BackgroundColor = p.BackgroundColor;
    CopyFace(FontName, kFontNameSize, p.FontName);
    FontSize = p.FontSize;
}

bool CSettingsDialog::Store() const {
    PreferencesRecord& p = Preferences;
    if (Sound == p.Sound && FontSize == p.FontSize && RandomFonts == GameSettings.RandomFonts &&
        ForegroundColor == p.ForegroundColor && ShowWelcomeDlg == p.ShowWelcomeDlg && Music == p.Music &&
        BackgroundColor == p.BackgroundColor && Timer == p.Timer && std::strcmp(FontName, p.FontName) == 0) {
        return false;
    }
    p.Sound = Sound;
    p.Music = Music;
    p.ShowWelcomeDlg = ShowWelcomeDlg;
    p.Timer = Timer;
    GameSettings.RandomFonts = RandomFonts;
    p.ForegroundColor = ForegroundColor;
    p.BackgroundColor = BackgroundColor;
    CopyFace(p.FontName, PreferencesRecord::kFontNameSize, FontName);
    p.FontSize = FontSize;
    return true;
}

void CSettingsDialog::Show(HWND dialog) const {
    CheckDlgButton(dialog, IDC_SET_SHOW_WELCOME, ShowWelcomeDlg != 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_SET_SOUND, Sound != 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_SET_RANDOM_FONTS, RandomFonts != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void CSettingsDialog::PickColour(HWND dialog, COLORREF& colour) {
    CHOOSECOLORA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = dialog;
    chooser.rgbResult = colour;
    chooser.lpCustColors = CustomColours;
    chooser.Flags = CC_RGBINIT | CC_ANYCOLOR | CC_SOLIDCOLOR;
    if (ChooseColorA(&chooser)) {
        colour = chooser.rgbResult;
    }
}

void CSettingsDialog::PickFont(HWND dialog) {
    const WindowDC dc(dialog);
    int pixelsPerInch = GetDeviceCaps(dc.Get(), LOGPIXELSY);
    if (pixelsPerInch <= 0) {
        pixelsPerInch = kDefaultPixelsPerInch;
    }
    LOGFONTA font{};
    font.lfHeight = -MulDiv(FontSize, pixelsPerInch, 72);
    font.lfCharSet = ANSI_CHARSET;
    CopyFace(font.lfFaceName, LF_FACESIZE, FontName);

    CHOOSEFONTA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = dialog;
    chooser.lpLogFont = &font;
    chooser.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
    chooser.rgbColors = ForegroundColor;
    if (ChooseFontA(&chooser)) {
        ForegroundColor = chooser.rgbColors;
        // Rounded like the height that went out, so that a size confirmed unchanged stays as it was
        // (a cut-down division would turn 10 points, 13 pixels at 96 per inch, into 9).
        FontSize = -MulDiv(font.lfHeight, 72, pixelsPerInch);
        CopyFace(FontName, kFontNameSize, font.lfFaceName);
    }
}

bool CSettingsDialog::Command(HWND dialog, int id, int code) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (id) {
    case IDC_SET_SOUND:
        Sound = Sound != 0 ? 0 : 1;
        break;
    case IDC_SET_RANDOM_FONTS:
        RandomFonts = RandomFonts != 0 ? 0 : 1;
        break;
    case IDC_SET_SHOW_WELCOME:
        ShowWelcomeDlg = ShowWelcomeDlg != 0 ? 0 : 1;
        break;
    case IDC_SET_TEXT_COLOR:
        PickColour(dialog, ForegroundColor);
        return true;
    case IDC_SET_BACKGROUND_COLOR:
        PickColour(dialog, BackgroundColor);
        return true;
    case IDC_SET_CHOOSE_FONT:
        PickFont(dialog);
        return true;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return true;
    case IDOK:
        EndDialog(dialog, Store() ? IDOK : IDCANCEL);
        return true;
    default:
        return false;
    }
    Show(dialog);
    return true;
}

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return EditCopyProc<CSettingsDialog>(dialog, message, wParam);
}

INT_PTR ShowSettingsDialog(HWND owner) {
    static CSettingsDialog copy; // the one working copy, kept for the whole run
    return RunDialog(owner, DLG_GAME_SETTINGS, SettingsDialogProc, copy);
}
