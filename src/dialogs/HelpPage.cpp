#include "dialogs/HelpPage.h"

#include "gfx/Diagnostics.h"
#include "resources/resource.h"
#include "words/CText.h"

#include <shellapi.h>

namespace {

constexpr char kHelpPageName[] = "lexihelp.htm";

// The shell's answer in words: it returns a small number, not an error code the system can describe.
unsigned ReasonFor(INT_PTR result) {
    switch (result) {
    case 0:
    case SE_ERR_OOM:
        return IDS_OPEN_NO_MEMORY;
    case SE_ERR_FNF:
    case SE_ERR_PNF:
        return IDS_OPEN_NOT_FOUND;
    case SE_ERR_ACCESSDENIED:
    case SE_ERR_SHARE:
        return IDS_OPEN_ACCESS_DENIED;
    case SE_ERR_NOASSOC:
    case SE_ERR_ASSOCINCOMPLETE:
        return IDS_OPEN_NO_PROGRAM;
    default:
        return IDS_OPEN_FAILED;
    }
}

// "<heading>\n<where>\n<reason>" in the program's error box.
void ShowOpenFailure(HWND owner, unsigned headingId, const char* where, INT_PTR result) {
    CText text(headingId);
    text.Append("\n");
    text.Append(where);
    text.Append("\n");
    const CText reason(ReasonFor(result));
    text.Append(reason);
    MessageBoxA(owner, text.Str(), kErrorBoxCaption, MB_OK | MB_ICONWARNING);
}

// The page is shown: a hidden browser window would leave the player with nothing to read.
bool Open(HWND owner, const char* target, unsigned headingId) {
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "open", target, nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32) {
        return true;
    }
    ShowOpenFailure(owner, headingId, target, result);
    return false;
}

} // namespace

std::string HelpPagePath() {
    char path[MAX_PATH] = "";
    const DWORD length = GetFullPathNameA(kHelpPageName, sizeof path, path, nullptr);
    // A working folder too deep for the buffer leaves the bare name, which the shell looks up there.
    if (length == 0 || length >= sizeof path) {
        return kHelpPageName;
    }
    return std::string(path, length);
}

bool OpenHelpPage(HWND owner) {
    return Open(owner, HelpPagePath().c_str(), IDS_HELP_NOT_OPENED);
}

bool OpenWebPage(HWND owner, const char* address) {
    return Open(owner, address != nullptr ? address : "", IDS_WEB_PAGE_NOT_OPENED);
}
