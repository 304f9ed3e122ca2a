#pragma once

// The statistics and high-score dialogs on a registry of their own: HKEY_CURRENT_USER is redirected
// to a fresh key for each test and deleted afterwards. The custom game's family is current, outside
// the tour, with no title to append unless a test sets one.

#include "dialogs/DialogHelpers.h"
#include "rules/GameSettings.h"
#include "store/GameKey.h"
#include "support/DialogDriver.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

inline constexpr char kGenericKey[] = "Software\\Quillmoor\\Lexiblast\\Generic";
inline constexpr char kGenericList[] = "Software\\Quillmoor\\Lexiblast\\Generic\\HighScores";

class ScoreDialogFixture : public ::testing::Test {
protected:
    static constexpr char kRoot[] = "Software\\LexiblastDialogTests";
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kRoot, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root_,
                                  nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, root_), ERROR_SUCCESS);
        GameSettings = GameSettingsRecord{};
        SetGameKey(kGenericKey);
        CurrentTitleId = 0;
    }
    void TearDown() override {
        GameSettings = GameSettingsRecord{};
        CurrentTitleId = 0;
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(root_);
        RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);
    }

    // Values read back and stored without the program's own functions; a missing one reads as
    // -12345 or "(missing)".
    static std::int32_t StoredDword(const char* name) {
        std::int32_t value = -12345;
        DWORD size = sizeof value;
        RegGetValueA(HKEY_CURRENT_USER, kGenericKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
        return value;
    }
    static void StoreText(const std::string& name, const std::string& text) {
        RegSetKeyValueA(HKEY_CURRENT_USER, kGenericList, name.c_str(), REG_SZ, text.c_str(),
                        static_cast<DWORD>(text.size() + 1));
    }
    static std::string StoredText(const std::string& name) {
        char text[1024] = "(missing)";
        DWORD size = sizeof text;
        RegGetValueA(HKEY_CURRENT_USER, kGenericList, name.c_str(), RRF_RT_REG_SZ, nullptr, text, &size);
        return text;
    }

    static std::string Text(HWND dialog, int id) { return Caption(GetDlgItem(dialog, id)); }
    static std::string Caption(HWND window) {
        char text[1024] = "";
        GetWindowTextA(window, text, sizeof text);
        return text;
    }

private:
    HKEY root_ = nullptr;
};
