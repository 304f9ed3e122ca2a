#include "store/Preferences.h"
#include "PrivateRegistry.h"
#include "rules/GameSettings.h"
#include "store/Registry.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kKey[] = "Software\\Quillmoor\\Lexiblast";

std::vector<std::int32_t> Numbers(const WindowPlacement& p) {
    return {p.Top, p.Left, p.Width, p.Height, p.MinMax};
}

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
    EXPECT_EQ(Numbers(Load()), (std::vector<std::int32_t>{0, 0, 640, 440, 0}));
    const PreferencesRecord& p = Preferences;
    EXPECT_STREQ(p.FontName, "Arial");
    EXPECT_EQ(
        (std::vector<std::int64_t>{p.FontSize, WordFontSize, p.ColorDepth, p.GameSelection, p.CurrentGame,
                                   p.ForegroundColor, p.BackgroundColor, p.LayoutVertical, p.ShowRulesDlg,
                                   p.ShowWelcomeDlg, p.Music, p.Timer, p.Sound}),
        (std::vector<std::int64_t>{24, 24, 32, 0, 0, 0x0080FFFF, 0x00800000, 0, 1, 1, 1, 1, 1}));
    // GameNumber to RoundRobinScore, in the record's order.
    const std::int32_t factory[] = {9, 4, 1, 1, 50, 50, 50, 50, 20, 0, 1, 1, 0, 0, 0, 1, 1, 0, 0, 1, 1, 1, 0};
    static_assert(std::size(factory) == kGameSettingFieldCount);
    for (std::size_t i = 0; i < kGameSettingFieldCount; ++i) {
        EXPECT_EQ(GameSettings.*kGameSettingFields[i].Member, factory[i]) << kGameSettingFields[i].Name;
    }
    EXPECT_FALSE(KeyExists("Software\\Quillmoor"));
}

TEST_F(PreferencesTest, EveryFieldSurvivesASaveAndALoad) {
    // A number of its own in every field, each with a non-zero top byte (kept as it is in colours).
    constexpr std::size_t numbers = offsetof(PreferencesRecord, FontSize);
    std::int32_t values[12];
    static_assert(sizeof values == sizeof(PreferencesRecord) - numbers);
    for (std::size_t i = 0; i < std::size(values); ++i) {
        values[i] = -1000 - static_cast<std::int32_t>(i);
    }
    std::memcpy(reinterpret_cast<char*>(&Preferences) + numbers, values, sizeof values);
    std::strcpy(Preferences.FontName, "Comic Sans MS");
    for (std::size_t i = 0; i < kGameSettingFieldCount; ++i) {
        GameSettings.*kGameSettingFields[i].Member = 1000 + static_cast<std::int32_t>(i);
    }
    const GameSettingsRecord savedSettings = GameSettings;
    SavePreferences(WindowPlacement{-20, 30, 800, 600, WindowPlacement::kMaximised});

    // Twelve numbers of the preferences, the face name, the settings and the placement.
    DWORD stored = 0;
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &stored, nullptr, nullptr,
                     nullptr, nullptr);
    RegCloseKey(key);
    EXPECT_EQ(stored, 12 + 1 + kGameSettingFieldCount + 5);
    EXPECT_EQ(StoredType(kKey, "FontName"), static_cast<DWORD>(REG_SZ));

    EXPECT_EQ(Numbers(Load()), (std::vector<std::int32_t>{-20, 30, 800, 600, 2}));
    EXPECT_STREQ(Preferences.FontName, "Comic Sans MS");
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&Preferences) + numbers, values, sizeof values), 0);
    EXPECT_TRUE(GameSettings == savedSettings);
    EXPECT_EQ(WordFontSize, -1000);
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
