#include "gfx/StatusSprites.h"

#include "gfx/CDrawBuffer.h"
#include "gfx/Gdi.h"
#include "words/Platform.h"

#include <cstring>
#include <limits>

namespace {

constexpr int kWidestField = 64;

void CopyTemplate(char (&to)[TemplateSprite::kTemplateSize], const char* from) {
    const std::size_t length = strnlen(from, TemplateSprite::kTemplateSize - 1);
    std::memcpy(to, from, length);
    to[length] = '\0';
}

void AppendRepeated(CText& out, char c, int times) {
    for (int i = 0; i < times; ++i) {
        out.AppendChar(c);
    }
}

void AppendNumber(CText& out, std::int32_t value, bool leftAlign, bool zeroPad, bool plus, bool space,
                  int width) {
    char digits[12];
    int count = 0;
    std::int64_t magnitude = value < 0 ? -std::int64_t{value} : std::int64_t{value};
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const char sign = value < 0 ? '-' : plus ? '+' : space ? ' ' : '\0';
    const int used = count + (sign != '\0' ? 1 : 0);
    const int padding = width > used ? width - used : 0;
    if (!leftAlign && !zeroPad) {
        AppendRepeated(out, ' ', padding);
    }
    if (sign != '\0') {
        out.AppendChar(sign);
    }
    if (!leftAlign && zeroPad) {
        AppendRepeated(out, '0', padding);
    }
    while (count > 0) {
        out.AppendChar(digits[--count]);
    }
    if (leftAlign) {
        AppendRepeated(out, ' ', padding);
    }
}

} // namespace

void FormatNumbers(CText& out, const char* format, const std::int32_t* values, int count) {
    out.Empty();
    if (format == nullptr) {
        return;
    }
    int next = 0;
    std::size_t i = 0;
    while (format[i] != '\0') {
        if (format[i] != '%') {
            out.AppendChar(format[i++]);
            continue;
        }
        const std::size_t start = i++;
        if (format[i] == '%') {
            out.AppendChar('%');
            ++i;
            continue;
        }
        bool leftAlign = false, zeroPad = false, plus = false, space = false;
        for (;; ++i) {
            const char c = format[i];
            if (c == '-') {
                leftAlign = true;
            } else if (c == '0') {
                zeroPad = true;
            } else if (c == '+') {
                plus = true;
            } else if (c == ' ') {
                space = true;
            } else {
                break;
            }
        }
        int width = 0;
        while (format[i] >= '0' && format[i] <= '9') {
            width = width * 10 + (format[i++] - '0');
            if (width > kWidestField) {
                width = kWidestField;
            }
        }
        if (format[i] != 'd' && format[i] != 'i') {
            out.Append(format + start, static_cast<int>(i - start));
            continue; // the character that ended it is copied on its own
        }
        ++i;
        const std::int32_t value = (values != nullptr && next < count) ? values[next] : 0;
        ++next;
        AppendNumber(out, value, leftAlign, zeroPad, plus, space, width);
    }
}

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
    SetText(Formatted.Chars);
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
