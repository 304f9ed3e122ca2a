#include "dialogs/StatsDialog.h"

#include "ScoreDialogFixture.h"
#include "game/CZapGame.h"
#include "game/GameHost.h"

#include <string>
#include <vector>

namespace {

struct QuietHost : GameHost {
    void EndGame(HWND, int) override {}
    void SetCurrentTitleId(unsigned) override {}
};

class StatsDialogTest : public ScoreDialogFixture {
protected:
    QuietHost host;
    CZapGame game{host, GetModuleHandleA(nullptr), nullptr};

    // Latest 120, three games of which two won, average 77, best 121, worst -7, one skipped.
    static void StoreThreeGames() {
        const std::pair<const char*, std::int32_t> values[] = {
            {"LatestScore", 120}, {"GamesPlayed", 3}, {"GamesWon", 2},     {"AverageScore", 77},
            {"BestScore", 121},   {"WorstScore", -7}, {"GamesSkipped", 1},
        };
        for (const auto& [name, value] : values) {
            StoreDword(kGenericKey, name, value);
        }
    }
    static std::vector<std::string> Items(HWND dialog, int id) {
        std::vector<std::string> items;
        const auto count = SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char text[256] = "";
            SendDlgItemMessageA(dialog, id, LB_GETTEXT, static_cast<WPARAM>(i),
                                reinterpret_cast<LPARAM>(text));
            items.emplace_back(text);
        }
        return items;
    }
};

TEST_F(StatsDialogTest, GameOverListsEveryWordSortedInItsColumnWithItsCount) {
    for (const char* word : {"pear", "apple", "mango"}) {
        game.WordsZapped.Append(word);
    }
    game.WordsEliminated.Append("zebra");
    game.WordsEliminated.Append("ant");
    game.WordsIgnored.Append("kiwi");
    game.FakesEliminated.Append("qorp");
    game.FakesEliminated.Append("blin");
    game.FakesZapped.Append("vlim");
    game.FakesZapped.Append("drask");
    for (const char* fake : {"yent", "frob", "glarn"}) {
        game.FakesIgnored.Append(fake);
    }
    CurrentTitleId = 145;
    struct Column {
        int box;
        int count;
        std::vector<std::string> words;
    };
    // Left to right on screen.
    const Column columns[] = {
        {1040, 1044, {"apple", "mango", "pear"}},
        {1041, 1045, {"ant", "zebra"}},
        {1050, 1051, {"kiwi"}},
        {1058, 1059, {"drask", "vlim"}},
        {1043, 1047, {"blin", "qorp"}},
        {1048, 1049, {"frob", "glarn", "yent"}},
    };
    DialogDriver driver;
    driver.Then([&](HWND dialog) {
        EXPECT_EQ(Caption(dialog), "Game Over Statistics - Stage 1 - Find Fifty");
        LONG left = -100000;
        for (const Column& column : columns) {
            EXPECT_EQ(Items(dialog, column.box), column.words) << column.box;
            EXPECT_EQ(Text(dialog, column.count), std::to_string(column.words.size())) << column.count;
            const HWND box = GetDlgItem(dialog, column.box);
            EXPECT_NE(GetWindowLongA(box, GWL_STYLE) & WS_VSCROLL, 0) << column.box;
            EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog, column.count), GWL_STYLE) & SS_TYPEMASK, SS_CENTER)
                << column.count;
            RECT place{};
            GetWindowRect(box, &place);
            EXPECT_GT(place.left, left) << column.box << " stands right of the column before it";
            left = place.left;
        }
        Click(dialog, 2);
    });
    EXPECT_EQ(ShowGameOverStatistics(nullptr, &game), 2);
    EXPECT_EQ(driver.Pending(), 0u);
    EXPECT_EQ(StatsGame, nullptr);
}

TEST_F(StatsDialogTest, ResetAsksAndOnlyYesZeroesTheStoredNumbersExceptTheLatestScore) {
    StoreThreeGames();
    game.WordsZapped.Append("apple");
    for (const int answer : {IDNO, IDYES}) {
        const bool yes = answer == IDYES;
        std::string score, average, played, fakesZappedCount, question, title;
        LRESULT listed = 0, fakesZapped = -1;
        HWND dialog = nullptr, owner = nullptr;
        DialogDriver driver;
        driver.Then([&](HWND opened) {
            dialog = opened;
            Click(opened, 1013);
            score = Text(opened, 1015);
            average = Text(opened, 1016);
            played = Text(opened, 1021);
            listed = SendDlgItemMessageA(opened, 1040, LB_GETCOUNT, 0, 0);
            fakesZapped = SendDlgItemMessageA(opened, 1058, LB_GETCOUNT, 0, 0);
            fakesZappedCount = Text(opened, 1059);
            Click(opened, 1);
        });
        driver.Then([&](HWND box) {
            question = Text(box, 0xFFFF);
            title = Caption(box);
            owner = GetWindow(box, GW_OWNER);
            SendMessageA(box, WM_COMMAND, answer, 0);
        });
        EXPECT_EQ(ShowGameOverStatistics(nullptr, &game), 1) << answer;
        EXPECT_EQ(question,
                  "This action will erase your average score, games played, and win-loss percentage "
                  "(setting them all back to zero).\r\nAre you sure you want to proceed?");
        EXPECT_EQ(title, "Reset Scores");
        EXPECT_EQ(owner, dialog);
        EXPECT_EQ(score, "120") << answer;
        EXPECT_EQ(average, yes ? "0" : "77") << answer;
        EXPECT_EQ(played, yes ? "0" : "3") << answer;
        EXPECT_EQ(listed, 1) << "the word lists stay after " << answer;
        EXPECT_EQ(fakesZapped, 0) << "no fake was zapped";
        EXPECT_EQ(fakesZappedCount, "0");
        EXPECT_EQ(StoredDword(kGenericKey, "LatestScore"), 120) << answer;
        const std::pair<const char*, std::int32_t> kept[] = {{"GamesPlayed", 3}, {"GamesSkipped", 1},
                                                             {"GamesWon", 2},    {"AverageScore", 77},
                                                             {"BestScore", 121}, {"WorstScore", -7}};
        for (const auto& [name, before] : kept) {
            EXPECT_EQ(StoredDword(kGenericKey, name), yes ? 0 : before) << name << " after " << answer;
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
            EXPECT_EQ(label, tour != 0 ? "&Next Game" : over ? "&New Game" : "OK") << "tour " << tour;
        }
    }
}

TEST_F(StatsDialogTest, GameStatisticsShowsBestWorstAndTheShareOfGamesWonAndLost) {
    CurrentTitleId = 453;
    const int fields[] = {1015, 1016, 1017, 1018, 1021, 1023, 1022};
    const std::vector<std::string> nothingStored{"0", "0", "0", "1000", "1", "0 (0%)", "0 (0%)"};
    const std::vector<std::string> threeGames{"120", "77", "121", "-7", "3", "2 (67%)", "1 (33%)"};
    for (const auto* expected : {&nothingStored, &threeGames}) {
        std::vector<std::string> shown;
        std::string caption;
        DialogDriver driver;
        driver.Then([&](HWND dialog) {
            caption = Caption(dialog);
            for (const int id : fields) {
                shown.push_back(Text(dialog, id));
            }
            Click(dialog, 2);
        });
        EXPECT_EQ(ShowGameStatistics(nullptr, &game), 2);
        EXPECT_EQ(caption, "Game Statistics - Custom");
        ASSERT_EQ(shown.size(), expected->size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            EXPECT_EQ(shown[i], (*expected)[i]) << "control " << fields[i];
        }
        StoreThreeGames();
    }
}

} // namespace
