#pragma once

#include <windows.h>

#include <cstdint>

// The working copy of the "Game Options" dialog: the rule settings that the dialog edits, with the
// two times in milliseconds as the dialog shows them (the record keeps tenths of a second). One copy
// exists, made when the dialog first opens and reloaded from GameSettings at every opening.
class COptionsDialog {
public:
    virtual ~COptionsDialog() = default;

    std::int32_t AddWordsFaster = 0;
    std::int32_t ScoreValidWords = 0;
    std::int32_t ScoreBogusWords = 0;
    std::int32_t PrefillDeadRects = 0;
    std::int32_t RoundRobin = 0;
    std::int32_t ExpireMistakes = 0;
    std::int32_t AdjustLifespan = 0;
    std::int32_t HandicapSpeed = 0;
    std::int32_t AnimateWords = 0;
    std::int32_t FadeWords = 0;
    std::int32_t PowerUps = 0;
    std::int32_t PenalizeMistakes = 0;
    std::int32_t GenerateFakes = 0;
    std::int32_t GenerateWords = 0;
    std::int32_t EndGameCondition = 0;
    std::int32_t IntervalMs = 0;
    std::int32_t FakeWordProbab = 0;
    std::int32_t LifespanMs = 0;
    std::int32_t TimeLimit = 0;
    std::int32_t TargetCount = 0;
    std::int32_t GameNumber = 0;

    // Copies GameSettings into the copy.
    void Load();
    // Writes the copy into GameSettings when any value differs from it; true when it did.
    bool Store() const;

    // The copy in the controls of dialog, then the enabling rules.
    void Show(HWND dialog) const;
    // Enables the controls that only matter for some settings.
    void EnableControls(HWND dialog) const;
    // A control's command; false when the command is not one of the dialog's.
    bool Command(HWND dialog, int id, int code);

private:
    // Sets the fields that quick combination number column (0 to 8) names.
    void ApplyQuickCombination(int column);
};

// The dialog procedure of dialog resource 149.
INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the "Game Options" dialog over owner and waits until it closes. Returns 1 when OK changed
// GameSettings, 2 when nothing changed (Cancel, or OK without a difference).
INT_PTR ShowOptionsDialog(HWND owner);
