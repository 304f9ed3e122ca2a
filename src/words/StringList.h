#pragma once

#include <cstdint>

// A growable array of zero-terminated strings. By default the list keeps its own heap copy of each
// string (DupString) and frees them on Clear and destruction; a list made with ownsStrings false
// keeps the caller's pointers and frees nothing.
//
// Find treats the list as sorted in WordOrderLess order and compares with CompareTextNoCase (case
// ignored, a space matches any character): lists of up to 64 strings are scanned from the start,
// longer ones are searched by bisection.
class StringList {
public:
    const char** Items = nullptr;
    std::int32_t Count = 0;
    std::int32_t Capacity = 0;
    bool OwnsStrings = true;

    explicit StringList(bool ownsStrings = true);
    virtual ~StringList();

    StringList(const StringList&) = delete;
    StringList& operator=(const StringList&) = delete;

    // Index of the new entry, or -1 when memory runs out.
    int Append(const char* text) {
        if (!OwnsStrings && text != nullptr && Count + 1 < Capacity) {
            Items[Count] = text;
            return Count++;
        }
        return AppendCopyOrGrow(text);
    }
    // Index of an equal entry, or -(p + 1) where p is the place text would be inserted.
    int Find(const char* text) const;
    // The stored pointer, or null outside 0 ... Count - 1.
    const char* At(int index) const;
    void Clear();

private:
    int AppendCopyOrGrow(const char* text);
    // Makes room for one more entry.
    bool Reserve();
};
