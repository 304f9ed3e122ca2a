#include "WindowFixture.h"

#include "gfx/CDrawBuffer.h"
#include "gfx/Gdi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

class DrawBufferTest : public BufferTest {
protected:
    COLORREF Pixel(int x, int y) const { return GetPixel(buffer->MemoryDC, x, y); }
    // A pass on the window's own device context over a background of this colour.
    void BeginOn(COLORREF background) {
        buffer->SetBackgroundColour(background);
        buffer->BeginDraw(window, nullptr);
        buffer->EraseBackground(nullptr);
    }
};

TEST_F(DrawBufferTest, TheBitmapIsMadeAtTheFirstPassAndReplacedOnlyByAResizeToAnotherSize) {
    const std::uint32_t made = GdiCounts.CreateCompatibleBitmap;
    buffer->BeginDraw(window, nullptr);
    EXPECT_EQ(Text(buffer->Dirty), "320,240,0,0");
    buffer->EndDraw(nullptr);
    SetClientSize(200, 100);
    buffer->BeginDraw(window, nullptr);
    EXPECT_EQ(Text(buffer->Dirty), "200,100,0,0");
    buffer->EndDraw(nullptr);
    buffer->Resize(window, kClientWidth, kClientHeight);
    EXPECT_EQ(GdiCounts.CreateCompatibleBitmap - made, 1u);
    buffer->Resize(window, 120, 90);
    EXPECT_EQ(GdiCounts.CreateCompatibleBitmap - made, 2u);
    BITMAP info{};
    ASSERT_NE(GetObjectA(buffer->Bitmap, sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth * 1000 + info.bmHeight, 120090);
}

TEST_F(DrawBufferTest, TheDirtyBoxGrowsToTheBoundsOfWhatWasDrawnAndRestartsAtEachCopy) {
    BeginOn(kBlue);
    EXPECT_EQ(Text(buffer->Dirty), "0,0,320,240");
    EXPECT_EQ(CountPixels(buffer->MemoryDC, kClient, Not(kBlue)), 0);
    buffer->Flush(nullptr);
    buffer->AddDirty(10, 20, 30, 40);
    EXPECT_EQ(Text(buffer->Dirty), "20,10,40,30");
    buffer->FillArea(RECT{50, 5, 60, 8}, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    buffer->DrawLine(100, 90, 15, 80, nullptr); // right to left: the box covers both end pixels
    EXPECT_EQ(Text(buffer->Dirty), "15,5,101,91");
    buffer->DrawRectangle(2, 3, 4, 5, nullptr, nullptr);
    EXPECT_EQ(Text(buffer->Dirty), "3,2,101,91");
    buffer->Flush(nullptr);
    EXPECT_EQ(Text(buffer->Dirty), "320,240,0,0");

    // Empty rectangles are not erased; an erase takes the latest background colour.
    buffer->SetBackgroundColour(kRed);
    const RECT flat{10, 150, 100, 150}, backwards{100, 110, 10, 160}, part{200, 150, 260, 200};
    buffer->EraseBackground(&flat);
    buffer->EraseBackground(&backwards);
    EXPECT_EQ(Text(buffer->Dirty), "320,240,0,0");
    buffer->EraseBackground(&part);
    EXPECT_EQ(Text(buffer->Dirty), "200,150,260,200");
    EXPECT_EQ(CountPixels(buffer->MemoryDC, part, Not(kRed)), 0);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, RECT{0, 110, kClientWidth, kClientHeight}, Not(kBlue), &part), 0);
    buffer->EndDraw(nullptr);
}

TEST_F(DrawBufferTest, APassCopiesOnlyItsDirtyBoxAndLeavesTheCallersContextAlone) {
    const TestSurface target(kGreen);
    buffer->SetBackgroundColour(kBlue);
    buffer->BeginDraw(window, target.Dc());
    const std::uint32_t released = GdiCounts.ReleaseDC;
    buffer->EraseBackground(nullptr);
    const RECT corner{0, 0, 1, 1};
    buffer->Flush(&corner); // one pixel, and a new box
    const GdiObject<HBRUSH> red(CountedCreateSolidBrush(kRed));
    buffer->FillArea(RECT{10, 10, 20, 20}, red.Get());
    buffer->EndDraw(nullptr);
    EXPECT_EQ(GdiCounts.ReleaseDC, released);
    EXPECT_EQ(GetPixel(target.Dc(), 0, 0), kBlue);
    EXPECT_EQ(CountPixels(target.Dc(), RECT{10, 10, 20, 20}, Not(kRed)), 0);
    EXPECT_EQ(CountPixels(target.Dc(), RECT{1, 1, 30, 30}, Not(kGreen)), 100);

    const TestSurface untouched(kGreen); // a pass that draws nothing copies nothing
    buffer->BeginDraw(window, untouched.Dc());
    buffer->EndDraw(nullptr);
    EXPECT_EQ(CountPixels(untouched.Dc(), kClient, Not(kGreen)), 0);
}

TEST_F(DrawBufferTest, RoundedCornersAreASixthOfTheWidth) {
    BeginOn(kBlack);
    const GdiObject<HPEN> pen(CountedCreatePen(PS_SOLID, 1, kRed));
    const HGDIOBJ hollow = GetStockObject(HOLLOW_BRUSH);
    buffer->DrawRoundRect(10, 10, 40, 70, hollow, pen.Get());   // 60 wide: corners of 10
    buffer->DrawRoundRect(10, 100, 40, 105, pen.Get(), hollow); // 5 wide: square corners
    buffer->EndDraw(nullptr);
    // The corner pixels stay black, and the right edge is left out.
    EXPECT_TRUE(Pixel(10, 10) == kBlack && Pixel(11, 10) == kBlack && Pixel(40, 25) == kBlack);
    EXPECT_TRUE(Pixel(15, 10) == kRed && Pixel(10, 15) == kRed && Pixel(100, 10) == kRed);
}

TEST_F(DrawBufferTest, TextFollowsTheStyleBitsRestoresTheContextAndMeasuringDrawsNothing) {
    EXPECT_EQ(buffer->MakeFont(12, "Arial", 0, 0), nullptr); // no bitmap yet
    RECT nowhere{0, 0, 100, 20};
    EXPECT_EQ(buffer->DrawString("word", nowhere, kWhite, kBlack, nullptr, 0), 0);

    buffer->TextColour = kRed;
    BeginOn(kBlack);
    const GdiObject<HFONT> font(
        buffer->MakeFont(18, "Arial", FontBold | FontItalic | FontStrikeOut, FF_SWISS));
    LOGFONTA description{};
    ASSERT_NE(GetObjectA(font.Get(), sizeof description, &description), 0);
    EXPECT_TRUE(description.lfWeight == 700 && description.lfItalic && !description.lfUnderline &&
                description.lfStrikeOut);
    const HGDIOBJ fontBefore = GetCurrentObject(buffer->MemoryDC, OBJ_FONT);
    RECT box{40, 40, 280, 120};
    EXPECT_GT(buffer->DrawString("Lexiblast", box, kWhite, kBlack, font.Get(),
                                 DT_CENTER | DT_VCENTER | DT_SINGLELINE),
              10);
    EXPECT_TRUE(GetCurrentObject(buffer->MemoryDC, OBJ_FONT) == fontBefore &&
                GetTextColor(buffer->MemoryDC) == kRed && GetBkMode(buffer->MemoryDC) == OPAQUE);
    const GdiObject<HFONT> unknown(buffer->MakeFont(18, "No Such Face Anywhere", 0, FF_SWISS));
    RECT top{10, 0, 300, 38};
    buffer->DrawWrappedColoured("still drawn", top, kWhite, kBlack, unknown.Get());
    EXPECT_GT(CountPixels(buffer->MemoryDC, top, Not(kBlack)), 0);

    buffer->Flush(nullptr);
    RECT wide{10, 150, 300, 150};
    RECT narrow{10, 150, 60, 150};
    const int line = buffer->MeasureText("zap", wide, font.Get());
    EXPECT_GE(buffer->MeasureText("zap the words", narrow, font.Get()), 2 * line);
    EXPECT_EQ(Text(buffer->Dirty), Text(RECT{10, 150, std::max(wide.right, narrow.right), narrow.bottom}));
    EXPECT_EQ(CountPixels(buffer->MemoryDC, RECT{0, 125, kClientWidth, kClientHeight}, Not(kBlack)), 0);
    buffer->EndDraw(nullptr);
}

} // namespace
