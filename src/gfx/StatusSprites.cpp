#include "gfx/StatusSprites.h"

#include "gfx/CDrawBuffer.h"
#include "gfx/Gdi.h"
#include "words/FormatNumbers.h"
#include "words/Platform.h"

#include <cstring>
#include <limits>

namespace {

void CopyTemplate(char (&to)[TemplateSprite::kTemplateSize], const char* from) {
    const std::size_t length = strnlen(from, TemplateSprite::kTemplateSize - 1);
    std::memcpy(to, from, length);
    to[length] = '\0';
}

} // namespace

TemplateSprite::TemplateSprite(COLORREF colour, const char* initialTemplate) : WordSprite(colour) {
    State = SpriteDisplay;
    CopyTemplate(Template, initialTemplate);
}

bool TemplateSprite::IsLive() const {
    return false;
}

bool TemplateSprite::IsExpired() const {
    return false;
}

void TemplateSprite::LoadTemplate(unsigned id) {
    char loaded[kTemplateSize];
    if (LoadStringText(id, loaded, kTemplateSize) > 0) {
        CopyTemplate(Template, loaded);
    }
}

CounterSprite::CounterSprite(COLORREF colour) : TemplateSprite(colour, "Score: %d") {}

void CounterSprite::Tick(HWND /*window*/, CDrawBuffer& /*buffer*/, int /*animate*/) {}

void CounterSprite::UpdateText() {
    FormatNumbers(Formatted, Template, &Value, 1);
    SetText(Formatted.Str());
}

ClockSprite::ClockSprite(COLORREF colour) : TemplateSprite(colour, "%02d:%02d:%d00") {}

void ClockSprite::Tick(HWND /*window*/, CDrawBuffer& /*buffer*/, int /*animate*/) {
    if (Value < std::numeric_limits<std::int32_t>::max()) {
        ++Value;
    }
    UpdateText();
}

void ClockSprite::UpdateText() {
    // A clock set back before zero shows a minus sign before the time of its size.
    const std::int64_t magnitude = Value < 0 ? -std::int64_t{Value} : std::int64_t{Value};
    const auto minutes = static_cast<std::int32_t>(magnitude / 600);
    const auto seconds = static_cast<std::int32_t>(magnitude % 600 / 10);
    const auto tenths = static_cast<std::int32_t>(magnitude % 10);
    const std::int32_t parts[3] = {minutes, seconds, tenths};
    FormatNumbers(Formatted, Template, parts, 3);
    SetText(Value < 0 ? "-" : "");
    Text.Append(Formatted);
}

DeadRectSprite::DeadRectSprite(COLORREF colour)
    : WordSprite(colour), HatchBrush(CountedCreateHatchBrush(HS_DIAGCROSS, colour)) {
    State = SpriteDeadBox;
}

void DeadRectSprite::Tick(HWND /*window*/, CDrawBuffer& /*buffer*/, int /*animate*/) {
    if (Ticks < std::numeric_limits<std::int32_t>::max()) {
        ++Ticks;
    }
}

void DeadRectSprite::Draw(CDrawBuffer& buffer) {
    if (HatchBrush != nullptr) {
        buffer.FillArea(TextRect, HatchBrush);
    }
    buffer.DrawRectangle(Rect.top, Rect.left, Rect.bottom, Rect.right, Pen, GetStockObject(HOLLOW_BRUSH));
}

bool DeadRectSprite::IsLive() const {
    return false;
}

bool DeadRectSprite::IsExpired() const {
    return false;
}
