#include "words/StringList.h"

#include "words/CText.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr std::int32_t kInitialCapacity = 128;
// Lists up to this size are scanned from the start; larger ones are bisected.
constexpr std::int32_t kLongestScannedList = 64;

} // namespace

StringList::StringList(bool ownsStrings) : OwnsStrings(ownsStrings) {
    Items = static_cast<const char**>(std::malloc(kInitialCapacity * sizeof(const char*)));
    Capacity = (Items != nullptr) ? kInitialCapacity : 0;
}

StringList::~StringList() {
    Clear();
    std::free(static_cast<void*>(Items));
}

bool StringList::Reserve() {
    if (Count + 1 < Capacity) {
        return true;
    }
    std::int64_t capacity = (Capacity > 0) ? Capacity : kInitialCapacity / 2;
    while (Count + 1 >= capacity) {
        capacity *= 2;
    }
    constexpr std::int64_t kLargest = std::min<std::int64_t>(
        std::numeric_limits<std::int32_t>::max(),
        static_cast<std::int64_t>(std::numeric_limits<std::size_t>::max() / sizeof(const char*)));
    if (capacity > kLargest) {
        return false;
    }
    void* grown =
        std::realloc(static_cast<void*>(Items), static_cast<std::size_t>(capacity) * sizeof(const char*));
    if (grown == nullptr) {
        return false;
    }
    Items = static_cast<const char**>(grown);
    Capacity = static_cast<std::int32_t>(capacity);
    return true;
}

int StringList::AppendCopyOrGrow(const char* text) {
    if (text == nullptr || !Reserve()) {
        return -1;
    }
    const char* stored = OwnsStrings ? DupString(text) : text;
    if (stored == nullptr) {
        return -1;
    }
    Items[Count] = stored;
    return Count++;
}

int StringList::Find(const char* text) const {
    if (text == nullptr) {
        return -1;
    }
    if (Count <= kLongestScannedList) {
        int i = 0;
        for (; i < Count; ++i) {
            const int order = CompareTextNoCase(Items[i], text);
            if (order == 0) {
                return i;
            }
            if (order > 0) {
                break;
            }
        }
        return -(i + 1);
    }
    int lo = 0;
    int hi = Count - 1;
    int mid = Count / 2;
    while (mid != lo) {
        const int order = CompareTextNoCase(Items[mid], text);
        if (order == 0) {
            return mid;
        }
        if (order < 0) {
            lo = mid;
        } else {
            hi = mid;
        }
        mid = lo + (hi - lo) / 2;
    }
    const int atLo = CompareTextNoCase(Items[lo], text);
    if (atLo == 0) {
        return lo;
    }
    if (atLo > 0) {
        return -(lo + 1);
    }
    const int atHi = CompareTextNoCase(Items[hi], text);
    if (atHi == 0) {
        return hi;
    }
    return (atHi > 0) ? -(hi + 1) : -(hi + 2);
}

const char* StringList::At(int index) const {
    return (index >= 0 && index < Count) ? Items[index] : nullptr;
}

void StringList::Clear() {
    if (OwnsStrings) {
        for (std::int32_t i = 0; i < Count; ++i) {
            std::free(const_cast<char*>(Items[i]));
        }
    }
    Count = 0;
}
