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
    const char* stay = "* Any mistakes you make will remain on the screen taking up space.";
    // ScoreValidWords, ScoreBogusWords, EndGameCondition, TimeLimit and TargetCount, PenalizeMistakes;
    // the first five lines (the sixth points to the options).
    // clang-format off
    const struct { std::int32_t rules[5]; const char* lines[5]; } cases[] = {
        {{1, 1, 1, 50, 1}, {zap, eliminate, timeGoal, "* You have 50 seconds to score words before the game ends.",
                            "* Mistakes will cost you a couple seconds."}},
        {{0, 1, 6, 25, 1}, {"* If it's a word, just ignore it until it goes away.", eliminate,
                            "* Classify words as quickly as possible for the highest score.",
                            "* The game ends when you reach 25 words.", "* Mistakes will subtract from your total."}},
        {{0, 0, 4, 50, 1}, {"", "", roomGoal, "* The game ends when there's no room to add another word.", stay}},
        {{1, 1, 0, 50, 0}, {zap, eliminate, "", "* The game doesn't end until you give up.", stay}}};
    // clang-format on
    for (const auto& c : cases) {
        std::int32_t* const fields[] = {&GameSettings.ScoreValidWords, &GameSettings.ScoreBogusWords,
                                        &GameSettings.EndGameCondition, &GameSettings.TimeLimit,
                                        &GameSettings.PenalizeMistakes};
        for (int i = 0; i < 5; ++i) {
            *fields[i] = c.rules[i];
        }
        GameSettings.TargetCount = GameSettings.TimeLimit;
        CWelcomeDialog state;
        Drive([&] { return ShowWelcomeDialog(nullptr, state); }, {[&](HWND dialog) {
                  for (int i = 0; i < 5; ++i) {
                      EXPECT_EQ(Text(dialog, 1039 + i), c.lines[i])
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
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        const auto check = [&](HWND dialog) {
            EXPECT_EQ(IsWindowVisible(GetDlgItem(dialog, 4)) != FALSE, c.tourShown);
            EXPECT_EQ(Text(dialog, IDOK), c.play);
            EXPECT_EQ(GetDlgCtrlID(GetFocus()), c.focus);
            SendMessageA(dialog, WM_COMMAND, c.command, 0);
        };
        EXPECT_EQ(Drive([&] { return ShowWelcomeDialog(nullptr, state); }, {check}), c.result);
        EXPECT_EQ(GameSettings.RoundRobin, c.tourAfter);
        EXPECT_EQ(state.FirstOpening, 0);
    }
}

// The stored choice and the position selected on opening (-1 none, with the hint for a description);
// what the player does: 'p' Play, 'c' chooses the position `to` and plays, 'd' double-clicks it,
// 'q' Quit; and the choice and title afterwards.
TEST_F(WelcomeDialogs, TheStagesAreListedAndPlayStoresTheOneSelected) {
    // clang-format off
    const struct { int stored, position; const char* description; char does; int to, after; unsigned title; }
        cases[] = {{0, -1, "\n<--- Click on the name of a game", 'p', 0, 0, 453}, {9, 8, "Classify words forever", 'p', 0, 9, 153},
                   {10, -1, "\n<--- Click", 'p', 0, 10, 453}, {4, 3, "Eliminate 50", 'c', 7, 8, 152},
                   {4, 3, "Eliminate 50", 'd', 2, 3, 147}, {2, 1, "Zap as many", 'q', 0, 2, 453}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        Preferences.GameSelection = c.stored;
        CurrentTitleId = 453;
        const auto act = [&](HWND dialog) {
            const HWND list = GetDlgItem(dialog, 1024);
            EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 9);
            EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), c.position);
            EXPECT_EQ(Text(dialog, 1025).rfind(c.description, 0), 0u) << Text(dialog, 1025);
            EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDOK);
            if (c.does == 'c') {
                SendMessageA(list, LB_SETCURSEL, c.to, 0);
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(1024, LBN_SELCHANGE), LPARAM(list));
                EXPECT_EQ(Text(dialog, 1025).rfind("Classify any 50 words as q", 0), 0u);
            }
            if (c.does != 'd') {
                return Click(dialog, c.does == 'q' ? IDCANCEL : IDOK);
            }
            RECT item{};
            SendMessageA(list, LB_GETITEMRECT, c.to, reinterpret_cast<LPARAM>(&item));
            const LPARAM at = MAKELPARAM(item.left + 5, item.top + 2);
            for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
                SendMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
            }
        };
        EXPECT_EQ(Drive([] { return ShowSelectGameDialog(nullptr); }, {act}), c.does == 'q' ? 2 : 1);
        EXPECT_EQ(Preferences.GameSelection, c.after);
        EXPECT_EQ(CurrentTitleId, c.title);
    }
}

} // namespace
