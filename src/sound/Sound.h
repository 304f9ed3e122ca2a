#pragma once

#include <windows.h>

// The four sound effects are wave resources of the program (resources/resource.h, IDW_). They play
// in the background: a request returns at once, and a missing or unplayable sound stays silent.

// Starts the wave resource id of module instance without waiting: no system default sound when it
// is missing, and nothing at all when the wave device is busy.
void PlayWave(int resourceId, HINSTANCE instance);

// Plays the program's own wave resource id when the Sound preference is on; otherwise nothing.
void PlaySoundEffect(int resourceId);
