// The real main window from the program's own start-up, played through its window procedure.

#include "app/CGameApp.h"

#include "dialogs/DialogHelpers.h"
#include "game/CZapGame.h"
#include "rules/GameSettings.h"
#include "support/DialogDriver.h"
#include "support/ImportHook.h"
#include "words/Random.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace {

constexpr char kKey[] = "Software\\Quillmoor\\Lexiblast";
constexpr char kGeneric[] = "Software\\Quillmoor\\Lexiblast\\Generic";
constexpr char kTour[] = "Software\\Quillmoor\\Lexiblast\\RoundRobin";

// System calls replaced: the main window's running timers, the display's bits per pixel (0: real).
struct Spy {
    static inline std::map<UINT_PTR, UINT> running;
    static inline int bits = 0;

    static UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT period, TIMERPROC procedure) {
        if (window != nullptr) {
            running[id] = period;
        }
        return ImportHook<decltype(&::SetTimer)>::System("user32.dll", "SetTimer")(window, id, period,
                                                                                   procedure);
    }
    static BOOL WINAPI KillTimer(HWND window, UINT_PTR id) {
        running.erase(window != nullptr ? id : ~UINT_PTR{0});
        return ImportHook<decltype(&::KillTimer)>::System("user32.dll", "KillTimer")(window, id);
    }
    static BOOL WINAPI PlaySound(LPCSTR, HMODULE, DWORD) { return TRUE; }
    static BOOL WINAPI FarPointer(POINT* point) { return *point = POINT{-1000, -1000}, TRUE; }
    static int WINAPI DeviceCaps(HDC dc, int index) {
        if (bits != 0 && (index == BITSPIXEL || index == PLANES)) {
            return index == PLANES ? 1 : bits;
        }
        return ImportHook<decltype(&::GetDeviceCaps)>::System("gdi32.dll", "GetDeviceCaps")(dc, index);
    }
};

// A dialog's or message box's caption and text, and the title of the window it was shown over.
struct Seen {
    std::string caption, text, owner;
};
// Notes what the dialog showed, clicks control `first` (or types `typed` into it), then `button`.
DialogDriver::Action Press(int button, Seen* seen = nullptr, int first = 0, const char* typed = nullptr) {
    return [=](HWND dialog) {
        if (seen != nullptr) {
            *seen = Seen{Text(dialog), Text(dialog, 0xFFFF), Text(GetWindow(dialog, GW_OWNER))};
        }
        typed != nullptr ? void(SetDlgItemTextA(dialog, first, typed))
        : first != 0     ? Click(dialog, first)
                         : void();
        Click(dialog, button);
    };
}

void Store(const char* path, std::initializer_list<std::pair<const char*, std::int32_t>> values) {
    for (const auto& [name, value] : values) {
        RegSetKeyValueA(HKEY_CURRENT_USER, path, name, REG_DWORD, &value, sizeof value);
    }
}
// A stored value as text, a number in decimal; "-" when there is none.
std::string Stored(const char* path, const char* name) {
    char data[256] = "-";
    DWORD type = 0, size = sizeof data;
    std::int32_t number = 0;
    RegGetValueA(HKEY_CURRENT_USER, path, name, RRF_RT_REG_DWORD | RRF_RT_REG_SZ, &type, data, &size);
    std::memcpy(&number, data, sizeof number);
    return type == REG_DWORD ? std::to_string(number) : data;
}
// The statistics under a game key as "played/won/skipped latest".
std::string Record(const char* key) {
    return Stored(key, "GamesPlayed") + "/" + Stored(key, "GamesWon") + "/" + Stored(key, "GamesSkipped") +
           " " + Stored(key, "LatestScore");
}

class AppTest : public ::testing::Test {
protected:
    std::unique_ptr<CGameApp> app;
    HWND window = nullptr;
    DialogDriver driver;
    ImportHook<decltype(&Spy::SetTimer)> setTimer{"user32.dll", "SetTimer", Spy::SetTimer};
    ImportHook<decltype(&Spy::KillTimer)> killTimer{"user32.dll", "KillTimer", Spy::KillTimer};
    ImportHook<decltype(&Spy::PlaySound)> sound{"winmm.dll", "PlaySoundA", Spy::PlaySound};
    ImportHook<decltype(&Spy::FarPointer)> pointer{"user32.dll", "GetCursorPos", Spy::FarPointer};

    const std::pair<GameSettingsRecord, PreferencesRecord> kept{GameSettings, Preferences};

    void SetUp() override { ClearRegistry(); }
    void TearDown() override {
        Stop();
        RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
        std::tie(GameSettings, Preferences) = kept;
        Spy::bits = 0;
    }
    static void ClearRegistry() {
        RegDeleteTreeA(HKEY_CURRENT_USER, kKey), Store(kKey, {{"ShowWelcomeDlg", 0}});
    }
    // The program's start-up on the prepared registry; draws are seeded afterwards.
    void Start() {
        Stop();
        Spy::running.clear();
        app = std::make_unique<CGameApp>();
        app->RegisterWindowClass(GetModuleHandleA(nullptr));
        ASSERT_TRUE(app->CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL));
        window = app->Window;
        app->LoadAcceleratorTable();
        SeedRandom(1);
    }
    // The window gone and the queue empty, the quit message included.
    void Stop() {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
        window = nullptr;
        for (MSG message{}; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) {
        }
        app.reset();
    }
    // Closes the window with the game marked over, so that nothing is asked or recorded.
    void CloseQuietly() { app->GameEnded = true, SendMessageA(window, WM_CLOSE, 0, 0); }
    CZapGame& Zap() const { return dynamic_cast<CZapGame&>(*app->Game); }
    void Tick() { SendMessageA(window, WM_TIMER, 205, 0); }
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
    int PostedCommand() {
        MSG m{};
        return PeekMessageA(&m, window, WM_COMMAND, WM_COMMAND, PM_REMOVE) ? LOWORD(m.wParam) : -1;
    }
    void Command(int id) { SendMessageA(window, WM_COMMAND, id, 0); }
    // The stored window placement as "left,top widthxheight minMax".
    static std::string Placement() {
        return Stored(kKey, "Left") + "," + Stored(kKey, "Top") + " " + Stored(kKey, "Width") + "x" +
               Stored(kKey, "Height") + " " + Stored(kKey, "MinMax");
    }
    // Ctrl and a key typed, through the message loop's shortcut step.
    void TypeKey(WPARAM key) {
        BYTE keys[256] = {};
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        MSG message{window, WM_KEYDOWN, key, 1, 0, {0, 0}};
        app->HandleLoopMessage(message);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    }
};

TEST_F(AppTest, WindowOpensFittedMaximisedOnlyForMinMaxTwoAndKeepsItsSmallestSize) {
    Store(kKey, {{"Left", -5}, {"Top", 10000}, {"Width", 100}});
    for (const std::int32_t minMax : {2, 1}) {
        Store(kKey, {{"MinMax", minMax}});
        Start();
        EXPECT_EQ(IsZoomed(window) != FALSE, minMax == 2) << "MinMax " << minMax;
        CloseQuietly();
        EXPECT_EQ(Placement(), minMax == 2 ? "0,0 458x440 2" : "0,0 458x440 0") << minMax;
    }
    Store(kKey, {{"Height", 255}});
    Start();
    CloseQuietly();
    EXPECT_EQ(Placement(), "0,0 458x458 0") << "too low a window is made as high as it is wide";
    Start();
    SetWindowPos(window, nullptr, 0, 0, 1, 1, SWP_NOZORDER | SWP_NOMOVE);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(256L, 256L)) << "the smallest size";
    RECT suggested{10, 20, 970, 680}; // moved to a screen at 150%
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RECT now{};
    GetWindowRect(window, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested)) << "the size the system suggests for the new scale";
}

// A screen at 150%.
int WINAPI DeviceCapsAt144(HDC dc, int index) {
    static const auto real = reinterpret_cast<decltype(&GetDeviceCaps)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("gdi32.dll"), "GetDeviceCaps")));
    return index == LOGPIXELSX || index == LOGPIXELSY ? 144 : real(dc, index);
}

TEST_F(AppTest, AFirstStartOpensAtTheScreensScale) {
    ImportHook<decltype(&DeviceCapsAt144)> dpi{"gdi32.dll", "GetDeviceCaps", DeviceCapsAt144};
    Start();
    CloseQuietly();
    EXPECT_EQ(Placement(), "0,0 960x660 0");
}

// A window too large for the screen opens at the default size of the screen's scale.
TEST(FitPlacementTest, TheDefaultSizeFollowsTheScreensScale) {
    for (const auto& [dpi, width, height] : {std::tuple{96, 640, 440}, {144, 960, 660}, {192, 1280, 880}}) {
        WindowPlacement placement{0, 0, 5000, 5000, 0};
        FitPlacement(placement, 4000, 3000, 32, 32, dpi);
        EXPECT_EQ(std::pair(placement.Width, placement.Height), std::pair(width, height)) << dpi;
    }
}

TEST_F(AppTest, ALowColourDepthIsWarnedOfOnceAndAFullOneIsRemembered) {
    const ImportHook<decltype(&Spy::DeviceCaps)> caps("gdi32.dll", "GetDeviceCaps", Spy::DeviceCaps);
    Store(kKey, {{"ColorDepth", 32}});
    Spy::bits = 16;
    Seen warning;
    driver.Then(Press(IDOK, &warning));
    Start();
    EXPECT_EQ(warning.caption + ": " + warning.text.substr(0, 60),
              "Warning: Lexiblast works best when running in 32-bit Full Color mode.");
    CloseQuietly();
    EXPECT_EQ(Stored(kKey, "ColorDepth"), "0") << "not to be warned of again";
    Spy::bits = 24;
    Start();
    CloseQuietly();
    EXPECT_EQ(Stored(kKey, "ColorDepth"), "24") << "a full colour display noted";
}

TEST_F(AppTest, FocusAndMenusStopAndRestartTheClocks) {
    Start();
    const std::map<UINT_PTR, UINT> both{{202, 1000}, {205, 100}}; // the one-second clock and the game's
    const auto send = [&](UINT message, WPARAM w, LPARAM l, bool paused) {
        SendMessageA(window, message, w, l);
        EXPECT_EQ(Text(window), paused ? "Lexiblast - Paused" : "Lexiblast") << message << " " << l;
        EXPECT_EQ(Spy::running, paused ? decltype(both){} : both) << message << " " << l;
    };
    send(WM_KILLFOCUS, 0, 0, true);
    send(WM_SETFOCUS, 0, 0, false);
    send(WM_INITMENU, 0, 0, true);
    send(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), reinterpret_cast<LPARAM>(GetMenu(window)), true);
    send(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0, false);
}

TEST_F(AppTest, NewGameAndChangedOptionsAskBeforeDroppingTheRunningGame) {
    Start();
    Zap().ScoreDisplay->Value = 77;
    Seen no;
    driver.Then(Press(IDNO, &no));
    TypeKey('N');
    EXPECT_EQ(no.caption + ": " + no.text,
              "New Game: Are you sure you want to quit the current game and start a new one?");
    EXPECT_EQ(Zap().Score(), 77) << "No keeps the game";
    EXPECT_EQ(Stored(kGeneric, "GamesPlayed"), "-") << "nothing recorded";
    driver.Then(Press(IDYES));
    Command(32778);
    EXPECT_EQ(Record(kGeneric), "1/-/1 77") << "skipped and abandoned";
    EXPECT_EQ(Zap().Score(), 0) << "a new game";

    driver.Then(Press(IDOK, &no, 1014)); // ends on time
    driver.Then(Press(IDNO));
    Command(32780);
    EXPECT_EQ(no.owner, "Lexiblast - Paused") << "a menu's dialog pauses the game";
    EXPECT_EQ(Zap().EndGameCondition, 4) << "No keeps the game with its own rules";
    driver.Then(Press(IDOK, nullptr, 1015)); // ends at the target
    driver.Then(Press(IDYES));
    Command(32780);
    EXPECT_EQ(Zap().EndGameCondition, 2) << "the new game plays the new rules";
    EXPECT_EQ(Record(kGeneric), "1/-/1 77") << "the dropped game is not recorded";

    Seen choosing;
    driver.Then(Press(IDYES));
    driver.Then(Press(IDCANCEL, &choosing)); // "&Quit" in the game selection
    Command(32785);                          // Ctrl+O
    EXPECT_EQ(choosing.owner, "Lexiblast - Paused") << "given up, not over, while the next game is chosen";
    MSG close{};
    ASSERT_TRUE(PeekMessageA(&close, window, WM_CLOSE, WM_CLOSE, PM_REMOVE));
    DispatchMessageA(&close);
    EXPECT_EQ(Record(kGeneric), "2/-/2 0") << "the game given up before the selection is recorded once";
}

TEST_F(AppTest, ClicksReachTheGameOnlyWhileItRunsAndAWonGameEntersTheHighScores) {
    Store(kKey, {{"EndGameCondition", 2}, {"TargetCount", 1}, {"FakeWordProbab", 0}});
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
    Seen gameOver;
    driver.Then(Press(IDOK, nullptr, 16385, "Ada")); // the first row
    driver.Then(Press(IDOK, &gameOver));             // "&New Game"
    click();
    EXPECT_EQ(gameOver.caption + " over " + gameOver.owner,
              "Game Over Statistics - Custom over Lexiblast - Game Over");
    EXPECT_EQ(Stored("Software\\Quillmoor\\Lexiblast\\Generic\\HighScores", "Name0"), "Ada");
    EXPECT_EQ(Stored(kGeneric, "GamesWon"), "1");
    EXPECT_EQ(PostedCommand(), 32778);
}

// Logging off ends the session without closing the window; both save what closing saves.
TEST_F(AppTest, ClosingOrLoggingOffMidGameRecordsItAbandonedAndSavesThePlacement) {
    for (const UINT message : {WM_ENDSESSION, WM_CLOSE}) {
        ClearRegistry();
        Start();
        Zap().ScoreDisplay->Value = 44;
        Seen entry;
        driver.Then(Press(IDCANCEL, &entry)); // the high-score check, as after any game
        if (message == WM_CLOSE) {
            driver.Then(Press(IDOK)); // no Game Over dialog may take it
        }
        SetWindowPos(window, nullptr, 30, 40, 500, 400, SWP_NOZORDER);
        SendMessageA(window, message, TRUE, 0);
        EXPECT_EQ(IsWindow(window) != FALSE, message == WM_ENDSESSION) << message;
        EXPECT_EQ(entry.caption, "Congratulations!  You got a high score!") << message;
        EXPECT_EQ(Record(kGeneric), "1/-/- 44") << message;
        EXPECT_EQ(Placement(), "30,40 500x400 0") << message;
        EXPECT_EQ(Stored(kKey, "EndGameCondition"), "4") << "rule settings written " << message;
    }
    EXPECT_EQ(driver.Pending(), 1u) << "no Game Over dialog";
}

// With no program for web pages (the tests' prefix has none, as a machine without a browser), the
// Help menu says which page it could not open: the help page by its full path, the web site by its
// address.
TEST_F(AppTest, WithoutABrowserTheHelpMenuSaysWhichPageItCouldNotOpen) {
    Start();
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof folder, folder);
    Seen help, web;
    driver.Then(Press(IDOK, &help));
    driver.Then(Press(IDOK, &web));
    Command(32771);
    Command(32776);
    EXPECT_EQ(help.caption, "Quillmoor Software");
    EXPECT_EQ(help.text.substr(0, help.text.rfind('\n')),
              "The help page could not be opened:\n" + std::string(folder) + "\\lexihelp.htm");
    EXPECT_EQ(web.text.substr(0, web.text.rfind('\n')),
              "The Lexiblast web page could not be opened:\nhttps://lexiblast.example.org/");
}

TEST_F(AppTest, AMissingWordListIsReportedAndTheGameStillComes) {
    CreateDirectoryA("no-word-list", nullptr);
    ASSERT_TRUE(SetCurrentDirectoryA("no-word-list"));
    Seen error;
    driver.Then(Press(IDOK, &error));
    Start();
    SetCurrentDirectoryA("..");
    RemoveDirectoryA("no-word-list");
    EXPECT_EQ(error.caption + ": " + error.text.substr(0, 49),
              "Error!: Lexiblast failed to load its dictionary of words.");
    ASSERT_NE(app->Game, nullptr);
}

TEST_F(AppTest, AFirstTourStartsAtStageOneAndGoesOnAcrossRestartsUntilCtrlNLeavesIt) {
    Store(kKey, {{"ShowWelcomeDlg", 1}, {"RoundRobinScore", 50}});
    Store(kTour, {{"GamesPlayed", 5}});
    std::string introduction;
    const auto introduce = [&](HWND dialog) {
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); // the escape key leaves it open
        introduction = Text(dialog) + ": " + Text(dialog, 1050) + ", " + Text(dialog, 1049);
        Click(dialog, IDOK);
    };
    driver.Then(Press(4)); // "Play &Tour"
    driver.Then(introduce);
    Start();
    EXPECT_EQ(introduction, "Round Robin Tour: Stage 1 - Find Fifty, 0");
    EXPECT_EQ(std::to_string(GameSettings.RoundRobinScore) + " " + Stored(kTour, "GamesPlayed"), "0 0")
        << "a fresh tour's sum and record";
    const std::int32_t scores[] = {120, -500, 300};
    for (int stage = 1; stage <= 3; ++stage) {
        driver.Then(Press(IDOK)); // "&Next Game"
        FinishByNoRoom(scores[stage - 1]);
        EXPECT_EQ(PostedCommand(), 32795) << "stage " << stage;
        if (stage < 3) {
            driver.Then(introduce); // the next stage's
            Command(32795);
        }
    }
    EXPECT_EQ(driver.Pending(), 0u) << "no high-score list before stage 9";
    EXPECT_EQ(introduction, "Round Robin Tour: Stage 3 - Hard to Find, -380") << "the sum so far";

    // Killed between two stages: the window never closes, yet the next run goes on with stage 4.
    Store(kKey, {{"ShowWelcomeDlg", 0}});
    driver.Then(introduce);
    Start();
    EXPECT_EQ(introduction, "Round Robin Tour: Stage 4 - Fifty Fakes, -80");
    EXPECT_EQ(Text(window), "Lexiblast - Round Robin Tour - Stage 4 - Fifty Fakes");
    EXPECT_EQ(Stored(kTour, "GamesPlayed"), "3") << "each stage counted once";

    Zap().ScoreDisplay->Value = 25;
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(Stored(kKey, "RoundRobinScore"), "-55") << "the abandoned stage counts";
    driver.Then(introduce);
    Start();
    EXPECT_EQ(introduction, "Round Robin Tour: Stage 5 - Fake for Fifty, -55");

    driver.Then(Press(IDYES));
    TypeKey('N');
    EXPECT_EQ(Text(window), "Lexiblast") << "Ctrl+N leaves the tour";
    EXPECT_EQ(Stored(kKey, "RoundRobin"), "0");
    EXPECT_EQ(Stored(kTour, "GamesSkipped"), "1") << "the stage given up, in the tour's record";

    Preferences.GameSelection = 1;
    driver.Then(Press(IDYES)); // give up the running game
    driver.Then(Press(IDOK));  // play the stage selected
    Command(32785);            // Ctrl+O
    EXPECT_EQ(std::to_string(GameSettings.RoundRobinScore) + " " + Stored(kTour, "GamesPlayed"), "0 0")
        << "stage 1 chosen alone starts the tour's sum and record afresh";
}

TEST_F(AppTest, StageNineOffersTheTourTotalToTheTourListAndStartsAgain) {
    Store(kKey, {{"RoundRobin", 1}, {"CurrentGame", 8}, {"RoundRobinScore", 400}});
    driver.Then(Press(IDOK));
    Start();
    driver.Then(Press(IDOK, nullptr, 16385 + 8, "Tourist")); // between the defaults 567 and 198
    driver.Then(Press(IDOK));
    FinishByNoRoom(0);
    EXPECT_EQ(Stored("Software\\Quillmoor\\Lexiblast\\RoundRobin\\HighScores", "Name8"), "Tourist");
    EXPECT_EQ(GameSettings.RoundRobinScore, 0);
    EXPECT_EQ(PostedCommand(), 32795);
    driver.Then(Press(IDOK));
    Command(32795);
    EXPECT_EQ(Preferences.CurrentGame, 1) << "after stage 9";
}

} // namespace
