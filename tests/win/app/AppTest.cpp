// The application in-process: the real main window made by the program's own start-up from a
// prepared registry, played through its window procedure, dialogs and questions answered as a
// player would.

#include "app/CGameApp.h"

#include "dialogs/DialogHelpers.h"
#include "dialogs/HighScoreDialog.h"
#include "game/CZapGame.h"
#include "rules/GameSettings.h"
#include "support/DialogDriver.h"
#include "support/ImportHook.h"
#include "words/Random.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr char kKey[] = "Software\\Quillmoor\\Lexiblast";
constexpr char kGeneric[] = "Software\\Quillmoor\\Lexiblast\\Generic";
constexpr char kTour[] = "Software\\Quillmoor\\Lexiblast\\RoundRobin";

// Timers started (id, period) and stopped (id, 0) on the main window.
std::vector<std::pair<UINT_PTR, UINT>> gTimers;
HWND gTimerWindow = nullptr;

template <typename F>
F Real(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}
UINT_PTR WINAPI SpySetTimer(HWND window, UINT_PTR id, UINT period, TIMERPROC procedure) {
    if (window != nullptr && window == gTimerWindow) {
        gTimers.emplace_back(id, period);
    }
    return Real<decltype(&SetTimer)>("SetTimer")(window, id, period, procedure);
}
BOOL WINAPI SpyKillTimer(HWND window, UINT_PTR id) {
    if (window != nullptr && window == gTimerWindow) {
        gTimers.emplace_back(id, 0);
    }
    return Real<decltype(&KillTimer)>("KillTimer")(window, id);
}
BOOL WINAPI QuietPlaySound(LPCSTR, HMODULE, DWORD) {
    return TRUE;
}
BOOL WINAPI FarPointer(POINT* point) {
    *point = POINT{-1000, -1000};
    return TRUE;
}

std::string Text(HWND window, int id = 0) {
    char text[1024] = "";
    id == 0 ? GetWindowTextA(window, text, sizeof text) : GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

// What a dialog or message box showed: its caption and, for a message box, its text.
struct Seen {
    std::string caption;
    std::string text;
};
DialogDriver::Action Press(int button, Seen* seen = nullptr) {
    return [button, seen](HWND dialog) {
        if (seen != nullptr) {
            *seen = Seen{Text(dialog), Text(dialog, 0xFFFF)};
        }
        Click(dialog, button);
    };
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
        savedSettings_ = GameSettings;
        savedPreferences_ = Preferences;
        RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
        Store(kKey, "ShowWelcomeDlg", 0);
        InstallHighScoreEntry();
    }
    void TearDown() override {
        Stop();
        RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
        GameSettings = savedSettings_;
        Preferences = savedPreferences_;
    }

    static void Store(const char* path, const char* name, std::int32_t value) {
        RegSetKeyValueA(HKEY_CURRENT_USER, path, name, REG_DWORD, &value, sizeof value);
    }
    static std::optional<std::int32_t> Stored(const char* path, const char* name) {
        std::int32_t value = 0;
        DWORD size = sizeof value;
        return RegGetValueA(HKEY_CURRENT_USER, path, name, RRF_RT_REG_DWORD, nullptr, &value, &size) == 0
                   ? std::optional(value)
                   : std::nullopt;
    }
    static std::string StoredText(const char* path, const char* name) {
        char text[256] = "";
        DWORD size = sizeof text;
        RegGetValueA(HKEY_CURRENT_USER, path, name, RRF_RT_REG_SZ, nullptr, text, &size);
        return text;
    }

    // The program's start-up on the prepared registry; draws are seeded afterwards.
    void Start() {
        Stop();
        app = std::make_unique<CGameApp>();
        app->RegisterWindowClass(GetModuleHandleA(nullptr));
        ASSERT_TRUE(app->CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL));
        window = gTimerWindow = app->Window;
        SeedRandom(1);
    }
    // The window gone and the queue empty, the quit message included.
    void Stop() {
        if (window != nullptr && IsWindow(window)) {
            DestroyWindow(window);
        }
        window = gTimerWindow = nullptr;
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
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
        MSG message{};
        return PeekMessageA(&message, window, WM_COMMAND, WM_COMMAND, PM_REMOVE) ? LOWORD(message.wParam)
                                                                                 : -1;
    }
    void Command(int id) { SendMessageA(window, WM_COMMAND, id, 0); }
    // A key with Ctrl held, through the main loop's accelerator step.
    void CtrlKey(char key) {
        BYTE keys[256] = {};
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        MSG message{window, WM_KEYDOWN, static_cast<WPARAM>(key), 1, 0, {0, 0}};
        app->HandleLoopMessage(message);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    }
    static bool TimerSeen(UINT_PTR id, UINT period) {
        return std::find(gTimers.begin(), gTimers.end(), std::pair{id, period}) != gTimers.end();
    }

private:
    GameSettingsRecord savedSettings_;
    PreferencesRecord savedPreferences_;
};

// --- Start-up and the window ------------------------------------------------------------------------

TEST(FitPlacementTest, StoredPlacementsAreMovedOntoTheScreen) {
    struct Case {
        const char* name;
        WindowPlacement stored, fitted; // Top, Left, Width, Height
    };
    const Case cases[] = {
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

// Each item as "text=command", separators as "-", in order.
std::string Items(HMENU menu) {
    std::string items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = "";
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        const UINT id = GetMenuItemID(menu, i);
        items += text[0] == '\0' ? std::string("-") : text + ("=" + std::to_string(static_cast<int>(id)));
        items += "|";
    }
    return items;
}

TEST(MainMenuTest, MenuAndShortcutsAreAsTheProgramDocumentsThem) {
    const HMENU bar = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(109));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Items(bar), "&Game=-1|&Help=-1|");
    EXPECT_EQ(Items(GetSubMenu(bar, 0)), "&New Game\tCtrl+N=32778|&Tour Games\tCtrl+T=32795|-|"
                                         "&High Scores...=32779|&Statistics...=32784|-|S&ettings...=32793|"
                                         "&Options...=32780|-|&Quit\tCtrl+Q=105|");
    EXPECT_EQ(Items(GetSubMenu(bar, 1)),
              "&Contents\tF1=32771|How To &Play...=32791|-|&About...=104|-|&Go To Web Site=32776|");
    DestroyMenu(bar);

    ACCEL keys[16] = {};
    const int count =
        CopyAcceleratorTableA(LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(109)), keys, 16);
    std::string table;
    for (int i = 0; i < count; ++i) {
        table += std::to_string(keys[i].fVirt & ~0x80) + " " + std::to_string(keys[i].key) + " " +
                 std::to_string(keys[i].cmd) + "|";
    }
    // Alt with "/" and "?"; Ctrl+N, O, Q, T and Z as keys.
    EXPECT_EQ(table, "16 47 104|16 63 104|9 78 32778|9 79 32785|9 81 105|9 84 32795|9 90 32786|");
}

TEST_F(AppTest, WindowOpensAtTheFittedPlacementAndKeepsItsSmallestSize) {
    Store(kKey, "Left", -5);
    Store(kKey, "Top", 10000);
    Store(kKey, "Width", 100);
    Start();
    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.top, 0);
    EXPECT_EQ(frame.right - frame.left, 458);
    EXPECT_EQ(Text(window), "Lexiblast");
    EXPECT_EQ(CurrentTitleId, 453u) << "a custom game";
    EXPECT_NE(GetPropA(window, "LexiblastFirstFrameMs"), nullptr)
        << "the start-up time, kept at the first frame";

    RECT smallest{0, 0, 256, 256};
    AdjustWindowRectEx(&smallest, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, TRUE, WS_EX_CLIENTEDGE);
    const LONG width = smallest.right - smallest.left;
    const LONG height = smallest.bottom - smallest.top;
    WINDOWPOS proposed{window, nullptr, 0, 0, width - 1, height + 1, 0};
    SendMessageA(window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ(proposed.cx, width) << "raised";
    EXPECT_EQ(proposed.cy, height + 1) << "kept";
}

TEST_F(AppTest, HandlersAndTheIdleCallDoNothingWithoutAGame) {
    Start();
    app->Game.reset();
    for (const UINT message : {WM_TIMER, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_KEYDOWN, WM_KILLFOCUS, WM_SIZE}) {
        EXPECT_EQ(app->WindowProc(window, message, message == WM_KEYDOWN ? VK_SPACE : 205, 0), 0) << message;
    }
    Command(32786);        // Undo
    Command(32793 + 1000); // an unknown command
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    app->OnIdle();
    EXPECT_EQ(app->Game, nullptr);
}

// --- Pausing -----------------------------------------------------------------------------------------

TEST_F(AppTest, FocusMenusAndDialogsStopAndRestartTheClocks) {
    Start();
    gTimers.clear();
    SendMessageA(window, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(Text(window), "Lexiblast - Paused");
    EXPECT_TRUE(TimerSeen(202, 0)) << "one-second clock stopped";
    EXPECT_TRUE(TimerSeen(205, 0)) << "game clock stopped";

    gTimers.clear();
    SendMessageA(window, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(Text(window), "Lexiblast");
    EXPECT_TRUE(TimerSeen(202, 1000)) << "one-second clock restarted";
    EXPECT_TRUE(TimerSeen(205, 100)) << "game clock restarted";

    std::string caption, titleMeanwhile;
    HWND version = nullptr;
    driver.Then([&](HWND about) {
        caption = Text(about);
        titleMeanwhile = Text(window);
        version = FindWindowExA(about, nullptr, "Static", "Lexiblast version 1.0.0.2");
        Click(about, IDOK);
    });
    Command(104);
    EXPECT_EQ(caption, "About Lexiblast");
    EXPECT_NE(version, nullptr);
    EXPECT_EQ(titleMeanwhile, "Lexiblast - Paused");
    EXPECT_EQ(Text(window), "Lexiblast") << "after the About box";

    SendMessageA(window, WM_INITMENU, 0, 0);
    EXPECT_EQ(Text(window), "Lexiblast - Paused");
    SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(Text(window), "Lexiblast");
    EXPECT_FALSE(app->Paused);
}

// --- New games ------------------------------------------------------------------------------------------

TEST_F(AppTest, CtrlNAsksAndOnYesRecordsTheRunningGameAsAbandoned) {
    Start();
    app->LoadAcceleratorTable();
    Zap().ScoreDisplay->Value = 77;
    Seen no, yes;
    driver.Then(Press(IDNO, &no));
    CtrlKey('N');
    EXPECT_EQ(no.text, "Are you sure you want to quit the current game and start a new one?");
    EXPECT_EQ(no.caption, "New Game");
    EXPECT_EQ(Zap().Score(), 77) << "No keeps the game";
    EXPECT_EQ(Text(window), "Lexiblast") << "and its clock";
    EXPECT_FALSE(Stored(kGeneric, "GamesSkipped").has_value());

    driver.Then(Press(IDYES, &yes));
    CtrlKey('N');
    EXPECT_EQ(yes.text, no.text);
    EXPECT_EQ(Stored(kGeneric, "GamesSkipped"), 1);
    EXPECT_EQ(Stored(kGeneric, "GamesPlayed"), 1);
    EXPECT_EQ(Stored(kGeneric, "LatestScore"), 77);
    EXPECT_EQ(Stored(kGeneric, "GamesWon").value_or(0), 0);
    EXPECT_EQ(Zap().Score(), 0) << "a new game";
    EXPECT_EQ(CurrentTitleId, 453u);
    EXPECT_FALSE(app->Paused);
}

TEST_F(AppTest, OptionsChangedOfferANewGameThatDropsTheRunningOne) {
    Start();
    Zap().ScoreDisplay->Value = 33;
    const auto endBy = [](int radio) {
        return [radio](HWND dialog) {
            Click(dialog, radio);
            Click(dialog, IDOK);
        };
    };
    Seen no, yes;
    driver.Then(endBy(1014)); // on time
    driver.Then(Press(IDNO, &no));
    Command(32780);
    EXPECT_EQ(no.text, "Your changes will take effect in the next game.  Would you like to start a new game "
                       "right now?");
    EXPECT_EQ(no.caption, "New Game");
    EXPECT_EQ(Zap().Score(), 33) << "No keeps the game";
    EXPECT_EQ(Zap().EndGameCondition, 4) << "with its own rules";

    driver.Then(endBy(1015)); // at the target
    driver.Then(Press(IDYES, &yes));
    Command(32780);
    EXPECT_EQ(yes.text, no.text);
    EXPECT_EQ(Zap().Score(), 0);
    EXPECT_EQ(Zap().EndGameCondition, 2) << "the new game plays the new rules";
    EXPECT_FALSE(Stored(kGeneric, "GamesPlayed").has_value()) << "the dropped game is not recorded";
    EXPECT_FALSE(app->Paused);
}

// --- The end of a game ----------------------------------------------------------------------------

TEST_F(AppTest, AGameEndedByItselfIsRecordedAndItsDialogPostsTheNextCommand) {
    struct Case {
        const char* name;
        std::int32_t endGameCondition;
        int button; // of the Game Over dialog
        int posted;
    };
    const Case cases[] = {{"no room left", 4, IDOK, 32778}, {"time limit", 1, IDCANCEL, 105}};
    for (const Case& c : cases) {
        RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
        Store(kKey, "ShowWelcomeDlg", 0);
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
        EXPECT_TRUE(app->GameEnded) << c.name;
        EXPECT_EQ(gameOver.caption, "Game Over Statistics - Custom") << c.name;
        EXPECT_EQ(Text(window), "Lexiblast - Game Over") << c.name;
        EXPECT_EQ(Stored(kGeneric, "GamesPlayed"), 1) << c.name;
        EXPECT_EQ(Stored(kGeneric, "GamesWon"), 1) << c.name;
        EXPECT_EQ(PostedCommand(), c.posted) << c.name;
    }
}

TEST_F(AppTest, AGoodGameReachingItsTargetEntersTheHighScores) {
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
    driver.Then([](HWND dialog) {
        Type(dialog, 16385, "Ada");
        Click(dialog, IDOK);
    });
    driver.Then(Press(IDOK)); // Game Over
    SendMessageA(window, WM_MOUSEMOVE, 0, middle);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, middle);

    EXPECT_EQ(driver.Pending(), 0u) << "the entry, then the Game Over dialog";
    const std::int32_t score = Zap().Score();
    EXPECT_GT(score, 10) << "the word and the bonus for reaching the target fast";
    EXPECT_EQ(StoredText("Software\\Quillmoor\\Lexiblast\\Generic\\HighScores", "Name0"), "Ada");
    EXPECT_EQ(StoredText("Software\\Quillmoor\\Lexiblast\\Generic\\HighScores", "Score0"),
              std::to_string(score));
    EXPECT_EQ(Stored(kGeneric, "GamesWon"), 1);
    EXPECT_EQ(PostedCommand(), 32778);
}

TEST_F(AppTest, ClosingMidGameRecordsItAbandonedAndSavesThePlacement) {
    Start();
    SetWindowPos(window, nullptr, 30, 40, 500, 400, SWP_NOZORDER);
    Zap().ScoreDisplay->Value = 44;
    Seen entry;
    driver.Then(Press(IDCANCEL, &entry)); // the high-score check, as after any game
    driver.Then(Press(IDOK));             // no Game Over dialog may follow
    SendMessageA(window, WM_CLOSE, 0, 0);

    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(entry.caption, "Congratulations!  You got a high score!");
    EXPECT_EQ(driver.Pending(), 1u);
    EXPECT_EQ(Stored(kGeneric, "GamesPlayed"), 1);
    EXPECT_EQ(Stored(kGeneric, "LatestScore"), 44);
    EXPECT_EQ(Stored(kGeneric, "GamesWon").value_or(0), 0);
    EXPECT_EQ(Stored(kKey, "Left"), 30);
    EXPECT_EQ(Stored(kKey, "Top"), 40);
    EXPECT_EQ(Stored(kKey, "Width"), 500);
    EXPECT_EQ(Stored(kKey, "Height"), 400);
    EXPECT_EQ(Stored(kKey, "MinMax"), 0);
    EXPECT_EQ(Stored(kKey, "Sound"), 1) << "preferences written";
    EXPECT_EQ(Stored(kKey, "EndGameCondition"), 4) << "rule settings written";
}

TEST_F(AppTest, AMissingWordListIsReportedAtEveryNewGameAndTheGameStillComes) {
    char folder[MAX_PATH] = "", previous[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    const std::string empty = std::string(folder) + "lexiblast-app-test";
    CreateDirectoryA(empty.c_str(), nullptr);
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(empty.c_str()));
    Seen first, second;
    driver.Then(Press(IDOK, &first));
    Start();
    driver.Then(Press(IDYES)); // quit the running game
    driver.Then(Press(IDOK, &second));
    Command(32778);
    SetCurrentDirectoryA(previous);
    RemoveDirectoryA(empty.c_str());

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

// --- The tour ----------------------------------------------------------------------------------------------

TEST_F(AppTest, TheWelcomeAtStartUpCanStartAFirstTour) {
    Store(kKey, "ShowWelcomeDlg", 1);
    Store(kKey, "RoundRobinScore", 50);
    Store(kTour, "GamesPlayed", 5);
    Seen introduction;
    driver.Then(Press(4)); // "Play &Tour"
    driver.Then(Press(IDOK, &introduction));
    Start();
    EXPECT_EQ(introduction.caption, "Round Robin Tour");
    EXPECT_EQ(Preferences.CurrentGame, 1);
    EXPECT_EQ(CurrentTitleId, 145u);
    EXPECT_EQ(GameSettings.RoundRobinScore, 0);
    EXPECT_EQ(Stored(kTour, "GamesPlayed"), 0);
    EXPECT_EQ(Text(window), "Lexiblast - Round Robin Tour - Stage 1 - Find Fifty");
}

TEST_F(AppTest, TourScoresAddUpAcrossStagesAndAcrossARestart) {
    Store(kKey, "RoundRobin", 1);
    driver.Then(Press(IDOK));
    Start();
    const std::int32_t scores[] = {120, -5, 300};
    for (int stage = 1; stage <= 3; ++stage) {
        EXPECT_EQ(Preferences.CurrentGame, stage);
        if (stage == 3) {
            EXPECT_EQ(Text(window), "Lexiblast - Round Robin Tour - Stage 3 - Hard to Find");
        }
        driver.Then(Press(IDOK)); // "&Next Game"
        FinishByNoRoom(scores[stage - 1]);
        EXPECT_EQ(PostedCommand(), 32795) << "stage " << stage;
        driver.Then(Press(IDOK)); // the next stage's introduction
        Command(32795);
    }
    EXPECT_EQ(Preferences.CurrentGame, 4);
    EXPECT_EQ(GameSettings.RoundRobinScore, 415);
    EXPECT_EQ(driver.Pending(), 0u) << "no high-score list before stage 9";

    Zap().ScoreDisplay->Value = 25;
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(Stored(kKey, "RoundRobinScore"), 440) << "the abandoned stage counts";
    driver.Then(Press(IDOK));
    Start();
    EXPECT_EQ(Preferences.CurrentGame, 5);
    EXPECT_EQ(CurrentTitleId, 149u);
    EXPECT_EQ(GameSettings.RoundRobinScore, 440);
}

TEST_F(AppTest, StageNineOffersTheTourTotalToTheTourListAndStartsAgain) {
    Store(kKey, "RoundRobin", 1);
    Store(kKey, "CurrentGame", 8);
    Store(kKey, "RoundRobinScore", 400);
    driver.Then(Press(IDOK));
    Start();
    ASSERT_EQ(CurrentTitleId, 153u);
    driver.Then([](HWND dialog) {
        Type(dialog, 16385 + 8, "Tourist"); // between the tour's defaults 567 and 198
        Click(dialog, IDOK);
    });
    driver.Then(Press(IDOK));
    FinishByNoRoom(0);
    EXPECT_EQ(driver.Pending(), 0u);
    EXPECT_EQ(StoredText("Software\\Quillmoor\\Lexiblast\\RoundRobin\\HighScores", "Score8"), "400");
    EXPECT_EQ(StoredText("Software\\Quillmoor\\Lexiblast\\RoundRobin\\HighScores", "Name8"), "Tourist");
    EXPECT_EQ(GameSettings.RoundRobinScore, 0);
    EXPECT_EQ(PostedCommand(), 32795);
    driver.Then(Press(IDOK));
    Command(32795);
    EXPECT_EQ(Preferences.CurrentGame, 1) << "after stage 9";
}

TEST_F(AppTest, AStoredStageOutOfRangeStartsTheTourAgain) {
    for (const std::int32_t stored : {-7, 10, 70000}) {
        Store(kKey, "RoundRobin", 1);
        Store(kKey, "CurrentGame", stored);
        driver.Then(Press(IDOK));
        Start();
        EXPECT_EQ(Preferences.CurrentGame, 1) << "stored " << stored;
    }
}

} // namespace
