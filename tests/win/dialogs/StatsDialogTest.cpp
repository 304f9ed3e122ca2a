#include "dialogs/StatsDialog.h"

#include "ScoreDialogFixture.h"
#include "game/CZapGame.h"

#include <string>
#include <vector>

namespace {

const std::pair<const char*, std::int32_t> kThreeGames[] = {
    {"LatestScore", 120}, {"GamesPlayed", 3}, {"GamesWon", 2},     {"AverageScore", 77},
    {"BestScore", 121},   {"WorstScore", -7}, {"GamesSkipped", 1},
};
void StoreThreeGames() {
    for (const auto& [name, value] : kThreeGames) {
        RegSetKeyValueA(HKEY_CURRENT_USER, kGenericKey, name, REG_DWORD, &value, sizeof value);
    }
}

struct QuietHost : GameHost {
    void EndGame(HWND, int) override {}
    void SetCurrentTitleId(unsigned) override {}
};

class StatsDialogTest : public ScoreDialogFixture {
protected:
    QuietHost host;
    CZapGame game{host, GetModuleHandleA(nullptr), nullptr};

    static std::string Item(HWND dialog, int id, int index) {
        char text[256] = "(none)";
        SendDlgItemMessageA(dialog, id, LB_GETTEXT, static_cast<WPARAM>(index),
                            reinterpret_cast<LPARAM>(text));
        return text;
    }
};

TEST_F(StatsDialogTest, GameOverListsEachWordListSortedInItsColumnWithItsCount) {
    struct Column {
        StringList CZapGame::*list;
        int box, count;
    };
    // Left to right on screen; each list gets "<column> b" and then "<column> a".
    const Column columns[] = {
        {&CZapGame::WordsZapped, 1040, 1044},     {&CZapGame::WordsEliminated, 1041, 1045},
        {&CZapGame::WordsIgnored, 1050, 1051},    {&CZapGame::FakesZapped, 1058, 1059},
        {&CZapGame::FakesEliminated, 1043, 1047}, {&CZapGame::FakesIgnored, 1048, 1049}};
    for (const Column& column : columns) {
        (game.*column.list).Append((std::to_string(column.box) + " b").c_str());
        (game.*column.list).Append((std::to_string(column.box) + " a").c_str());
    }
    CurrentTitleId = 145;
    DialogDriver driver;
    driver.Then([&](HWND dialog) {
        EXPECT_EQ(Caption(dialog), "Game Over Statistics - Stage 1 - Find Fifty");
        LONG left = -100000;
        for (const Column& column : columns) {
            const std::string name = std::to_string(column.box);
            EXPECT_EQ(Item(dialog, column.box, 0), name + " a");
            EXPECT_EQ(Item(dialog, column.box, 1), name + " b");
            EXPECT_EQ(Text(dialog, column.count), "2") << name;
            const HWND box = GetDlgItem(dialog, column.box);
            EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog, column.count), GWL_STYLE) & SS_TYPEMASK, SS_CENTER)
                << name;
            RECT place{};
            GetWindowRect(box, &place);
            EXPECT_GT(place.left, left) << name << " stands right of the column before it";
            left = place.left;
        }
        Click(dialog, 2);
    });
    EXPECT_EQ(ShowGameOverStatistics(nullptr, &game), 2);
    EXPECT_EQ(StatsGame, nullptr);
}

TEST_F(StatsDialogTest, ResetAsksAndOnlyYesZeroesTheStoredNumbersButTheLatestScore) {
    StoreThreeGames();
    game.WordsZapped.Append("apple");
    for (const int answer : {IDNO, IDYES}) {
        const bool yes = answer == IDYES;
        std::string score, average, played, fakesZapped, question, title;
        HWND dialog = nullptr, owner = nullptr;
        DialogDriver driver;
        driver.Then([&](HWND opened) {
            dialog = opened;
            Click(opened, 1013);
            score = Text(opened, 1015);
            average = Text(opened, 1016);
            played = Text(opened, 1021);
            EXPECT_EQ(Item(opened, 1040, 0), "apple") << "the word lists stay";
            EXPECT_EQ(SendDlgItemMessageA(opened, 1058, LB_GETCOUNT, 0, 0), 0) << "no fake was zapped";
            fakesZapped = Text(opened, 1059);
            Click(opened, 1);
        });
        driver.Then([&](HWND box) {
            question = Text(box, 0xFFFF);
            title = Caption(box);
            owner = GetWindow(box, GW_OWNER);
            SendMessageA(box, WM_COMMAND, answer, 0);
        });
        EXPECT_EQ(ShowGameOverStatistics(nullptr, &game), 1);
        EXPECT_EQ(question,
                  "This action will erase your average score, games played, and win-loss percentage "
                  "(setting them all back to zero).\r\nAre you sure you want to proceed?");
        EXPECT_EQ(title, "Reset Scores");
        EXPECT_EQ(owner, dialog);
        EXPECT_EQ(fakesZapped, "0");
        EXPECT_EQ(score, "120") << answer;
        EXPECT_EQ(average, yes ? "0" : "77") << answer;
        EXPECT_EQ(played, yes ? "0" : "3") << answer;
        for (const auto& [name, before] : kThreeGames) {
            const bool kept = !yes || std::string(name) == "LatestScore";
            EXPECT_EQ(StoredDword(name), kept ? before : 0) << name << " after " << answer;
        }
    }
}

TEST_F(StatsDialogTest, InTheTourButtonOneReadsNextGameAndEndsWithFour) {
    for (const int tour : {0, 1}) {
        GameSettings.RoundRobin = tour;
        for (const bool over : {false, true}) {
            std::string label;
            DialogDriver driver;
            driver.Then([&](HWND dialog) {
                label = Text(dialog, 1);
                Click(dialog, 1);
            });
            const INT_PTR result =
                over ? ShowGameOverStatistics(nullptr, &game) : ShowGameStatistics(nullptr, nullptr);
            EXPECT_EQ(result, tour != 0 ? 4 : 1) << "tour " << tour << ", game over " << over;
            EXPECT_EQ(label, tour != 0 ? "&Next Game" : over ? "&New Game" : "OK") << "game over " << over;
        }
    }
}

TEST_F(StatsDialogTest, GameStatisticsShowsBestWorstAndTheShareOfGamesWonAndLost) {
    CurrentTitleId = 453;
    const int fields[] = {1015, 1016, 1017, 1018, 1021, 1023, 1022};
    const char* nothingStored[] = {"0", "0", "0", "1000", "1", "0 (0%)", "0 (0%)"};
    const char* threeGames[] = {"120", "77", "121", "-7", "3", "2 (67%)", "1 (33%)"};
    for (const auto* expected : {nothingStored, threeGames}) {
        DialogDriver driver;
        driver.Then([&](HWND dialog) {
            EXPECT_EQ(Caption(dialog), "Game Statistics - Custom");
            for (int i = 0; i < 7; ++i) {
                EXPECT_EQ(Text(dialog, fields[i]), expected[i]) << "control " << fields[i];
            }
            Click(dialog, 2);
        });
        EXPECT_EQ(ShowGameStatistics(nullptr, &game), 2);
        StoreThreeGames();
    }
}

} // namespace
