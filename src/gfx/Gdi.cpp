#include "gfx/Gdi.h"

#include "gfx/Diagnostics.h"

#include <cstdio>

GdiCallCounts GdiCounts;

HDC CountedGetDC(HWND window) {
    ++GdiCounts.GetDC;
    return GetDC(window);
}

int CountedReleaseDC(HWND window, HDC dc) {
    ++GdiCounts.ReleaseDC;
    return ReleaseDC(window, dc);
}

HDC CountedCreateCompatibleDC(HDC dc) {
    ++GdiCounts.CreateDC;
    return CreateCompatibleDC(dc);
}

BOOL CountedDeleteDC(HDC dc) {
    ++GdiCounts.DeleteDC;
    return DeleteDC(dc);
}

HBITMAP CountedCreateCompatibleBitmap(HDC dc, int width, int height) {
    ++GdiCounts.CreateCompatibleBitmap;
    ++GdiCounts.CreateBMP;
    return CreateCompatibleBitmap(dc, width, height);
}

HBRUSH CountedCreateSolidBrush(COLORREF colour) {
    ++GdiCounts.SolidBrush;
    ++GdiCounts.CreateBrush;
    return CreateSolidBrush(colour);
}

HBRUSH CountedCreateBrushIndirect(const LOGBRUSH* description) {
    ++GdiCounts.IndirectBrush;
    ++GdiCounts.CreateBrush;
    return CreateBrushIndirect(description);
}

HBRUSH CountedCreateHatchBrush(int style, COLORREF colour) {
    ++GdiCounts.SolidBrush;
    ++GdiCounts.CreateBrush;
    return CreateHatchBrush(style, colour);
}

HFONT CountedCreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                        DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                        DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName) {
    ++GdiCounts.CreateFont;
    return CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                       outPrecision, clipPrecision, quality, pitchAndFamily, faceName);
}

HPEN CountedCreatePen(int style, int width, COLORREF colour) {
    ++GdiCounts.CreatePen;
    return CreatePen(style, width, colour);
}

BOOL CountedDeleteObject(HGDIOBJ object) {
    ++GdiCounts.DeleteObject;
    return DeleteObject(object);
}

void ReportLeaks() {
    char line[1024];
    const GdiCallCounts& n = GdiCounts;
    std::snprintf(line, sizeof line, "GetDC(%u) vs. ReleaseDC(%u)", n.GetDC, n.ReleaseDC);
    DebugOutput(line);
    std::snprintf(line, sizeof line, "CreateDC(%u) vs. DeleteDC(%u)", n.CreateDC, n.DeleteDC);
    DebugOutput(line);
    std::snprintf(line, sizeof line, "LoadBitmap(%u) and CreateCompatibleBitmap(%u)", n.LoadBitmap,
                  n.CreateCompatibleBitmap);
    DebugOutput(line);
    std::snprintf(line, sizeof line, "SolidBrush(%u) and PatternBrush(%u) and IndirectBrush(%u)",
                  n.SolidBrush, n.PatternBrush, n.IndirectBrush);
    DebugOutput(line);
    std::snprintf(line, sizeof line,
                  "CreateBMP(%u) + CreateBrush(%u) + CreateFont(%u) + CreatePen(%u) vs. DeleteObject(%u)",
                  n.CreateBMP, n.CreateBrush, n.CreateFont, n.CreatePen, n.DeleteObject);
    DebugOutput(line);
}
