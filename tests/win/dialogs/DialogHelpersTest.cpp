#include "DialogTest.h"

namespace {

// Dialogs open over the game's window, or in the middle of the screen when they have no owner.
TEST(DialogHelpers, CentringFollowsTheOwnerOrElseTheScreen) {
    const HWND owner =
        CreateWindowA("STATIC", "", WS_POPUP, 100, 50, 400, 300, nullptr, nullptr, nullptr, nullptr);
    for (const HWND over : {owner, HWND{}}) {
        const HWND window =
            CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 200, 100, over, nullptr, nullptr, nullptr);
        CentreWindow(window);
        RECT place{};
        GetWindowRect(window, &place);
        EXPECT_EQ(place.left, over ? 200 : (GetSystemMetrics(SM_CXSCREEN) - 200) / 2) << "owned " << !!over;
        EXPECT_EQ(place.top, over ? 150 : (GetSystemMetrics(SM_CYSCREEN) - 100) / 2) << "owned " << !!over;
        DestroyWindow(window);
    }
    DestroyWindow(owner);
}

} // namespace
