#include "game/Stages.h"

#include "resources/resource.h"
#include "store/GameKey.h"
#include "store/Registry.h"

namespace {

constexpr std::int32_t K = StagePreset::kKeep;

} // namespace

// clang-format off
const StagePreset kStagePresets[9] = {
    // title, description,
    //   end, target, fake%, words, fakes, faster, handicap, adjust, fade, power-ups, penalize, stay, random fonts, boxes,
    //   time limit, time penalty, count penalty, word points, fake points, speed factor
    {IDS_STAGE1_TITLE, IDS_STAGE1_DESCRIPTION,
     2, 50, 50, 1, 0, 1, 1, 1, 1, 1, 1, 0, K, 0,
     K, K, K, K, K, 0.0},
    {IDS_STAGE2_TITLE, IDS_STAGE2_DESCRIPTION,
     1, K, 50, 1, 0, 1, 1, 1, 1, 1, 1, 0, K, 0,
     50, 30, 0, 40, 0, 0.0},
    {IDS_STAGE3_TITLE, IDS_STAGE3_DESCRIPTION,
     2, 10, 75, 1, 0, 1, K, K, 1, 1, 1, 0, K, 0,
     K, 0, 1, 50, 0, 0.45},
    {IDS_STAGE4_TITLE, IDS_STAGE4_DESCRIPTION,
     2, 50, 50, 0, 1, 1, K, K, 1, 1, 1, 0, K, 0,
     K, K, K, K, K, 0.0},
    {IDS_STAGE5_TITLE, IDS_STAGE5_DESCRIPTION,
     1, K, 50, 0, 1, 1, K, K, 1, 1, 1, 0, K, 0,
     50, 30, 0, 0, 40, 0.0},
    {IDS_STAGE6_TITLE, IDS_STAGE6_DESCRIPTION,
     2, 10, 25, 0, 1, 1, K, K, 1, 1, 1, 0, K, 0,
     K, 0, 1, 0, 50, 0.45},
    {IDS_STAGE7_TITLE, IDS_STAGE7_DESCRIPTION,
     2, 50, 50, 1, 1, 1, K, K, 1, 1, 1, 0, K, 0,
     K, 0, 1, K, K, 0.0},
    {IDS_STAGE8_TITLE, IDS_STAGE8_DESCRIPTION,
     2, 50, 50, 1, 1, 1, K, K, 1, 1, 1, 0, 1, 0,
     K, K, K, K, K, 0.0},
    {IDS_STAGE9_TITLE, IDS_STAGE9_DESCRIPTION,
     4, K, 50, 1, 1, 1, K, K, 0, 1, 0, 1, K, 1,
     K, K, K, K, K, 0.0},
};
// clang-format on

void CZapGame::ApplyPreset(const StagePreset& preset) {
    const auto set = [](std::int32_t& field, std::int32_t value) {
        if (value != StagePreset::kKeep) {
            field = value;
        }
    };
    set(EndGameCondition, preset.EndGameCondition);
    set(TargetCount, preset.TargetCount);
    set(FakeWordProbab, preset.FakeWordProbab);
    set(ScoreValidWords, preset.ScoreValidWords);
    set(ScoreBogusWords, preset.ScoreBogusWords);
    set(AddWordsFaster, preset.AddWordsFaster);
    set(HandicapSpeed, preset.HandicapSpeed);
    set(AdjustLifespan, preset.AdjustLifespan);
    set(FadeWords, preset.FadeWords);
    set(PowerUps, preset.PowerUps);
    set(PenalizeMistakes, preset.PenalizeMistakes);
    set(MistakesStay, preset.MistakesStay);
    set(RandomFonts, preset.RandomFonts);
    DeriveRules();
    set(TimeLimitSeconds, preset.TimeLimitSeconds);
    set(TimePenalty, preset.TimePenalty);
    set(CountPenalty, preset.CountPenalty);
    set(WordPoints, preset.WordPoints);
    set(FakePoints, preset.FakePoints);
    if (preset.SpeedFactor > 0.0) {
        SpeedFactor = preset.SpeedFactor;
    }
    Host.SetCurrentTitleId(preset.TitleId);
    SetGameKey(kRoundRobinGameKey);
}

#define LEXIBLAST_STAGE(Class, Base, number)                                                                 \
    Class::Class(GameHost& host, HINSTANCE instance, Dictionary* words) : Base(host, instance, words) {      \
        ApplyPreset(kStagePresets[(number)-1]);                                                              \
    }

LEXIBLAST_STAGE(CFindFiftyGame, CZapGame, 1)
LEXIBLAST_STAGE(CFiftySecondsGame, CZapGame, 2)
LEXIBLAST_STAGE(CHardToFindGame, CZapGame, 3)
LEXIBLAST_STAGE(CFiftyFakesGame, CZapGame, 4)
LEXIBLAST_STAGE(CFakeForFiftyGame, CZapGame, 5)
LEXIBLAST_STAGE(CHardToFakeGame, CZapGame, 6)
LEXIBLAST_STAGE(CAnyFiftyGame, CZapGame, 7)
LEXIBLAST_STAGE(CWackyFiftyGame, CAnyFiftyGame, 8)
LEXIBLAST_STAGE(CLimitedInfinityGame, CZapGame, 9)

#undef LEXIBLAST_STAGE

#define LEXIBLAST_STAGE_TEXTS(Class, number)                                                                 \
    unsigned Class::DescriptionId() {                                                                        \
        return kStagePresets[(number)-1].DescriptionId;                                                      \
    }                                                                                                        \
    unsigned Class::TitleId() {                                                                              \
        return kStagePresets[(number)-1].TitleId;                                                            \
    }

LEXIBLAST_STAGE_TEXTS(CFindFiftyGame, 1)
LEXIBLAST_STAGE_TEXTS(CFiftySecondsGame, 2)
LEXIBLAST_STAGE_TEXTS(CHardToFindGame, 3)
LEXIBLAST_STAGE_TEXTS(CFiftyFakesGame, 4)
LEXIBLAST_STAGE_TEXTS(CFakeForFiftyGame, 5)
LEXIBLAST_STAGE_TEXTS(CHardToFakeGame, 6)
LEXIBLAST_STAGE_TEXTS(CWackyFiftyGame, 8)
LEXIBLAST_STAGE_TEXTS(CLimitedInfinityGame, 9)

#undef LEXIBLAST_STAGE_TEXTS
