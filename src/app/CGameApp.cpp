#include "app/CGameApp.h"

#include "dialogs/DialogHelpers.h"
#include "gfx/Diagnostics.h"
#include "gfx/Gdi.h"
#include "resources/resource.h"
#include "rules/GameSettings.h"
#include "rules/Statistics.h"
#include "store/Preferences.h"
#include "words/CText.h"
#include "words/Random.h"

#include <windowsx.h>

#include <ctime>

CGameApp App;

namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE;
constexpr DWORD kWindowExStyle = WS_EX_CLIENTEDGE;
constexpr std::int32_t kFullColourBits = 24;
constexpr std::int32_t kDefaultWidth = 640;
constexpr std::int32_t kDefaultHeight = 440;
constexpr std::int32_t kSmallWindowSize = 458; // what a stored size too small to play in becomes

CGameApp* AppOf(HWND window) {
    return reinterpret_cast<CGameApp*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Milliseconds since the process was created.
std::int64_t MillisecondsSinceStart() {
    FILETIME created{}, exited{}, kernel{}, user{}, now{};
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        return -1;
    }
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<std::int64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return (ticks(now) - ticks(created)) / 10000; // 100 ns units
}

// The screen's scale in dots an inch (96 at 100%).
int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

// The window's default size at a scale of dpi dots an inch: 640 x 440 at 96.
SIZE DefaultSize(int dpi) {
    return SIZE{MulDiv(kDefaultWidth, dpi, USER_DEFAULT_SCREEN_DPI),
                MulDiv(kDefaultHeight, dpi, USER_DEFAULT_SCREEN_DPI)};
}

} // namespace

void FitPlacement(WindowPlacement& placement, int screenWidth, int screenHeight, int iconWidth,
                  int iconHeight, int dpi) {
    if (placement.Left < 0 || placement.Left > screenWidth - iconWidth) {
        placement.Left = 0;
    }
    if (placement.Top < 0 || placement.Top > screenHeight - iconHeight) {
        placement.Top = 0;
    }
    if (placement.Width > screenWidth) {
        placement.Width = DefaultSize(dpi).cx;
    }
    if (placement.Height > screenHeight) {
        placement.Height = DefaultSize(dpi).cy;
    }
    if (placement.Width < CGameApp::kSmallestClient) {
        placement.Width = kSmallWindowSize;
    }
    if (placement.Height < CGameApp::kSmallestClient) {
        placement.Height = kSmallWindowSize;
    }
}

CGameApp::~CGameApp() = default;

// --- Start-up ------------------------------------------------------------------------------------

void CGameApp::RegisterWindowClass(HINSTANCE instance) {
    Instance = instance;
    const CText className(IDS_WINDOW_CLASS);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_LEXIBLAST));
    windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_LEXIBLAST), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
    windowClass.lpszClassName = className.Length > 0 ? className.Str() : "MAIN";
    RegisterClassExA(&windowClass);
}

bool CGameApp::CreateMainWindow(HINSTANCE instance, int showCommand) {
    Instance = instance;
    // A first start opens the window at the screen's scale.
    const int dpi = ScreenDpi();
    WindowPlacement initial;
    initial.Width = DefaultSize(dpi).cx;
    initial.Height = DefaultSize(dpi).cy;
    LoadPreferences(Placement, initial);
    FitPlacement(Placement, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                 GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), dpi);

    if (LoadStringA(instance, IDS_APP_TITLE, BaseTitle, kTitleSize) <= 0) {
        BaseTitle[0] = '\0';
    }
    const CText className(IDS_WINDOW_CLASS);
    const HWND window = CreateWindowExA(kWindowExStyle, className.Length > 0 ? className.Str() : "MAIN",
                                        BaseTitle, kWindowStyle, Placement.Left, Placement.Top,
                                        Placement.Width, Placement.Height, nullptr, nullptr, instance, this);

    RECT smallest{0, 0, kSmallestClient, kSmallestClient};
    AdjustWindowRectEx(&smallest, kWindowStyle, TRUE, kWindowExStyle);
    SmallestWindow = SIZE{smallest.right - smallest.left, smallest.bottom - smallest.top};

    if (window == nullptr) {
        ShowLastError();
        return false;
    }
    Window = window;
    SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)));

    ShowWindow(window, showCommand);
    UpdateWindow(window);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    ShowWindow(window, Placement.MinMax == WindowPlacement::kMaximised ? SW_MAXIMIZE : SW_SHOWNORMAL);
    if (!UpdateWindow(window)) {
        ShowLastError();
    }
    CheckColourDepth(window);

    if (Preferences.ShowWelcomeDlg != 0) {
        SendMessageA(window, WM_COMMAND, IDM_WELCOME, 0);
    }
    NewGame(window, GameSettings.RoundRobin != 0 ? kNextStage : kThisMode);
    return Game != nullptr;
}

void CGameApp::CheckColourDepth(HWND window) {
    const WindowDC dc(window);
    if (dc.Get() == nullptr) {
        return;
    }
    const std::int32_t depth = GetDeviceCaps(dc.Get(), BITSPIXEL) * GetDeviceCaps(dc.Get(), PLANES);
    if (depth >= kFullColourBits) {
        Preferences.ColorDepth = depth;
    } else if (Preferences.ColorDepth != 0) {
        const CText text(IDS_LOW_COLOR_DEPTH);
        const CText caption(IDS_WARNING_CAPTION);
        MessageBoxA(window, text.Str(), caption.Str(), MB_OK);
        Preferences.ColorDepth = 0;
    }
}

void CGameApp::LoadAcceleratorTable() {
    Accelerators = LoadAcceleratorsA(Instance, MAKEINTRESOURCEA(IDA_MAIN));
    if (Accelerators == nullptr) {
        ShowLastError();
    }
}

void CGameApp::HandleLoopMessage(MSG& message) {
    if (Accelerators == nullptr || !TranslateAcceleratorA(message.hwnd, Accelerators, &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    OnIdle();
}

int CGameApp::Run() {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        HandleLoopMessage(message);
    }
    return static_cast<int>(message.wParam);
}

void CGameApp::OnIdle() {
    if (Game != nullptr) {
        Game->OnIdle();
    }
}

// --- Pausing -------------------------------------------------------------------------------------

void CGameApp::ShowRunningTitle(HWND window) {
    SetWindowTextA(window, BaseTitle);
    if (GameSettings.RoundRobin != 0) {
        AppendToTitle(window, IDS_ROUND_ROBIN_TOUR);
        AppendToTitle(window, CurrentTitleId);
    }
}

void CGameApp::PauseShowing(HWND window, unsigned suffixId) {
    // Built on the running title, so that a second reason to stand still (the end of a paused game)
    // replaces the first instead of piling up behind it.
    ShowRunningTitle(window);
    AppendToTitle(window, suffixId);
    if (!Paused) {
        Paused = true;
        StopClock(window);
    }
}

void CGameApp::SetPaused(HWND window, bool on) {
    if (on) {
        PauseShowing(window, GameEnded ? IDS_GAME_OVER : IDS_PAUSED);
        return;
    }
    ShowRunningTitle(window);
    if (Paused) {
        Paused = false;
        StartClock(window);
    }
}

void CGameApp::StartClock(HWND window) {
    ClockTimer = SetTimer(window, IDT_CLOCK, 1000, nullptr);
    if (Game != nullptr) {
        Game->StartTimers(window);
    }
}

void CGameApp::StopClock(HWND window) {
    if (ClockTimer != 0) {
        KillTimer(window, ClockTimer);
    }
    if (Game != nullptr) {
        Game->StopTimers(window);
    }
}

// --- Shut-down -----------------------------------------------------------------------------------

void CGameApp::CloseMainWindow(HWND window) {
    if (Game != nullptr && !GameEnded) {
        EndGame(window, EndAbandoned);
    }
    WINDOWPLACEMENT shown{};
    shown.length = sizeof shown;
    if (GetWindowPlacement(window, &shown)) {
        const RECT& normal = shown.rcNormalPosition;
        Placement.Left = normal.left;
        Placement.Top = normal.top;
        Placement.Width = normal.right - normal.left;
        Placement.Height = normal.bottom - normal.top;
        Placement.MinMax = shown.showCmd == SW_SHOWMAXIMIZED ? WindowPlacement::kMaximised : 0;
    }
    SavePreferences(Placement);
}

// --- The window procedure ------------------------------------------------------------------------

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    CGameApp* app = AppOf(window);
    return app != nullptr ? app->WindowProc(window, message, wParam, lParam)
                          : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CGameApp::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleMessage(window, message, wParam, lParam, result)) {
        return result;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool CGameApp::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return true;
    case WM_SIZE:
        return Game != nullptr &&
               Game->OnSize(window, static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)) > 0;
    case WM_SETFOCUS:
        if (Game != nullptr && Paused && !GameEnded) {
            SetPaused(window, false);
            return true;
        }
        return false;
    case WM_KILLFOCUS:
        if (Game != nullptr && !Paused) {
            SetPaused(window, true);
            return true;
        }
        return false;
    case WM_PAINT:
        return OnPaint(window);
    case WM_CLOSE:
    case WM_ENDSESSION:
        CloseMainWindow(window);
        return false;
    case WM_ERASEBKGND:
        return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_WINDOWPOSCHANGING: {
        auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
        if (position == nullptr) {
            return false;
        }
        if (position->cx < SmallestWindow.cx) {
            position->cx = SmallestWindow.cx;
        }
        if (position->cy < SmallestWindow.cy) {
            position->cy = SmallestWindow.cy;
        }
        return true;
    }
    case WM_DPICHANGED: {
        // Moved to a screen of another scale: take the size the system suggests for it; the field
        // lays itself out again at the new size.
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        if (suggested == nullptr) {
            return false;
        }
        SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }
    case WM_KEYDOWN:
        return OnKeyDown(window, wParam);
    case WM_COMMAND:
        return OnCommand(window, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_TIMER:
        return Game != nullptr && Game->OnTimer(window, static_cast<UINT>(wParam)) > 0;
    case WM_INITMENU:
        if (Game != nullptr && !Paused) {
            SetPaused(window, true);
            return true;
        }
        return false;
    case WM_MENUSELECT:
        if (HIWORD(wParam) != 0xFFFF || lParam != 0) {
            return false;
        }
        if (Game != nullptr && Paused && !GameEnded) {
            SetPaused(window, false);
        }
        return true;
    case WM_PALETTECHANGED:
        return reinterpret_cast<HWND>(wParam) == window;
    default:
        if (message >= WM_MOUSEMOVE && message <= WM_RBUTTONDBLCLK) {
            return OnMouse(window, message, wParam, lParam);
        }
        return false;
    }
}

bool CGameApp::OnPaint(HWND window) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(window, &paint);
    int painted = 0;
    if (Game != nullptr) {
        painted = Game->OnPaint(window, dc);
    }
    EndPaint(window, &paint);
    if (painted != 0) {
        NoteFirstFrame(window);
    }
    return painted != 0;
}

void CGameApp::NoteFirstFrame(HWND window) {
    if (FirstFrameShown) {
        return;
    }
    FirstFrameShown = true;
    const std::int64_t elapsed = MillisecondsSinceStart();
    SetPropA(window, kFirstFramePropName,
             reinterpret_cast<HANDLE>(static_cast<INT_PTR>(elapsed < 1 ? 1 : elapsed)));
}

bool CGameApp::OnEraseBackground(HWND window, HDC dc) {
    if (Game != nullptr) {
        return Game->OnEraseBackground(window, dc) > 0;
    }
    RECT client{0, 0, 0, 0};
    GetClientRect(window, &client);
    const GdiObject<HBRUSH> brush(CountedCreateSolidBrush(Preferences.BackgroundColor));
    if (!brush) {
        ShowLastError();
        return false;
    }
    const SelectedObject selected(dc, brush.Get());
    if (!PatBlt(dc, client.left, client.top, client.right - client.left, client.bottom - client.top,
                PATCOPY)) {
        ShowLastError();
        return false;
    }
    return true;
}

bool CGameApp::OnKeyDown(HWND window, WPARAM key) {
    if (Game == nullptr || Paused || GameEnded) {
        return false;
    }
    switch (key) {
    case VK_UP:
    case VK_NUMPAD8:
        return Game->OnKeyUp(window) != 0;
    case VK_DOWN:
    case VK_NUMPAD2:
        return Game->OnKeyDown(window) != 0;
    case VK_LEFT:
    case VK_NUMPAD4:
        return Game->OnKeyLeft(window) != 0;
    case VK_RIGHT:
    case VK_NUMPAD6:
        return Game->OnKeyRight(window) != 0;
    case VK_SPACE:
    case VK_NUMPAD5:
        return Game->OnKeySpace(window) != 0;
    default:
        return false;
    }
}

bool CGameApp::OnMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (Game == nullptr || GameEnded || Paused) {
        return false;
    }
    const UINT keys = static_cast<UINT>(wParam);
    // The pointer may be left of or above the window while a button holds the capture.
    const int x = message == WM_MOUSEMOVE ? GET_X_LPARAM(lParam) : LOWORD(lParam);
    const int y = message == WM_MOUSEMOVE ? GET_Y_LPARAM(lParam) : HIWORD(lParam);
    int handled = 0;
    switch (message) {
    case WM_MOUSEMOVE:
        handled = Game->OnMouseMove(window, x, y, keys);
        break;
    case WM_LBUTTONDOWN:
        handled = Game->OnLButtonDown(window, x, y, keys);
        break;
    case WM_LBUTTONUP:
        handled = Game->OnLButtonUp(window, x, y, keys);
        break;
    case WM_LBUTTONDBLCLK:
        handled = Game->OnLButtonDblClk(window, x, y, keys);
        break;
    case WM_RBUTTONDOWN:
        handled = Game->OnRButtonDown(window, x, y, keys);
        break;
    case WM_RBUTTONUP:
        handled = Game->OnRButtonUp(window, x, y, keys);
        break;
    default: // WM_RBUTTONDBLCLK
        handled = Game->OnRButtonDblClk(window, x, y, keys);
        break;
    }
    return handled != 0;
}
