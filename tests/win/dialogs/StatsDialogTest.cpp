#include "dialogs/StatsDialog.h"
#include "DialogTest.h"
#include "game/CZapGame.h"

namespace {

constexpr char kGenericKey[] = "Software\\Quillmoor\\Lexiblast\\Generic";
// The stored numbers below as shown: latest, average, best, worst, played, won and lost.
const std::string kShown = "120, 77, 121, -7, 3, 2 (67%), 1 (33%)";

struct QuietHost : GameHost {
    void EndGame(HWND, int) override {}
    void SetCurrentTitleId(unsigned) override {}
};

class StatsDialog : public DialogTest {
protected:
    QuietHost host;
    CZapGame game{host, GetModuleHandleA(nullptr), nullptr};

    void SetUp() override {
        DialogTest::SetUp();
        const char* names[] = {"LatestScore",  "GamesPlayed", "GamesWon",
                               "AverageScore", "BestScore",   "WorstScore"};
        const std::int32_t values[] = {120, 3, 2, 77, 121, -7};
        for (int i = 0; i < 6; ++i) {
            RegSetKeyValueA(HKEY_CURRENT_USER, kGenericKey, names[i], REG_DWORD, &values[i],
                            sizeof values[i]);
        }
    }
    INT_PTR GameOver(std::initializer_list<DialogAction> actions) {
        return Drive([this] { return ShowGameOverStatistics(nullptr, &game); }, actions);
    }
    static std::string Numbers(HWND dialog) {
        std::string shown;
        for (const int id : {1015, 1016, 1017, 1018, 1021, 1023, 1022}) {
            shown += Text(dialog, id) + (id == 1022 ? "" : ", ");
        }
        return shown;
    }
};

TEST_F(StatsDialog, GameOverListsEachWordListSortedInItsBoxWithItsCount) {
    const std::tuple<StringList CZapGame::*, int, int> boxes[] = {
        {&CZapGame::WordsZapped, 1040, 1044},     {&CZapGame::WordsEliminated, 1041, 1045},
        {&CZapGame::WordsIgnored, 1050, 1051},    {&CZapGame::FakesZapped, 1058, 1059},
        {&CZapGame::FakesEliminated, 1043, 1047}, {&CZapGame::FakesIgnored, 1048, 1049}};
    for (const auto& [list, box, count] : boxes) {
        (game.*list).Append((std::to_string(box) + " b").c_str());
        (game.*list).Append((std::to_string(box) + " a").c_str());
    }
    CurrentTitleId = 145;
    const auto check = [&](HWND dialog) {
        EXPECT_EQ(Text(dialog), "Game Over Statistics - Stage 1 - Find Fifty");
        for (const auto& [list, box, count] : boxes) {
            char first[64] = "";
            SendDlgItemMessageA(dialog, box, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
            EXPECT_EQ(std::string(first) + ", of " + Text(dialog, count), std::to_string(box) + " a, of 2");
        }
        Click(dialog, 2);
    };
    EXPECT_EQ(GameOver({check}), 2);
}

TEST_F(StatsDialog, ResetAsksAndOnlyYesZeroesTheStoredNumbersButTheLatestScore) {
    for (const int answer : {IDNO, IDYES}) {
        const auto reset = [&](HWND dialog) {
            Click(dialog, 1013);
            EXPECT_EQ(Text(dialog, 1015) + ", " + Text(dialog, 1016) + ", " + Text(dialog, 1021),
                      answer == IDYES ? "120, 0, 0" : "120, 77, 3");
            Click(dialog, 1);
        };
        const auto box = [&](HWND asked) {
            EXPECT_EQ(Text(asked) + ": " + Text(asked, 0xFFFF).substr(0, 39),
                      "Reset Scores: This action will erase your average sco");
            SendMessageA(asked, WM_COMMAND, answer, 0);
        };
        EXPECT_EQ(GameOver({reset, box}), 1);
    }
}

// Before the first game nothing was played, won or lost, and there is no best or worst score.
TEST_F(StatsDialog, GameStatisticsShowsTheStoredNumbersOrNoneBeforeTheFirstGame) {
    CurrentTitleId = 453;
    for (const std::string& shown : {kShown, std::string("0, 0, none, none, 0, 0 (0%), 0 (0%)")}) {
        Drive([] { return ShowGameStatistics(nullptr, nullptr); }, {[&](HWND dialog) {
                  EXPECT_EQ(Text(dialog) + ": " + Numbers(dialog), "Game Statistics - Custom: " + shown);
                  Click(dialog, 1);
              }});
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillmoor");
    }
}

} // namespace
