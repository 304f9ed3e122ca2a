#include "words/Platform.h"

// Without a resource section there is no string table: every text is missing.
int LoadStringText(unsigned /*id*/, char* buffer, int size) {
    if (buffer != nullptr && size > 0) {
        buffer[0] = '\0';
    }
    return 0;
}

// Without a debugger the lines have nowhere to go.
void DebugLine(const char* /*line*/) {}
