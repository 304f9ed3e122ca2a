#include "rules/GameSettings.h"
#include "store/GameKey.h"
#include "store/Preferences.h"
#include "store/Registry.h"
#include "store/Statistics.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace {

const HKEY kUser = HKEY_CURRENT_USER;
const auto kStatistics = {"LatestScore", "GamesPlayed", "GamesWon",    "AverageScore",
                          "BestScore",   "WorstScore",  "GamesSkipped"};

// The DWORDs of these names read back raw, "-" for one that is missing or of another type.
std::string Stored(const char* path, std::initializer_list<const char*> names) {
    std::string text;
    for (const char* name : names) {
        std::int32_t value = 0;
        DWORD size = sizeof value;
        const bool found = RegGetValueA(kUser, path, name, RRF_RT_REG_DWORD, nullptr, &value, &size) == 0;
        text += (text.empty() ? "" : " ") + (found ? std::to_string(value) : "-");
    }
    return text;
}
// The bytes of a text value, "-" when it is missing or of another type.
std::string StoredText(const char* path, const char* name) {
    std::string bytes(1024, '\0');
    DWORD size = 1024;
    return RegGetValueA(kUser, path, name, RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, bytes.data(), &size) == 0
               ? bytes.substr(0, size)
               : "-";
}
bool KeyExists(const char* path) {
    HKEY key = nullptr;
    return RegOpenKeyExA(kUser, path, 0, KEY_READ, &key) == ERROR_SUCCESS && RegCloseKey(key) == 0;
}

// Each test has a registry of its own: HKEY_CURRENT_USER redirected to a fresh, empty key.
class StoreTest : public ::testing::Test {
protected:
    static constexpr char kRoot[] = "Software\\LexiblastStoreTests";
    void SetUp() override {
        RegDeleteTreeA(kUser, kRoot);
        ASSERT_EQ(RegCreateKeyExA(kUser, kRoot, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root_, nullptr), 0);
        ASSERT_EQ(RegOverridePredefKey(kUser, root_), ERROR_SUCCESS);
    }
    void TearDown() override {
        RegOverridePredefKey(kUser, nullptr);
        RegCloseKey(root_);
        RegDeleteTreeA(kUser, kRoot);
        SetGameKey(kGenericGameKey);
        Preferences = PreferencesRecord{};
        GameSettings = GameSettingsRecord{};
    }
    HKEY root_ = nullptr;
};

TEST_F(StoreTest, ValuesKeepTheirTypeAndSizeUnderAPathThatOnlyAWriteCreates) {
    EXPECT_EQ(ReadRegDword(kUser, kMainKey, "Sound", 7), 7);
    EXPECT_TRUE(WriteRegDword(kUser, kMainKey, "Sound", -5));
    EXPECT_TRUE(WriteRegString(kUser, kMainKey, "Name", ""));
    EXPECT_EQ(Stored(kMainKey, {"Sound"}), "-5");
    EXPECT_EQ(StoredText(kMainKey, "Name"), std::string(1, '\0'));
    char buffer[16] = "leftover";
    EXPECT_FALSE(ReadRegString(kUser, kMainKey, "Sound", buffer, sizeof buffer)) << "another type";
    EXPECT_STREQ(buffer, "");
    const std::uint64_t one = 1; // nor a number of another size
    RegSetKeyValueA(kUser, kMainKey, "AsBinary", REG_BINARY, &one, 4);
    RegSetKeyValueA(kUser, kMainKey, "ShortDword", REG_DWORD, &one, 2);
    for (const char* name : {"AsBinary", "ShortDword", "Name"}) {
        EXPECT_EQ(ReadRegDword(kUser, kMainKey, name, 42), 42) << name;
    }
}

// Loads after overwriting every field in memory, so that the load has to set each one.
WindowPlacement Load() {
    WindowPlacement placement{-9, -9, -9, -9, -9};
    std::memset(static_cast<void*>(&Preferences), 0x5A, sizeof Preferences);
    Preferences.FontName[sizeof Preferences.FontName - 1] = '\0';
    std::memset(static_cast<void*>(&GameSettings), 0x5A, sizeof GameSettings);
    LoadPreferences(placement);
    return placement;
}

// A fresh account: a 640 by 440 window at the top left, yellowish text on dark blue, Arial 24, sound
// and the welcome dialog on; a stored value wins over its default.
TEST_F(StoreTest, PreferencesStartFromTheDefaultsAndStoredValuesComeBack) {
    const WindowPlacement fresh = Load();
    EXPECT_FALSE(KeyExists("Software\\Quillmoor")) << "a load writes nothing";
    SavePreferences(fresh);
    EXPECT_EQ(Stored(kMainKey, {"Top", "Left", "Width", "Height", "MinMax", "FontSize", "Sound",
                                "ShowWelcomeDlg", "ForegroundColor", "BackgroundColor"}),
              "0 0 640 440 0 24 1 1 8454143 8388608"); // 0x0080FFFF, 0x00800000
    EXPECT_EQ(StoredText(kMainKey, "FontName"), std::string("Arial", 6));

    const std::int32_t size = 30;
    RegSetKeyValueA(kUser, kMainKey, "FontSize", REG_DWORD, &size, 4);
    Load();
    EXPECT_EQ(WordFontSize, 30);
    // A face name that is empty or does not fit with its zero in 512 bytes is Arial.
    for (const std::string& face : {std::string(), std::string(511, 'L'), std::string(512, 'F')}) {
        RegSetKeyValueA(kUser, kMainKey, "FontName", REG_SZ, face.c_str(),
                        static_cast<DWORD>(face.size() + 1));
        Load();
        EXPECT_EQ(std::string(Preferences.FontName), face.size() == 511 ? face : "Arial") << face.size();
    }
}

// End reasons: 1 completed and 4 time up are wins, 2 abandoned is not.
TEST_F(StoreTest, EachGameUpdatesTheStatisticsOfItsFamily) {
    RecordGame(1, 120);
    EXPECT_EQ(Stored(kGenericGameKey, kStatistics), "120 1 1 120 120 120 -");
    RecordGame(2, -7);
    EXPECT_EQ(Stored(kGenericGameKey, kStatistics), "-7 2 1 56 120 -7 -"); // average (120 - 7) / 2
    RecordGame(4, 121);
    EXPECT_EQ(Stored(kGenericGameKey, kStatistics), "121 3 2 77 121 -7 -"); // average (56 * 2 + 121) / 3
    AddSkippedGame();
    EXPECT_EQ(Stored(kGenericGameKey, kStatistics), "121 3 2 77 121 -7 1");
    ResetStatistics();
    EXPECT_EQ(Stored(kGenericGameKey, kStatistics), "121 0 0 0 0 0 0");
    RecordGame(2, -3); // the first game after a reset sets the best and the worst
    EXPECT_EQ(Stored(kGenericGameKey, kStatistics), "-3 1 0 -3 -3 -3 0");
}

TEST_F(StoreTest, OnlyAScoreAboveTheLowestEntryIsOfferedAndDuringTheTourItsSum) {
    EXPECT_EQ(CheckHighScore(1), std::nullopt); // no stored list: the lowest default entry is 1
    EXPECT_EQ(CheckHighScore(2), 2);
    RegSetKeyValueA(kUser, "Software\\Quillmoor\\Lexiblast\\Generic\\HighScores", "Score9", REG_SZ, "100", 4);
    EXPECT_EQ(CheckHighScore(100), std::nullopt);
    EXPECT_EQ(CheckHighScore(101), 101);

    // In the tour its sum competes against the nine-fold lowest default, and starts again from 0 either way.
    GameSettings.RoundRobin = 1;
    SetGameKey(kRoundRobinGameKey);
    for (const std::int32_t sum : {9, 10}) {
        GameSettings.RoundRobinScore = sum;
        EXPECT_EQ(CheckHighScore(5000), sum == 10 ? std::optional<std::int32_t>(10) : std::nullopt) << sum;
        EXPECT_EQ(GameSettings.RoundRobinScore, 0) << sum;
    }
}

} // namespace
