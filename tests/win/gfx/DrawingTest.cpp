#include "WindowFixture.h"

#include "gfx/Diagnostics.h"

#include <vector>

namespace {

using DrawingTest = BufferTest;

std::vector<std::string> gLines;
void CaptureLine(const char* line) {
    gLines.emplace_back(line);
}

// A hatched brush counts as solid; a compatible bitmap counts by kind and in the sum. Every test
// frees what it makes, so both sides of each "vs." are equal.
TEST_F(DrawingTest, TheLeakReportCountsEachKindAndSetsCreationsBesideReleases) {
    const GdiCallCounts b = GdiCounts;
    {
        const WindowDC windowDc(window);
        const LOGBRUSH description{BS_SOLID, 0, 0};
        const HGDIOBJ made[] = {CountedCreateCompatibleBitmap(windowDc.Get(), 8, 8),
                                CountedCreateHatchBrush(HS_DIAGCROSS, 0),
                                CountedCreateBrushIndirect(&description)};
        for (const HGDIOBJ object : made) {
            CountedDeleteObject(object);
        }
    }
    gLines.clear();
    SetDebugSink(CaptureLine);
    ReportLeaks();
    SetDebugSink(nullptr);
    const unsigned objects = b.CreateBMP + b.CreateBrush + b.CreateFont + b.CreatePen + 3;
    EXPECT_EQ(gLines,
              (std::vector<std::string>{
                  Format("GetDC(%u) vs. ReleaseDC(%u)", b.GetDC + 1, b.GetDC + 1),
                  Format("CreateDC(%u) vs. DeleteDC(%u)", b.CreateDC, b.CreateDC),
                  Format("LoadBitmap(0) and CreateCompatibleBitmap(%u)", b.CreateCompatibleBitmap + 1),
                  Format("SolidBrush(%u) and PatternBrush(0) and IndirectBrush(%u)", b.SolidBrush + 1,
                         b.IndirectBrush + 1),
                  Format("CreateBMP(%u) + CreateBrush(%u) + CreateFont(%u) + CreatePen(%u) vs. "
                         "DeleteObject(%u)",
                         b.CreateBMP + 1, b.CreateBrush + 2, b.CreateFont, b.CreatePen, objects)}));
}

// The banner opens the debug output; a hardware exception is reported there and still ends the
// process.
TEST(DiagnosticsTest, TheBannerOpensTheDebugOutputAndHardwareExceptionsAreReportedThere) {
    gLines.clear();
    SetDebugSink(CaptureLine);
    StartDebugOutput();
    const LPTOP_LEVEL_EXCEPTION_FILTER installed = SetUnhandledExceptionFilter(nullptr);
    SetUnhandledExceptionFilter(installed);
    ASSERT_NE(installed, nullptr);
    EXCEPTION_RECORD record{};
    record.ExceptionCode = EXCEPTION_IN_PAGE_ERROR;
    CONTEXT context{};
    EXCEPTION_POINTERS pointers{&record, &context};
    EXPECT_EQ(installed(&pointers), EXCEPTION_CONTINUE_SEARCH);
    SetDebugSink(nullptr);
    EXPECT_EQ(gLines, (std::vector<std::string>{"--- This is the beginning of the debug output system ---",
                                                "Structured exception 0xC0000006"}));
}

TEST_F(DrawingTest, TheBitmapIsMadeAtTheFirstPassAndReplacedOnlyByAResizeToAnotherSize) {
    RECT nowhere{0, 0, 100, 20}; // nothing is drawn and no font made before there is a bitmap
    EXPECT_EQ(buffer->DrawString("word", nowhere, kWhite, kBlack, nullptr, 0) +
                  buffer->TextWidth("word", nullptr),
              0);
    EXPECT_EQ(buffer->MakeFont(12, "Arial", 0, 0), nullptr);
    const std::uint32_t made = GdiCounts.CreateCompatibleBitmap;
    buffer->BeginDraw(window, nullptr);
    buffer->EndDraw(nullptr);
    // A popup window has no frame: its window size is its client size.
    SetWindowPos(window, nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    buffer->BeginDraw(window, nullptr);
    buffer->EndDraw(nullptr);
    buffer->Resize(window, 320, 240); // a pass does not resize, and neither does the same size
    EXPECT_EQ(GdiCounts.CreateCompatibleBitmap - made, 1u);
    buffer->Resize(window, 120, 90);
    EXPECT_EQ(Described<BITMAP>(buffer->Bitmap).bmHeight, 90);
}

TEST_F(DrawingTest, EveryDrawingOperationAddsWhatItDrewToTheAreaCopiedToTheWindow) {
    buffer->SetBackgroundColour(kBlue);
    buffer->BeginDraw(window, nullptr);
    buffer->EraseBackground(nullptr);
    EXPECT_EQ(Text(buffer->Dirty), "0,0,320,240");
    const auto after = [&](const std::function<void()>& draw) { // the box after one operation
        buffer->Flush(nullptr);
        draw();
        return Text(buffer->Dirty);
    };
    EXPECT_EQ(after([&] { buffer->DrawLine(100, 90, 15, 80, nullptr); }), "15,80,101,91"); // both end pixels
    EXPECT_EQ(after([&] { buffer->DrawRoundRect(10, 20, 30, 40, nullptr, nullptr); }), "20,10,40,30");
    // Rectangles of no height, or with right left of left, are not erased.
    const RECT flat{10, 150, 100, 150}, row{10, 150, 100, 151}, backwards{100, 110, 99, 160},
        column{100, 110, 100, 160};
    EXPECT_EQ(after([&] { buffer->EraseBackground(&flat); }), "320,240,0,0");
    EXPECT_EQ(after([&] { buffer->EraseBackground(&row); }), "10,150,100,151");
    EXPECT_EQ(after([&] { buffer->EraseBackground(&backwards); }), "320,240,0,0");
    EXPECT_EQ(after([&] { buffer->EraseBackground(&column); }), "100,110,100,160");
    RECT measured{30, 180, 300, 180}; // measuring draws nothing, yet the measured extent is added
    const std::string box = after([&] { buffer->MeasureText("zap", measured, nullptr); });
    EXPECT_EQ(box, Text(measured));
    EXPECT_EQ(CountPixels(buffer->MemoryDC, RECT{0, 175, kClientWidth, kClientHeight}, Not(kBlue)), 0);
    buffer->EndDraw(nullptr);
}

TEST_F(DrawingTest, APassCopiesOnlyItsDirtyBoxAndLeavesTheCallersContextAlone) {
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
}

} // namespace
