#pragma once

#include <windows.h>

#include <cstdint>

class CZapGame;

// What the Round Robin Tour dialog shows: the stage about to be played and the tour's score so far.
// Made when the dialog opens and gone when it closes.
class CTourDialog {
public:
    virtual ~CTourDialog() = default;

    std::int32_t TourScore = 0; // RoundRobinScore of the rule settings
    CZapGame* Game = nullptr;   // StatsGame, the stage about to be played
};

// Introduces a stage of the tour: the title and description of StatsGame (set by the caller) and
// the RoundRobinScore of the rule settings. Only "OK" closes it; returns 1.
INT_PTR ShowTourDialog(HWND owner);
