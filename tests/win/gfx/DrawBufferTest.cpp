#include "WindowFixture.h"

#include "gfx/CDrawBuffer.h"
#include "gfx/Gdi.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

#define EXPECT_RECT(actual, l, t, r, b)                                                                      \
    EXPECT_TRUE(SameRect(actual, RECT{l, t, r, b}))                                                          \
        << (actual).left << ',' << (actual).top << ',' << (actual).right << ',' << (actual).bottom

class DrawBufferTest : public WindowTest {
protected:
    std::unique_ptr<CDrawBuffer> buffer;

    void SetUp() override {
        WindowTest::SetUp();
        buffer = std::make_unique<CDrawBuffer>();
    }
    void TearDown() override {
        buffer.reset();
        WindowTest::TearDown();
    }

    COLORREF Pixel(int x, int y) const { return GetPixel(buffer->MemoryDC, x, y); }
    RECT Client() const { return RECT{0, 0, kClientWidth, kClientHeight}; }
};

TEST_F(DrawBufferTest, ResizeKeepsTheBitmapForTheSameSizeAndReplacesItForAnother) {
    const std::uint32_t made = GdiCounts.CreateCompatibleBitmap;
    buffer->Resize(window, 200, 100);
    buffer->Resize(window, 200, 100);
    EXPECT_EQ(GdiCounts.CreateCompatibleBitmap - made, 1u);
    buffer->Resize(window, 120, 90);
    EXPECT_EQ(GdiCounts.CreateCompatibleBitmap - made, 2u);
    BITMAP info{};
    ASSERT_NE(GetObjectA(buffer->Bitmap, sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, 120);
    EXPECT_EQ(info.bmHeight, 90);
    EXPECT_EQ(GetCurrentObject(buffer->MemoryDC, OBJ_BITMAP), buffer->Bitmap);
}

TEST_F(DrawBufferTest, OnlyTheFirstPassMakesTheBitmapAndItTakesTheClientSize) {
    buffer->BeginDraw(window, nullptr);
    EXPECT_TRUE(buffer->OwnsWindowDC);
    EXPECT_EQ(buffer->BufferWidth, kClientWidth);
    EXPECT_EQ(buffer->BufferHeight, kClientHeight);
    EXPECT_RECT(buffer->Dirty, kClientWidth, kClientHeight, 0, 0);
    buffer->EndDraw(nullptr);
    EXPECT_FALSE(buffer->OwnsWindowDC);
    EXPECT_EQ(buffer->TargetDC, nullptr);

    SetClientSize(200, 100);
    buffer->BeginDraw(window, nullptr);
    EXPECT_EQ(buffer->BufferWidth, kClientWidth);
    EXPECT_RECT(buffer->Dirty, 200, 100, 0, 0); // the dirty box follows the window all the same
    buffer->EndDraw(nullptr);
}

TEST_F(DrawBufferTest, DirtyBoxGrowsToTheBoundsOfWhatWasDrawnAndRestartsAtEachCopy) {
    buffer->BeginDraw(window, nullptr);
    buffer->AddDirty(10, 20, 30, 40);
    EXPECT_RECT(buffer->Dirty, 20, 10, 40, 30);
    buffer->FillArea(RECT{50, 5, 60, 8}, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_RECT(buffer->Dirty, 20, 5, 60, 30);
    buffer->DrawLine(100, 90, 15, 80, nullptr); // right to left: the box covers both end pixels
    EXPECT_RECT(buffer->Dirty, 15, 5, 101, 91);
    buffer->DrawRectangle(2, 3, 4, 5, nullptr, nullptr);
    EXPECT_RECT(buffer->Dirty, 3, 2, 101, 91);
    buffer->Flush(nullptr);
    EXPECT_RECT(buffer->Dirty, kClientWidth, kClientHeight, 0, 0);
    buffer->AddDirtyRect(RECT{7, 8, 9, 10});
    EXPECT_RECT(buffer->Dirty, 7, 8, 9, 10);
    buffer->EndDraw(nullptr);
}

TEST_F(DrawBufferTest, ErasingFillsWithTheCurrentBackgroundAndIgnoresEmptyRectangles) {
    buffer->SetBackgroundColour(kBlue);
    buffer->BeginDraw(window, nullptr);
    buffer->EraseBackground(nullptr);
    EXPECT_RECT(buffer->Dirty, 0, 0, kClientWidth, kClientHeight);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, Client(), [](COLORREF c) { return c != kBlue; }), 0);

    buffer->Flush(nullptr);
    buffer->SetBackgroundColour(kRed);
    const RECT flat{10, 50, 100, 50};
    buffer->EraseBackground(&flat);
    const RECT backwards{100, 10, 10, 60};
    buffer->EraseBackground(&backwards);
    EXPECT_RECT(buffer->Dirty, kClientWidth, kClientHeight, 0, 0);
    EXPECT_EQ(Pixel(50, 50), kBlue);
    EXPECT_EQ(Pixel(50, 40), kBlue);

    const RECT part{10, 20, 30, 40};
    buffer->EraseBackground(&part);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, part, [](COLORREF c) { return c != kRed; }), 0);
    EXPECT_EQ(CountPixelsOutside(buffer->MemoryDC, Client(), part, [](COLORREF c) { return c != kBlue; }), 0);
    EXPECT_RECT(buffer->Dirty, 10, 20, 30, 40);
    buffer->EndDraw(nullptr);
}

TEST_F(DrawBufferTest, EndOfPassCopiesOnlyTheDirtyBoxAndLeavesTheCallersContextAlone) {
    const TestSurface target(kClientWidth, kClientHeight, kGreen);
    buffer->SetBackgroundColour(kBlue);
    buffer->BeginDraw(window, target.Dc());
    const std::uint32_t released = GdiCounts.ReleaseDC;
    EXPECT_FALSE(buffer->OwnsWindowDC);
    buffer->EraseBackground(nullptr);
    const RECT corner{0, 0, 1, 1};
    buffer->Flush(&corner); // copies one pixel and starts a new box
    const HBRUSH red = CountedCreateSolidBrush(kRed);
    buffer->FillArea(RECT{10, 10, 20, 20}, red);
    buffer->EndDraw(nullptr);
    CountedDeleteObject(red);

    EXPECT_EQ(GetPixel(target.Dc(), 0, 0), kBlue);
    EXPECT_EQ(CountPixels(target.Dc(), RECT{10, 10, 20, 20}, [](COLORREF c) { return c != kRed; }), 0);
    EXPECT_EQ(GetPixel(target.Dc(), 5, 5), kGreen);
    EXPECT_EQ(GetPixel(target.Dc(), 25, 15), kGreen);
    EXPECT_EQ(GdiCounts.ReleaseDC, released);

    // A pass that draws nothing copies nothing.
    const TestSurface untouched(kClientWidth, kClientHeight, kGreen);
    buffer->BeginDraw(window, untouched.Dc());
    buffer->EndDraw(nullptr);
    EXPECT_EQ(CountPixels(untouched.Dc(), Client(), [](COLORREF c) { return c != kGreen; }), 0);
}

TEST_F(DrawBufferTest, TextIsDrawnInsideItsRectangleAndTheContextIsPutBack) {
    buffer->SetBackgroundColour(kBlack);
    buffer->TextColour = kRed;
    buffer->BeginDraw(window, nullptr);
    buffer->EraseBackground(nullptr);
    const HFONT font = buffer->MakeFont(20, "Arial", FontBold, FF_SWISS);
    ASSERT_NE(font, nullptr);
    const HGDIOBJ fontBefore = GetCurrentObject(buffer->MemoryDC, OBJ_FONT);
    const RECT box{40, 40, 280, 120};
    RECT area = box;
    const int height =
        buffer->DrawString("Lexiblast", area, kWhite, kBlack, font, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_GT(height, 10);
    EXPECT_GT(CountPixels(buffer->MemoryDC, box, [](COLORREF c) { return c == kWhite; }), 50);
    EXPECT_EQ(CountPixelsOutside(buffer->MemoryDC, Client(), box, [](COLORREF c) { return c != kBlack; }), 0);
    EXPECT_EQ(GetCurrentObject(buffer->MemoryDC, OBJ_FONT), fontBefore);
    EXPECT_EQ(GetTextColor(buffer->MemoryDC), kRed);
    EXPECT_EQ(GetBkColor(buffer->MemoryDC), kBlack);
    EXPECT_EQ(GetBkMode(buffer->MemoryDC), OPAQUE);

    // Measuring wraps within the width, draws nothing and still counts as drawn.
    buffer->Flush(nullptr);
    RECT wide{10, 150, 300, 150};
    const int line = buffer->MeasureText("zap", wide, font);
    EXPECT_GT(line, 10);
    RECT narrow{10, 150, 60, 150};
    const int wrapped = buffer->MeasureText("zap the words", narrow, font);
    EXPECT_GE(wrapped, 2 * line);
    EXPECT_EQ(narrow.bottom - narrow.top, wrapped);
    EXPECT_RECT(buffer->Dirty, narrow.left, narrow.top, narrow.right, narrow.bottom);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, narrow, [](COLORREF c) { return c != kBlack; }), 0);
    buffer->EndDraw(nullptr);
    CountedDeleteObject(font);
}

TEST_F(DrawBufferTest, RoundedCornersAreASixthOfTheWidth) {
    buffer->SetBackgroundColour(kBlack);
    buffer->BeginDraw(window, nullptr);
    buffer->EraseBackground(nullptr);
    const HPEN pen = CountedCreatePen(PS_SOLID, 1, kRed);
    const HGDIOBJ hollow = GetStockObject(HOLLOW_BRUSH);
    buffer->DrawRoundRect(10, 10, 40, 70, hollow, pen);   // 60 wide: corners of 10
    buffer->DrawRoundRect(10, 100, 40, 105, pen, hollow); // 5 wide: square corners
    buffer->DrawRectangle(60, 10, 90, 70, pen, hollow);
    buffer->EndDraw(nullptr);
    CountedDeleteObject(pen);

    EXPECT_EQ(Pixel(10, 10), kBlack);
    EXPECT_EQ(Pixel(11, 10), kBlack);
    EXPECT_EQ(Pixel(15, 10), kRed);
    EXPECT_EQ(Pixel(10, 15), kRed);
    EXPECT_EQ(Pixel(40, 25), kBlack); // hollow inside
    EXPECT_EQ(Pixel(100, 10), kRed);
    EXPECT_EQ(Pixel(10, 60), kRed);
    EXPECT_EQ(Pixel(69, 89), kRed);
    EXPECT_EQ(Pixel(70, 90), kBlack);
}

TEST_F(DrawBufferTest, FontsFollowTheStyleBitsAndAnUnknownFaceStillDraws) {
    EXPECT_EQ(buffer->MakeFont(12, "Arial", 0, 0), nullptr); // no bitmap yet
    RECT area{0, 0, 100, 20};
    EXPECT_EQ(buffer->DrawString("word", area, kWhite, kBlack, nullptr, 0), 0);
    EXPECT_EQ(buffer->TextWidth("word", nullptr), 0);

    buffer->SetBackgroundColour(kBlack);
    buffer->BeginDraw(window, nullptr);
    buffer->EraseBackground(nullptr);
    const int dpi = GetDeviceCaps(buffer->MemoryDC, LOGPIXELSY);
    const HFONT plain = buffer->MakeFont(18, "Arial", 0, FF_SWISS);
    const HFONT styled = buffer->MakeFont(18, "Times New Roman",
                                          FontBold | FontItalic | FontUnderline | FontStrikeOut, FF_ROMAN);
    LOGFONTA a{}, b{};
    ASSERT_NE(GetObjectA(plain, sizeof a, &a), 0);
    ASSERT_NE(GetObjectA(styled, sizeof b, &b), 0);
    EXPECT_EQ(a.lfHeight, -MulDiv(18, dpi, 72));
    EXPECT_EQ(a.lfWeight, 400);
    EXPECT_FALSE(a.lfItalic || a.lfUnderline || a.lfStrikeOut);
    EXPECT_EQ(b.lfWeight, 700);
    EXPECT_TRUE(b.lfItalic && b.lfUnderline && b.lfStrikeOut);
    EXPECT_STREQ(b.lfFaceName, "Times New Roman");
    EXPECT_EQ(b.lfOutPrecision, OUT_TT_PRECIS);
    EXPECT_EQ(b.lfPitchAndFamily, FF_ROMAN);
    EXPECT_GT(buffer->TextWidth("zapzap", plain), buffer->TextWidth("zap", plain));

    const HFONT unknown = buffer->MakeFont(18, "No Such Face Anywhere", 0, FF_SWISS);
    RECT box{10, 10, 300, 60};
    buffer->DrawWrappedColoured("still drawn", box, kWhite, kBlack, unknown);
    EXPECT_GT(CountPixels(buffer->MemoryDC, box, [](COLORREF c) { return c != kBlack; }), 0);
    buffer->EndDraw(nullptr);
    for (const HFONT font : {plain, styled, unknown}) {
        CountedDeleteObject(font);
    }
}

} // namespace
