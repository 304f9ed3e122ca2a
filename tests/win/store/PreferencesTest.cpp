#include "store/Preferences.h"
#include "PrivateRegistry.h"
#include "rules/GameSettings.h"
#include "store/Registry.h"

#include <cstddef>
#include <cstring>
#include <string>

namespace {

constexpr char kKey[] = "Software\\Quillmoor\\Lexiblast";

class PreferencesTest : public PrivateRegistry {
protected:
    void TearDown() override {
        Preferences = PreferencesRecord{};
        GameSettings = GameSettingsRecord{};
        PrivateRegistry::TearDown();
    }

    // Loads after overwriting every field in memory, so that the load has to set each one.
    static WindowPlacement Load() {
        WindowPlacement placement{-9, -9, -9, -9, -9};
        std::memset(static_cast<void*>(&Preferences), 0x5A, sizeof Preferences);
        Preferences.FontName[PreferencesRecord::kFontNameSize - 1] = '\0';
        std::memset(static_cast<void*>(&GameSettings), 0x5A, sizeof GameSettings);
        WordFontSize = -1;
        LoadPreferences(placement);
        return placement;
    }
};

TEST_F(PreferencesTest, AnEmptyRegistryGivesTheDefaults) {
    const WindowPlacement placement = Load();
    const PreferencesRecord& p = Preferences;
    EXPECT_STREQ(p.FontName, "Arial");
    EXPECT_EQ(p.FontSize, 24);
    EXPECT_EQ(WordFontSize, 24);
    EXPECT_EQ(p.ColorDepth, 32);
    EXPECT_EQ(p.GameSelection + p.CurrentGame + p.LayoutVertical, 0);
    EXPECT_EQ(p.ForegroundColor, 0x0080FFFFu);
    EXPECT_EQ(p.BackgroundColor, 0x00800000u);
    EXPECT_EQ(p.ShowRulesDlg + p.ShowWelcomeDlg + p.Music + p.Timer + p.Sound, 5);
    const std::int32_t window[] = {placement.Top, placement.Left, placement.Width, placement.Height,
                                   placement.MinMax};
    EXPECT_EQ(std::vector<std::int32_t>(std::begin(window), std::end(window)),
              (std::vector<std::int32_t>{0, 0, 640, 440, 0}));

    // GameNumber to RoundRobinScore, in the record's order.
    const std::int32_t factory[] = {9, 4, 1, 1, 50, 50, 50, 50, 20, 0, 1, 1, 0, 0, 0, 1, 1, 0, 0, 1, 1, 1, 0};
    static_assert(std::size(factory) == kGameSettingFieldCount);
    for (std::size_t i = 0; i < kGameSettingFieldCount; ++i) {
        EXPECT_EQ(GameSettings.*kGameSettingFields[i].Member, factory[i]) << kGameSettingFields[i].Name;
    }
    EXPECT_FALSE(KeyExists("Software\\Quillmoor"));
}

TEST_F(PreferencesTest, EveryFieldSurvivesASaveAndALoad) {
    PreferencesRecord& p = Preferences;
    std::strcpy(p.FontName, "Comic Sans MS");
    p.FontSize = 13;
    p.ColorDepth = 16;
    p.GameSelection = 7;
    p.CurrentGame = 4;
    p.ForegroundColor = 0xFF123456; // a non-zero top byte is kept as it is
    p.BackgroundColor = 0x00654321;
    p.LayoutVertical = 1;
    p.ShowRulesDlg = p.ShowWelcomeDlg = p.Music = p.Timer = p.Sound = 0;
    for (std::size_t i = 0; i < kGameSettingFieldCount; ++i) {
        GameSettings.*kGameSettingFields[i].Member = 1000 + static_cast<std::int32_t>(i) * (i % 2 ? -1 : 1);
    }
    const PreferencesRecord savedPreferences = Preferences;
    const GameSettingsRecord savedSettings = GameSettings;
    SavePreferences(WindowPlacement{-20, 30, 800, 600, WindowPlacement::kMaximised});

    // Twelve numbers of the preferences, the face name, the settings and the placement.
    DWORD values = 0;
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                     nullptr, nullptr);
    RegCloseKey(key);
    EXPECT_EQ(values, 12 + 1 + kGameSettingFieldCount + 5);
    EXPECT_EQ(StoredType(kKey, "FontName"), static_cast<DWORD>(REG_SZ));

    const WindowPlacement placement = Load();
    EXPECT_STREQ(Preferences.FontName, savedPreferences.FontName);
    constexpr std::size_t numbers = offsetof(PreferencesRecord, FontSize);
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&Preferences) + numbers,
                          reinterpret_cast<const char*>(&savedPreferences) + numbers,
                          sizeof Preferences - numbers),
              0);
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
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "Sound", "off"));
    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "TimeLimit", -3));
    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "FontSize", 0));
    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "FontName", 12));
    Load();
    EXPECT_STREQ(Preferences.FontName, "Arial");
    EXPECT_EQ(GameSettings.TargetCount, 50);
    EXPECT_EQ(Preferences.Sound, 1);
    EXPECT_EQ(GameSettings.TimeLimit, -3); // used as it stands
    EXPECT_EQ(WordFontSize, 0);

    for (const std::string& face : {std::string(), std::string(600, 'F'), std::string(511, 'L')}) {
        ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "FontName", face.c_str()));
        Load();
        EXPECT_EQ(std::string(Preferences.FontName), face.size() == 511 ? face : "Arial") << face.size();
    }
}

} // namespace
