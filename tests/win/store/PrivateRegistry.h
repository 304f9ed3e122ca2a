#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// Gives each test a registry of its own: HKEY_CURRENT_USER is redirected to a fresh, empty key for
// the length of the test, and that key is deleted afterwards.
class PrivateRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        Path = std::string("Software\\LexiblastTests\\") + test->test_suite_name() + "." + test->name() +
               "." + std::to_string(GetCurrentProcessId());
        RegDeleteTreeA(HKEY_CURRENT_USER, Path.c_str());
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &Root, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, Root), ERROR_SUCCESS);
        ASSERT_FALSE(KeyExists("Software\\LexiblastTests")); // the redirection holds
    }

    void TearDown() override {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(Root);
        RegDeleteTreeA(HKEY_CURRENT_USER, Path.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\LexiblastTests"); // only once it is empty
    }

    static bool KeyExists(const char* path) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }

    // Stores raw bytes, bypassing the program's own functions.
    static void StoreRaw(const char* path, const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    // The type of a stored value (REG_NONE when it is missing) and its size in bytes.
    static DWORD StoredType(const char* path, const char* name, DWORD* size = nullptr) {
        DWORD type = REG_NONE;
        DWORD bytes = 0;
        if (RegGetValueA(HKEY_CURRENT_USER, path, name, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &bytes) !=
            ERROR_SUCCESS) {
            type = REG_NONE;
        }
        if (size != nullptr) {
            *size = bytes;
        }
        return type;
    }

    HKEY Root = nullptr;
    std::string Path;
};
