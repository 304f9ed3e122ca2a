#include "dialogs/OptionsDialog.h"

#include "dialogs/DialogHelpers.h"
#include "dialogs/HelpPage.h"
#include "resources/resource.h"
#include "rules/GameSettings.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace {

using Field = std::int32_t COptionsDialog::*;

struct CheckBox {
    int Id;
    Field Target;
};
constexpr CheckBox kCheckBoxes[] = {
    {IDC_OPT_SCORE_WORDS, &COptionsDialog::ScoreValidWords},
    {IDC_OPT_SCORE_FAKES, &COptionsDialog::ScoreBogusWords},
    {IDC_OPT_ADD_WORDS_FASTER, &COptionsDialog::AddWordsFaster},
    {IDC_OPT_HANDICAP_SPEED, &COptionsDialog::HandicapSpeed},
    {IDC_OPT_ADJUST_LIFESPAN, &COptionsDialog::AdjustLifespan},
    {IDC_OPT_ANIMATE_WORDS, &COptionsDialog::AnimateWords},
    {IDC_OPT_POWER_UPS, &COptionsDialog::PowerUps},
    {IDC_OPT_FADE_WORDS, &COptionsDialog::FadeWords},
    {IDC_OPT_EXPIRE_MISTAKES, &COptionsDialog::ExpireMistakes},
    {IDC_OPT_PENALIZE_MISTAKES, &COptionsDialog::PenalizeMistakes},
};

// The fake-word check boxes each stand for one bit of GenerateFakes.
struct FakeBox {
    int Id;
    std::int32_t Bit;
};
constexpr FakeBox kFakeBoxes[] = {
    {IDC_OPT_FAKE_RANDOM_LETTERS, FakeRandomLetters},
    {IDC_OPT_FAKE_COMPOUND, FakeCompound},
    {IDC_OPT_FAKE_MISSPELL, FakeMisspell},
};

struct Radio {
    int Id;
    std::int32_t Value;
};
constexpr Radio kEndRadios[] = {
    {IDC_OPT_END_TIME, EndOnTime},
    {IDC_OPT_END_TARGET, EndOnTarget},
    {IDC_OPT_END_NO_ROOM, EndOnNoRoom},
    {IDC_OPT_END_NEVER, 0},
};
constexpr Radio kWordRadios[] = {
    {IDC_OPT_CHOOSE_AT_RANDOM, ChooseAtRandom},
    {IDC_OPT_CHOOSE_BY_LETTER, ChooseByFirstLetter},
    {IDC_OPT_CHOOSE_BY_LENGTH, ChooseByLength},
};

struct NumberEdit {
    int Id;
    Field Target;
};
constexpr NumberEdit kEdits[] = {
    {IDC_OPT_INTERVAL, &COptionsDialog::IntervalMs},
    {IDC_OPT_FAKE_PROBABILITY, &COptionsDialog::FakeWordProbab},
    {IDC_OPT_LIFESPAN, &COptionsDialog::LifespanMs},
    {IDC_OPT_TIME_LIMIT, &COptionsDialog::TimeLimit},
    {IDC_OPT_TARGET_COUNT, &COptionsDialog::TargetCount},
};

// The quick combinations: one row per field, one column per button; Keep leaves the field as it is.
constexpr std::int32_t Keep = std::numeric_limits<std::int32_t>::min();
constexpr int kQuickCount = 9;
constexpr int kQuickButtons[kQuickCount] = {
    IDC_OPT_QUICK_ANY_50,        IDC_OPT_QUICK_50_SECONDS,  IDC_OPT_QUICK_DEEP_THOUGHT,
    IDC_OPT_QUICK_SPEED,         IDC_OPT_QUICK_BONUS_ROUND, IDC_OPT_QUICK_JIGGLE_50,
    IDC_OPT_QUICK_SPELL_CHECKER, IDC_OPT_QUICK_FOREVER,     IDC_OPT_QUICK_FACTORY,
};
struct QuickRow {
    Field Target;
    std::int32_t Values[kQuickCount];
};
// clang-format off
constexpr QuickRow kQuickRows[] = {
    {&COptionsDialog::GameNumber,       {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    {&COptionsDialog::ScoreValidWords,  {1, 1, 1, 1, 1, 1, 0, 1, 1}},
    {&COptionsDialog::ScoreBogusWords,  {1, 1, 1, 1, 1, 1, 1, 1, 1}},
    {&COptionsDialog::AddWordsFaster,   {1, 1, 0, 1, 1, 1, 1, 1, 1}},
    {&COptionsDialog::HandicapSpeed,    {0, 0, 0, 1, 1, 1, 1, 1, 1}},
    {&COptionsDialog::AdjustLifespan,   {0, 0, 0, 1, 1, 1, 1, 1, 1}},
    {&COptionsDialog::AnimateWords,     {0, 0, 0, 0, 0, 1, 0, 0, 0}},
    {&COptionsDialog::PowerUps,         {1, 1, 0, 1, 0, 1, 0, 1, 1}},
    {&COptionsDialog::FadeWords,        {1, 1, 0, 1, 1, 1, 0, 1, 0}},
    {&COptionsDialog::ExpireMistakes,   {1, 1, 0, 1, 1, 0, 0, 1, 0}},
    {&COptionsDialog::PenalizeMistakes, {1, 1, Keep, 1, 1, 1, 1, 1, 1}},
    {&COptionsDialog::PrefillDeadRects, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {&COptionsDialog::RoundRobin,       {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {&COptionsDialog::EndGameCondition, {2, 1, 4, 1, 1, 2, 2, 0, 4}},
    {&COptionsDialog::GenerateWords,    {1, 1, 1, 1, 1, 1, 1, 1, 1}},
    {&COptionsDialog::GenerateFakes,    {1, 1, 1, 1, 1, 1, 6, 1, 1}},
    {&COptionsDialog::IntervalMs,       {2000, 2000, 3000, 750, 750, 2000, 2000, 2000, 2000}},
    {&COptionsDialog::FakeWordProbab,   {50, 50, 50, 50, 15, 50, 50, 50, 50}},
    {&COptionsDialog::LifespanMs,       {5000, 5000, Keep, 2000, 3000, 5000, Keep, Keep, 5000}},
    {&COptionsDialog::TimeLimit,        {Keep, 50, Keep, 180, 60, Keep, Keep, Keep, 50}},
    {&COptionsDialog::TargetCount,      {50, Keep, Keep, Keep, Keep, 50, 50, Keep, 50}},
};
// clang-format on

// Tenths of a second as the dialog shows them. The product is taken in 64 bits and held to the
// 32-bit range, so a huge stored time shows as the largest number rather than a wrapped one.
std::int32_t Milliseconds(std::int32_t tenths) {
    const std::int64_t ms = std::int64_t{tenths} * 100;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(ms, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// The tenths to keep for a time the dialog shows in milliseconds. While the edit still shows the
// stored time, the stored time stays, even when it was too large to show exactly.
std::int32_t Tenths(std::int32_t ms, std::int32_t stored) {
    return ms == Milliseconds(stored) ? stored : ms / 100;
}

// An edit's text as a number: an optional minus sign and digits that fit in 32 bits; anything
// else, the empty text included, reads as 0.
std::int32_t ReadNumber(HWND dialog, int id) {
    const int length = GetWindowTextLengthA(GetDlgItem(dialog, id));
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    GetItemText(dialog, id, text.data(), static_cast<int>(text.size()));
    text.resize(std::char_traits<char>::length(text.c_str()));
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc{} && end == text.data() + text.size() ? number : 0;
}

void Check(HWND dialog, int id, bool on) {
    CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

void Enable(HWND dialog, int id, bool on) {
    EnableWindow(GetDlgItem(dialog, id), on ? TRUE : FALSE);
}

} // namespace

void COptionsDialog::Load() {
    const GameSettingsRecord& s = GameSettings;
    AddWordsFaster = s.AddWordsFaster;
    ScoreValidWords = s.ScoreValidWords;
    ScoreBogusWords = s.ScoreBogusWords;
    PrefillDeadRects = s.PrefillDeadRects;
    RoundRobin = s.RoundRobin;
    ExpireMistakes = s.ExpireMistakes;
    AdjustLifespan = s.AdjustLifespan;
    HandicapSpeed = s.HandicapSpeed;
    AnimateWords = s.AnimateWords;
    FadeWords = s.FadeWords;
    PowerUps = s.PowerUps;
    PenalizeMistakes = s.PenalizeMistakes;
    GenerateFakes = s.GenerateFakes;
    GenerateWords = s.GenerateWords;
    EndGameCondition = s.EndGameCondition;
    IntervalMs = Milliseconds(s.AddWordInterval);
    FakeWordProbab = s.FakeWordProbab;
    LifespanMs = Milliseconds(s.WordLifespan);
    TimeLimit = s.TimeLimit;
    TargetCount = s.TargetCount;
    GameNumber = s.GameNumber;
}

bool COptionsDialog::Store() const {
    GameSettingsRecord s = GameSettings;
    s.AddWordsFaster = AddWordsFaster;
    s.ScoreValidWords = ScoreValidWords;
    s.ScoreBogusWords = ScoreBogusWords;
    s.PrefillDeadRects = PrefillDeadRects;
    s.RoundRobin = RoundRobin;
    s.ExpireMistakes = ExpireMistakes;
    s.AdjustLifespan = AdjustLifespan;
    s.HandicapSpeed = HandicapSpeed;
    s.AnimateWords = AnimateWords;
    s.FadeWords = FadeWords;
    s.PowerUps = PowerUps;
    s.PenalizeMistakes = PenalizeMistakes;
    s.GenerateFakes = GenerateFakes;
    s.GenerateWords = GenerateWords;
    s.EndGameCondition = EndGameCondition;
    s.AddWordInterval = Tenths(IntervalMs, GameSettings.AddWordInterval);
    s.FakeWordProbab = FakeWordProbab;
    s.WordLifespan = Tenths(LifespanMs, GameSettings.WordLifespan);
    s.TimeLimit = TimeLimit;
    s.TargetCount = TargetCount;
    s.GameNumber = GameNumber;
    if (s == GameSettings) {
        return false;
    }
    GameSettings = s;
    return true;
}

void COptionsDialog::Show(HWND dialog) const {
    for (const CheckBox& box : kCheckBoxes) {
        Check(dialog, box.Id, this->*box.Target != 0);
    }
    for (const FakeBox& box : kFakeBoxes) {
        Check(dialog, box.Id, (GenerateFakes & box.Bit) != 0);
    }
    // Values that no button stands for show as "no room" and "completely at random".
    int end = IDC_OPT_END_NO_ROOM;
    for (const Radio& radio : kEndRadios) {
        end = radio.Value == EndGameCondition ? radio.Id : end;
    }
    CheckRadioButton(dialog, IDC_OPT_END_TIME, IDC_OPT_END_NEVER, end);
    int words = IDC_OPT_CHOOSE_AT_RANDOM;
    for (const Radio& radio : kWordRadios) {
        words = radio.Value == GenerateWords ? radio.Id : words;
    }
    CheckRadioButton(dialog, IDC_OPT_CHOOSE_AT_RANDOM, IDC_OPT_CHOOSE_BY_LENGTH, words);
    // Each edit notifies a change as it is set; it then reads back the number it shows.
    for (const NumberEdit& edit : kEdits) {
        SetItemInt(dialog, edit.Id, this->*edit.Target);
    }
    EnableControls(dialog);
}

void COptionsDialog::EnableControls(HWND dialog) const {
    const bool timed = (EndGameCondition & EndOnTime) != 0;
    const bool targeted = (EndGameCondition & EndOnTarget) != 0;
    Enable(dialog, IDC_OPT_TIME_LIMIT, timed);
    Enable(dialog, IDC_OPT_TARGET_COUNT, targeted);
    Enable(dialog, IDC_OPT_LIFESPAN, FadeWords != 0);
    Enable(dialog, IDC_OPT_ADJUST_LIFESPAN, FadeWords != 0);
    Enable(dialog, IDC_OPT_PENALIZE_MISTAKES, timed || targeted);
}

void COptionsDialog::ApplyQuickCombination(int column) {
    for (const QuickRow& row : kQuickRows) {
        if (row.Values[column] != Keep) {
            this->*row.Target = row.Values[column];
        }
    }
}

bool COptionsDialog::Command(HWND dialog, int id, int code) {
    for (const NumberEdit& edit : kEdits) {
        if (edit.Id == id) {
            if (code != EN_CHANGE) {
                return false;
            }
            this->*edit.Target = ReadNumber(dialog, id);
            EnableControls(dialog);
            return true;
        }
    }
    if (code != BN_CLICKED) {
        return false;
    }
    for (const CheckBox& box : kCheckBoxes) {
        if (box.Id == id) {
            this->*box.Target = this->*box.Target != 0 ? 0 : 1;
            Check(dialog, id, this->*box.Target != 0);
            EnableControls(dialog);
            return true;
        }
    }
    for (const FakeBox& box : kFakeBoxes) {
        if (box.Id == id) {
            GenerateFakes ^= box.Bit;
            Check(dialog, id, (GenerateFakes & box.Bit) != 0);
            EnableControls(dialog);
            return true;
        }
    }
    for (const Radio& radio : kEndRadios) {
        if (radio.Id == id) {
            EndGameCondition = radio.Value;
            CheckRadioButton(dialog, IDC_OPT_END_TIME, IDC_OPT_END_NEVER, id);
            EnableControls(dialog);
            return true;
        }
    }
    for (const Radio& radio : kWordRadios) {
        if (radio.Id == id) {
            GenerateWords = radio.Value;
            CheckRadioButton(dialog, IDC_OPT_CHOOSE_AT_RANDOM, IDC_OPT_CHOOSE_BY_LENGTH, id);
            EnableControls(dialog);
            return true;
        }
    }
    for (int column = 0; column < kQuickCount; ++column) {
        if (kQuickButtons[column] == id) {
            ApplyQuickCombination(column);
            Show(dialog);
            return true;
        }
    }
    switch (id) {
    case IDC_OPT_HELP:
        OpenHelpPage(dialog);
        return true;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return true;
    case IDOK:
        EndDialog(dialog, Store() ? IDOK : IDCANCEL);
        return true;
    default:
        return false;
    }
}

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return EditCopyProc<COptionsDialog>(dialog, message, wParam);
}

INT_PTR ShowOptionsDialog(HWND owner) {
    static COptionsDialog copy; // the one working copy, kept for the whole run
    return RunDialog(owner, DLG_GAME_OPTIONS, OptionsDialogProc, copy);
}
