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
        {{0, 1, 6, 25, 1, 0}, {"* If it's a word, just ignore it until it goes away.", eliminate,
                               "* Classify words as quickly as possible for the highest score.",
                               "* The game ends when you reach 25 words.", "* Mistakes will subtract from your total.", more}},
        {{0, 0, 4, 50, 1, 0}, {"", "", roomGoal, roomEnd, stay, more}},
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
}

TEST_F(WelcomeDialogs, TheStagesAreListedAndPlayStoresTheOneSelected) {
    const char* hint =
        "\n<--- Click on the name of a game in this list, and a description of that game will appear "
        "here.\n\nClick on the up and down arrows of the scroll bar to see even more games in the list.";
    // The stored choice; the position selected on opening (-1 none) and the start of its description;
    // what the player does: 'p' Play, 'c' chooses the position `to` and plays, 'd' double-clicks it,
    // 'q' Quit; and the choice and title afterwards.
    // clang-format off
    const struct { int stored, position; std::string description; char does; int to, after; unsigned title; }
        cases[] = {{0, -1, hint, 'p', 0, 0, 453}, {1, 0, "Zap 50 words", 'p', 0, 1, 145}, {9, 8, "Classify words forever", 'p', 0, 9, 153},
                   {10, -1, hint, 'p', 0, 10, 453}, {4, 3, "Eliminate 50", 'c', 7, 8, 152}, {4, 3, "Eliminate 50", 'd', 2, 3, 147},
                   {2, 1, "Zap as many", 'q', 0, 2, 453}};
    // clang-format on
    for (const auto& c : cases) {
        Preferences.GameSelection = c.stored;
        CurrentTitleId = 453;
        const auto number = &c - cases;
        const auto act = [&](HWND dialog) {
            const HWND list = GetDlgItem(dialog, 1024);
            char text[64] = "";
            SendMessageA(list, LB_GETTEXT, 8, reinterpret_cast<LPARAM>(text));
            EXPECT_STREQ(text, "Stage 9 - Limited Infinity") << "the last of nine";
            EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), c.position) << "case " << number;
            EXPECT_EQ(ItemText(dialog, 1025).substr(0, c.description.size()), c.description)
                << "case " << number;
            EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDOK) << "case " << number;
            if (c.does == 'c') {
                SendMessageA(list, LB_SETCURSEL, c.to, 0);
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(1024, LBN_SELCHANGE), LPARAM(list));
                EXPECT_EQ(ItemText(dialog, 1025).substr(0, 26), "Classify any 50 words as q")
                    << "case " << number;
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
