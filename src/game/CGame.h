#pragma once

#include "game/GameHost.h"
#include "gfx/CDrawBuffer.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

class Dictionary;

// Something Undo can take back.
class UndoRecord {
public:
    virtual ~UndoRecord() = default;
};

// The base of every game the application runs. The application forwards the main window's messages
// to the current game through these virtual operations; each has a default here. Operations that
// answer a message return 1 when they handled it and 0 when not.
class CGame {
public:
    HINSTANCE Instance;
    CDrawBuffer Buffer;
    Dictionary* Words;          // the application's, not owned
    std::int32_t Running = 1;   // while clear the game's clock is ignored
    RECT FieldRect{0, 0, 0, 0}; // set by the derived game's layout
    std::vector<std::unique_ptr<UndoRecord>> UndoStack;
    std::int32_t ElapsedSeconds = 0;
    std::int32_t TimeLimitSeconds = -1; // set by the derived game, which keeps its own time
    std::int32_t LaidOut = 0;

    CGame(GameHost& host, HINSTANCE instance, Dictionary* words);
    virtual ~CGame();
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    virtual void OnIdle();
    // command: the menu or accelerator id; wParam and lParam: the message's own words.
    virtual int OnCommand(HWND window, int command, WPARAM wParam, LPARAM lParam);
    // Lays out first when needed, then runs a drawing pass.
    virtual int OnPaint(HWND window, HDC dc);
    // Takes the colour preferences again, lays out and repaints everything.
    virtual int OnSettingsChanged(HWND window, HDC dc);
    // Handles no timer: every game the program runs keeps its own clock.
    virtual int OnTimer(HWND window, UINT timerId);
    virtual int OnSize(HWND window, UINT sizeType, int width, int height);
    virtual int OnEraseBackground(HWND window, HDC dc);
    // Takes back the newest undo record; 0 when there is none.
    virtual int Undo(HWND window);
    virtual int OnMouseMove(HWND window, int x, int y, UINT keys);
    virtual int OnLButtonDown(HWND window, int x, int y, UINT keys);
    virtual int OnLButtonUp(HWND window, int x, int y, UINT keys);
    // A double click is a press.
    virtual int OnLButtonDblClk(HWND window, int x, int y, UINT keys);
    virtual int OnRButtonDown(HWND window, int x, int y, UINT keys);
    virtual int OnRButtonUp(HWND window, int x, int y, UINT keys);
    virtual int OnRButtonDblClk(HWND window, int x, int y, UINT keys);
    virtual int OnKeyUp(HWND window);
    virtual int OnKeyDown(HWND window);
    virtual int OnKeyLeft(HWND window);
    virtual int OnKeyRight(HWND window);
    virtual int OnKeySpace(HWND window);
    virtual std::int32_t Score();
    // Plays the game-over wave when the game was won or its time ran out.
    virtual void OnGameOver(HWND window, int reason);
    virtual unsigned DescriptionId();
    virtual unsigned TitleId();
    virtual void StartTimers(HWND window);
    virtual void StopTimers(HWND window);
    virtual int Layout(HWND window, HDC dc);

    void PushUndo(std::unique_ptr<UndoRecord> record);

protected:
    GameHost& Host;

private:
    void TakeColours();
};
