#include "gfx/Diagnostics.h"

#include <cstdio>
#include <cstring>

namespace {

void DebuggerSink(const char* line) {
#ifdef NDEBUG
    (void)line;
#else
    OutputDebugStringA(line);
    const std::size_t length = std::strlen(line);
    if (length == 0 || line[length - 1] != '\n') {
        OutputDebugStringA("\n");
    }
#endif
}

DebugSink gSink = nullptr;
bool gFilterInstalled = false;
LPTOP_LEVEL_EXCEPTION_FILTER gPreviousFilter = nullptr;

bool IsHardwareException(DWORD code) {
    // Error severity: access violations, divisions by zero, stack overflows and the like. The C++
    // runtime's own exceptions carry other codes.
    return (code & 0xF0000000u) == 0xC0000000u;
}

// GCC cannot turn a structured exception into a thrown C++ exception as a compiler-installed
// translator would; the nearest it supports is this last-chance filter. It reports the exception as
// a CSEHException and leaves the ending of the process to the platform.
LONG WINAPI ReportUnhandledException(EXCEPTION_POINTERS* info) {
    if (info != nullptr && info->ExceptionRecord != nullptr &&
        IsHardwareException(info->ExceptionRecord->ExceptionCode)) {
        const CSEHException exception(info->ExceptionRecord->ExceptionCode);
        char line[64];
        exception.Describe(line, sizeof line);
        DebugOutput(line);
    }
    return gPreviousFilter != nullptr ? gPreviousFilter(info) : EXCEPTION_CONTINUE_SEARCH;
}

} // namespace

void CSEHException::Describe(char* buffer, int size) const {
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<std::size_t>(size), "Structured exception 0x%08lX",
                      static_cast<unsigned long>(Code));
    }
}

void SetDebugSink(DebugSink sink) {
    gSink = sink;
}

void DebugOutput(const char* line) {
    if (line != nullptr) {
        (gSink != nullptr ? gSink : DebuggerSink)(line);
    }
}

void StartDebugOutput() {
    if (!gFilterInstalled) {
        gPreviousFilter = SetUnhandledExceptionFilter(ReportUnhandledException);
        gFilterInstalled = true;
    }
    DebugOutput("--- This is the beginning of the debug output system ---");
}

void ShowLastError() {
    const DWORD error = GetLastError();
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0, nullptr);
    // An error without a system text is shown by its number.
    char number[16];
    std::snprintf(number, sizeof number, "%lu", static_cast<unsigned long>(error));
    MessageBoxA(nullptr, (length > 0 && text != nullptr) ? text : number, kErrorBoxCaption,
                MB_OK | MB_ICONINFORMATION);
    if (text != nullptr) {
        LocalFree(text);
    }
}
