#pragma once

#include "gfx/CDrawBuffer.h"
#include "gfx/Gdi.h"
#include "support/ImportHook.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

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

    void SetUp() override {
        before_ = GdiCounts;
        static const bool registered = [] {
            WNDCLASSA windowClass{};
            windowClass.lpfnWndProc = DefWindowProcA;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.lpszClassName = kClassName;
            return RegisterClassA(&windowClass) != 0;
        }();
        ASSERT_TRUE(registered);
        const SIZE outer = OuterSize(kClientWidth, kClientHeight);
        window = CreateWindowA(kClassName, "Lexiblast test", kStyle, 0, 0, outer.cx, outer.cy, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
    }

    void TearDown() override {
        DestroyWindow(window);
        const GdiCallCounts& now = GdiCounts;
        EXPECT_EQ(now.GetDC - before_.GetDC, now.ReleaseDC - before_.ReleaseDC) << "window device contexts";
        EXPECT_EQ(now.CreateDC - before_.CreateDC, now.DeleteDC - before_.DeleteDC)
            << "memory device contexts";
        const auto made = [](const GdiCallCounts& n) {
            return n.CreateBMP + n.CreateBrush + n.CreateFont + n.CreatePen;
        };
        EXPECT_EQ(made(now) - made(before_), now.DeleteObject - before_.DeleteObject) << "graphics objects";
    }

    void SetClientSize(int width, int height) {
        const SIZE outer = OuterSize(width, height);
        SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

private:
    static constexpr const char* kClassName = "LexiblastTestWindow";
    static constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

    static SIZE OuterSize(int width, int height) {
        RECT rect{0, 0, width, height};
        AdjustWindowRect(&rect, kStyle, FALSE);
        return SIZE{rect.right - rect.left, rect.bottom - rect.top};
    }

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
    explicit TestSurface(COLORREF fill) {
        const HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, kClientWidth, kClientHeight);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
        const HBRUSH brush = CreateSolidBrush(fill);
        FillRect(dc_, &kClient, brush);
        DeleteObject(brush);
    }
    ~TestSurface() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

// Pixels of dc inside area, but not inside hole when one is given, for which test holds.
inline int CountPixels(HDC dc, const RECT& area, const std::function<bool(COLORREF)>& test,
                       const RECT* hole = nullptr) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (hole == nullptr || !PtInRect(hole, POINT{x, y})) {
                count += test(GetPixel(dc, x, y)) ? 1 : 0;
            }
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

// "left,top,right,bottom"
inline std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// The arguments of every CreateFontA call made while a FontSpy lives; the fonts are still made.
struct FontRequest {
    int Height, Width, Escapement, Orientation, Weight;
    DWORD Italic, Underline, StrikeOut, CharSet, OutPrecision, ClipPrecision, Quality, PitchAndFamily;
    std::string Face;
};

class FontSpy {
public:
    FontSpy() : hook_("gdi32.dll", "CreateFontA", Spy) {
        Requests().clear();
        Real() = hook_.Original();
    }
    bool Installed() const { return hook_.Installed(); }
    static std::vector<FontRequest>& Requests() {
        static std::vector<FontRequest> requests;
        return requests;
    }

private:
    using Create = HFONT(WINAPI*)(int, int, int, int, int, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD,
                                  DWORD, LPCSTR);
    static Create& Real() {
        static Create real = nullptr;
        return real;
    }
    static HFONT WINAPI Spy(int h, int w, int e, int o, int weight, DWORD i, DWORD u, DWORD s, DWORD cs,
                            DWORD op, DWORD cp, DWORD q, DWORD pf, LPCSTR face) {
        Requests().push_back(FontRequest{h, w, e, o, weight, i, u, s, cs, op, cp, q, pf, face ? face : ""});
        return Real()(h, w, e, o, weight, i, u, s, cs, op, cp, q, pf, face);
    }
    ImportHook<Create> hook_;
};
