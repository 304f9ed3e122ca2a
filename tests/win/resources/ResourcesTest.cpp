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

// The texts with line breaks, inner quotes, a trailing blank or a percent sign are the ones a
// resource script gets wrong most easily.
TEST(ResourcesTest, StringTableHoldsTheProgramsTexts) {
    EXPECT_EQ(Text(IDS_APP_TITLE), "Lexiblast");
    EXPECT_EQ(Text(IDS_WINDOW_CLASS), "MAIN");
    EXPECT_TRUE(
        Text(IDS_ASK_RESET_STATS).ends_with("all back to zero).\r\nAre you sure you want to proceed?"));
    EXPECT_NE(Text(IDS_NO_DICTIONARY).find("called \"words.lst\".  Please"), std::string::npos);
    EXPECT_NE(Text(IDS_STAGE6_DESCRIPTION).find("!  Most of the \"fakes\" you'll see"), std::string::npos);
    EXPECT_TRUE(Text(IDS_STAGE7_DESCRIPTION).ends_with("by reaching 50 faster. ")); // with its trailing blank
    EXPECT_TRUE(Text(IDS_SELECT_GAME_HINT).starts_with("\n<--- "));
    EXPECT_NE(Text(IDS_SELECT_GAME_HINT).find("here.\n\nClick"), std::string::npos);
    EXPECT_EQ(Text(IDS_COUNT_AND_PERCENT), "%d (%d%%)");
    EXPECT_EQ(Text(IDS_CLOCK_COUNTER), "%02d:%02d:%d00");
    EXPECT_EQ(Text(IDS_TOUR_HIGH_SCORES_HEADING), "The top ten Round Robin scores are:");
    EXPECT_FALSE(Text(IDS_CUSTOM_DESCRIPTION).empty());

    std::set<std::string> names; // twenty of them, all different
    for (unsigned id = IDS_PLAYER_NAME_FIRST; id <= IDS_PLAYER_NAME_LAST; ++id) {
        names.insert(Text(id));
    }
    EXPECT_TRUE(names.size() == 20 && names.count("") == 0);
}

} // namespace
