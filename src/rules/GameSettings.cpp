#include "rules/GameSettings.h"

GameSettingsRecord GameSettings;

#define LEXIBLAST_FIELD(name)                                                                                \
    { #name, &GameSettingsRecord::name }

const GameSettingField kGameSettingFields[kGameSettingFieldCount] = {
    LEXIBLAST_FIELD(GameNumber),       LEXIBLAST_FIELD(EndGameCondition), LEXIBLAST_FIELD(GenerateWords),
    LEXIBLAST_FIELD(GenerateFakes),    LEXIBLAST_FIELD(TargetCount),      LEXIBLAST_FIELD(TimeLimit),
    LEXIBLAST_FIELD(WordLifespan),     LEXIBLAST_FIELD(FakeWordProbab),   LEXIBLAST_FIELD(AddWordInterval),
    LEXIBLAST_FIELD(RandomFonts),      LEXIBLAST_FIELD(PenalizeMistakes), LEXIBLAST_FIELD(PowerUps),
    LEXIBLAST_FIELD(FadeWords),        LEXIBLAST_FIELD(AnimateWords),     LEXIBLAST_FIELD(ExpireMistakes),
    LEXIBLAST_FIELD(AdjustLifespan),   LEXIBLAST_FIELD(HandicapSpeed),    LEXIBLAST_FIELD(RoundRobin),
    LEXIBLAST_FIELD(PrefillDeadRects), LEXIBLAST_FIELD(ScoreBogusWords),  LEXIBLAST_FIELD(ScoreValidWords),
    LEXIBLAST_FIELD(AddWordsFaster),   LEXIBLAST_FIELD(RoundRobinScore),
};

#undef LEXIBLAST_FIELD
