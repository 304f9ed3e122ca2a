#pragma once

// The statistics and high-score dialogs on a registry of their own: HKEY_CURRENT_USER is redirected
// to a fresh key for the length of each test and deleted afterwards. The custom game's family is
// current, outside the tour, with no title to append unless a test sets one.

#include "dialogs/DialogHelpers.h"
#include "rules/GameSettings.h"
#include "store/GameKey.h"
#include "support/DialogDriver.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

inline constexpr char kGenericKey[] = "Software\\Quillmoor\\Lexiblast\\Generic";
inline constexpr char kGenericList[] = "Software\\Quillmoor\\Lexiblast\\Generic\\HighScores";

class ScoreDialogFixture : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = "Software\\LexiblastDialogTests\\" + std::to_string(GetCurrentProcessId());
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &root_, nullptr),
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
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\LexiblastDialogTests");
    }

    static void StoreDword(const char* path, const char* name, std::int32_t value) {
        RegSetKeyValueA(HKEY_CURRENT_USER, path, name, REG_DWORD, &value, sizeof value);
    }
    static std::optional<std::int32_t> StoredDword(const char* path, const char* name) {
        std::int32_t value = 0;
        DWORD size = sizeof value;
        return RegGetValueA(HKEY_CURRENT_USER, path, name, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
                       ERROR_SUCCESS
                   ? std::optional(value)
                   : std::nullopt;
    }
    static void StoreText(const char* path, const char* name, const std::string& text) {
        RegSetKeyValueA(HKEY_CURRENT_USER, path, name, REG_SZ, text.c_str(),
                        static_cast<DWORD>(text.size() + 1));
    }
    static std::optional<std::string> StoredText(const char* path, const char* name) {
        char text[1024];
        DWORD size = sizeof text;
        return RegGetValueA(HKEY_CURRENT_USER, path, name, RRF_RT_REG_SZ, nullptr, text, &size) ==
                       ERROR_SUCCESS
                   ? std::optional<std::string>(text)
                   : std::nullopt;
    }

    static std::string Text(HWND dialog, int id) {
        char text[1024] = "";
        GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }
    static std::string Caption(HWND window) {
        char text[1024] = "";
        GetWindowTextA(window, text, sizeof text);
        return text;
    }

private:
    HKEY root_ = nullptr;
    std::string path_;
};
