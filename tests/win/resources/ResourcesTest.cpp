#include "resources/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

std::string Text(unsigned id) {
    char buffer[1024] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// The texts with line breaks, inner quotes, a trailing blank or a percent sign are the ones a
// resource script gets wrong most easily.
TEST(ResourcesTest, StringTableHoldsTheProgramsTexts) {
    EXPECT_EQ(Text(IDS_APP_TITLE), "Lexiblast");
    EXPECT_EQ(Text(IDS_WINDOW_CLASS), "MAIN");
    EXPECT_EQ(
        Text(IDS_ASK_RESET_STATS),
        "This action will erase your average score, games played, and win-loss percentage (setting them "
        "all back to zero).\r\nAre you sure you want to proceed?");
    EXPECT_EQ(
        Text(IDS_NO_DICTIONARY),
        "Lexiblast failed to load its dictionary of words.  The dictionary should be found in a file called "
        "\"words.lst\".  Please make sure an original and uncorrputed version of this file is present in "
        "the game's working folder and try again.");
    EXPECT_NE(Text(IDS_STAGE3_DESCRIPTION).find("!  Most of the \"words\" you'll see"), std::string::npos);
    EXPECT_NE(Text(IDS_STAGE6_DESCRIPTION).find("!  Most of the \"fakes\" you'll see"), std::string::npos);
    const std::string anyFifty = Text(IDS_STAGE7_DESCRIPTION);
    const std::string ending = "by reaching 50 faster. "; // with its trailing blank
    ASSERT_GT(anyFifty.size(), ending.size());
    EXPECT_EQ(anyFifty.substr(anyFifty.size() - ending.size()), ending);
    EXPECT_EQ(Text(IDS_SELECT_GAME_HINT).substr(0, 6), "\n<--- ");
    EXPECT_NE(Text(IDS_SELECT_GAME_HINT).find("here.\n\nClick"), std::string::npos);
    EXPECT_EQ(Text(IDS_COUNT_AND_PERCENT), "%d (%d%%)");
    EXPECT_EQ(Text(IDS_CLOCK_COUNTER), "%02d:%02d:%d00");
    EXPECT_EQ(Text(IDS_TOUR_HIGH_SCORES_HEADING), "The top ten Round Robin scores are:");
    EXPECT_FALSE(Text(IDS_CUSTOM_DESCRIPTION).empty());

    std::set<std::string> names;
    for (unsigned id = IDS_PLAYER_NAME_FIRST; id <= IDS_PLAYER_NAME_LAST; ++id) {
        EXPECT_FALSE(Text(id).empty()) << id;
        names.insert(Text(id));
    }
    EXPECT_EQ(names.size(), 20u);
}

TEST(ResourcesTest, VersionIsOnePointZeroPointZeroPointTwo) {
    char path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeA(path, &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000002u);
}

} // namespace
