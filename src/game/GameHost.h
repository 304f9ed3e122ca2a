#pragma once

#include <windows.h>

// What a game needs from the application that runs it. The application implements it; the game
// holds it for its whole life.
class GameHost {
public:
    virtual ~GameHost() = default;

    // Ends the current game for reason (an EndReason).
    virtual void EndGame(HWND window, int reason) = 0;
    // The registry key, below the current user, of the game family's statistics and high scores.
    virtual void SetGameKey(const char* key) = 0;
    // The string id of the current game's title.
    virtual void SetCurrentTitleId(unsigned id) = 0;
    // Plays a wave resource by id when sound effects are on.
    virtual void PlaySoundEffect(unsigned id) = 0;
    // The ForegroundColor and BackgroundColor preferences.
    virtual COLORREF ForegroundColor() const = 0;
    virtual COLORREF BackgroundColor() const = 0;
};
