#include "WindowFixture.h"

#include "gfx/Diagnostics.h"

#include <vector>

namespace {

using DrawingTest = BufferTest;

TEST(DiagnosticsTest, TheBannerOpensTheDebugOutputAndHardwareExceptionsAreReportedThere) {
    static std::vector<std::string> lines;
    SetDebugSink([](const char* line) { lines.emplace_back(line); });
    StartDebugOutput();
    const LPTOP_LEVEL_EXCEPTION_FILTER installed = SetUnhandledExceptionFilter(nullptr);
    SetUnhandledExceptionFilter(installed);
    EXCEPTION_RECORD record{};
    record.ExceptionCode = EXCEPTION_IN_PAGE_ERROR;
    CONTEXT context{};
    EXCEPTION_POINTERS pointers{&record, &context};
    EXPECT_EQ(installed != nullptr ? installed(&pointers) : 1, EXCEPTION_CONTINUE_SEARCH);
    SetDebugSink(nullptr);
    EXPECT_EQ(lines, (std::vector<std::string>{"--- This is the beginning of the debug output system ---",
                                               "Structured exception 0xC0000006"}));
}

TEST_F(DrawingTest, TheBitmapIsMadeAtTheFirstPassAndReplacedOnlyByAResizeToAnotherSize) {
    RECT nowhere{0, 0, 100, 20}; // nothing is drawn and no font made before there is a bitmap
    EXPECT_EQ(buffer->DrawString("word", nowhere, kWhite, kBlack, nullptr, 0) +
                  buffer->TextWidth("word", nullptr) +
                  (buffer->MakeFont(12, "Arial", 0, 0) != nullptr ? 1 : 0),
              0);
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
    for (const auto& [area, box] : {std::pair{RECT{10, 150, 100, 150}, "320,240,0,0"},
                                    {RECT{10, 150, 100, 151}, "10,150,100,151"},
                                    {RECT{100, 110, 99, 160}, "320,240,0,0"},
                                    {RECT{100, 110, 100, 160}, "100,110,100,160"}}) {
        EXPECT_EQ(after([&] { buffer->EraseBackground(&area); }), box) << Text(area);
    }
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
