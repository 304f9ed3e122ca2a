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
    for (const auto& [id, rate, bits, seconds] :
         {std::tuple{236, 22050u, 16u, 0.07}, std::tuple{239, 22050u, 16u, 0.13},
          std::tuple{245, 11025u, 8u, 0.16}, std::tuple{238, 11025u, 8u, 2.9}}) {
        SCOPED_TRACE(id);
        const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "WAVE");
        ASSERT_NE(found, nullptr);
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
        const auto field = [bytes](int offset, std::size_t size) {
            std::uint32_t value = 0;
            std::memcpy(&value, bytes + offset, size);
            return value;
        };
        ASSERT_EQ(std::string(bytes, 4) + std::string(bytes + 8, 8) + std::string(bytes + 36, 4),
                  "RIFFWAVEfmt data");
        EXPECT_EQ(field(16, 4), 16u);
        EXPECT_EQ(field(20, 2) * 10 + field(22, 2), 11u); // PCM, mono
        EXPECT_EQ(field(24, 4), rate);
        EXPECT_EQ(field(34, 2), bits);
        EXPECT_LE(field(40, 4) + 44, SizeofResource(nullptr, found));
        EXPECT_NEAR(field(40, 4) * 8.0 / bits / rate, seconds, seconds * 0.1);
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
