#pragma once

#include "dialogs/WelcomeDialog.h"
#include "game/CGame.h"
#include "game/GameHost.h"
#include "store/Preferences.h"
#include "words/Dictionary.h"

#include <windows.h>

#include <cstdint>
#include <memory>

// The project's web page, opened by Help > Go To Web Site.
inline constexpr char kWebSiteAddress[] = "https://lexiblast.example.org/";

// The window property that holds the milliseconds from the start of the process to the first frame
// a game painted; set once, so that a program watching from outside can time the start-up.
inline constexpr char kFirstFramePropName[] = "LexiblastFirstFrameMs";

// Moves a stored placement back onto a screen of the given size before the window is made: a corner
// off the screen goes to 0, a size larger than the screen or smaller than the smallest window
// becomes a default (the default size at the screen's scale, dpi pixels an inch). iconWidth and
// iconHeight: the standard icon size, the part of a window that must stay on the screen.
void FitPlacement(WindowPlacement& placement, int screenWidth, int screenHeight, int iconWidth,
                  int iconHeight, int dpi = USER_DEFAULT_SCREEN_DPI);

// The application: the main window, its message loop, pausing, the menu commands and the life of
// the current game. The program has one, App; tests make their own.
class CGameApp : public GameHost {
public:
    static constexpr int kTitleSize = 256;
    static constexpr int kSmallestClient = 256; // pixels each way
    // Modes of NewGame.
    static constexpr int kThisMode = 0;  // the game of the current mode
    static constexpr int kNextStage = 1; // the next stage of the tour
    static constexpr int kChooseStage = 1000;
    // The tour argument of NewGame that leaves RoundRobin as it is.
    static constexpr int kKeepTour = -1;

    HINSTANCE Instance = nullptr;
    WindowPlacement Placement; // the normal position and size, and MinMax
    bool GameEnded = false;
    bool Paused = false;
    UINT_PTR ClockTimer = 0;
    std::unique_ptr<CGame> Game;
    Dictionary Words;

    HWND Window = nullptr;
    HACCEL Accelerators = nullptr;
    char BaseTitle[kTitleSize] = "";
    SIZE SmallestWindow{0, 0};
    CWelcomeDialog Welcome;
    bool FirstFrameShown = false;

    CGameApp() = default;
    ~CGameApp() override;
    CGameApp(const CGameApp&) = delete;
    CGameApp& operator=(const CGameApp&) = delete;

    // Registers the main window's class; the result is not needed, creation reports a failure.
    void RegisterWindowClass(HINSTANCE instance);
    // Loads the preferences, makes and shows the main window and starts the first game; true when a
    // game exists afterwards.
    bool CreateMainWindow(HINSTANCE instance, int showCommand);
    // Loads the accelerator table; without it the program runs on without shortcuts.
    void LoadAcceleratorTable();
    // One message of the main loop: accelerators, dispatch, then the game's idle call.
    void HandleLoopMessage(MSG& message);
    // The message loop; returns the quit message's code.
    int Run();

    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void SetPaused(HWND window, bool on);
    void StartClock(HWND window);
    void StopClock(HWND window);
    void OnIdle();
    // Ends a running game as abandoned and saves the placement and the preferences.
    void CloseMainWindow(HWND window);

    // Menu and accelerator commands; true when handled.
    bool OnCommand(HWND window, int id, int code, HWND control);
    // Starts a game of the mode, first asking whether to give up a running one. tour: what RoundRobin
    // becomes (0 or 1) once no game runs any more; a No to the question leaves the running game and
    // its mode of play as they are, and a game given up is recorded in the mode it was played in.
    void NewGame(HWND window, int mode, int tour = kKeepTour);
    // A fresh tour: its sum and the stages' statistics back to zero.
    void StartRoundRobin();
    // True when the word list is loaded, loading it first (with a notice on the window) when needed.
    bool LoadDictionary(HWND window);

    // GameHost
    void EndGame(HWND window, int reason) override;
    void SetCurrentTitleId(unsigned id) override;

private:
    bool HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnPaint(HWND window);
    bool OnEraseBackground(HWND window, HDC dc);
    bool OnKeyDown(HWND window, WPARAM key);
    bool OnMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The base title, and during the tour the tour's and the stage's names.
    void ShowRunningTitle(HWND window);
    // Stops the clocks and shows the running title with the text suffixId after it.
    void PauseShowing(HWND window, unsigned suffixId);
    void CheckColourDepth(HWND window);
    void NoteFirstFrame(HWND window);
    // Runs a modal command with the clock stopped, and starts it again unless the game ended.
    template <typename Body>
    void WithPause(HWND window, Body body);
    void ShowAbout(HWND window);
    void ShowOptions(HWND window);
    void ShowSettings(HWND window);
    // True when the player asked for the tour in the how-to-play dialog while none was on.
    bool ShowHowToPlay(HWND window);
    std::unique_ptr<CGame> MakeGame(int choice);
};

// The program's application object.
extern CGameApp App;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
