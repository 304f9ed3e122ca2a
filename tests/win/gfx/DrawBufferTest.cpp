#include "WindowFixture.h"

#include <vector>

namespace {

class DrawBufferTest : public BufferTest {
protected:
    // A pass on the window's own device context over a background of this colour.
    void BeginOn(COLORREF background) {
        buffer->SetBackgroundColour(background);
        buffer->BeginDraw(window, nullptr);
        buffer->EraseBackground(nullptr);
    }
};

TEST_F(DrawBufferTest, TheBitmapIsMadeAtTheFirstPassAndReplacedOnlyByAResizeToAnotherSize) {
    EXPECT_EQ(buffer->BufferWidth, -1);
    const std::uint32_t made = GdiCounts.CreateCompatibleBitmap;
    buffer->BeginDraw(window, nullptr);
    buffer->EndDraw(nullptr);
    // A popup window has no frame: its window size is its client size.
    SetWindowPos(window, nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    buffer->BeginDraw(window, nullptr);
    EXPECT_EQ(Text(buffer->Dirty), "200,100,0,0"); // the client rectangle turned inside out
    buffer->EndDraw(nullptr);
    EXPECT_EQ(buffer->BufferWidth, 320); // a pass does not resize
    buffer->Resize(window, 320, 240);
    EXPECT_EQ(GdiCounts.CreateCompatibleBitmap - made, 1u);
    buffer->Resize(window, 120, 90);
    EXPECT_EQ(GdiCounts.CreateCompatibleBitmap - made, 2u);
    EXPECT_EQ(Described<BITMAP>(buffer->Bitmap).bmWidth, 120);
    EXPECT_EQ(Described<BITMAP>(buffer->Bitmap).bmHeight, 90);
}

TEST_F(DrawBufferTest, EveryDrawingOperationAddsWhatItDrewToTheAreaCopiedToTheWindow) {
    BeginOn(kBlue);
    EXPECT_EQ(Text(buffer->Dirty), "0,0,320,240");
    // The box after one operation on a fresh box.
    const auto after = [&](const std::function<void()>& draw) {
        buffer->Flush(nullptr);
        draw();
        return Text(buffer->Dirty);
    };
    const HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(after([&] { buffer->FillArea(RECT{50, 5, 60, 8}, black); }), "50,5,60,8");
    EXPECT_EQ(after([&] { buffer->DrawLine(100, 90, 15, 80, nullptr); }), "15,80,101,91"); // both end pixels
    EXPECT_EQ(after([&] { buffer->DrawRectangle(2, 3, 4, 5, nullptr, nullptr); }), "3,2,5,4");
    EXPECT_EQ(after([&] { buffer->DrawRoundRect(10, 20, 30, 40, nullptr, nullptr); }), "20,10,40,30");
    RECT text{30, 40, 130, 70};
    EXPECT_EQ(after([&] { buffer->DrawString("zap", text, kWhite, kBlue, nullptr, 0); }), "30,40,130,70");
    EXPECT_EQ(after([&] { buffer->DrawWrapped("zap", text, nullptr); }), "30,40,130,70");
    EXPECT_EQ(after([&] { buffer->DrawWrappedColoured("zap", text, kRed, kBlue, nullptr); }), "30,40,130,70");
    EXPECT_EQ(after([&] { buffer->AddDirty(10, 20, 30, 40), buffer->AddDirty(5, 50, 8, 60); }), "20,5,60,30");
    // Rectangles of no height, or with right left of left, are not erased.
    const RECT flat{10, 150, 100, 150}, row{10, 150, 100, 151}, backwards{100, 110, 99, 160},
        column{100, 110, 100, 160};
    EXPECT_EQ(after([&] { buffer->EraseBackground(&flat); }), "320,240,0,0");
    EXPECT_EQ(after([&] { buffer->EraseBackground(&row); }), "10,150,100,151");
    EXPECT_EQ(after([&] { buffer->EraseBackground(&backwards); }), "320,240,0,0");
    EXPECT_EQ(after([&] { buffer->EraseBackground(&column); }), "100,110,100,160");

    // Measuring draws nothing, yet the measured extent is added.
    buffer->Flush(nullptr);
    RECT measured{30, 180, 300, 180};
    buffer->MeasureText("zap", measured, nullptr);
    EXPECT_GT(measured.bottom, 180);
    EXPECT_EQ(Text(buffer->Dirty), Text(measured));
    EXPECT_EQ(CountPixels(buffer->MemoryDC, RECT{0, 175, kClientWidth, kClientHeight}, Not(kBlue)), 0);

    // An erase takes the latest background colour.
    buffer->SetBackgroundColour(kRed);
    const RECT part{200, 150, 260, 200};
    buffer->EraseBackground(&part);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, part, Not(kRed)), 0);
    buffer->EndDraw(nullptr);
}

TEST_F(DrawBufferTest, APassCopiesOnlyItsDirtyBoxAndLeavesTheCallersContextAlone) {
    const auto target = Surface(kGreen);
    buffer->SetBackgroundColour(kBlue);
    buffer->BeginDraw(window, target->MemoryDC);
    const std::uint32_t released = GdiCounts.ReleaseDC;
    buffer->EraseBackground(nullptr);
    const RECT corner{0, 0, 1, 1};
    buffer->Flush(&corner); // one pixel, and a new box
    const GdiObject<HBRUSH> red(CountedCreateSolidBrush(kRed));
    buffer->FillArea(RECT{10, 10, 20, 20}, red.Get());
    buffer->EndDraw(nullptr);
    EXPECT_EQ(GdiCounts.ReleaseDC, released);
    EXPECT_EQ(GetPixel(target->MemoryDC, 0, 0), kBlue);
    EXPECT_EQ(CountPixels(target->MemoryDC, RECT{10, 10, 20, 20}, Not(kRed)), 0);
    EXPECT_EQ(CountPixels(target->MemoryDC, RECT{1, 1, 30, 30}, Not(kGreen)), 100);

    const auto untouched = Surface(kGreen); // a pass that draws nothing copies nothing
    buffer->BeginDraw(window, untouched->MemoryDC);
    buffer->EndDraw(nullptr);
    EXPECT_EQ(CountPixels(untouched->MemoryDC, kClient, Not(kGreen)), 0);
}

std::vector<std::string> gRoundRects;
BOOL(WINAPI* gRealRoundRect)(HDC, int, int, int, int, int, int) = nullptr;
BOOL WINAPI SpyRoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height) {
    gRoundRects.push_back(Format("%d,%d,%d,%d corner %dx%d", left, top, right, bottom, width, height));
    return gRealRoundRect(dc, left, top, right, bottom, width, height);
}

TEST_F(DrawBufferTest, RoundedCornersAreASixthOfTheWidthTruncated) {
    BeginOn(kBlack);
    const GdiObject<HPEN> pen(CountedCreatePen(PS_SOLID, 1, kRed));
    const HGDIOBJ hollow = GetStockObject(HOLLOW_BRUSH);
    gRoundRects.clear();
    {
        const ImportHook<decltype(&SpyRoundRect)> hook("gdi32.dll", "RoundRect", SpyRoundRect);
        ASSERT_TRUE(hook.Installed());
        gRealRoundRect = hook.Original();
        buffer->DrawRoundRect(10, 10, 40, 70, hollow, pen.Get());
        buffer->DrawRoundRect(10, 100, 40, 106, pen.Get(), hollow);
        buffer->DrawRoundRect(10, 200, 40, 205, pen.Get(), hollow);
    }
    EXPECT_EQ(gRoundRects, (std::vector<std::string>{"10,10,70,40 corner 10x10", "100,10,106,40 corner 1x1",
                                                     "200,10,205,40 corner 0x0"}));
    // Drawn with the given pen, whichever order pen and brush come in.
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 15, 10), kRed);
    EXPECT_EQ(GetPixel(buffer->MemoryDC, 200, 10), kRed);
    buffer->EndDraw(nullptr);
}

using CreateFontFunction = decltype(&CreateFontA);
CreateFontFunction gRealCreateFont = nullptr;
std::vector<std::string> gFonts;
HFONT WINAPI SpyCreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                           DWORD underline, DWORD strikeOut, DWORD charSet, DWORD precision, DWORD clip,
                           DWORD quality, DWORD pitch, LPCSTR face) {
    gFonts.push_back(
        Format("%d %d %d %d weight %d italic %lu underline %lu strike %lu, %lu %lu %lu %lu 0x%lX %s", height,
               width, escapement, orientation, weight, italic, underline, strikeOut, charSet, precision, clip,
               quality, pitch, face));
    return gRealCreateFont(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                           charSet, precision, clip, quality, pitch, face);
}

// The size in points is turned into pixels (96 per inch here) with rounding; ANSI, TrueType preferred.
TEST_F(DrawBufferTest, FontsAreMadeInPointsWithTheStyleBitsAndTrueTypePreferred) {
    const ImportHook<CreateFontFunction> hook("gdi32.dll", "CreateFontA", SpyCreateFont);
    ASSERT_TRUE(hook.Installed());
    gRealCreateFont = hook.Original();
    gFonts.clear();
    EXPECT_EQ(buffer->MakeFont(12, "Arial", 0, 0), nullptr); // no bitmap yet
    buffer->Resize(window, kClientWidth, kClientHeight);
    ASSERT_EQ(GetDeviceCaps(buffer->MemoryDC, LOGPIXELSY), 96);
    const GdiObject<HFONT> bold(buffer->MakeFont(18, "Arial", FontBold | FontItalic | FontStrikeOut, 0x20));
    const GdiObject<HFONT> plain(buffer->MakeFont(11, "Courier New", FontUnderline, 0x31));
    EXPECT_EQ(gFonts, (std::vector<std::string>{
                          "-24 0 0 0 weight 700 italic 1 underline 0 strike 1, 0 4 0 0 0x20 Arial",
                          "-15 0 0 0 weight 400 italic 0 underline 1 strike 0, 0 4 0 0 0x31 Courier New"}));
}

TEST_F(DrawBufferTest, TextIsDrawnInTheGivenFontAndColoursAndTheContextIsRestored) {
    RECT nowhere{0, 0, 100, 20};
    EXPECT_EQ(buffer->DrawString("word", nowhere, kWhite, kBlack, nullptr, 0), 0); // no bitmap yet

    buffer->TextColour = kRed;
    BeginOn(kBlack);
    const GdiObject<HFONT> font(buffer->MakeFont(18, "Arial", FontBold, FF_SWISS));
    const HGDIOBJ fontBefore = GetCurrentObject(buffer->MemoryDC, OBJ_FONT);
    RECT box{40, 40, 280, 120};
    EXPECT_GT(buffer->DrawString("Lexiblast", box, kWhite, kGreen, font.Get(),
                                 DT_CENTER | DT_VCENTER | DT_SINGLELINE),
              10);
    EXPECT_GT(CountPixels(buffer->MemoryDC, box, Is(kWhite)), 50);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, box, Is(kGreen)), 0); // a transparent background
    EXPECT_EQ(GetCurrentObject(buffer->MemoryDC, OBJ_FONT), fontBefore);
    EXPECT_EQ(GetTextColor(buffer->MemoryDC), kRed);
    EXPECT_EQ(GetBkMode(buffer->MemoryDC), OPAQUE);

    RECT wide{10, 150, 300, 150}, narrow{10, 150, 60, 150};
    const int line = buffer->MeasureText("zap", wide, font.Get());
    EXPECT_GE(buffer->MeasureText("zap the words", narrow, font.Get()), 2 * line); // wrapped at blanks
    buffer->EndDraw(nullptr);
}

} // namespace
