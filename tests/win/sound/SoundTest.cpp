#include "sound/Sound.h"
#include "store/Preferences.h"
#include "support/ImportHook.h"

#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

TEST(SoundTest, EachEffectIsAShortMonoPcmWaveOfItsFormat) {
    for (const auto& [id, rate, bits, seconds] :
         {std::tuple{236, 22050u, 16u, 0.07}, std::tuple{239, 22050u, 16u, 0.13},
          std::tuple{245, 11025u, 8u, 0.16}, std::tuple{238, 11025u, 8u, 2.9}}) {
        SCOPED_TRACE(id);
        const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "WAVE");
        ASSERT_NE(found, nullptr);
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
        ASSERT_EQ(std::string(bytes, 4) + std::string(bytes + 8, 8) + std::string(bytes + 36, 4),
                  "RIFFWAVEfmt data");
        PCMWAVEFORMAT format;
        std::memcpy(&format, bytes + 20, sizeof format);
        EXPECT_EQ(format.wf.wFormatTag * 10 + format.wf.nChannels, WAVE_FORMAT_PCM * 10 + 1);
        EXPECT_EQ(format.wf.nSamplesPerSec, rate);
        EXPECT_EQ(format.wBitsPerSample, bits);
        EXPECT_NEAR((SizeofResource(nullptr, found) - 44) * 8.0 / bits / rate, seconds, seconds * 0.1);
    }
}

std::vector<std::uint64_t> gPlayed; // id, module and flags of each request, packed
BOOL WINAPI SpyPlaySound(LPCSTR name, HMODULE module, DWORD flags) {
    gPlayed.insert(gPlayed.end(),
                   {reinterpret_cast<std::uintptr_t>(name), reinterpret_cast<std::uintptr_t>(module), flags});
    return TRUE;
}

// A resource of the program's own, in the background, no system sound for it, no wait; none while off.
TEST(SoundTest, EffectsPlayFromTheProgramInTheBackgroundOnlyWhileSoundIsOn) {
    const ImportHook<decltype(&SpyPlaySound)> hook("winmm.dll", "PlaySoundA", SpyPlaySound);
    ASSERT_TRUE(hook.Installed());
    Preferences.Sound = 0;
    PlaySoundEffect(238);
    Preferences.Sound = 2; // any value but 0 is on
    PlaySoundEffect(239);
    EXPECT_EQ(gPlayed,
              (std::vector<std::uint64_t>{239, reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr)),
                                          SND_RESOURCE | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT}));
}

} // namespace
