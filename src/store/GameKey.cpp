#include "store/GameKey.h"

#include "store/Registry.h"

#include <cstring>

namespace {

char CurrentKey[kGameKeySize] = "Software\\Quillmoor\\Lexiblast\\Generic";
static_assert(sizeof kGenericGameKey <= kGameKeySize);

} // namespace

bool SetGameKey(const char* key) {
    if (key == nullptr) {
        return false;
    }
    const std::size_t length = strnlen(key, kGameKeySize);
    if (length >= kGameKeySize) {
        return false;
    }
    std::memcpy(CurrentKey, key, length + 1);
    return true;
}

const char* GameKey() {
    return CurrentKey;
}
