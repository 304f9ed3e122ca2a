// Power-up words: when one appears, and what each does when it is clicked.

#include "game/ZapCommon.h"

#include "words/Random.h"

#include <cstring>

using namespace zap;

namespace {

constexpr std::int32_t kPauseTicks = 150;
constexpr std::int32_t kFadeLifespan = 5;

} // namespace

void CZapGame::PowerUpStep(HWND window) {
    if (PowerUps == 0 || ScoreDisplay->Value < NextPowerUpScore) {
        return;
    }
    const CText chosen(EnabledPowerUps[RandomRange(EnabledCount, 0)]);
    if (!PlaceWord(window, &chosen, SpriteJigglingSteady)) {
        const CText mystery(kMystery);
        if (!PlaceWord(window, &mystery, SpriteJigglingSteady)) {
            Add(PowerUpsAwarded, -1);
        }
    }
    const std::int64_t step = std::max(WordPoints, FakePoints);
    Add(NextPowerUpScore, (std::int64_t{PowerUpsAwarded} + 10) * step);
    Add(PowerUpsAwarded, 1);
}

void CZapGame::ActivatePowerUp(HWND window, const CText& /*text*/) {
    WordSprite* clicked = HoverSprite;
    if (clicked == nullptr) {
        return;
    }
    const char* name = clicked->Text.Str();
    if (std::strcmp(name, kMystery) == 0) {
        // The mystery word stands for any power-up of the game but the one that clears the screen.
        std::int32_t i = 0;
        do {
            i = RandomRange(EnabledCount, 0);
        } while (i == 1);
        name = EnabledPowerUps[i];
    }
    const bool pause = std::strcmp(name, kPause) == 0;
    ApplyEffect(window, name);
    if (!pause && !GameOver) {
        clicked->Lifespan = 1;
        clicked->Live = 0;
        clicked->State = SpriteHidden;
    }
}

void CZapGame::ApplyEffect(HWND window, const char* name) {
    using Effect = void (CZapGame::*)(HWND);
    static constexpr struct {
        const char* Name;
        Effect Apply;
    } kEffects[] = {
        {kPause, &CZapGame::StartPause},
        {kEraseMistake, &CZapGame::EraseMistake},
        {kPlus10Seconds, &CZapGame::AddTenSeconds},
        {kPlus100, &CZapGame::AddHundredPoints},
        {kFillScreen, &CZapGame::FillScreen},
        {kScoreWords, &CZapGame::ScoreAnyWords},
        {kScoreFakes, &CZapGame::ScoreAnyFakes},
        {kClearScreen, &CZapGame::ClearScreen},
    };
    for (const auto& effect : kEffects) {
        if (std::strcmp(name, effect.Name) == 0) {
            (this->*effect.Apply)(window);
            return;
        }
    }
}

void CZapGame::StartPause(HWND /*window*/) {
    PauseTicks = kPauseTicks;
    PauseSprite = HoverSprite;
}

void CZapGame::EraseMistake(HWND /*window*/) {
    for (const auto& sprite : FieldSprites) {
        if (!sprite->IsLive() && !IsDisplay(sprite.get()) && sprite->State != SpriteDeadBox &&
            !IsPowerUpWord(*sprite) &&
            (sprite->State == SpriteBlinkBold || sprite->State == SpriteBlinkItalic)) {
            sprite->Lifespan = kFadeLifespan;
            sprite->State = SpriteFading;
            break;
        }
    }
}

void CZapGame::AddTenSeconds(HWND window) {
    Add(ClockDisplay->Value, -100);
    ClockDisplay->UpdateText();
    Redraw(window, {ClockDisplay});
}

void CZapGame::AddHundredPoints(HWND window) {
    Add(ScoreDisplay->Value, 100);
    ScoreDisplay->UpdateText();
    Redraw(window, {ScoreDisplay});
    Add(NextPowerUpScore, 100);
}

void CZapGame::FillScreen(HWND window) {
    for (int i = 0; i < 100; ++i) {
        if (!SpawnWord(window)) {
            Add(PlacementTries, 1);
        }
    }
}

void CZapGame::ScoreAnyWords(HWND window) {
    ScoreAll(window, true);
}

void CZapGame::ScoreAnyFakes(HWND window) {
    ScoreAll(window, false);
}

void CZapGame::ClearScreen(HWND /*window*/) {
    for (const auto& sprite : FieldSprites) {
        if (IsDisplay(sprite.get()) || sprite->State == SpriteDeadBox) {
            continue;
        }
        if (IsPowerUpWord(*sprite) || sprite->State == SpriteHidden) {
            sprite->Lifespan = 1;
        } else {
            sprite->Lifespan = kFadeLifespan;
            sprite->State = SpriteFading;
        }
    }
}

void CZapGame::ScoreAll(HWND window, bool genuine) {
    for (const auto& entry : FieldSprites) {
        // Reaching the target ends the game here: the words after it stay as they are.
        if (GameOver) {
            return;
        }
        WordSprite* sprite = entry.get();
        if (!sprite->IsLive() || IsPowerUpWord(*sprite)) {
            continue;
        }
        CText word(sprite->Text.Str());
        word.MakeLower();
        if (IsListedWord(word.Str()) == genuine) {
            CorrectClassification(window, sprite, genuine ? Button::Left : Button::Right);
        }
    }
}
