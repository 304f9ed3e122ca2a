#pragma once

#include <windows.h>

#include <string>

inline std::string ItemText(HWND dialog, int id) {
    char text[1024] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// Whether text fits inside control, drawn in its font the way a static control draws it: wrapped at
// words, or on one line with DT_SINGLELINE.
inline bool TextFits(HWND control, const std::string& text, UINT format = DT_WORDBREAK) {
    RECT client{};
    GetClientRect(control, &client);
    const HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT needed{0, 0, client.right, 0};
    DrawTextA(dc, text.c_str(), -1, &needed, format | DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return needed.right <= client.right && needed.bottom <= client.bottom;
}
