#pragma once

#include "rules/GameSettings.h"

#include <array>
#include <cstddef>
#include <cstdint>

// One bullet line of the how-to-play explanation: a string-table template and the number that its
// "%d" shows, if it has one. TextId 0 is an empty line.
struct RuleLine {
    unsigned TextId = 0;
    std::int32_t Number = 0;

    bool operator==(const RuleLine&) const = default;
};

inline constexpr std::size_t kRuleLineCount = 6;
using RuleLines = std::array<RuleLine, kRuleLineCount>;

// The six lines that explain the rules as settings has them: what to do with a word, what to do
// with a fake, the goal, how the game ends, what a mistake costs, and where to find more. The first
// end condition set decides the middle three: time limit, then target count, then no room.
RuleLines ComposeRuleLines(const GameSettingsRecord& settings);
