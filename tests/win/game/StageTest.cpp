#include "GameFixture.h"

#include "game/Stages.h"
#include "store/GameKey.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <random>
#include <set>
#include <utility>

namespace {

class StageTest : public ZapGameTest {
protected:
    std::unique_ptr<CZapGame> StartStage(int stage) { // the custom game, then stages 1 to 9 by their table
        if (stage == 0) {
            return Start();
        }
        std::unique_ptr<CZapGame> game =
            kStagePresets[stage - 1].Make(host, GetModuleHandleA(nullptr), &Words());
        host.game = game.get();
        game->OnPaint(window, nullptr);
        return game;
    }
    // Plays as a player who is usually right (wrong in the first round) and takes a power-up one time in
    // three, until the end or ticks; after() runs after every tick and power-up (with no word) and after
    // every click on a word.
    void Play(
        CZapGame& game, int ticks, unsigned seed,
        const std::function<void(const WordSprite*, bool)>& after = [](const WordSprite*, bool) {}) {
        std::minstd_rand player(seed);
        for (int tick = 0; tick < ticks && host.endReasons.empty(); ++tick) {
            Tick(game);
            if (tick % 10 == 9) {
                game.OnTimer(window, 202);
            }
            after(nullptr, false);
            if (tick % (game.FadeWords != 0 ? 5 : 20) != 0 || !host.endReasons.empty() ||
                game.PauseTicks > 0) {
                continue;
            }
            const bool wrong = player() % 8 == 0 || tick == 0;
            for (WordSprite* word : FieldWords(game)) {
                const bool powerUp = word->Text.Chars[0] == '<';
                const bool left = powerUp ? game.ScoreValidWords != 0 : IsListed(word->Text.Chars) != wrong;
                if (word->IsLive() && (left ? game.ScoreValidWords : game.ScoreBogusWords) != 0 &&
                    (!powerUp || player() % 3 == 0)) {
                    Click(game, *word, left);
                    after(powerUp ? nullptr : word, left);
                    break;
                }
            }
        }
    }
};

// Points for a correct zap and a correct elimination, and the target, by stage (no target: 0).
constexpr int kRules[10][3] = {{},         {10, 0, 50}, {40, 0, 0},   {50, 0, 10},  {0, 10, 50},
                               {0, 40, 0}, {0, 50, 10}, {10, 10, 50}, {10, 10, 50}, {10, 10, 0}};

// A whole game of a stage over player's settings that every stage overrides, without the two power-ups
// that file a classified word a second time: it is the stage's own game by its title, scores and
// penalties, ends for its reason, and files every word that appeared once and by the dictionary.
class WholeGameTest : public StageTest, public ::testing::WithParamInterface<int> {};

TEST_P(WholeGameTest, PlaysByItsRulesAndFilesEveryWordOnceByTheDictionary) {
    const int stage = GetParam();
    GameSettings.AddWordInterval = 4;               // the player's pace, kept by every stage
    GameSettings.AnimateWords = stage == 8 ? 1 : 0; // the looks that make fonts tick after tick
    GameSettings.TimeLimit = 120;
    GameSettings.TargetCount = 20;
    GameSettings.FakeWordProbab = GameSettings.PenalizeMistakes = GameSettings.ExpireMistakes = 0;
    GameSettings.ScoreValidWords = GameSettings.ScoreBogusWords = 1;
    std::strcpy(Preferences.FontName, "Courier New");
    SetGameKey("Software\\Quillmoor\\Lexiblast\\Generic");
    auto game = StartStage(stage);
    EXPECT_EQ(host.titleId, 144u + stage);
    EXPECT_EQ(game->DescriptionId(), 153u + stage);
    EXPECT_STREQ(GameKey(), "Software\\Quillmoor\\Lexiblast\\RoundRobin");
    const bool timed = stage == 2 || stage == 5;
    const auto [wordPoints, fakePoints, target] = kRules[stage];
    std::string offered;
    int kept = 0;
    for (int i = 0; i < game->EnabledCount; ++i) {
        const char* name = game->EnabledPowerUps[i];
        offered += name;
        if (std::strcmp(name, "<clear-screen>") != 0 && std::strcmp(name, "<erase-a-mistake>") != 0) {
            std::memmove(game->EnabledPowerUps[kept++], name, sizeof game->EnabledPowerUps[i]);
        }
    }
    game->EnabledCount = kept;
    EXPECT_EQ(offered.find("<+10 seconds>") != std::string::npos, timed);
    EXPECT_EQ(offered.find("<pause-15-secs>") != std::string::npos, stage == 9) << "only when room ends it";
    EXPECT_EQ(offered.find("<erase-a-mistake>") != std::string::npos, stage == 9) << "only if mistakes stay";
    EXPECT_EQ(offered.find("<score-any-words>") != std::string::npos, wordPoints != 0);
    EXPECT_EQ(offered.find("<score-any-fakes>") != std::string::npos, fakePoints != 0);
    std::set<const WordSprite*> known;
    std::vector<std::string> appeared;
    int fakes = 0, otherFaces = 0, rightClicks = 0, mistakes = 0;
    std::array<int, 3> was{}; // the score, word count and clock shown before a click
    Play(*game, 5000, stage, [&](const WordSprite* word, bool left) {
        const bool correct =
            word != nullptr && (word->State == SpriteGrowing || word->State == SpriteShrinking);
        (correct ? rightClicks : mistakes) += word != nullptr ? 1 : 0;
        if (correct && host.endReasons.empty()) {
            EXPECT_EQ(game->Score() - was[0], left ? wordPoints : fakePoints) << word->Text.Chars;
            EXPECT_EQ(game->WordsDisplay->Value - was[1], 1);
        } else if (word != nullptr && !correct) {
            EXPECT_EQ(game->Score(), was[0]) << "a mistake never scores";
            EXPECT_EQ(game->WordsDisplay->Value - was[1], stage == 9 || timed ? 0 : -1) << word->Text.Chars;
            EXPECT_EQ(game->ClockDisplay->Value - was[2], timed ? 30 : 0);
            EXPECT_EQ(word->Lifespan, stage == 9 ? 300000 : 20);
        }
        was = {game->Score(), game->WordsDisplay->Value, game->ClockDisplay->Value};
        std::set<const WordSprite*> now; // notes the words that joined the field
        for (WordSprite* sprite : FieldWords(*game)) {
            now.insert(sprite);
            if (known.count(sprite) == 0 && sprite->Text.Chars[0] != '<') {
                appeared.push_back(sprite->Text.Chars);
                fakes += IsListed(sprite->Text.Chars) ? 0 : 1;
                otherFaces += std::strcmp(sprite->FaceName, "Courier New") != 0 ? 1 : 0;
            }
        }
        known.swap(now);
    });
    EXPECT_EQ(host.endReasons, std::vector<int>{timed ? 4 : 1});
    EXPECT_GT(rightClicks, 5);
    EXPECT_GT(mistakes, 0);
    if (timed) {
        EXPECT_GE(game->ClockDisplay->Value, 500) << "fifty seconds, whatever the time limit";
        EXPECT_LT(game->ClockDisplay->Value, 530);
    }
    if (target != 0) {
        EXPECT_EQ(game->WordsDisplay->Value, target);
    }
    const double fakeShare = static_cast<double>(fakes) / static_cast<double>(appeared.size());
    EXPECT_GE(appeared.size(), 40u);
    const double share = stage == 3 ? 0.75 : stage == 6 ? 0.25 : 0.5; // within three standard errors
    EXPECT_NEAR(fakeShare, share, 3 * std::sqrt(share * (1 - share) / static_cast<double>(appeared.size())));
    EXPECT_EQ(otherFaces > 0, stage == 8) << otherFaces << " words in another face";
    std::vector<std::string> filed;
    const StringList* lists[] = {&game->WordsZapped,     &game->WordsEliminated, &game->WordsIgnored,
                                 &game->FakesEliminated, &game->FakesZapped,     &game->FakesIgnored};
    for (int genuine = 3; const StringList* list : lists) { // the first three hold listed words
        for (const std::string& word : Items(*list)) {
            EXPECT_EQ(IsListed(word.c_str()), genuine > 0) << word;
            filed.push_back(word);
        }
        --genuine;
    }
    std::sort(filed.begin(), filed.end());
    std::sort(appeared.begin(), appeared.end());
    EXPECT_EQ(filed, appeared);
}

INSTANTIATE_TEST_SUITE_P(Stages, WholeGameTest, ::testing::Range(1, 10));

// Settings no dialog would store, in a game that ends by its target or time: it still runs with clicks and a
// resize, keeps its sprites apart and never takes points away.
TEST_F(StageTest, AGameWithSettingsNoDialogStoresRunsWithClicksAndAResize) {
    using R = GameSettingsRecord;
    const std::pair<std::int32_t R::*, std::int32_t> cases[] = {
        {&R::AddWordInterval, 0},
        {&R::AddWordInterval, INT32_MIN},
        {&R::WordLifespan, -5},
        {&R::TargetCount, INT32_MAX},
        {&R::TimeLimit, INT32_MIN},
        {&R::FakeWordProbab, -5},
        {&R::GenerateWords, -5},
        {&R::EndGameCondition, INT32_MAX},
        {&R::GenerateFakes, INT32_MAX},
        {nullptr, -5},
        {nullptr, INT32_MAX}}; // no field: the FontSize preference
    int row = 0;
    for (const auto& [field, value] : cases) {
        SCOPED_TRACE(Format("row %d, value %d", ++row, value));
        GameSettings = GameSettingsRecord{};
        Preferences.FontSize = WordFontSize = 24;
        GameSettings.EndGameCondition = field == &R::TimeLimit ? EndOnTime : EndOnTarget;
        GameSettings.FadeWords = GameSettings.PrefillDeadRects = 1;
        (field != nullptr ? GameSettings.*field : Preferences.FontSize) = value;
        WordFontSize = Preferences.FontSize;
        host.endReasons.clear();
        SetWindowPos(window, nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        auto game = StartStage(0);
        EXPECT_TRUE(WordFontSize >= 8 && WordFontSize <= 5000)
            << "a loaded size is kept only within layout's";
        Play(*game, 75, 1);
        ResizeField(window, *game, 800, 600);
        Play(*game, 75, 1);
        EXPECT_GE(game->Score(), 0);
        for (auto a = game->FieldSprites.begin(); a != game->FieldSprites.end(); ++a) {
            for (auto b = std::next(a); b != game->FieldSprites.end(); ++b) {
                const RECT p = (*a)->Rect, q = (*b)->Rect,
                           grown{q.left - 1, q.top - 1, q.right + 1, q.bottom + 1};
                RECT both{}; // edges count: a sprite owns its border
                EXPECT_FALSE((*a)->State != SpriteDisplay && (*b)->State != SpriteDisplay &&
                             IntersectRect(&both, &p, &grown))
                    << Text(p) << " and " << Text(q);
            }
        }
    }
}

} // namespace
