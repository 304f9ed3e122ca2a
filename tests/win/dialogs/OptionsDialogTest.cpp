#include "dialogs/OptionsDialog.h"
#include "rules/GameSettings.h"
#include "support/DialogDriver.h"
#include "support/ImportHook.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <cstdint>
#include <string>

namespace {

std::string Text(HWND dialog, int id) {
    char text[64] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}
bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}
bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

// Each test starts from the factory settings with a real owner window; the settings are put back after.
class OptionsDialogTest : public ::testing::Test {
protected:
    HWND owner = nullptr;

    void SetUp() override {
        saved_ = GameSettings;
        GameSettings = GameSettingsRecord{};
        owner = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 440, nullptr, nullptr, nullptr,
                              nullptr);
    }
    void TearDown() override {
        DestroyWindow(owner);
        GameSettings = saved_;
    }
    // Opens the dialog, lets action operate and close it, and returns the dialog's result.
    INT_PTR Run(const DialogDriver::Action& action) {
        DialogDriver driver;
        driver.Then(action);
        const INT_PTR result = ShowOptionsDialog(owner);
        EXPECT_EQ(driver.Pending(), 0u) << "the dialog appeared";
        return result;
    }
    // Presses the buttons in order, then OK.
    INT_PTR Press(std::initializer_list<int> ids) {
        return Run([ids](HWND dialog) {
            for (int id : ids) {
                Click(dialog, id);
            }
            Click(dialog, IDOK);
        });
    }

private:
    GameSettingsRecord saved_;
};

TEST_F(OptionsDialogTest, QuickCombinationsSetTheirValuesAndKeepTheRest) {
    constexpr std::int32_t _ = -1; // keeps the value
    struct Row {
        std::int32_t GameSettingsRecord::*Field;
        int Scale; // the dialog shows the two times in milliseconds
        std::int32_t Values[9];
    };
    const int buttons[9] = {1018, 1025, 1026, 1027, 1028, 1029, 1030, 1032, 1035};
    const Row table[] = {
        {&GameSettingsRecord::GameNumber, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {&GameSettingsRecord::ScoreValidWords, 1, {1, 1, 1, 1, 1, 1, 0, 1, 1}},
        {&GameSettingsRecord::ScoreBogusWords, 1, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {&GameSettingsRecord::AddWordsFaster, 1, {1, 1, 0, 1, 1, 1, 1, 1, 1}},
        {&GameSettingsRecord::HandicapSpeed, 1, {0, 0, 0, 1, 1, 1, 1, 1, 1}},
        {&GameSettingsRecord::AdjustLifespan, 1, {0, 0, 0, 1, 1, 1, 1, 1, 1}},
        {&GameSettingsRecord::AnimateWords, 1, {0, 0, 0, 0, 0, 1, 0, 0, 0}},
        {&GameSettingsRecord::PowerUps, 1, {1, 1, 0, 1, 0, 1, 0, 1, 1}},
        {&GameSettingsRecord::FadeWords, 1, {1, 1, 0, 1, 1, 1, 0, 1, 0}},
        {&GameSettingsRecord::ExpireMistakes, 1, {1, 1, 0, 1, 1, 0, 0, 1, 0}},
        {&GameSettingsRecord::PenalizeMistakes, 1, {1, 1, _, 1, 1, 1, 1, 1, 1}},
        {&GameSettingsRecord::PrefillDeadRects, 1, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {&GameSettingsRecord::RoundRobin, 1, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {&GameSettingsRecord::EndGameCondition, 1, {2, 1, 4, 1, 1, 2, 2, 0, 4}},
        {&GameSettingsRecord::GenerateWords, 1, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {&GameSettingsRecord::GenerateFakes, 1, {1, 1, 1, 1, 1, 1, 6, 1, 1}},
        {&GameSettingsRecord::AddWordInterval, 100, {2000, 2000, 3000, 750, 750, 2000, 2000, 2000, 2000}},
        {&GameSettingsRecord::FakeWordProbab, 1, {50, 50, 50, 50, 15, 50, 50, 50, 50}},
        {&GameSettingsRecord::WordLifespan, 100, {5000, 5000, _, 2000, 3000, 5000, _, _, 5000}},
        {&GameSettingsRecord::TimeLimit, 1, {_, 50, _, 180, 60, _, _, _, 50}},
        {&GameSettingsRecord::TargetCount, 1, {50, _, _, _, _, 50, 50, _, 50}},
    };
    // Every field starts at a value that no combination uses.
    GameSettingsRecord marked;
    std::int32_t next = 70;
    for (const Row& row : table) {
        marked.*row.Field = next++;
    }
    marked.RandomFonts = 91;
    marked.RoundRobinScore = 92;
    for (int column = 0; column < 9; ++column) {
        GameSettings = marked;
        EXPECT_EQ(Press({buttons[column]}), 1) << buttons[column];
        for (std::size_t i = 0; i < std::size(table); ++i) {
            const std::int32_t value = table[i].Values[column];
            EXPECT_EQ(GameSettings.*table[i].Field,
                      value == _ ? marked.*table[i].Field : value / table[i].Scale)
                << "button " << buttons[column] << ", row " << i;
        }
        EXPECT_EQ(GameSettings.RandomFonts, 91) << buttons[column];
        EXPECT_EQ(GameSettings.RoundRobinScore, 92) << buttons[column];
    }
}

TEST_F(OptionsDialogTest, ControlsShowTheValuesAndEnableWhatApplies) {
    GameSettings.EndGameCondition = 3;
    GameSettings.GenerateWords = 7;
    GameSettings.GenerateFakes = 5;
    GameSettings.ScoreBogusWords = 5;
    GameSettings.AddWordInterval = 7;
    const GameSettingsRecord before = GameSettings;
    struct Case {
        int Radio;
        bool TimeLimit, TargetCount, Penalize;
    };
    const Case cases[] = {{1014, true, false, true},
                          {1015, false, true, true},
                          {1016, false, false, false},
                          {1017, false, false, false}};
    EXPECT_EQ(Run([&](HWND dialog) {
                  EXPECT_TRUE(Checked(dialog, 1016)) << "3 shows as no room";
                  EXPECT_FALSE(Checked(dialog, 1014));
                  EXPECT_TRUE(Enabled(dialog, 1036)) << "time limit of 3";
                  EXPECT_TRUE(Enabled(dialog, 1037)) << "target count of 3";
                  EXPECT_TRUE(Checked(dialog, 1022)) << "7 shows as completely at random";
                  EXPECT_TRUE(Checked(dialog, 1019));
                  EXPECT_FALSE(Checked(dialog, 1020));
                  EXPECT_TRUE(Checked(dialog, 1021));
                  EXPECT_TRUE(Checked(dialog, 1008)) << "a flag of 5";
                  EXPECT_EQ(Text(dialog, 1031), "700");
                  for (int id : {1031, 1033, 1034, 1036, 1037}) {
                      EXPECT_NE(GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & ES_NUMBER, 0) << id;
                  }
                  for (const Case& c : cases) {
                      Click(dialog, c.Radio);
                      EXPECT_EQ(Enabled(dialog, 1036), c.TimeLimit) << c.Radio;
                      EXPECT_EQ(Enabled(dialog, 1037), c.TargetCount) << c.Radio;
                      EXPECT_EQ(Enabled(dialog, 1056), c.Penalize) << c.Radio;
                  }
                  for (bool fading : {true, false}) {
                      Click(dialog, 1048);
                      EXPECT_EQ(Enabled(dialog, 1034), fading) << "duration, fading " << fading;
                      EXPECT_EQ(Enabled(dialog, 1047), fading) << "adjust duration, fading " << fading;
                  }
                  Click(dialog, 1030); // "Spell checker" is shown at once
                  EXPECT_FALSE(Checked(dialog, 1007));
                  EXPECT_TRUE(Checked(dialog, 1015));
                  EXPECT_EQ(Text(dialog, 1031), "2000");
                  EXPECT_TRUE(Enabled(dialog, 1037)) << "target count of Spell checker";
                  Click(dialog, IDCANCEL);
              }),
              2);
    EXPECT_EQ(GameSettings, before) << "cancelled";
}

TEST_F(OptionsDialogTest, ButtonsAndEditsChangeTheirFields) {
    GameSettings.GenerateFakes = 7;
    EXPECT_EQ(Run([](HWND dialog) {
                  for (int id : {1008, 1046, 1054, 1019, 1020, 1021, 1017, 1024}) {
                      Click(dialog, id);
                  }
                  Type(dialog, 1031, "750");
                  Type(dialog, 1034, "2049");
                  Click(dialog, IDOK);
              }),
              1);
    EXPECT_EQ(GameSettings.ScoreBogusWords, 0);
    EXPECT_EQ(GameSettings.HandicapSpeed, 0);
    EXPECT_EQ(GameSettings.AnimateWords, 1);
    EXPECT_EQ(GameSettings.GenerateFakes, 0) << "every fake method cleared";
    EXPECT_EQ(GameSettings.EndGameCondition, 0);
    EXPECT_EQ(GameSettings.GenerateWords, 2);
    EXPECT_EQ(GameSettings.AddWordInterval, 7);
    EXPECT_EQ(GameSettings.WordLifespan, 20);
    Run([](HWND dialog) {
        EXPECT_TRUE(Checked(dialog, 1024)) << "2 shows as word lengths";
        EXPECT_EQ(Text(dialog, 1031), "700");
        EXPECT_EQ(Text(dialog, 1034), "2000");
        Click(dialog, 1023);
        Click(dialog, 1020);
        Type(dialog, 1031, "99");
        Type(dialog, 1034, "100");
        Click(dialog, IDOK);
    });
    EXPECT_EQ(GameSettings.GenerateWords, 3);
    EXPECT_EQ(GameSettings.GenerateFakes, 2);
    EXPECT_EQ(GameSettings.AddWordInterval, 0);
    EXPECT_EQ(GameSettings.WordLifespan, 1);
}

TEST_F(OptionsDialogTest, TypedTextOutsideThirtyTwoBitsOrNotANumberReadsAsZero) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"150", 150},       {"", 0},
        {"abc", 0},         {"12x", 0},
        {"12345678901", 0}, {"2147483647", 2147483647},
        {"2147483648", 0},  {"-2147483648", -2147483647 - 1},
        {"-2147483649", 0},
    };
    for (const auto& [text, value] : cases) {
        GameSettings.FakeWordProbab = 77;
        Run([text](HWND dialog) {
            Type(dialog, 1033, text);
            Click(dialog, IDOK);
        });
        EXPECT_EQ(GameSettings.FakeWordProbab, value) << '"' << text << '"';
    }
}

TEST_F(OptionsDialogTest, HugeStoredTimesShowClampedAndStayUnlessEdited) {
    GameSettings.AddWordInterval = 21474837;
    GameSettings.WordLifespan = 21474836;
    GameSettings.TimeLimit = -21474837; // not a time in tenths: shown as it is
    const GameSettingsRecord before = GameSettings;
    EXPECT_EQ(Run([](HWND dialog) {
                  EXPECT_EQ(Text(dialog, 1031), "2147483647");
                  EXPECT_EQ(Text(dialog, 1034), "2147483600") << "the largest time shown exactly";
                  EXPECT_EQ(Text(dialog, 1036), "-21474837");
                  Click(dialog, IDOK);
              }),
              2);
    EXPECT_EQ(GameSettings, before);
}

TEST_F(OptionsDialogTest, OkWithoutADifferenceEndsAsCancelled) {
    EXPECT_EQ(Press({}), 2);
    EXPECT_EQ(Press({1035}), 2) << "the factory settings again";
    GameSettings.GameNumber = 1;
    EXPECT_EQ(Press({1035}), 1) << "only the combination's number differs";
    EXPECT_EQ(GameSettings.GameNumber, 9);
}

// The help page request as "<verb> <file> <parameters> <directory> <show>".
std::string Opened;
HWND OpenedOwner = nullptr;
INT_PTR ShellResult = 0;
int Boxes = 0;
HINSTANCE WINAPI SpyShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                 INT show) {
    const auto text = [](LPCSTR s) { return std::string(s != nullptr ? s : "null"); };
    Opened = text(verb) + " " + text(file) + " " + text(parameters) + " " + text(directory) + " " +
             std::to_string(show);
    OpenedOwner = owner;
    return reinterpret_cast<HINSTANCE>(ShellResult);
}
int WINAPI SpyMessageBox(HWND, LPCSTR, LPCSTR, UINT) {
    ++Boxes;
    return IDOK;
}

TEST_F(OptionsDialogTest, HelpOpensThePageAndShowsTheErrorOnlyWhenThatFails) {
    const ImportHook<decltype(&SpyShellExecute)> shell("shell32.dll", "ShellExecuteA", SpyShellExecute);
    const ImportHook<decltype(&SpyMessageBox)> box("user32.dll", "MessageBoxA", SpyMessageBox);
    ASSERT_TRUE(shell.Installed());
    for (const auto& [result, boxes] : {std::pair{33, 0}, std::pair{32, 1}}) {
        ShellResult = result;
        Boxes = 0;
        HWND shown = nullptr;
        Run([&](HWND dialog) {
            shown = dialog;
            Click(dialog, 9);
            EXPECT_TRUE(IsWindowVisible(dialog)) << "stays open after " << result;
            Click(dialog, IDCANCEL);
        });
        EXPECT_EQ(Opened, "open lexihelp.htm null null 0") << result;
        EXPECT_EQ(OpenedOwner, shown) << result;
        EXPECT_EQ(Boxes, boxes) << "error boxes after " << result;
    }
}

} // namespace
