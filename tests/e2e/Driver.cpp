// e2e_driver play <lexiblast.exe>: plays a 15-second custom game of the real program from outside, as a
// player would, and checks its Game Over lists and the registry it leaves. Exit code 0 when all held.

#include "Remote.h"

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

Checks Check;

std::string Lower(std::string text) {
    return CharLowerA(text.data()), text;
}

// Where the driver moves the window during play: the placement saved at the end must be this one.
constexpr RECT kMoved{50, 60, 50 + 660, 60 + 500};

// Types a name into the row that a high score opened and presses OK; the row, -1 when none came.
int EnterHighScore(HWND dialog) {
    if (dialog == nullptr || WindowText(dialog).rfind("Congratulations", 0) != 0) {
        return -1;
    }
    int row = 0;
    while (row < 9 && (GetWindowLongA(GetDlgItem(dialog, 16385 + row), GWL_STYLE) & ES_READONLY) != 0) {
        ++row;
    }
    SendDlgItemMessageA(dialog, 16385 + row, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("E2E Driver"));
    PressButton(dialog, IDOK);
    WaitUntilGone(dialog, 5000);
    return row;
}

// Each Game Over list holds only genuine words or only fakes, and its count shows its length.
// Returns the number of words classified (zapped or eliminated).
std::size_t CheckLists(HWND dialog, const std::set<std::string>& words) {
    const struct {
        int ListId, CountId;
        const char* Name;
        bool Genuine, Classified;
    } lists[] = {{1040, 1044, "words zapped", true, true},   {1041, 1045, "words eliminated", true, true},
                 {1050, 1051, "words ignored", true, false}, {1043, 1047, "fakes eliminated", false, true},
                 {1058, 1059, "fakes zapped", false, true},  {1048, 1049, "fakes ignored", false, false}};
    std::size_t classified = 0;
    for (const auto& list : lists) {
        const std::vector<std::string> items = ListBoxItems(GetDlgItem(dialog, list.ListId));
        std::string wrong;
        for (const std::string& item : items) {
            wrong += (words.count(Lower(item)) != 0) != list.Genuine ? " " + item : "";
        }
        Check(wrong.empty(), std::string(list.Name) + ": " + std::to_string(items.size()) +
                                 " items, every one " + (list.Genuine ? "a line" : "not a line") +
                                 " of words.lst" + (wrong.empty() ? "" : "; wrong:" + wrong));
        const std::string count = WindowText(GetDlgItem(dialog, list.CountId));
        Check(count == std::to_string(items.size()),
              std::string(list.Name) + ": count shown \"" + count + "\"");
        classified += list.Classified ? items.size() : 0;
    }
    return classified;
}

int PlayGame(const std::string& exe) {
    std::set<std::string> words;
    for (const std::string& line : ReadLines(FolderOf(exe) + "\\words.lst")) {
        words.insert(Lower(line));
    }
    Check(words.size() > 1000, "words.lst beside the game read: " + std::to_string(words.size()) + " words");
    Check(ResetSettings(TimedGame(15, 0)), "registry prepared: custom game of 15 s, welcome dialog off");
    Game game;
    Check(game.Start(exe), "lexiblast.exe started from " + FolderOf(exe));
    if (!game.WaitForWindow(30000)) {
        return Check(false, "main window of class MAIN appeared"), 1;
    }
    const std::int64_t firstFrame = game.WaitForFirstFrame(30000);
    Check(firstFrame > 0, "first frame after " + std::to_string(firstFrame) + " ms");
    RECT prepared{};
    GetWindowRect(game.Window, &prepared);
    Check(prepared.left == kPreparedLeft && prepared.top == kPreparedTop,
          "window opened at the stored place");
    SetWindowPos(game.Window, nullptr, kMoved.left, kMoved.top, kMoved.right - kMoved.left,
                 kMoved.bottom - kMoved.top, SWP_NOZORDER | SWP_NOACTIVATE);

    Clicks clicks;
    HWND dialog = PlayUntilDialog(game, 60000, clicks);
    Check(clicks.Left > 0 && clicks.Right > 0,
          "words found on the field by their pixels and clicked: " + std::to_string(clicks.Left) + " LEFT, " +
              std::to_string(clicks.Right) + " RIGHT");
    const int highScoreRow = EnterHighScore(dialog);
    if (highScoreRow >= 0 || dialog == nullptr) {
        dialog = WaitForDialog(game.Process.dwProcessId, "Game Over Statistics", 20000);
    }
    const std::string title = dialog != nullptr ? WindowText(dialog) : "";
    Check(title.rfind("Game Over Statistics", 0) == 0,
          "Game Over Statistics dialog appeared: \"" + title + "\"");
    if (dialog == nullptr) {
        return 1;
    }
    const std::string score = WindowText(GetDlgItem(dialog, 1015));
    Check(CheckLists(dialog, words) > 0, "the zapped and eliminated lists hold words");

    PressButton(dialog, 2); // &Quit
    DWORD exitCode = 1;
    Check(game.WaitForExit(20000, &exitCode) && exitCode == 0,
          "the program ended after &Quit with exit code 0");

    Check(ReadSetting("Generic", "GamesPlayed", -1) == 1, "registry Generic\\GamesPlayed = 1");
    Check(ReadSetting("Generic", "GamesWon", -1) == 1,
          "registry Generic\\GamesWon = 1 (the time limit ended it)");
    Check(std::to_string(ReadSetting("Generic", "LatestScore", -99999)) == score,
          "registry Generic\\LatestScore is the score shown, " + score);
    const auto stored = [](const char* name) { return std::to_string(ReadSetting("", name, -1)); };
    const std::string placement =
        stored("Left") + "," + stored("Top") + " " + stored("Width") + "x" + stored("Height");
    Check(placement == "50,60 660x500", "registry placement " + placement + " is where the driver moved it");
    if (highScoreRow >= 0) {
        const std::string row = std::to_string(highScoreRow);
        Check(ReadSettingText("Generic\\HighScores", ("Name" + row).c_str()) == "E2E Driver" &&
                  ReadSettingText("Generic\\HighScores", ("Score" + row).c_str()) == score,
              "high score list in the registry holds E2E Driver with " + score + " in row " + row);
    }
    std::printf("e2e: %d passed, %d failed\n", Check.Passed, Check.Failed);
    return Check.Failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    SetProcessDPIAware(); // the game's own pixels, at any scale
    if (argc == 3 && std::string(argv[1]) == "play") {
        return PlayGame(argv[2]);
    }
    std::fprintf(stderr, "usage: e2e_driver play <lexiblast.exe>\n");
    return 2;
}
