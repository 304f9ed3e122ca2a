#include "GameFixture.h"

#include <cstring>
#include <set>

namespace {

// The faces a word may get with random fonts, row by row.
// clang-format off
const char* const kFaces[42] = {
    "Arial", "Times New Roman", "Courier New", "Comic Sans MS", "Bookman Old Style", "Centaur", "Lucida Sans",
    "Impact", "Verdana", "Tahoma", "Stencil", "Rockwell", "Palatino", "Helvetica", "Harrington", "Magneto",
    "Goudy Stout",
    "Arial", "Comic Sans MS", "Times New Roman", "Verdana", "Tahoma",
    "Mistral", "Chiller", "Vivaldi", "Copperplate Gothic Light", "Broadway", "Castellar", "Book Antiqua",
    "Baskerville Old Face",
    "Arial", "Times New Roman", "Courier New", "Comic Sans MS", "Franklin Gothic Book", "Gigi", "Jokerman",
    "Impact", "Verdana", "Tahoma", "Lucida Handwriting", "Lucida Calligraphy"};
// clang-format on

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
    for (WordSprite* word : FieldWords(*game)) {
        before.push_back(word->Rect);
    }
    ASSERT_GT(before.size(), 5u);
    ResizeField(window, *game, 0, 0); // minimised
    game->OnPaint(window, nullptr);
    EXPECT_EQ(Text(game->FieldRect), "0,0,640,480");
    EXPECT_EQ(WordFontSize, 24);
    SeedRandom(7);
    ResizeField(window, *game, 1280, 720); // twice as wide, one and a half times as high
    SeedRandom(7);
    std::vector<int> rows;
    for (std::size_t i = 0; i < game->FieldSprites.size(); ++i) {
        rows.push_back(RandomRange(42, 0));
    }
    const auto words = FieldWords(*game);
    ASSERT_EQ(words.size(), before.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        const RECT& was = before[i];
        const RECT scaled{was.left * 2, static_cast<LONG>(was.top * 1.5 + 0.5), was.right * 2,
                          static_cast<LONG>(was.bottom * 1.5 + 0.5)};
        EXPECT_EQ(Text(words[i]->Rect), Text(scaled)) << "was " << Text(was);
        EXPECT_STREQ(words[i]->FaceName, kFaces[rows[3 + i]]) << words[i]->Text.Chars;
    }
    EXPECT_STREQ(game->ClockDisplay->FaceName, "Arial");
}

TEST_F(LayoutTest, RandomFacesComeFromEveryRowOfTheFaceTable) {
    GameSettings.RandomFonts = 1;
    auto wacky = Start();
    SeedRandom(3);
    std::vector<std::string> faces;
    for (int i = 0; i < 600; ++i) {
        faces.push_back(wacky->PickFaceName());
    }
    SeedRandom(3);
    std::set<int> rowsSeen;
    for (int i = 0; i < 600; ++i) {
        const int row = RandomRange(42, 0);
        rowsSeen.insert(row);
        EXPECT_EQ(faces[i], kFaces[row]) << "row " << row;
    }
    EXPECT_EQ(rowsSeen.size(), 42u);
}

TEST_F(LayoutTest, AClockSetBackBeforeZeroShowsAMinusSignBeforeItsSize) {
    GameSettings.EndGameCondition = 1; // the time limit
    auto game = StartQuiet();
    Tick(*game);
    Click(*game, *Put(*game, "<+10 seconds>", SpriteJigglingSteady), true);
    EXPECT_EQ(game->ClockDisplay->Value, -99);
    EXPECT_STREQ(game->ClockDisplay->Text.Chars, "-00:09:900");
    Tick(*game, 98);
    EXPECT_STREQ(game->ClockDisplay->Text.Chars, "-00:00:100");
    Tick(*game);
    EXPECT_STREQ(game->ClockDisplay->Text.Chars, "00:00:000");
    EXPECT_TRUE(host.endReasons.empty());
}

} // namespace
