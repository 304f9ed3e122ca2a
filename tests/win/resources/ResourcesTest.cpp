#include "resources/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::string Text(unsigned id) {
    char buffer[1024] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// Spot checks of the texts a resource script gets wrong most easily: line breaks, inner quotes, a
// trailing blank, percent signs and the displays' templates.
TEST(ResourcesTest, TextsAreHeldWordForWord) {
    EXPECT_EQ(Text(IDS_STAGE1_TITLE), "Stage 1 - Find Fifty");
    EXPECT_EQ(Text(IDS_STAGE9_TITLE), "Stage 9 - Limited Infinity");
    EXPECT_EQ(
        Text(IDS_ASK_RESET_STATS),
        "This action will erase your average score, games played, and win-loss percentage (setting them "
        "all back to zero).\r\nAre you sure you want to proceed?");
    EXPECT_NE(Text(IDS_NO_DICTIONARY).find(" called \"words.lst\".  Please"), std::string::npos);
    EXPECT_EQ(Text(IDS_STAGE7_DESCRIPTION).back(), ' ');
    EXPECT_EQ(Text(IDS_COUNT_AND_PERCENT), "%d (%d%%)");
    EXPECT_EQ(Text(IDS_SCORE_COUNTER) + Text(IDS_WORDS_COUNTER) + Text(IDS_CLOCK_COUNTER),
              "Score: %dWords: %d%02d:%02d:%d00");
    std::set<std::string> names; // the high-score list's default names, all different
    for (unsigned id = IDS_PLAYER_NAME_FIRST; id <= IDS_PLAYER_NAME_LAST; ++id) {
        names.insert(Text(id));
    }
    EXPECT_EQ(names.size(), 20u);
    EXPECT_EQ(names.count(""), 0u);
}

// The program's icon and the cursors of the field are there.
TEST(ResourcesTest, EveryIconExists) {
    for (const unsigned id : {IDI_LEXIBLAST, IDI_FAKE_ZAPPED_CURSOR, IDI_ZAP_CURSOR,
                              IDI_WORD_ELIMINATED_CURSOR, IDI_ELIMINATE_CURSOR}) {
        EXPECT_NE(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 32, 32, LR_SHARED),
                  nullptr)
            << id;
    }
}

} // namespace

// The built program, beside the tests.
std::string Program() {
    char path[MAX_PATH] = {};
    const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of("\\/") + 1) + "lexiblast.exe";
}

// The program's version information carries the project's version, name and description.
TEST(ResourcesTest, TheProgramsVersionIsTheProjects) {
    const std::string program = Program();
    std::string info(GetFileVersionInfoSizeA(program.c_str(), nullptr), '\0');
    ASSERT_TRUE(GetFileVersionInfoA(program.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
    const DWORD ms = fixed->dwFileVersionMS, ls = fixed->dwFileVersionLS;
    EXPECT_EQ(std::to_string(ms >> 16) + "." + std::to_string(ms & 0xFFFF) + "." + std::to_string(ls >> 16) +
                  "." + std::to_string(ls & 0xFFFF),
              LEXIBLAST_VERSION);
    const auto value = [&](const char* name) {
        char* text = nullptr;
        const std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
        return VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&text), &size)
                   ? std::string(text)
                   : "";
    };
    EXPECT_EQ(value("ProductVersion"), LEXIBLAST_VERSION);
    EXPECT_EQ(value("ProductName"), "Lexiblast");
    EXPECT_EQ(value("FileDescription"), "Lexiblast word game");
}

// The program's manifest, read back from the built program: visual styles for the dialogs, drawing
// at the screen's scale per monitor with the system's scale to fall back on, the systems it runs on
// and no request for rights beyond the player's.
TEST(ResourcesTest, TheProgramDeclaresWhatItNeedsInItsManifest) {
    const std::string program = Program();
    const HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << program;
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                               SizeofResource(module, found));
    FreeLibrary(module);
    const auto declares = [&](const char* text) { return manifest.find(text) != std::string::npos; };
    EXPECT_TRUE(declares("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    EXPECT_TRUE(declares(">PerMonitorV2, System</dpiAwareness>"));
    EXPECT_TRUE(declares(">true</dpiAware>"));
    EXPECT_TRUE(declares("<requestedExecutionLevel level=\"asInvoker\""));
    EXPECT_TRUE(declares("{35138b9a-5d96-4fbd-8e2d-a2440225f93a}")); // Windows 7, the oldest
    EXPECT_TRUE(declares("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}")); // Windows 10 and 11
}

// The tests carry the same manifest, so they run the way the program does, with the common controls
// of version 6 from the side-by-side store.
TEST(ResourcesTest, TheManifestTakesEffect) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(LoadLibraryA("comctl32.dll"), path, MAX_PATH);
    CharLowerA(path);
    EXPECT_NE(std::string(path).find("common-controls_6595b64144ccf1df_6."), std::string::npos) << path;
}
