// Drives the real lexiblast.exe from outside, as a player and the player's tools would:
//   e2e_driver play <lexiblast.exe>              a whole timed game, then its results and the registry
//   e2e_driver startup <lexiblast.exe> <runs>    start-up time to the first frame, run after run
//   e2e_driver shots <lexiblast.exe> <folder>    bitmaps of the field and of every dialog
// It runs in the same Wine prefix as the game. Exit code 0 only when every check held.

#include "Remote.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

int Passed = 0;
int Failed = 0;

void Check(bool ok, const std::string& what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.c_str());
    std::fflush(stdout);
    (ok ? Passed : Failed) += 1;
}

void Say(const std::string& line) {
    std::printf("    %s\n", line.c_str());
    std::fflush(stdout);
}

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// Placement written before the start, and the one the driver moves the window to during play.
constexpr int kPreparedLeft = 30, kPreparedTop = 40, kPreparedWidth = 640, kPreparedHeight = 480;
constexpr int kMovedLeft = 50, kMovedTop = 60, kMovedWidth = 660, kMovedHeight = 500;
constexpr DWORD kPaleYellow = 0x0080FFFF; // 0x00BBGGRR, as the registry keeps colours
constexpr DWORD kDarkBlue = 0x00800000;
constexpr std::uint32_t kPaleYellowPixel = 0x00FFFF80; // the same colour as a captured pixel

std::vector<NamedValue> BaseSettings() {
    return {{"ShowWelcomeDlg", 0},          {"Sound", 0},          {"RoundRobin", 0},
            {"Left", kPreparedLeft},        {"Top", kPreparedTop}, {"Width", kPreparedWidth},
            {"Height", kPreparedHeight},    {"MinMax", 0},         {"ForegroundColor", kPaleYellow},
            {"BackgroundColor", kDarkBlue}, {"FontSize", 24},      {"ColorDepth", 32}};
}

// A short custom game: ends by its time limit, a word every half second, words that fade away,
// mistakes that leave the field and cost no time, no speed changes that depend on the player.
std::vector<NamedValue> TimedGame(DWORD seconds, DWORD randomFonts) {
    std::vector<NamedValue> values = BaseSettings();
    const std::vector<NamedValue> rules = {
        {"EndGameCondition", 1},      {"TimeLimit", seconds}, {"AddWordInterval", 5}, {"WordLifespan", 40},
        {"FakeWordProbab", 50},       {"FadeWords", 1},       {"ExpireMistakes", 1},  {"PenalizeMistakes", 0},
        {"HandicapSpeed", 0},         {"AddWordsFaster", 0},  {"PowerUps", 1},        {"AnimateWords", 0},
        {"RandomFonts", randomFonts}, {"ScoreValidWords", 1}, {"ScoreBogusWords", 1}, {"GenerateWords", 1},
        {"GenerateFakes", 7}};
    values.insert(values.end(), rules.begin(), rules.end());
    return values;
}

struct Clicks {
    int Left = 0;
    int Right = 0;
};

// Clicks words found by their colour, one every 0.4 s at most, until a dialog of the game opens or
// the time runs out; every third click uses the RIGHT button. A patch just clicked is left alone
// while it fades. The pace leaves some words unclicked, to be filed as ignored.
HWND PlayUntilDialog(Game& game, DWORD timeoutMs, Clicks& clicks) {
    struct Recent {
        RECT Box;
        DWORD At;
    };
    std::vector<Recent> recent;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (HWND dialog = FindAnyDialog(game.Process.dwProcessId)) {
            return dialog;
        }
        Capture field;
        if (CaptureClient(game.Window, field)) {
            const int strip = field.Height / 15 + 8; // the score, clock and count across the top
            const DWORD now = GetTickCount();
            std::erase_if(recent, [now](const Recent& r) { return now - r.At > 1500; });
            int clicked = 0;
            for (const Blob& blob : FindColourBlobs(field, kPaleYellowPixel, strip)) {
                const bool fresh = std::none_of(recent.begin(), recent.end(), [&](const Recent& r) {
                    return blob.Aim.x >= r.Box.left - 4 && blob.Aim.x <= r.Box.right + 4 &&
                           blob.Aim.y >= r.Box.top - 4 && blob.Aim.y <= r.Box.bottom + 4;
                });
                if (!fresh || clicked == 1) {
                    continue;
                }
                const bool right = (clicks.Left + clicks.Right) % 3 == 1;
                ClickAt(game.Window, blob.Aim.x, blob.Aim.y, right);
                (right ? clicks.Right : clicks.Left) += 1;
                recent.push_back(Recent{blob.Box, now});
                ++clicked;
            }
        }
        if (WaitForSingleObject(game.Process.hProcess, 400) == WAIT_OBJECT_0) {
            return nullptr;
        }
    }
    return nullptr;
}

struct ListCheck {
    int ListId;
    int CountId;
    const char* Name;
    bool Genuine;
};

int PlayGame(const std::string& exe) {
    std::vector<std::string> lines = ReadLines(FolderOf(exe) + "\\words.lst");
    std::set<std::string> words;
    for (const std::string& line : lines) {
        words.insert(Lower(line));
    }
    Check(words.size() > 1000, "words.lst beside the game read: " + std::to_string(words.size()) + " words");

    Check(ResetSettings(TimedGame(15, 0)), "registry prepared: custom game of 15 s, welcome dialog off");
    Game game;
    Check(game.Start(exe), "lexiblast.exe started from " + FolderOf(exe));
    if (!game.WaitForWindow(30000)) {
        Check(false, "main window of class MAIN appeared");
        return 1;
    }
    Check(true, "main window of class MAIN appeared");
    const std::int64_t firstFrame = game.WaitForFirstFrame(30000);
    Check(firstFrame > 0, "start-up time to the first frame: " + std::to_string(firstFrame) + " ms");
    RECT prepared{};
    GetWindowRect(game.Window, &prepared);
    Check(prepared.left == kPreparedLeft && prepared.top == kPreparedTop,
          "window opened at the stored place (" + std::to_string(prepared.left) + ", " +
              std::to_string(prepared.top) + ")");
    SetWindowPos(game.Window, nullptr, kMovedLeft, kMovedTop, kMovedWidth, kMovedHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT moved{};
    GetWindowRect(game.Window, &moved);
    Say("window moved to " + std::to_string(moved.left) + ", " + std::to_string(moved.top) + " size " +
        std::to_string(moved.right - moved.left) + " x " + std::to_string(moved.bottom - moved.top));

    Clicks clicks;
    HWND dialog = PlayUntilDialog(game, 60000, clicks);
    Say("clicked " + std::to_string(clicks.Left) + " words LEFT and " + std::to_string(clicks.Right) +
        " RIGHT");
    Check(clicks.Left > 0 && clicks.Right > 0, "words found on the field by their pixels and clicked");
    bool highScore = false;
    if (dialog != nullptr && WindowText(dialog).rfind("Congratulations", 0) == 0) {
        highScore = true;
        for (int id = 16385; id <= 16394; ++id) {
            HWND name = GetDlgItem(dialog, id);
            if (name != nullptr && (GetWindowLongA(name, GWL_STYLE) & ES_READONLY) == 0) {
                SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("E2E Driver"));
            }
        }
        Say("high score entry offered; name typed, OK pressed");
        PressButton(dialog, IDOK);
        WaitUntilGone(dialog, 5000);
        dialog = nullptr;
    }
    if (dialog == nullptr) {
        dialog = WaitForDialog(game.Process.dwProcessId, "Game Over Statistics", 20000);
    }
    const std::string title = dialog != nullptr ? WindowText(dialog) : "";
    Check(title.rfind("Game Over Statistics", 0) == 0,
          "Game Over Statistics dialog appeared: \"" + title + "\"");
    if (dialog == nullptr) {
        return 1;
    }
    const std::string scoreText = WindowText(GetDlgItem(dialog, 1015));
    Say("score shown (1015): " + scoreText);

    const ListCheck lists[] = {{1040, 1044, "words zapped", true},  {1041, 1045, "words eliminated", true},
                               {1050, 1051, "words ignored", true}, {1043, 1047, "fakes eliminated", false},
                               {1058, 1059, "fakes zapped", false}, {1048, 1049, "fakes ignored", false}};
    size_t classified = 0;
    for (const ListCheck& list : lists) {
        const std::vector<std::string> items = ListBoxItems(GetDlgItem(dialog, list.ListId));
        std::string wrong;
        for (const std::string& item : items) {
            if ((words.count(Lower(item)) != 0) != list.Genuine) {
                wrong += " " + item;
            }
        }
        std::string sample;
        for (size_t i = 0; i < items.size() && i < 4; ++i) {
            sample += " " + items[i];
        }
        const std::string name = std::string(list.Name) + " (" + std::to_string(list.ListId) + ")";
        Check(wrong.empty(), name + ": " + std::to_string(items.size()) + " items, every one " +
                                 (list.Genuine ? "a line" : "not a line") + " of words.lst" +
                                 (wrong.empty() ? "" : "; wrong:" + wrong) +
                                 (sample.empty() ? "" : "; e.g." + sample));
        const std::string count = WindowText(GetDlgItem(dialog, list.CountId));
        Check(count == std::to_string(items.size()), name + ": count shown (" + std::to_string(list.CountId) +
                                                         ") \"" + count + "\" matches the list");
        if (list.ListId != 1050 && list.ListId != 1048) {
            classified += items.size();
        }
    }
    Check(classified > 0, "zapped and eliminated lists hold " + std::to_string(classified) + " words in all");

    RECT before{};
    GetWindowRect(game.Window, &before);
    PressButton(dialog, 2);
    Say("pressed &Quit (2)");
    DWORD exitCode = 1;
    Check(game.WaitForExit(20000, &exitCode), "the program ended after &Quit");
    Check(exitCode == 0, "exit code " + std::to_string(exitCode));

    const std::int64_t played = ReadSetting("Generic", "GamesPlayed", -1);
    Check(played == 1, "registry Generic\\GamesPlayed = " + std::to_string(played));
    const std::int64_t won = ReadSetting("Generic", "GamesWon", -1);
    Check(won == 1,
          "registry Generic\\GamesWon = " + std::to_string(won) + " (the time limit ended the game)");
    const std::int64_t latest = ReadSetting("Generic", "LatestScore", -99999);
    Check(std::to_string(latest) == scoreText,
          "registry Generic\\LatestScore = " + std::to_string(latest) + ", the dialog showed " + scoreText);
    const struct {
        const char* Name;
        LONG Expected;
    } placement[] = {{"Left", before.left},
                     {"Top", before.top},
                     {"Width", before.right - before.left},
                     {"Height", before.bottom - before.top}};
    for (const auto& value : placement) {
        const std::int64_t stored = ReadSetting("", value.Name, -1);
        Check(stored == value.Expected, std::string("registry ") + value.Name + " = " +
                                            std::to_string(stored) + " (window had " +
                                            std::to_string(value.Expected) + ")");
    }
    Check(before.left == kMovedLeft && before.top == kMovedTop && before.right - before.left == kMovedWidth &&
              before.bottom - before.top == kMovedHeight,
          "the saved placement is the moved window's, not the one prepared");
    if (highScore) {
        bool listed = false;
        for (int row = 0; row < 10; ++row) {
            const std::string index = std::to_string(row);
            listed =
                listed || (ReadSettingText("Generic\\HighScores", ("Name" + index).c_str()) == "E2E Driver" &&
                           ReadSettingText("Generic\\HighScores", ("Score" + index).c_str()) == scoreText);
        }
        Check(listed, "high score list in the registry holds E2E Driver with " + scoreText);
    }
    std::printf("e2e: %d passed, %d failed\n", Passed, Failed);
    return Failed == 0 ? 0 : 1;
}

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
    return Failed == 0 ? 0 : 1;
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
        words = FindColourBlobs(field, kPaleYellowPixel, field.Height / 15 + 8);
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
    std::printf("shots: %d passed, %d failed\n", Passed, Failed);
    return Failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "play" && argc == 3) {
        return PlayGame(argv[2]);
    }
    if (mode == "startup" && argc == 4) {
        return MeasureStartup(argv[2], std::max(1, std::atoi(argv[3])));
    }
    if (mode == "shots" && argc == 4) {
        return Shots(argv[2], argv[3]);
    }
    std::fprintf(stderr, "usage: e2e_driver play <exe> | startup <exe> <runs> | shots <exe> <folder>\n");
    return 2;
}
