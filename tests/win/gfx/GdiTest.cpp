#include "WindowFixture.h"

#include "gfx/Diagnostics.h"
#include "gfx/Gdi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> gLines;

void CaptureLine(const char* line) {
    gLines.emplace_back(line);
}

using GdiWrapperTest = WindowTest;

TEST_F(GdiWrapperTest, EachCreationRaisesTheCountersOfItsKind) {
    const GdiCallCounts start = GdiCounts;
    const WindowDC windowDc(window);
    const LOGBRUSH description{BS_SOLID, 0, 0};
    const HGDIOBJ made[] = {CountedCreateCompatibleBitmap(windowDc.Get(), 8, 8),
                            CountedCreateHatchBrush(HS_DIAGCROSS, 0),
                            CountedCreateBrushIndirect(&description),
                            CountedCreateSolidBrush(0),
                            CountedCreatePen(PS_SOLID, 1, 0),
                            CountedCreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_TT_PRECIS,
                                              0, 0, FF_SWISS, "Arial")};
    const GdiCallCounts& now = GdiCounts;
    EXPECT_EQ(now.CreateCompatibleBitmap - start.CreateCompatibleBitmap, 1u);
    EXPECT_EQ(now.CreateBMP - start.CreateBMP, 1u);
    EXPECT_EQ(now.CreateBrush - start.CreateBrush, 3u);
    EXPECT_EQ(now.SolidBrush - start.SolidBrush, 2u); // the hatched brush counts as solid
    EXPECT_EQ(now.IndirectBrush - start.IndirectBrush, 1u);
    EXPECT_EQ(now.CreatePen - start.CreatePen, 1u);
    EXPECT_EQ(now.CreateFont - start.CreateFont, 1u);
    EXPECT_EQ(now.PatternBrush + now.LoadBitmap, 0u);
    for (const HGDIOBJ object : made) {
        EXPECT_TRUE(CountedDeleteObject(object));
    }
}

TEST(LeakReportTest, PairedCreationsAndReleasesReportEqualSides) {
    // Every other test frees what it makes, so between tests the two sides are equal.
    gLines.clear();
    SetDebugSink(CaptureLine);
    ReportLeaks();
    SetDebugSink(nullptr);
    ASSERT_EQ(gLines.size(), 5u);
    unsigned n[5] = {};
    ASSERT_EQ(std::sscanf(gLines[0].c_str(), "GetDC(%u) vs. ReleaseDC(%u)", &n[0], &n[1]), 2);
    EXPECT_TRUE(n[0] == n[1] && n[0] == GdiCounts.GetDC) << gLines[0];
    ASSERT_EQ(std::sscanf(gLines[1].c_str(), "CreateDC(%u) vs. DeleteDC(%u)", &n[0], &n[1]), 2);
    EXPECT_TRUE(n[0] == n[1] && n[0] == GdiCounts.CreateDC) << gLines[1];
    EXPECT_EQ(gLines[2].rfind("LoadBitmap(0) and CreateCompatibleBitmap(", 0), 0u);
    EXPECT_NE(gLines[3].find(" and PatternBrush(0) and "), std::string::npos);
    ASSERT_EQ(
        std::sscanf(gLines[4].c_str(),
                    "CreateBMP(%u) + CreateBrush(%u) + CreateFont(%u) + CreatePen(%u) vs. DeleteObject(%u)",
                    &n[0], &n[1], &n[2], &n[3], &n[4]),
        5);
    EXPECT_TRUE(n[0] + n[1] + n[2] + n[3] == n[4] && n[2] == GdiCounts.CreateFont) << gLines[4];
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
