#pragma once

#include <cstdint>

// <windows.h> turns LoadString into its own LoadStringA; the text's operation keeps its name, so
// that every file declares and calls the same member whatever it included first.
#ifdef LoadString
#undef LoadString
#endif

// The program's growable 8-bit text: a zero-terminated buffer that knows its length and its size.
// The buffer only ever grows by doubling. When memory runs out the text is left without a buffer
// (Allocated and Length 0, Chars null); every operation then reads as empty and writes nothing,
// except the growing ones, which try to allocate again.
class CText {
public:
    std::int32_t Allocated = 0;
    std::int32_t Length = 0;
    char* Chars = nullptr;

    CText();
    explicit CText(const char* text);
    // Text number id of the program's string table.
    explicit CText(unsigned id);
    ~CText();

    CText(const CText&) = delete;
    CText& operator=(const CText&) = delete;

    // Loads string-table text number id; a missing id gives an empty text.
    void LoadString(unsigned id);

    // The text as a C string: "" when there is no buffer, never null.
    const char* Str() const { return Chars != nullptr ? Chars : ""; }

    void Empty();
    char At(int index) const;
    void Append(const CText& other);
    void Append(const char* text);
    void Append(const char* text, int length);
    void AppendChar(char c);
    void MakeLower();

private:
    // Doubles the buffer until it holds more than `needed` bytes; false when that cannot be done.
    bool GrowBeyond(std::int64_t needed);
    void Allocate(std::int32_t size);
    void Drop();
};

// Where CText::LoadString gets its texts. By default the program's own string table
// (LoadStringText); SetStringSource(nullptr) restores that default.
using StringSource = int (*)(unsigned id, char* buffer, int size);
void SetStringSource(StringSource source);

// A new heap copy of text with its terminator, released with std::free; null for a null text or
// when memory runs out.
char* DupString(const char* text);

// A to Z as a to z; every other byte as it is, unsigned.
inline unsigned char FoldCase(char c) {
    return static_cast<unsigned char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
}

// The comparison of the dictionary's lookups, negative, zero or positive like strcmp: A to Z
// compare as a to z, other bytes unsigned, and a space in either string matches any one character
// at the same position (but not the end of the other string).
inline int CompareTextNoCase(const char* a, const char* b) {
    for (;; ++a, ++b) {
        const unsigned char ca = FoldCase(*a);
        const unsigned char cb = FoldCase(*b);
        if (ca != cb && (ca == 0 || cb == 0 || (ca != ' ' && cb != ' '))) {
            return ca - cb;
        }
        if (ca == 0) {
            return 0;
        }
    }
}

// The order the dictionary keeps its words in, for sorting: the comparison above without the
// space wildcard. Words that CompareTextNoCase takes as equal stand side by side, so a lookup
// always agrees with the order it searches.
inline bool WordOrderLess(const char* a, const char* b) {
    // Equal bytes are equal folded too: a sorted list's neighbours share long beginnings.
    while (*a == *b && *a != '\0') {
        ++a;
        ++b;
    }
    for (;; ++a, ++b) {
        const unsigned char ca = FoldCase(*a);
        const unsigned char cb = FoldCase(*b);
        if (ca != cb || ca == 0) {
            return ca < cb;
        }
    }
}
