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

class HighScoreDialogTest : public ScoreDialogFixture {
protected:
    void SetUp() override {
        ScoreDialogFixture::SetUp();
        SeedRandom(1);
        InstallHighScoreEntry();
    }
    void TearDown() override {
        SetHighScoreEntry(nullptr);
        ScoreDialogFixture::TearDown();
    }

    // Entries "P0", "P1", ... with these scores, from the top.
    static void StoreList(const std::vector<std::string>& scores) {
        for (std::size_t i = 0; i < scores.size(); ++i) {
            StoreText(kGenericList, ("Name" + std::to_string(i)).c_str(), "P" + std::to_string(i));
            StoreText(kGenericList, ("Score" + std::to_string(i)).c_str(), scores[i]);
        }
    }
    static std::string Stored(const char* name) {
        return StoredText(kGenericList, name).value_or("(missing)");
    }

    // What the rows show, read when the dialog opens; then the action runs.
    struct Shown {
        std::string caption;
        std::vector<std::string> names, scores;
        std::vector<bool> writable;
        int focused = -1; // the row whose name has the focus
        LRESULT limit = 0;
    };
    static DialogDriver::Action Read(Shown& shown, DialogDriver::Action then) {
        return [&shown, then](HWND dialog) {
            shown.caption = Caption(dialog);
            for (int row = 0; row < 10; ++row) {
                const HWND name = GetDlgItem(dialog, 16385 + row);
                shown.names.push_back(Text(dialog, 16385 + row));
                shown.scores.push_back(Text(dialog, 16395 + row));
                shown.writable.push_back((GetWindowLongA(name, GWL_STYLE) & ES_READONLY) == 0);
                if (GetFocus() == name) {
                    shown.focused = row;
                    shown.limit = SendMessageA(name, EM_GETLIMITTEXT, 0, 0);
                }
            }
            then(dialog);
        };
    }
    static void ExpectScores(const Shown& shown, const std::vector<std::string>& scores) {
        for (int row = 0; row < 10; ++row) {
            EXPECT_EQ(shown.scores[row], scores[row]) << "row " << row;
        }
    }
    static void ExpectEntryAt(const Shown& shown, int row) {
        EXPECT_EQ(shown.caption, "Congratulations!  You got a high score!");
        EXPECT_EQ(shown.names[row], "");
        EXPECT_EQ(shown.focused, row);
        EXPECT_EQ(shown.limit, 255);
        for (int other = 0; other < 10; ++other) {
            EXPECT_EQ(shown.writable[other], other == row) << "row " << other;
        }
    }
};

const auto kOk = [](HWND dialog) { Click(dialog, 1); };
const auto kCancel = [](HWND dialog) { Click(dialog, 2); };

TEST_F(HighScoreDialogTest, AFullListTakesAScoreAboveItsLowestAndDropsTheOldTenth) {
    StoreList({"1000", "900", "800", "700", "600", "500", "400", "300", "200", "100"});
    Shown tie, entry;
    DialogDriver driver;
    driver.Then(Read(tie, kCancel));
    driver.Then(Read(entry, [](HWND dialog) {
        Type(dialog, 16394, "Ann");
        Click(dialog, 1);
    }));
    ShowHighScoreEntry(nullptr, 100); // no row for it: only shown
    EXPECT_EQ(tie.caption, "High Score List");
    EXPECT_EQ(tie.focused, -1);
    EXPECT_FALSE(CheckHighScore(nullptr, 100));
    EXPECT_EQ(driver.Pending(), 1u) << "a tie with the lowest entry is not offered";
    EXPECT_TRUE(CheckHighScore(nullptr, 101));
    EXPECT_EQ(driver.Pending(), 0u);
    ExpectEntryAt(entry, 9);
    ExpectScores(entry, {"1000", "900", "800", "700", "600", "500", "400", "300", "200", "101"});
    EXPECT_EQ(Stored("Name9"), "Ann");
    EXPECT_EQ(Stored("Score9"), "101");
    EXPECT_EQ(Stored("Name8"), "P8");
    EXPECT_EQ(PendingScore, 0);
    EXPECT_EQ(PendingIsNew, 0);
}

TEST_F(HighScoreDialogTest, ANewScoreGoesBelowTheEntriesItTies) {
    StoreList({"500", "400", "400", "300"});
    Shown shown;
    DialogDriver driver;
    driver.Then(Read(shown, kCancel));
    ShowHighScoreEntry(nullptr, 400);
    ExpectEntryAt(shown, 3);
    ExpectScores(shown, {"500", "400", "400", "400", "300", "205", "124", "63", "22", "1"});
    EXPECT_EQ(shown.names[4], "P3");
    EXPECT_EQ(Stored("Score4"), "(missing)") << "Cancel stores nothing";
}

TEST_F(HighScoreDialogTest, WithoutAStoredListANewScoreReplacesTheFirstDefaultItBeats) {
    Shown shown, last;
    DialogDriver driver;
    driver.Then(Read(shown, kOk)); // the name left empty
    driver.Then(Read(last, kCancel));
    ShowHighScoreEntry(nullptr, 300);
    ExpectEntryAt(shown, 5);
    ExpectScores(shown, {"910", "729", "568", "427", "306", "300", "124", "63", "22", "1"});
    EXPECT_EQ(Stored("Name5"), "");
    EXPECT_EQ(Stored("Score5"), "300");
    EXPECT_EQ(Stored("Score6"), "124");

    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillmoor");
    EXPECT_FALSE(CheckHighScore(nullptr, 1));
    EXPECT_TRUE(CheckHighScore(nullptr, 2));
    ExpectEntryAt(last, 9);
    EXPECT_EQ(last.scores[8], "22");
    EXPECT_EQ(last.scores[9], "2");
}

TEST_F(HighScoreDialogTest, OkInViewModeStoresTheDefaultRowsWithOneDrawnNameEach) {
    CurrentTitleId = 453;
    SeedRandom(77);
    Shown shown;
    std::string heading;
    DialogDriver driver;
    driver.Then(Read(shown, [&heading](HWND dialog) {
        heading = Text(dialog, 1060);
        Click(dialog, 1);
    }));
    EXPECT_EQ(ShowHighScoreList(nullptr), 1);
    EXPECT_EQ(shown.caption, "High Score List - Custom");
    EXPECT_EQ(heading, "The top ten scores for Lexiblast are:");
    const char* ladder[] = {"910", "729", "568", "427", "306", "205", "124", "63", "22", "1"};
    SeedRandom(77);
    for (int row = 0; row < 10; ++row) {
        const std::string name = kDefaultNames[RandomRange(20, 0)];
        EXPECT_EQ(shown.names[row], name) << "row " << row;
        EXPECT_FALSE(shown.writable[row]) << "row " << row;
        EXPECT_EQ(Stored(("Name" + std::to_string(row)).c_str()), name) << "row " << row;
        EXPECT_EQ(Stored(("Score" + std::to_string(row)).c_str()), ladder[row]) << "row " << row;
    }
}

TEST_F(HighScoreDialogTest, TheTourListHasItsOwnHeadingAndANineFoldLadder) {
    GameSettings.RoundRobin = 1;
    Shown shown;
    std::string heading;
    DialogDriver driver;
    driver.Then(Read(shown, [&heading](HWND dialog) {
        heading = Text(dialog, 1060);
        Click(dialog, 2);
    }));
    EXPECT_EQ(ShowHighScoreList(nullptr), 2);
    EXPECT_EQ(heading, "The top ten Round Robin scores are:");
    ExpectScores(shown, {"8190", "6561", "5112", "3843", "2754", "1845", "1116", "567", "198", "9"});
}

TEST_F(HighScoreDialogTest, StoredTextsBeyondReasonAreShownCutOrAsZero) {
    StoreList({"1000", "900", "lots", "99999999999", "-2147483648", "500", "400", "300", "200", "100"});
    StoreText(kGenericList, "Name0", std::string(300, 'a'));
    Shown shown;
    DialogDriver driver;
    driver.Then(Read(shown, kOk));
    ShowHighScoreList(nullptr);
    EXPECT_EQ(shown.names[0], std::string(255, 'a'));
    EXPECT_EQ(shown.names[9], "P9") << "the long name does not end the list";
    ExpectScores(shown, {"1000", "900", "0", "0", "-2147483648", "500", "400", "300", "200", "100"});
    EXPECT_EQ(Stored("Name0"), std::string(255, 'a'));
}

} // namespace
