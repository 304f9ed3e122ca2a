#include "words/CText.h"

#include "words/Platform.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr std::int32_t kInitialSize = 32;
constexpr std::int32_t kStringTableSize = 256;
// A string-table entry holds at most 65,535 characters, so a longer buffer can never be needed.
constexpr std::int32_t kLargestStringTableText = 65536;

StringSource gStringSource = nullptr;

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

void SetStringSource(StringSource source) {
    gStringSource = source;
}

CText::CText() {
    Allocate(kInitialSize);
}

CText::CText(const char* text) {
    const std::size_t length = (text != nullptr) ? std::strlen(text) : 0;
    if (length >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        Allocate(kInitialSize);
        return;
    }
    const auto n = static_cast<std::int32_t>(length);
    Allocate(n + 1 > kInitialSize ? n + 1 : kInitialSize);
    if (Chars != nullptr) {
        std::memcpy(Chars, text != nullptr ? text : "", length + 1);
        Length = n;
    }
}

CText::CText(unsigned id) {
    Allocate(kStringTableSize);
    LoadString(id);
}

CText::~CText() {
    std::free(Chars);
}

void CText::Allocate(std::int32_t size) {
    Chars = static_cast<char*>(std::calloc(static_cast<std::size_t>(size), 1));
    Allocated = (Chars != nullptr) ? size : 0;
    Length = 0;
}

void CText::Drop() {
    std::free(Chars);
    Chars = nullptr;
    Allocated = 0;
    Length = 0;
}

bool CText::GrowBeyond(std::int64_t needed) {
    if (Chars == nullptr) {
        Allocate(kInitialSize);
        if (Chars == nullptr) {
            return false;
        }
    }
    std::int64_t size = Allocated;
    while (size <= needed) {
        size *= 2;
    }
    if (size == Allocated) {
        return true;
    }
    if (size > std::numeric_limits<std::int32_t>::max()) {
        return false; // the text stays as it is
    }
    char* grown = static_cast<char*>(std::realloc(Chars, static_cast<std::size_t>(size)));
    if (grown == nullptr) {
        Drop();
        return false;
    }
    Chars = grown;
    Allocated = static_cast<std::int32_t>(size);
    return true;
}

void CText::LoadString(unsigned id) {
    if (Chars == nullptr && !GrowBeyond(kStringTableSize - 1)) {
        return;
    }
    const StringSource source = (gStringSource != nullptr) ? gStringSource : LoadStringText;
    for (;;) {
        int copied = source(id, Chars, Allocated);
        if (copied < 0 || copied >= Allocated) {
            copied = 0; // a source that breaks its contract gives nothing
        }
        Length = copied;
        Chars[Length] = '\0';
        // A text that filled the buffer may have been cut off: load it again into a larger one.
        if (Allocated != Length + 1 || Allocated >= kLargestStringTableText) {
            return;
        }
        if (!GrowBeyond(Allocated)) {
            return;
        }
    }
}

void CText::Empty() {
    if (Chars != nullptr) {
        Length = 0;
        Chars[0] = '\0';
    }
}

char CText::At(int index) const {
    return (index >= 0 && index < Length) ? Chars[index] : '\0';
}

void CText::Append(const CText& other) {
    if (other.Chars != nullptr) {
        Append(other.Chars, other.Length);
    }
}

void CText::Append(const char* text) {
    if (text == nullptr) {
        return;
    }
    const std::size_t n = std::strlen(text);
    if (n < static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        Append(text, static_cast<int>(n));
    }
}

void CText::Append(const char* text, int length) {
    if (text == nullptr || length < 0) {
        return;
    }
    // The added text may lie in this very buffer, which moves when it grows.
    const auto address = reinterpret_cast<std::uintptr_t>(text);
    const auto begin = reinterpret_cast<std::uintptr_t>(Chars);
    const bool inside = Chars != nullptr && address >= begin && address - begin < std::uintptr_t(Allocated);
    const std::size_t offset = inside ? address - begin : 0;
    if (!GrowBeyond(static_cast<std::int64_t>(Length) + length)) {
        return;
    }
    std::memmove(Chars + Length, inside ? Chars + offset : text, static_cast<std::size_t>(length));
    Length += length;
    Chars[Length] = '\0';
}

void CText::AppendChar(char c) {
    if (!GrowBeyond(static_cast<std::int64_t>(Length) + 1)) {
        return;
    }
    Chars[Length] = c;
    ++Length;
    Chars[Length] = '\0';
}

void CText::MakeLower() {
    for (std::int32_t i = 0; i < Length; ++i) {
        Chars[i] = LowerAscii(Chars[i]);
    }
}

char* DupString(const char* text) {
    if (text == nullptr) {
        return nullptr;
    }
    const std::size_t size = std::strlen(text) + 1;
    char* copy = static_cast<char*>(std::malloc(size));
    if (copy != nullptr) {
        std::memcpy(copy, text, size);
    }
    return copy;
}
