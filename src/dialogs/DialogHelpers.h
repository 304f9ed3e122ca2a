#pragma once

#include <windows.h>

#include <cstdint>

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
