#include "dialogs/WelcomeDialog.h"
#include "DialogTest.h"
#include "dialogs/SelectGameDialog.h"

namespace {

using WelcomeDialogs = DialogTest;

// The rule lines follow the settings: no points for words, ended at a target.
TEST_F(WelcomeDialogs, RuleLinesExplainTheSettings) {
    GameSettings.ScoreValidWords = 0, GameSettings.EndGameCondition = 6, GameSettings.TargetCount = 25;
    CWelcomeDialog state;
    Drive([&] { return ShowWelcomeDialog(nullptr, state); }, {[&](HWND dialog) {
              EXPECT_EQ(Text(dialog, 1039), "* If it's a word, just ignore it until it goes away.");
              EXPECT_EQ(Text(dialog, 1042), "* The game ends when you reach 25 words.");
              Click(dialog, IDOK);
          }});
}

// The stored choice, the position selected on opening and its description; 'p' Play, 'c' chooses the
// position `to` and plays, 'q' Quit; and the choice and title afterwards.
TEST_F(WelcomeDialogs, TheStagesAreListedAndPlayStoresTheOneSelected) {
    // clang-format off
    const struct { int stored, position; const char* description; char does; int to, after; unsigned title; }
        cases[] = {{0, -1, "\n<--- Click on the name of a game", 'p', 0, 0, 453}, {9, 8, "Classify words forever", 'p', 0, 9, 153},
                   {10, -1, "\n<--- Click", 'p', 0, 10, 453}, {4, 3, "Eliminate 50", 'c', 7, 8, 152},
                   {2, 1, "Zap as many", 'q', 0, 2, 453}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        Preferences.GameSelection = c.stored;
        CurrentTitleId = 453;
        const auto act = [&](HWND dialog) {
            const HWND list = GetDlgItem(dialog, 1024);
            EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), c.position);
            char title[64] = {}; // the stages listed by their titles, in order
            SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(title));
            EXPECT_STREQ(title, "Stage 2 - Fifty Seconds");
            EXPECT_EQ(Text(dialog, 1025).rfind(c.description, 0), 0u) << Text(dialog, 1025);
            if (c.does == 'c') {
                SendMessageA(list, LB_SETCURSEL, c.to, 0);
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(1024, LBN_SELCHANGE), LPARAM(list));
                EXPECT_EQ(Text(dialog, 1025).rfind("Classify any 50 words as q", 0), 0u);
            }
            Click(dialog, c.does == 'q' ? IDCANCEL : IDOK);
        };
        EXPECT_EQ(Drive([] { return ShowSelectGameDialog(nullptr); }, {act}), c.does == 'q' ? 2 : 1);
        EXPECT_EQ(Preferences.GameSelection, c.after);
        EXPECT_EQ(CurrentTitleId, c.title);
    }
}

} // namespace
