#include "WindowFixture.h"

#include "gfx/CDrawBuffer.h"
#include "gfx/Gdi.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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
    EXPECT_EQ(buffer->BufferWidth, -1);
    EXPECT_EQ(buffer->BackColour, RGB(255, 255, 255));
    const std::uint32_t made = GdiCounts.CreateCompatibleBitmap;
    buffer->BeginDraw(window, nullptr);
    EXPECT_EQ(Text(buffer->Dirty), "320,240,0,0"); // the client rectangle turned inside out
    buffer->EndDraw(nullptr);
    SetClientSize(200, 100);
    buffer->BeginDraw(window, nullptr);
    EXPECT_EQ(Text(buffer->Dirty), "200,100,0,0");
    buffer->EndDraw(nullptr);
    EXPECT_EQ(buffer->BufferWidth, 320); // a pass does not resize
    buffer->Resize(window, 320, 240);
    EXPECT_EQ(GdiCounts.CreateCompatibleBitmap - made, 1u);
    buffer->Resize(window, 120, 90);
    EXPECT_EQ(GdiCounts.CreateCompatibleBitmap - made, 2u);
    BITMAP info{};
    ASSERT_NE(GetObjectA(buffer->Bitmap, sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, 120);
    EXPECT_EQ(info.bmHeight, 90);
}

TEST_F(DrawBufferTest, EveryDrawingOperationAddsWhatItDrewToTheAreaCopiedToTheWindow) {
    BeginOn(kBlue);
    EXPECT_EQ(Text(buffer->Dirty), "0,0,320,240");
    const HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    struct Case {
        const char* Name;
        std::function<void()> Draw;
        const char* Dirty;
    };
    RECT text{30, 40, 130, 70};
    const RECT flat{10, 150, 100, 150}, thin{10, 150, 100, 151}, backwards{100, 110, 99, 160},
        line{100, 110, 100, 160};
    const std::vector<Case> cases{
        {"FillArea",
         [&] {
             buffer->FillArea(RECT{50, 5, 60, 8}, black);
         },
         "50,5,60,8"},
        {"DrawLine right to left", [&] { buffer->DrawLine(100, 90, 15, 80, nullptr); }, "15,80,101,91"},
        {"DrawRectangle", [&] { buffer->DrawRectangle(2, 3, 4, 5, nullptr, nullptr); }, "3,2,5,4"},
        {"DrawRoundRect", [&] { buffer->DrawRoundRect(10, 20, 30, 40, nullptr, nullptr); }, "20,10,40,30"},
        {"DrawString", [&] { buffer->DrawString("zap", text, kWhite, kBlue, nullptr, DT_SINGLELINE); },
         "30,40,130,70"},
        {"DrawWrapped", [&] { buffer->DrawWrapped("zap", text, nullptr); }, "30,40,130,70"},
        {"DrawWrappedColoured", [&] { buffer->DrawWrappedColoured("zap", text, kRed, kBlue, nullptr); },
         "30,40,130,70"},
        {"AddDirty twice",
         [&] {
             buffer->AddDirty(10, 20, 30, 40);
             buffer->AddDirty(5, 50, 8, 60);
         },
         "20,5,60,30"},
        {"EraseBackground of no height", [&] { buffer->EraseBackground(&flat); }, "320,240,0,0"},
        {"EraseBackground of one row", [&] { buffer->EraseBackground(&thin); }, "10,150,100,151"},
        {"EraseBackground right of left", [&] { buffer->EraseBackground(&backwards); }, "320,240,0,0"},
        {"EraseBackground of no width", [&] { buffer->EraseBackground(&line); }, "100,110,100,160"},
    };
    for (const Case& c : cases) {
        buffer->Flush(nullptr);
        c.Draw();
        EXPECT_EQ(Text(buffer->Dirty), c.Dirty) << c.Name;
    }

    // Measuring draws nothing, yet the measured extent is added.
    buffer->Flush(nullptr);
    RECT measured{30, 180, 300, 180};
    buffer->MeasureText("zap", measured, nullptr);
    EXPECT_GT(measured.bottom, 180);
    EXPECT_EQ(Text(buffer->Dirty), Text(measured));
    EXPECT_EQ(CountPixels(buffer->MemoryDC, RECT{0, 175, kClientWidth, kClientHeight}, Not(kBlue)), 0);

    // One brush per background colour; an erase takes the latest colour.
    const std::uint32_t brushes = GdiCounts.SolidBrush;
    buffer->SetBackgroundColour(kRed);
    const RECT part{200, 150, 260, 200};
    buffer->EraseBackground(&part);
    buffer->EraseBackground(&part);
    EXPECT_EQ(GdiCounts.SolidBrush - brushes, 1u);
    EXPECT_EQ(CountPixels(buffer->MemoryDC, part, Not(kRed)), 0);
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

std::vector<std::string> gRoundRects;
BOOL(WINAPI* gRealRoundRect)(HDC, int, int, int, int, int, int) = nullptr;
BOOL WINAPI SpyRoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height) {
    gRoundRects.push_back(std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(right) +
                          "," + std::to_string(bottom) + " corner " + std::to_string(width) + "x" +
                          std::to_string(height));
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
    // Drawn with the given pen, whichever order pen and brush come in; the corner stays clear.
    EXPECT_EQ(Pixel(15, 10), kRed);
    EXPECT_EQ(Pixel(200, 10), kRed);
    EXPECT_EQ(Pixel(10, 10), kBlack);
    EXPECT_EQ(Pixel(25, 25), kBlack);
    buffer->EndDraw(nullptr);
}

TEST_F(DrawBufferTest, FontsAreMadeInPointsWithTheStyleBitsAndTrueTypePreferred) {
    const FontSpy spy;
    ASSERT_TRUE(spy.Installed());
    EXPECT_EQ(buffer->MakeFont(12, "Arial", 0, 0), nullptr); // no bitmap yet
    EXPECT_TRUE(FontSpy::Requests().empty());
    buffer->Resize(window, kClientWidth, kClientHeight);
    ASSERT_EQ(GetDeviceCaps(buffer->MemoryDC, LOGPIXELSY), 96);
    const GdiObject<HFONT> bold(buffer->MakeFont(18, "Arial", FontBold | FontItalic | FontStrikeOut, 0x20));
    const GdiObject<HFONT> plain(buffer->MakeFont(11, "Courier New", FontUnderline, 0x31));
    ASSERT_EQ(FontSpy::Requests().size(), 2u);
    const FontRequest& a = FontSpy::Requests()[0];
    EXPECT_EQ(a.Height, -24);
    EXPECT_EQ(a.Width, 0);
    EXPECT_EQ(a.Escapement, 0);
    EXPECT_EQ(a.Orientation, 0);
    EXPECT_EQ(a.Weight, 700);
    EXPECT_EQ(a.Italic, 1u);
    EXPECT_EQ(a.Underline, 0u);
    EXPECT_EQ(a.StrikeOut, 1u);
    EXPECT_EQ(a.CharSet, 0u);
    EXPECT_EQ(a.OutPrecision, 4u);
    EXPECT_EQ(a.ClipPrecision, 0u);
    EXPECT_EQ(a.Quality, 0u);
    EXPECT_EQ(a.PitchAndFamily, 0x20u);
    EXPECT_EQ(a.Face, "Arial");
    const FontRequest& b = FontSpy::Requests()[1];
    EXPECT_EQ(b.Height, -15); // 11 x 96 / 72 = 14.67, rounded
    EXPECT_EQ(b.Weight, 400);
    EXPECT_EQ(b.Italic, 0u);
    EXPECT_EQ(b.Underline, 1u);
    EXPECT_EQ(b.StrikeOut, 0u);
    EXPECT_EQ(b.PitchAndFamily, 0x31u);
    EXPECT_EQ(b.Face, "Courier New");
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
    EXPECT_EQ(GetBkColor(buffer->MemoryDC), kBlack);
    EXPECT_EQ(GetBkMode(buffer->MemoryDC), OPAQUE);

    const GdiObject<HFONT> unknown(buffer->MakeFont(18, "No Such Face Anywhere", 0, FF_SWISS));
    RECT top{10, 0, 300, 38};
    buffer->DrawWrappedColoured("still drawn", top, kWhite, kBlack, unknown.Get());
    EXPECT_GT(CountPixels(buffer->MemoryDC, top, Not(kBlack)), 0);

    RECT wide{10, 150, 300, 150}, narrow{10, 150, 60, 150};
    const int line = buffer->MeasureText("zap", wide, font.Get());
    EXPECT_GE(buffer->MeasureText("zap the words", narrow, font.Get()), 2 * line); // wrapped at blanks
    buffer->EndDraw(nullptr);
}

} // namespace
