#include "words/Platform.h"

#include <windows.h>

int LoadStringText(unsigned id, char* buffer, int size) {
    // A size of 0 would ask LoadStringA for a pointer into the resource instead of a copy.
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    return LoadStringA(GetModuleHandleA(nullptr), id, buffer, size);
}

void DebugLine(const char* line) {
    if (line != nullptr) {
        OutputDebugStringA(line);
    }
}
