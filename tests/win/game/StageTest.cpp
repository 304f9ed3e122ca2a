#include "GameFixture.h"

#include "game/Stages.h"
#include "store/GameKey.h"

#include <algorithm>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <tuple>

namespace {

using Maker = std::unique_ptr<CZapGame> (*)(GameHost&, Dictionary*);
template <typename G>
std::unique_ptr<CZapGame> Make(GameHost& host, Dictionary* words) {
    return std::make_unique<G>(host, GetModuleHandleA(nullptr), words);
}
// The custom game, then stages 1 to 9.
const Maker kMakers[] = {
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
};

constexpr std::int32_t P = INT32_MIN + 1; // the stage keeps the player's value

// Each rule setting a stage may fix: its copy in the game and the player's value it starts from.
struct Setting {
    const char* name;
    std::int32_t CZapGame::*game;
    std::int32_t GameSettingsRecord::*player;
};
#define SETTING(name)                                                                                        \
    { #name, &CZapGame::name, &GameSettingsRecord::name }
const Setting kSettings[] = {SETTING(EndGameCondition), SETTING(TargetCount),      SETTING(FakeWordProbab),
                             SETTING(ScoreValidWords),  SETTING(ScoreBogusWords),  SETTING(AddWordsFaster),
                             SETTING(HandicapSpeed),    SETTING(AdjustLifespan),   SETTING(FadeWords),
                             SETTING(PowerUps),         SETTING(PenalizeMistakes), SETTING(RandomFonts),
                             SETTING(AddWordInterval),  SETTING(WordLifespan)};
#undef SETTING

struct StageRow {
    int stage;
    unsigned title, description;
    std::int32_t presets[14]; // in the order of kSettings
    std::int32_t mistakesStay;
    std::int32_t timeLimit, timePenalty, countPenalty, wordPoints, fakePoints;
    double speedFactor;
    const char* powerUps;
};
// clang-format off
const StageRow kStages[] = {
    {1, 145, 154, {2, 50, 50, 1, 0, 1, 1, 1, 1, 1, 1, P, P, P}, 0, -1, 0, 1, 10, 0, 0.75,
     "<+100 points> <clear-screen> <fill-screen> <score-any-words>"},
    {2, 146, 155, {1, P, 50, 1, 0, 1, 1, 1, 1, 1, 1, P, P, P}, 0, 50, 30, 0, 40, 0, 0.75,
     "<+100 points> <clear-screen> <fill-screen> <+10 seconds> <score-any-words>"},
    {3, 147, 156, {2, 10, 75, 1, 0, 1, P, P, 1, 1, 1, P, P, P}, 0, -1, 0, 1, 50, 0, 0.45,
     "<+100 points> <clear-screen> <fill-screen> <score-any-words>"},
    {4, 148, 157, {2, 50, 50, 0, 1, 1, P, P, 1, 1, 1, P, P, P}, 0, -1, 0, 1, 0, 10, 0.75,
     "<+100 points> <clear-screen> <fill-screen> <score-any-fakes>"},
    {5, 149, 158, {1, P, 50, 0, 1, 1, P, P, 1, 1, 1, P, P, P}, 0, 50, 30, 0, 0, 40, 0.75,
     "<+100 points> <clear-screen> <fill-screen> <+10 seconds> <score-any-fakes>"},
    {6, 150, 159, {2, 10, 25, 0, 1, 1, P, P, 1, 1, 1, P, P, P}, 0, -1, 0, 1, 0, 50, 0.45,
     "<+100 points> <clear-screen> <fill-screen> <score-any-fakes>"},
    {7, 151, 160, {2, 50, 50, 1, 1, 1, P, P, 1, 1, 1, P, P, P}, 0, -1, 0, 1, 10, 10, 0.75,
     "<+100 points> <clear-screen> <fill-screen> <score-any-words> <score-any-fakes>"},
    {8, 152, 161, {2, 50, 50, 1, 1, 1, P, P, 1, 1, 1, 1, P, P}, 0, -1, 0, 1, 10, 10, 0.75,
     "<+100 points> <clear-screen> <fill-screen> <score-any-words> <score-any-fakes>"},
    {9, 153, 162, {4, P, 50, 1, 1, 1, P, P, 0, 1, 0, P, P, P}, 1, -1, 0, 0, 10, 10, 0.75,
     "<+100 points> <clear-screen> <fill-screen> <erase-a-mistake> <score-any-words> <score-any-fakes> "
     "<pause-15-secs>"},
};
// clang-format on

std::string Offers(const CZapGame& game) {
    std::string names;
    for (int i = 0; i < game.EnabledCount; ++i) {
        names += (i > 0 ? " " : "") + std::string(game.EnabledPowerUps[i]);
    }
    return names;
}

TEST_F(StageTest, EachStageFixesItsRulesOverThePlayersAndKeepsTheRest) {
    // The player's settings: once with values no stage writes, once with the opposite flags.
    for (const std::int32_t value : {3, 0}) {
        GameSettingsRecord player;
        for (const Setting& setting : kSettings) {
            player.*setting.player = value;
        }
        player.ExpireMistakes = value;
        player.TimeLimit = value * 40;
        for (const StageRow& row : kStages) {
            GameSettings = player;
            host.titleId = 0;
            const auto game = kMakers[row.stage](host, &Words());
            const std::string which =
                "stage " + std::to_string(row.stage) + " settings " + std::to_string(value);
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
            EXPECT_EQ(Offers(*game), row.powerUps) << which;
            EXPECT_EQ(game->TitleId(), row.title) << which;
            EXPECT_EQ(game->DescriptionId(), row.description) << which;
            EXPECT_EQ(host.titleId, row.title) << which;
            EXPECT_STREQ(GameKey(), "Software\\Quillmoor\\Lexiblast\\RoundRobin") << which;
        }
    }
    EXPECT_NE(dynamic_cast<CAnyFiftyGame*>(kMakers[8](host, &Words()).get()), nullptr)
        << "stage 8 is built as a whole stage 7";
    const auto custom = kMakers[0](host, &Words());
    EXPECT_EQ(host.titleId, 453u);
    EXPECT_STREQ(GameKey(), "Software\\Quillmoor\\Lexiblast\\Generic");
}

TEST_F(StageTest, StageTwoEndsAfterFiftySecondsWhateverTheTimeLimit) {
    GameSettings.TimeLimit = 120;
    auto game = StartStage(2);
    Tick(*game, 499);
    EXPECT_TRUE(host.endReasons.empty());
    Tick(*game);
    EXPECT_EQ(host.endReasons, std::vector<int>{4});
}

TEST_F(StageTest, StageOneIgnoresTheRightButtonThoughThePlayerScoresFakes) {
    GameSettings.ScoreBogusWords = 1;
    auto game = StartStage(1);
    Tick(*game, 100);
    const auto words = FieldWords(*game);
    ASSERT_GT(words.size(), 3u);
    for (WordSprite* word : words) {
        EXPECT_EQ(Click(*game, *word, false), 0) << word->Text.Chars;
        EXPECT_TRUE(word->IsLive()) << word->Text.Chars;
    }
    EXPECT_EQ(game->Score(), 0);
    EXPECT_EQ(game->WordsDisplay->Value, 0);
    EXPECT_EQ(game->FakesEliminated.Count + game->WordsEliminated.Count, 0);
}

// A whole game of a stage, through the real handlers, by a player who is usually right and sometimes
// takes a power-up; optionally without the two power-ups that file a classified word a second time.
class WholeGameTest : public StageTest, public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(WholeGameTest, EndsForItsReasonAndFilesEveryWordByTheDictionary) {
    const auto [stage, withoutRefiling] = GetParam();
    GameSettings.AddWordInterval = 4; // the player's pace, kept by every stage
    auto game = StartStage(stage);
    if (withoutRefiling) {
        int kept = 0;
        for (int i = 0; i < game->EnabledCount; ++i) {
            const char* name = game->EnabledPowerUps[i];
            if (std::strcmp(name, "<clear-screen>") != 0 && std::strcmp(name, "<erase-a-mistake>") != 0) {
                std::memmove(game->EnabledPowerUps[kept++], name, sizeof game->EnabledPowerUps[i]);
            }
        }
        game->EnabledCount = kept;
    }
    std::set<const WordSprite*> known;
    std::vector<std::string> appeared;
    const auto note = [&] { // words that joined the field since the last look
        std::set<const WordSprite*> now;
        for (WordSprite* word : FieldWords(*game)) {
            now.insert(word);
            if (known.count(word) == 0 && word->Text.Chars[0] != '<') {
                appeared.push_back(word->Text.Chars);
            }
        }
        known.swap(now);
    };
    std::minstd_rand player(stage);
    int ticks = 0;
    for (; ticks < 5000 && host.endReasons.empty(); ++ticks) {
        Tick(*game);
        if (ticks % 10 == 9) {
            game->OnTimer(window, 202);
        }
        note();
        if (ticks % (game->FadeWords != 0 ? 5 : 20) != 0 || !host.endReasons.empty()) {
            continue;
        }
        const bool wrong = player() % 8 == 0;
        for (WordSprite* word : FieldWords(*game)) {
            const bool powerUp = word->Text.Chars[0] == '<';
            const bool left = powerUp ? game->ScoreValidWords != 0 : IsListed(*word) != wrong;
            if (word->IsLive() && (left ? game->ScoreValidWords : game->ScoreBogusWords) != 0 &&
                (!powerUp || player() % 3 == 0)) {
                Click(*game, *word, left);
                note();
                break;
            }
        }
    }
    EXPECT_EQ(host.endReasons, std::vector<int>{stage == 2 || stage == 5 ? 4 : 1});
    EXPECT_LT(ticks, 5000);
    std::vector<std::string> filed;
    const std::pair<const StringList*, bool> lists[] = {
        {&game->WordsZapped, true},      {&game->WordsEliminated, true}, {&game->WordsIgnored, true},
        {&game->FakesEliminated, false}, {&game->FakesZapped, false},    {&game->FakesIgnored, false}};
    for (const auto& [list, listed] : lists) {
        for (int i = 0; i < list->Count; ++i) {
            EXPECT_EQ(Words().IsWord(list->At(i)) > 0, listed) << list->At(i);
            filed.push_back(list->At(i));
        }
    }
    if (withoutRefiling) {
        std::sort(filed.begin(), filed.end());
        std::sort(appeared.begin(), appeared.end());
        EXPECT_EQ(filed, appeared);
    }
}

INSTANTIATE_TEST_SUITE_P(Stages, WholeGameTest,
                         ::testing::Combine(::testing::Range(1, 10), ::testing::Bool()));

// Settings no dialog would store: each game must still run, keep its words apart and never score a
// mistake. The time limit and the target are tried in games that end by them.
struct Hostile {
    const char* name;
    std::int32_t GameSettingsRecord::*field; // none: the FontSize preference
    std::int32_t end;
};
const Hostile kHostile[] = {{"AddWordInterval", &GameSettingsRecord::AddWordInterval, 0},
                            {"WordLifespan", &GameSettingsRecord::WordLifespan, 0},
                            {"TargetCount", &GameSettingsRecord::TargetCount, EndOnTarget},
                            {"TimeLimit", &GameSettingsRecord::TimeLimit, EndOnTime},
                            {"FakeWordProbab", &GameSettingsRecord::FakeWordProbab, 0},
                            {"EndGameCondition", &GameSettingsRecord::EndGameCondition, 0},
                            {"GenerateWords", &GameSettingsRecord::GenerateWords, 0},
                            {"GenerateFakes", &GameSettingsRecord::GenerateFakes, 0},
                            {"FontSize", nullptr, 0}};
void PrintTo(const Hostile& hostile, std::ostream* out) {
    *out << hostile.name;
}
class HostileSettingsTest : public ZapGameTest,
                            public ::testing::WithParamInterface<std::tuple<Hostile, std::int32_t>> {};

TEST_P(HostileSettingsTest, AGameRunsWithClicksAndAResize) {
    const auto [hostile, value] = GetParam();
    GameSettings.EndGameCondition = hostile.end;
    GameSettings.FadeWords = 1;
    GameSettings.AnimateWords = 1;
    GameSettings.PrefillDeadRects = 1;
    if (hostile.field != nullptr) {
        GameSettings.*hostile.field = value;
    } else {
        Preferences.FontSize = WordFontSize = value;
    }
    auto game = Start();
    EXPECT_GE(WordFontSize, 8); // a loaded size is kept only within what a layout gives
    EXPECT_LE(WordFontSize, 5000);
    for (int tick = 1; tick <= 200; ++tick) {
        Tick(*game);
        if (tick == 100) {
            ResizeField(window, *game, 800, 600);
        }
        const auto words = FieldWords(*game);
        const auto live = std::find_if(words.begin(), words.end(),
                                       [](WordSprite* w) { return w->IsLive() && w->Text.Chars[0] != '<'; });
        if (tick % 7 == 0 && live != words.end()) {
            const std::int32_t score = game->Score();
            Click(*game, **live, tick % 2 == 0);
            if ((*live)->State == SpriteBlinkItalic || (*live)->State == SpriteBlinkBold) {
                EXPECT_EQ(game->Score(), score) << "tick " << tick << " " << (*live)->Text.Chars;
            }
        }
    }
    std::vector<const WordSprite*> taken;
    for (const auto& sprite : game->FieldSprites) {
        for (const WordSprite* other : taken) {
            const RECT& a = sprite->Rect;
            const RECT& b = other->Rect;
            EXPECT_TRUE(b.left > a.right || b.right < a.left || b.top > a.bottom || b.bottom < a.top)
                << Text(a) << " and " << Text(b);
        }
        if (sprite->State != SpriteDisplay) {
            taken.push_back(sprite.get());
        }
    }
}

// Names such as TimeLimitMinus5.
std::string HostileName(const ::testing::TestParamInfo<std::tuple<Hostile, std::int32_t>>& row) {
    const std::int64_t value = std::get<1>(row.param);
    return std::get<0>(row.param).name + std::string(value < 0 ? "Minus" : "") +
           std::to_string(std::abs(value));
}
INSTANTIATE_TEST_SUITE_P(Records, HostileSettingsTest,
                         ::testing::Combine(::testing::ValuesIn(kHostile),
                                            ::testing::Values(-5, 0, 150, INT32_MIN, INT32_MAX)),
                         HostileName);

} // namespace
