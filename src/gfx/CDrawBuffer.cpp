#include "gfx/CDrawBuffer.h"

#include "gfx/Gdi.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

int ClampToInt(std::int64_t value) {
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

const char* OrEmpty(const char* text) {
    return text != nullptr ? text : "";
}

} // namespace

CDrawBuffer::~CDrawBuffer() {
    if (OwnsWindowDC && TargetDC != nullptr) {
        CountedReleaseDC(Window, TargetDC);
    }
}

void CDrawBuffer::ReleaseSurface() {
    // The device context goes first: a bitmap still selected into one cannot be deleted.
    MemoryDC.Reset();
    Bitmap.Reset();
}

void CDrawBuffer::Resize(HWND window, int width, int height) {
    if (width == BufferWidth && height == BufferHeight && Bitmap != nullptr && MemoryDC != nullptr) {
        return;
    }
    BufferWidth = width;
    BufferHeight = height;
    ReleaseSurface();
    const WindowDC windowDc(window);
    MemoryDC.Reset(CountedCreateCompatibleDC(windowDc.Get()));
    Bitmap.Reset(CountedCreateCompatibleBitmap(windowDc.Get(), width, height));
    if (MemoryDC != nullptr) {
        if (Bitmap != nullptr) {
            SelectObject(MemoryDC, Bitmap);
        }
        SetBkColor(MemoryDC, BackColour);
        SetTextColor(MemoryDC, TextColour);
    }
}

void CDrawBuffer::BeginDraw(HWND window, HDC dc) {
    if (OwnsWindowDC && TargetDC != nullptr) {
        CountedReleaseDC(Window, TargetDC); // a pass that was never ended
    }
    Window = window;
    OwnsWindowDC = false;
    if (dc == nullptr) {
        dc = CountedGetDC(window);
        OwnsWindowDC = dc != nullptr;
    }
    TargetDC = dc;
    if (Bitmap == nullptr || MemoryDC == nullptr) {
        const RECT client = ClientRect();
        Resize(window, client.right - client.left, client.bottom - client.top);
    }
    ResetDirty();
}

void CDrawBuffer::EndDraw(const RECT* rect) {
    Flush(rect);
    if (OwnsWindowDC) {
        CountedReleaseDC(Window, TargetDC);
        OwnsWindowDC = false;
    }
    TargetDC = nullptr;
}

void CDrawBuffer::Flush(const RECT* rect) {
    if (MemoryDC == nullptr || TargetDC == nullptr || Bitmap == nullptr) {
        return;
    }
    const RECT area = (rect != nullptr) ? *rect : Dirty;
    const std::int64_t width = std::int64_t{area.right} - area.left;
    const std::int64_t height = std::int64_t{area.bottom} - area.top;
    if (width > 0 && height > 0) {
        BitBlt(TargetDC, area.left, area.top, ClampToInt(width), ClampToInt(height), MemoryDC, area.left,
               area.top, SRCCOPY);
    }
    ResetDirty();
}

RECT CDrawBuffer::ClientRect() const {
    RECT client{0, 0, 0, 0};
    if (Window == nullptr || !GetClientRect(Window, &client)) {
        client = RECT{0, 0, std::max(BufferWidth, 0), std::max(BufferHeight, 0)};
    }
    return client;
}

void CDrawBuffer::ResetDirty() {
    const RECT client = ClientRect();
    Dirty = RECT{client.right, client.bottom, client.left, client.top};
}

void CDrawBuffer::EraseBackground(const RECT* rect) {
    if (MemoryDC == nullptr) {
        return;
    }
    const RECT area = (rect != nullptr) ? *rect : ClientRect();
    if (area.bottom <= area.top || area.right < area.left) {
        return;
    }
    if (BackBrush == nullptr) {
        BackBrush.Reset(CountedCreateSolidBrush(BackColour));
    }
    {
        const SelectedObject brush(MemoryDC, BackBrush);
        PatBlt(MemoryDC, area.left, area.top, ClampToInt(std::int64_t{area.right} - area.left),
               ClampToInt(std::int64_t{area.bottom} - area.top), PATCOPY);
    }
    AddDirtyRect(area);
}

void CDrawBuffer::SetBackgroundColour(COLORREF colour) {
    if (MemoryDC != nullptr) {
        SetBkColor(MemoryDC, colour);
    }
    BackColour = colour;
    BackBrush.Reset();
}

int CDrawBuffer::DrawString(const char* text, RECT& rect, COLORREF textColour, COLORREF backColour,
                            HFONT font, UINT format) {
    if (MemoryDC == nullptr) {
        return 0;
    }
    int height = 0;
    {
        const SelectedObject selected(MemoryDC, font);
        const COLORREF oldText = SetTextColor(MemoryDC, textColour);
        const COLORREF oldBack = SetBkColor(MemoryDC, backColour);
        const int oldMode = SetBkMode(MemoryDC, TRANSPARENT);
        // The text is the caller's and stays as it is.
        height = DrawTextA(MemoryDC, OrEmpty(text), -1, &rect, format & ~UINT{DT_MODIFYSTRING});
        SetBkMode(MemoryDC, oldMode);
        SetBkColor(MemoryDC, oldBack);
        SetTextColor(MemoryDC, oldText);
    }
    AddDirtyRect(rect);
    return height;
}

int CDrawBuffer::DrawWrapped(const char* text, RECT& rect, HFONT font) {
    return DrawString(text, rect, TextColour, BackColour, font, DT_WORDBREAK);
}

int CDrawBuffer::DrawWrappedColoured(const char* text, RECT& rect, COLORREF textColour, COLORREF backColour,
                                     HFONT font) {
    return DrawString(text, rect, textColour, backColour, font, DT_WORDBREAK);
}

int CDrawBuffer::MeasureText(const char* text, RECT& rect, HFONT font) {
    return DrawString(text, rect, TextColour, BackColour, font, DT_CALCRECT | DT_WORDBREAK);
}

int CDrawBuffer::TextWidth(const char* text, HFONT font) {
    return TextExtent(text, font).cx;
}

SIZE CDrawBuffer::TextExtent(const char* text, HFONT font) {
    SIZE size{0, 0};
    if (MemoryDC == nullptr) {
        return size;
    }
    const std::size_t length = std::strlen(OrEmpty(text));
    if (length > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return size;
    }
    const SelectedObject selected(MemoryDC, font);
    if (!GetTextExtentPoint32A(MemoryDC, OrEmpty(text), static_cast<int>(length), &size)) {
        return SIZE{0, 0};
    }
    return size;
}

void CDrawBuffer::DrawLine(int x1, int y1, int x2, int y2, HPEN pen) {
    if (MemoryDC == nullptr) {
        return;
    }
    {
        const SelectedObject selected(MemoryDC, pen);
        MoveToEx(MemoryDC, x1, y1, nullptr);
        LineTo(MemoryDC, x2, y2);
    }
    // Lines may run either way; the box covers the pixels of both end points.
    AddDirty(std::min(y1, y2), std::min(x1, x2), ClampToInt(std::int64_t{std::max(y1, y2)} + 1),
             ClampToInt(std::int64_t{std::max(x1, x2)} + 1));
}

void CDrawBuffer::DrawRoundRect(int top, int left, int bottom, int right, HGDIOBJ first, HGDIOBJ second) {
    if (MemoryDC == nullptr) {
        return;
    }
    const int corner = ClampToInt((std::int64_t{right} - left) / 6);
    {
        const SelectedObject one(MemoryDC, first);
        const SelectedObject two(MemoryDC, second);
        RoundRect(MemoryDC, left, top, right, bottom, corner, corner);
    }
    AddDirty(top, left, bottom, right);
}

void CDrawBuffer::DrawRectangle(int top, int left, int bottom, int right, HGDIOBJ first, HGDIOBJ second) {
    if (MemoryDC == nullptr) {
        return;
    }
    {
        const SelectedObject one(MemoryDC, first);
        const SelectedObject two(MemoryDC, second);
        Rectangle(MemoryDC, left, top, right, bottom);
    }
    AddDirty(top, left, bottom, right);
}

void CDrawBuffer::FillArea(const RECT& rect, HBRUSH brush) {
    if (MemoryDC == nullptr) {
        return;
    }
    FillRect(MemoryDC, &rect, brush);
    AddDirtyRect(rect);
}

FontDescription CDrawBuffer::DescribeFont(int points, const char* faceName, int style,
                                          int pitchAndFamily) const {
    FontDescription description;
    description.Height = ClampToInt(-std::int64_t{MulDiv(points, GetDeviceCaps(MemoryDC, LOGPIXELSY), 72)});
    description.Weight = (style & FontBold) != 0 ? FW_BOLD : FW_NORMAL;
    description.Italic = (style & FontItalic) != 0;
    description.Underline = (style & FontUnderline) != 0;
    description.StrikeOut = (style & FontStrikeOut) != 0;
    description.PitchAndFamily = pitchAndFamily;
    description.Face = OrEmpty(faceName);
    return description;
}

HFONT CDrawBuffer::MakeFont(int points, const char* faceName, int style, int pitchAndFamily) {
    if (MemoryDC == nullptr) {
        return nullptr;
    }
    const FontDescription d = DescribeFont(points, faceName, style, pitchAndFamily);
    return CountedCreateFont(d.Height, 0, 0, 0, d.Weight, d.Italic, d.Underline, d.StrikeOut, ANSI_CHARSET,
                             OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             static_cast<DWORD>(pitchAndFamily), d.Face.c_str());
}

HFONT CDrawBuffer::ShareFont(int points, const char* faceName, int style, int pitchAndFamily) {
    if (MemoryDC == nullptr) {
        return nullptr;
    }
    return SharedFonts.Acquire(MemoryDC, DescribeFont(points, faceName, style, pitchAndFamily));
}

void CDrawBuffer::AddDirty(int top, int left, int bottom, int right) {
    Dirty.left = std::min<LONG>(Dirty.left, left);
    Dirty.top = std::min<LONG>(Dirty.top, top);
    Dirty.right = std::max<LONG>(Dirty.right, right);
    Dirty.bottom = std::max<LONG>(Dirty.bottom, bottom);
}

void CDrawBuffer::AddDirtyRect(const RECT& rect) {
    AddDirty(rect.top, rect.left, rect.bottom, rect.right);
}
