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

// Each effect is a canonical mono PCM wave (RIFF, WAVE, a 16-byte "fmt " chunk, then the samples)
// of its rate and sample size, and about its length in seconds.
TEST(SoundTest, EachEffectIsAShortMonoPcmWaveOfItsFormat) {
    struct {
        std::uint16_t Tag, Channels;
        std::uint32_t Rate, BytesPerSecond;
        std::uint16_t Align, Bits;
        char Data[4];
        std::uint32_t DataSize;
    } wave{};
    static_assert(sizeof wave == 24);
    for (const auto& [id, rate, bits, seconds] :
         {std::tuple{236, 22050u, 16, 0.07}, std::tuple{239, 22050u, 16, 0.13},
          std::tuple{245, 11025u, 8, 0.16}, std::tuple{238, 11025u, 8, 2.9}}) {
        const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "WAVE");
        ASSERT_NE(found, nullptr) << id;
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
        ASSERT_EQ(std::string(bytes, 4) + std::string(bytes + 8, 12),
                  std::string("RIFFWAVEfmt \x10\0\0\0", 16))
            << id;
        std::memcpy(&wave, bytes + 20, sizeof wave);
        EXPECT_EQ(std::string(wave.Data, 4), "data") << id;
        EXPECT_LE(wave.DataSize + 44, SizeofResource(nullptr, found)) << id;
        EXPECT_EQ(wave.Tag * 10 + wave.Channels, 11) << id; // PCM, mono
        EXPECT_EQ(wave.Rate, rate) << id;
        EXPECT_EQ(wave.Bits, bits) << id;
        EXPECT_NEAR(wave.DataSize * 8.0 / bits / rate, seconds, seconds * 0.1) << id;
    }
}

std::vector<std::uint64_t> gPlayed; // id, module and flags of each request, packed
BOOL WINAPI SpyPlaySound(LPCSTR name, HMODULE module, DWORD flags) {
    gPlayed.insert(gPlayed.end(),
                   {reinterpret_cast<std::uintptr_t>(name), reinterpret_cast<std::uintptr_t>(module), flags});
    return TRUE;
}

// The wave is a resource of the program's own module, played in the background, with no system
// sound in its place and no wait for a busy device; nothing while sound is off.
TEST(SoundTest, EffectsPlayFromTheProgramInTheBackgroundOnlyWhileSoundIsOn) {
    const ImportHook<decltype(&SpyPlaySound)> hook("winmm.dll", "PlaySoundA", SpyPlaySound);
    ASSERT_TRUE(hook.Installed());
    Preferences.Sound = 0;
    for (const int id : {236, 238, 239, 245}) {
        PlaySoundEffect(id);
    }
    Preferences.Sound = 2; // any value but 0 is on
    PlaySoundEffect(239);
    Preferences.Sound = 1;
    const DWORD flags = SND_RESOURCE | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT;
    EXPECT_EQ(gPlayed, (std::vector<std::uint64_t>{
                           239, reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr)), flags}));
}

} // namespace
