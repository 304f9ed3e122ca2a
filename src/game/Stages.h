#pragma once

#include "game/CZapGame.h"

#include <cstdint>

// What a stage fixes whatever the player chose. kKeep leaves the player's setting (or the derived
// value) as it is.
struct StagePreset {
    static constexpr std::int32_t kKeep = INT32_MIN;

    unsigned TitleId;
    unsigned DescriptionId;
    // Rule settings, written before the rules are derived again.
    std::int32_t EndGameCondition;
    std::int32_t TargetCount;
    std::int32_t FakeWordProbab;
    std::int32_t ScoreValidWords;
    std::int32_t ScoreBogusWords;
    std::int32_t AddWordsFaster;
    std::int32_t HandicapSpeed;
    std::int32_t AdjustLifespan;
    std::int32_t FadeWords;
    std::int32_t PowerUps;
    std::int32_t PenalizeMistakes;
    std::int32_t MistakesStay;
    std::int32_t RandomFonts;
    // Kept with the stage but not read: the settings record decides whether the field starts with boxes.
    std::int32_t PrefillDeadRects;
    // Derived parameters the stage sets itself afterwards.
    std::int32_t TimeLimitSeconds;
    std::int32_t TimePenalty;
    std::int32_t CountPenalty;
    std::int32_t WordPoints;
    std::int32_t FakePoints;
    double SpeedFactor; // 0: as derived
};

// The presets of stages 1 to 9, in order.
extern const StagePreset kStagePresets[9];

// Stage 1: zap fifty genuine words.
class CFindFiftyGame : public CZapGame {
public:
    CFindFiftyGame(GameHost& host, HINSTANCE instance, Dictionary* words);
    unsigned DescriptionId() override;
    unsigned TitleId() override;
};

// Stage 2: zap words for fifty seconds.
class CFiftySecondsGame : public CZapGame {
public:
    CFiftySecondsGame(GameHost& host, HINSTANCE instance, Dictionary* words);
    unsigned DescriptionId() override;
    unsigned TitleId() override;
};

// Stage 3: zap ten words among mostly fakes.
class CHardToFindGame : public CZapGame {
public:
    CHardToFindGame(GameHost& host, HINSTANCE instance, Dictionary* words);
    unsigned DescriptionId() override;
    unsigned TitleId() override;
};

// Stage 4: eliminate fifty fakes.
class CFiftyFakesGame : public CZapGame {
public:
    CFiftyFakesGame(GameHost& host, HINSTANCE instance, Dictionary* words);
    unsigned DescriptionId() override;
    unsigned TitleId() override;
};

// Stage 5: eliminate fakes for fifty seconds.
class CFakeForFiftyGame : public CZapGame {
public:
    CFakeForFiftyGame(GameHost& host, HINSTANCE instance, Dictionary* words);
    unsigned DescriptionId() override;
    unsigned TitleId() override;
};

// Stage 6: eliminate ten fakes among mostly genuine words.
class CHardToFakeGame : public CZapGame {
public:
    CHardToFakeGame(GameHost& host, HINSTANCE instance, Dictionary* words);
    unsigned DescriptionId() override;
    unsigned TitleId() override;
};

// Stage 7: classify any fifty words. Its title and description are the word-field game's own.
class CAnyFiftyGame : public CZapGame {
public:
    CAnyFiftyGame(GameHost& host, HINSTANCE instance, Dictionary* words);
};

// Stage 8: stage 7 with a random face for every word.
class CWackyFiftyGame : public CAnyFiftyGame {
public:
    CWackyFiftyGame(GameHost& host, HINSTANCE instance, Dictionary* words);
    unsigned DescriptionId() override;
    unsigned TitleId() override;
};

// Stage 9: classify words until no room is left; mistakes stay and cost nothing.
class CLimitedInfinityGame : public CZapGame {
public:
    CLimitedInfinityGame(GameHost& host, HINSTANCE instance, Dictionary* words);
    unsigned DescriptionId() override;
    unsigned TitleId() override;
};
