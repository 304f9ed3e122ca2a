#pragma once

#include <windows.h>

// What a game needs from the application that runs it. The application implements it; the game
// holds it for its whole life.
class GameHost {
public:
    virtual ~GameHost() = default;

    // Ends the current game for reason (an EndReason): game-over operation, statistics, dialogs.
    virtual void EndGame(HWND window, int reason) = 0;
    // The string id of the current game's title, shown in the title bar and the dialogs.
    virtual void SetCurrentTitleId(unsigned id) = 0;
};
