// New words: genuine or fake, placed at a random free spot; the boxes that pre-fill the field.

#include "game/ZapCommon.h"

#include "rules/GameSettings.h"
#include "store/Preferences.h"
#include "words/Dictionary.h"
#include "words/Random.h"

using namespace zap;

namespace {

// Rectangles overlap when they share at least an edge.
bool Overlap(const RECT& a, const RECT& b) {
    return b.left <= a.right && b.right >= a.left && b.top <= a.bottom && b.bottom >= a.top;
}

} // namespace

std::int32_t CZapGame::GenuinePercent() {
    return 100 - FakeWordProbab;
}

bool CZapGame::SpawnWord(HWND window) {
    const std::int32_t genuine = GenuinePercent();
    const bool wantGenuine = RandomRange(100, 0) < genuine;
    if (Words == nullptr) {
        return false;
    }
    const std::unique_ptr<CText> word = wantGenuine
                                            ? Words->PickGenuine(GameSettings.GenerateWords, MaxWordLength)
                                            : Words->PickFake(GameSettings.GenerateFakes, MaxWordLength);
    return PlaceWord(window, word.get(), SpriteJiggling);
}

bool CZapGame::PlaceWord(HWND window, const CText* text, std::int32_t state) {
    // An empty text is no word: no empty box ever appears on the field.
    if (text == nullptr || text->Length <= 0) {
        return false;
    }
    auto sprite = std::make_unique<WordSprite>(Preferences.ForegroundColor);
    const std::int32_t lifespan = LifespanFor(sprite.get());
    sprite->SetText(text->Str());
    sprite->Lifespan = lifespan;
    sprite->State = state;
    sprite->SetFaceName(PickFaceName());
    sprite->DropFont();
    sprite->FontSize = WordFontSize;
    sprite->DropFont();
    sprite->FitToText(Buffer, 1);
    if (!FindFreeSpot(window, sprite->Rect)) {
        if (MaxWordLength > kShortestWordLimit) {
            --MaxWordLength;
        }
        return false;
    }
    WordSprite* placed = sprite.get();
    FieldSprites.push_back(std::move(sprite));
    TicksSinceWordAdded = 0;
    if (MaxWordLength < kLongestWord) {
        ++MaxWordLength;
    }
    // A word that lands under a resting pointer is hovered at once.
    POINT pointer{0, 0};
    if (GetCursorPos(&pointer) && ScreenToClient(window, &pointer)) {
        UpdateHover(window, placed, pointer.x, pointer.y);
    }
    return true;
}

bool CZapGame::FindFreeSpot(HWND window, RECT& rect) {
    const std::int64_t width = std::int64_t{rect.right} - rect.left;
    const std::int64_t height = std::int64_t{rect.bottom} - rect.top;
    RECT client{0, 0, 0, 0};
    GetClientRect(window, &client);
    const std::int64_t fieldWidth = std::int64_t{client.right} - client.left;
    const std::int64_t fieldHeight = std::int64_t{client.bottom} - client.top;
    // An unmeasured word, or one too big for the field, has no place to go.
    if (width < 1 || height < 1 || fieldWidth < 1 || fieldHeight < 1 || fieldHeight - height - 1 < 0 ||
        fieldWidth - width - 1 < 0) {
        return false;
    }
    for (std::int32_t i = 0; i < PlacementTries; ++i) {
        const std::int32_t top = RandomRange(Clamp32(fieldHeight - height - 1), 0);
        const std::int32_t left = RandomRange(Clamp32(fieldWidth - width - 1), 0);
        rect = RECT{left, top, Clamp32(left + width), Clamp32(top + height)};
        const bool taken = std::any_of(FieldSprites.begin(), FieldSprites.end(),
                                       [&rect](const auto& sprite) { return Overlap(rect, sprite->Rect); });
        if (!taken) {
            return true;
        }
    }
    return false;
}

void CZapGame::PrefillBoxes(HWND /*window*/, int count) {
    if (count <= 0) {
        return;
    }
    const int rows = static_cast<int>(std::sqrt(static_cast<double>(count))) + 1;
    const std::int64_t fieldHeight = std::int64_t{FieldRect.bottom} - FieldRect.top;
    const std::int64_t fieldWidth = std::int64_t{FieldRect.right} - FieldRect.left;
    const std::int64_t gapY = (fieldHeight - std::int64_t{BoxHeight} * (rows + 1)) / (rows + 1);
    int remaining = count;
    for (int row = 1; row <= rows; ++row) {
        const int inRow = std::min(rows, remaining);
        if (inRow == 0) {
            continue;
        }
        const std::int64_t gapX = (fieldWidth - std::int64_t{BoxWidth} * inRow) / (inRow + 1);
        const std::int64_t top = row * (gapY + BoxHeight);
        for (int j = 0; j < inRow; ++j) {
            const std::int64_t left = gapX + j * (gapX + BoxWidth);
            auto box = std::make_unique<DeadRectSprite>(Preferences.ForegroundColor);
            box->Place(Clamp32(top), Clamp32(left), Clamp32(top + BoxHeight), Clamp32(left + BoxWidth));
            FieldSprites.push_back(std::move(box));
        }
        remaining -= inRow;
    }
}
