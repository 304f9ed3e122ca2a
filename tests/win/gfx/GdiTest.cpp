#include "WindowFixture.h"

#include "gfx/Diagnostics.h"
#include "gfx/Gdi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<std::string> gLines;

void CaptureLine(const char* line) {
    gLines.emplace_back(line);
}

using GdiWrapperTest = WindowTest;

TEST_F(GdiWrapperTest, TheLeakReportCountsEachKindAndSetsCreationsBesideReleases) {
    const GdiCallCounts b = GdiCounts;
    {
        const WindowDC windowDc(window);
        const LOGBRUSH description{BS_SOLID, 0, 0};
        const HGDIOBJ made[] = {CountedCreateCompatibleBitmap(windowDc.Get(), 8, 8),
                                CountedCreateHatchBrush(HS_DIAGCROSS, 0),
                                CountedCreateBrushIndirect(&description),
                                CountedCreateSolidBrush(0),
                                CountedCreatePen(PS_SOLID, 1, 0),
                                CountedCreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET,
                                                  OUT_TT_PRECIS, 0, 0, FF_SWISS, "Arial")};
        for (const HGDIOBJ object : made) {
            EXPECT_TRUE(CountedDeleteObject(object));
        }
    }
    gLines.clear();
    SetDebugSink(CaptureLine);
    ReportLeaks();
    SetDebugSink(nullptr);
    // A hatched brush counts as solid; bitmaps and brushes count by kind and in the sum. Every other
    // test frees what it makes, so the two sides of each "vs." are equal.
    const auto n = [](std::uint32_t count) { return std::to_string(count); };
    const std::string made = n(b.CreateBMP + b.CreateBrush + b.CreateFont + b.CreatePen + 6);
    EXPECT_EQ(gLines, (std::vector<std::string>{
                          "GetDC(" + n(b.GetDC + 1) + ") vs. ReleaseDC(" + n(b.GetDC + 1) + ")",
                          "CreateDC(" + n(b.CreateDC) + ") vs. DeleteDC(" + n(b.CreateDC) + ")",
                          "LoadBitmap(0) and CreateCompatibleBitmap(" + n(b.CreateCompatibleBitmap + 1) + ")",
                          "SolidBrush(" + n(b.SolidBrush + 2) + ") and PatternBrush(0) and IndirectBrush(" +
                              n(b.IndirectBrush + 1) + ")",
                          "CreateBMP(" + n(b.CreateBMP + 1) + ") + CreateBrush(" + n(b.CreateBrush + 3) +
                              ") + CreateFont(" + n(b.CreateFont + 1) + ") + CreatePen(" +
                              n(b.CreatePen + 1) + ") vs. DeleteObject(" + made + ")"}));
}

TEST(DebugOutputTest, StartingWritesTheBannerAndReportsUnhandledHardwareExceptions) {
    gLines.clear();
    SetDebugSink(CaptureLine);
    StartDebugOutput();
    StartDebugOutput(); // a second start must not chain the report to itself
    const LPTOP_LEVEL_EXCEPTION_FILTER installed = SetUnhandledExceptionFilter(nullptr);
    SetUnhandledExceptionFilter(installed);
    ASSERT_NE(installed, nullptr);
    EXCEPTION_RECORD record{};
    CONTEXT context{};
    EXCEPTION_POINTERS pointers{&record, &context};
    record.ExceptionCode = EXCEPTION_IN_PAGE_ERROR;
    EXPECT_EQ(installed(&pointers), EXCEPTION_CONTINUE_SEARCH); // the process still ends
    record.ExceptionCode = 0x20474343; // an uncaught C++ exception is not a hardware one
    installed(&pointers);
    SetDebugSink(nullptr);
    EXPECT_EQ(gLines, (std::vector<std::string>{"--- This is the beginning of the debug output system ---",
                                                "--- This is the beginning of the debug output system ---",
                                                "Structured exception 0xC0000006"}));
}

} // namespace
