#pragma once

#include <windows.h>

#include <cstdint>

// Application state that the dialogs read and set. The application owns the meaning; the dialogs
// hold the storage so that they need nothing of the application.
//
// The string id of the current game's title: every game sets it when it is built, the game selection
// sets it to the chosen stage, and the title bar, the high-score list and the statistics show it.
extern unsigned CurrentTitleId;

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

// A modal dialog's state belongs to whoever opens the dialog: RunDialog shows dialog resource id
// over owner with procedure, which reaches state through DialogState for as long as the dialog is
// open (from WM_INITDIALOG on, where lParam is &state too). Returns the dialog's result.
struct DialogRun {
    DLGPROC Procedure;
    void* State;
};
INT_PTR CALLBACK RunDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

template <class T>
INT_PTR RunDialog(HWND owner, int id, DLGPROC procedure, T& state) {
    DialogRun run{procedure, &state};
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), owner, RunDialogProc,
                           reinterpret_cast<LPARAM>(&run));
}

// The state that RunDialog passed to the dialog's procedure.
template <class T>
T& DialogState(HWND dialog) {
    return *static_cast<T*>(reinterpret_cast<const DialogRun*>(GetWindowLongPtrA(dialog, DWLP_USER))->State);
}

// The procedure of a dialog that edits a working copy (its state): the copy is reloaded and shown at
// every opening and given every command (State::Command reports whether it handled it).
template <typename State>
INT_PTR EditCopyProc(HWND dialog, UINT message, WPARAM wParam) {
    switch (message) {
    case WM_INITDIALOG: {
        State& copy = DialogState<State>(dialog);
        CentreWindow(dialog);
        copy.Load();
        copy.Show(dialog);
        return TRUE;
    }
    case WM_COMMAND:
        return DialogState<State>(dialog).Command(dialog, LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    default:
        return FALSE;
    }
}
