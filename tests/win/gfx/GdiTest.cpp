#include "WindowFixture.h"

#include "gfx/Diagnostics.h"

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
    EXPECT_EQ(
        gLines,
        (std::vector<std::string>{
            Format("GetDC(%u) vs. ReleaseDC(%u)", b.GetDC + 1, b.GetDC + 1),
            Format("CreateDC(%u) vs. DeleteDC(%u)", b.CreateDC, b.CreateDC),
            Format("LoadBitmap(0) and CreateCompatibleBitmap(%u)", b.CreateCompatibleBitmap + 1),
            Format("SolidBrush(%u) and PatternBrush(0) and IndirectBrush(%u)", b.SolidBrush + 2,
                   b.IndirectBrush + 1),
            Format("CreateBMP(%u) + CreateBrush(%u) + CreateFont(%u) + CreatePen(%u) vs. DeleteObject(%u)",
                   b.CreateBMP + 1, b.CreateBrush + 3, b.CreateFont + 1, b.CreatePen + 1,
                   b.CreateBMP + b.CreateBrush + b.CreateFont + b.CreatePen + 6)}));
}

TEST(DebugOutputTest, StartingWritesTheBannerAndReportsUnhandledHardwareExceptions) {
    gLines.clear();
    SetDebugSink(CaptureLine);
    StartDebugOutput();
    const LPTOP_LEVEL_EXCEPTION_FILTER installed = SetUnhandledExceptionFilter(nullptr);
    SetUnhandledExceptionFilter(installed);
    ASSERT_NE(installed, nullptr);
    EXCEPTION_RECORD record{};
    CONTEXT context{};
    EXCEPTION_POINTERS pointers{&record, &context};
    record.ExceptionCode = EXCEPTION_IN_PAGE_ERROR;
    EXPECT_EQ(installed(&pointers), EXCEPTION_CONTINUE_SEARCH); // the process still ends
    SetDebugSink(nullptr);
    EXPECT_EQ(gLines, (std::vector<std::string>{"--- This is the beginning of the debug output system ---",
                                                "Structured exception 0xC0000006"}));
}

struct ErrorBox {
    HWND owner = reinterpret_cast<HWND>(1);
    std::string caption;
    UINT type = 0;
};
ErrorBox gBox;
int WINAPI SpyMessageBox(HWND owner, LPCSTR, LPCSTR caption, UINT type) {
    gBox = ErrorBox{owner, caption != nullptr ? caption : "", type};
    return IDOK;
}

TEST(ErrorBoxTest, TheLastErrorIsShownAsInformationWithoutOwnerUnderTheMakersName) {
    const ImportHook<decltype(&SpyMessageBox)> hook("user32.dll", "MessageBoxA", SpyMessageBox);
    ASSERT_TRUE(hook.Installed());
    SetLastError(ERROR_FILE_NOT_FOUND);
    ShowLastError();
    EXPECT_EQ(gBox.owner, nullptr);
    EXPECT_EQ(gBox.caption, "Quillmoor Software");
    EXPECT_EQ(gBox.type, 0x40u); // information icon, OK button
}

} // namespace
