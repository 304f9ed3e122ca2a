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

// Collects the debug output for the length of a scope.
class CapturedOutput {
public:
    CapturedOutput() {
        gLines.clear();
        SetDebugSink(CaptureLine);
    }
    ~CapturedOutput() { SetDebugSink(nullptr); }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;
};

using GdiWrapperTest = WindowTest;

TEST_F(GdiWrapperTest, EachCreationCountsItsKindAndEachReleaseItsOwn) {
    const GdiCallCounts start = GdiCounts;
    const HDC windowDc = CountedGetDC(window);
    const HDC memory = CountedCreateCompatibleDC(windowDc);
    const HBITMAP bitmap = CountedCreateCompatibleBitmap(windowDc, 8, 8);
    const HBRUSH hatched = CountedCreateHatchBrush(HS_DIAGCROSS, RGB(1, 2, 3));
    const LOGBRUSH description{BS_SOLID, RGB(4, 5, 6), 0};
    const HBRUSH described = CountedCreateBrushIndirect(&description);
    const HBRUSH solid = CountedCreateSolidBrush(RGB(7, 8, 9));
    const HPEN pen = CountedCreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    const HFONT font = CountedCreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_TT_PRECIS,
                                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, "Arial");
    for (const HGDIOBJ made : {HGDIOBJ(memory), HGDIOBJ(bitmap), HGDIOBJ(hatched), HGDIOBJ(described),
                               HGDIOBJ(solid), HGDIOBJ(pen), HGDIOBJ(font)}) {
        EXPECT_NE(made, nullptr); // the platform's handles come back unchanged
    }
    const GdiCallCounts& now = GdiCounts;
    EXPECT_EQ(now.GetDC - start.GetDC, 1u);
    EXPECT_EQ(now.CreateDC - start.CreateDC, 1u);
    EXPECT_EQ(now.CreateCompatibleBitmap - start.CreateCompatibleBitmap, 1u);
    EXPECT_EQ(now.CreateBMP - start.CreateBMP, 1u);
    EXPECT_EQ(now.CreateBrush - start.CreateBrush, 3u);
    EXPECT_EQ(now.SolidBrush - start.SolidBrush, 2u); // the hatched brush counts as solid
    EXPECT_EQ(now.IndirectBrush - start.IndirectBrush, 1u);
    EXPECT_EQ(now.PatternBrush, 0u);
    EXPECT_EQ(now.LoadBitmap, 0u);
    EXPECT_EQ(now.CreatePen - start.CreatePen, 1u);
    EXPECT_EQ(now.CreateFont - start.CreateFont, 1u);
    EXPECT_EQ(now.DeleteObject, start.DeleteObject);

    for (const HGDIOBJ made : {HGDIOBJ(bitmap), HGDIOBJ(hatched), HGDIOBJ(described), HGDIOBJ(solid),
                               HGDIOBJ(pen), HGDIOBJ(font)}) {
        EXPECT_TRUE(CountedDeleteObject(made));
    }
    EXPECT_TRUE(CountedDeleteDC(memory));
    EXPECT_EQ(CountedReleaseDC(window, windowDc), 1);
    EXPECT_EQ(GdiCounts.DeleteObject - start.DeleteObject, 6u);
    EXPECT_EQ(GdiCounts.DeleteDC - start.DeleteDC, 1u);
    EXPECT_EQ(GdiCounts.ReleaseDC - start.ReleaseDC, 1u);
}

TEST_F(GdiWrapperTest, HoldersFreeWhatTheyOwnOnceAndPutSelectionsBack) {
    const GdiCallCounts start = GdiCounts;
    {
        const WindowDC windowDc(window);
        ASSERT_NE(windowDc.Get(), nullptr);
        GdiObject<HPEN> first(CountedCreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
        GdiObject<HPEN> second(std::move(first));
        EXPECT_FALSE(first);
        const HGDIOBJ before = GetCurrentObject(windowDc.Get(), OBJ_PEN);
        {
            const SelectedObject selected(windowDc.Get(), second.Get());
            EXPECT_EQ(GetCurrentObject(windowDc.Get(), OBJ_PEN), second.Get());
        }
        EXPECT_EQ(GetCurrentObject(windowDc.Get(), OBJ_PEN), before);
        second.Reset(CountedCreatePen(PS_SOLID, 1, RGB(0, 255, 0))); // frees the first pen
        EXPECT_EQ(GdiCounts.DeleteObject - start.DeleteObject, 1u);
    }
    EXPECT_EQ(GdiCounts.DeleteObject - start.DeleteObject, 2u);
    EXPECT_EQ(GdiCounts.ReleaseDC - start.ReleaseDC, 1u);
}

TEST(LeakReportTest, FiveLinesSetCreationsBesideReleases) {
    // Every other test frees what it makes, so at any point between tests the sides are equal.
    const CapturedOutput output;
    ReportLeaks();
    ASSERT_EQ(gLines.size(), 5u);
    unsigned a = 0, b = 0, c = 0, d = 0, e = 0;
    ASSERT_EQ(std::sscanf(gLines[0].c_str(), "GetDC(%u) vs. ReleaseDC(%u)", &a, &b), 2);
    EXPECT_EQ(a, GdiCounts.GetDC);
    EXPECT_EQ(b, a);
    ASSERT_EQ(std::sscanf(gLines[1].c_str(), "CreateDC(%u) vs. DeleteDC(%u)", &a, &b), 2);
    EXPECT_EQ(a, GdiCounts.CreateDC);
    EXPECT_EQ(b, a);
    ASSERT_EQ(std::sscanf(gLines[2].c_str(), "LoadBitmap(%u) and CreateCompatibleBitmap(%u)", &a, &b), 2);
    EXPECT_EQ(a, 0u);
    EXPECT_EQ(b, GdiCounts.CreateCompatibleBitmap);
    ASSERT_EQ(std::sscanf(gLines[3].c_str(), "SolidBrush(%u) and PatternBrush(%u) and IndirectBrush(%u)", &a,
                          &b, &c),
              3);
    EXPECT_EQ(a, GdiCounts.SolidBrush);
    EXPECT_EQ(b, 0u);
    EXPECT_EQ(c, GdiCounts.IndirectBrush);
    ASSERT_EQ(
        std::sscanf(gLines[4].c_str(),
                    "CreateBMP(%u) + CreateBrush(%u) + CreateFont(%u) + CreatePen(%u) vs. DeleteObject(%u)",
                    &a, &b, &c, &d, &e),
        5);
    EXPECT_EQ(a, GdiCounts.CreateBMP);
    EXPECT_EQ(b, GdiCounts.CreateBrush);
    EXPECT_EQ(c, GdiCounts.CreateFont);
    EXPECT_EQ(d, GdiCounts.CreatePen);
    EXPECT_EQ(a + b + c + d, e);
}

TEST(DebugOutputTest, StartingWritesTheBannerAndReportsUnhandledHardwareExceptions) {
    const CapturedOutput output;
    StartDebugOutput();
    StartDebugOutput(); // a second start must not chain the report to itself
    ASSERT_EQ(gLines.size(), 2u);
    EXPECT_EQ(gLines[0], "--- This is the beginning of the debug output system ---");

    const LPTOP_LEVEL_EXCEPTION_FILTER installed = SetUnhandledExceptionFilter(nullptr);
    SetUnhandledExceptionFilter(installed);
    ASSERT_NE(installed, nullptr);
    gLines.clear();
    EXCEPTION_RECORD record{};
    CONTEXT context{};
    EXCEPTION_POINTERS pointers{&record, &context};
    record.ExceptionCode = EXCEPTION_IN_PAGE_ERROR;
    EXPECT_EQ(installed(&pointers), EXCEPTION_CONTINUE_SEARCH); // the process still ends
    record.ExceptionCode = 0x20474343; // a C++ exception nothing caught is not a hardware one
    installed(&pointers);
    ASSERT_EQ(gLines.size(), 1u);
    EXPECT_EQ(gLines[0], "Structured exception 0xC0000006");
}

struct ShownBox {
    std::string caption;
    std::string text;
    bool hasIcon = false;
};
ShownBox gBox;

// Runs inside the message box's own loop: reads the box of this thread and presses OK.
void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND candidate, LPARAM found) CALLBACK -> BOOL {
            char className[32] = "";
            GetClassNameA(candidate, className, sizeof className);
            if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(candidate)) {
                *reinterpret_cast<HWND*>(found) = candidate;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) {
        return;
    }
    KillTimer(nullptr, timer);
    char text[512] = "";
    GetWindowTextA(box, text, sizeof text);
    gBox.caption = text;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM) CALLBACK -> BOOL {
            char className[32] = "";
            GetClassNameA(child, className, sizeof className);
            if (lstrcmpiA(className, "Static") == 0) {
                if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
                    gBox.hasIcon = true;
                } else {
                    char childText[512] = "";
                    GetWindowTextA(child, childText, sizeof childText);
                    gBox.text += childText;
                }
            }
            return TRUE;
        },
        0);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(ShowLastErrorTest, ShowsTheSystemTextOfTheLastErrorUnderTheProgramsCaption) {
    gBox = ShownBox{};
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, CloseMessageBox);
    ASSERT_NE(timer, 0u);
    SetLastError(ERROR_FILE_NOT_FOUND);
    ShowLastError();
    KillTimer(nullptr, timer);
    EXPECT_EQ(gBox.caption, "Quillmoor Software");
    EXPECT_TRUE(gBox.hasIcon);
    EXPECT_NE(gBox.text.find_first_not_of("0123456789 \r\n"), std::string::npos) << gBox.text;
}

} // namespace
