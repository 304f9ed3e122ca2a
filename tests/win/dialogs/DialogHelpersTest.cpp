#include "dialogs/DialogHelpers.h"
#include "support/DialogDriver.h"
#include "support/ImportHook.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Caption(HWND window) {
    char text[4096] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST(DialogHelpers, AppendToTitleJoinsTheCaptionAndAStringTableText) {
    const HWND window = CreateWindowA("STATIC", "Lexiblast", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
    AppendToTitle(window, 111);
    EXPECT_EQ(Caption(window), "Lexiblast - Paused");
    AppendToTitle(window, 0);
    EXPECT_EQ(Caption(window), "Lexiblast - Paused") << "id 0 changes nothing";
    SetWindowTextA(window, std::string(3000, 'x').c_str());
    AppendToTitle(window, 471);
    EXPECT_EQ(Caption(window), std::string(1023, 'x') + " - Round Robin Tour")
        << "an overlong caption is cut";
    DestroyWindow(window);
}

TEST(DialogHelpers, ItemTextIsReadIntoAnEmptiedBoundedBuffer) {
    const HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
    const HWND edit = CreateWindowA("EDIT", "", WS_CHILD, 0, 0, 50, 20, window, reinterpret_cast<HMENU>(7),
                                    GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    SetItemInt(window, 7, -2147483647 - 1);
    char buffer[8] = "garbage";
    GetItemText(window, 7, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "-214748") << "seven characters and the terminator";
    std::strcpy(buffer, "garbage");
    GetItemText(window, 99, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "") << "a missing control reads as empty";
    DestroyWindow(window);
}

// A platform that leaves the buffer of a missing control as it was.
UINT WINAPI UntouchedItemText(HWND, int, LPSTR, int) {
    return 0;
}

TEST(DialogHelpers, ReadingEmptiesTheBufferWhateverThePlatformWrites) {
    const ImportHook<decltype(&UntouchedItemText)> hook("user32.dll", "GetDlgItemTextA", UntouchedItemText);
    ASSERT_TRUE(hook.Installed());
    char buffer[8] = "garbage";
    GetItemText(nullptr, 99, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "");
}

TEST(DialogHelpers, CentreWindowCentresOverTheOwnerOrElseTheScreen) {
    const HWND owner =
        CreateWindowA("STATIC", "", WS_POPUP, 100, 50, 400, 300, nullptr, nullptr, nullptr, nullptr);
    for (const HWND over : {owner, HWND{}}) {
        const HWND window =
            CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 200, 100, over, nullptr, nullptr, nullptr);
        CentreWindow(window);
        RECT place{};
        GetWindowRect(window, &place);
        const bool owned = over != nullptr;
        EXPECT_EQ(place.left, owned ? 200 : (GetSystemMetrics(SM_CXSCREEN) - 200) / 2) << "owned " << owned;
        EXPECT_EQ(place.top, owned ? 150 : (GetSystemMetrics(SM_CYSCREEN) - 100) / 2) << "owned " << owned;
        DestroyWindow(window);
    }
    DestroyWindow(owner);
}

TEST(DialogDriver, AnswersAMessageBoxAndANestedOne) {
    DialogDriver driver;
    int nested = 0;
    driver.Then([&nested](HWND box) {
        nested = MessageBoxA(box, "Inner?", "Inner", MB_YESNO);
        SendMessageA(box, WM_COMMAND, IDNO, 0);
    });
    driver.Then([](HWND box) { SendMessageA(box, WM_COMMAND, IDYES, 0); });
    EXPECT_EQ(MessageBoxA(nullptr, "Outer?", "Outer", MB_YESNO), IDNO);
    EXPECT_EQ(nested, IDYES);
    EXPECT_EQ(driver.Pending(), 0u);
}

} // namespace
