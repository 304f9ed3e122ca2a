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
    // The word supply writes a line for every word it is asked for, which on a full field is every
    // tick, and a debugger line costs about 0.2 ms under Wine even with no debugger listening: only
    // debugging builds write them.
#ifdef NDEBUG
    (void)line;
#else
    if (line != nullptr) {
        OutputDebugStringA(line);
    }
#endif
}
