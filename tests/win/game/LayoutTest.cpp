#include "GameFixture.h"

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

using LayoutTest = ZapGameTest;

TEST_F(LayoutTest, FirstLayoutPutsTheDisplaysInAStripAndKeepsTheLoadedWordSize) {
    std::strcpy(Preferences.FontName, "Verdana");
    WordFontSize = 30;
    CZapGame game(host, GetModuleHandleA(nullptr), &Words());
    game.Layout(window, nullptr);
    EXPECT_EQ(game.BoxWidth, 106);
    EXPECT_EQ(game.BoxHeight, 32);
    EXPECT_EQ(WordFontSize, 30);
    const struct {
        TemplateSprite* display;
        const char* rect;
        unsigned flags;
    } displays[] = {{game.ScoreDisplay, "3,3,212,35", 32},
                    {game.ClockDisplay, "215,3,425,35", 33},
                    {game.WordsDisplay, "428,3,637,35", 34}};
    for (const auto& d : displays) {
        EXPECT_EQ(Text(d.display->Rect), d.rect);
        EXPECT_EQ(d.display->TextFlags, d.flags) << d.rect;
        EXPECT_STREQ(d.display->FaceName, "Verdana") << d.rect;
        EXPECT_EQ(d.display->FontSize, 22) << d.rect; // 30 x 0.75
    }
}

TEST_F(LayoutTest, ANewHeightSetsTheWordSizeFromTheFontSizePreferenceWithFloorsForWordsAndDisplays) {
    std::strcpy(Preferences.FontName, "Courier New");
    auto game = Start();
    Tick(*game, 50);
    ASSERT_FALSE(FieldWords(*game).empty());
    const int cases[][4] = {{960, 48, 36, 64}, {150, 8, 12, 10}, {180, 9, 12, 12}, {360, 18, 13, 24}};
    for (const auto& [height, words, displays, box] : cases) {
        ResizeField(window, *game, 640, height);
        EXPECT_EQ(WordFontSize, words) << height;
        EXPECT_EQ(game->BoxHeight, box) << height;
        EXPECT_EQ(game->ScoreDisplay->FontSize, displays) << height;
        for (WordSprite* word : FieldWords(*game)) {
            EXPECT_EQ(word->FontSize, words) << height << " " << word->Text.Chars;
            EXPECT_STREQ(word->FaceName, "Courier New") << height << " " << word->Text.Chars;
        }
    }
}

TEST_F(LayoutTest, AnEmptyFieldChangesNothingAndANewSizeScalesEveryWordAndPicksItsFaceAgain) {
    GameSettings.RandomFonts = 1;
    auto game = Start();
    Tick(*game, 100);
    std::vector<RECT> before;
    std::vector<std::string> faceBefore;
    for (WordSprite* word : FieldWords(*game)) {
        before.push_back(word->Rect);
        faceBefore.push_back(word->FaceName);
    }
    ASSERT_GT(before.size(), 5u);
    ResizeField(window, *game, 0, 0); // minimised
    game->OnPaint(window, nullptr);
    EXPECT_EQ(Text(game->FieldRect), "0,0,640,480");
    EXPECT_EQ(WordFontSize, 24);
    ResizeField(window, *game, 1280, 720); // twice as wide, one and a half times as high
    const auto words = FieldWords(*game);
    ASSERT_EQ(words.size(), before.size());
    std::set<std::string> faces;
    int repicked = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const RECT& was = before[i];
        const RECT scaled{was.left * 2, static_cast<LONG>(was.top * 1.5 + 0.5), was.right * 2,
                          static_cast<LONG>(was.bottom * 1.5 + 0.5)};
        EXPECT_EQ(Text(words[i]->Rect), Text(scaled)) << "was " << Text(was);
        faces.insert(words[i]->FaceName);
        repicked += faceBefore[i] != words[i]->FaceName ? 1 : 0;
    }
    EXPECT_GT(repicked, 0) << "a new size picks the faces again";
    EXPECT_GT(faces.size(), 2u) << "each word a face of its own";
    EXPECT_STREQ(game->ClockDisplay->FaceName, "Arial");
}

TEST_F(LayoutTest, ABiggerWindowAndBackGivesBackTheChosenSizeHoweverOften) {
    // The field of a 640 x 440 window, where the game starts with the chosen size.
    SetWindowPos(window, nullptr, 0, 0, 640, 385, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    auto game = Start();
    Tick(*game, 60);
    const auto words = FieldWords(*game);
    ASSERT_GT(words.size(), 2u);
    std::vector<std::string> places;
    for (WordSprite* word : words) {
        places.push_back(Text(word->Rect));
    }
    for (int round = 1; round <= 4; ++round) {
        SCOPED_TRACE(Format("round %d", round));
        ResizeField(window, *game, 1200, 1000);
        game->OnPaint(window, nullptr);
        EXPECT_EQ(WordFontSize, 62); // 24 x 1000 / 385
        // The displays share the strip 3 pixels apart, none a pixel wider than it must be.
        const RECT s = game->ScoreDisplay->Rect, c = game->ClockDisplay->Rect, w = game->WordsDisplay->Rect;
        EXPECT_EQ(c.left - s.right, 3);
        EXPECT_EQ(w.left - c.right, 3);
        EXPECT_EQ(w.right, 1197);
        EXPECT_EQ(s.right - s.left, w.right - w.left);
        EXPECT_LE(std::abs((c.right - c.left) - (s.right - s.left)), 2);
        ResizeField(window, *game, 640, 385);
        game->OnPaint(window, nullptr);
        EXPECT_EQ(WordFontSize, 24);
        for (std::size_t i = 0; i < words.size(); ++i) {
            EXPECT_EQ(words[i]->FontSize, 24) << words[i]->Text.Chars;
            EXPECT_EQ(Text(words[i]->Rect), places[i]) << words[i]->Text.Chars;
        }
    }
    EXPECT_EQ(Preferences.FontSize, 24);
}

TEST_F(LayoutTest, AStoredSizeTooBigForAnyWordIsDrawnAtTheLargestThatFitsAndTheGameGoesOn) {
    GameSettings.EndGameCondition = EndOnNoRoom;
    // At 150 points a word is low enough for the field but twelve letters are too wide for it.
    for (const std::int32_t stored : {48, 150, 400, 4000}) {
        SCOPED_TRACE(stored);
        Preferences.FontSize = WordFontSize = stored;
        WordSizeFieldHeight = 0;
        host.endReasons.clear();
        auto game = Start();
        if (stored == 48) {
            EXPECT_EQ(WordFontSize, 48) << "a size at which long words fit stands";
        } else {
            EXPECT_LT(WordFontSize, 100) << "twelve letters of 100 points are wider than the field";
        }
        Tick(*game, 80); // the field stays empty for 50 ticks at most: no room ends the game
        EXPECT_GT(FieldWords(*game).size(), 1u) << "words find places";
        EXPECT_TRUE(host.endReasons.empty()) << "no game won by an empty field";
        EXPECT_EQ(Preferences.FontSize, stored) << "the stored choice is left as it is";
    }
}

} // namespace
