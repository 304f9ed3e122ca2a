#include "WindowFixture.h"

namespace {

const char* const kClassName = "LexiblastTestWindow";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

SIZE OuterSize(int width, int height) {
    RECT rect{0, 0, width, height};
    AdjustWindowRect(&rect, kStyle, FALSE);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace

void WindowTest::SetUp() {
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
    window = CreateWindowA(kClassName, "Lexiblast test", kStyle, 0, 0, outer.cx, outer.cy, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
}

void WindowTest::TearDown() {
    DestroyWindow(window);
    const GdiCallCounts& now = GdiCounts;
    EXPECT_EQ(now.GetDC - before_.GetDC, now.ReleaseDC - before_.ReleaseDC) << "window device contexts";
    EXPECT_EQ(now.CreateDC - before_.CreateDC, now.DeleteDC - before_.DeleteDC) << "memory device contexts";
    const auto made = [](const GdiCallCounts& n) {
        return n.CreateBMP + n.CreateBrush + n.CreateFont + n.CreatePen;
    };
    EXPECT_EQ(made(now) - made(before_), now.DeleteObject - before_.DeleteObject) << "graphics objects";
}

void WindowTest::SetClientSize(int width, int height) {
    const SIZE outer = OuterSize(width, height);
    SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TestSurface::TestSurface(COLORREF fill) {
    const HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, kClientWidth, kClientHeight);
    ReleaseDC(nullptr, screen);
    previous_ = SelectObject(dc_, bitmap_);
    const HBRUSH brush = CreateSolidBrush(fill);
    const RECT all{0, 0, kClientWidth, kClientHeight};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

TestSurface::~TestSurface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

int CountPixels(HDC dc, const RECT& area, const std::function<bool(COLORREF)>& test, const RECT* hole) {
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
