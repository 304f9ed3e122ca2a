#pragma once

#include "gfx/CDrawBuffer.h"
#include "gfx/Gdi.h"
#include "support/ImportHook.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

inline constexpr int kClientWidth = 320, kClientHeight = 240;
inline constexpr RECT kClient{0, 0, kClientWidth, kClientHeight};
inline constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0),
                          kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

// A test with a real window of a known client size; afterwards every counted graphics object is freed.
class WindowTest : public ::testing::Test {
protected:
    HWND window = nullptr;

    void SetUp() override {
        before_ = GdiCounts;
        static const bool registered = [] {
            WNDCLASSA windowClass{};
            windowClass.lpfnWndProc = DefWindowProcA;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.lpszClassName = "LexiblastTestWindow";
            return RegisterClassA(&windowClass) != 0;
        }();
        ASSERT_TRUE(registered);
        window = CreateWindowA("LexiblastTestWindow", "Lexiblast test", WS_POPUP, 0, 0, kClientWidth,
                               kClientHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        DestroyWindow(window);
        const GdiCallCounts& now = GdiCounts;
        EXPECT_EQ(now.GetDC - before_.GetDC, now.ReleaseDC - before_.ReleaseDC) << "window device contexts";
        EXPECT_EQ(now.CreateDC - before_.CreateDC, now.DeleteDC - before_.DeleteDC) << "memory contexts";
        const auto made = [](const GdiCallCounts& n) {
            return n.CreateBMP + n.CreateBrush + n.CreateFont + n.CreatePen;
        };
        EXPECT_EQ(made(now) - made(before_), now.DeleteObject - before_.DeleteObject) << "graphics objects";
    }
    // A client-sized surface of one colour, to stand for a device context the platform supplies.
    std::unique_ptr<CDrawBuffer> Surface(COLORREF fill) {
        auto surface = std::make_unique<CDrawBuffer>();
        surface->SetBackgroundColour(fill);
        surface->Resize(window, kClientWidth, kClientHeight);
        surface->EraseBackground(nullptr);
        return surface;
    }

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

// Pixels of dc inside area, but not inside hole when one is given, for which test holds.
inline int CountPixels(HDC dc, const RECT& area, const std::function<bool(COLORREF)>& test,
                       const RECT* hole = nullptr) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += (hole == nullptr || !PtInRect(hole, POINT{x, y})) && test(GetPixel(dc, x, y)) ? 1 : 0;
        }
    }
    return count;
}
inline std::function<bool(COLORREF)> Is(COLORREF colour) {
    return [colour](COLORREF c) { return c == colour; };
}
inline std::function<bool(COLORREF)> Not(COLORREF colour) {
    return [colour](COLORREF c) { return c != colour; };
}

// What the platform reports of a graphics object (LOGPEN, LOGFONTA, LOGBRUSH, BITMAP); zeros if nothing.
template <typename Info>
Info Described(HGDIOBJ object) {
    Info info{};
    GetObjectA(object, sizeof info, &info);
    return info;
}
__attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2))) inline std::string Format(const char* format, ...) {
    char line[256];
    va_list values;
    va_start(values, format);
    std::vsnprintf(line, sizeof line, format, values);
    va_end(values);
    return line;
}
// "left,top,right,bottom"
inline std::string Text(const RECT& r) {
    return Format("%ld,%ld,%ld,%ld", r.left, r.top, r.right, r.bottom);
}
