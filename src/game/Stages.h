#pragma once

#include "game/CZapGame.h"

#include <cstdint>
#include <memory>

// What a stage fixes whatever the player chose, and how to build it. A field left at kKeep leaves the
// player's setting (or the derived value) as it is.
struct StagePreset {
    static constexpr std::int32_t kKeep = INT32_MIN;
    using Factory = std::unique_ptr<CZapGame> (*)(GameHost& host, HINSTANCE instance, Dictionary* words);

    Factory Make = nullptr;
    unsigned TitleId = 0;
    unsigned DescriptionId = 0;
    // Rule settings, written before the rules are derived again.
    std::int32_t EndGameCondition = kKeep;
    std::int32_t TargetCount = kKeep;
    std::int32_t FakeWordProbab = kKeep;
    std::int32_t ScoreValidWords = kKeep;
    std::int32_t ScoreBogusWords = kKeep;
    std::int32_t AddWordsFaster = kKeep;
    std::int32_t HandicapSpeed = kKeep;
    std::int32_t AdjustLifespan = kKeep;
    std::int32_t FadeWords = kKeep;
    std::int32_t PowerUps = kKeep;
    std::int32_t PenalizeMistakes = kKeep;
    std::int32_t MistakesStay = kKeep;
    std::int32_t RandomFonts = kKeep;
    // Derived parameters the stage sets itself afterwards.
    std::int32_t TimeLimitSeconds = kKeep;
    std::int32_t TimePenalty = kKeep;
    std::int32_t CountPenalty = kKeep;
    std::int32_t WordPoints = kKeep;
    std::int32_t FakePoints = kKeep;
    double SpeedFactor = 0.0; // 0: as derived
};

inline constexpr int kStageCount = 9;
// Stages 1 to 9, in order: the game selection lists them so, the tour plays them so.
extern const StagePreset kStagePresets[kStageCount];

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
