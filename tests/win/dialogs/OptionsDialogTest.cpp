#include "dialogs/OptionsDialog.h"
#include "DialogTest.h"

#include <span>
#include <tuple>

namespace {

using OptionsDialog = DialogTest;
using S = GameSettingsRecord;
using Field = std::int32_t S::*;

// '1' for each of the time limit, target count and penalty that is enabled, else '0'.
std::string EndControlsEnabled(HWND dialog) {
    std::string on;
    for (const int id : {1036, 1037, 1056}) {
        on += IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE ? '1' : '0';
    }
    return on;
}
INT_PTR Options(const DialogAction& action) {
    return Drive([] { return ShowOptionsDialog(nullptr); }, {action});
}
// Each control, its field and the value one click leaves: check boxes, radio buttons, fake boxes.
const std::tuple<int, Field, std::int32_t> kControls[] = {
    {1007, &S::ScoreValidWords, 0},  {1008, &S::ScoreBogusWords, 0},  {1005, &S::AddWordsFaster, 0},
    {1046, &S::HandicapSpeed, 0},    {1047, &S::AdjustLifespan, 0},   {1054, &S::AnimateWords, 1},
    {1055, &S::PowerUps, 0},         {1048, &S::FadeWords, 0},        {1045, &S::ExpireMistakes, 1},
    {1056, &S::PenalizeMistakes, 0}, {1014, &S::EndGameCondition, 1}, {1015, &S::EndGameCondition, 2},
    {1016, &S::EndGameCondition, 4}, {1017, &S::EndGameCondition, 0}, {1022, &S::GenerateWords, 1},
    {1024, &S::GenerateWords, 2},    {1023, &S::GenerateWords, 3},    {1019, &S::GenerateFakes, 0},
    {1020, &S::GenerateFakes, 3},    {1021, &S::GenerateFakes, 5}};
const auto kBoxes = std::span(kControls).first(10);

// A value no button stands for shows as "no room" or "at random", too long a time as the largest.
TEST_F(OptionsDialog, EveryOpeningShowsTheRecordAsItIsAndOkWithoutAChangeIsCancel) {
    for (const std::int32_t on : {1, 0}) {
        for (const auto& [id, field, after] : kBoxes) {
            GameSettings.*field = on;
        }
        auto& s = GameSettings;
        s.GenerateFakes = on != 0 ? 5 : 2, s.EndGameCondition = on != 0 ? 3 : 0;
        s.GenerateWords = on != 0 ? 7 : 3, s.AddWordInterval = on != 0 ? 7 : 20;
        s.WordLifespan = on != 0 ? 21474837 : 5;
        std::string shown;
        EXPECT_EQ(Options([&](HWND dialog) {
                      for (const auto& [id, field, after] : kControls) {
                          shown += IsDlgButtonChecked(dialog, id) == BST_CHECKED ? '1' : '0';
                      }
                      shown += " " + Text(dialog, 1031) + " " + Text(dialog, 1034) + " " +
                               EndControlsEnabled(dialog);
                      Click(dialog, IDOK);
                  }),
                  2)
            << on;
        EXPECT_EQ(shown,
                  on != 0 ? "11111111110010100101 700 2147483647 111" : "00000000000001001010 2000 500 000");
    }
}

TEST_F(OptionsDialog, EachControlSetsItsFieldAndEnablesWhatApplies) {
    for (const auto& [id, field, after] : kControls) {
        GameSettings = S{}; // every control enabled, and radio values that no button stands for
        GameSettings.FadeWords = 1, GameSettings.EndGameCondition = 3, GameSettings.GenerateWords = 7;
        EXPECT_EQ(Options(Press({id, IDOK})), 1) << id;
        EXPECT_EQ(GameSettings.*field, after) << id;
    }
    // Times are kept in whole tenths; text that is no 32-bit number reads as 0.
    const std::tuple<int, const char*, Field, std::int32_t> typed[] = {
        {1031, "750", &S::AddWordInterval, 7},      {1031, "99", &S::AddWordInterval, 0},
        {1034, "2049", &S::WordLifespan, 20},       {1036, "75", &S::TimeLimit, 75},
        {1037, "12x", &S::TargetCount, 0},          {1033, "2147483647", &S::FakeWordProbab, 2147483647},
        {1033, "2147483648", &S::FakeWordProbab, 0}};
    for (const auto& [id, text, field, stored] : typed) {
        GameSettings = S{};
        Options([id = id, text = text](HWND dialog) {
            SetDlgItemTextA(dialog, id, text);
            Click(dialog, IDOK);
        });
        EXPECT_EQ(GameSettings.*field, stored) << id << " \"" << text << '"';
    }
    // A click on an end or on fading enables what applies to it at once.
    Options([](HWND dialog) {
        Click(dialog, 1014);
        EXPECT_EQ(EndControlsEnabled(dialog), "101") << "on time";
        for (const bool fading : {true, false}) {
            Click(dialog, 1048);
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, 1034)) != FALSE, fading) << "duration " << fading;
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, 1047)) != FALSE, fading) << "adjustment " << fading;
        }
        Click(dialog, IDCANCEL);
    });
}

TEST_F(OptionsDialog, QuickCombinationsSetTheirValuesAndKeepTheRest) {
    const int buttons[9] = {1018, 1025, 1026, 1027, 1028, 1029, 1030, 1032, 1035};
    S marked; // values that no combination uses
    marked.TargetCount = 77, marked.RoundRobin = 1;
    for (int column = 0; column < 9; ++column) {
        GameSettings = marked;
        Options(Press({buttons[column], IDOK}));
        EXPECT_EQ(GameSettings.GameNumber, column + 1) << buttons[column];
        EXPECT_EQ(GameSettings.RoundRobin, 0) << buttons[column];
    }
    GameSettings = marked;
    Options(Press({1028, IDOK})); // "Bonus Round"
    EXPECT_EQ(GameSettings.FakeWordProbab, 15) << "fewer fakes";
    EXPECT_EQ(GameSettings.TargetCount, 77) << "the target count kept";
}

} // namespace
