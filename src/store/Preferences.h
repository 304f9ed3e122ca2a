#pragma once

#include <windows.h>

#include <cstdint>

// Display and convenience choices, kept under the program's key with the rule settings. The
// initial values are the defaults of a fresh user account.
struct PreferencesRecord {
    static constexpr int kFontNameSize = 512;

    char FontName[kFontNameSize] = "Arial"; // face of the word font
    std::int32_t FontSize = 24;             // points, for the first field laid out after loading
    std::int32_t ColorDepth = 32;           // bits per pixel seen at the last start; 0 after the warning
    std::int32_t GameSelection = 0;         // stage chosen last, 1 to 9
    std::int32_t CurrentGame = 0;           // tour stage started last, 0 to 9
    COLORREF ForegroundColor = RGB(255, 255, 128);
    COLORREF BackgroundColor = RGB(0, 0, 128);
    std::int32_t LayoutVertical = 0;
    std::int32_t ShowRulesDlg = 1;
    std::int32_t ShowWelcomeDlg = 1; // the welcome dialog at start-up
    std::int32_t Music = 1;
    std::int32_t Timer = 1;
    std::int32_t Sound = 1; // sound effects
};

// The main window's normal position and size in screen pixels; the application owns it, the
// preferences load and save it.
struct WindowPlacement {
    static constexpr std::int32_t kMaximised = 2; // MinMax of a window closed maximised

    std::int32_t Top = 0;
    std::int32_t Left = 0;
    std::int32_t Width = 640;
    std::int32_t Height = 440;
    std::int32_t MinMax = 0;
};

extern PreferencesRecord Preferences;

// The size in points that words are drawn with; set from FontSize at load, rescaled with the field.
extern std::int32_t WordFontSize;
// The height of the field that FontSize is the word size of: the first field laid out after the
// preferences were loaded; 0 until then. Every later field's word size is FontSize scaled by its
// height over this one, so that a window made bigger and back gives back the size chosen.
extern std::int32_t WordSizeFieldHeight;

// Reads the preferences, the rule settings (GameSettings) and the window placement from the
// current user's registry, each value falling back to its default on its own (the placement's to
// initial). An empty or unreadable face name becomes "Arial".
void LoadPreferences(WindowPlacement& placement, const WindowPlacement& initial = {});

// Writes everything LoadPreferences reads. A write that fails is lost without a message.
void SavePreferences(const WindowPlacement& placement);

// Writes the tour's progress at once, under the names and in the form SavePreferences uses: whether
// the tour is on (RoundRobin), its last stage (CurrentGame) and its sum (RoundRobinScore). Called
// whenever a game is recorded and whenever the tour is taken up or left, so that a run that ends
// without a close goes on at the next start where the statistics stand.
void SaveTourProgress();
