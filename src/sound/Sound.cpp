#include "sound/Sound.h"

#include "store/Preferences.h"

#include <mmsystem.h>

void PlayWave(int resourceId, HINSTANCE instance) {
    PlaySoundA(MAKEINTRESOURCEA(resourceId), instance, SND_RESOURCE | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT);
}

void PlaySoundEffect(int resourceId) {
    if (Preferences.Sound != 0) {
        PlayWave(resourceId, GetModuleHandleA(nullptr));
    }
}
