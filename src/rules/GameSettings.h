#pragma once

#include "words/Dictionary.h" // WordChoiceMode and FakeWordMethod

#include <cstddef>
#include <cstdint>

// How a game ends: a bit set, 0 = the game never ends by itself.
enum EndGameBits {
    EndOnTime = 1,   // after TimeLimit seconds; a mistake can cost time
    EndOnTarget = 2, // after TargetCount words (when EndOnTime is clear); a mistake lowers the count
    EndOnNoRoom = 4, // when no room is left for another word
};

// The rules of the word-field game, one field per registry value of the same name, each a signed
// 32-bit number (flags hold 0 or 1). The initial values are the factory settings. Nothing here is
// range-checked: a stored value is used as it stands.
struct GameSettingsRecord {
    std::int32_t GameNumber = 9;                    // quick combination last applied, 9 = factory settings
    std::int32_t EndGameCondition = EndOnNoRoom;    // EndGameBits
    std::int32_t GenerateWords = ChooseAtRandom;    // WordChoiceMode
    std::int32_t GenerateFakes = FakeRandomLetters; // FakeWordMethod bits
    std::int32_t TargetCount = 50;                  // words
    std::int32_t TimeLimit = 50;                    // seconds
    std::int32_t WordLifespan = 50;                 // tenths of a second
    std::int32_t FakeWordProbab = 50;               // percent
    std::int32_t AddWordInterval = 20;              // tenths of a second
    std::int32_t RandomFonts = 0;
    std::int32_t PenalizeMistakes = 1;
    std::int32_t PowerUps = 1;
    std::int32_t FadeWords = 0;
    std::int32_t AnimateWords = 0;
    std::int32_t ExpireMistakes = 0;
    std::int32_t AdjustLifespan = 1;
    std::int32_t HandicapSpeed = 1;
    std::int32_t RoundRobin = 0; // the tour is in progress
    std::int32_t PrefillDeadRects = 0;
    std::int32_t ScoreBogusWords = 1;
    std::int32_t ScoreValidWords = 1;
    std::int32_t AddWordsFaster = 1;
    std::int32_t RoundRobinScore = 0; // the tour's score so far

    bool operator==(const GameSettingsRecord&) const = default;
};

// The program's one record of rule settings, loaded with the preferences at start-up.
extern GameSettingsRecord GameSettings;

// A field of the record and the registry value that keeps it.
struct GameSettingField {
    const char* Name;
    std::int32_t GameSettingsRecord::*Member;
};

// Every field of the record, in the record's order.
inline constexpr std::size_t kGameSettingFieldCount = 23;
extern const GameSettingField kGameSettingFields[kGameSettingFieldCount];
