#pragma once

// Operates modal dialogs from inside their own message loops, as a player would, so that the real
// dialog procedures run: each queued action answers the next new dialog window of this thread
// (nested ones and message boxes too) once it is visible and enabled. A dialog still open three
// seconds after the last action ends with kGaveUp, so no test hangs.

#include <windows.h>

#include <deque>
#include <functional>
#include <set>

class DialogDriver {
public:
    using Action = std::function<void(HWND dialog)>;
    static constexpr INT_PTR kGaveUp = -99;

    DialogDriver() : timer_(SetTimer(nullptr, 0, 10, &DialogDriver::OnTimer)) { Current() = this; }
    ~DialogDriver() {
        KillTimer(nullptr, timer_);
        Current() = nullptr;
    }

    void Then(Action action) { actions_.push_back(std::move(action)); }
    // Actions not yet run: 0 once every queued dialog has appeared.
    std::size_t Pending() const { return actions_.size(); }

private:
    static DialogDriver*& Current() {
        static DialogDriver* current = nullptr;
        return current;
    }
    static BOOL CALLBACK Collect(HWND window, LPARAM found) {
        char name[16] = "";
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window) && IsWindowEnabled(window)) {
            *reinterpret_cast<HWND*>(found) = window;
        }
        return TRUE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        DialogDriver* driver = Current();
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(&dialog));
        if (driver == nullptr || dialog == nullptr) {
            return;
        }
        if (!driver->actions_.empty() && driver->seen_.insert(dialog).second) {
            driver->idleTicks_ = 0;
            const Action action = std::move(driver->actions_.front());
            driver->actions_.pop_front();
            action(dialog);
        } else if (++driver->idleTicks_ > 300) {
            driver->idleTicks_ = 0;
            EndDialog(dialog, kGaveUp);
        }
    }

    std::deque<Action> actions_;
    std::set<HWND> seen_;
    UINT_PTR timer_ = 0;
    int idleTicks_ = 0;
};

// Presses a button the way a click does (BM_CLICK), which sends the dialog its command.
inline void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
// Types text into edit control id; the control notifies the dialog with EN_CHANGE.
inline void Type(HWND dialog, int id, const char* text) {
    SetDlgItemTextA(dialog, id, text);
}
