// The game clock: a new word when one is due, ageing, expiry, the pause and the end of the game.

#include "game/ZapCommon.h"

#include "resources/resource.h"
#include "rules/GameSettings.h"
#include "rules/Statistics.h"
#include "sound/Sound.h"
#include "words/Random.h"

#include <cstdio>

using namespace zap;

void CZapGame::StartTimers(HWND window) {
    TimerId = SetTimer(window, IDT_GAME_CLOCK, static_cast<UINT>(TickInterval), nullptr);
}

void CZapGame::StopTimers(HWND window) {
    if (TimerId != 0) {
        KillTimer(window, TimerId);
        TimerId = 0;
    }
}

int CZapGame::OnTimer(HWND window, UINT timerId) {
    if (Running == 0 || GameOver) {
        return 0;
    }
    if (FirstTick != 0) {
        if (GameSettings.PrefillDeadRects != 0) {
            PrefillBoxes(window, RandomRange(20, 10));
        }
        FirstTick = 0;
    }
    if (PauseTicks > 0) {
        --PauseTicks;
        if (PauseSprite != nullptr) {
            char label[kPowerUpNameSize];
            std::snprintf(label, sizeof label, "<pause-%d-secs>", static_cast<int>(PauseTicks / 10));
            PauseSprite->SetText(label);
            if (PauseTicks == 0) {
                PauseSprite->Lifespan = 1;
                PauseSprite->Live = 0;
                PauseSprite->State = SpriteHidden;
                PauseSprite = nullptr;
            }
        }
        DrawAll(window);
        return 0;
    }
    if (timerId == IDT_CLOCK) {
        Add(ElapsedSeconds, 1);
        return 1;
    }
    if (timerId != IDT_GAME_CLOCK) {
        return CGame::OnTimer(window, timerId);
    }

    Add(TicksSinceWordAdded, 1);
    Add(TicksSinceHit, 1);
    AddWordStep(window);
    PowerUpStep(window);

    // Every sprite ticks and every box that changes or goes is erased before anything is drawn, so
    // that no erasing cuts into a word drawn in this pass.
    DrawPass(window, nullptr, [this, window] {
        TickField(window);
        DrawField();
    });

    if (Has(EndGameCondition, EndOnNoRoom) && TicksSinceWordAdded > NoRoomTicks) {
        Host.EndGame(window, EndCompleted);
    } else if (Has(EndGameCondition, EndOnTime) && ClockDisplay->Value / 10 >= TimeLimitSeconds) {
        Host.EndGame(window, EndTimeUp);
    }
    return 1;
}

void CZapGame::TickField(HWND window) {
    for (auto it = FieldSprites.begin(); it != FieldSprites.end();) {
        WordSprite* sprite = it->get();
        const bool wasGrown = sprite->IsGrown();
        const RECT drawn = wasGrown ? sprite->GrownRect : sprite->Rect;
        sprite->Tick(window, Buffer, GameSettings.AnimateWords);
        // A growing word's box moves when it meets the field's edge: clear where it was drawn unless
        // its own drawing will (a grown word erases its whole box before it draws).
        if ((wasGrown || sprite->IsGrown()) && !(sprite->IsGrown() && Contains(sprite->GrownRect, drawn))) {
            Buffer.EraseBackground(&drawn);
        }
        if (!sprite->IsExpired()) {
            ++it;
            continue;
        }
        RecordIgnored(*sprite);
        Buffer.EraseBackground(&sprite->Rect);
        if (sprite->IsGrown()) {
            Buffer.EraseBackground(&sprite->GrownRect);
        }
        if (sprite == HoverSprite) {
            HoverSprite = nullptr;
            SetPointer(ArrowCursor);
        }
        if (sprite == PauseSprite) {
            PauseSprite = nullptr;
        }
        it = FieldSprites.erase(it);
    }
}

void CZapGame::AddWordStep(HWND window) {
    if (TicksSinceWordAdded <= NextWordTicks) {
        return;
    }
    if (!SpawnWord(window)) {
        // A tick without a new word does not count against the player.
        Add(TicksSinceHit, -1);
        Add(PlacementTries, 1);
    }
    std::int64_t base = AddWordInterval;
    if (HandicapSpeed != 0) {
        base = (std::int64_t{HitInterval} + AddWordInterval) / 2;
    }
    if (AddWordsFaster != 0) {
        base = static_cast<std::int64_t>(static_cast<double>(base) * SpeedFactor);
    }
    // SpeedFactor is at most 1 and the interval at most kLongestTicks, so base is at most about half
    // the 32-bit range and both bounds fit.
    NextWordTicks = RandomRange(static_cast<std::int32_t>(base * 3 / 2), static_cast<std::int32_t>(base / 2));
}

std::int32_t CZapGame::LifespanFor(const WordSprite* /*sprite*/) {
    if (FadeWords == 0) {
        return kEndlessLifespan;
    }
    if (AdjustLifespan == 0) {
        return WordLifespan;
    }
    const double sprites = static_cast<double>(FieldSprites.size());
    const auto multiplier = static_cast<std::int64_t>(sprites * 0.1 + 1.0);
    return Clamp32(std::int64_t{WordLifespan} * multiplier);
}

void CZapGame::RecordIgnored(const WordSprite& sprite) {
    if (sprite.State != SpriteFading && sprite.State != SpriteJiggling) {
        return;
    }
    const char* text = sprite.Text.Str();
    (IsListedWord(text) ? WordsIgnored : FakesIgnored).Append(text);
}

void CZapGame::CheckTarget(HWND window) {
    if (!GameOver && Has(EndGameCondition, EndOnTarget) && !Has(EndGameCondition, EndOnTime) &&
        WordsDisplay->Value >= TargetCount) {
        Host.EndGame(window, EndCompleted);
    }
}

void CZapGame::OnGameOver(HWND window, int reason) {
    if (GameOver) {
        return;
    }
    GameOver = true;
    // The bonus for reaching the target fast; a clock at zero or below has nothing to divide by.
    if (Has(EndGameCondition, EndOnTarget) && reason == EndCompleted && ClockDisplay->Value > 0) {
        const double bonus = TargetCount * 12.0 / ClockDisplay->Value * 1000.0;
        Add(ScoreDisplay->Value, Clamp32(bonus));
        ScoreDisplay->UpdateText();
        Redraw(window, {ScoreDisplay});
    }
    if (reason == EndCompleted || reason == EndTimeUp) {
        PlaySoundEffect(IDW_GAME_WON);
    }
    for (const auto& sprite : FieldSprites) {
        RecordIgnored(*sprite);
    }
}
