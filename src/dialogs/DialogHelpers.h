#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

class CZapGame;

// Application state that the dialogs read and set. The application owns the meaning; the dialogs
// hold the storage so that they need nothing of the application.
//
// The string id of the current game's title: every game sets it when it is built, the game selection
// sets it to the chosen stage, and the title bar, the high-score list and the statistics show it.
extern unsigned CurrentTitleId;
// The game whose word lists the statistics and tour dialogs show: set by the caller just before it
// opens one of them, and cleared afterwards.
extern CZapGame* StatsGame;
// The result that the high-score list takes in entry mode: set only while the game-over path shows it.
extern std::int32_t PendingScore;
extern std::int32_t PendingIsNew;

// Centres window over its owner, or over the screen when it has none.
void CentreWindow(HWND window);
// The text of control id of dialog; a missing control leaves nothing to set.
void SetItemText(HWND dialog, int id, const char* text);
// Reads the text of control id into buffer (size bytes, at least the terminator); the buffer is
// emptied first, so a missing control reads as "".
void GetItemText(HWND dialog, int id, char* buffer, int size);
// Shows number in control id as "%d".
void SetItemInt(HWND dialog, int id, std::int32_t number);
// Sets window's caption to "<caption> - <string id>": the old caption (at most 1,023 characters)
// and the string-table text. Nothing happens for id 0. The result is bounded, whatever the texts.
void AppendToTitle(HWND window, unsigned id);

// The procedure of a dialog that edits a working copy: the copy is made at the first opening and kept
// for the whole run, reloaded and shown at every opening, and given every command (State::Command
// reports whether it handled it).
template <typename State>
INT_PTR EditCopyProc(std::unique_ptr<State>& copy, HWND dialog, UINT message, WPARAM wParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (copy == nullptr) {
            copy = std::make_unique<State>();
        }
        CentreWindow(dialog);
        copy->Load();
        copy->Show(dialog);
        return TRUE;
    case WM_COMMAND:
        return copy != nullptr && copy->Command(dialog, LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    default:
        return FALSE;
    }
}
