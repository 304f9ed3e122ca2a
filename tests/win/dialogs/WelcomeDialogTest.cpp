#include "dialogs/WelcomeDialog.h"
#include "DialogText.h"
#include "dialogs/DialogHelpers.h"
#include "dialogs/SelectGameDialog.h"
#include "rules/GameSettings.h"
#include "store/Preferences.h"
#include "support/DialogDriver.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

class WelcomeDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { GameSettings = GameSettingsRecord{}; }
    void TearDown() override {
        GameSettings = savedSettings_;
        Preferences.GameSelection = savedSelection_;
        CurrentTitleId = savedTitleId_;
    }

private:
    GameSettingsRecord savedSettings_ = GameSettings;
    std::int32_t savedSelection_ = Preferences.GameSelection;
    unsigned savedTitleId_ = CurrentTitleId;
};

TEST_F(WelcomeDialogsTest, RuleLinesExplainTheSettings) {
    const char* zap = "* If it's a word, zap it with the LEFT mouse button.";
    const char* eliminate = "* If it's a fake, eliminate it with the RIGHT mouse button.";
    const char* timeGoal = "* Classify as many words as possible for the highest score.";
    const char* timeCost = "* Mistakes will cost you a couple seconds.";
    const char* roomGoal = "* Classify words as accurately as possible for the highest score.";
    const char* roomEnd = "* The game ends when there's no room to add another word.";
    const char* stay = "* Any mistakes you make will remain on the screen taking up space.";
    const char* more = "* Check out the Game Options dialog for more variations!";
    const struct {
        struct {
            std::int32_t scoreWords, scoreFakes, endCondition, number, penalize, expire;
        } rules;
        const char* lines[6];
    } cases[] = {
        {{1, 1, 1, 50, 1, 0},
         {zap, eliminate, timeGoal, "* You have 50 seconds to score words before the game ends.", timeCost,
          more}},
        {{1, 0, 3, INT_MIN, 0, 0}, // the time limit wins; the longest number
         {zap, "* If it's a fake, just ignore it until it goes away.", timeGoal,
          "* You have -2147483648 seconds to score words before the game ends.", "", more}},
        {{0, 1, 6, 25, 1, 0}, // the target wins
         {"* If it's a word, just ignore it until it goes away.", eliminate,
          "* Classify words as quickly as possible for the highest score.",
          "* The game ends when you reach 25 words.", "* Mistakes will subtract from your total.", more}},
        {{0, 0, 4, 50, 1, 0}, {"", "", roomGoal, roomEnd, stay, more}},
        {{1, 1, 4, 50, 1, 1}, {zap, eliminate, roomGoal, roomEnd, "", more}},
        {{1, 1, 0, 50, 0, 0}, {zap, eliminate, "", "* The game doesn't end until you give up.", stay, more}},
    };
    for (const auto& c : cases) {
        GameSettings.ScoreValidWords = c.rules.scoreWords;
        GameSettings.ScoreBogusWords = c.rules.scoreFakes;
        GameSettings.EndGameCondition = c.rules.endCondition;
        GameSettings.TimeLimit = GameSettings.TargetCount = c.rules.number;
        GameSettings.PenalizeMistakes = c.rules.penalize;
        GameSettings.ExpireMistakes = c.rules.expire;
        DialogDriver driver;
        driver.Then([&](HWND dialog) {
            for (int i = 0; i < 6; ++i) {
                EXPECT_EQ(ItemText(dialog, 1039 + i), c.lines[i])
                    << "case " << &c - cases << ", line " << 1039 + i;
                EXPECT_TRUE(TextFits(GetDlgItem(dialog, 1039 + i), c.lines[i])) << c.lines[i];
            }
            Click(dialog, IDOK);
        });
        CWelcomeDialog state;
        EXPECT_EQ(ShowWelcomeDialog(nullptr, state), 1);
        EXPECT_EQ(driver.Pending(), 0u);
    }
}

TEST_F(WelcomeDialogsTest, OnlyTheFirstOpeningOffersTheTour) {
    const struct {
        int firstOpening, tour;
        bool tourShown;
        const char* play;
        int focus, command, result, tourAfter;
    } cases[] = {
        {1, 0, true, "&Play", IDOK, 4, 1, 1},
        {1, 1, true, "&Play", 4, IDOK, 1, 0},
        {0, 1, false, "OK", IDOK, IDOK, 1, 0}, // from the menu: no focus on a hidden button
        {1, 1, true, "&Play", 4, IDCANCEL, 2, 1},
    };
    for (const auto& c : cases) {
        CWelcomeDialog state;
        state.FirstOpening = c.firstOpening;
        GameSettings.RoundRobin = c.tour;
        DialogDriver driver;
        driver.Then([&](HWND dialog) {
            EXPECT_EQ(IsWindowVisible(GetDlgItem(dialog, 4)) != FALSE, c.tourShown) << "case " << &c - cases;
            EXPECT_EQ(ItemText(dialog, IDOK), c.play) << "case " << &c - cases;
            EXPECT_EQ(GetDlgCtrlID(GetFocus()), c.focus) << "case " << &c - cases;
            SendMessageA(dialog, WM_COMMAND, c.command, 0);
        });
        EXPECT_EQ(ShowWelcomeDialog(nullptr, state), c.result) << "case " << &c - cases;
        EXPECT_EQ(GameSettings.RoundRobin, c.tourAfter) << "case " << &c - cases;
        EXPECT_EQ(state.FirstOpening, 0) << "case " << &c - cases;
    }
    // The program's own dialog remembers its first opening.
    bool tourShown = true;
    DialogDriver driver;
    driver.Then([](HWND dialog) { Click(dialog, IDOK); });
    driver.Then([&](HWND dialog) {
        tourShown = IsWindowVisible(GetDlgItem(dialog, 4)) != FALSE;
        Click(dialog, IDOK);
    });
    ShowWelcomeDialog(nullptr);
    ShowWelcomeDialog(nullptr);
    EXPECT_FALSE(tourShown);
}

void Choose(HWND dialog, int position) {
    const HWND list = GetDlgItem(dialog, 1024);
    SendMessageA(list, LB_SETCURSEL, position, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(1024, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

TEST_F(WelcomeDialogsTest, TheStagesAreListedInOrderAndTheirDescriptionsFit) {
    const char* titles[] = {
        "Stage 1 - Find Fifty",  "Stage 2 - Fifty Seconds",  "Stage 3 - Hard to Find",
        "Stage 4 - Fifty Fakes", "Stage 5 - Fake for Fifty", "Stage 6 - Hard to Fake",
        "Stage 7 - Any Fifty",   "Stage 8 - Wacky Fifty",    "Stage 9 - Limited Infinity"};
    Preferences.GameSelection = 2;
    CurrentTitleId = 453;
    DialogDriver driver;
    driver.Then([&](HWND dialog) {
        const HWND list = GetDlgItem(dialog, 1024);
        EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 9);
        for (int p = 0; p < 9; ++p) {
            char text[64] = "";
            SendMessageA(list, LB_GETTEXT, p, reinterpret_cast<LPARAM>(text));
            EXPECT_STREQ(text, titles[p]);
            EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, p, 0), p) << titles[p];
            EXPECT_TRUE(TextFits(list, text, DT_SINGLELINE)) << titles[p];
            Choose(dialog, p);
            EXPECT_TRUE(TextFits(GetDlgItem(dialog, 1025), ItemText(dialog, 1025))) << titles[p];
        }
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(ShowSelectGameDialog(nullptr), 2);
    EXPECT_EQ(Preferences.GameSelection, 2) << "Quit chooses nothing";
    EXPECT_EQ(CurrentTitleId, 453u) << "Quit chooses nothing";
}

TEST_F(WelcomeDialogsTest, TheStoredChoiceIsSelectedWhenItNamesAStage) {
    const char* hint =
        "\n<--- Click on the name of a game in this list, and a description of that game will appear "
        "here.\n\nClick on the up and down arrows of the scroll bar to see even more games in the list.";
    const char* fiftyFakes =
        "Eliminate 50 fakes as quickly as possible, but subtract one from your total whenever "
        "you eliminate a valid word. Score more points by reaching 50 faster. Use the RIGHT "
        "mouse button to eliminate fakes.";
    const struct {
        int stored, position;
        const char* description;
        unsigned titleAfter;
    } cases[] = {{0, -1, hint, 453},
                 {1, 0, nullptr, 145},
                 {4, 3, fiftyFakes, 148},
                 {9, 8, nullptr, 153},
                 {10, -1, hint, 453}};
    for (const auto& c : cases) {
        Preferences.GameSelection = c.stored;
        CurrentTitleId = 453;
        DialogDriver driver;
        driver.Then([&](HWND dialog) {
            EXPECT_EQ(SendDlgItemMessageA(dialog, 1024, LB_GETCURSEL, 0, 0), c.position) << c.stored;
            if (c.description != nullptr) {
                EXPECT_EQ(ItemText(dialog, 1025), c.description) << c.stored;
            }
            EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDOK) << c.stored;
            Click(dialog, IDOK);
        });
        EXPECT_EQ(ShowSelectGameDialog(nullptr), 1) << c.stored;
        EXPECT_EQ(Preferences.GameSelection, c.stored) << c.stored;
        EXPECT_EQ(CurrentTitleId, c.titleAfter) << c.stored;
    }
}

TEST_F(WelcomeDialogsTest, ChoosingAStageAndPlayingItStoresIt) {
    Preferences.GameSelection = 4;
    DialogDriver driver;
    driver.Then([](HWND dialog) {
        Choose(dialog, 7);
        EXPECT_EQ(ItemText(dialog, 1025),
                  "Classify any 50 words as quickly as possible despite their wacky fonts. "
                  "Use the LEFT button to zap genuine words, and the RIGHT button to "
                  "eliminate fakes. Score more points by reaching 50 faster.");
        Click(dialog, IDOK);
    });
    EXPECT_EQ(ShowSelectGameDialog(nullptr), 1);
    EXPECT_EQ(Preferences.GameSelection, 8);
    EXPECT_EQ(CurrentTitleId, 152u);

    // A double-click on a stage plays it at once.
    driver.Then([](HWND dialog) {
        const HWND list = GetDlgItem(dialog, 1024);
        RECT item{};
        SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM(item.left + 5, item.top + 2);
        SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(list, WM_LBUTTONUP, 0, at);
        SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageA(list, WM_LBUTTONUP, 0, at);
    });
    EXPECT_EQ(ShowSelectGameDialog(nullptr), 1);
    EXPECT_EQ(Preferences.GameSelection, 3);
    EXPECT_EQ(CurrentTitleId, 147u);
}

} // namespace
