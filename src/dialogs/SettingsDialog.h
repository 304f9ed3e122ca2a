#pragma once

#include <windows.h>

#include <cstdint>

// The working copy of the "Game Settings" dialog: the display and control preferences it edits,
// with RandomFonts from the rule settings. Music and Timer have no control and are carried as they
// are. One copy exists, made when the dialog first opens and reloaded at every opening.
class CSettingsDialog {
public:
    static constexpr int kFontNameSize = 512;

    virtual ~CSettingsDialog() = default;

    std::int32_t Sound = 0;
    std::int32_t Music = 0;
    std::int32_t ShowWelcomeDlg = 0;
    std::int32_t Timer = 0;
    std::int32_t RandomFonts = 0;
    COLORREF ForegroundColor = 0;
    COLORREF BackgroundColor = 0;
    char FontName[kFontNameSize] = "";
    std::int32_t FontSize = 0; // points

    // Copies Preferences (and GameSettings.RandomFonts) into the copy.
    void Load();
    // Writes the copy back when anything differs, the face name compared with its letter case;
    // true when it did.
    bool Store() const;

    // Shows the check boxes of dialog.
    void Show(HWND dialog) const;
    // A control's command; false when the command is not one of the dialog's.
    bool Command(HWND dialog, int id, int code);

private:
    // The colour chooser owned by dialog, starting from colour; colour changes only when the player
    // confirms.
    static void PickColour(HWND dialog, COLORREF& colour);
    // The font chooser owned by dialog for the face, size and text colour.
    void PickFont(HWND dialog);
};

// The dialog procedure of dialog resource 402.
INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the "Game Settings" dialog over owner and waits until it closes. Returns 1 when OK changed
// the preferences (the caller then applies them), 2 when nothing changed.
INT_PTR ShowSettingsDialog(HWND owner);
