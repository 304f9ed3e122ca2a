#pragma once

// Every dialog test starts from the factory rule settings and a fresh user's preferences, with
// HKEY_CURRENT_USER redirected to a key of its own and the custom game's family current.

#include "dialogs/DialogHelpers.h"
#include "game/GameHost.h"
#include "rules/GameSettings.h"
#include "store/GameKey.h"
#include "store/Preferences.h"
#include "support/DialogDriver.h"

#include <gtest/gtest.h>

#include <vector>

using DialogAction = DialogDriver::Action;
// Opens a dialog with open(), answers it and the dialogs it opens in order, and returns its result.
template <typename Open>
INT_PTR Drive(Open open, std::initializer_list<DialogAction> actions) {
    const DialogDriver driver(actions);
    const INT_PTR result = open();
    EXPECT_EQ(driver.Pending(), 0u) << "every queued dialog appeared";
    return result;
}
inline DialogAction Press(std::initializer_list<int> ids) {
    return [ids = std::vector<int>(ids)](HWND dialog) {
        for (int id : ids) {
            Click(dialog, id);
        }
    };
}

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
    }
    void TearDown() override {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(root_);
        RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);
    }
    HKEY root_ = nullptr;
};
