#pragma once

// The dialogs are operated from inside their own message loops, as a player would, so that the real
// dialog procedures run. Every test starts from the factory rule settings and a fresh user's
// preferences, with HKEY_CURRENT_USER redirected to a key of its own and the custom game's family
// current.

#include "dialogs/DialogHelpers.h"
#include "game/GameHost.h"
#include "rules/GameSettings.h"
#include "store/GameKey.h"
#include "store/Preferences.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

using DialogAction = std::function<void(HWND dialog)>;

namespace driver {
inline std::deque<DialogAction> Actions;
inline std::set<HWND> Seen;
inline int IdleTicks = 0;

// Gives the next action the newest dialog window of this thread (message boxes and choosers too);
// a dialog left open three seconds after the last action ends with -99, so no test hangs.
inline void CALLBACK Step(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = nullptr;
    const auto collect = [](HWND window, LPARAM found) CALLBACK -> BOOL {
        char name[16] = "";
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window) && IsWindowEnabled(window)) {
            *reinterpret_cast<HWND*>(found) = window;
        }
        return TRUE;
    };
    EnumThreadWindows(GetCurrentThreadId(), collect, reinterpret_cast<LPARAM>(&dialog));
    if (dialog != nullptr && !Actions.empty() && Seen.insert(dialog).second) {
        IdleTicks = 0;
        const DialogAction action = std::move(Actions.front());
        Actions.pop_front();
        action(dialog);
    } else if (dialog != nullptr && ++IdleTicks > 300) {
        EndDialog(dialog, -99);
    }
}
} // namespace driver

// Opens a dialog with open(), answers it and the dialogs it opens with the actions in order, and
// returns its result.
template <typename Open>
INT_PTR Drive(Open open, std::initializer_list<DialogAction> actions) {
    driver::Actions.assign(actions);
    driver::Seen.clear();
    driver::IdleTicks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, &driver::Step);
    const INT_PTR result = open();
    KillTimer(nullptr, timer);
    EXPECT_TRUE(driver::Actions.empty()) << "every queued dialog appeared";
    driver::Actions.clear();
    return result;
}
// Presses a button as a click does; BM_CLICK sends the dialog its command.
inline void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
inline DialogAction Press(std::initializer_list<int> ids) {
    return [ids = std::vector<int>(ids)](HWND dialog) {
        for (int id : ids) {
            Click(dialog, id);
        }
    };
}
inline std::string Caption(HWND window) {
    char text[4096] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}
inline std::string ItemText(HWND dialog, int id) {
    return Caption(GetDlgItem(dialog, id));
}

// A game's host that ends nothing.
struct QuietHost : GameHost {
    void EndGame(HWND, int) override {}
    void SetCurrentTitleId(unsigned) override {}
};

class DialogTest : public ::testing::Test {
protected:
    static constexpr char kRoot[] = "Software\\LexiblastDialogTests";
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);
        RegCreateKeyExA(HKEY_CURRENT_USER, kRoot, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root_, nullptr);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, root_), ERROR_SUCCESS);
        GameSettings = GameSettingsRecord{};
        Preferences = PreferencesRecord{};
        SetGameKey("Software\\Quillmoor\\Lexiblast\\Generic");
        CurrentTitleId = 0;
        StatsGame = nullptr;
    }
    void TearDown() override {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(root_);
        RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);
    }
    HKEY root_ = nullptr;
};
