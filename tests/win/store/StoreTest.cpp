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
    static void StoreDword(const char* path, const char* name, std::int32_t value) {
        StoreRaw(path, name, REG_DWORD, &value, sizeof value);
    }

    // A stored value as the registry holds it (type REG_NONE when it is missing), read without the
    // program's own functions.
    struct Raw {
        DWORD Type = REG_NONE;
        std::string Bytes;
    };
    static Raw Stored(const char* path, const char* name) {
        Raw raw;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return raw;
        }
        DWORD size = 0;
        if (RegQueryValueExA(key, name, nullptr, &raw.Type, nullptr, &size) == ERROR_SUCCESS) {
            raw.Bytes.resize(size);
            RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(raw.Bytes.data()), &size);
        }
        RegCloseKey(key);
        return raw;
    }
    // The number stored under name when it is a REG_DWORD of four bytes; nothing otherwise.
    static std::optional<std::int32_t> StoredDword(const char* path, const char* name) {
        const Raw raw = Stored(path, name);
        if (raw.Type != REG_DWORD || raw.Bytes.size() != 4) {
            return std::nullopt;
        }
        std::int32_t value = 0;
        std::memcpy(&value, raw.Bytes.data(), 4);
        return value;
    }

    HKEY Root = nullptr;
    std::string Path;
};

using RegistryTest = PrivateRegistry;

TEST_F(RegistryTest, DwordsAreFourBytesUnderAPathThatOnlyAWriteCreates) {
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Sound", 7), 7);
    EXPECT_FALSE(KeyExists("Software\\Quillmoor"));
    EXPECT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "Sound", -5));
    EXPECT_EQ(Stored(kKey, "Sound").Type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(Stored(kKey, "Sound").Bytes, std::string("\xFB\xFF\xFF\xFF", 4));
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Sound", 7), -5);

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

TEST_F(RegistryTest, TextsAreStoredWithTheirTerminatingZero) {
    EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, "Software\\Elsewhere\\Deep", "Name", ""));
    EXPECT_EQ(Stored("Software\\Elsewhere\\Deep", "Name").Type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(Stored("Software\\Elsewhere\\Deep", "Name").Bytes, std::string(1, '\0'));
    EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "FontName", "Arial"));
    EXPECT_EQ(Stored(kKey, "FontName").Bytes, std::string("Arial", 6));

    char buffer[16] = "leftover";
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, "Software\\Elsewhere\\Deep", "Name", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
    for (const char* name : {"Missing", "Number"}) {
        WriteRegDword(HKEY_CURRENT_USER, kKey, "Number", 65);
        std::strcpy(buffer, "leftover");
        EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, name, buffer, sizeof buffer)) << name;
        EXPECT_STREQ(buffer, "") << name;
    }
}

TEST_F(RegistryTest, ATextReadFitsWithItsZeroOrNotAtAll) {
    // The buffer under test is the first 256 bytes; the 16 guard bytes after it must stay untouched.
    char buffer[256 + 16];
    std::memset(buffer, '#', sizeof buffer);
    const std::string x(300, 'x');
    StoreRaw(kKey, "Fits", REG_SZ, x.c_str() + 45, 256); // 255 characters and the zero
    StoreRaw(kKey, "OneTooLong", REG_SZ, x.c_str() + 44, 257);
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kKey, "Fits", buffer, 256));
    EXPECT_EQ(std::string(buffer), std::string(255, 'x'));
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "OneTooLong", buffer, 256));
    EXPECT_EQ(buffer[0], '\0');

    // Texts stored without their zero (the byte after them is not zero either, so the registry
    // cannot add one on its own): terminated when there is room for it.
    StoreRaw(kKey, "Bare3", REG_SZ, x.data(), 3);
    StoreRaw(kKey, "Bare255", REG_SZ, x.data(), 255);
    StoreRaw(kKey, "Bare256", REG_SZ, x.data(), 256);
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kKey, "Bare3", buffer, 256));
    EXPECT_STREQ(buffer, "xxx");
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kKey, "Bare255", buffer, 256));
    EXPECT_EQ(std::string(buffer), std::string(255, 'x'));
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "Bare256", buffer, 256));
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(std::string(buffer + 256, 16), std::string(16, '#'));

    buffer[0] = '#'; // no room at all, not even for the zero
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "Bare3", buffer, 0));
    EXPECT_EQ(buffer[0], '#');
}

// Watches every key the program opens, creates and closes, with the arguments it asks for.
struct KeySpy {
    struct Open {
        bool Created;
        HKEY Root;
        DWORD Options;
        REGSAM Access;
        std::optional<std::string> Class;
        bool DefaultSecurity;
    };
    static inline std::vector<Open> Calls;
    static inline std::vector<HKEY> Opened, Closed;
    static inline decltype(&RegOpenKeyExA) RealOpen;
    static inline decltype(&RegCreateKeyExA) RealCreate;
    static inline decltype(&RegCloseKey) RealClose;

    static LSTATUS WINAPI SpyOpen(HKEY root, LPCSTR path, DWORD options, REGSAM access, PHKEY result) {
        const LSTATUS status = RealOpen(root, path, options, access, result);
        Calls.push_back({false, root, options, access, std::nullopt, true});
        if (status == ERROR_SUCCESS) {
            Opened.push_back(*result);
        }
        return status;
    }
    static LSTATUS WINAPI SpyCreate(HKEY root, LPCSTR path, DWORD reserved, LPSTR keyClass, DWORD options,
                                    REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result,
                                    LPDWORD disposition) {
        const LSTATUS status =
            RealCreate(root, path, reserved, keyClass, options, access, security, result, disposition);
        Calls.push_back({true, root, options, access,
                         keyClass ? std::optional<std::string>(keyClass) : std::nullopt,
                         security == nullptr});
        if (status == ERROR_SUCCESS) {
            Opened.push_back(*result);
        }
        return status;
    }
    static LSTATUS WINAPI SpyClose(HKEY key) {
        Closed.push_back(key);
        return RealClose(key);
    }

    KeySpy() {
        Calls.clear();
        Opened.clear();
        Closed.clear();
        RealOpen = open.Original();
        RealCreate = create.Original();
        RealClose = close.Original();
    }
    static void ExpectRightsAskedFor() {
        for (const Open& call : Calls) {
            EXPECT_EQ(call.Root, HKEY_CURRENT_USER);
            EXPECT_EQ(call.Options, 0u); // REG_OPTION_NON_VOLATILE when creating
            // KEY_READ (0x20019) to read; KEY_WRITE (0x20006) to write.
            EXPECT_EQ(call.Access, call.Created ? 0x20006u : 0x20019u);
            EXPECT_EQ(call.Class, call.Created ? std::optional<std::string>("") : std::nullopt);
            EXPECT_TRUE(call.DefaultSecurity);
        }
    }
    bool Installed() const { return open.Installed() && create.Installed() && close.Installed(); }
    // Every handle that was opened or created, and every handle closed, each in order of value.
    static std::vector<HKEY> Sorted(std::vector<HKEY> keys) {
        std::sort(keys.begin(), keys.end());
        return keys;
    }

    ImportHook<decltype(&RegOpenKeyExA)> open{"advapi32.dll", "RegOpenKeyExA", SpyOpen};
    ImportHook<decltype(&RegCreateKeyExA)> create{"advapi32.dll", "RegCreateKeyExA", SpyCreate};
    ImportHook<decltype(&RegCloseKey)> close{"advapi32.dll", "RegCloseKey", SpyClose};
};

TEST_F(RegistryTest, EveryKeyOpenedIsClosedOnEveryPathWithTheRightsAskedFor) {
    WriteRegString(HKEY_CURRENT_USER, kKey, "Text", "12");
    WriteRegString(HKEY_CURRENT_USER, kKey, "Long", std::string(300, 'x').c_str());
    WriteRegDword(HKEY_CURRENT_USER, kKey, "Number", 3);
    char text[256];
    {
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
        EXPECT_EQ(KeySpy::Calls.size(), 11u);
        EXPECT_EQ(KeySpy::Opened.size(), 9u);
        EXPECT_EQ(KeySpy::Sorted(KeySpy::Closed), KeySpy::Sorted(KeySpy::Opened));
        KeySpy::ExpectRightsAskedFor();
    }

    // The same holds for whole loads, saves and statistics updates.
    WindowPlacement placement;
    KeySpy spy;
    LoadPreferences(placement);
    SavePreferences(placement);
    LoadPreferences(placement);
    RecordGame(1, 10);
    AddSkippedGame();
    CheckHighScore(nullptr, 5);
    ResetStatistics();
    EXPECT_GT(KeySpy::Opened.size(), 100u);
    EXPECT_EQ(KeySpy::Sorted(KeySpy::Closed), KeySpy::Sorted(KeySpy::Opened));
    KeySpy::ExpectRightsAskedFor();
    Preferences = PreferencesRecord{};
    GameSettings = GameSettingsRecord{};
}

// Every value of the program's key but FontName, the field it loads into and its default.
WindowPlacement Placement;
struct Value {
    const char* Name;
    void* Field; // a signed 32-bit number or a colour
    std::int32_t Default;
};
const Value kValues[] = {
    {"GameNumber", &GameSettings.GameNumber, 9},
    {"EndGameCondition", &GameSettings.EndGameCondition, 4},
    {"GenerateWords", &GameSettings.GenerateWords, 1},
    {"GenerateFakes", &GameSettings.GenerateFakes, 1},
    {"TargetCount", &GameSettings.TargetCount, 50},
    {"TimeLimit", &GameSettings.TimeLimit, 50},
    {"WordLifespan", &GameSettings.WordLifespan, 50},
    {"FakeWordProbab", &GameSettings.FakeWordProbab, 50},
    {"AddWordInterval", &GameSettings.AddWordInterval, 20},
    {"RandomFonts", &GameSettings.RandomFonts, 0},
    {"PenalizeMistakes", &GameSettings.PenalizeMistakes, 1},
    {"PowerUps", &GameSettings.PowerUps, 1},
    {"FadeWords", &GameSettings.FadeWords, 0},
    {"AnimateWords", &GameSettings.AnimateWords, 0},
    {"ExpireMistakes", &GameSettings.ExpireMistakes, 0},
    {"AdjustLifespan", &GameSettings.AdjustLifespan, 1},
    {"HandicapSpeed", &GameSettings.HandicapSpeed, 1},
    {"RoundRobin", &GameSettings.RoundRobin, 0},
    {"PrefillDeadRects", &GameSettings.PrefillDeadRects, 0},
    {"ScoreBogusWords", &GameSettings.ScoreBogusWords, 1},
    {"ScoreValidWords", &GameSettings.ScoreValidWords, 1},
    {"AddWordsFaster", &GameSettings.AddWordsFaster, 1},
    {"RoundRobinScore", &GameSettings.RoundRobinScore, 0},
    {"FontSize", &Preferences.FontSize, 24},
    {"ColorDepth", &Preferences.ColorDepth, 32},
    {"GameSelection", &Preferences.GameSelection, 0},
    {"CurrentGame", &Preferences.CurrentGame, 0},
    {"ForegroundColor", &Preferences.ForegroundColor, 0x0080FFFF}, // red 255, green 255, blue 128
    {"BackgroundColor", &Preferences.BackgroundColor, 0x00800000}, // blue 128
    {"LayoutVertical", &Preferences.LayoutVertical, 0},
    {"ShowRulesDlg", &Preferences.ShowRulesDlg, 1},
    {"ShowWelcomeDlg", &Preferences.ShowWelcomeDlg, 1},
    {"Music", &Preferences.Music, 1},
    {"Timer", &Preferences.Timer, 1},
    {"Sound", &Preferences.Sound, 1},
    {"Top", &Placement.Top, 0},
    {"Left", &Placement.Left, 0},
    {"Width", &Placement.Width, 640},
    {"Height", &Placement.Height, 440},
    {"MinMax", &Placement.MinMax, 0},
};
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
    EXPECT_EQ(WordFontSize, 24);
    EXPECT_FALSE(KeyExists("Software\\Quillmoor"));

    SavePreferences(Placement);
    for (const Value& value : kValues) {
        EXPECT_EQ(StoredDword(kKey, value.Name), value.Default) << value.Name;
    }
    EXPECT_EQ(Stored(kKey, "FontName").Type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(Stored(kKey, "FontName").Bytes, std::string("Arial", 6));
}

TEST_F(PreferencesTest, EachValueLoadsIntoItsOwnFieldAndIsSavedFromIt) {
    // A number of its own for every value, each with a non-zero top byte (kept as it is in colours).
    for (std::size_t i = 0; i < std::size(kValues); ++i) {
        StoreDword(kKey, kValues[i].Name, -1000 - static_cast<std::int32_t>(i));
    }
    StoreRaw(kKey, "FontName", REG_SZ, "Comic Sans MS", 14);
    Load();
    for (std::size_t i = 0; i < std::size(kValues); ++i) {
        EXPECT_EQ(In(kValues[i]), -1000 - static_cast<std::int32_t>(i)) << kValues[i].Name;
    }
    EXPECT_STREQ(Preferences.FontName, "Comic Sans MS");
    EXPECT_EQ(WordFontSize, Preferences.FontSize);

    ASSERT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillmoor"), ERROR_SUCCESS);
    SavePreferences(Placement);
    for (std::size_t i = 0; i < std::size(kValues); ++i) {
        EXPECT_EQ(StoredDword(kKey, kValues[i].Name), -1000 - static_cast<std::int32_t>(i))
            << kValues[i].Name;
    }
    EXPECT_EQ(Stored(kKey, "FontName").Bytes, std::string("Comic Sans MS", 14));
}

TEST_F(PreferencesTest, OddStoredValuesFallBackOneByOne) {
    StoreRaw(kKey, "TargetCount", REG_SZ, "75", 3);
    const BYTE four[4] = {75, 0, 0, 0};
    StoreRaw(kKey, "TimeLimit", REG_BINARY, four, sizeof four);
    StoreDword(kKey, "FontName", 12);
    StoreDword(kKey, "WordLifespan", 0);
    Load();
    EXPECT_EQ(GameSettings.TargetCount, 50);
    EXPECT_EQ(GameSettings.TimeLimit, 50);
    EXPECT_STREQ(Preferences.FontName, "Arial");
    EXPECT_EQ(GameSettings.WordLifespan, 0); // used as it stands

    // The face name's buffer holds 512 bytes, its zero included.
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

    std::vector<std::int32_t> Offered;
};

// End reasons: 1 completed and 4 time up are wins, 2 abandoned is not.
TEST_F(StatisticsTest, EachGameUpdatesTheStatisticsOfItsFamily) {
    EXPECT_STREQ(GameKey(), kGeneric);
    EXPECT_EQ(ReadStatistics(kGeneric).WorstScore, 1000); // the stand-in for a missing worst score
    RecordGame(1, 120);
    EXPECT_EQ(StoredDword(kGeneric, "LatestScore"), 120);
    EXPECT_EQ(StoredDword(kGeneric, "GamesPlayed"), 1);
    EXPECT_EQ(StoredDword(kGeneric, "GamesWon"), 1);
    EXPECT_EQ(StoredDword(kGeneric, "AverageScore"), 120);
    EXPECT_EQ(StoredDword(kGeneric, "BestScore"), 120);
    EXPECT_EQ(StoredDword(kGeneric, "WorstScore"), 120);
    RecordGame(2, -7);
    EXPECT_EQ(StoredDword(kGeneric, "LatestScore"), -7);
    EXPECT_EQ(StoredDword(kGeneric, "GamesPlayed"), 2);
    EXPECT_EQ(StoredDword(kGeneric, "GamesWon"), 1);
    EXPECT_EQ(StoredDword(kGeneric, "AverageScore"), 56); // (120 - 7) / 2
    EXPECT_EQ(StoredDword(kGeneric, "BestScore"), 120);
    EXPECT_EQ(StoredDword(kGeneric, "WorstScore"), -7);
    RecordGame(4, 121);
    EXPECT_EQ(StoredDword(kGeneric, "GamesPlayed"), 3);
    EXPECT_EQ(StoredDword(kGeneric, "GamesWon"), 2);
    EXPECT_EQ(StoredDword(kGeneric, "AverageScore"), 77); // (56 * 2 + 121) / 3
    EXPECT_EQ(StoredDword(kGeneric, "BestScore"), 121);

    AddSkippedGame();
    AddSkippedGame();
    EXPECT_EQ(StoredDword(kGeneric, "GamesSkipped"), 2);
    ResetStatistics();
    for (const char* name :
         {"GamesPlayed", "GamesSkipped", "GamesWon", "AverageScore", "BestScore", "WorstScore"}) {
        EXPECT_EQ(StoredDword(kGeneric, name), 0) << name;
    }
    EXPECT_EQ(StoredDword(kGeneric, "LatestScore"), 121);

    // The stages keep theirs apart; the tour's start clears them whichever family is current.
    EXPECT_STREQ(kGenericGameKey, kGeneric);
    EXPECT_STREQ(kRoundRobinGameKey, kTour);
    ASSERT_TRUE(SetGameKey(kTour));
    RecordGame(1, 30);
    AddSkippedGame();
    EXPECT_EQ(StoredDword(kTour, "GamesPlayed"), 1);
    EXPECT_EQ(StoredDword(kTour, "GamesSkipped"), 1);
    EXPECT_EQ(StoredDword(kGeneric, "GamesPlayed"), 0);
    SetGameKey(kGeneric);
    ResetStatistics(kTour);
    EXPECT_EQ(StoredDword(kTour, "GamesPlayed"), 0);
    EXPECT_FALSE(SetGameKey(std::string(kGameKeySize, 'k').c_str()));
    EXPECT_STREQ(GameKey(), kGeneric);
}

TEST_F(StatisticsTest, OnlyAScoreAboveTheLowestEntryIsOffered) {
    EXPECT_FALSE(CheckHighScore(nullptr, 1)); // no stored list: the lowest default entry is 1
    EXPECT_TRUE(CheckHighScore(nullptr, 2));
    StoreRaw("Software\\Quillmoor\\Lexiblast\\Generic\\HighScores", "Score9", REG_SZ, "100", 4);
    EXPECT_FALSE(CheckHighScore(nullptr, 100));
    EXPECT_TRUE(CheckHighScore(nullptr, 101));
    EXPECT_EQ(Offered, (std::vector<std::int32_t>{2, 101}));
    SetHighScoreEntry(nullptr); // without an installed dialog the check still reports
    EXPECT_TRUE(CheckHighScore(nullptr, 500));
}

TEST_F(StatisticsTest, TheTourAddsUpItsScoresAndOffersTheSumOnce) {
    GameSettings.RoundRobin = 1;
    SetGameKey(kTour);
    for (const std::int32_t score : {120, -5, 300}) {
        RecordGame(1, score);
    }
    EXPECT_EQ(GameSettings.RoundRobinScore, 415);

    // The sum competes against the nine-fold lowest default and starts again from 0 either way.
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
    RecordGame(1, 1000);
    CheckHighScore(nullptr, 3);
    EXPECT_EQ(GameSettings.RoundRobinScore, 77);
}

} // namespace
