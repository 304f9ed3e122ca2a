#include "dialogs/OptionsDialog.h"
#include "DialogTest.h"

#include <span>
#include <tuple>
#include <vector>

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
// Each control with its field, and the field's value after one click on it from kStart: the ten
// check boxes first, then the radio buttons and the fake check boxes (each a bit of the factory 1).
const std::tuple<int, Field, std::int32_t> kControls[] = {
    {1007, &S::ScoreValidWords, 0},  {1008, &S::ScoreBogusWords, 0},  {1005, &S::AddWordsFaster, 0},
    {1046, &S::HandicapSpeed, 0},    {1047, &S::AdjustLifespan, 0},   {1054, &S::AnimateWords, 1},
    {1055, &S::PowerUps, 0},         {1048, &S::FadeWords, 0},        {1045, &S::ExpireMistakes, 1},
    {1056, &S::PenalizeMistakes, 0}, {1014, &S::EndGameCondition, 1}, {1015, &S::EndGameCondition, 2},
    {1016, &S::EndGameCondition, 4}, {1017, &S::EndGameCondition, 0}, {1022, &S::GenerateWords, 1},
    {1024, &S::GenerateWords, 2},    {1023, &S::GenerateWords, 3},    {1019, &S::GenerateFakes, 0},
    {1020, &S::GenerateFakes, 3},    {1021, &S::GenerateFakes, 5}};
const auto kBoxes = std::span(kControls).first(10);
// Every control enabled, and radio values that no button stands for.
const S kStart = [] {
    S start;
    start.FadeWords = 1;
    start.EndGameCondition = 3;
    start.GenerateWords = 7;
    return start;
}();

// Every opening shows the record as it is then: each control's check in the order of kControls, the
// interval and duration, and whether the time limit, target and penalty are enabled. A value that no
// button stands for shows as "no room" or "completely at random", a time too long for milliseconds as
// the largest number.
TEST_F(OptionsDialog, EveryOpeningShowsTheRecordAsItIsAndOkWithoutAChangeIsCancel) {
    for (const std::int32_t on : {1, 0}) {
        for (const auto& [id, field, after] : kBoxes) {
            GameSettings.*field = on;
        }
        GameSettings.GenerateFakes = on != 0 ? 5 : 2;
        GameSettings.EndGameCondition = on != 0 ? 3 : 0;
        GameSettings.GenerateWords = on != 0 ? 7 : 3;
        GameSettings.AddWordInterval = on != 0 ? 7 : 20;
        GameSettings.WordLifespan = on != 0 ? 21474837 : 5;
        const S before = GameSettings;
        std::string shown;
        EXPECT_EQ(Options([&](HWND dialog) {
                      for (const auto& [id, field, after] : kControls) {
                          shown += Checked(dialog, id) ? '1' : '0';
                      }
                      shown += " " + Text(dialog, 1031) + " " + Text(dialog, 1034) + " ";
                      for (const int id : {1036, 1037, 1056}) {
                          shown += Enabled(dialog, id) ? '1' : '0';
                      }
                      Click(dialog, IDOK);
                  }),
                  2)
            << on;
        EXPECT_EQ(shown,
                  on != 0 ? "11111111110010100101 700 2147483647 111" : "00000000000001001010 2000 500 000");
        EXPECT_EQ(GameSettings, before) << on;
    }
}

TEST_F(OptionsDialog, EachControlSetsItsFieldAndEnablesWhatApplies) {
    for (const auto& [id, field, after] : kControls) {
        GameSettings = kStart;
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
            Type(dialog, id, text);
            Click(dialog, IDOK);
        });
        EXPECT_EQ(GameSettings.*field, stored) << id << " \"" << text << '"';
    }
    // Time limit, target count and penalize enabled ('1') or not by each end radio; the duration
    // and its adjustment by the removal of ignored words.
    Options([](HWND dialog) {
        const int controls[] = {1036, 1037, 1056};
        for (const auto& [radio, on] :
             {std::pair{1014, "101"}, {1015, "011"}, {1016, "000"}, {1017, "000"}}) {
            Click(dialog, radio);
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(Enabled(dialog, controls[i]), on[i] == '1') << radio << " " << controls[i];
            }
        }
        for (const bool fading : {true, false}) {
            Click(dialog, 1048);
            EXPECT_EQ(Enabled(dialog, 1034), fading) << "duration, fading " << fading;
            EXPECT_EQ(Enabled(dialog, 1047), fading) << "adjust duration, fading " << fading;
        }
        Click(dialog, IDCANCEL);
    });
}

TEST_F(OptionsDialog, QuickCombinationsSetTheirValuesAndKeepTheRest) {
    const int buttons[9] = {1018, 1025, 1026, 1027, 1028, 1029, 1030, 1032, 1035};
    S marked; // values that no combination uses
    marked.PenalizeMistakes = marked.WordLifespan = marked.TimeLimit = marked.TargetCount = 77;
    marked.RoundRobin = 1;
    for (int column = 0; column < 9; ++column) {
        GameSettings = marked;
        EXPECT_EQ(Options(Press({buttons[column], IDOK})), 1) << buttons[column];
        EXPECT_EQ(GameSettings.GameNumber, column + 1) << buttons[column];
        EXPECT_EQ(GameSettings.RoundRobin, 0) << buttons[column];
        EXPECT_EQ(GameSettings.PenalizeMistakes, column == 2 ? 77 : 1) << buttons[column];
        EXPECT_EQ(GameSettings.TargetCount,
                  (column == 0 || column == 5 || column == 6 || column == 8) ? 50 : 77)
            << buttons[column];
    }
    GameSettings = marked; // "Bonus Round": a minute, fewer fakes, words quickly and briefly, no power-ups
    Options(Press({1028, IDOK}));
    EXPECT_EQ((std::vector{GameSettings.FakeWordProbab, GameSettings.TimeLimit, GameSettings.AddWordInterval,
                           GameSettings.WordLifespan, GameSettings.PowerUps, GameSettings.EndGameCondition}),
              (std::vector{15, 60, 7, 30, 0, 1}));
    GameSettings = S{};
    EXPECT_EQ(Options(Press({1035, IDOK})), 2) << "the factory settings again";
    GameSettings.GameNumber = 1;
    EXPECT_EQ(Options(Press({1035, IDOK})), 1) << "only the combination's number differs";
}

} // namespace
