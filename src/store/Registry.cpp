#include "store/Registry.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// An open registry key, closed when it goes out of scope.
class OpenKey {
public:
    OpenKey() = default;
    ~OpenKey() {
        if (Handle != nullptr) {
            RegCloseKey(Handle);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    bool OpenForReading(HKEY root, const char* path) {
        HKEY opened = nullptr;
        if (RegOpenKeyExA(root, path, 0, KEY_READ, &opened) != ERROR_SUCCESS) {
            return false;
        }
        Handle = opened;
        return true;
    }
    bool CreateForWriting(HKEY root, const char* path) {
        char noClass[] = "";
        HKEY created = nullptr;
        if (RegCreateKeyExA(root, path, 0, noClass, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &created,
                            nullptr) != ERROR_SUCCESS) {
            return false;
        }
        Handle = created;
        return true;
    }
    // The value's type, or REG_NONE when it cannot be asked for.
    DWORD TypeOf(const char* name) const {
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegQueryValueExA(Handle, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
            return REG_NONE;
        }
        return type;
    }

    HKEY Handle = nullptr;
};

} // namespace

std::int32_t ReadRegDword(HKEY root, const char* path, const char* name, std::int32_t fallback) {
    OpenKey key;
    if (!key.OpenForReading(root, path) || key.TypeOf(name) != REG_DWORD) {
        return fallback;
    }
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key.Handle, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value) {
        return fallback;
    }
    return static_cast<std::int32_t>(value);
}

bool WriteRegDword(HKEY root, const char* path, const char* name, std::int32_t value) {
    OpenKey key;
    if (!key.CreateForWriting(root, path)) {
        return false;
    }
    const auto data = static_cast<DWORD>(value);
    return RegSetValueExA(key.Handle, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof data) == ERROR_SUCCESS;
}

bool ReadRegString(HKEY root, const char* path, const char* name, char* buffer, DWORD size) {
    if (buffer == nullptr || size == 0) {
        return false; // not even the terminating zero would fit
    }
    buffer[0] = '\0';
    OpenKey key;
    if (!key.OpenForReading(root, path) || key.TypeOf(name) != REG_SZ) {
        return false;
    }
    DWORD type = REG_NONE;
    DWORD length = size;
    if (RegQueryValueExA(key.Handle, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &length) !=
            ERROR_SUCCESS ||
        type != REG_SZ || length > size) {
        buffer[0] = '\0';
        return false;
    }
    // The registry keeps whatever bytes were written: the zero may be missing.
    if (length > 0 && buffer[length - 1] != '\0') {
        if (length == size) {
            buffer[0] = '\0'; // a full buffer and no room left for the zero: too long
            return false;
        }
        buffer[length] = '\0';
    }
    return true;
}

bool ReadRegStringCut(HKEY root, const char* path, const char* name, char* buffer, DWORD size) {
    if (buffer == nullptr || size == 0) {
        return false;
    }
    buffer[0] = '\0';
    OpenKey key;
    if (!key.OpenForReading(root, path)) {
        return false;
    }
    DWORD type = REG_NONE;
    DWORD length = 0;
    if (RegQueryValueExA(key.Handle, name, nullptr, &type, nullptr, &length) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return false;
    }
    // The whole text first (one byte more for a missing zero), then as much of it as fits.
    std::vector<char> text(std::size_t{length} + 1, '\0');
    if (RegQueryValueExA(key.Handle, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &length) !=
            ERROR_SUCCESS ||
        type != REG_SZ || length >= text.size()) {
        return false;
    }
    const std::size_t kept = strnlen(text.data(), std::min<std::size_t>(length, size - 1));
    std::memcpy(buffer, text.data(), kept);
    buffer[kept] = '\0';
    return true;
}

bool WriteRegString(HKEY root, const char* path, const char* name, const char* text) {
    if (text == nullptr) {
        return false;
    }
    const std::size_t length = std::strlen(text);
    if (length >= MAXDWORD) {
        return false;
    }
    OpenKey key;
    if (!key.CreateForWriting(root, path)) {
        return false;
    }
    return RegSetValueExA(key.Handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(length + 1)) == ERROR_SUCCESS;
}
