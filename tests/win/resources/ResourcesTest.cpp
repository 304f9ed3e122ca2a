#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace {

std::string Text(unsigned id) {
    char buffer[1024] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

HICON Icon(unsigned id, int size) {
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
}

// The widths of the images in an icon group: a 6-byte header whose last word is the count, then
// 14-byte entries starting with the width.
std::set<int> ImageSizes(unsigned id) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
    if (found == nullptr) {
        return {};
    }
    const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    std::set<int> sizes;
    for (int i = 0; i < (group[4] | group[5] << 8); ++i) {
        sizes.insert(group[6 + 14 * i]);
    }
    return sizes;
}

// The icon drawn at 32 by 32 pixels over a pure blue background, read back pixel by pixel.
class Drawing {
public:
    explicit Drawing(HICON icon) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, 32, 32);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        const RECT all{0, 0, 32, 32};
        HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
        FillRect(dc_, &all, blue);
        DeleteObject(blue);
        DrawIconEx(dc_, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    }
    ~Drawing() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

bool Green(COLORREF c) {
    return GetGValue(c) >= GetRValue(c) + 64 && GetGValue(c) >= GetBValue(c) + 64;
}
bool Red(COLORREF c) {
    return GetRValue(c) >= GetGValue(c) + 64 && GetRValue(c) >= GetBValue(c) + 64;
}

// Every text the program shows by number, word for word: line breaks, inner quotes, a trailing
// blank (160) and a percent sign are the ones a resource script gets wrong most easily.
TEST(ResourcesTest, StringTableHoldsEachTextUnderItsNumber) {
    // clang-format off
    const std::pair<unsigned, const char*> table[] = {
        {103, "Lexiblast"}, {109, "MAIN"}, {110, "Game Over"}, {111, "Paused"},
        {112, "Are you sure you want to quit the current game and start a new one?"}, {113, "New Game"},
        {114, "Congratulations!  You got a high score!"}, {120, "Error!"}, {121, "Warning"},
        {136, "This action will erase your average score, games played, and win-loss percentage (setting them all back to zero).\r\nAre you sure you want to proceed?"},
        {137, "Reset Scores"}, {140, "%d (out of %d)"},
        {142, "Lexiblast failed to load its dictionary of words.  The dictionary should be found in a file called \"words.lst\".  Please make sure an original and uncorrputed version of this file is present in the game's working folder and try again."},
        {145, "Stage 1 - Find Fifty"}, {146, "Stage 2 - Fifty Seconds"}, {147, "Stage 3 - Hard to Find"},
        {148, "Stage 4 - Fifty Fakes"}, {149, "Stage 5 - Fake for Fifty"}, {150, "Stage 6 - Hard to Fake"},
        {151, "Stage 7 - Any Fifty"}, {152, "Stage 8 - Wacky Fifty"}, {153, "Stage 9 - Limited Infinity"},
        {154, "Zap 50 words as quickly as possible, but subtract one from your total whenever you zap something that's not a word. Score more points by reaching 50 faster. Use the LEFT mouse button to zap a word."},
        {155, "Zap as many words as possible in 50 seconds, but lose precious time if you zap a fake word. Score more points by zapping more words. Use the LEFT mouse button to zap a word."},
        {156, "Zap 10 words as quickly as possible, but watch out!  Most of the \"words\" you'll see are fakes, and you subtract one from your total whenever you mistakenly click on one. Use the LEFT mouse button to zap a word."},
        {157, "Eliminate 50 fakes as quickly as possible, but subtract one from your total whenever you eliminate a valid word. Score more points by reaching 50 faster. Use the RIGHT mouse button to eliminate fakes."},
        {158, "Eliminate as many fake words as possible in 50 seconds, but lose precious time if you zap a real word. Score more points by eliminating more fakes. Use the RIGHT mouse button to eliminate fakes."},
        {159, "Eliminate 10 fakes as quickly as possible, but watch out!  Most of the \"fakes\" you'll see are genuine words, and you subtract one from your total whenever you make a mistake. Use the RIGHT mouse button to eliminate fakes."},
        {160, "Classify any 50 words as quickly as possible, whether they're genuine or fake. Use the LEFT button to zap valid words, and the RIGHT button to eliminate fakes. Score more points by reaching 50 faster. "},
        {161, "Classify any 50 words as quickly as possible despite their wacky fonts. Use the LEFT button to zap genuine words, and the RIGHT button to eliminate fakes. Score more points by reaching 50 faster."},
        {162, "Classify words forever, as long as they have room to appear on the screen. But watch out -- your mistakes will pile up and never go away! Use the LEFT button to zap words, and the RIGHT button to eliminate fakes."},
        {163, "\n<--- Click on the name of a game in this list, and a description of that game will appear here.\n\nClick on the up and down arrows of the scroll bar to see even more games in the list."},
        {164, "Loading the dictionary..."}, {169, "%d (%d%%)"}, {171, "%d"}, {198, "Next Game"},
        {199, "Are you sure you want to quit the current game and start the next one in the Round Robin Tour?"},
        {327, "Lexiblast works best when running in 32-bit Full Color mode.  It appears that your display is currently set to less than 32-bit color.  For the best experience, please use the Display Properties control panel to increase your Colors setting and restart Lexiblast. In the meantime, Lexiblast is resorting to its simplest graphics set."},
        {447, "Words: %d"}, {448, "%02d:%02d:%d00"}, {449, "Score: %d"},
        {450, "Your changes will take effect in the next game.  Would you like to start a new game right now?"},
        {451, "New Game"}, {453, "Custom"}, {457, "&Next Game"},
        {458, "* If it's a word, zap it with the LEFT mouse button."},
        {459, "* If it's a fake, eliminate it with the RIGHT mouse button."},
        {460, "* Classify words as quickly as possible for the highest score."},
        {461, "* You have %d seconds to score words before the game ends."},
        {462, "* The game ends when you reach %d words."},
        {463, "* The game ends when there's no room to add another word."},
        {464, "* Mistakes will cost you a couple seconds."},
        {465, "* Mistakes will subtract from your total."},
        {466, "* Any mistakes you make will remain on the screen taking up space."},
        {467, "* The game doesn't end until you give up."},
        {469, "* Classify as many words as possible for the highest score."},
        {470, "* Classify words as accurately as possible for the highest score."}, {471, "Round Robin Tour"},
        {472, "* If it's a fake, just ignore it until it goes away."},
        {473, "* If it's a word, just ignore it until it goes away."},
        {474, "* Check out the Game Options dialog for more variations!"},
        {475, "The top ten Round Robin scores are:"}};
    // clang-format on
    for (const auto& [id, text] : table) {
        EXPECT_EQ(Text(id), text) << id;
    }
    EXPECT_NE(Text(454), ""); // the custom game's description

    // Twenty default player names, 328 to 347, all different.
    std::set<std::string> names;
    for (unsigned id = 328; id <= 347; ++id) {
        EXPECT_NE(Text(id), "") << id;
        names.insert(Text(id));
    }
    EXPECT_EQ(names.size(), 20u);
}

TEST(ResourcesTest, ProgramIconHasASmallAMiddleAndALargeImage) {
    EXPECT_NE(Icon(198, 32), nullptr);
    EXPECT_NE(Icon(198, 48), nullptr);
    EXPECT_EQ(ImageSizes(198), (std::set<int>{16, 32, 48}));
}

// The feedback cursors: a green disc for a right call and a red one for a wrong call, with a plus
// for a zap and a cross for an elimination, transparent round the disc. A pixel 6 above the centre
// lies on a plus but not on a cross, one 3 right and 4 up on a cross but not on a plus.
TEST(ResourcesTest, FeedbackCursorsShowTheirColourAndMark) {
    const COLORREF white = RGB(255, 255, 255);
    const struct {
        unsigned Id;
        bool Green, Plus;
    } cursors[] = {{395, true, true}, {399, true, false}, {392, false, false}, {398, false, true}};
    for (const auto& cursor : cursors) {
        EXPECT_EQ(ImageSizes(cursor.Id), (std::set<int>{16, 32})) << cursor.Id;
        const HICON icon = Icon(cursor.Id, 32);
        ASSERT_NE(icon, nullptr) << cursor.Id;
        const Drawing drawing(icon);
        const COLORREF onPlus = drawing.At(16, 10), onCross = drawing.At(19, 12);
        const COLORREF disc = cursor.Plus ? onCross : onPlus;
        EXPECT_TRUE(cursor.Green ? Green(disc) : Red(disc)) << cursor.Id;
        EXPECT_EQ(drawing.At(16, 16), white) << cursor.Id;
        EXPECT_EQ(cursor.Plus ? onPlus : onCross, white) << cursor.Id;
        EXPECT_EQ(drawing.At(0, 0), RGB(0, 0, 255)) << cursor.Id;
        DestroyIcon(icon);
    }
}

} // namespace
