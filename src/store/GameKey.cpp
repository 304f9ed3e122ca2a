#include "store/GameKey.h"

#include "store/Registry.h"

#include <cstring>

namespace {

// The key of the current game family, kGenericGameKey until a game sets another.
struct KeyText {
    static_assert(sizeof kGenericGameKey <= kGameKeySize);
    char Text[kGameKeySize] = {};
    KeyText() { std::memcpy(Text, kGenericGameKey, sizeof kGenericGameKey); }
};

char* CurrentKey() {
    static KeyText key;
    return key.Text;
}

} // namespace

bool SetGameKey(const char* key) {
    if (key == nullptr) {
        return false;
    }
    const std::size_t length = strnlen(key, kGameKeySize);
    if (length >= kGameKeySize) {
        return false;
    }
    std::memcpy(CurrentKey(), key, length + 1);
    return true;
}

const char* GameKey() {
    return CurrentKey();
}
