#pragma once

#include <windows.h>

#include <cstdint>

class CZapGame;

// What the Round Robin Tour dialog shows: the stage about to be played and the tour's score so far.
// It lives for one opening.
class CTourDialog {
public:
    virtual ~CTourDialog() = default;

    std::int32_t TourScore = 0; // RoundRobinScore of the rule settings
    CZapGame* Game = nullptr;   // the stage about to be played
};

// Introduces a stage of the tour: the title and description of game and the RoundRobinScore of the
// rule settings. Only "OK" closes it; returns 1.
INT_PTR ShowTourDialog(HWND owner, CZapGame* game);
