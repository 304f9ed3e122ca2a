#include "store/Preferences.h"
#include "PrivateRegistry.h"
#include "rules/GameSettings.h"
#include "store/Registry.h"

#include <cstring>
#include <string>

namespace {

constexpr char kKey[] = "Software\\Quillmoor\\Lexiblast";

class PreferencesTest : public PrivateRegistry {
protected:
    void SetUp() override {
        PrivateRegistry::SetUp();
        SavedPreferences = Preferences;
        SavedSettings = GameSettings;
        SavedWordFontSize = WordFontSize;
    }
    void TearDown() override {
        Preferences = SavedPreferences;
        GameSettings = SavedSettings;
        WordFontSize = SavedWordFontSize;
        PrivateRegistry::TearDown();
    }

    // Overwrites every field in memory so that a load has to set each one.
    static void Scramble(WindowPlacement& placement) {
        std::memset(static_cast<void*>(&Preferences), 0x5A, sizeof Preferences);
        Preferences.FontName[PreferencesRecord::kFontNameSize - 1] = '\0';
        std::memset(static_cast<void*>(&GameSettings), 0x5A, sizeof GameSettings);
        std::memset(static_cast<void*>(&placement), 0x5A, sizeof placement);
        WordFontSize = -1;
    }

    PreferencesRecord SavedPreferences;
    GameSettingsRecord SavedSettings;
    std::int32_t SavedWordFontSize = 0;
};

TEST_F(PreferencesTest, AnEmptyRegistryGivesTheDefaults) {
    WindowPlacement placement;
    Scramble(placement);
    LoadPreferences(placement);

    EXPECT_STREQ(Preferences.FontName, "Arial");
    EXPECT_EQ(Preferences.FontSize, 24);
    EXPECT_EQ(WordFontSize, 24);
    EXPECT_EQ(Preferences.ColorDepth, 32);
    EXPECT_EQ(Preferences.GameSelection, 0);
    EXPECT_EQ(Preferences.CurrentGame, 0);
    EXPECT_EQ(Preferences.ForegroundColor, 0x0080FFFFu);
    EXPECT_EQ(Preferences.BackgroundColor, 0x00800000u);
    EXPECT_EQ(Preferences.LayoutVertical, 0);
    EXPECT_EQ(Preferences.ShowRulesDlg, 1);
    EXPECT_EQ(Preferences.ShowWelcomeDlg, 1);
    EXPECT_EQ(Preferences.Music, 1);
    EXPECT_EQ(Preferences.Timer, 1);
    EXPECT_EQ(Preferences.Sound, 1);
    EXPECT_EQ(placement.Top, 0);
    EXPECT_EQ(placement.Left, 0);
    EXPECT_EQ(placement.Width, 640);
    EXPECT_EQ(placement.Height, 440);
    EXPECT_EQ(placement.MinMax, 0);

    // GameNumber to RoundRobinScore, in the record's order.
    const std::int32_t factory[] = {9, 4, 1, 1, 50, 50, 50, 50, 20, 0, 1, 1, 0, 0, 0, 1, 1, 0, 0, 1, 1, 1, 0};
    static_assert(std::size(factory) == kGameSettingFieldCount);
    for (std::size_t i = 0; i < kGameSettingFieldCount; ++i) {
        EXPECT_EQ(GameSettings.*kGameSettingFields[i].Member, factory[i]) << kGameSettingFields[i].Name;
    }

    EXPECT_FALSE(KeyExists("Software\\Quillmoor"));
}

TEST_F(PreferencesTest, EveryFieldSurvivesASaveAndALoad) {
    Preferences = PreferencesRecord{};
    std::strcpy(Preferences.FontName, "Comic Sans MS");
    Preferences.FontSize = 13;
    Preferences.ColorDepth = 16;
    Preferences.GameSelection = 7;
    Preferences.CurrentGame = 4;
    Preferences.ForegroundColor = 0xFF123456; // a non-zero top byte is kept as it is
    Preferences.BackgroundColor = 0x00654321;
    Preferences.LayoutVertical = 1;
    Preferences.ShowRulesDlg = 0;
    Preferences.ShowWelcomeDlg = 0;
    Preferences.Music = 0;
    Preferences.Timer = 0;
    Preferences.Sound = 0;
    for (std::size_t i = 0; i < kGameSettingFieldCount; ++i) {
        GameSettings.*kGameSettingFields[i].Member = 1000 + static_cast<std::int32_t>(i) * (i % 2 ? -1 : 1);
    }
    const WindowPlacement placed{-20, 30, 800, 600, WindowPlacement::kMaximised};
    const PreferencesRecord savedPreferences = Preferences;
    const GameSettingsRecord savedSettings = GameSettings;
    SavePreferences(placed);

    // Twelve numbers of the preferences, the face name, the settings and the placement.
    DWORD values = 0;
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                     nullptr, nullptr);
    RegCloseKey(key);
    EXPECT_EQ(values, 12 + 1 + kGameSettingFieldCount + 5);
    EXPECT_EQ(Stored(kKey, "FontName").Type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(Stored(kKey, "RoundRobinScore").Type, static_cast<DWORD>(REG_DWORD));

    WindowPlacement placement;
    Scramble(placement);
    LoadPreferences(placement);
    const PreferencesRecord& p = Preferences;
    const PreferencesRecord& q = savedPreferences;
    EXPECT_STREQ(p.FontName, q.FontName);
    EXPECT_EQ(p.FontSize, q.FontSize);
    EXPECT_EQ(p.ColorDepth, q.ColorDepth);
    EXPECT_EQ(p.GameSelection, q.GameSelection);
    EXPECT_EQ(p.CurrentGame, q.CurrentGame);
    EXPECT_EQ(p.ForegroundColor, q.ForegroundColor);
    EXPECT_EQ(p.BackgroundColor, q.BackgroundColor);
    EXPECT_EQ(p.LayoutVertical, q.LayoutVertical);
    EXPECT_EQ(p.ShowRulesDlg, q.ShowRulesDlg);
    EXPECT_EQ(p.ShowWelcomeDlg, q.ShowWelcomeDlg);
    EXPECT_EQ(p.Music, q.Music);
    EXPECT_EQ(p.Timer, q.Timer);
    EXPECT_EQ(p.Sound, q.Sound);
    EXPECT_TRUE(GameSettings == savedSettings);
    EXPECT_EQ(placement.Top, -20);
    EXPECT_EQ(placement.Left, 30);
    EXPECT_EQ(placement.Width, 800);
    EXPECT_EQ(placement.Height, 600);
    EXPECT_EQ(placement.MinMax, 2);
    EXPECT_EQ(WordFontSize, 13);
}

TEST_F(PreferencesTest, OddStoredValuesFallBackOneByOne) {
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "TargetCount", "75"));
    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "TimeLimit", -3));
    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "FontSize", 0));
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "Sound", "off"));
    WindowPlacement placement;

    for (const std::string& face : {std::string(), std::string(600, 'F')}) {
        ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "FontName", face.c_str()));
        Scramble(placement);
        LoadPreferences(placement);
        EXPECT_STREQ(Preferences.FontName, "Arial") << face.size();
    }
    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "FontName", 12));
    Scramble(placement);
    LoadPreferences(placement);
    EXPECT_STREQ(Preferences.FontName, "Arial");

    EXPECT_EQ(GameSettings.TargetCount, 50);
    EXPECT_EQ(GameSettings.TimeLimit, -3); // used as it stands
    EXPECT_EQ(Preferences.FontSize, 0);
    EXPECT_EQ(WordFontSize, 0);
    EXPECT_EQ(Preferences.Sound, 1);

    const std::string longest(511, 'L');
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "FontName", longest.c_str()));
    LoadPreferences(placement);
    EXPECT_EQ(std::string(Preferences.FontName), longest);
}

} // namespace
