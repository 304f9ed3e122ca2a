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

} // namespace
