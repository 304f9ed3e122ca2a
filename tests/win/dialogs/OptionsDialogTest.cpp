#include "dialogs/OptionsDialog.h"
#include "DialogTest.h"
#include "support/ImportHook.h"

#include <shellapi.h>

#include <array>
#include <tuple>

namespace {

using OptionsDialog = DialogTest;
using S = GameSettingsRecord;
using Field = std::int32_t S::*;

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}
bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}
INT_PTR Options(const DialogAction& action) {
    return Drive([] { return ShowOptionsDialog(nullptr); }, {action});
}

TEST_F(OptionsDialog, QuickCombinationsSetTheirValuesAndKeepTheRest) {
    constexpr std::int32_t _ = -1; // keeps the value
    const int buttons[9] = {1018, 1025, 1026, 1027, 1028, 1029, 1030, 1032, 1035};
    // The fields that tell the nine apart, with the ones some keep, and leaving the tour: the field,
    // its scale (the dialog shows the two times in milliseconds), its value per button.
    const std::tuple<Field, int, std::array<std::int32_t, 9>> table[] = {
        {&S::GameNumber, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {&S::ScoreValidWords, 1, {1, 1, 1, 1, 1, 1, 0, 1, 1}},
        {&S::PenalizeMistakes, 1, {1, 1, _, 1, 1, 1, 1, 1, 1}},
        {&S::RoundRobin, 1, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {&S::EndGameCondition, 1, {2, 1, 4, 1, 1, 2, 2, 0, 4}},
        {&S::GenerateFakes, 1, {1, 1, 1, 1, 1, 1, 6, 1, 1}},
        {&S::AddWordInterval, 100, {2000, 2000, 3000, 750, 750, 2000, 2000, 2000, 2000}},
        {&S::FakeWordProbab, 1, {50, 50, 50, 50, 15, 50, 50, 50, 50}},
        {&S::WordLifespan, 100, {5000, 5000, _, 2000, 3000, 5000, _, _, 5000}},
        {&S::TimeLimit, 1, {_, 50, _, 180, 60, _, _, _, 50}},
        {&S::TargetCount, 1, {50, _, _, _, _, 50, 50, _, 50}},
    };
    S marked; // every field at a value that no combination uses
    std::int32_t next = 70;
    for (const auto& row : table) {
        marked.*std::get<0>(row) = next++;
    }
    for (int column = 0; column < 9; ++column) {
        GameSettings = marked;
        EXPECT_EQ(Options(Press({buttons[column], IDOK})), 1) << buttons[column];
        for (std::size_t i = 0; i < std::size(table); ++i) {
            const auto& [field, scale, values] = table[i];
            EXPECT_EQ(GameSettings.*field, values[column] == _ ? marked.*field : values[column] / scale)
                << "button " << buttons[column] << ", row " << i;
        }
    }
    // OK without a difference ends as Cancel does.
    GameSettings = S{};
    EXPECT_EQ(Options(Press({IDOK})), 2) << "nothing changed";
    EXPECT_EQ(Options(Press({1035, IDOK})), 2) << "the factory settings again";
    GameSettings.GameNumber = 1;
    EXPECT_EQ(Options(Press({1035, IDOK})), 1) << "only the combination's number differs";
}

TEST_F(OptionsDialog, ControlsShowTheCopyAndEnableWhatApplies) {
    GameSettings.EndGameCondition = 3;
    GameSettings.GenerateWords = 7;
    GameSettings.GenerateFakes = 5;
    GameSettings.ScoreBogusWords = 5;
    GameSettings.AddWordInterval = 7;
    GameSettings.WordLifespan = 21474837; // too long to show in milliseconds: shown clamped, kept
    const S before = GameSettings;
    const auto check = [](HWND dialog) {
        EXPECT_TRUE(Checked(dialog, 1016)) << "3 shows as no room";
        EXPECT_TRUE(Enabled(dialog, 1036)) << "time limit of 3";
        EXPECT_TRUE(Enabled(dialog, 1037)) << "target count of 3";
        EXPECT_TRUE(Checked(dialog, 1022)) << "7 shows as completely at random";
        for (const auto& [id, on] : {std::pair{1019, true}, {1020, false}, {1021, true}, {1008, true}}) {
            EXPECT_EQ(Checked(dialog, id), on) << id;
        }
        EXPECT_EQ(ItemText(dialog, 1031), "700");
        EXPECT_EQ(ItemText(dialog, 1034), "2147483647");
        for (int id : {1031, 1033, 1034, 1036, 1037}) {
            EXPECT_NE(GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & ES_NUMBER, 0)
                << "digits only " << id;
        }
        // Each end radio with time limit, target count and penalize enabled ('1') or not.
        for (const auto& [radio, on] :
             {std::pair{1014, "101"}, {1015, "011"}, {1016, "000"}, {1017, "000"}}) {
            Click(dialog, radio);
            EXPECT_EQ(Enabled(dialog, 1036), on[0] == '1') << radio;
            EXPECT_EQ(Enabled(dialog, 1037), on[1] == '1') << radio;
            EXPECT_EQ(Enabled(dialog, 1056), on[2] == '1') << radio;
        }
        for (bool fading : {true, false}) {
            Click(dialog, 1048);
            EXPECT_EQ(Enabled(dialog, 1034), fading) << "duration, fading " << fading;
            EXPECT_EQ(Enabled(dialog, 1047), fading) << "adjust duration, fading " << fading;
        }
        Click(dialog, 1030); // "Spell checker" shows at once
        EXPECT_FALSE(Checked(dialog, 1007));
        EXPECT_TRUE(Checked(dialog, 1015));
        EXPECT_EQ(ItemText(dialog, 1031), "2000");
        EXPECT_TRUE(Enabled(dialog, 1037)) << "target count of Spell checker";
        Click(dialog, IDCANCEL);
    };
    EXPECT_EQ(Options(check), 2);
    EXPECT_EQ(GameSettings, before) << "cancelled";
    EXPECT_EQ(Options(Press({IDOK})), 2) << "the clamped time kept";
}

TEST_F(OptionsDialog, EachButtonAndEditSetsItsField) {
    // Every control enabled, and radio values that no button stands for.
    const auto start = [] {
        GameSettings = S{};
        GameSettings.FadeWords = 1;
        GameSettings.EndGameCondition = 3;
        GameSettings.GenerateWords = 7;
    };
    // clang-format off
    const std::tuple<int, Field, std::int32_t> buttons[] = {
        {1007, &S::ScoreValidWords, 0}, {1008, &S::ScoreBogusWords, 0}, {1005, &S::AddWordsFaster, 0},
        {1046, &S::HandicapSpeed, 0}, {1047, &S::AdjustLifespan, 0}, {1054, &S::AnimateWords, 1},
        {1055, &S::PowerUps, 0}, {1048, &S::FadeWords, 0}, {1045, &S::ExpireMistakes, 1},
        {1056, &S::PenalizeMistakes, 0}, {1019, &S::GenerateFakes, 0}, {1020, &S::GenerateFakes, 3},
        {1021, &S::GenerateFakes, 5}, {1014, &S::EndGameCondition, 1}, {1015, &S::EndGameCondition, 2},
        {1016, &S::EndGameCondition, 4}, {1017, &S::EndGameCondition, 0}, {1022, &S::GenerateWords, 1},
        {1023, &S::GenerateWords, 3}, {1024, &S::GenerateWords, 2}};
    // The edits, and numbers typed into them: times are kept in whole tenths, and text that is no
    // 32-bit number reads as 0.
    const std::pair<int, Field> edits[] = {{1031, &S::AddWordInterval}, {1034, &S::WordLifespan},
        {1036, &S::TimeLimit}, {1037, &S::TargetCount}, {1033, &S::FakeWordProbab}};
    const std::tuple<int, const char*, std::int32_t> typed[] = {{0, "750", 7}, {0, "99", 0}, {1, "2049", 20},
        {1, "100", 1}, {2, "75", 75}, {3, "40", 40}, {4, "150", 150}, {4, "", 0}, {4, "12x", 0},
        {4, "2147483647", 2147483647}, {4, "2147483648", 0}, {4, "-2147483648", INT32_MIN}, {4, "-2147483649", 0}};
    // clang-format on
    for (const auto& [id, field, after] : buttons) {
        start();
        EXPECT_EQ(Options(Press({id, IDOK})), 1) << id;
        EXPECT_EQ(GameSettings.*field, after) << id;
    }
    for (const auto& [edit, text, stored] : typed) {
        const auto [id, field] = edits[edit];
        start();
        Options([id = id, text = text](HWND dialog) {
            SetDlgItemTextA(dialog, id, text);
            Click(dialog, IDOK);
        });
        EXPECT_EQ(GameSettings.*field, stored) << id << " \"" << text << '"';
    }
}

std::string Opened; // "<verb> <file> <parameters> <directory> <show>"
INT_PTR ShellResult = 0;
std::string ErrorBox; // "<caption>: <text>" of every box shown
HINSTANCE WINAPI SpyShellExecute(HWND, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                 INT show) {
    Opened = std::string(verb) + " " + file + " " + (parameters != nullptr ? parameters : "null") + " " +
             (directory != nullptr ? directory : "null") + " " + std::to_string(show);
    return reinterpret_cast<HINSTANCE>(ShellResult);
}
int WINAPI SpyMessageBox(HWND, LPCSTR text, LPCSTR caption, UINT) {
    ErrorBox += std::string(caption) + ": " + text;
    return IDOK;
}

// The help page is looked for in the working folder; when it cannot be opened the box says so in
// words and names the file's full path.
TEST_F(OptionsDialog, HelpOpensThePageByItsFullPathAndSaysPlainlyWhenThatFails) {
    const ImportHook<decltype(&SpyShellExecute)> shell("shell32.dll", "ShellExecuteA", SpyShellExecute);
    const ImportHook<decltype(&SpyMessageBox)> box("user32.dll", "MessageBoxA", SpyMessageBox);
    ASSERT_TRUE(shell.Installed());
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof folder, folder);
    const std::string page =
        std::string(folder) + (folder[lstrlenA(folder) - 1] == '\\' ? "" : "\\") + "lexihelp.htm";
    for (const INT_PTR result : {33, 2}) {
        ShellResult = result;
        ErrorBox.clear();
        Options([result](HWND dialog) {
            Click(dialog, 9);
            EXPECT_TRUE(IsWindowVisible(dialog)) << "stays open after " << result;
            Click(dialog, IDCANCEL);
        });
        EXPECT_EQ(Opened, "open " + page + " null null 1") << result;
        EXPECT_EQ(ErrorBox, result == 33 ? ""
                                         : "Quillmoor Software: The help page could not be opened:\n" + page +
                                               "\nThe file was not found.")
            << result;
    }
}

} // namespace
