#include "gfx/WordSprite.h"

#include "gfx/CDrawBuffer.h"
#include "gfx/FontCache.h"
#include "gfx/Gdi.h"
#include "words/Random.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr int kFontPitchAndFamily = FF_SWISS; // 0x20, a sans-serif hint
constexpr int kTextInset = 3;
constexpr int kJiggleLimit = 2;
constexpr std::int32_t kFadeStart = 5;
constexpr std::int32_t kSmallestFittedSize = 4;

// size × factor truncated toward zero, held inside the 32-bit range.
std::int32_t ScaleSize(std::int32_t size, double factor) {
    const double scaled = size * factor;
    if (scaled >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (scaled <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(scaled);
}

int Shift(int value, int by) {
    return static_cast<int>(std::clamp<std::int64_t>(
        std::int64_t{value} + by, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

BYTE FadeChannel(BYTE colour, BYTE background) {
    return static_cast<BYTE>((background + 4 * colour) / 5);
}

HGDIOBJ HollowBrush() {
    return GetStockObject(HOLLOW_BRUSH);
}

} // namespace

WordSprite::WordSprite(COLORREF colour) : Colour(colour), Pen(CountedCreatePen(PS_SOLID, 1, colour)) {}

WordSprite::~WordSprite() {
    DropFont();
}

void WordSprite::RemakePen() {
    Pen.Reset(CountedCreatePen(PS_SOLID, 1, Colour));
}

void WordSprite::DropFont() {
    if (Font != nullptr) {
        SharedFonts.Release(Font);
        Font = nullptr;
    }
}

bool WordSprite::MakeFont(CDrawBuffer& buffer) {
    DropFont();
    const int style = (Bold != 0 ? FontBold : 0) | (Italic != 0 ? FontItalic : 0);
    Font = buffer.ShareFont(FontSize, FaceName, style, kFontPitchAndFamily);
    return Font != nullptr;
}

void WordSprite::SetFaceName(const char* face) {
    const char* source = face != nullptr ? face : "";
    const std::size_t length = strnlen(source, kFaceNameSize - 1);
    std::memcpy(FaceName, source, length);
    FaceName[length] = '\0';
    DropFont();
}

void WordSprite::Tick(HWND /*window*/, CDrawBuffer& buffer, int animate) {
    --Lifespan; // the game gives lifespans of 0 or more and removes a sprite at -1
    if (Lifespan == kFadeStart && (State == SpriteNormal || State == SpriteJiggling)) {
        State = SpriteFading;
    }
    switch (State) {
    case SpriteFading: {
        const COLORREF back = buffer.BackColour;
        Colour = RGB(FadeChannel(GetRValue(Colour), GetRValue(back)),
                     FadeChannel(GetGValue(Colour), GetGValue(back)),
                     FadeChannel(GetBValue(Colour), GetBValue(back)));
        RemakePen();
        break;
    }
    case SpriteGrowing:
        Grow(buffer);
        break;
    case SpriteShrinking:
        DropFont();
        FontSize = ScaleSize(FontSize, 0.9);
        if (!MakeFont(buffer) || FontSize < 1) {
            State = SpriteHidden;
        }
        break;
    case SpriteBlinkItalic:
        if (animate != 0) {
            Italic = Italic != 0 ? 0 : 1;
            DropFont();
        }
        break;
    case SpriteBlinkBold:
        // Lifespan + 1 cannot overflow: it was just lowered.
        if (animate != 0 && (Lifespan + 1) / 2 != Lifespan / 2) {
            Bold = Bold != 0 ? 0 : 1;
            DropFont();
        }
        break;
    case SpriteJiggling:
    case SpriteJigglingSteady:
        if (animate != 0) {
            const std::int32_t dx = RandomRange(kJiggleLimit, -kJiggleLimit);
            const std::int32_t dy = RandomRange(kJiggleLimit, -kJiggleLimit);
            JiggleX = std::clamp(JiggleX + dx, -kJiggleLimit, kJiggleLimit);
            JiggleY = std::clamp(JiggleY + dy, -kJiggleLimit, kJiggleLimit);
        }
        break;
    default:
        break;
    }
}

void WordSprite::Grow(CDrawBuffer& buffer) {
    if (Font == nullptr && !MakeFont(buffer)) {
        State = SpriteHidden;
        return;
    }
    if (GrowthBasePoints <= 0) {
        // Measured once, at the size the word had when it was zapped. Text grows in proportion to its
        // size, so every later box is scaled from this one: measuring each new size would cost about
        // as much again as drawing it.
        GrowthBaseText = buffer.TextExtent(Text.Str(), Font);
        GrowthBasePoints = std::max(FontSize, 1);
    }
    if (GrowthBaseText.cx <= 0 || GrowthBaseText.cy <= 0) {
        State = SpriteHidden; // a text that cannot be measured cannot be shown growing either
        return;
    }
    const std::int64_t fieldWidth = buffer.BufferWidth;
    const std::int64_t fieldHeight = buffer.BufferHeight;
    // The text at a size, with 3 pixels on every side and a sixteenth to spare for rounding.
    const auto boxAt = [this](std::int32_t points) {
        const auto scale = [&](LONG extent) {
            const std::int64_t scaled = std::int64_t{extent} * points / GrowthBasePoints;
            return static_cast<LONG>(std::min<std::int64_t>(scaled + scaled / 16 + 2 + 2 * kTextInset,
                                                            std::numeric_limits<LONG>::max()));
        };
        return SIZE{scale(GrowthBaseText.cx), scale(GrowthBaseText.cy)};
    };
    const std::int32_t next = ScaleSize(FontSize, 1.1);
    SIZE box = boxAt(next);
    if (box.cx <= fieldWidth && box.cy <= fieldHeight) {
        DropFont();
        FontSize = next;
        if (!MakeFont(buffer)) {
            State = SpriteHidden;
            return;
        }
    } else {
        box = boxAt(FontSize); // the text would no longer fit the field whole: it keeps its size
    }
    // Centred on Rect, then moved (never cut) to lie inside the field as far as it fits.
    const auto place = [](LONG low, LONG high, LONG size, std::int64_t field) {
        const std::int64_t start = (std::int64_t{low} + high) / 2 - size / 2;
        return static_cast<LONG>(std::max<std::int64_t>(0, std::min<std::int64_t>(start, field - size)));
    };
    const LONG left = place(Rect.left, Rect.right, box.cx, fieldWidth);
    const LONG top = place(Rect.top, Rect.bottom, box.cy, fieldHeight);
    GrownRect = RECT{left, top, Shift(left, box.cx), Shift(top, box.cy)};
}

void WordSprite::SetText(const char* text) {
    Text.Empty();
    Text.Append(text);
    HasText = 1;
}

void WordSprite::Draw(CDrawBuffer& buffer) {
    if (HasText == 0 || (Rect.top == 0 && Rect.bottom == 0) || (Rect.left == 0 && Rect.right == 0)) {
        return;
    }
    if (IsGrown()) {
        // The grown text keeps its size: its box was fitted to it.
        TextRect = RECT{Shift(GrownRect.left, kTextInset), Shift(GrownRect.top, kTextInset),
                        Shift(GrownRect.right, -kTextInset), Shift(GrownRect.bottom, -kTextInset)};
        if (Font == nullptr) {
            MakeFont(buffer);
        }
        buffer.EraseBackground(&GrownRect);
    } else {
        TextRect = RECT{Shift(Rect.left, JiggleX + kTextInset), Shift(Rect.top, JiggleY + kTextInset),
                        Shift(Rect.right, JiggleX - kTextInset), Shift(Rect.bottom, JiggleY - kTextInset)};
        if (Font == nullptr) {
            FitFont(buffer);
        }
        buffer.EraseBackground(&Rect);
    }
    if (State != SpriteHidden) {
        RECT area = TextRect;
        buffer.DrawString(Text.Str(), area, Colour, buffer.BackColour, Font, TextFlags);
    }
    if (IsGrown()) {
        return; // the marks outline Rect, which the grown text no longer keeps to
    }
    if ((Marks & MarkFrame) != 0) {
        buffer.DrawRoundRect(Rect.top, Rect.left, Rect.bottom, Rect.right, Pen, HollowBrush());
    }
    if ((Marks & MarkDoubleFrame) != 0) {
        buffer.DrawRoundRect(TextRect.top, TextRect.left, TextRect.bottom, TextRect.right, Pen,
                             HollowBrush());
        buffer.DrawRoundRect(Shift(TextRect.top, kTextInset), Shift(TextRect.left, kTextInset),
                             Shift(TextRect.bottom, -kTextInset), Shift(TextRect.right, -kTextInset), Pen,
                             HollowBrush());
    }
    if ((Marks & MarkCross) != 0) {
        const int left = Shift(Rect.left, 1);
        const int top = Shift(Rect.top, 1);
        const int right = Shift(Rect.right, -1);
        const int bottom = Shift(Rect.bottom, -1);
        buffer.DrawLine(left, top, right, bottom, Pen);
        buffer.DrawLine(left, bottom, right, top, Pen);
    }
}

void WordSprite::FitFont(CDrawBuffer& buffer) {
    if (Font != nullptr || (TextRect.top == 0 && TextRect.bottom == 0) ||
        (TextRect.left == 0 && TextRect.right == 0)) {
        return;
    }
    MakeFont(buffer);
    const std::int64_t height = std::int64_t{TextRect.bottom} - TextRect.top;
    const std::int64_t width = std::int64_t{TextRect.right} - TextRect.left;
    // Each step lowers the size by at least one point, so the loop ends.
    while (FontSize > kSmallestFittedSize) {
        if (MeasureHeight(buffer) <= height && MeasureWidth(buffer) <= width) {
            return;
        }
        FontSize = ScaleSize(FontSize, 0.9);
        MakeFont(buffer);
    }
}

void WordSprite::FitToText(CDrawBuffer& buffer, int remake) {
    Rect = RECT{0, 0, 0, 0};
    if (remake != 0 && MakeFont(buffer)) {
        // The height is measured within the measured width: in a box still zero wide every blank
        // would start a new line.
        const int width = MeasureWidth(buffer);
        Rect.right = width;
        const int height = MeasureHeight(buffer);
        Rect = RECT{0, 0, Shift(width, 2 * kTextInset), Shift(height, 2 * kTextInset)};
    }
}

bool WordSprite::IsLive() const {
    return Live != 0;
}

bool WordSprite::IsExpired() const {
    return Lifespan < 0;
}

int WordSprite::MeasureHeight(CDrawBuffer& buffer) {
    RECT area = Rect;
    return buffer.MeasureText(Text.Str(), area, Font);
}

int WordSprite::MeasureWidth(CDrawBuffer& buffer) {
    return buffer.TextWidth(Text.Str(), Font);
}

void WordSprite::Place(int top, int left, int bottom, int right) {
    Rect = RECT{left, top, right, bottom};
    TextRect = Rect;
    GrownRect = RECT{0, 0, 0, 0};
    GrowthBasePoints = 0;
    if (HasText != 0) {
        DropFont();
    }
}
