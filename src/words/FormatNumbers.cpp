#include "words/FormatNumbers.h"

#include <cstddef>

namespace {

constexpr int kWidestField = 64;

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
