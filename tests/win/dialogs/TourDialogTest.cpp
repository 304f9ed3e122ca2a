#include "dialogs/TourDialog.h"
#include "DialogTest.h"
#include "game/Stages.h"
#include "words/Dictionary.h"

namespace {

using TourDialog = DialogTest;

TEST_F(TourDialog, ShowsTheStageAndTheTourScoreInTheMiddleOfTheScreenAndOnlyOkCloses) {
    QuietHost host;
    Dictionary words;
    CFiftyFakesGame game(host, GetModuleHandleA(nullptr), &words);
    StatsGame = &game;
    GameSettings.RoundRobinScore = -120;
    const auto check = [&](HWND dialog) {
        EXPECT_EQ(ItemText(dialog, 1050), "Stage 4 - Fifty Fakes");
        EXPECT_EQ(ItemText(dialog, 1048).substr(0, 38), "Eliminate 50 fakes as quickly as possi");
        EXPECT_EQ(ItemText(dialog, 1049), "-120");
        RECT place{};
        GetWindowRect(dialog, &place);
        EXPECT_NEAR(place.left + place.right, GetSystemMetrics(SM_CXSCREEN), 1) << "centred, having no owner";
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); // the escape key
        EXPECT_TRUE(IsWindowVisible(dialog)) << "after command 2";
        Click(dialog, IDOK);
    };
    EXPECT_EQ(Drive([] { return ShowTourDialog(nullptr); }, {check}), 1);
}

} // namespace
