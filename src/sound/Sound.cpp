#include "sound/Sound.h"

#include "store/Preferences.h"

#include <mmsystem.h>

namespace {

WavePlayer Player = PlayWave;

} // namespace

void PlayWave(int resourceId, HINSTANCE instance) {
    PlaySoundA(MAKEINTRESOURCEA(resourceId), instance, SND_RESOURCE | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT);
}

void PlaySoundEffect(int resourceId) {
    if (Preferences.Sound != 0) {
        Player(resourceId, GetModuleHandleA(nullptr));
    }
}

void SetWavePlayer(WavePlayer player) {
    Player = player != nullptr ? player : PlayWave;
}
