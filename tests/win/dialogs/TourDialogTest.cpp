#include "dialogs/TourDialog.h"
#include "DialogTest.h"
#include "game/Stages.h"
#include "words/Dictionary.h"

namespace {

using TourDialog = DialogTest;

TEST_F(TourDialog, ShowsTheStageAndTheTourScoreAndOnlyOkCloses) {
    QuietHost host;
    Dictionary words;
    CFiftyFakesGame game(host, GetModuleHandleA(nullptr), &words);
    const char* description = "Eliminate 50 fakes as quickly as possible, but subtract one from your total "
                              "whenever you eliminate a valid word. Score more points by reaching 50 faster. "
                              "Use the RIGHT mouse button to eliminate fakes.";
    for (CZapGame* stage : {static_cast<CZapGame*>(&game), static_cast<CZapGame*>(nullptr)}) {
        StatsGame = stage;
        GameSettings.RoundRobinScore = stage != nullptr ? -120 : 0;
        const char* with = stage != nullptr ? "with a game" : "without a game";
        const auto check = [&](HWND dialog) {
            EXPECT_EQ(ItemText(dialog, 1050), stage != nullptr ? "Stage 4 - Fifty Fakes" : "") << with;
            EXPECT_EQ(ItemText(dialog, 1048), stage != nullptr ? description : "") << with;
            EXPECT_EQ(ItemText(dialog, 1049), stage != nullptr ? "-120" : "0") << with;
            // Escape, as command 2 and as a key through the dialog's keyboard handling, leaves it open.
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            EXPECT_TRUE(IsWindowVisible(dialog)) << "after command 2, " << with;
            PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
            for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) {
                if (!IsDialogMessageA(dialog, &message)) {
                    DispatchMessageA(&message);
                }
            }
            EXPECT_TRUE(IsWindowVisible(dialog)) << "after the escape key, " << with;
            Click(dialog, IDOK);
        };
        EXPECT_EQ(Drive([] { return ShowTourDialog(nullptr); }, {check}), 1) << with;
    }
}

} // namespace
