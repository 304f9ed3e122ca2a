#include "store/Preferences.h"

#include "rules/GameSettings.h"
#include "store/Registry.h"

#include <cstring>

PreferencesRecord Preferences;
std::int32_t WordFontSize = PreferencesRecord{}.FontSize;
std::int32_t WordSizeFieldHeight = 0;

namespace {

std::int32_t Read(const char* name, std::int32_t fallback) {
    return ReadRegDword(HKEY_CURRENT_USER, kMainKey, name, fallback);
}

void Write(const char* name, std::int32_t value) {
    WriteRegDword(HKEY_CURRENT_USER, kMainKey, name, value);
}

COLORREF ReadColour(const char* name, COLORREF fallback) {
    return static_cast<COLORREF>(Read(name, static_cast<std::int32_t>(fallback)));
}

void WriteColour(const char* name, COLORREF colour) {
    Write(name, static_cast<std::int32_t>(colour));
}

} // namespace

void LoadPreferences(WindowPlacement& placement, const WindowPlacement& initial) {
    const PreferencesRecord defaults;
    PreferencesRecord& p = Preferences;
    p.Sound = Read("Sound", defaults.Sound);
    p.Timer = Read("Timer", defaults.Timer);
    p.Music = Read("Music", defaults.Music);
    p.ShowWelcomeDlg = Read("ShowWelcomeDlg", defaults.ShowWelcomeDlg);
    p.ShowRulesDlg = Read("ShowRulesDlg", defaults.ShowRulesDlg);
    p.LayoutVertical = Read("LayoutVertical", defaults.LayoutVertical);
    p.BackgroundColor = ReadColour("BackgroundColor", defaults.BackgroundColor);
    p.ForegroundColor = ReadColour("ForegroundColor", defaults.ForegroundColor);
    p.CurrentGame = Read("CurrentGame", defaults.CurrentGame);
    p.GameSelection = Read("GameSelection", defaults.GameSelection);
    p.ColorDepth = Read("ColorDepth", defaults.ColorDepth);
    p.FontSize = Read("FontSize", defaults.FontSize);

    const GameSettingsRecord factory;
    for (const GameSettingField& field : kGameSettingFields) {
        GameSettings.*field.Member = Read(field.Name, factory.*field.Member);
    }

    ReadRegString(HKEY_CURRENT_USER, kMainKey, "FontName", p.FontName, sizeof p.FontName);
    if (p.FontName[0] == '\0') {
        std::memcpy(p.FontName, defaults.FontName, sizeof p.FontName);
    }

    placement.Top = Read("Top", initial.Top);
    placement.Left = Read("Left", initial.Left);
    placement.Width = Read("Width", initial.Width);
    placement.Height = Read("Height", initial.Height);
    placement.MinMax = Read("MinMax", initial.MinMax);

    WordFontSize = p.FontSize;
    WordSizeFieldHeight = 0;
}

void SaveTourProgress() {
    Write("RoundRobin", GameSettings.RoundRobin);
    Write("CurrentGame", Preferences.CurrentGame);
    Write("RoundRobinScore", GameSettings.RoundRobinScore);
}

void SavePreferences(const WindowPlacement& placement) {
    const PreferencesRecord& p = Preferences;
    Write("Sound", p.Sound);
    Write("Timer", p.Timer);
    Write("Music", p.Music);
    Write("ShowWelcomeDlg", p.ShowWelcomeDlg);
    Write("ShowRulesDlg", p.ShowRulesDlg);
    Write("CurrentGame", p.CurrentGame);
    Write("GameSelection", p.GameSelection);
    Write("LayoutVertical", p.LayoutVertical);
    WriteColour("BackgroundColor", p.BackgroundColor);
    WriteColour("ForegroundColor", p.ForegroundColor);
    Write("ColorDepth", p.ColorDepth);
    Write("RoundRobinScore", GameSettings.RoundRobinScore);
    Write("FontSize", p.FontSize);

    // The face name is stored only up to the end of its buffer, terminated.
    char fontName[PreferencesRecord::kFontNameSize];
    const std::size_t length = strnlen(p.FontName, sizeof fontName - 1);
    std::memcpy(fontName, p.FontName, length);
    fontName[length] = '\0';
    WriteRegString(HKEY_CURRENT_USER, kMainKey, "FontName", fontName);

    for (const GameSettingField& field : kGameSettingFields) {
        if (field.Member != &GameSettingsRecord::RoundRobinScore) {
            Write(field.Name, GameSettings.*field.Member);
        }
    }

    Write("Top", placement.Top);
    Write("Left", placement.Left);
    Write("Width", placement.Width);
    Write("Height", placement.Height);
    Write("MinMax", placement.MinMax);
}
