// The mouse: the hovered word, zaps and eliminations judged by the dictionary, mistakes and penalties.

#include "game/ZapCommon.h"

#include "resources/resource.h"
#include "sound/Sound.h"

using namespace zap;

namespace {

constexpr std::int32_t kClassifiedLifespan = 20;

} // namespace

int CZapGame::OnMouseMove(HWND window, int x, int y, UINT /*keys*/) {
    if (GameOver) {
        return 1;
    }
    if (HoverSprite != nullptr) {
        HoverSprite->Marks &= ~std::uint32_t{MarkFrame};
        HoverSprite = nullptr;
    }
    bool hit = false;
    for (const auto& sprite : FieldSprites) {
        if (UpdateHover(window, sprite.get(), x, y)) {
            hit = true;
            break;
        }
    }
    if (!hit) {
        SetPointer(ArrowCursor);
        return 1;
    }
    switch (HoverSprite->State) {
    case SpriteGrowing:
        SetPointer(ZapCursor.get());
        break;
    case SpriteShrinking:
        SetPointer(EliminateCursor.get());
        break;
    case SpriteBlinkBold:
        SetPointer(WordEliminatedCursor.get());
        break;
    case SpriteBlinkItalic:
        SetPointer(FakeZappedCursor.get());
        break;
    default:
        break;
    }
    return 1;
}

bool CZapGame::UpdateHover(HWND window, WordSprite* sprite, int x, int y) {
    if (sprite == nullptr) {
        return false;
    }
    const RECT& r = sprite->Rect;
    if (x < r.left || x > r.right || y < r.top || y > r.bottom) {
        return false;
    }
    HoverSprite = sprite;
    if (sprite->IsLive()) {
        sprite->Marks |= MarkFrame;
        Redraw(window, {sprite});
        SetPointer(ArrowCursor);
    }
    return true;
}

int CZapGame::OnLButtonDown(HWND window, int /*x*/, int /*y*/, UINT /*keys*/) {
    return OnButtonDown(window, Button::Left);
}

int CZapGame::OnRButtonDown(HWND window, int /*x*/, int /*y*/, UINT /*keys*/) {
    return OnButtonDown(window, Button::Right);
}

int CZapGame::OnButtonDown(HWND window, Button button) {
    if (GameOver || (button == Button::Left ? ScoreValidWords : ScoreBogusWords) == 0) {
        return 0;
    }
    if (PauseTicks > 0) {
        PlaySoundEffect(IDW_REFUSED_CLICK);
        return 0;
    }
    if (HoverSprite == nullptr || !HoverSprite->IsLive()) {
        return 1;
    }
    CText word(HoverSprite->Text.Str());
    word.MakeLower();
    if (word.At(0) == '<') {
        ActivatePowerUp(window, word);
    } else if (IsListedWord(word.Str()) == (button == Button::Left)) {
        CorrectClassification(window, HoverSprite, button);
    } else {
        Mistake(window, *HoverSprite, button);
    }
    if (!GameOver) {
        NoteHit();
    }
    return 1;
}

void CZapGame::Classify(WordSprite& sprite, std::int32_t state, std::int32_t lifespan, StringList& list,
                        HCURSOR cursor) {
    sprite.Live = 0;
    sprite.State = state;
    sprite.Lifespan = lifespan;
    list.Append(sprite.Text.Str());
    SetPointer(cursor);
}

void CZapGame::Mistake(HWND window, WordSprite& sprite, Button button) {
    const std::int32_t lifespan = MistakesStay != 0 ? kEndlessLifespan : kClassifiedLifespan;
    if (button == Button::Left) {
        sprite.Marks |= MarkCross;
        Classify(sprite, SpriteBlinkItalic, lifespan, FakesZapped, FakeZappedCursor.get());
    } else {
        sprite.Marks |= MarkDoubleFrame;
        Classify(sprite, SpriteBlinkBold, lifespan, WordsEliminated, WordEliminatedCursor.get());
    }
    if (PenalizeMistakes != 0) {
        Add(ClockDisplay->Value, TimePenalty);
        ClockDisplay->UpdateText();
        Add(WordsDisplay->Value, -std::int64_t{CountPenalty});
        WordsDisplay->UpdateText();
        Redraw(window, {WordsDisplay, ClockDisplay});
    }
    PlaySoundEffect(IDW_MISTAKE);
}

void CZapGame::CorrectZap(HWND window, WordSprite* sprite) {
    CorrectClassification(window, sprite, Button::Left);
}

void CZapGame::CorrectEliminate(HWND window, WordSprite* sprite) {
    CorrectClassification(window, sprite, Button::Right);
}

void CZapGame::CorrectClassification(HWND window, WordSprite* sprite, Button button) {
    if (sprite == nullptr || GameOver) {
        return;
    }
    const bool zap = button == Button::Left;
    Add(ScoreDisplay->Value, zap ? WordPoints : FakePoints);
    ScoreDisplay->UpdateText();
    Add(WordsDisplay->Value, 1);
    WordsDisplay->UpdateText();
    if (zap) {
        Classify(*sprite, SpriteGrowing, kClassifiedLifespan, WordsZapped, ZapCursor.get());
    } else {
        Classify(*sprite, SpriteShrinking, kClassifiedLifespan, FakesEliminated, EliminateCursor.get());
    }
    Redraw(window, {WordsDisplay, ScoreDisplay});
    PlaySoundEffect(IDW_CORRECT);
    CheckTarget(window);
}

void CZapGame::NoteHit() {
    HitInterval = Clamp32((std::int64_t{HitInterval} * 45 + TicksSinceHit) / 46);
    TicksSinceHit = 0;
    if (AddWordsFaster != 0 && SpeedFactor > 0.01 && ClockDisplay->Value % 10 == 0) {
        SpeedFactor -= 0.01;
    }
}
