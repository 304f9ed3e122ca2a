#include "DialogTest.h"
#include "support/ImportHook.h"

namespace {

// A platform that leaves the buffer of a missing control as it was.
UINT WINAPI UntouchedItemText(HWND, int, LPSTR, int) {
    return 0;
}

TEST(DialogHelpers, ReadingEmptiesTheBufferAndCentringFollowsTheOwnerOrElseTheScreen) {
    const ImportHook<decltype(&UntouchedItemText)> hook("user32.dll", "GetDlgItemTextA", UntouchedItemText);
    ASSERT_TRUE(hook.Installed());
    char buffer[8] = "garbage";
    GetItemText(nullptr, 99, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "");
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
