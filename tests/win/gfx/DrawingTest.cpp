#include "WindowFixture.h"

namespace {

using DrawingTest = BufferTest;

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
