#include "WindowFixture.h"

namespace {

const char* const kClassName = "LexiblastTestWindow";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

bool RegisterTestClass() {
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass) != 0;
    }();
    return registered;
}

RECT OuterRect(int width, int height) {
    RECT rect{0, 0, width, height};
    AdjustWindowRect(&rect, kStyle, FALSE);
    return rect;
}

} // namespace

void WindowTest::SetUp() {
    before_ = GdiCounts;
    ASSERT_TRUE(RegisterTestClass());
    const RECT outer = OuterRect(kClientWidth, kClientHeight);
    window = CreateWindowA(kClassName, "Lexiblast test", kStyle, 0, 0, outer.right - outer.left,
                           outer.bottom - outer.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
}

void WindowTest::TearDown() {
    if (window != nullptr) {
        DestroyWindow(window);
    }
    const GdiCallCounts& after = GdiCounts;
    EXPECT_EQ(after.GetDC - before_.GetDC, after.ReleaseDC - before_.ReleaseDC) << "window device contexts";
    EXPECT_EQ(after.CreateDC - before_.CreateDC, after.DeleteDC - before_.DeleteDC)
        << "memory device contexts";
    const auto made = [](const GdiCallCounts& n) {
        return n.CreateBMP + n.CreateBrush + n.CreateFont + n.CreatePen;
    };
    EXPECT_EQ(made(after) - made(before_), after.DeleteObject - before_.DeleteObject) << "graphics objects";
}

void WindowTest::SetClientSize(int width, int height) {
    const RECT outer = OuterRect(width, height);
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TestSurface::TestSurface(int width, int height, COLORREF fill) {
    const HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    previous_ = SelectObject(dc_, bitmap_);
    const HBRUSH brush = CreateSolidBrush(fill);
    const RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

TestSurface::~TestSurface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

int CountPixels(HDC dc, const RECT& area, const std::function<bool(COLORREF)>& test) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += test(GetPixel(dc, x, y)) ? 1 : 0;
        }
    }
    return count;
}

int CountPixelsOutside(HDC dc, const RECT& bounds, const RECT& hole,
                       const std::function<bool(COLORREF)>& test) {
    int count = 0;
    for (int y = bounds.top; y < bounds.bottom; ++y) {
        for (int x = bounds.left; x < bounds.right; ++x) {
            const POINT point{x, y};
            if (!PtInRect(&hole, point)) {
                count += test(GetPixel(dc, x, y)) ? 1 : 0;
            }
        }
    }
    return count;
}
