#include "dialogs/DialogHelpers.h"
#include "support/DialogDriver.h"

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
