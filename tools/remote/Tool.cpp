// Drives the real lexiblast.exe from outside for the project's own tools:
//   lexiblast_remote startup <lexiblast.exe> <runs>    start-up time to the first frame, run after run
//   lexiblast_remote shots <lexiblast.exe> <folder>    bitmaps of the field and of every dialog
//   lexiblast_remote web <lexiblast.exe>               Help > Contents and Go To Web Site, as set up
// It runs in the same Wine prefix as the game. Exit code 0 only when every step worked.

#include "Remote.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

Checks Check;

int MeasureStartup(const std::string& exe, int runs) {
    std::vector<std::int64_t> times;
    for (int run = 1; run <= runs; ++run) {
        ResetSettings(TimedGame(50, 0));
        Game game;
        if (!game.Start(exe) || !game.WaitForWindow(30000)) {
            Check(false, "run " + std::to_string(run) + ": main window appeared");
            continue;
        }
        const std::int64_t ms = game.WaitForFirstFrame(30000);
        Check(ms > 0, "run " + std::to_string(run) + ": first frame after " + std::to_string(ms) + " ms");
        if (ms > 0) {
            times.push_back(ms);
        }
        PostMessageA(game.Window, WM_CLOSE, 0, 0);
        DWORD code = 0;
        Check(game.WaitForExit(20000, &code), "run " + std::to_string(run) + ": closed");
    }
    if (!times.empty()) {
        std::sort(times.begin(), times.end());
        std::printf("startup: median %lld ms over %zu runs (min %lld, max %lld)\n",
                    static_cast<long long>(times[times.size() / 2]), times.size(),
                    static_cast<long long>(times.front()), static_cast<long long>(times.back()));
    }
    return Check.Failed == 0 ? 0 : 1;
}

// Saves the whole window (frame and menu included) as <folder>\<name>.bmp.
void Shoot(HWND window, const std::string& folder, const char* name) {
    Sleep(400); // let it paint
    RECT r{};
    GetWindowRect(window, &r);
    Capture image;
    const std::string path = folder + "\\" + name + ".bmp";
    Check(CaptureScreen(r, image) && SaveBitmap(image, path), std::string("shot ") + name);
}

// Opens a dialog by a menu command, shoots it and closes it with the given button.
void ShootDialog(Game& game, const std::string& folder, int command, const char* caption, const char* name,
                 int closeWith) {
    PostMessageA(game.Window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    HWND dialog = WaitForDialog(game.Process.dwProcessId, caption, 10000);
    if (dialog == nullptr) {
        Check(false, std::string("dialog ") + caption + " opened");
        return;
    }
    Shoot(dialog, folder, name);
    PressButton(dialog, closeWith);
    WaitUntilGone(dialog, 5000);
}

// Answers Yes to the "quit the current game?" question when it comes.
void AnswerYes(Game& game, const char* caption) {
    if (HWND box = WaitForDialog(game.Process.dwProcessId, caption, 3000)) {
        PressButton(box, IDYES);
        WaitUntilGone(box, 5000);
    }
}

// Scrolls the Game Over list that holds the longest word to its right end, as a player would with
// the list's scroll bar, so that the word's last letters show.
void ShowLongestWord(HWND dialog) {
    HWND widest = nullptr;
    std::size_t longest = 0, index = 0;
    for (const int id : {1040, 1041, 1050, 1058, 1043, 1048}) {
        const std::vector<std::string> items = ListBoxItems(GetDlgItem(dialog, id));
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].size() > longest) {
                longest = items[i].size();
                widest = GetDlgItem(dialog, id);
                index = i;
            }
        }
    }
    Check(widest != nullptr, "longest word of the Game Over lists: " + std::to_string(longest) + " letters");
    if (widest != nullptr) {
        SendMessageA(widest, LB_SETTOPINDEX, index, 0);
        SendMessageA(widest, WM_HSCROLL, SB_RIGHT, 0);
    }
}

// A correct zap on a field of genuine words, shot about 1, 5 and 10 ticks into the word's growth.
void ShootZap(const std::string& exe, const std::string& folder) {
    std::vector<NamedValue> values = TimedGame(50, 0);
    values.push_back({"FakeWordProbab", 0}); // every word genuine: any click is a correct zap
    values.push_back({"FadeWords", 0});
    values.push_back({"PowerUps", 0});
    ResetSettings(values);
    Game game;
    if (!game.Start(exe) || !game.WaitForWindow(30000)) {
        Check(false, "game started");
        return;
    }
    Sleep(4000);
    Capture field;
    const bool captured = CaptureClient(game.Window, field);
    std::vector<Blob> words;
    if (captured) {
        words = FindColourBlobs(field, kWordPixel, field.Height / 15 + 8);
    }
    if (words.empty()) {
        Check(false, "words on the field to zap");
    } else {
        // The word nearest the middle, so that it has room to grow on every side.
        const auto distance = [&](const Blob& b) {
            const int dx = b.Aim.x - field.Width / 2, dy = b.Aim.y - field.Height / 2;
            return dx * dx + dy * dy;
        };
        const Blob word = *std::min_element(words.begin(), words.end(), [&](const Blob& a, const Blob& b) {
            return distance(a) < distance(b);
        });
        ClickAt(game.Window, word.Aim.x, word.Aim.y, false);
        const DWORD zapped = GetTickCount();
        for (const auto& [ms, name] : {std::pair{150, "zap-1"}, {550, "zap-2"}, {1050, "zap-3"}}) {
            while (GetTickCount() - zapped < static_cast<DWORD>(ms)) {
                Sleep(5);
            }
            RECT r{};
            GetWindowRect(game.Window, &r);
            Capture image;
            Check(CaptureScreen(r, image) && SaveBitmap(image, folder + "\\" + name + ".bmp"),
                  std::string("shot ") + name);
        }
    }
    PostMessageA(game.Window, WM_CLOSE, 0, 0);
    DWORD code = 0;
    game.WaitForExit(20000, &code);
}

int Shots(const std::string& exe, const std::string& folder) {
    ShootZap(exe, folder);
    {
        // A field of words in random faces: words that stay, one every 0.3 s.
        std::vector<NamedValue> values = TimedGame(50, 1);
        values.push_back({"FadeWords", 0});
        values.push_back({"AddWordInterval", 3});
        ResetSettings(values);
        Game game;
        if (!game.Start(exe) || !game.WaitForWindow(30000)) {
            Check(false, "game started");
            return 1;
        }
        Sleep(6000);
        Shoot(game.Window, folder, "field-random-fonts");
        PostMessageA(game.Window, WM_CLOSE, 0, 0);
        DWORD code = 0;
        game.WaitForExit(20000, &code);
    }
    ResetSettings(TimedGame(20, 0));
    Game game;
    if (!game.Start(exe) || !game.WaitForWindow(30000)) {
        Check(false, "game started");
        return 1;
    }
    Clicks clicks;
    Sleep(2500);
    PlayUntilDialog(game, 3000, clicks);
    Shoot(game.Window, folder, "field");
    ShootDialog(game, folder, 32780, "Game Options", "game-options", IDCANCEL);
    ShootDialog(game, folder, 32793, "Game Settings", "game-settings", IDCANCEL);
    ShootDialog(game, folder, 32784, "Game Statistics", "game-statistics-empty", IDCANCEL);
    ShootDialog(game, folder, 32779, "High Score List", "high-scores", IDCANCEL);
    ShootDialog(game, folder, 32791, "Welcome", "how-to-play", IDOK);
    ShootDialog(game, folder, 104, "About", "about", IDOK);
    HWND dialog = PlayUntilDialog(game, 60000, clicks);
    if (dialog != nullptr && WindowText(dialog).rfind("Congratulations", 0) == 0) {
        PressButton(dialog, IDOK);
        WaitUntilGone(dialog, 5000);
        dialog = WaitForDialog(game.Process.dwProcessId, "Game Over Statistics", 10000);
    }
    if (dialog == nullptr) {
        Check(false, "Game Over Statistics opened");
        return 1;
    }
    Shoot(dialog, folder, "game-over-statistics");
    ShowLongestWord(dialog);
    Shoot(dialog, folder, "game-over-long-word");
    PressButton(dialog, IDOK); // New Game
    WaitUntilGone(dialog, 5000);
    Sleep(1000);
    ShootDialog(game, folder, 32784, "Game Statistics", "game-statistics", IDCANCEL);
    // Choose a game: the running game is given up first, then the list of stages.
    PostMessageA(game.Window, WM_COMMAND, MAKEWPARAM(32785, 0), 0);
    AnswerYes(game, "New Game");
    if (HWND select = WaitForDialog(game.Process.dwProcessId, "Welcome", 10000)) {
        HWND list = GetDlgItem(select, 1024);
        SendMessageA(list, LB_SETCURSEL, 6, 0);
        PostMessageA(select, WM_COMMAND, MAKEWPARAM(1024, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        Shoot(select, folder, "game-selection");
        PressButton(select, IDOK);
        WaitUntilGone(select, 5000);
    } else {
        Check(false, "game selection opened");
    }
    // Stage 8, where every word comes in a face of its own, a few seconds in.
    Sleep(1000);
    PostMessageA(game.Window, WM_COMMAND, MAKEWPARAM(32785, 0), 0);
    AnswerYes(game, "New Game");
    if (HWND select = WaitForDialog(game.Process.dwProcessId, "Welcome", 10000)) {
        HWND list = GetDlgItem(select, 1024);
        const std::vector<std::string> stages = ListBoxItems(list);
        const auto stage8 = std::find_if(stages.begin(), stages.end(), [](const std::string& item) {
            return item.rfind("Stage 8", 0) == 0;
        });
        Check(stage8 != stages.end(), "stage 8 listed");
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(stage8 - stages.begin()), 0);
        PressButton(select, IDOK);
        WaitUntilGone(select, 5000);
        Sleep(6000);
        Shoot(game.Window, folder, "stage-8");
    } else {
        Check(false, "game selection opened for stage 8");
    }
    Sleep(1000);
    PostMessageA(game.Window, WM_COMMAND, MAKEWPARAM(32795, 0), 0);
    AnswerYes(game, "Next Game");
    if (HWND tour = WaitForDialog(game.Process.dwProcessId, "Round Robin", 10000)) {
        Shoot(tour, folder, "round-robin-tour");
        PressButton(tour, IDOK);
        WaitUntilGone(tour, 5000);
    } else {
        Check(false, "Round Robin Tour dialog opened");
    }
    PostMessageA(game.Window, WM_CLOSE, 0, 0);
    DWORD code = 0;
    Check(game.WaitForExit(20000, &code), "the program ended");
    std::printf("shots: %d passed, %d failed\n", Check.Passed, Check.Failed);
    return Check.Failed == 0 ? 0 : 1;
}

// Opens the help page and the web site from the Help menu; a message box means neither could open.
int OpenWebPages(const std::string& exe) {
    Game game;
    if (!game.Start(exe) || !game.WaitForWindow(30000)) {
        Check(false, "game started");
        return 1;
    }
    for (const auto& [command, name] : {std::pair{32771, "Contents"}, {32776, "Go To Web Site"}}) {
        PostMessageA(game.Window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
        Sleep(3000);
        const HWND box = FindAnyDialog(game.Process.dwProcessId);
        Check(box == nullptr, std::string(name) + " opened without a message" +
                                  (box != nullptr ? ": " + WindowText(box) : std::string()));
    }
    PostMessageA(game.Window, WM_CLOSE, 0, 0);
    DWORD code = 0;
    Check(game.WaitForExit(20000, &code), "the program ended");
    std::printf("web: %d passed, %d failed\n", Check.Passed, Check.Failed);
    return Check.Failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    // Screen coordinates as they are, like the game's own, whatever the screen's scale.
    SetProcessDPIAware();
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "startup" && argc == 4) {
        return MeasureStartup(argv[2], std::max(1, std::atoi(argv[3])));
    }
    if (mode == "shots" && argc == 4) {
        return Shots(argv[2], argv[3]);
    }
    if (mode == "web" && argc == 3) {
        return OpenWebPages(argv[2]);
    }
    std::fprintf(stderr, "usage: lexiblast_remote startup <exe> <runs> | shots <exe> <folder> | web <exe>\n");
    return 2;
}
