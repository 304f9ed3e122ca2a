#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

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
        // The redirection holds: the tests' own parent key is not visible any more.
        ASSERT_FALSE(KeyExists("Software\\LexiblastTests"));
    }

    void TearDown() override {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        if (Root != nullptr) {
            RegCloseKey(Root);
        }
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

    // Stores raw bytes under HKEY_CURRENT_USER\path, bypassing the program's own functions.
    static void StoreRaw(const char* path, const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    // The type and size of a stored value; type REG_NONE when it is missing.
    struct StoredValue {
        DWORD Type = REG_NONE;
        DWORD Size = 0;
    };
    static StoredValue Stored(const char* path, const char* name) {
        StoredValue value;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) == ERROR_SUCCESS) {
            if (RegQueryValueExA(key, name, nullptr, &value.Type, nullptr, &value.Size) != ERROR_SUCCESS) {
                value = StoredValue{};
            }
            RegCloseKey(key);
        }
        return value;
    }

    HKEY Root = nullptr;
    std::string Path;
};
