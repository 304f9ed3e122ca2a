#pragma once

#include <windows.h>

// A structured (hardware) exception, such as an access violation or an integer division by zero,
// with the platform's exception code.
class CSEHException {
public:
    explicit CSEHException(DWORD code) : Code(code) {}

    DWORD Code;

    // The line the debug output shows for it, cut to fit size bytes.
    void Describe(char* buffer, int size) const;
};

// The debug output: one zero-terminated line at a time. By default lines are discarded, except in a
// debugging build (no NDEBUG), where they go to the debugger output. SetDebugSink(nullptr) restores
// that default.
using DebugSink = void (*)(const char* line);
void SetDebugSink(DebugSink sink);
void DebugOutput(const char* line);

// The first thing the program does: from now on a structured exception that nothing handles is
// reported with its code on the debug output before the process ends, and the banner line of the
// debug output is written.
void StartDebugOutput();

// The caption of the program's error boxes.
inline constexpr char kErrorBoxCaption[] = "Quillmoor Software";

// Shows the platform's text for the calling thread's last error in a message box without owner.
void ShowLastError();
