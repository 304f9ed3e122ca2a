#pragma once

#include "gfx/Gdi.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

// A test with a real window of a known client size. After every test each kind of graphics object
// made through the counted wrappers has been freed again.
class WindowTest : public ::testing::Test {
protected:
    static constexpr int kClientWidth = 320;
    static constexpr int kClientHeight = 240;

    HWND window = nullptr;

    void SetUp() override;
    void TearDown() override;

    // Gives the window a client area of this size.
    void SetClientSize(int width, int height);

private:
    GdiCallCounts before_{};
};

// A bitmap in a memory device context made with the platform's own calls (not counted), to draw
// into or copy to and read back.
class TestSurface {
public:
    TestSurface(int width, int height, COLORREF fill);
    ~TestSurface();
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

// Pixels of dc inside area for which test holds.
int CountPixels(HDC dc, const RECT& area, const std::function<bool(COLORREF)>& test);
// Pixels of dc inside bounds but outside hole for which test holds.
int CountPixelsOutside(HDC dc, const RECT& bounds, const RECT& hole,
                       const std::function<bool(COLORREF)>& test);
