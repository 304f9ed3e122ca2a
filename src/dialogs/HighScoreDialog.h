#pragma once

#include <windows.h>

#include <cstdint>

// The "High Score List": the ten best names and scores of the current game family, kept under
// "<game key>\HighScores" as the texts Name0 ... Name9 and Score0 ... Score9 (entry 0 the highest).
// Until a list has been saved the rows show made-up names and a fixed ladder of scores. In entry
// mode the dialog opens a gap at the new score's row and lets the player type a name there; OK
// stores all ten rows as shown, Cancel stores nothing.

// The dialog's state: one object, made at the first opening and kept for the rest of the run.
class CHighScoreDialog {
public:
    static constexpr int kRows = 10;
    static constexpr int kNameLength = 255; // characters of a name, wherever stored or shown

    std::int32_t InsertRow = -1; // the new score's row, -1 while there is none
    std::int32_t Score = 0;      // the new score
    bool IsNew = false;          // entry mode

    virtual ~CHighScoreDialog() = default;

    // Sets the dialog up for Score and IsNew; false when it gave the focus to the new row's name.
    BOOL Initialise(HWND dialog);
    // Stores the ten rows as shown; stops at the first value that cannot be written.
    static void Save(HWND dialog);

private:
    void FillDefaults(HWND dialog) const;
    // The stored entries top down, opening the gap for a new score on the way.
    void LoadStored(HWND dialog);
    void OpenGap(HWND dialog, int row);
};

INT_PTR CALLBACK HighScoreDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the list for reading (the High Scores menu command); returns 1 after OK, 2 after Cancel.
INT_PTR ShowHighScoreList(HWND owner);

// Shows the list in entry mode for a score that beats its lowest entry (the game-over path, when
// CheckHighScore offers the score).
void ShowHighScoreEntry(HWND owner, std::int32_t score);
