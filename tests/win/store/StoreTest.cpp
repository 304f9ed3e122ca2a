#include "rules/GameSettings.h"
#include "store/GameKey.h"
#include "store/Preferences.h"
#include "store/Registry.h"
#include "store/Statistics.h"
#include "support/ImportHook.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr char kKey[] = "Software\\Quillmoor\\Lexiblast";
constexpr char kGeneric[] = "Software\\Quillmoor\\Lexiblast\\Generic";
constexpr char kTour[] = "Software\\Quillmoor\\Lexiblast\\RoundRobin";

// Gives each test a registry of its own: HKEY_CURRENT_USER is redirected to a fresh, empty key for
// the length of the test, and that key is deleted afterwards.
class PrivateRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        Path = "Software\\LexiblastTests\\" + std::to_string(GetCurrentProcessId());
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

    // The bytes of a value stored with this type, read without the program's own functions; nothing
    // when it is missing or of another type.
    static std::optional<std::string> Stored(const char* path, const char* name, DWORD type) {
        std::string bytes(1024, '\0');
        DWORD found = REG_NONE;
        DWORD size = static_cast<DWORD>(bytes.size());
        if (RegGetValueA(HKEY_CURRENT_USER, path, name, RRF_RT_ANY | RRF_NOEXPAND, &found, bytes.data(),
                         &size) != ERROR_SUCCESS ||
            found != type) {
            return std::nullopt;
        }
        return bytes.substr(0, size);
    }
    static void StoreDword(const char* path, const char* name, std::int32_t value) {
        StoreRaw(path, name, REG_DWORD, &value, sizeof value);
    }
    static std::optional<std::int32_t> StoredDword(const char* path, const char* name) {
        std::int32_t value = 0;
        DWORD size = sizeof value;
        return RegGetValueA(HKEY_CURRENT_USER, path, name, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
                       ERROR_SUCCESS
                   ? std::optional(value)
                   : std::nullopt;
    }

    HKEY Root = nullptr;
    std::string Path;
};

using RegistryTest = PrivateRegistry;

TEST_F(RegistryTest, ValuesKeepTheirTypeAndSizeUnderAPathThatOnlyAWriteCreates) {
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Sound", 7), 7);
    char buffer[16] = "leftover";
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "FontName", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(KeyExists("Software\\Quillmoor"));

    EXPECT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "Sound", -5));
    EXPECT_EQ(Stored(kKey, "Sound", REG_DWORD), std::string("\xFB\xFF\xFF\xFF", 4));
    EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, "Software\\Elsewhere\\Deep", "Name", ""));
    EXPECT_EQ(Stored("Software\\Elsewhere\\Deep", "Name", REG_SZ), std::string(1, '\0'));
    EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "FontName", "Arial"));
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kKey, "FontName", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "Arial");

    // Neither read takes a value of another type, nor a number of another size.
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "Sound", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
    const std::uint64_t four = 1;
    StoreRaw(kKey, "AsBinary", REG_BINARY, &four, 4);
    StoreRaw(kKey, "ShortDword", REG_DWORD, &four, 2);
    StoreRaw(kKey, "AsQword", REG_QWORD, &four, 8);
    for (const char* name : {"FontName", "AsBinary", "ShortDword", "AsQword"}) {
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, name, 42), 42) << name;
    }
}

TEST_F(RegistryTest, ATextReadFitsWithItsZeroOrNotAtAll) {
    // Texts of x read into a buffer of 256 bytes. Those stored without their zero are followed by
    // another x, so the registry cannot add one on its own: terminated when there is room for it.
    struct Case {
        DWORD Characters;
        bool StoredWithZero;
        bool Fits;
    };
    const Case cases[] = {
        {255, true, true}, {256, true, false}, {3, false, true}, {255, false, true}, {256, false, false}};
    const std::string x(300, 'x');
    char buffer[256 + 16]; // 16 guard bytes after the buffer under test
    std::memset(buffer, '#', sizeof buffer);
    for (const Case& c : cases) {
        const char* text = c.StoredWithZero ? x.c_str() + x.size() - c.Characters : x.data();
        StoreRaw(kKey, "Text", REG_SZ, text, c.Characters + (c.StoredWithZero ? 1 : 0));
        buffer[0] = '#';
        EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, "Text", buffer, 256), c.Fits) << c.Characters;
        EXPECT_EQ(std::string(buffer), std::string(c.Fits ? c.Characters : 0, 'x')) << c.Characters;
    }
    EXPECT_EQ(std::string(buffer + 256, 16), std::string(16, '#'));

    buffer[0] = '#'; // no room at all, not even for the zero
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "Text", buffer, 0));
    EXPECT_EQ(buffer[0], '#');
}

// Watches every key the program opens or creates, and every key it closes.
struct KeySpy {
    static inline int Calls = 0;
    static inline std::vector<HKEY> Opened, Closed;
    static inline KeySpy* Self;

    static LSTATUS Note(LSTATUS status, HKEY* key) {
        ++Calls;
        if (status == ERROR_SUCCESS) {
            Opened.push_back(*key);
        }
        return status;
    }
    static LSTATUS WINAPI Open(HKEY root, LPCSTR path, DWORD options, REGSAM access, PHKEY key) {
        return Note(Self->open.Original()(root, path, options, access, key), key);
    }
    static LSTATUS WINAPI Create(HKEY root, LPCSTR path, DWORD reserved, LPSTR keyClass, DWORD options,
                                 REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY key,
                                 LPDWORD disposition) {
        return Note(Self->create.Original()(root, path, reserved, keyClass, options, access, security, key,
                                            disposition),
                    key);
    }
    static LSTATUS WINAPI Close(HKEY key) {
        Closed.push_back(key);
        return Self->close.Original()(key);
    }

    KeySpy() { Self = this; }
    bool Installed() const { return open.Installed() && create.Installed() && close.Installed(); }

    ImportHook<decltype(&RegOpenKeyExA)> open{"advapi32.dll", "RegOpenKeyExA", Open};
    ImportHook<decltype(&RegCreateKeyExA)> create{"advapi32.dll", "RegCreateKeyExA", Create};
    ImportHook<decltype(&RegCloseKey)> close{"advapi32.dll", "RegCloseKey", Close};
};

TEST_F(RegistryTest, EveryKeyOpenedIsClosedOnEveryPath) {
    WriteRegString(HKEY_CURRENT_USER, kKey, "Text", "12");
    WriteRegString(HKEY_CURRENT_USER, kKey, "Long", std::string(300, 'x').c_str());
    WriteRegDword(HKEY_CURRENT_USER, kKey, "Number", 3);
    char text[256];
    KeySpy spy;
    ASSERT_TRUE(spy.Installed());
    for (const char* name : {"Number", "Text", "Missing"}) {
        ReadRegDword(HKEY_CURRENT_USER, kKey, name, 0);
        ReadRegString(HKEY_CURRENT_USER, kKey, name, text, sizeof text);
    }
    ReadRegString(HKEY_CURRENT_USER, kKey, "Long", text, sizeof text);
    ReadRegDword(HKEY_CURRENT_USER, "Software\\Nowhere", "Number", 0);
    ReadRegString(HKEY_CURRENT_USER, "Software\\Nowhere", "Text", text, sizeof text);
    WriteRegDword(HKEY_CURRENT_USER, kKey, "Number", 4);
    WriteRegString(HKEY_CURRENT_USER, kKey, "Text", "34");

    // One key per call: seven reads and two writes found their key, two reads did not.
    EXPECT_EQ(KeySpy::Calls, 11);
    EXPECT_EQ(KeySpy::Opened.size(), 9u);
    std::sort(KeySpy::Opened.begin(), KeySpy::Opened.end());
    std::sort(KeySpy::Closed.begin(), KeySpy::Closed.end());
    EXPECT_EQ(KeySpy::Closed, KeySpy::Opened);
}

// Every value of the program's key but FontName, the field it loads into and its default (the
// colours: yellowish 255, 255, 128 and dark blue 0, 0, 128).
WindowPlacement Placement;
struct Value {
    const char* Name;
    void* Field; // a signed 32-bit number or a colour
    std::int32_t Default;
};
// clang-format off
const Value kValues[] = {
    {"GameNumber", &GameSettings.GameNumber, 9}, {"EndGameCondition", &GameSettings.EndGameCondition, 4},
    {"GenerateWords", &GameSettings.GenerateWords, 1}, {"GenerateFakes", &GameSettings.GenerateFakes, 1},
    {"TargetCount", &GameSettings.TargetCount, 50}, {"TimeLimit", &GameSettings.TimeLimit, 50},
    {"WordLifespan", &GameSettings.WordLifespan, 50}, {"FakeWordProbab", &GameSettings.FakeWordProbab, 50},
    {"AddWordInterval", &GameSettings.AddWordInterval, 20}, {"RandomFonts", &GameSettings.RandomFonts, 0},
    {"PenalizeMistakes", &GameSettings.PenalizeMistakes, 1}, {"PowerUps", &GameSettings.PowerUps, 1},
    {"FadeWords", &GameSettings.FadeWords, 0}, {"AnimateWords", &GameSettings.AnimateWords, 0},
    {"ExpireMistakes", &GameSettings.ExpireMistakes, 0}, {"AdjustLifespan", &GameSettings.AdjustLifespan, 1},
    {"HandicapSpeed", &GameSettings.HandicapSpeed, 1}, {"RoundRobin", &GameSettings.RoundRobin, 0},
    {"PrefillDeadRects", &GameSettings.PrefillDeadRects, 0},
    {"ScoreBogusWords", &GameSettings.ScoreBogusWords, 1},
    {"ScoreValidWords", &GameSettings.ScoreValidWords, 1}, {"AddWordsFaster", &GameSettings.AddWordsFaster, 1},
    {"RoundRobinScore", &GameSettings.RoundRobinScore, 0}, {"FontSize", &Preferences.FontSize, 24},
    {"ColorDepth", &Preferences.ColorDepth, 32}, {"GameSelection", &Preferences.GameSelection, 0},
    {"CurrentGame", &Preferences.CurrentGame, 0}, {"ForegroundColor", &Preferences.ForegroundColor, 0x0080FFFF},
    {"BackgroundColor", &Preferences.BackgroundColor, 0x00800000},
    {"LayoutVertical", &Preferences.LayoutVertical, 0}, {"ShowRulesDlg", &Preferences.ShowRulesDlg, 1},
    {"ShowWelcomeDlg", &Preferences.ShowWelcomeDlg, 1}, {"Music", &Preferences.Music, 1},
    {"Timer", &Preferences.Timer, 1}, {"Sound", &Preferences.Sound, 1}, {"Top", &Placement.Top, 0},
    {"Left", &Placement.Left, 0}, {"Width", &Placement.Width, 640}, {"Height", &Placement.Height, 440},
    {"MinMax", &Placement.MinMax, 0}};
// clang-format on
static_assert(sizeof(COLORREF) == sizeof(std::int32_t));

std::int32_t In(const Value& value) {
    std::int32_t number = 0;
    std::memcpy(&number, value.Field, sizeof number);
    return number;
}

class PreferencesTest : public PrivateRegistry {
protected:
    void TearDown() override {
        Preferences = PreferencesRecord{};
        GameSettings = GameSettingsRecord{};
        PrivateRegistry::TearDown();
    }

    // Loads after overwriting every field in memory, so that the load has to set each one.
    static void Load() {
        std::memset(static_cast<void*>(&Placement), 0x5A, sizeof Placement);
        std::memset(static_cast<void*>(&Preferences), 0x5A, sizeof Preferences);
        Preferences.FontName[sizeof Preferences.FontName - 1] = '\0';
        std::memset(static_cast<void*>(&GameSettings), 0x5A, sizeof GameSettings);
        WordFontSize = -1;
        LoadPreferences(Placement);
    }
};

TEST_F(PreferencesTest, AnEmptyRegistryLoadsTheDefaultsWhichASaveStoresByName) {
    Load();
    for (const Value& value : kValues) {
        EXPECT_EQ(In(value), value.Default) << value.Name;
    }
    EXPECT_STREQ(Preferences.FontName, "Arial");
    EXPECT_FALSE(KeyExists("Software\\Quillmoor"));

    SavePreferences(Placement);
    for (const Value& value : kValues) {
        EXPECT_EQ(StoredDword(kKey, value.Name), value.Default) << value.Name;
    }
    EXPECT_EQ(Stored(kKey, "FontName", REG_SZ), std::string("Arial", 6));
}

TEST_F(PreferencesTest, EachValueLoadsIntoItsOwnFieldAndIsSavedFromIt) {
    // A number of its own for every value, each with a non-zero top byte (kept as it is in colours).
    const auto own = [](const Value& value) { return -1000 - static_cast<std::int32_t>(&value - kValues); };
    for (const Value& value : kValues) {
        StoreDword(kKey, value.Name, own(value));
    }
    StoreRaw(kKey, "FontName", REG_SZ, "Comic Sans MS", 14);
    Load();
    for (const Value& value : kValues) {
        EXPECT_EQ(In(value), own(value)) << value.Name;
    }
    EXPECT_STREQ(Preferences.FontName, "Comic Sans MS");
    EXPECT_EQ(WordFontSize, Preferences.FontSize);

    ASSERT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillmoor"), ERROR_SUCCESS);
    SavePreferences(Placement);
    for (const Value& value : kValues) {
        EXPECT_EQ(StoredDword(kKey, value.Name), own(value)) << value.Name;
    }
    EXPECT_EQ(Stored(kKey, "FontName", REG_SZ), std::string("Comic Sans MS", 14));
}

TEST_F(PreferencesTest, AFaceNameThatIsNoTextOrDoesNotFitWithItsZeroIn512BytesIsArial) {
    for (const std::string& face : {std::string(), std::string(511, 'L'), std::string(512, 'F')}) {
        StoreRaw(kKey, "FontName", REG_SZ, face.c_str(), static_cast<DWORD>(face.size() + 1));
        Load();
        EXPECT_EQ(std::string(Preferences.FontName), face.size() == 511 ? face : "Arial") << face.size();
    }
}

class StatisticsTest : public PrivateRegistry {
protected:
    void SetUp() override {
        PrivateRegistry::SetUp();
        GameSettings = GameSettingsRecord{};
        SetHighScoreEntry([this](HWND, std::int32_t score) { Offered.push_back(score); });
    }
    void TearDown() override {
        SetHighScoreEntry(nullptr);
        SetGameKey(kGeneric);
        GameSettings = GameSettingsRecord{};
        PrivateRegistry::TearDown();
    }

    // LatestScore, GamesPlayed, GamesWon, AverageScore, BestScore and WorstScore, each read back by
    // its name.
    static void ExpectStatistics(const char* key, const std::vector<std::int32_t>& expected) {
        const char* names[] = {"LatestScore",  "GamesPlayed", "GamesWon",
                               "AverageScore", "BestScore",   "WorstScore"};
        for (std::size_t i = 0; i < std::size(names); ++i) {
            EXPECT_EQ(StoredDword(key, names[i]), expected[i]) << names[i];
        }
    }

    std::vector<std::int32_t> Offered;
};

// End reasons: 1 completed and 4 time up are wins, 2 abandoned is not.
TEST_F(StatisticsTest, EachGameUpdatesTheStatisticsOfItsFamily) {
    EXPECT_STREQ(GameKey(), kGeneric);
    RecordGame(1, 120);
    ExpectStatistics(kGeneric, {120, 1, 1, 120, 120, 120});
    RecordGame(2, -7);
    ExpectStatistics(kGeneric, {-7, 2, 1, 56, 120, -7}); // average (120 - 7) / 2
    RecordGame(4, 121);
    ExpectStatistics(kGeneric, {121, 3, 2, 77, 121, -7}); // average (56 * 2 + 121) / 3

    AddSkippedGame();
    AddSkippedGame();
    EXPECT_EQ(StoredDword(kGeneric, "GamesSkipped"), 2);
    ResetStatistics();
    ExpectStatistics(kGeneric, {121, 0, 0, 0, 0, 0});
    EXPECT_EQ(StoredDword(kGeneric, "GamesSkipped"), 0);

    // The stages keep theirs apart; a reset clears the current family's, and the tour's start
    // clears the stages' whichever family is current.
    EXPECT_STREQ(kRoundRobinGameKey, kTour);
    ASSERT_TRUE(SetGameKey(kTour));
    RecordGame(1, 30);
    AddSkippedGame();
    EXPECT_EQ(StoredDword(kTour, "GamesPlayed"), 1);
    EXPECT_EQ(StoredDword(kTour, "GamesSkipped"), 1);
    EXPECT_EQ(StoredDword(kGeneric, "GamesPlayed"), 0);
    ResetStatistics(); // the current family
    EXPECT_EQ(StoredDword(kTour, "GamesSkipped"), 0);
    RecordGame(1, 30);
    SetGameKey(kGeneric);
    ResetStatistics(kTour);
    EXPECT_EQ(StoredDword(kTour, "GamesPlayed"), 0);
    EXPECT_FALSE(SetGameKey(std::string(kGameKeySize, 'k').c_str()));
    EXPECT_STREQ(GameKey(), kGeneric);

    // A damaged count of games starts the whole record afresh, the games won included.
    for (const std::int32_t damaged : {-1, std::numeric_limits<std::int32_t>::min()}) {
        StoreDword(kGeneric, "GamesPlayed", damaged);
        StoreDword(kGeneric, "GamesWon", damaged);
        RecordGame(damaged == -1 ? 2 : 1, 8);
        ExpectStatistics(kGeneric, {8, 1, damaged == -1 ? 0 : 1, 8, 8, 8});
    }
}

TEST_F(StatisticsTest, OnlyAScoreAboveTheLowestEntryIsOfferedAndDuringTheTourItsSum) {
    GameSettings.RoundRobinScore = 77; // outside the tour the sum is left alone
    RecordGame(1, 3);
    EXPECT_FALSE(CheckHighScore(nullptr, 1)); // no stored list: the lowest default entry is 1
    EXPECT_TRUE(CheckHighScore(nullptr, 2));
    StoreRaw("Software\\Quillmoor\\Lexiblast\\Generic\\HighScores", "Score9", REG_SZ, "100", 4);
    EXPECT_FALSE(CheckHighScore(nullptr, 100));
    EXPECT_TRUE(CheckHighScore(nullptr, 101));
    SetHighScoreEntry(nullptr); // without an installed dialog the check still reports
    EXPECT_TRUE(CheckHighScore(nullptr, 500));
    EXPECT_EQ(GameSettings.RoundRobinScore, 77);

    // Each tour game adds to the sum, which competes against the nine-fold lowest default and starts
    // again from 0 either way.
    SetHighScoreEntry([this](HWND, std::int32_t score) { Offered.push_back(score); });
    GameSettings.RoundRobin = 1;
    GameSettings.RoundRobinScore = 0;
    SetGameKey(kTour);
    RecordGame(1, 4);
    RecordGame(2, 5);
    EXPECT_EQ(GameSettings.RoundRobinScore, 9);
    EXPECT_FALSE(CheckHighScore(nullptr, 5000));
    EXPECT_EQ(GameSettings.RoundRobinScore, 0);
    RecordGame(4, 15);
    RecordGame(1, -5);
    EXPECT_TRUE(CheckHighScore(nullptr, -5000));
    EXPECT_EQ(GameSettings.RoundRobinScore, 0);
    EXPECT_EQ(Offered, (std::vector<std::int32_t>{2, 101, 10}));
}

} // namespace
