// The application in-process: the real main window made by the program's own start-up from a
// prepared registry, played through its window procedure, dialogs answered as a player would.

#include "app/CGameApp.h"

#include "dialogs/DialogHelpers.h"
#include "dialogs/HighScoreDialog.h"
#include "game/CZapGame.h"
#include "rules/GameSettings.h"
#include "support/DialogDriver.h"
#include "support/ImportHook.h"
#include "words/Random.h"

#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr char kKey[] = "Software\\Quillmoor\\Lexiblast";
constexpr char kGeneric[] = "Software\\Quillmoor\\Lexiblast\\Generic";
constexpr char kTour[] = "Software\\Quillmoor\\Lexiblast\\RoundRobin";

// Timers started (window, id, period) and stopped (window, id, 0).
std::vector<std::tuple<HWND, UINT_PTR, UINT>> gTimers;
template <typename F>
F Real(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}
UINT_PTR WINAPI SpySetTimer(HWND window, UINT_PTR id, UINT period, TIMERPROC procedure) {
    gTimers.emplace_back(window, id, period);
    return Real<decltype(&SetTimer)>("SetTimer")(window, id, period, procedure);
}
BOOL WINAPI SpyKillTimer(HWND window, UINT_PTR id) {
    gTimers.emplace_back(window, id, 0);
    return Real<decltype(&KillTimer)>("KillTimer")(window, id);
}
BOOL WINAPI QuietPlaySound(LPCSTR, HMODULE, DWORD) {
    return TRUE;
}
BOOL WINAPI FarPointer(POINT* point) {
    *point = POINT{-1000, -1000};
    return TRUE;
}
bool TimerSeen(HWND window, UINT_PTR id, UINT period) {
    return std::find(gTimers.begin(), gTimers.end(), std::tuple{window, id, period}) != gTimers.end();
}

std::string Text(HWND window, int id = 0) {
    char text[1024] = "";
    id == 0 ? GetWindowTextA(window, text, sizeof text) : GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}
// What a dialog or message box showed: its caption and, for a message box, its text.
struct Seen {
    std::string caption, text;
};
// Notes what the dialog showed, clicks control `first` (or types `typed` into it), then the button.
DialogDriver::Action Press(int button, Seen* seen = nullptr, int first = 0, const char* typed = nullptr) {
    return [=](HWND dialog) {
        if (seen != nullptr) {
            *seen = Seen{Text(dialog), Text(dialog, 0xFFFF)};
        }
        typed != nullptr ? Type(dialog, first, typed) : first != 0 ? Click(dialog, first) : void();
        Click(dialog, button);
    };
}

void Store(const char* path, const char* name, std::int32_t value) {
    RegSetKeyValueA(HKEY_CURRENT_USER, path, name, REG_DWORD, &value, sizeof value);
}
// A stored value as text, a number in decimal; "" when there is none.
std::string Stored(const char* path, const char* name) {
    char data[256] = "";
    DWORD type = 0, size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, path, name, RRF_RT_REG_DWORD | RRF_RT_REG_SZ, &type, data, &size) !=
        0) {
        return "";
    }
    std::int32_t number = 0;
    std::memcpy(&number, data, sizeof number);
    return type == REG_DWORD ? std::to_string(number) : data;
}

// What the statistics under a game key hold, as "played/won/skipped latest", absent values as 0.
std::string Record(const char* key) {
    std::string record;
    for (const char* name : {"GamesPlayed", "GamesWon", "GamesSkipped", "LatestScore"}) {
        const std::string value = Stored(key, name);
        record += (record.empty() ? "" : name[0] == 'L' ? " " : "/") + (value.empty() ? "0" : value);
    }
    return record;
}

class AppTest : public ::testing::Test {
protected:
    std::unique_ptr<CGameApp> app;
    HWND window = nullptr;
    DialogDriver driver;
    ImportHook<decltype(&SpySetTimer)> setTimerHook{"user32.dll", "SetTimer", SpySetTimer};
    ImportHook<decltype(&SpyKillTimer)> killTimerHook{"user32.dll", "KillTimer", SpyKillTimer};
    ImportHook<decltype(&QuietPlaySound)> soundHook{"winmm.dll", "PlaySoundA", QuietPlaySound};
    ImportHook<decltype(&FarPointer)> pointerHook{"user32.dll", "GetCursorPos", FarPointer};

    void SetUp() override {
        saved_ = {GameSettings, Preferences};
        ClearRegistry();
        InstallHighScoreEntry();
    }
    void TearDown() override {
        Stop();
        RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
        std::tie(GameSettings, Preferences) = saved_;
    }
    static void ClearRegistry() {
        RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
        Store(kKey, "ShowWelcomeDlg", 0);
    }
    // The program's start-up on the prepared registry; draws are seeded afterwards.
    void Start() {
        Stop();
        app = std::make_unique<CGameApp>();
        app->RegisterWindowClass(GetModuleHandleA(nullptr));
        ASSERT_TRUE(app->CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL));
        window = app->Window;
        SeedRandom(1);
    }
    // The window gone and the queue empty, the quit message included.
    void Stop() {
        if (window != nullptr && IsWindow(window)) {
            DestroyWindow(window);
        }
        window = nullptr;
        for (MSG message{}; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) {
        }
        app.reset();
    }
    CZapGame& Zap() const { return dynamic_cast<CZapGame&>(*app->Game); }
    void Tick(int ticks = 1) {
        for (int i = 0; i < ticks; ++i) {
            SendMessageA(window, WM_TIMER, 205, 0);
        }
    }
    // Lets the running game end as when no room is left, with the given score.
    void FinishByNoRoom(std::int32_t score) {
        Zap().EndGameCondition = EndOnNoRoom;
        Zap().NextWordTicks = 0x7FFFFFFF;
        Zap().ScoreDisplay->Value = score;
        for (int i = 0; i < 500 && !app->GameEnded; ++i) {
            Tick();
        }
        ASSERT_TRUE(app->GameEnded);
    }
    // The command the application posted to its window, or -1.
    int PostedCommand() {
        MSG m{};
        return PeekMessageA(&m, window, WM_COMMAND, WM_COMMAND, PM_REMOVE) ? LOWORD(m.wParam) : -1;
    }
    void Command(int id) { SendMessageA(window, WM_COMMAND, id, 0); }

private:
    std::pair<GameSettingsRecord, PreferencesRecord> saved_;
};

TEST(FitPlacementTest, StoredPlacementsAreMovedOntoTheScreen) {
    struct Case {
        const char* name;
        WindowPlacement stored, fitted; // Top, Left, Width, Height
    } const cases[] = {
        {"left -5, top 10,000", {10000, -5, 640, 440, 0}, {0, 0, 640, 440, 0}},
        {"last corner that keeps an icon on screen", {992, 1248, 300, 300, 0}, {992, 1248, 300, 300, 0}},
        {"one pixel further", {993, 1249, 300, 300, 0}, {0, 0, 300, 300, 0}},
        {"width 100, height 255", {0, 0, 100, 255, 0}, {0, 0, 458, 458, 0}},
        {"smallest kept", {0, 0, 256, 256, 0}, {0, 0, 256, 256, 0}},
        {"as large as the screen", {0, 0, 1280, 1024, 0}, {0, 0, 1280, 1024, 0}},
        {"larger than the screen", {0, 0, 1281, 1025, 0}, {0, 0, 640, 440, 0}},
    };
    for (const Case& c : cases) {
        WindowPlacement p = c.stored;
        FitPlacement(p, 1280, 1024, 32, 32);
        EXPECT_EQ(p.Left, c.fitted.Left) << c.name;
        EXPECT_EQ(p.Top, c.fitted.Top) << c.name;
        EXPECT_EQ(p.Width, c.fitted.Width) << c.name;
        EXPECT_EQ(p.Height, c.fitted.Height) << c.name;
    }
}

TEST_F(AppTest, WindowOpensFittedMaximisedOnlyForMinMaxTwoAndKeepsItsSmallestSize) {
    Store(kKey, "Left", -5);
    Store(kKey, "Top", 10000);
    Store(kKey, "Width", 100);
    for (const std::int32_t minMax : {2, 1}) {
        Store(kKey, "MinMax", minMax);
        Start();
        EXPECT_EQ(IsZoomed(window) != FALSE, minMax == 2) << "MinMax " << minMax;
        app->GameEnded = true; // closes without a question
        SendMessageA(window, WM_CLOSE, 0, 0);
        const std::string saved = Stored(kKey, "Left") + "," + Stored(kKey, "Top") + " " +
                                  Stored(kKey, "Width") + " wide, MinMax " + Stored(kKey, "MinMax");
        EXPECT_EQ(saved, minMax == 2 ? "0,0 458 wide, MinMax 2" : "0,0 458 wide, MinMax 0") << minMax;
    }
    Start();
    EXPECT_EQ(Text(window), "Lexiblast");
    EXPECT_EQ(CurrentTitleId, 453u) << "a custom game";
    EXPECT_NE(GetPropA(window, "LexiblastFirstFrameMs"), nullptr) << "start-up time kept at the first frame";

    // Dragged smaller, the window stops at a client area of 256 by 256, the menu bar apart.
    SetWindowPos(window, nullptr, 0, 0, 1, 1, SWP_NOZORDER | SWP_NOMOVE);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 256);
    EXPECT_EQ(client.bottom, 256);
}

TEST_F(AppTest, FocusMenusAndDialogsStopAndRestartTheClocks) {
    Start();
    gTimers.clear();
    SendMessageA(window, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(Text(window), "Lexiblast - Paused");
    EXPECT_TRUE(TimerSeen(window, 202, 0)) << "one-second clock stopped";
    EXPECT_TRUE(TimerSeen(window, 205, 0)) << "game clock stopped";
    gTimers.clear();
    SendMessageA(window, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(Text(window), "Lexiblast");
    EXPECT_TRUE(TimerSeen(window, 202, 1000)) << "one-second clock restarted";
    EXPECT_TRUE(TimerSeen(window, 205, 100)) << "game clock restarted";

    SendMessageA(window, WM_INITMENU, 0, 0);
    EXPECT_EQ(Text(window), "Lexiblast - Paused") << "menu open";
    SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), reinterpret_cast<LPARAM>(GetMenu(window)));
    EXPECT_EQ(Text(window), "Lexiblast - Paused") << "a menu still given";
    SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(Text(window), "Lexiblast") << "menu closed";

    Seen about;
    std::string titleMeanwhile;
    driver.Then([&](HWND dialog) {
        titleMeanwhile = Text(window);
        EXPECT_NE(FindWindowExA(dialog, nullptr, "Static", "Lexiblast version 1.0.0.2"), nullptr);
        Press(IDOK, &about)(dialog);
    });
    Command(104);
    EXPECT_EQ(about.caption, "About Lexiblast");
    EXPECT_EQ(titleMeanwhile, "Lexiblast - Paused");
    EXPECT_EQ(Text(window), "Lexiblast") << "after the About box";
}

TEST_F(AppTest, NewGameAndChangedOptionsAskBeforeDroppingTheRunningGame) {
    Start();
    Zap().ScoreDisplay->Value = 77;
    Seen no;
    driver.Then(Press(IDNO, &no));
    Command(32778); // Ctrl+N
    EXPECT_EQ(no.text, "Are you sure you want to quit the current game and start a new one?");
    EXPECT_EQ(no.caption, "New Game");
    EXPECT_EQ(Zap().Score(), 77) << "No keeps the game";
    EXPECT_EQ(Text(window), "Lexiblast") << "and its clock";
    EXPECT_EQ(Record(kGeneric), "0/0/0 0") << "nothing recorded";

    driver.Then(Press(IDYES));
    Command(32778); // Ctrl+N
    EXPECT_EQ(Record(kGeneric), "1/0/1 77") << "skipped and abandoned";
    EXPECT_EQ(Zap().Score(), 0) << "a new game";

    Zap().ScoreDisplay->Value = 33;
    driver.Then(Press(IDOK, nullptr, 1014)); // ends on time
    driver.Then(Press(IDNO, &no));
    Command(32780);
    EXPECT_EQ(no.text, "Your changes will take effect in the next game.  Would you like to start a new game "
                       "right now?");
    EXPECT_EQ(no.caption, "New Game");
    EXPECT_EQ(Zap().Score(), 33) << "No keeps the game";
    EXPECT_EQ(Zap().EndGameCondition, 4) << "with its own rules";

    driver.Then(Press(IDOK, nullptr, 1015)); // ends at the target
    driver.Then(Press(IDYES));
    Command(32780);
    EXPECT_EQ(Zap().EndGameCondition, 2) << "the new game plays the new rules";
    EXPECT_EQ(Record(kGeneric), "1/0/1 77") << "the dropped game is not recorded";
    EXPECT_FALSE(app->Paused);

    std::string choosing;
    driver.Then(Press(IDYES));
    driver.Then([&](HWND dialog) {
        choosing = Text(window);
        Press(IDCANCEL)(dialog); // "&Quit" in the game selection
    });
    Command(32785); // Ctrl+O
    EXPECT_EQ(choosing, "Lexiblast - Paused") << "given up, not over, while the next game is chosen";
    MSG close{};
    ASSERT_TRUE(PeekMessageA(&close, window, WM_CLOSE, WM_CLOSE, PM_REMOVE));
    DispatchMessageA(&close);
    EXPECT_EQ(Record(kGeneric), "2/0/2 0") << "the game given up before the selection is recorded once";
}

TEST_F(AppTest, AGameEndedByItselfIsRecordedAndItsDialogPostsTheNextCommand) {
    struct Case {
        const char* name;
        std::int32_t endGameCondition;
        int button; // of the Game Over dialog
        int posted;
    } const cases[] = {{"no room left", 4, IDOK, 32778}, {"time limit", 1, IDCANCEL, 105}};
    for (const Case& c : cases) {
        ClearRegistry();
        Store(kKey, "EndGameCondition", c.endGameCondition);
        Store(kKey, "TimeLimit", 1);
        Start();
        Seen gameOver;
        driver.Then(Press(c.button, &gameOver));
        if (c.endGameCondition == 1) {
            Zap().NextWordTicks = 0x7FFFFFFF;
            Tick(12);
        } else {
            FinishByNoRoom(0);
        }
        EXPECT_EQ(gameOver.caption, "Game Over Statistics - Custom") << c.name;
        EXPECT_EQ(Text(window), "Lexiblast - Game Over") << c.name;
        EXPECT_EQ(Record(kGeneric), "1/1/0 0") << c.name;
        EXPECT_EQ(PostedCommand(), c.posted) << c.name;
    }
}

TEST_F(AppTest, AGoodGameReachingItsTargetEntersTheHighScoresButNotWhilePaused) {
    Store(kKey, "EndGameCondition", 2);
    Store(kKey, "TargetCount", 1);
    Store(kKey, "FakeWordProbab", 0);
    Start();
    for (int i = 0; i < 200 && Zap().FieldSprites.size() < 4; ++i) {
        Tick();
    }
    ASSERT_EQ(Zap().FieldSprites.size(), 4u) << "a word after the three displays";
    const RECT r = Zap().FieldSprites.back()->Rect;
    const LPARAM middle = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    const auto click = [&] {
        SendMessageA(window, WM_MOUSEMOVE, 0, middle);
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    };
    SendMessageA(window, WM_KILLFOCUS, 0, 0);
    click();
    EXPECT_FALSE(app->GameEnded) << "a click on a paused game";
    SendMessageA(window, WM_SETFOCUS, 0, 0);

    driver.Then(Press(IDOK, nullptr, 16385, "Ada")); // the first row
    driver.Then(Press(IDOK));                        // Game Over
    click();
    EXPECT_EQ(driver.Pending(), 0u) << "the entry, then the Game Over dialog";
    EXPECT_GT(Zap().Score(), 10) << "the word and the bonus for reaching the target fast";
    EXPECT_EQ(Stored("Software\\Quillmoor\\Lexiblast\\Generic\\HighScores", "Name0"), "Ada");
    EXPECT_EQ(Stored("Software\\Quillmoor\\Lexiblast\\Generic\\HighScores", "Score0"),
              std::to_string(Zap().Score()));
    EXPECT_EQ(Stored(kGeneric, "GamesWon"), "1");
    EXPECT_EQ(PostedCommand(), 32778);
}

TEST_F(AppTest, ClosingMidGameRecordsItAbandonedAndSavesThePlacement) {
    Start();
    Zap().ScoreDisplay->Value = 44;
    Seen entry;
    driver.Then(Press(IDCANCEL, &entry)); // the high-score check, as after any game
    driver.Then(Press(IDOK));             // no Game Over dialog may follow
    SetWindowPos(window, nullptr, 30, 40, 500, 400, SWP_NOZORDER);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(entry.caption, "Congratulations!  You got a high score!");
    EXPECT_EQ(driver.Pending(), 1u);
    EXPECT_EQ(Record(kGeneric), "1/0/0 44") << "abandoned";
    EXPECT_EQ(Stored(kKey, "Left") + "," + Stored(kKey, "Top"), "30,40");
    EXPECT_EQ(Stored(kKey, "Width") + "x" + Stored(kKey, "Height"), "500x400");
    EXPECT_EQ(Stored(kKey, "Sound"), "1") << "preferences written";
    EXPECT_EQ(Stored(kKey, "EndGameCondition"), "4") << "rule settings written";
}

TEST_F(AppTest, AMissingWordListIsReportedAtEveryNewGameAndTheGameStillComes) {
    CreateDirectoryA("no-word-list", nullptr);
    ASSERT_TRUE(SetCurrentDirectoryA("no-word-list"));
    Seen first, second;
    driver.Then(Press(IDOK, &first));
    Start();
    driver.Then(Press(IDYES)); // quit the running game
    driver.Then(Press(IDOK, &second));
    Command(32778);
    SetCurrentDirectoryA("..");
    RemoveDirectoryA("no-word-list");
    const char* const expected =
        "Lexiblast failed to load its dictionary of words.  The dictionary should be found in a file called "
        "\"words.lst\".  Please make sure an original and uncorrputed version of this file is present in the "
        "game's working folder and try again.";
    EXPECT_EQ(first.text, expected);
    EXPECT_EQ(first.caption, "Error!");
    EXPECT_EQ(second.text, expected);
    ASSERT_NE(app->Game, nullptr);
    Tick(30); // a game without words runs on
    EXPECT_FALSE(app->GameEnded);
}

TEST_F(AppTest, AFirstTourStartsAtStageOneAndItsScoresAddUpAcrossARestart) {
    Store(kKey, "ShowWelcomeDlg", 1);
    Store(kKey, "RoundRobinScore", 50);
    Store(kTour, "GamesPlayed", 5);
    Seen introduction;
    driver.Then(Press(4)); // "Play &Tour"
    driver.Then(Press(IDOK, &introduction));
    Start();
    EXPECT_EQ(introduction.caption, "Round Robin Tour");
    EXPECT_EQ(GameSettings.RoundRobinScore, 0) << "a fresh tour";
    EXPECT_EQ(Stored(kTour, "GamesPlayed"), "0") << "a fresh tour";
    EXPECT_EQ(Text(window), "Lexiblast - Round Robin Tour - Stage 1 - Find Fifty");
    const std::int32_t scores[] = {120, -5, 300};
    for (int stage = 1; stage <= 3; ++stage) {
        EXPECT_EQ(Preferences.CurrentGame, stage);
        driver.Then(Press(IDOK)); // "&Next Game"
        FinishByNoRoom(scores[stage - 1]);
        EXPECT_EQ(PostedCommand(), 32795) << "stage " << stage;
        if (stage < 3) {
            driver.Then(Press(IDOK)); // the next stage's introduction
            Command(32795);
        }
    }
    EXPECT_EQ(driver.Pending(), 0u) << "no high-score list before stage 9";

    // Killed between two stages: the window never closes, yet the next run goes on with stage 4.
    EXPECT_EQ(Stored(kKey, "RoundRobin"), "1");
    EXPECT_EQ(Stored(kKey, "CurrentGame"), "3");
    EXPECT_EQ(Stored(kKey, "RoundRobinScore"), "415");
    Store(kKey, "ShowWelcomeDlg", 0);
    driver.Then(Press(IDOK)); // stage 4's introduction
    Start();
    EXPECT_EQ(Preferences.CurrentGame, 4);
    EXPECT_EQ(GameSettings.RoundRobinScore, 415);
    EXPECT_EQ(Stored(kTour, "GamesPlayed"), "3") << "each stage counted once";

    Seen next;
    driver.Then(Press(IDNO, &next));
    Command(32795);
    EXPECT_EQ(
        next.text,
        "Are you sure you want to quit the current game and start the next one in the Round Robin Tour?");
    EXPECT_EQ(next.caption, "Next Game");
    EXPECT_EQ(Preferences.CurrentGame, 4) << "No keeps the stage";
    driver.Then(Press(IDNO));
    Command(32778); // Ctrl+N
    EXPECT_EQ(Text(window), "Lexiblast - Round Robin Tour - Stage 4 - Fifty Fakes") << "No keeps the tour";

    Zap().ScoreDisplay->Value = 25;
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(Stored(kKey, "RoundRobinScore"), "440") << "the abandoned stage counts";
    driver.Then(Press(IDOK));
    Start();
    EXPECT_EQ(Preferences.CurrentGame, 5);
    EXPECT_EQ(CurrentTitleId, 149u);
    EXPECT_EQ(GameSettings.RoundRobinScore, 440);
}

// Before any welcome, the menu's How To Play offers the tour: its button gives up the running game
// as Tour Games does, and the custom game's score stays out of the tour's sum.
TEST_F(AppTest, TheMenusTourButtonStartsTheTourAsTourGamesDoes) {
    Store(kKey, "CurrentGame", 4);
    Store(kKey, "RoundRobinScore", 100);
    Start();
    Zap().ScoreDisplay->Value = 12;
    driver.Then(Press(IDNO));
    Command(32795); // Ctrl+T
    EXPECT_EQ(Text(window), "Lexiblast") << "No keeps the custom game out of the tour";

    Seen asked;
    driver.Then(Press(4)); // "Play &Tour"
    driver.Then(Press(IDYES, &asked));
    driver.Then(Press(IDOK)); // stage 5's introduction
    Command(32791);           // How To Play
    EXPECT_EQ(asked.caption, "Next Game");
    EXPECT_EQ(Text(window), "Lexiblast - Round Robin Tour - Stage 5 - Fake for Fifty");
    EXPECT_EQ(Record(kGeneric), "1/0/1 12") << "the custom game given up";
    EXPECT_EQ(GameSettings.RoundRobinScore, 100);
    EXPECT_EQ(Stored(kKey, "RoundRobin"), "1") << "kept at once";
    EXPECT_EQ(Stored(kKey, "CurrentGame"), "4") << "so that a run killed now plays stage 5 again";
}

TEST_F(AppTest, StageNineOffersTheTourTotalToTheTourListAndStartsAgain) {
    Store(kKey, "RoundRobin", 1);
    Store(kKey, "CurrentGame", 8);
    Store(kKey, "RoundRobinScore", 400);
    driver.Then(Press(IDOK));
    Start();
    ASSERT_EQ(CurrentTitleId, 153u);
    driver.Then(Press(IDOK, nullptr, 16385 + 8, "Tourist")); // between the defaults 567 and 198
    driver.Then(Press(IDOK));
    FinishByNoRoom(0);
    EXPECT_EQ(driver.Pending(), 0u);
    EXPECT_EQ(Stored("Software\\Quillmoor\\Lexiblast\\RoundRobin\\HighScores", "Score8"), "400");
    EXPECT_EQ(Stored("Software\\Quillmoor\\Lexiblast\\RoundRobin\\HighScores", "Name8"), "Tourist");
    EXPECT_EQ(GameSettings.RoundRobinScore, 0);
    EXPECT_EQ(PostedCommand(), 32795);
    driver.Then(Press(IDOK));
    Command(32795);
    EXPECT_EQ(Preferences.CurrentGame, 1) << "after stage 9";

    for (const std::int32_t stored : {-7, 10, 70000}) {
        Store(kKey, "CurrentGame", stored);
        driver.Then(Press(IDOK));
        Start();
        EXPECT_EQ(Preferences.CurrentGame, 1) << "stored " << stored;
    }
}

} // namespace

// A game that could not be built leaves a window whose handlers and idle call reach nothing.
TEST_F(AppTest, HandlersAndTheIdleCallDoNothingWithoutAGame) {
    Start();
    app->Game.reset();
    for (const UINT message : {WM_TIMER, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_KEYDOWN, WM_KILLFOCUS, WM_SIZE}) {
        EXPECT_EQ(SendMessageA(window, message, message == WM_KEYDOWN ? VK_SPACE : 205, 0), 0) << message;
    }
    SendMessageA(window, WM_COMMAND, 32786, 0); // Undo
    SendMessageA(window, WM_COMMAND, 33793, 0); // a command nobody knows
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    app->OnIdle();
    EXPECT_EQ(app->Game, nullptr);
}

std::vector<std::string> gOpened; // "<verb> <file> <show>"
INT_PTR gShellResult = 42;
HINSTANCE WINAPI SpyShellExecute(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT show) {
    gOpened.push_back(std::string(verb) + " " + file + " " + std::to_string(show));
    return reinterpret_cast<HINSTANCE>(gShellResult);
}
// The help page in the working folder, by its full path.
std::string HelpPage() {
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof folder, folder);
    const std::string path = folder;
    return path + (path.empty() || path.back() != '\\' ? "\\" : "") + "lexihelp.htm";
}

// The help page opens by its full path and the web page by its address, both shown; when the shell
// cannot open one, the box names it and says why in plain words.
TEST_F(AppTest, ContentsAndWebSiteOpenTheirPagesOrSayWhyNot) {
    Start();
    const ImportHook<decltype(&SpyShellExecute)> shell("shell32.dll", "ShellExecuteA", SpyShellExecute);
    ASSERT_TRUE(shell.Installed());
    gOpened.clear();
    gShellResult = 42;
    Command(32771);
    Command(32776);
    ASSERT_EQ(gOpened.size(), 2u);
    EXPECT_EQ(gOpened[0], "open " + HelpPage() + " 1") << "Contents";
    EXPECT_EQ(gOpened[1], "open https://lexiblast.example.org/ 1") << "Go To Web Site";

    gShellResult = SE_ERR_NOASSOC;
    Seen help, web;
    driver.Then(Press(IDOK, &help));
    driver.Then(Press(IDOK, &web));
    Command(32771);
    Command(32776);
    const std::string why = "No web browser or other program is set up on this computer to open it.";
    EXPECT_EQ(help.caption, "Quillmoor Software");
    EXPECT_EQ(help.text, "The help page could not be opened:\n" + HelpPage() + "\n" + why);
    EXPECT_EQ(web.caption, "Quillmoor Software");
    EXPECT_EQ(web.text,
              "The Lexiblast web page could not be opened:\nhttps://lexiblast.example.org/\n" + why);
}

// F1, shown beside Help > Contents, opens the help page through the message loop's shortcut step.
TEST_F(AppTest, F1TypedOpensTheHelpPage) {
    Start();
    app->LoadAcceleratorTable();
    const ImportHook<decltype(&SpyShellExecute)> shell("shell32.dll", "ShellExecuteA", SpyShellExecute);
    gOpened.clear();
    gShellResult = 42;
    MSG message{window, WM_KEYDOWN, VK_F1, 1, 0, {0, 0}};
    app->HandleLoopMessage(message);
    ASSERT_EQ(gOpened.size(), 1u);
    EXPECT_EQ(gOpened[0], "open " + HelpPage() + " 1");
}

// Ctrl+N typed on the keyboard reaches the new-game question through the message loop's shortcut step.
TEST_F(AppTest, CtrlNTypedAsksForANewGame) {
    Start();
    app->LoadAcceleratorTable();
    CGame* const running = app->Game.get();
    Seen asked;
    driver.Then(Press(IDNO, &asked));
    BYTE keys[256] = {};
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG message{window, WM_KEYDOWN, 'N', 1, 0, {0, 0}};
    app->HandleLoopMessage(message);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(asked.text, "Are you sure you want to quit the current game and start a new one?");
    EXPECT_EQ(asked.caption, "New Game");
    EXPECT_EQ(app->Game.get(), running) << "No keeps the running game";
}
