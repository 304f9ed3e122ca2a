#include "dialogs/StatsDialog.h"
#include "DialogTest.h"
#include "game/CZapGame.h"

namespace {

constexpr char kGenericKey[] = "Software\\Quillmoor\\Lexiblast\\Generic";
const std::pair<const char*, std::int32_t> kThreeGames[] = {
    {"LatestScore", 120}, {"GamesPlayed", 3}, {"GamesWon", 2},     {"AverageScore", 77},
    {"BestScore", 121},   {"WorstScore", -7}, {"GamesSkipped", 1},
};

class StatsDialog : public DialogTest {
protected:
    QuietHost host;
    CZapGame game{host, GetModuleHandleA(nullptr), nullptr};

    void SetUp() override {
        DialogTest::SetUp();
        for (const auto& [name, value] : kThreeGames) {
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

TEST_F(StatsDialog, GameOverListsEachWordListSortedInItsColumnWithItsCount) {
    const struct {
        StringList CZapGame::*list;
        int box, count;
    } columns[] = {// left to right on screen; each list gets "<box> b" and then "<box> a"
                   {&CZapGame::WordsZapped, 1040, 1044},     {&CZapGame::WordsEliminated, 1041, 1045},
                   {&CZapGame::WordsIgnored, 1050, 1051},    {&CZapGame::FakesZapped, 1058, 1059},
                   {&CZapGame::FakesEliminated, 1043, 1047}, {&CZapGame::FakesIgnored, 1048, 1049}};
    for (const auto& column : columns) {
        (game.*column.list).Append((std::to_string(column.box) + " b").c_str());
        (game.*column.list).Append((std::to_string(column.box) + " a").c_str());
    }
    CurrentTitleId = 145;
    const auto check = [&](HWND dialog) {
        EXPECT_EQ(Caption(dialog), "Game Over Statistics - Stage 1 - Find Fifty");
        LONG left = -100000;
        for (const auto& column : columns) {
            const std::string name = std::to_string(column.box);
            EXPECT_EQ(Item(dialog, column.box, 0), name + " a");
            EXPECT_EQ(Item(dialog, column.box, 1), name + " b");
            EXPECT_EQ(ItemText(dialog, column.count), "2") << name;
            RECT place{};
            GetWindowRect(GetDlgItem(dialog, column.box), &place);
            EXPECT_GT(place.left, left) << name << " stands right of the column before it";
            left = place.left;
        }
        Click(dialog, 2);
    };
    EXPECT_EQ(GameOver({check}), 2);
    EXPECT_EQ(StatsGame, nullptr);
}

TEST_F(StatsDialog, ResetAsksAndOnlyYesZeroesTheStoredNumbersButTheLatestScore) {
    game.WordsZapped.Append("apple");
    for (const int answer : {IDNO, IDYES}) {
        const bool yes = answer == IDYES;
        HWND dialog = nullptr;
        const auto reset = [&](HWND opened) {
            Click(dialog = opened, 1013);
            EXPECT_EQ(ItemText(opened, 1015), "120") << answer;
            EXPECT_EQ(ItemText(opened, 1016), yes ? "0" : "77") << answer;
            EXPECT_EQ(ItemText(opened, 1021), yes ? "0" : "3") << answer;
            EXPECT_EQ(Item(opened, 1040, 0), "apple") << "the word lists stay";
            EXPECT_EQ(SendDlgItemMessageA(opened, 1058, LB_GETCOUNT, 0, 0), 0) << "no fake was zapped";
            EXPECT_EQ(ItemText(opened, 1059), "0") << "no fake was zapped";
            Click(opened, 1);
        };
        const auto box = [&](HWND opened) {
            EXPECT_EQ(ItemText(opened, 0xFFFF),
                      "This action will erase your average score, games played, and "
                      "win-loss percentage (setting them all back to zero).\r\nAre you "
                      "sure you want to proceed?");
            EXPECT_EQ(Caption(opened), "Reset Scores");
            EXPECT_EQ(GetWindow(opened, GW_OWNER), dialog);
            SendMessageA(opened, WM_COMMAND, answer, 0);
        };
        EXPECT_EQ(GameOver({reset, box}), 1);
        for (const auto& [name, before] : kThreeGames) {
            std::int32_t value = -12345;
            DWORD size = sizeof value;
            RegGetValueA(HKEY_CURRENT_USER, kGenericKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
            EXPECT_EQ(value, !yes || std::string(name) == "LatestScore" ? before : 0)
                << name << " " << answer;
        }
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
    // Before the first game nothing was played, won or lost, and there is no best or worst score yet
    // (the stored record starts the worst at 1000).
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillmoor");
    const auto read = [](HWND dialog) {
        EXPECT_EQ(Caption(dialog), "Game Statistics - Custom");
        EXPECT_EQ(ItemText(dialog, 1021), "0") << "games played";
        EXPECT_EQ(ItemText(dialog, 1023), "0 (0%)") << "games won";
        EXPECT_EQ(ItemText(dialog, 1022), "0 (0%)") << "games lost";
        EXPECT_EQ(ItemText(dialog, 1017), "none") << "best score";
        EXPECT_EQ(ItemText(dialog, 1018), "none") << "worst score";
        EXPECT_EQ(ItemText(dialog, 1016), "0") << "average score";
        Click(dialog, 2);
    };
    Drive([] { return ShowGameStatistics(nullptr, nullptr); }, {read});
    // A damaged record with a negative count reads the same: no games, so no best or worst either.
    for (const auto& [name, value] : {std::pair{"GamesPlayed", -1}, {"GamesWon", 5}, {"WorstScore", 1000}}) {
        RegSetKeyValueA(HKEY_CURRENT_USER, kGenericKey, name, REG_DWORD, &value, sizeof value);
    }
    Drive([] { return ShowGameStatistics(nullptr, nullptr); }, {read});
}

// A word longer than its column scrolls into view to its last letter; a column of short words does
// not scroll at all.
TEST_F(StatsDialog, GameOverListsScrollSidewaysToTheEndOfTheirLongestWord) {
    const char* const longFake = "detachmentsspindlecounterrevolutionaries";
    game.FakesIgnored.Append(longFake);
    game.FakesIgnored.Append("qwz");
    game.WordsZapped.Append("cat");
    const auto check = [&](HWND dialog) {
        const HWND longList = GetDlgItem(dialog, 1048), shortList = GetDlgItem(dialog, 1040);
        SIZE text{0, 0};
        const HDC dc = GetDC(longList);
        const HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(longList, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32A(dc, longFake, lstrlenA(longFake), &text);
        SelectObject(dc, old);
        ReleaseDC(longList, dc);
        RECT visible{};
        GetClientRect(longList, &visible);
        ASSERT_GT(text.cx, visible.right) << "the fake is wider than its column";
        SendMessageA(longList, WM_HSCROLL, SB_RIGHT, 0);
        EXPECT_GE(GetScrollPos(longList, SB_HORZ) + visible.right, text.cx) << "scrolled to the last letter";
        SendMessageA(shortList, WM_HSCROLL, SB_RIGHT, 0);
        EXPECT_EQ(GetScrollPos(shortList, SB_HORZ), 0) << "nothing to scroll";
        Click(dialog, 2);
    };
    EXPECT_EQ(GameOver({check}), 2);
}

} // namespace
