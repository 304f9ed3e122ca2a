#pragma once

#include <windows.h>

// What the game selection shows and what the player chose there. One object serves every opening.
class CSelectGameDialog {
public:
    virtual ~CSelectGameDialog() = default;

    unsigned TitleId = 0; // string id of the chosen stage's title
    int ListIndex = -1;   // list position whose description is shown
    int Selection = -1;   // the chosen stage, 1 to 9; -1 while nothing is chosen
};

// Lets the player choose one of the nine stages, starting from the stage chosen last (the
// GameSelection preference). "&Play" (or a double-click) with a stage chosen makes it the
// GameSelection preference and its title the CurrentTitleId; with none chosen it changes nothing.
// Returns 1 for "&Play", 2 for "&Quit" or a close.
INT_PTR ShowSelectGameDialog(HWND owner);
