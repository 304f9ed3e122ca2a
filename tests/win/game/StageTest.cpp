#include "GameFixture.h"

#include "game/Stages.h"
#include "gfx/FontCache.h"
#include "gfx/Gdi.h"
#include "store/GameKey.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <random>
#include <set>

namespace {

template <typename G>
std::unique_ptr<CZapGame> Make(GameHost& host, Dictionary* words) {
    return std::make_unique<G>(host, GetModuleHandleA(nullptr), words);
}
// The custom game, then stages 1 to 9.
std::unique_ptr<CZapGame> (*const kMakers[])(GameHost&, Dictionary*) = {
    Make<CZapGame>,        Make<CFindFiftyGame>,      Make<CFiftySecondsGame>, Make<CHardToFindGame>,
    Make<CFiftyFakesGame>, Make<CFakeForFiftyGame>,   Make<CHardToFakeGame>,   Make<CAnyFiftyGame>,
    Make<CWackyFiftyGame>, Make<CLimitedInfinityGame>};

class StageTest : public ZapGameTest {
protected:
    std::unique_ptr<CZapGame> StartStage(int stage) {
        auto game = kMakers[stage](host, &Words());
        host.game = game.get();
        game->OnPaint(window, nullptr);
        return game;
    }
    // Plays through the real handlers as a player who is usually right and takes a power-up one time
    // in three, until the game ends or after ticks; after() runs after every tick and click. A mistake
    // never scores. Returns the ticks played.
    int Play(CZapGame& game, int ticks, unsigned seed, const std::function<void(int)>& after) {
        std::minstd_rand player(seed);
        int tick = 0;
        for (; tick < ticks && host.endReasons.empty(); ++tick) {
            Tick(game);
            if (tick % 10 == 9) {
                game.OnTimer(window, 202);
            }
            after(tick);
            if (tick % (game.FadeWords != 0 ? 5 : 20) != 0 || !host.endReasons.empty()) {
                continue;
            }
            const bool wrong = player() % 8 == 0;
            for (WordSprite* word : FieldWords(game)) {
                const bool powerUp = word->Text.Chars[0] == '<';
                const bool left = powerUp ? game.ScoreValidWords != 0 : IsListed(word->Text.Chars) != wrong;
                if (word->IsLive() && (left ? game.ScoreValidWords : game.ScoreBogusWords) != 0 &&
                    (!powerUp || player() % 3 == 0)) {
                    const std::int32_t score = game.Score();
                    Click(game, *word, left);
                    if (word->State == SpriteBlinkItalic || word->State == SpriteBlinkBold) {
                        EXPECT_EQ(game.Score(), score) << "tick " << tick << ", mistake " << word->Text.Chars;
                    }
                    after(tick);
                    break;
                }
            }
        }
        return tick;
    }
};

constexpr std::int32_t P = INT32_MIN + 1; // the stage keeps the player's value

// The rule settings a stage may fix: the game's copy and the player's value it starts from.
#define SETTING(name)                                                                                        \
    { #name, &CZapGame::name, &GameSettingsRecord::name }
const struct {
    const char* name;
    std::int32_t CZapGame::*game;
    std::int32_t GameSettingsRecord::*player;
} kSettings[] = {SETTING(EndGameCondition), SETTING(TargetCount),      SETTING(FakeWordProbab),
                 SETTING(ScoreValidWords),  SETTING(ScoreBogusWords),  SETTING(AddWordsFaster),
                 SETTING(HandicapSpeed),    SETTING(AdjustLifespan),   SETTING(FadeWords),
                 SETTING(PowerUps),         SETTING(PenalizeMistakes), SETTING(RandomFonts),
                 SETTING(AddWordInterval),  SETTING(WordLifespan)};
#undef SETTING

const struct {
    unsigned title, description;
    std::int32_t presets[14]; // in the order of kSettings
    std::int32_t mistakesStay, timeLimit, timePenalty, countPenalty, wordPoints, fakePoints;
    double speedFactor;
} kStages[] = {
    {145, 154, {2, 50, 50, 1, 0, 1, 1, 1, 1, 1, 1, P, P, P}, 0, -1, 0, 1, 10, 0, 0.75},
    {146, 155, {1, P, 50, 1, 0, 1, 1, 1, 1, 1, 1, P, P, P}, 0, 50, 30, 0, 40, 0, 0.75},
    {147, 156, {2, 10, 75, 1, 0, 1, P, P, 1, 1, 1, P, P, P}, 0, -1, 0, 1, 50, 0, 0.45},
    {148, 157, {2, 50, 50, 0, 1, 1, P, P, 1, 1, 1, P, P, P}, 0, -1, 0, 1, 0, 10, 0.75},
    {149, 158, {1, P, 50, 0, 1, 1, P, P, 1, 1, 1, P, P, P}, 0, 50, 30, 0, 0, 40, 0.75},
    {150, 159, {2, 10, 25, 0, 1, 1, P, P, 1, 1, 1, P, P, P}, 0, -1, 0, 1, 0, 50, 0.45},
    {151, 160, {2, 50, 50, 1, 1, 1, P, P, 1, 1, 1, P, P, P}, 0, -1, 0, 1, 10, 10, 0.75},
    {152, 161, {2, 50, 50, 1, 1, 1, P, P, 1, 1, 1, 1, P, P}, 0, -1, 0, 1, 10, 10, 0.75},
    {153, 162, {4, P, 50, 1, 1, 1, P, P, 0, 1, 0, P, P, P}, 1, -1, 0, 0, 10, 10, 0.75},
};

TEST_F(StageTest, EachStageFixesItsRulesOverThePlayersAndKeepsTheRest) {
    // The player's settings: once with values no stage writes, once with the opposite flags.
    for (const std::int32_t value : {3, 0}) {
        GameSettingsRecord player;
        for (const auto& setting : kSettings) {
            player.*setting.player = value;
        }
        player.ExpireMistakes = value;
        player.TimeLimit = value * 40;
        for (int stage = 1; stage <= 9; ++stage) {
            const auto& row = kStages[stage - 1];
            GameSettings = player;
            SetGameKey("Software\\Quillmoor\\Lexiblast\\Generic");
            const auto game = kMakers[stage](host, &Words());
            const std::string which = Format("stage %d, settings %d:", stage, value);
            for (std::size_t i = 0; i < std::size(kSettings); ++i) {
                const std::int32_t preset = row.presets[i];
                EXPECT_EQ((*game).*kSettings[i].game, preset == P ? player.*kSettings[i].player : preset)
                    << which << " " << kSettings[i].name;
            }
            EXPECT_EQ(game->MistakesStay, row.mistakesStay) << which;
            EXPECT_EQ(game->TimeLimitSeconds, row.timeLimit) << which;
            EXPECT_EQ(game->TimePenalty, row.timePenalty) << which;
            EXPECT_EQ(game->CountPenalty, row.countPenalty) << which;
            EXPECT_EQ(game->WordPoints, row.wordPoints) << which;
            EXPECT_EQ(game->FakePoints, row.fakePoints) << which;
            EXPECT_DOUBLE_EQ(game->SpeedFactor, row.speedFactor) << which;
            EXPECT_EQ(game->TitleId(), row.title) << which;
            EXPECT_EQ(game->DescriptionId(), row.description) << which;
            EXPECT_EQ(host.titleId, row.title) << which;
            EXPECT_STREQ(GameKey(), "Software\\Quillmoor\\Lexiblast\\RoundRobin") << which;
        }
    }
    EXPECT_NE(dynamic_cast<CAnyFiftyGame*>(kMakers[8](host, &Words()).get()), nullptr) << "stage 8 is a 7";
    const auto custom = kMakers[0](host, &Words());
    EXPECT_EQ(host.titleId, 453u);
    EXPECT_STREQ(GameKey(), "Software\\Quillmoor\\Lexiblast\\Generic");
}

TEST_F(StageTest, TimedStagesEndAfterFiftySecondsWhateverTheTimeLimit) {
    GameSettings.TimeLimit = 120;
    for (const int stage : {2, 5}) {
        host.endReasons.clear();
        auto game = StartStage(stage);
        game->NextWordTicks = 0x7FFFFFFF;
        Tick(*game, 499);
        EXPECT_TRUE(host.endReasons.empty()) << "stage " << stage;
        Tick(*game);
        EXPECT_EQ(host.endReasons, std::vector<int>{4}) << "stage " << stage;
    }
}

int gDebuggerLines = 0;
void WINAPI SpyOutputDebugString(LPCSTR) {
    ++gDebuggerLines;
}

// A whole game of a stage, without the two power-ups that file a classified word a second time: it
// ends for its reason, files every word that appeared once and by the dictionary, writes nothing to
// the debugger, and frees every font, pen and context it made.
class WholeGameTest : public StageTest, public ::testing::WithParamInterface<int> {};

TEST_P(WholeGameTest, EndsForItsReasonFilesEveryWordOnceByTheDictionaryAndFreesWhatItMade) {
    const int stage = GetParam();
    const ImportHook<decltype(&SpyOutputDebugString)> hook("kernel32.dll", "OutputDebugStringA",
                                                           SpyOutputDebugString);
    gDebuggerLines = 0;
    GameSettings.AddWordInterval = 4;               // the player's pace, kept by every stage
    GameSettings.AnimateWords = stage == 8 ? 1 : 0; // the looks that make fonts tick after tick
    const GdiCallCounts before = GdiCounts;
    auto game = StartStage(stage);
    int kept = 0;
    for (int i = 0; i < game->EnabledCount; ++i) {
        const char* name = game->EnabledPowerUps[i];
        if (std::strcmp(name, "<clear-screen>") != 0 && std::strcmp(name, "<erase-a-mistake>") != 0) {
            std::memmove(game->EnabledPowerUps[kept++], name, sizeof game->EnabledPowerUps[i]);
        }
    }
    game->EnabledCount = kept;
    std::set<const WordSprite*> known;
    std::vector<std::string> appeared;
    const int ticks = Play(*game, 5000, stage, [&](int) { // notes the words that joined the field
        std::set<const WordSprite*> now;
        for (WordSprite* word : FieldWords(*game)) {
            now.insert(word);
            if (known.count(word) == 0 && word->Text.Chars[0] != '<') {
                appeared.push_back(word->Text.Chars);
            }
        }
        known.swap(now);
    });
    EXPECT_EQ(host.endReasons, std::vector<int>{stage == 2 || stage == 5 ? 4 : 1});
    EXPECT_LT(ticks, 5000);
    std::vector<std::string> filed;
    for (const auto& [list, listed] : {std::pair{&game->WordsZapped, true},
                                       {&game->WordsEliminated, true},
                                       {&game->WordsIgnored, true},
                                       {&game->FakesEliminated, false},
                                       {&game->FakesZapped, false},
                                       {&game->FakesIgnored, false}}) {
        for (int i = 0; i < list->Count; ++i) {
            EXPECT_EQ(IsListed(list->At(i)), listed) << list->At(i);
            filed.push_back(list->At(i));
        }
    }
    std::sort(filed.begin(), filed.end());
    std::sort(appeared.begin(), appeared.end());
    EXPECT_EQ(filed, appeared);
    game.reset();
    const GdiCallCounts& after = GdiCounts;
    const auto made = [](const GdiCallCounts& n) {
        return n.CreateBMP + n.CreateBrush + n.CreateFont + n.CreatePen;
    };
    EXPECT_EQ(SharedFonts.Fonts(), 0u);
    EXPECT_EQ(made(after) - made(before), after.DeleteObject - before.DeleteObject);
    EXPECT_EQ(after.CreateDC - before.CreateDC, after.DeleteDC - before.DeleteDC);
    EXPECT_EQ(gDebuggerLines, 0);
}

INSTANTIATE_TEST_SUITE_P(Stages, WholeGameTest, ::testing::Range(1, 10));

// Settings no dialog would store, each at a negative and a huge value: a game still runs with clicks
// and a resize and keeps its sprites apart. The time limit and the target are tried in games that end
// by them.
struct Hostile {
    const char* name;
    std::int32_t GameSettingsRecord::*field; // none: the FontSize preference
    std::int32_t end, value;
};
using R = GameSettingsRecord;
const Hostile kHostile[] = {{"AddWordInterval", &R::AddWordInterval, 0, 0},
                            {"AddWordInterval", &R::AddWordInterval, 0, INT32_MIN},
                            {"AddWordInterval", &R::AddWordInterval, 0, INT32_MAX},
                            {"WordLifespan", &R::WordLifespan, 0, -5},
                            {"WordLifespan", &R::WordLifespan, 0, INT32_MAX},
                            {"TargetCount", &R::TargetCount, 2, INT32_MIN},
                            {"TargetCount", &R::TargetCount, 2, INT32_MAX},
                            {"TimeLimit", &R::TimeLimit, 1, INT32_MIN},
                            {"TimeLimit", &R::TimeLimit, 1, INT32_MAX},
                            {"FakeWordProbab", &R::FakeWordProbab, 0, -5},
                            {"FakeWordProbab", &R::FakeWordProbab, 0, INT32_MAX},
                            {"EndGameCondition", &R::EndGameCondition, 0, INT32_MIN},
                            {"EndGameCondition", &R::EndGameCondition, 0, INT32_MAX},
                            {"GenerateWords", &R::GenerateWords, 0, -5},
                            {"GenerateWords", &R::GenerateWords, 0, INT32_MAX},
                            {"GenerateFakes", &R::GenerateFakes, 0, INT32_MIN},
                            {"GenerateFakes", &R::GenerateFakes, 0, INT32_MAX},
                            {"FontSize", nullptr, 0, -5},
                            {"FontSize", nullptr, 0, INT32_MAX}};
void PrintTo(const Hostile& hostile, std::ostream* out) {
    *out << hostile.name << " " << hostile.value;
}
class HostileSettingsTest : public StageTest, public ::testing::WithParamInterface<Hostile> {};

TEST_P(HostileSettingsTest, AGameRunsWithClicksAndAResize) {
    const Hostile hostile = GetParam();
    GameSettings.EndGameCondition = hostile.end;
    GameSettings.FadeWords = 1;
    GameSettings.PrefillDeadRects = 1;
    if (hostile.field != nullptr) {
        GameSettings.*hostile.field = hostile.value;
    } else {
        Preferences.FontSize = WordFontSize = hostile.value;
    }
    auto game = StartStage(0);
    EXPECT_GE(WordFontSize, 8) << "a loaded size is kept only within what a layout gives";
    EXPECT_LE(WordFontSize, 5000) << "a loaded size is kept only within what a layout gives";
    Play(*game, 150, 1, [&](int tick) {
        if (tick == 75) {
            ResizeField(window, *game, 800, 600);
        }
    });
    EXPECT_GE(game->Score(), 0) << "no setting takes points away";
    std::vector<const WordSprite*> taken;
    for (const auto& sprite : game->FieldSprites) {
        for (const WordSprite* other : taken) {
            const RECT &a = sprite->Rect, &b = other->Rect;
            EXPECT_TRUE(b.left > a.right || b.right < a.left || b.top > a.bottom || b.bottom < a.top)
                << Text(a) << " and " << Text(b);
        }
        if (sprite->State != SpriteDisplay) {
            taken.push_back(sprite.get());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Records, HostileSettingsTest, ::testing::ValuesIn(kHostile),
                         [](const ::testing::TestParamInfo<Hostile>& row) {
                             const std::int64_t value = row.param.value;
                             return row.param.name + std::string(value < 0 ? "Minus" : "") +
                                    std::to_string(value < 0 ? -value : value);
                         });

} // namespace
