#pragma once

#include "gfx/FontCache.h"
#include "gfx/Gdi.h"

#include <windows.h>

#include <cstdint>

// Style bits of CDrawBuffer::MakeFont.
enum FontStyle : int {
    FontBold = 1,
    FontItalic = 2,
    FontUnderline = 4,
    FontStrikeOut = 8,
};

// The off-screen buffer every pixel of the game window is drawn into first. It owns a bitmap the
// size of the client area, selected into a memory device context, and keeps the bounding box of
// everything drawn since the last copy (Dirty); a drawing pass ends by copying only that box to the
// window. Shape operations take their rectangle as top, left, bottom, right. Pens, brushes and fonts
// passed in stay the caller's; every operation puts back what it selected and the colours and mode
// it changed. Without a memory device context nothing is drawn, the text operations return 0 and
// MakeFont returns null.
class CDrawBuffer {
public:
    COLORREF TextColour = RGB(255, 255, 255);
    COLORREF BackColour = RGB(255, 255, 255);
    std::int32_t BufferWidth = -1;
    std::int32_t BufferHeight = -1;
    bool OwnsWindowDC = false; // TargetDC came from BeginDraw and goes back in EndDraw
    RECT Dirty{0, 0, 0, 0};
    HWND Window = nullptr;
    // The bitmap is selected into MemoryDC; declared first, it outlives the context that holds it.
    GdiObject<HBITMAP> Bitmap;
    GdiObject<HDC> MemoryDC;
    HDC TargetDC = nullptr;      // the window's device context during a drawing pass
    GdiObject<HBRUSH> BackBrush; // solid brush of BackColour, made at the first erase

    CDrawBuffer() = default;
    virtual ~CDrawBuffer();
    CDrawBuffer(const CDrawBuffer&) = delete;
    CDrawBuffer& operator=(const CDrawBuffer&) = delete;

    // Makes a new bitmap of this size unless the current one already has it. The contents of a new
    // bitmap are undefined until it is erased.
    void Resize(HWND window, int width, int height);

    // Starts a drawing pass on dc, or on the window's own device context when dc is null. Makes the
    // bitmap at the client size if there is none yet, but never resizes an existing one.
    void BeginDraw(HWND window, HDC dc);
    // Copies rect (or Dirty when rect is null) to the window and ends the pass.
    void EndDraw(const RECT* rect);
    // Copies rect, or Dirty when rect is null, to the target, then starts a new Dirty. An empty
    // rectangle copies nothing.
    void Flush(const RECT* rect);

    // Fills rect (the whole client area when null) with the background colour. A rectangle whose
    // bottom is not below its top, or whose right is left of its left, is ignored.
    void EraseBackground(const RECT* rect);
    void SetBackgroundColour(COLORREF colour);

    // Draws text into rect with DrawText's format flags, on a transparent background, and returns the
    // height of the text. With DT_CALCRECT nothing is drawn and rect receives the text's extent.
    int DrawString(const char* text, RECT& rect, COLORREF textColour, COLORREF backColour, HFONT font,
                   UINT format);
    int DrawWrapped(const char* text, RECT& rect, HFONT font);
    int DrawWrappedColoured(const char* text, RECT& rect, COLORREF textColour, COLORREF backColour,
                            HFONT font);
    // Sets rect's right and bottom to the extent of the text wrapped within rect's width.
    int MeasureText(const char* text, RECT& rect, HFONT font);
    // Width in pixels of the whole text on one line; 0 when it cannot be measured.
    int TextWidth(const char* text, HFONT font);
    // Width and height in pixels of the whole text on one line; 0 by 0 when it cannot be measured.
    // Measuring marks nothing dirty.
    SIZE TextExtent(const char* text, HFONT font);

    void DrawLine(int x1, int y1, int x2, int y2, HPEN pen);
    // Outlines with the current pen and fills with the current brush; first and second, when given,
    // are a pen and a brush in either order. The corners of the rounded rectangle are a sixth of its
    // width.
    void DrawRoundRect(int top, int left, int bottom, int right, HGDIOBJ first, HGDIOBJ second);
    void DrawRectangle(int top, int left, int bottom, int right, HGDIOBJ first, HGDIOBJ second);
    void FillArea(const RECT& rect, HBRUSH brush);

    // A new font of this size in points and FontStyle bits, owned by the caller (freed through
    // CountedDeleteObject); null when it cannot be made.
    HFONT MakeFont(int points, const char* faceName, int style, int pitchAndFamily);
    // The font MakeFont would make, shared through SharedFonts with everyone who asks for the same
    // one: it is given back with SharedFonts.Release, never deleted by its holder.
    HFONT ShareFont(int points, const char* faceName, int style, int pitchAndFamily);

    void AddDirty(int top, int left, int bottom, int right);
    void AddDirtyRect(const RECT& rect);

private:
    // What MakeFont and ShareFont ask the platform for; the height follows this buffer's resolution.
    FontDescription DescribeFont(int points, const char* faceName, int style, int pitchAndFamily) const;
    // Dirty becomes the client rectangle turned inside out, so that the next addition sets it.
    void ResetDirty();
    RECT ClientRect() const;
    void ReleaseSurface();
};
