#pragma once

// The visible window the drawing benchmarks draw into, and the message pump between their passes.

#include <windows.h>

// A shown window with a client area of width x height, titled title; null when it cannot be made.
inline HWND MakeBenchWindow(const char* title, int width, int height) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "LexiblastBench";
    RegisterClassA(&windowClass); // a second benchmark in the same process finds it registered
    RECT outer{0, 0, width, height};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
    const HWND window =
        CreateWindowA(windowClass.lpszClassName, title, WS_OVERLAPPEDWINDOW, 0, 0, outer.right - outer.left,
                      outer.bottom - outer.top, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window != nullptr) {
        ShowWindow(window, SW_SHOWNOACTIVATE);
        UpdateWindow(window);
    }
    return window;
}

// Lets the window handle what the system sent it (painting, sizing) between timed passes.
inline void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}
