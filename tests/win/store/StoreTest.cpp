#include "rules/GameSettings.h"
#include "store/GameKey.h"
#include "store/Preferences.h"
#include "store/Registry.h"
#include "store/Statistics.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kKey[] = "Software\\Quillmoor\\Lexiblast";

// Gives each test a registry of its own: HKEY_CURRENT_USER is redirected to a fresh, empty key for
// the length of the test, and that key is deleted afterwards.
class PrivateRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        Path = std::string("Software\\LexiblastTests\\") + test->test_suite_name() + "." + test->name() +
               "." + std::to_string(GetCurrentProcessId());
        RegDeleteTreeA(HKEY_CURRENT_USER, Path.c_str());
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &Root, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, Root), ERROR_SUCCESS);
        ASSERT_FALSE(KeyExists("Software\\LexiblastTests")); // the redirection holds
    }

    void TearDown() override {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(Root);
        RegDeleteTreeA(HKEY_CURRENT_USER, Path.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\LexiblastTests"); // only once it is empty
    }

    static bool KeyExists(const char* path) {
        HKEY key = nullptr;
        return RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) == ERROR_SUCCESS &&
               RegCloseKey(key) == ERROR_SUCCESS;
    }

    // Stores raw bytes, bypassing the program's own functions.
    static void StoreRaw(const char* path, const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    // The type of a stored value (REG_NONE when it is missing) and its size in bytes.
    static DWORD StoredType(const char* path, const char* name, DWORD& size) {
        DWORD type = REG_NONE;
        const LSTATUS found =
            RegGetValueA(HKEY_CURRENT_USER, path, name, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size);
        return found == ERROR_SUCCESS ? type : REG_NONE;
    }

    HKEY Root = nullptr;
    std::string Path;
};

using RegistryTest = PrivateRegistry;

TEST_F(RegistryTest, ReadsOfAMissingKeyFallBackAndWritesCreateTheWholePath) {
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Sound", 7), 7);
    char buffer[16] = "leftover";
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "FontName", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(KeyExists("Software\\Quillmoor"));

    EXPECT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "Score", -5));
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Score", 0), -5);
    DWORD size = 0;
    EXPECT_EQ(StoredType(kKey, "Score", size), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(size, 4u);
    // The empty string is stored as its terminator alone and reads back as itself.
    EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, "Software\\Elsewhere\\Deep", "Name", ""));
    EXPECT_EQ(StoredType("Software\\Elsewhere\\Deep", "Name", size), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 1u);
    std::strcpy(buffer, "leftover");
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, "Software\\Elsewhere\\Deep", "Name", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
}

TEST_F(RegistryTest, ValuesOfAnotherTypeOrSizeAreNotAccepted) {
    StoreRaw(kKey, "AsText", REG_SZ, "12", 3);
    const BYTE four[4] = {1, 0, 0, 0};
    StoreRaw(kKey, "AsBinary", REG_BINARY, four, sizeof four);
    StoreRaw(kKey, "ShortDword", REG_DWORD, four, 2);
    const std::uint64_t wide = 3;
    StoreRaw(kKey, "AsQword", REG_QWORD, &wide, sizeof wide);
    for (const char* name : {"AsText", "AsBinary", "ShortDword", "AsQword"}) {
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, name, 42), 42) << name;
    }
}

TEST_F(RegistryTest, StringsThatDoNotFitAreRefusedWithoutOverrun) {
    // The buffer under test is the first 256 bytes; the 16 guard bytes after it must stay untouched.
    char buffer[256 + 16];
    std::memset(buffer, '#', sizeof buffer);
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "Long", std::string(300, 'x').c_str()));
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "Long", buffer, 256));
    EXPECT_EQ(buffer[0], '\0');
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "Exact", std::string(255, 'e').c_str()));
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kKey, "Exact", buffer, 256));
    EXPECT_EQ(std::string(buffer), std::string(255, 'e'));

    // Texts stored without their terminating zero (the byte after them is not zero either, so the
    // registry cannot add one on its own).
    const std::string source(300, 'u');
    StoreRaw(kKey, "Unterminated", REG_SZ, source.data(), 3);
    StoreRaw(kKey, "UnterminatedFull", REG_SZ, source.data(), 256);
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kKey, "Unterminated", buffer, 256));
    EXPECT_STREQ(buffer, "uuu");
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "UnterminatedFull", buffer, 256));
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(std::string(buffer + 256, 16), std::string(16, '#'));

    buffer[0] = '#'; // no room at all, not even for the zero
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "Unterminated", buffer, 0));
    EXPECT_EQ(buffer[0], '#');
}

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

    EXPECT_EQ(Numbers(Load()), (std::vector<std::int32_t>{-20, 30, 800, 600, 2}));
    EXPECT_STREQ(Preferences.FontName, "Comic Sans MS");
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&Preferences) + numbers, values, sizeof values), 0);
    EXPECT_TRUE(GameSettings == savedSettings);
    EXPECT_EQ(WordFontSize, -1000);
}

TEST_F(PreferencesTest, OddStoredValuesFallBackOneByOne) {
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "TargetCount", "75"));
    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "TimeLimit", -3));
    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "FontSize", 0));
    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "FontName", 12));
    Load();
    EXPECT_STREQ(Preferences.FontName, "Arial"); // a number where text belongs
    EXPECT_EQ(GameSettings.TargetCount, 50);     // text where a number belongs
    EXPECT_EQ(GameSettings.TimeLimit, -3);       // used as it stands
    EXPECT_EQ(WordFontSize, 0);

    for (const std::string& face : {std::string(), std::string(600, 'F'), std::string(511, 'L')}) {
        ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "FontName", face.c_str()));
        Load();
        EXPECT_EQ(std::string(Preferences.FontName), face.size() == 511 ? face : "Arial") << face.size();
    }
}

class StatisticsTest : public PrivateRegistry {
protected:
    void SetUp() override {
        PrivateRegistry::SetUp();
        GameSettings = GameSettingsRecord{};
        SetGameKey(kGenericGameKey);
        SetHighScoreEntry([this](HWND, std::int32_t score) { Offered.push_back(score); });
    }
    void TearDown() override {
        SetHighScoreEntry(nullptr);
        SetGameKey(kGenericGameKey);
        GameSettings = GameSettingsRecord{};
        PrivateRegistry::TearDown();
    }

    std::vector<std::int32_t> Offered;
};

TEST_F(StatisticsTest, GamesSkipsAndResetsUpdateTheStatisticsOfTheirFamily) {
    RecordGame(EndCompleted, 120);
    EXPECT_EQ(ReadStatistics(kGenericGameKey), (PlayerStatistics{120, 1, 1, 120, 120, 120}));
    RecordGame(EndAbandoned, -7);
    EXPECT_EQ(ReadStatistics(kGenericGameKey), (PlayerStatistics{-7, 2, 1, 56, 120, -7}));
    RecordGame(EndTimeUp, 10);
    EXPECT_EQ(ReadStatistics(kGenericGameKey).GamesWon, 2);
    AddSkippedGame();
    ResetStatistics();
    EXPECT_EQ(ReadStatistics(kGenericGameKey), (PlayerStatistics{10, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kGenericGameKey, "GamesSkipped", -1), 0);
    RecordGame(EndAbandoned, 50); // the first game after a reset: best and worst alike
    EXPECT_EQ(ReadStatistics(kGenericGameKey), (PlayerStatistics{50, 1, 0, 50, 50, 50}));

    SetGameKey(kRoundRobinGameKey);
    AddSkippedGame();
    AddSkippedGame();
    RecordGame(EndAbandoned, -3); // the first game of this family, over the missing-value defaults
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kRoundRobinGameKey, "GamesSkipped", -1), 2);
    EXPECT_EQ(ReadStatistics(kRoundRobinGameKey), (PlayerStatistics{-3, 1, 0, -3, -3, -3}));
    EXPECT_EQ(ReadStatistics(kGenericGameKey).GamesPlayed, 1);

    // The tour's start clears the stage statistics whichever family is current.
    SetGameKey(kGenericGameKey);
    ResetStatistics(kRoundRobinGameKey);
    EXPECT_EQ(ReadStatistics(kRoundRobinGameKey), (PlayerStatistics{-3, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ReadStatistics(kGenericGameKey).GamesPlayed, 1);

    EXPECT_FALSE(SetGameKey(std::string(kGameKeySize, 'k').c_str()));
    EXPECT_STREQ(GameKey(), kGenericGameKey);
}

TEST_F(StatisticsTest, HighScoreCheckAgainstTheLowestEntry) {
    EXPECT_FALSE(CheckHighScore(nullptr, 1)); // no stored list: the lowest default entry is 1
    EXPECT_TRUE(CheckHighScore(nullptr, 2));

    const std::string list = std::string(kGenericGameKey) + "\\HighScores";
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, list.c_str(), "Score9", "100"));
    EXPECT_FALSE(CheckHighScore(nullptr, 100));
    EXPECT_TRUE(CheckHighScore(nullptr, 101));
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, list.c_str(), "Score9", "not a number"));
    EXPECT_TRUE(CheckHighScore(nullptr, 1));
    EXPECT_EQ(Offered, (std::vector<std::int32_t>{2, 101, 1}));

    SetHighScoreEntry(nullptr); // without an installed dialog the check still reports
    EXPECT_TRUE(CheckHighScore(nullptr, 500));
}

TEST_F(StatisticsTest, TheTourAddsUpItsScoresAndOffersTheSumOnce) {
    GameSettings.RoundRobin = 1;
    SetGameKey(kRoundRobinGameKey);
    for (const std::int32_t score : {120, -5, 300}) {
        RecordGame(EndCompleted, score);
    }
    EXPECT_EQ(GameSettings.RoundRobinScore, 415);

    // The sum competes against the nine-fold default and starts again from 0 either way.
    GameSettings.RoundRobinScore = 9;
    EXPECT_FALSE(CheckHighScore(nullptr, 5000));
    EXPECT_EQ(GameSettings.RoundRobinScore, 0);
    GameSettings.RoundRobinScore = 10;
    EXPECT_TRUE(CheckHighScore(nullptr, -5000));
    EXPECT_EQ(Offered, std::vector<std::int32_t>{10});
    EXPECT_EQ(GameSettings.RoundRobinScore, 0);

    // Outside the tour the sum is left alone.
    GameSettings.RoundRobin = 0;
    GameSettings.RoundRobinScore = 77;
    RecordGame(EndCompleted, 1000);
    CheckHighScore(nullptr, 3);
    EXPECT_EQ(GameSettings.RoundRobinScore, 77);
}

} // namespace
