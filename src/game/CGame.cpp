#include "game/CGame.h"

#include "gfx/Diagnostics.h"
#include "resources/resource.h"
#include "rules/Statistics.h"
#include "sound/Sound.h"
#include "store/GameKey.h"
#include "store/Preferences.h"
#include "store/Registry.h"

#include <utility>

namespace {

constexpr std::size_t kInitialUndoCapacity = 32;

} // namespace

CGame::CGame(GameHost& host, HINSTANCE instance, Dictionary* words)
    : Instance(instance), Words(words), Host(host) {
    UndoStack.reserve(kInitialUndoCapacity);
    TakeColours();
    SetGameKey(kGenericGameKey);
    Host.SetCurrentTitleId(IDS_CUSTOM_TITLE);
}

CGame::~CGame() = default;

void CGame::TakeColours() {
    Buffer.TextColour = Preferences.ForegroundColor;
    Buffer.SetBackgroundColour(Preferences.BackgroundColor);
}

void CGame::OnIdle() {}

int CGame::OnCommand(HWND /*window*/, int /*command*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return 0;
}

int CGame::OnPaint(HWND window, HDC dc) {
    if (LaidOut == 0) {
        Layout(window, dc);
    }
    Buffer.BeginDraw(window, dc);
    Buffer.EndDraw(nullptr);
    return 1;
}

int CGame::OnSettingsChanged(HWND window, HDC dc) {
    TakeColours();
    Layout(window, dc);
    InvalidateRect(window, nullptr, TRUE);
    OnPaint(window, dc);
    return 1;
}

int CGame::OnTimer(HWND /*window*/, UINT /*timerId*/) {
    return 0;
}

int CGame::OnSize(HWND window, UINT /*sizeType*/, int width, int height) {
    LaidOut = 0;
    Buffer.Resize(window, width, height);
    return 1;
}

int CGame::OnEraseBackground(HWND window, HDC dc) {
    RECT client{0, 0, 0, 0};
    GetClientRect(window, &client);
    Buffer.Resize(window, client.right - client.left, client.bottom - client.top);
    DebugOutput("CGame::OnEraseBackground");
    Buffer.BeginDraw(window, dc);
    Buffer.EraseBackground(nullptr);
    Buffer.EndDraw(nullptr);
    return 1;
}

int CGame::Undo(HWND /*window*/) {
    if (UndoStack.empty()) {
        return 0;
    }
    UndoStack.pop_back();
    return 1;
}

void CGame::PushUndo(std::unique_ptr<UndoRecord> record) {
    if (record != nullptr) {
        UndoStack.push_back(std::move(record));
    }
}

int CGame::OnMouseMove(HWND /*window*/, int /*x*/, int /*y*/, UINT /*keys*/) {
    return 1;
}

int CGame::OnLButtonDown(HWND window, int /*x*/, int /*y*/, UINT /*keys*/) {
    SetCapture(window);
    return 1;
}

int CGame::OnLButtonUp(HWND /*window*/, int /*x*/, int /*y*/, UINT /*keys*/) {
    ReleaseCapture();
    return 1;
}

int CGame::OnLButtonDblClk(HWND window, int x, int y, UINT keys) {
    return OnLButtonDown(window, x, y, keys);
}

int CGame::OnRButtonDown(HWND /*window*/, int /*x*/, int /*y*/, UINT /*keys*/) {
    return 1;
}

int CGame::OnRButtonUp(HWND /*window*/, int /*x*/, int /*y*/, UINT /*keys*/) {
    return 1;
}

int CGame::OnRButtonDblClk(HWND window, int x, int y, UINT keys) {
    return OnRButtonDown(window, x, y, keys);
}

int CGame::OnKeyUp(HWND /*window*/) {
    return 0;
}

int CGame::OnKeyDown(HWND /*window*/) {
    return 0;
}

int CGame::OnKeyLeft(HWND /*window*/) {
    return 0;
}

int CGame::OnKeyRight(HWND /*window*/) {
    return 0;
}

int CGame::OnKeySpace(HWND /*window*/) {
    return 0;
}

std::int32_t CGame::Score() {
    return 0;
}

void CGame::OnGameOver(HWND /*window*/, int reason) {
    if (reason == EndCompleted || reason == EndTimeUp) {
        PlaySoundEffect(IDW_GAME_WON);
    }
}

unsigned CGame::DescriptionId() {
    return IDS_CUSTOM_DESCRIPTION;
}

unsigned CGame::TitleId() {
    return IDS_CUSTOM_TITLE;
}

void CGame::StartTimers(HWND /*window*/) {}

void CGame::StopTimers(HWND /*window*/) {}

int CGame::Layout(HWND /*window*/, HDC /*dc*/) {
    LaidOut = 1;
    return 1;
}
