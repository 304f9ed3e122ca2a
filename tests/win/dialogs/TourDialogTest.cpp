#include "dialogs/TourDialog.h"
#include "DialogText.h"
#include "dialogs/DialogHelpers.h"
#include "game/GameHost.h"
#include "game/Stages.h"
#include "rules/GameSettings.h"
#include "store/GameKey.h"
#include "support/DialogDriver.h"
#include "words/CText.h"
#include "words/Dictionary.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct QuietHost : GameHost {
    void EndGame(HWND, int) override {}
    void SetCurrentTitleId(unsigned) override {}
};

class TourDialogTest : public ::testing::Test {
protected:
    void TearDown() override {
        StatsGame = nullptr;
        GameSettings = savedSettings_;
        SetGameKey(savedKey_.c_str());
    }

private:
    GameSettingsRecord savedSettings_ = GameSettings;
    std::string savedKey_ = GameKey();
};

// Escape, as a command and as a key through the dialog's keyboard handling, leaves the dialog open.
void EscapeThenOk(HWND dialog) {
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "after command 2";
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(dialog, &message)) {
            DispatchMessageA(&message);
        }
    }
    EXPECT_TRUE(IsWindowVisible(dialog)) << "after the escape key";
    Click(dialog, IDOK);
}

TEST_F(TourDialogTest, ShowsTheStageAndTheTourScoreAndOnlyOkCloses) {
    QuietHost host;
    Dictionary words;
    CFiftyFakesGame game(host, GetModuleHandleA(nullptr), &words);
    StatsGame = &game;
    GameSettings.RoundRobinScore = -120;
    DialogDriver driver;
    driver.Then([](HWND dialog) {
        EXPECT_EQ(ItemText(dialog, 1050), "Stage 4 - Fifty Fakes");
        EXPECT_EQ(ItemText(dialog, 1048),
                  "Eliminate 50 fakes as quickly as possible, but subtract one from your "
                  "total whenever you eliminate a valid word. Score more points by reaching "
                  "50 faster. Use the RIGHT mouse button to eliminate fakes.");
        EXPECT_EQ(ItemText(dialog, 1049), "-120");
        EXPECT_TRUE(TextFits(GetDlgItem(dialog, 1053), ItemText(dialog, 1053)));
        for (unsigned id = 154; id <= 162; ++id) {
            EXPECT_TRUE(TextFits(GetDlgItem(dialog, 1048), CText(id).Chars)) << "description " << id;
        }
        EscapeThenOk(dialog);
    });
    EXPECT_EQ(ShowTourDialog(nullptr), 1);
    EXPECT_EQ(driver.Pending(), 0u);
}

TEST_F(TourDialogTest, WithoutAGameOnlyTheScoreShows) {
    GameSettings.RoundRobinScore = 0;
    DialogDriver driver;
    driver.Then([](HWND dialog) {
        EXPECT_EQ(ItemText(dialog, 1050), "");
        EXPECT_EQ(ItemText(dialog, 1049), "0");
        EscapeThenOk(dialog);
    });
    EXPECT_EQ(ShowTourDialog(nullptr), 1);
}

} // namespace
