#pragma once

// Driving the real program from another process: its registry, its process, its windows, the
// pixels of its field and the controls of its dialogs. Everything goes through the same calls a
// person's tools would use, so nothing here reaches into the program's code.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The program's settings key under HKEY_CURRENT_USER.
inline constexpr char kSettingsKey[] = "Software\\Quillmoor\\Lexiblast";

struct NamedValue {
    const char* Name;
    DWORD Value;
};

// Removes the program's whole key, then writes the given values into it.
bool ResetSettings(const std::vector<NamedValue>& values);
// A DWORD under the settings key (sub-key may be empty); fallback when it cannot be read.
std::int64_t ReadSetting(const char* subKey, const char* name, std::int64_t fallback);
std::string ReadSettingText(const char* subKey, const char* name);

// The running program, started from the folder of its executable.
struct Game {
    PROCESS_INFORMATION Process{};
    HWND Window = nullptr;
    bool Start(const std::string& exePath);
    // Waits for the main window (class "MAIN") of this process.
    bool WaitForWindow(DWORD timeoutMs);
    // Waits until the first frame's time is on the main window; -1 on time-out.
    std::int64_t WaitForFirstFrame(DWORD timeoutMs);
    // Waits for the process to end; false on time-out.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);
    void Kill();
    ~Game();
};

// A visible dialog of the process whose caption begins with prefix, or nullptr.
HWND FindDialog(DWORD processId, const char* prefix);
HWND WaitForDialog(DWORD processId, const char* prefix, DWORD timeoutMs);
// The first visible dialog of the process other than the main window.
HWND FindAnyDialog(DWORD processId);
bool WaitUntilGone(HWND window, DWORD timeoutMs);

std::string WindowText(HWND window); // through WM_GETTEXT, whole text across processes
std::vector<std::string> ListBoxItems(HWND listBox);
void PressButton(HWND dialog, int id);

// Pixels of a screen rectangle, top row first, 0x00RRGGBB.
struct Capture {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
    std::uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};
bool CaptureScreen(const RECT& screenRect, Capture& out);
bool CaptureClient(HWND window, Capture& out);
bool SaveBitmap(const Capture& image, const std::string& path);

// Bounding boxes of the patches of one colour (within a tolerance) below a top margin, each with one
// pixel of that colour to aim at.
struct Blob {
    RECT Box;
    POINT Aim;
};
std::vector<Blob> FindColourBlobs(const Capture& image, std::uint32_t rgb, int top);

// A mouse move to (x, y) in client coordinates, then a press and a release of one button.
void ClickAt(HWND window, int x, int y, bool right);

std::vector<std::string> ReadLines(const std::string& path);
std::string FolderOf(const std::string& path);

// The settings of a short custom game that ends by its time limit: a word every half second, words
// that fade away, mistakes that leave the field and cost no time, no speed changes that depend on
// the player, pale yellow words on dark blue in a window of 640 x 480 at (30, 40) at 96 dots an
// inch, larger in proportion at a larger scale.
inline constexpr int kPreparedLeft = 30, kPreparedTop = 40;
inline constexpr std::uint32_t kWordPixel = 0x00FFFF80; // the words' colour as a captured pixel
std::vector<NamedValue> TimedGame(DWORD seconds, DWORD randomFonts);

// Clicks words found by their colour, one every 0.4 s at most, until a dialog of the game opens
// (returned) or the time runs out; every third click uses the RIGHT button. A patch just clicked is
// left alone while it fades. The pace leaves some words unclicked.
struct Clicks {
    int Left = 0;
    int Right = 0;
};
HWND PlayUntilDialog(Game& game, DWORD timeoutMs, Clicks& clicks);

// Each check printed at once as "ok: <what>" or "FAIL: <what>", and counted.
struct Checks {
    int Passed = 0;
    int Failed = 0;
    void operator()(bool ok, const std::string& what);
};
