#include "dialogs/StatsDialog.h"
#include "DialogTest.h"
#include "game/CZapGame.h"

namespace {

constexpr char kGenericKey[] = "Software\\Quillmoor\\Lexiblast\\Generic";

class StatsDialog : public DialogTest {
protected:
    QuietHost host;
    CZapGame game{host, GetModuleHandleA(nullptr), nullptr};

    void SetUp() override {
        DialogTest::SetUp();
        for (const auto& [name, value] : {std::pair{"LatestScore", 120},
                                          {"GamesPlayed", 3},
                                          {"GamesWon", 2},
                                          {"AverageScore", 77},
                                          {"BestScore", 121},
                                          {"WorstScore", -7}}) {
            RegSetKeyValueA(HKEY_CURRENT_USER, kGenericKey, name, REG_DWORD, &value, sizeof value);
        }
    }
    INT_PTR GameOver(std::initializer_list<DialogAction> actions) {
        return Drive([this] { return ShowGameOverStatistics(nullptr, &game); }, actions);
    }
    static std::string Item(HWND dialog, int id, int index) {
        char text[256] = "(none)";
        SendDlgItemMessageA(dialog, id, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
        return text;
    }
};

// Each of the game's six lists stands in its own column, left to right as Words Zapped, Eliminated,
// Ignored, Fakes Zapped, Eliminated, Ignored, sorted, with its count.
TEST_F(StatsDialog, GameOverListsEachWordListSortedInItsColumnWithItsCount) {
    const std::pair<StringList CZapGame::*, int> columns[] = {
        {&CZapGame::WordsZapped, 1040}, {&CZapGame::WordsEliminated, 1041}, {&CZapGame::WordsIgnored, 1050},
        {&CZapGame::FakesZapped, 1058}, {&CZapGame::FakesEliminated, 1043}, {&CZapGame::FakesIgnored, 1048}};
    const int counts[] = {1044, 1045, 1051, 1059, 1047, 1049};
    for (const auto& [list, box] : columns) {
        (game.*list).Append((std::to_string(box) + " b").c_str());
        (game.*list).Append((std::to_string(box) + " a").c_str());
    }
    CurrentTitleId = 145;
    const auto check = [&](HWND dialog) {
        EXPECT_EQ(ItemText(dialog), "Game Over Statistics - Stage 1 - Find Fifty");
        LONG left = -100000;
        for (int i = 0; i < 6; ++i) {
            const int box = columns[i].second;
            EXPECT_EQ(Item(dialog, box, 0), std::to_string(box) + " a");
            EXPECT_EQ(Item(dialog, box, 1), std::to_string(box) + " b");
            EXPECT_EQ(ItemText(dialog, counts[i]), "2") << box;
            RECT place{};
            GetWindowRect(GetDlgItem(dialog, box), &place);
            EXPECT_GT(place.left, left) << box << " stands right of the column before it";
            left = place.left;
        }
        Click(dialog, 2);
    };
    EXPECT_EQ(GameOver({check}), 2);
    EXPECT_EQ(StatsGame, nullptr);
}

TEST_F(StatsDialog, ResetAsksAndOnlyYesZeroesTheStoredNumbersButTheLatestScore) {
    for (const int answer : {IDNO, IDYES}) {
        const bool yes = answer == IDYES;
        HWND dialog = nullptr;
        const auto reset = [&](HWND opened) {
            Click(dialog = opened, 1013);
            EXPECT_EQ(ItemText(opened, 1015), "120") << answer;
            EXPECT_EQ(ItemText(opened, 1016), yes ? "0" : "77") << answer;
            EXPECT_EQ(ItemText(opened, 1021), yes ? "0" : "3") << answer;
            Click(opened, 1);
        };
        const auto box = [&](HWND opened) {
            EXPECT_EQ(ItemText(opened, 0xFFFF).substr(0, 39), "This action will erase your average sco");
            EXPECT_EQ(ItemText(opened), "Reset Scores");
            EXPECT_EQ(GetWindow(opened, GW_OWNER), dialog);
            SendMessageA(opened, WM_COMMAND, answer, 0);
        };
        EXPECT_EQ(GameOver({reset, box}), 1);
        std::int32_t played = -1;
        DWORD size = sizeof played;
        RegGetValueA(HKEY_CURRENT_USER, kGenericKey, "GamesPlayed", RRF_RT_REG_DWORD, nullptr, &played,
                     &size);
        EXPECT_EQ(played, yes ? 0 : 3) << answer;
    }
}

TEST_F(StatsDialog, GameStatisticsShowsTheStoredNumbersOrNoneBeforeTheFirstGameAndInTheTourEndsWithFour) {
    CurrentTitleId = 453;
    const int fields[] = {1015, 1016, 1017, 1018, 1021, 1023, 1022};
    const char* shown[] = {"120", "77", "121", "-7", "3", "2 (67%)", "1 (33%)"};
    for (const int tour : {0, 1}) {
        GameSettings.RoundRobin = tour;
        for (const bool over : {false, true}) {
            const auto read = [&](HWND dialog) {
                EXPECT_EQ(ItemText(dialog, 1), tour != 0 ? "&Next Game" : over ? "&New Game" : "OK") << over;
                for (int i = 0; i < 7 && !over; ++i) {
                    EXPECT_EQ(ItemText(dialog, fields[i]), shown[i]) << "control " << fields[i];
                }
                Click(dialog, 1);
            };
            const INT_PTR result =
                over ? GameOver({read}) : Drive([] { return ShowGameStatistics(nullptr, nullptr); }, {read});
            EXPECT_EQ(result, tour != 0 ? 4 : 1) << "tour " << tour << ", game over " << over;
        }
    }
    // Before the first game nothing was played, won or lost, and there is no best or worst score.
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillmoor");
    const auto read = [](HWND dialog) {
        EXPECT_EQ(ItemText(dialog), "Game Statistics - Custom");
        for (const auto& [id, text] : {std::pair{1021, "0"},
                                       {1023, "0 (0%)"},
                                       {1022, "0 (0%)"},
                                       {1017, "none"},
                                       {1018, "none"},
                                       {1016, "0"}}) {
            EXPECT_EQ(ItemText(dialog, id), text) << id;
        }
        Click(dialog, 2);
    };
    Drive([] { return ShowGameStatistics(nullptr, nullptr); }, {read});
}

} // namespace
