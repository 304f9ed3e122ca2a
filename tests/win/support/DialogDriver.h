#pragma once

// Operates modal dialogs from inside their own message loops, the way a player would, so that the
// real dialog procedures run. Queue one action per dialog window that will appear, in order, then
// open the first dialog:
//
//     DialogDriver driver;
//     driver.Then([](HWND dialog) { Click(dialog, 1008); Click(dialog, IDOK); });
//     const INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(149), owner, Procedure, 0);
//
// An action runs once the next new dialog window of this thread (dialogs, message boxes, the colour
// and font choosers) is visible and enabled. A dialog that an action leaves open is still open when
// the driver gives up after a few seconds: it then ends it with result -99, so a test never hangs.

#include <windows.h>

#include <deque>
#include <functional>
#include <set>

class DialogDriver {
public:
    using Action = std::function<void(HWND dialog)>;
    static constexpr INT_PTR kGaveUp = -99;

    DialogDriver() {
        Current() = this;
        timer_ = SetTimer(nullptr, 0, 10, &DialogDriver::OnTimer);
    }
    ~DialogDriver() {
        KillTimer(nullptr, timer_);
        Current() = nullptr;
    }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    void Then(Action action) { actions_.push_back(std::move(action)); }
    // Actions not yet run: 0 once every queued dialog has appeared.
    std::size_t Pending() const { return actions_.size(); }

private:
    static DialogDriver*& Current() {
        static DialogDriver* current = nullptr;
        return current;
    }

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        DialogDriver* driver = Current();
        // This also runs inside the loop of a dialog that an action opened, so nested dialogs are
        // answered too.
        if (driver != nullptr) {
            driver->Step();
        }
    }

    static BOOL CALLBACK Collect(HWND window, LPARAM found) {
        char name[16] = "";
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window) && IsWindowEnabled(window)) {
            *reinterpret_cast<HWND*>(found) = window;
        }
        return TRUE;
    }

    void Step() {
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &DialogDriver::Collect, reinterpret_cast<LPARAM>(&dialog));
        if (dialog == nullptr) {
            return;
        }
        if (seen_.count(dialog) == 0 && !actions_.empty()) {
            seen_.insert(dialog);
            idleTicks_ = 0;
            Action action = std::move(actions_.front());
            actions_.pop_front();
            action(dialog);
            return;
        }
        // A dialog left open with nothing more to do ends after about three seconds.
        if (++idleTicks_ > 300) {
            idleTicks_ = 0;
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
