#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

// Every device context, bitmap, brush, pen and font of the program is made and freed through the
// wrappers below, which count their calls so that the leak report at exit can set the creations
// beside the releases. The counters are plain integers: only the window's thread draws.
struct GdiCallCounts {
    std::uint32_t GetDC = 0;
    std::uint32_t ReleaseDC = 0;
    std::uint32_t CreateDC = 0;
    std::uint32_t DeleteDC = 0;
    std::uint32_t CreateBMP = 0;
    std::uint32_t CreateBrush = 0;
    std::uint32_t CreateFont = 0;
    std::uint32_t CreatePen = 0;
    std::uint32_t DeleteObject = 0;
    std::uint32_t LoadBitmap = 0; // the program loads no bitmaps
    std::uint32_t CreateCompatibleBitmap = 0;
    std::uint32_t SolidBrush = 0;   // solid and hatched brushes
    std::uint32_t PatternBrush = 0; // the program makes no pattern brushes
    std::uint32_t IndirectBrush = 0;
};

extern GdiCallCounts GdiCounts;

// Each wrapper counts, forwards to the platform function of the same name and returns its result
// unchanged; none checks its arguments or the result.
HDC CountedGetDC(HWND window);
int CountedReleaseDC(HWND window, HDC dc);
HDC CountedCreateCompatibleDC(HDC dc);
BOOL CountedDeleteDC(HDC dc);
HBITMAP CountedCreateCompatibleBitmap(HDC dc, int width, int height);
HBRUSH CountedCreateSolidBrush(COLORREF colour);
HBRUSH CountedCreateBrushIndirect(const LOGBRUSH* description);
HBRUSH CountedCreateHatchBrush(int style, COLORREF colour);
HFONT CountedCreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                        DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                        DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName);
HPEN CountedCreatePen(int style, int width, COLORREF colour);
BOOL CountedDeleteObject(HGDIOBJ object);

// Writes the five lines of creations against releases to the debug output.
void ReportLeaks();

// Frees what a holder owns: a memory device context through CountedDeleteDC, any other object
// through CountedDeleteObject.
inline void FreeGdiHandle(HDC dc) {
    CountedDeleteDC(dc);
}
inline void FreeGdiHandle(HGDIOBJ object) {
    CountedDeleteObject(object);
}

// Owns one pen, brush, font, bitmap or memory device context and frees it through the counted
// wrappers. It reads as the handle it holds, so that it can be passed wherever the handle goes.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }

    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    operator Handle() const { return handle_; }

    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr && handle_ != handle) {
            FreeGdiHandle(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

// A window's device context for the length of a scope, released through CountedReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(CountedGetDC(window)) {}
    ~WindowDC() {
        if (dc_ != nullptr) {
            CountedReleaseDC(window_, dc_);
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a device context for the length of a scope and then selects the previous
// one back. A null object selects nothing.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
