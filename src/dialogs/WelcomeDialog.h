#pragma once

#include <windows.h>

// What the how-to-play dialog remembers between openings. One object, the application's, serves
// every opening of the program's run.
class CWelcomeDialog {
public:
    virtual ~CWelcomeDialog() = default;

    // Set only until the first opening has been set up: that one (the welcome at start-up, or the
    // menu's How To Play when the welcome is off) offers the tour; later ones only explain.
    int FirstOpening = 1;
};

// Explains the rules as GameSettings has them. The first opening of state offers "Play &Tour" and
// "&Play"; later openings show only "OK". "&Play" or "OK" switches the tour off (RoundRobin 0),
// "Play &Tour" switches it on (RoundRobin 1); both return 1. A close returns 2 and changes nothing.
INT_PTR ShowWelcomeDialog(HWND owner, CWelcomeDialog& state);
