#pragma once

#include <windows.h>

class CZapGame;

// The two statistics dialogs: "Game Statistics" shows the stored numbers of the current game
// family; "Game Over Statistics" also lists every word of the game that just ended by how the player
// treated it. Both can reset the stored statistics.

// The state of an open statistics dialog: the game whose word lists it shows (none from the
// Statistics menu command when no game runs). It lives for one opening.
class CStatsDialog {
public:
    CZapGame* Game = nullptr;

    explicit CStatsDialog(CZapGame* game) : Game(game) {}
    virtual ~CStatsDialog() = default;

    // Button 1 in the tour, the stored numbers, and (with a game) the six word lists and counts.
    // Controls the dialog does not have are left out.
    void Fill(HWND dialog) const;
    // The stored numbers only: after a reset the word lists stay as they are.
    static void ShowNumbers(HWND dialog);
};

// The one dialog procedure of both dialogs. Button 1 ends with 4 during the Round Robin tour
// (the next tour game), otherwise 1; button 2 ends with 2.
INT_PTR CALLBACK StatsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows "Game Statistics" modally for game (null when no game runs) and returns the dialog's result.
INT_PTR ShowGameStatistics(HWND owner, CZapGame* game);

// Shows "Game Over Statistics" for the game that just ended and returns what comes next:
// 1 a new game, 2 quit, 4 the next game of the tour.
INT_PTR ShowGameOverStatistics(HWND owner, CZapGame* game);
