#include "dialogs/DialogHelpers.h"

#include "words/CText.h"

#include <cstdio>

unsigned CurrentTitleId = 0;

namespace {

constexpr int kTitleSize = 1024;

} // namespace

void CentreWindow(HWND window) {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const HWND owner = GetWindow(window, GW_OWNER);
    if (owner != nullptr) {
        GetWindowRect(owner, &area);
    }
    RECT own{0, 0, 0, 0};
    GetWindowRect(window, &own);
    const LONG width = own.right - own.left;
    const LONG height = own.bottom - own.top;
    const LONG left = area.left + ((area.right - area.left) - width) / 2;
    const LONG top = area.top + ((area.bottom - area.top) - height) / 2;
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetItemText(HWND dialog, int id, const char* text) {
    SetDlgItemTextA(dialog, id, text != nullptr ? text : "");
}

void GetItemText(HWND dialog, int id, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return;
    }
    buffer[0] = '\0';
    GetDlgItemTextA(dialog, id, buffer, size);
}

void SetItemInt(HWND dialog, int id, std::int32_t number) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(number));
    SetItemText(dialog, id, text);
}

void AppendToTitle(HWND window, unsigned id) {
    if (id == 0) {
        return;
    }
    const CText appended(id);
    char caption[kTitleSize];
    caption[0] = '\0';
    GetWindowTextA(window, caption, kTitleSize);
    char title[2 * kTitleSize + 4];
    std::snprintf(title, sizeof title, "%s - %s", caption, appended.Str());
    SetWindowTextA(window, title);
}

INT_PTR CALLBACK RunDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    }
    // Messages that come before WM_INITDIALOG (the dialog's font) find no state yet.
    const auto* run = reinterpret_cast<const DialogRun*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (run == nullptr) {
        return FALSE;
    }
    return run->Procedure(dialog, message, wParam,
                          message == WM_INITDIALOG ? reinterpret_cast<LPARAM>(run->State) : lParam);
}
