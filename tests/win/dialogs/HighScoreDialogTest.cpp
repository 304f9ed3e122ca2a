#include "dialogs/HighScoreDialog.h"
#include "DialogTest.h"

namespace {

constexpr char kList[] = "Software\\Quillmoor\\Lexiblast\\Generic\\HighScores";
using Rows = std::vector<std::string>;
const Rows kFull{"1000", "900", "800", "700", "600", "500", "400", "300", "200", "100"};

class HighScoreDialog : public DialogTest {
protected:
    static void Store(const std::string& name, const std::string& text) {
        RegSetKeyValueA(HKEY_CURRENT_USER, kList, name.c_str(), REG_SZ, text.c_str(), DWORD(text.size() + 1));
    }
    static std::string Stored(const std::string& name) {
        char text[1024] = "(missing)";
        DWORD size = sizeof text;
        RegGetValueA(HKEY_CURRENT_USER, kList, name.c_str(), RRF_RT_REG_SZ, nullptr, text, &size);
        return text;
    }
    static void StoreList(const Rows& list) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            Store("Name" + std::to_string(i), "P" + std::to_string(i));
            Store("Score" + std::to_string(i), list[i]);
        }
    }

    // Read() notes the caption, rows and writable row, types name into that row and presses button.
    Rows names, scores;
    std::string caption, heading;
    int entryRow = -1;
    DialogAction Read(int button, const char* name = "") {
        return [this, button, name](HWND dialog) {
            caption = Text(dialog), heading = Text(dialog, 1060), names.clear(), scores.clear(),
            entryRow = -1;
            for (int row = 0; row < 10; ++row) {
                const HWND edit = GetDlgItem(dialog, 16385 + row);
                names.push_back(Text(dialog, 16385 + row));
                scores.push_back(Text(dialog, 16395 + row));
                if ((GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) == 0) {
                    EXPECT_EQ(GetFocus(), edit) << "row " << row;
                    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 255) << "row " << row;
                    entryRow = row;
                    SetDlgItemTextA(dialog, 16385 + row, name);
                }
            }
            Click(dialog, button);
        };
    }
};

TEST_F(HighScoreDialog, ANewScoreTakesTheRowBelowEveryEntryItDoesNotBeatAndOkStoresAllTen) {
    // clang-format off
    const struct { Rows stored; std::int32_t score; const char* name; int row; Rows shown; } cases[] = {
        {kFull, 101, "Ann", 9, {"1000", "900", "800", "700", "600", "500", "400", "300", "200", "101"}},
        {kFull, 100, "", -1, kFull}, // beats no entry: the list is only shown
        {{"500", "400", "400", "300"}, 400, "", 3, {"500", "400", "400", "400", "300", "205", "124", "63", "22", "1"}},
        {{}, 2, "", 9, {"910", "729", "568", "427", "306", "205", "124", "63", "22", "2"}}};
    // clang-format on
    for (const auto& test : cases) {
        SCOPED_TRACE(test.score);
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillmoor");
        StoreList(test.stored);
        Drive([&] { return ShowHighScoreEntry(nullptr, test.score), INT_PTR{0}; }, {Read(1, test.name)});
        EXPECT_EQ(caption, test.row < 0 ? "High Score List" : "Congratulations!  You got a high score!");
        EXPECT_EQ(entryRow, test.row);
        for (int row = 0; row < 10; ++row) {
            EXPECT_EQ(scores.at(row), test.shown[row]) << "row " << row;
            EXPECT_EQ(Stored("Score" + std::to_string(row)), test.shown[row]) << "row " << row;
        }
        if (test.row >= 0) {
            EXPECT_EQ(Stored("Name" + std::to_string(test.row)), test.name);
        }
    }
}

// The default ladder (nine times higher in the tour) until OK stores it; bad stored entries shown safely.
TEST_F(HighScoreDialog, ViewModeShowsTheDefaultsOrTheStoredListAsItCan) {
    CurrentTitleId = 453;
    for (const int roundRobin : {1, 0}) {
        GameSettings.RoundRobin = roundRobin;
        Drive([] { return ShowHighScoreList(nullptr); }, {Read(roundRobin != 0 ? IDCANCEL : IDOK)});
        EXPECT_EQ(caption + ": " + heading,
                  roundRobin != 0 ? "High Score List - Custom: The top ten Round Robin scores are:"
                                  : "High Score List - Custom: The top ten scores for Lexiblast are:");
        EXPECT_EQ(entryRow, -1);
        EXPECT_EQ(scores.front() + " " + scores.back(), roundRobin != 0 ? "8190 9" : "910 1");
        EXPECT_NE(names.at(3), "") << "a made-up name";
        EXPECT_EQ(Stored("Name3"), roundRobin != 0 ? "(missing)" : names.at(3)) << "tour " << roundRobin;
    }
    StoreList(kFull);
    Store("Name0", std::string(300, 'a'));
    Store("Score2", "lots");
    Drive([] { return ShowHighScoreList(nullptr); }, {Read(2)});
    EXPECT_EQ(names.at(0), std::string(255, 'a'));
    EXPECT_EQ(names.at(9), "P9") << "the long name does not end the list";
    EXPECT_EQ(scores.at(2), "0");
}

} // namespace
