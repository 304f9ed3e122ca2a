#pragma once

// What the word-field game's source files share: the power-up names and the small helpers that keep
// counts and scores inside the 32-bit range.

#include "game/CZapGame.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zap {

constexpr char kMystery[] = "<?>";
constexpr char kPlus100[] = "<+100 points>";
constexpr char kClearScreen[] = "<clear-screen>";
constexpr char kFillScreen[] = "<fill-screen>";
constexpr char kEraseMistake[] = "<erase-a-mistake>";
constexpr char kPlus10Seconds[] = "<+10 seconds>";
constexpr char kScoreWords[] = "<score-any-words>";
constexpr char kScoreFakes[] = "<score-any-fakes>";
constexpr char kPause[] = "<pause-15-secs>";

// Counts and scores that grow during play stay inside the 32-bit range.
inline std::int32_t Clamp32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}
inline std::int32_t Clamp32(double value) {
    if (!(value > static_cast<double>(std::numeric_limits<std::int32_t>::min()))) {
        return std::isnan(value) ? 0 : std::numeric_limits<std::int32_t>::min();
    }
    if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value); // truncates toward zero
}
inline void Add(std::int32_t& value, std::int64_t amount) {
    value = Clamp32(value + amount);
}

inline bool Has(std::int32_t bits, std::int32_t bit) {
    return (bits & bit) != 0;
}

inline bool IsPowerUpWord(const WordSprite& sprite) {
    return sprite.Text.At(0) == '<';
}

} // namespace zap

template <class Draw>
void CZapGame::DrawPass(HWND window, HDC dc, Draw draw) {
    Buffer.BeginDraw(window, dc);
    draw();
    Buffer.EndDraw(nullptr);
}
