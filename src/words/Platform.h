#pragma once

// The two platform services the word supply needs. Platform_win32.cpp forwards them to the system;
// Platform_native.cpp stands in where there is no string table and no debugger output.

// Copies string-table text number id into buffer (at most size - 1 characters and a terminating
// zero) and returns the number of characters copied; 0 when there is no such text.
int LoadStringText(unsigned id, char* buffer, int size);

// Writes one line to the debugger output (the caller supplies the line end); release builds write
// nothing.
void DebugLine(const char* line);
