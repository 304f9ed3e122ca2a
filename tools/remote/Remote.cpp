#include "Remote.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

bool Near(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int ca = static_cast<int>((a >> shift) & 0xFF);
        const int cb = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > tolerance) {
            return false;
        }
    }
    return true;
}

struct FindContext {
    DWORD ProcessId;
    const char* Prefix;
    HWND Found;
};

BOOL CALLBACK FindDialogProc(HWND window, LPARAM param) {
    auto* context = reinterpret_cast<FindContext*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != context->ProcessId || !IsWindowVisible(window)) {
        return TRUE;
    }
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770") {
        return TRUE;
    }
    const std::string title = WindowText(window);
    if (context->Prefix == nullptr || title.rfind(context->Prefix, 0) == 0) {
        context->Found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindMainProc(HWND window, LPARAM param) {
    auto* context = reinterpret_cast<FindContext*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (owner == context->ProcessId && std::string(className) == "MAIN") {
        context->Found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

bool ResetSettings(const std::vector<NamedValue>& values) {
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    bool ok = true;
    for (const NamedValue& value : values) {
        ok = RegSetValueExA(key, value.Name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value.Value),
                            sizeof value.Value) == ERROR_SUCCESS &&
             ok;
    }
    RegCloseKey(key);
    return ok;
}

std::int64_t ReadSetting(const char* subKey, const char* name, std::int64_t fallback) {
    std::string path = kSettingsKey;
    if (subKey[0] != '\0') {
        path += std::string("\\") + subKey;
    }
    DWORD data = 0;
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_DWORD, nullptr, &data, &size) !=
        ERROR_SUCCESS) {
        return fallback;
    }
    return static_cast<std::int32_t>(data);
}

std::string ReadSettingText(const char* subKey, const char* name) {
    const std::string path = std::string(kSettingsKey) + "\\" + subKey;
    char text[512] = "";
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS) {
        return "(missing)";
    }
    return text;
}

bool Game::Start(const std::string& exePath) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exePath + "\"";
    const std::string folder = FolderOf(exePath);
    return CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &Process) != 0;
}

bool Game::WaitForWindow(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        FindContext context{Process.dwProcessId, nullptr, nullptr};
        EnumWindows(FindMainProc, reinterpret_cast<LPARAM>(&context));
        if (context.Found != nullptr) {
            Window = context.Found;
            return true;
        }
        if (WaitForSingleObject(Process.hProcess, 20) == WAIT_OBJECT_0) {
            return false;
        }
    }
    return false;
}

std::int64_t Game::WaitForFirstFrame(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        const auto value = reinterpret_cast<INT_PTR>(GetPropA(Window, "LexiblastFirstFrameMs"));
        if (value != 0) {
            return value;
        }
        Sleep(10);
    }
    return -1;
}

bool Game::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (WaitForSingleObject(Process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    GetExitCodeProcess(Process.hProcess, exitCode);
    return true;
}

void Game::Kill() {
    if (Process.hProcess != nullptr && WaitForSingleObject(Process.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(Process.hProcess, 99);
        WaitForSingleObject(Process.hProcess, 5000);
    }
}

Game::~Game() {
    Kill();
    if (Process.hProcess != nullptr) {
        CloseHandle(Process.hProcess);
        CloseHandle(Process.hThread);
    }
}

HWND FindDialog(DWORD processId, const char* prefix) {
    FindContext context{processId, prefix, nullptr};
    EnumWindows(FindDialogProc, reinterpret_cast<LPARAM>(&context));
    return context.Found;
}

HWND FindAnyDialog(DWORD processId) {
    return FindDialog(processId, nullptr);
}

HWND WaitForDialog(DWORD processId, const char* prefix, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        if (HWND found = FindDialog(processId, prefix)) {
            return found;
        }
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

std::string WindowText(HWND window) {
    // Wide calls: the narrow ones lose all but the first character between processes under Wine.
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length) == 0) {
        return "";
    }
    std::wstring wide(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    wide.resize(copied);
    std::string narrow(wide.size() * 2 + 1, '\0');
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()),
                                          narrow.data(), static_cast<int>(narrow.size()), nullptr, nullptr);
    narrow.resize(bytes > 0 ? bytes : 0);
    return narrow;
}

std::vector<std::string> ListBoxItems(HWND listBox) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, i, 0);
        if (length < 0) {
            break;
        }
        std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
        const LRESULT copied = SendMessageW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
        wide.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        std::string narrow(wide.size() * 2 + 1, '\0');
        const int bytes =
            WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), narrow.data(),
                                static_cast<int>(narrow.size()), nullptr, nullptr);
        narrow.resize(bytes > 0 ? bytes : 0);
        items.push_back(narrow);
    }
    return items;
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool CaptureScreen(const RECT& r, Capture& out) {
    out.Width = r.right - r.left;
    out.Height = r.bottom - r.top;
    if (out.Width <= 0 || out.Height <= 0) {
        return false;
    }
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = out.Width;
    info.bmiHeader.biHeight = -out.Height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (bitmap != nullptr) {
        const HGDIOBJ old = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, out.Width, out.Height, screen, r.left, r.top, SRCCOPY) != 0;
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        out.Pixels.assign(pixels, pixels + static_cast<size_t>(out.Width) * out.Height);
        for (auto& pixel : out.Pixels) {
            pixel &= 0x00FFFFFF;
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

bool CaptureClient(HWND window, Capture& out) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const RECT onScreen{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
    return CaptureScreen(onScreen, out);
}

bool SaveBitmap(const Capture& image, const std::string& path) {
    const int rowBytes = (image.Width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = image.Width;
    header.biHeight = image.Height; // bottom row first
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(rowBytes * image.Height);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    std::vector<unsigned char> row(static_cast<size_t>(rowBytes), 0);
    for (int y = image.Height - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width; ++x) {
            const std::uint32_t pixel = image.At(x, y);
            row[x * 3] = static_cast<unsigned char>(pixel & 0xFF);
            row[x * 3 + 1] = static_cast<unsigned char>((pixel >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<unsigned char>((pixel >> 16) & 0xFF);
        }
        out.write(reinterpret_cast<const char*>(row.data()), rowBytes);
    }
    return static_cast<bool>(out);
}

std::vector<Blob> FindColourBlobs(const Capture& image, std::uint32_t rgb, int top) {
    // Cells of 4 x 4 pixels join the letters of one word; 8-connected cells make one patch.
    constexpr int kCell = 4;
    const int columns = (image.Width + kCell - 1) / kCell;
    const int rows = (image.Height + kCell - 1) / kCell;
    std::vector<POINT> hit(static_cast<size_t>(columns) * rows, POINT{-1, -1});
    for (int y = std::max(top, 0); y < image.Height; ++y) {
        for (int x = 0; x < image.Width; ++x) {
            if (Near(image.At(x, y), rgb, 24)) {
                POINT& cell = hit[static_cast<size_t>(y / kCell) * columns + x / kCell];
                if (cell.x < 0) {
                    cell = POINT{x, y};
                }
            }
        }
    }
    std::vector<Blob> blobs;
    std::vector<char> seen(hit.size(), 0);
    std::vector<int> stack;
    for (int start = 0; start < static_cast<int>(hit.size()); ++start) {
        if (hit[start].x < 0 || seen[start] != 0) {
            continue;
        }
        RECT box{image.Width, image.Height, 0, 0};
        std::vector<POINT> points;
        stack.push_back(start);
        seen[start] = 1;
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            const POINT p = hit[at];
            points.push_back(p);
            box.left = std::min<LONG>(box.left, p.x);
            box.top = std::min<LONG>(box.top, p.y);
            box.right = std::max<LONG>(box.right, p.x);
            box.bottom = std::max<LONG>(box.bottom, p.y);
            const int cx = at % columns;
            const int cy = at / columns;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = cx + dx;
                    const int ny = cy + dy;
                    if (nx < 0 || ny < 0 || nx >= columns || ny >= rows) {
                        continue;
                    }
                    const int next = ny * columns + nx;
                    if (hit[next].x >= 0 && seen[next] == 0) {
                        seen[next] = 1;
                        stack.push_back(next);
                    }
                }
            }
        }
        // Aim at the coloured pixel nearest the middle, so the click lands on the word itself.
        const POINT middle{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
        POINT aim = points.front();
        long best = -1;
        for (const POINT& p : points) {
            const long d = (p.x - middle.x) * (p.x - middle.x) + (p.y - middle.y) * (p.y - middle.y);
            if (best < 0 || d < best) {
                best = d;
                aim = p;
            }
        }
        if (points.size() >= 3) { // a stray pixel or two is no word
            blobs.push_back(Blob{box, aim});
        }
    }
    return blobs;
}

void ClickAt(HWND window, int x, int y, bool right) {
    // Posted, not sent: a click that ends the game opens a modal dialog inside the handler.
    const LPARAM at = MAKELPARAM(x, y);
    PostMessageA(window, WM_MOUSEMOVE, 0, at);
    PostMessageA(window, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, at);
    PostMessageA(window, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::vector<NamedValue> TimedGame(DWORD seconds, DWORD randomFonts) {
    constexpr DWORD kPaleYellow = 0x0080FFFF, kDarkBlue = 0x00800000; // 0x00BBGGRR, as stored
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY); // the window keeps its look at any scale
    ReleaseDC(nullptr, screen);
    const auto scaled = [dpi](int pixels) { return static_cast<DWORD>(MulDiv(pixels, dpi, 96)); };
    return {{"ShowWelcomeDlg", 0},
            {"Sound", 0},
            {"RoundRobin", 0},
            {"Left", kPreparedLeft},
            {"Top", kPreparedTop},
            {"Width", scaled(640)},
            {"Height", scaled(480)},
            {"MinMax", 0},
            {"ForegroundColor", kPaleYellow},
            {"BackgroundColor", kDarkBlue},
            {"FontSize", 24},
            {"ColorDepth", 32},
            {"EndGameCondition", 1},
            {"TimeLimit", seconds},
            {"AddWordInterval", 5},
            {"WordLifespan", 40},
            {"FakeWordProbab", 50},
            {"FadeWords", 1},
            {"ExpireMistakes", 1},
            {"PenalizeMistakes", 0},
            {"HandicapSpeed", 0},
            {"AddWordsFaster", 0},
            {"PowerUps", 1},
            {"AnimateWords", 0},
            {"RandomFonts", randomFonts},
            {"ScoreValidWords", 1},
            {"ScoreBogusWords", 1},
            {"GenerateWords", 1},
            {"GenerateFakes", 7}};
}

HWND PlayUntilDialog(Game& game, DWORD timeoutMs, Clicks& clicks) {
    struct Recent {
        RECT Box;
        DWORD At;
    };
    std::vector<Recent> recent;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (HWND dialog = FindAnyDialog(game.Process.dwProcessId)) {
            return dialog;
        }
        Capture field;
        if (CaptureClient(game.Window, field)) {
            const int strip = field.Height / 15 + 8; // the score, clock and count across the top
            const DWORD now = GetTickCount();
            std::erase_if(recent, [now](const Recent& r) { return now - r.At > 1500; });
            for (const Blob& blob : FindColourBlobs(field, kWordPixel, strip)) {
                const bool fresh = std::none_of(recent.begin(), recent.end(), [&](const Recent& r) {
                    return blob.Aim.x >= r.Box.left - 4 && blob.Aim.x <= r.Box.right + 4 &&
                           blob.Aim.y >= r.Box.top - 4 && blob.Aim.y <= r.Box.bottom + 4;
                });
                if (fresh) {
                    const bool right = (clicks.Left + clicks.Right) % 3 == 1;
                    ClickAt(game.Window, blob.Aim.x, blob.Aim.y, right);
                    (right ? clicks.Right : clicks.Left) += 1;
                    recent.push_back(Recent{blob.Box, now});
                    break; // one click a round
                }
            }
        }
        if (WaitForSingleObject(game.Process.hProcess, 400) == WAIT_OBJECT_0) {
            return nullptr;
        }
    }
    return nullptr;
}

void Checks::operator()(bool ok, const std::string& what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.c_str());
    std::fflush(stdout);
    (ok ? Passed : Failed) += 1;
}
