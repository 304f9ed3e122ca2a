#pragma once

#include "gfx/CDrawBuffer.h"
#include "gfx/Gdi.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

// The client size of the test window.
inline constexpr int kClientWidth = 320;
inline constexpr int kClientHeight = 240;
inline constexpr RECT kClient{0, 0, kClientWidth, kClientHeight};

inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kGreen = RGB(0, 255, 0);
inline constexpr COLORREF kBlue = RGB(0, 0, 255);

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

// A window test with a drawing buffer, freed before the counters are checked.
class BufferTest : public WindowTest {
protected:
    std::unique_ptr<CDrawBuffer> buffer = std::make_unique<CDrawBuffer>();

    void TearDown() override {
        buffer.reset();
        WindowTest::TearDown();
    }
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

inline std::function<bool(COLORREF)> Is(COLORREF colour) {
    return [colour](COLORREF c) { return c == colour; };
}
inline std::function<bool(COLORREF)> Not(COLORREF colour) {
    return [colour](COLORREF c) { return c != colour; };
}

// "left,top,right,bottom"
inline std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}
