#pragma once

// Operates modal dialogs from inside their own message loops, as a player would: queue one action
// per dialog window that will appear, in order, then open the first. Each action runs once the next
// new dialog of this thread (nested ones too) is visible and enabled; a dialog left open with nothing
// queued is ended after about three seconds.

#include <windows.h>

#include <deque>
#include <functional>
#include <set>
#include <string>

class DialogDriver {
public:
    using Action = std::function<void(HWND dialog)>;

    explicit DialogDriver(std::initializer_list<Action> actions = {})
        : actions_(actions), timer_(SetTimer(nullptr, 0, 10, &DialogDriver::OnTimer)) {
        current_ = this;
    }
    ~DialogDriver() { KillTimer(nullptr, timer_), current_ = nullptr; }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    void Then(Action action) { actions_.push_back(std::move(action)); }
    // Actions not yet run: 0 once every queued dialog has appeared.
    std::size_t Pending() const { return actions_.size(); }

private:
    static inline DialogDriver* current_ = nullptr;

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &DialogDriver::Collect, reinterpret_cast<LPARAM>(&dialog));
        if (current_ == nullptr || dialog == nullptr) {
            return;
        }
        if (!current_->actions_.empty() && current_->seen_.insert(dialog).second) {
            current_->idleTicks_ = 0;
            const Action action = std::move(current_->actions_.front());
            current_->actions_.pop_front();
            action(dialog);
        } else if (++current_->idleTicks_ > 300) {
            current_->idleTicks_ = 0;
            EndDialog(dialog, -99);
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

    std::deque<Action> actions_;
    std::set<HWND> seen_;
    UINT_PTR timer_ = 0;
    int idleTicks_ = 0;
};

// Presses a button as a click does, which sends the dialog its command.
inline void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
// The text of control id of a window, or with id 0 its own caption.
inline std::string Text(HWND window, int id = 0) {
    char text[4096] = "";
    GetWindowTextA(id == 0 ? window : GetDlgItem(window, id), text, sizeof text);
    return text;
}
