#include "dialogs/WelcomeDialog.h"
#include "DialogTest.h"
#include "dialogs/SelectGameDialog.h"

namespace {

using WelcomeDialogs = DialogTest;

TEST_F(WelcomeDialogs, RuleLinesExplainTheSettings) {
    const char* zap = "* If it's a word, zap it with the LEFT mouse button.";
    const char* eliminate = "* If it's a fake, eliminate it with the RIGHT mouse button.";
    const char* timeGoal = "* Classify as many words as possible for the highest score.";
    const char* roomGoal = "* Classify words as accurately as possible for the highest score.";
    const char* roomEnd = "* The game ends when there's no room to add another word.";
    const char* stay = "* Any mistakes you make will remain on the screen taking up space.";
    const char* more = "* Check out the Game Options dialog for more variations!";
    // ScoreValidWords, ScoreBogusWords, EndGameCondition, TimeLimit and TargetCount, PenalizeMistakes,
    // ExpireMistakes; the six lines.
    // clang-format off
    const struct { std::int32_t rules[6]; const char* lines[6]; } cases[] = {
        {{1, 1, 1, 50, 1, 0}, {zap, eliminate, timeGoal, "* You have 50 seconds to score words before the game ends.",
                               "* Mistakes will cost you a couple seconds.", more}},
        {{1, 0, 3, INT32_MIN, 0, 0}, {zap, "* If it's a fake, just ignore it until it goes away.", timeGoal,
                                      "* You have -2147483648 seconds to score words before the game ends.", "", more}},
        {{0, 1, 6, 25, 1, 0}, {"* If it's a word, just ignore it until it goes away.", eliminate,
                               "* Classify words as quickly as possible for the highest score.",
                               "* The game ends when you reach 25 words.", "* Mistakes will subtract from your total.", more}},
        {{0, 0, 4, 50, 1, 0}, {"", "", roomGoal, roomEnd, stay, more}},
        {{1, 1, 4, 50, 1, 1}, {zap, eliminate, roomGoal, roomEnd, "", more}},
        {{1, 1, 0, 50, 0, 0}, {zap, eliminate, "", "* The game doesn't end until you give up.", stay, more}}};
    // clang-format on
    for (const auto& c : cases) {
        GameSettings.ScoreValidWords = c.rules[0];
        GameSettings.ScoreBogusWords = c.rules[1];
        GameSettings.EndGameCondition = c.rules[2];
        GameSettings.TimeLimit = GameSettings.TargetCount = c.rules[3];
        GameSettings.PenalizeMistakes = c.rules[4];
        GameSettings.ExpireMistakes = c.rules[5];
        CWelcomeDialog state;
        Drive([&] { return ShowWelcomeDialog(nullptr, state); }, {[&](HWND dialog) {
                  for (int i = 0; i < 6; ++i) {
                      EXPECT_EQ(ItemText(dialog, 1039 + i), c.lines[i])
                          << "case " << &c - cases << ", line " << i;
                  }
                  Click(dialog, IDOK);
              }});
    }
}

TEST_F(WelcomeDialogs, OnlyTheFirstOpeningOffersTheTour) {
    // clang-format off
    const struct { int firstOpening, tour; bool tourShown; const char* play; int focus, command, result, tourAfter; }
        cases[] = {{1, 0, true, "&Play", IDOK, 4, 1, 1},
                   {1, 1, true, "&Play", 4, IDOK, 1, 0},
                   {0, 1, false, "OK", IDOK, IDOK, 1, 0}, // from the menu: no focus on a hidden button
                   {1, 1, true, "&Play", 4, IDCANCEL, 2, 1}};
    // clang-format on
    for (const auto& c : cases) {
        CWelcomeDialog state;
        state.FirstOpening = c.firstOpening;
        GameSettings.RoundRobin = c.tour;
        const auto number = &c - cases;
        const auto check = [&](HWND dialog) {
            EXPECT_EQ(IsWindowVisible(GetDlgItem(dialog, 4)) != FALSE, c.tourShown) << "case " << number;
            EXPECT_EQ(ItemText(dialog, IDOK), c.play) << "case " << number;
            EXPECT_EQ(GetDlgCtrlID(GetFocus()), c.focus) << "case " << number;
            SendMessageA(dialog, WM_COMMAND, c.command, 0);
        };
        EXPECT_EQ(Drive([&] { return ShowWelcomeDialog(nullptr, state); }, {check}), c.result)
            << "case " << number;
        EXPECT_EQ(GameSettings.RoundRobin, c.tourAfter) << "case " << number;
        EXPECT_EQ(state.FirstOpening, 0) << "case " << number;
    }
    // The program's own state: only its first opening offers the tour.
    const auto open = [] { return ShowWelcomeDialog(nullptr); };
    Drive(open, {Press({IDOK})});
    Drive(open, {[](HWND dialog) {
              EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, 4))) << "a later opening";
              Click(dialog, IDOK);
          }});
}

TEST_F(WelcomeDialogs, TheStagesAreListedAndPlayStoresTheOneSelected) {
    const char* titles[] = {
        "Stage 1 - Find Fifty",  "Stage 2 - Fifty Seconds",  "Stage 3 - Hard to Find",
        "Stage 4 - Fifty Fakes", "Stage 5 - Fake for Fifty", "Stage 6 - Hard to Fake",
        "Stage 7 - Any Fifty",   "Stage 8 - Wacky Fifty",    "Stage 9 - Limited Infinity"};
    const char* hint =
        "\n<--- Click on the name of a game in this list, and a description of that game will appear "
        "here.\n\nClick on the up and down arrows of the scroll bar to see even more games in the list.";
    const char* fiftyFakes =
        "Eliminate 50 fakes as quickly as possible, but subtract one from your total whenever "
        "you eliminate a valid word. Score more points by reaching 50 faster. Use the RIGHT "
        "mouse button to eliminate fakes.";
    const char* wacky =
        "Classify any 50 words as quickly as possible despite their wacky fonts. Use the LEFT button "
        "to zap genuine words, and the RIGHT button to eliminate fakes. Score more points by "
        "reaching 50 faster.";
    // The stored choice; the position selected on opening (-1 none) and its description (null: not
    // checked); what the player does: 'p' Play, 'c' chooses the position `to` and plays, 'd'
    // double-clicks it, 'q' Quit; and the choice and title afterwards.
    // clang-format off
    const struct { int stored, position; const char* description; char does; int to, after; unsigned title; }
        cases[] = {{0, -1, hint, 'p', 0, 0, 453}, {1, 0, nullptr, 'p', 0, 1, 145}, {4, 3, fiftyFakes, 'p', 0, 4, 148},
                   {9, 8, nullptr, 'p', 0, 9, 153}, {10, -1, hint, 'p', 0, 10, 453}, {4, 3, nullptr, 'c', 7, 8, 152},
                   {4, 3, nullptr, 'd', 2, 3, 147}, {2, 1, nullptr, 'q', 0, 2, 453}};
    // clang-format on
    for (const auto& c : cases) {
        Preferences.GameSelection = c.stored;
        CurrentTitleId = 453;
        const auto number = &c - cases;
        const auto act = [&](HWND dialog) {
            const HWND list = GetDlgItem(dialog, 1024);
            EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 9) << "case " << number;
            for (int p = 0; p < 9; ++p) {
                char text[64] = "";
                SendMessageA(list, LB_GETTEXT, p, reinterpret_cast<LPARAM>(text));
                EXPECT_STREQ(text, titles[p]) << "case " << number;
            }
            EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), c.position) << "case " << number;
            if (c.description != nullptr) {
                EXPECT_EQ(ItemText(dialog, 1025), c.description) << "case " << number;
            }
            EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDOK) << "case " << number;
            if (c.does == 'c') {
                SendMessageA(list, LB_SETCURSEL, c.to, 0);
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(1024, LBN_SELCHANGE), LPARAM(list));
                EXPECT_EQ(ItemText(dialog, 1025), wacky) << "case " << number;
            }
            if (c.does != 'd') {
                Click(dialog, c.does == 'q' ? IDCANCEL : IDOK);
                return;
            }
            RECT item{};
            SendMessageA(list, LB_GETITEMRECT, c.to, reinterpret_cast<LPARAM>(&item));
            const LPARAM at = MAKELPARAM(item.left + 5, item.top + 2);
            for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
                SendMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
            }
        };
        EXPECT_EQ(Drive([] { return ShowSelectGameDialog(nullptr); }, {act}), c.does == 'q' ? 2 : 1)
            << "case " << number;
        EXPECT_EQ(Preferences.GameSelection, c.after) << "case " << number;
        EXPECT_EQ(CurrentTitleId, c.title) << "case " << number;
    }
}

} // namespace
