#pragma once

#include "gfx/Gdi.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

// The client size of the test window.
inline constexpr int kClientWidth = 320;
inline constexpr int kClientHeight = 240;
inline constexpr RECT kClient{0, 0, kClientWidth, kClientHeight};

// A test with a real window of a known client size. After every test each kind of graphics object
// made through the counted wrappers has been freed again.
class WindowTest : public ::testing::Test {
protected:
    HWND window = nullptr;

    void SetUp() override;
    void TearDown() override;
    void SetClientSize(int width, int height);

private:
    GdiCallCounts before_{};
};

// A bitmap filled with one colour in a memory device context, made with uncounted platform calls.
class TestSurface {
public:
    explicit TestSurface(COLORREF fill);
    ~TestSurface();
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

// Pixels of dc inside area, but not inside hole when one is given, for which test holds.
int CountPixels(HDC dc, const RECT& area, const std::function<bool(COLORREF)>& test,
                const RECT* hole = nullptr);
