#include "dialogs/HighScoreDialog.h"

#include "ScoreDialogFixture.h"
#include "store/Statistics.h"
#include "words/Random.h"

#include <string>
#include <vector>

namespace {

const char* const kDefaultNames[20] = {
    "J. Austen",      "C. Dickens",  "M. Twain",    "L. Tolstoy",      "V. Woolf",
    "J. Joyce",       "E. Bronte",   "H. Melville", "G. Eliot",        "F. Kafka",
    "A. Christie",    "E. A. Poe",   "O. Wilde",    "J. Verne",        "T. Hardy",
    "W. Shakespeare", "H. G. Wells", "L. Carroll",  "R. L. Stevenson", "M. Shelley",
};
using Rows = std::vector<std::string>;

class HighScoreDialogTest : public ScoreDialogFixture {
protected:
    void SetUp() override {
        ScoreDialogFixture::SetUp();
        InstallHighScoreEntry();
    }
    void TearDown() override {
        SetHighScoreEntry(nullptr);
        ScoreDialogFixture::TearDown();
    }

    // Entries named "P0", "P1", ... with these scores, from the top.
    static void StoreList(const Rows& list) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            StoreText("Name" + std::to_string(i), "P" + std::to_string(i));
            StoreText("Score" + std::to_string(i), list[i]);
        }
    }

    // The rows as shown when the dialog opened, and the row whose name could be typed.
    Rows names, scores;
    std::string caption;
    int entryRow = -1;
    // Reads the dialog, types name into the entry row (when there is one) and presses button.
    DialogDriver::Action Read(int button, const char* name = "") {
        return [this, button, name](HWND dialog) {
            caption = Caption(dialog);
            names.clear();
            scores.clear();
            entryRow = -1;
            for (int row = 0; row < 10; ++row) {
                const HWND edit = GetDlgItem(dialog, 16385 + row);
                names.push_back(Text(dialog, 16385 + row));
                scores.push_back(Text(dialog, 16395 + row));
                if ((GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) == 0) {
                    EXPECT_EQ(entryRow, -1) << "a second writable row " << row;
                    EXPECT_EQ(GetFocus(), edit);
                    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 255);
                    entryRow = row;
                    Type(dialog, 16385 + row, name);
                }
            }
            Click(dialog, button);
        };
    }
};

TEST_F(HighScoreDialogTest, ANewScoreTakesTheRowBelowEveryEntryItDoesNotBeatAndOkStoresAllTen) {
    const Rows full{"1000", "900", "800", "700", "600", "500", "400", "300", "200", "100"};
    struct Case {
        Rows stored;
        std::int32_t score;
        int row;
        Rows shown;
    };
    const Case cases[] = {
        {full, 101, 9, {"1000", "900", "800", "700", "600", "500", "400", "300", "200", "101"}},
        {{"500", "400", "400", "300"},
         400,
         3,
         {"500", "400", "400", "400", "300", "205", "124", "63", "22", "1"}},
        {{}, 300, 5, {"910", "729", "568", "427", "306", "300", "124", "63", "22", "1"}},
        {{}, 205, 6, {"910", "729", "568", "427", "306", "205", "205", "63", "22", "1"}},
        {{}, 2, 9, {"910", "729", "568", "427", "306", "205", "124", "63", "22", "2"}},
        {full, 100, -1, full}, // a tie has no row: the list is only shown
    };
    for (const Case& test : cases) {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillmoor");
        StoreList(test.stored);
        DialogDriver driver;
        driver.Then(Read(1)); // the name left empty
        ShowHighScoreEntry(nullptr, test.score);
        EXPECT_EQ(caption, test.row >= 0 ? "Congratulations!  You got a high score!" : "High Score List");
        EXPECT_EQ(entryRow, test.row) << test.score;
        for (int row = 0; row < 10; ++row) {
            EXPECT_EQ(scores.at(row), test.shown[row]) << test.score << ", row " << row;
            EXPECT_EQ(StoredText("Score" + std::to_string(row)), test.shown[row])
                << test.score << ", row " << row;
        }
        if (test.row >= 0) {
            EXPECT_EQ(names.at(test.row), "") << test.score;
            EXPECT_EQ(StoredText("Name" + std::to_string(test.row)), "") << test.score;
        }
        if (test.row == 3) {
            EXPECT_EQ(names.at(4), "P3") << "the entries below the gap move one row down";
        }
        EXPECT_EQ(PendingIsNew, 0);
    }
}

TEST_F(HighScoreDialogTest, TheCheckAfterAGameOpensTheListOnlyForAScoreAboveItsLowest) {
    DialogDriver driver;
    driver.Then(Read(2));
    driver.Then(Read(1, "Ann"));
    EXPECT_FALSE(CheckHighScore(nullptr, 1)) << "no list: the lowest default is 1";
    EXPECT_TRUE(CheckHighScore(nullptr, 2));
    EXPECT_EQ(StoredText("Name0"), "(missing)") << "Cancel stores nothing";
    StoreList({"1000", "900", "800", "700", "600", "500", "400", "300", "200", "100"});
    EXPECT_FALSE(CheckHighScore(nullptr, 100));
    EXPECT_EQ(driver.Pending(), 1u);
    EXPECT_TRUE(CheckHighScore(nullptr, 101));
    EXPECT_EQ(entryRow, 9);
    EXPECT_EQ(StoredText("Name9"), "Ann");
    EXPECT_EQ(PendingScore, 0);
}

TEST_F(HighScoreDialogTest, ViewModeShowsTheDefaultLadderWithOneDrawnNamePerRow) {
    CurrentTitleId = 453;
    const Rows ladder{"910", "729", "568", "427", "306", "205", "124", "63", "22", "1"};
    const Rows tour{"8190", "6561", "5112", "3843", "2754", "1845", "1116", "567", "198", "9"};
    for (const int roundRobin : {1, 0}) {
        GameSettings.RoundRobin = roundRobin;
        SeedRandom(77);
        std::string heading;
        DialogDriver driver;
        driver.Then([&](HWND dialog) {
            heading = Text(dialog, 1060);
            Read(roundRobin != 0 ? 2 : 1)(dialog);
        });
        EXPECT_EQ(ShowHighScoreList(nullptr), roundRobin != 0 ? 2 : 1);
        EXPECT_EQ(caption, "High Score List - Custom");
        EXPECT_EQ(heading, roundRobin != 0 ? "The top ten Round Robin scores are:"
                                           : "The top ten scores for Lexiblast are:");
        EXPECT_EQ(entryRow, -1);
        SeedRandom(77);
        for (int row = 0; row < 10; ++row) {
            const std::string name = kDefaultNames[RandomRange(20, 0)];
            EXPECT_EQ(names.at(row), name) << "row " << row;
            EXPECT_EQ(scores.at(row), (roundRobin != 0 ? tour : ladder)[row]) << "row " << row;
        }
        // Cancel in the tour stores nothing; OK outside it stores the rows shown.
        EXPECT_EQ(StoredText("Name9"), roundRobin != 0 ? "(missing)" : names.at(9));
        EXPECT_EQ(StoredText("Score9"), roundRobin != 0 ? "(missing)" : "1");
    }
}

TEST_F(HighScoreDialogTest, StoredTextsBeyondReasonAreShownCutOrAsZero) {
    StoreList({"1000", "900", "lots", "99999999999", "-2147483648", "500", "400", "300", "200", "100"});
    StoreText("Name0", std::string(300, 'a'));
    DialogDriver driver;
    driver.Then(Read(1));
    ShowHighScoreList(nullptr);
    EXPECT_EQ(names.at(0), std::string(255, 'a'));
    EXPECT_EQ(names.at(9), "P9") << "the long name does not end the list";
    EXPECT_EQ(scores.at(2), "0");
    EXPECT_EQ(scores.at(3), "0") << "beyond the 32-bit range";
    EXPECT_EQ(scores.at(4), "-2147483648");
    EXPECT_EQ(StoredText("Name0"), std::string(255, 'a'));
}

} // namespace
