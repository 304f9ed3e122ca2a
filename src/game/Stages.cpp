#include "game/Stages.h"

#include "resources/resource.h"
#include "rules/GameSettings.h"
#include "store/GameKey.h"
#include "store/Registry.h"

namespace {

template <class Stage>
std::unique_ptr<CZapGame> Make(GameHost& host, HINSTANCE instance, Dictionary* words) {
    return std::make_unique<Stage>(host, instance, words);
}

} // namespace

// A rule a row leaves out keeps the player's setting; a parameter it leaves out keeps the derived one.
// clang-format off
const StagePreset kStagePresets[kStageCount] = {
    {.Make = Make<CFindFiftyGame>, .TitleId = IDS_STAGE1_TITLE, .DescriptionId = IDS_STAGE1_DESCRIPTION,
     .EndGameCondition = EndOnTarget, .TargetCount = 50, .FakeWordProbab = 50, .ScoreValidWords = 1,
     .ScoreBogusWords = 0, .AddWordsFaster = 1, .HandicapSpeed = 1, .AdjustLifespan = 1, .FadeWords = 1,
     .PowerUps = 1, .PenalizeMistakes = 1, .MistakesStay = 0},
    {.Make = Make<CFiftySecondsGame>, .TitleId = IDS_STAGE2_TITLE, .DescriptionId = IDS_STAGE2_DESCRIPTION,
     .EndGameCondition = EndOnTime, .FakeWordProbab = 50, .ScoreValidWords = 1, .ScoreBogusWords = 0,
     .AddWordsFaster = 1, .HandicapSpeed = 1, .AdjustLifespan = 1, .FadeWords = 1, .PowerUps = 1,
     .PenalizeMistakes = 1, .MistakesStay = 0, .TimeLimitSeconds = 50, .TimePenalty = 30, .CountPenalty = 0,
     .WordPoints = 40, .FakePoints = 0},
    {.Make = Make<CHardToFindGame>, .TitleId = IDS_STAGE3_TITLE, .DescriptionId = IDS_STAGE3_DESCRIPTION,
     .EndGameCondition = EndOnTarget, .TargetCount = 10, .FakeWordProbab = 75, .ScoreValidWords = 1,
     .ScoreBogusWords = 0, .AddWordsFaster = 1, .FadeWords = 1, .PowerUps = 1, .PenalizeMistakes = 1,
     .MistakesStay = 0, .TimePenalty = 0, .CountPenalty = 1, .WordPoints = 50, .FakePoints = 0, .SpeedFactor = 0.45},
    {.Make = Make<CFiftyFakesGame>, .TitleId = IDS_STAGE4_TITLE, .DescriptionId = IDS_STAGE4_DESCRIPTION,
     .EndGameCondition = EndOnTarget, .TargetCount = 50, .FakeWordProbab = 50, .ScoreValidWords = 0,
     .ScoreBogusWords = 1, .AddWordsFaster = 1, .FadeWords = 1, .PowerUps = 1, .PenalizeMistakes = 1,
     .MistakesStay = 0},
    {.Make = Make<CFakeForFiftyGame>, .TitleId = IDS_STAGE5_TITLE, .DescriptionId = IDS_STAGE5_DESCRIPTION,
     .EndGameCondition = EndOnTime, .FakeWordProbab = 50, .ScoreValidWords = 0, .ScoreBogusWords = 1,
     .AddWordsFaster = 1, .FadeWords = 1, .PowerUps = 1, .PenalizeMistakes = 1, .MistakesStay = 0,
     .TimeLimitSeconds = 50, .TimePenalty = 30, .CountPenalty = 0, .WordPoints = 0, .FakePoints = 40},
    {.Make = Make<CHardToFakeGame>, .TitleId = IDS_STAGE6_TITLE, .DescriptionId = IDS_STAGE6_DESCRIPTION,
     .EndGameCondition = EndOnTarget, .TargetCount = 10, .FakeWordProbab = 25, .ScoreValidWords = 0,
     .ScoreBogusWords = 1, .AddWordsFaster = 1, .FadeWords = 1, .PowerUps = 1, .PenalizeMistakes = 1,
     .MistakesStay = 0, .TimePenalty = 0, .CountPenalty = 1, .WordPoints = 0, .FakePoints = 50, .SpeedFactor = 0.45},
    {.Make = Make<CAnyFiftyGame>, .TitleId = IDS_STAGE7_TITLE, .DescriptionId = IDS_STAGE7_DESCRIPTION,
     .EndGameCondition = EndOnTarget, .TargetCount = 50, .FakeWordProbab = 50, .ScoreValidWords = 1,
     .ScoreBogusWords = 1, .AddWordsFaster = 1, .FadeWords = 1, .PowerUps = 1, .PenalizeMistakes = 1,
     .MistakesStay = 0, .TimePenalty = 0, .CountPenalty = 1},
    {.Make = Make<CWackyFiftyGame>, .TitleId = IDS_STAGE8_TITLE, .DescriptionId = IDS_STAGE8_DESCRIPTION,
     .EndGameCondition = EndOnTarget, .TargetCount = 50, .FakeWordProbab = 50, .ScoreValidWords = 1,
     .ScoreBogusWords = 1, .AddWordsFaster = 1, .FadeWords = 1, .PowerUps = 1, .PenalizeMistakes = 1,
     .MistakesStay = 0, .RandomFonts = 1},
    {.Make = Make<CLimitedInfinityGame>, .TitleId = IDS_STAGE9_TITLE, .DescriptionId = IDS_STAGE9_DESCRIPTION,
     .EndGameCondition = EndOnNoRoom, .FakeWordProbab = 50, .ScoreValidWords = 1, .ScoreBogusWords = 1,
     .AddWordsFaster = 1, .FadeWords = 0, .PowerUps = 1, .PenalizeMistakes = 0, .MistakesStay = 1},
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
    BoundRules();
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
