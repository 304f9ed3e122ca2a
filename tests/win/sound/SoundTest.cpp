#include "sound/Sound.h"
#include "resources/resource.h"
#include "store/Preferences.h"
#include "support/ImportHook.h"

#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A little-endian number of one to four bytes.
std::uint32_t Little(const unsigned char* p, int bytes) {
    return bytes == 0 ? 0 : p[0] | (Little(p + 1, bytes - 1) << 8);
}

TEST(SoundTest, EachEffectIsAShortMonoPcmWaveOfItsFormat) {
    struct Expected {
        int Id;
        std::uint32_t Rate, Bits;
        double Seconds;
    };
    for (const Expected& e :
         {Expected{IDW_CORRECT, 22050, 16, 0.07}, Expected{IDW_MISTAKE, 22050, 16, 0.13},
          Expected{IDW_REFUSED_CLICK, 11025, 8, 0.16}, Expected{IDW_GAME_WON, 11025, 8, 2.9}}) {
        const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(e.Id), "WAVE");
        ASSERT_NE(found, nullptr) << e.Id;
        const auto* wave = static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, found)));
        // A canonical header: RIFF, WAVE, a 16-byte "fmt " chunk, then the samples.
        ASSERT_GE(SizeofResource(nullptr, found), 44u);
        const std::string tags(reinterpret_cast<const char*>(wave), 40);
        ASSERT_EQ(tags.substr(0, 4) + tags.substr(8, 8) + tags.substr(36), "RIFFWAVEfmt data");
        const std::uint32_t dataSize = Little(wave + 40, 4);
        ASSERT_LE(dataSize + 44, SizeofResource(nullptr, found));
        EXPECT_TRUE(Little(wave + 16, 4) == 16 && Little(wave + 20, 2) == WAVE_FORMAT_PCM &&
                    Little(wave + 22, 2) == 1 && Little(wave + 24, 4) == e.Rate &&
                    Little(wave + 34, 2) == e.Bits)
            << e.Id;
        const std::uint32_t width = e.Bits / 8;
        EXPECT_NEAR(static_cast<double>(dataSize / width) / e.Rate, e.Seconds, e.Seconds * 0.1) << e.Id;

        double peak = 0.0;
        for (std::uint32_t i = 0; i + width <= dataSize; i += width) {
            const double sample = width == 1 ? (wave[44 + i] - 128) / 128.0
                                             : static_cast<std::int16_t>(Little(wave + 44 + i, 2)) / 32768.0;
            peak = std::max(peak, sample < 0 ? -sample : sample);
        }
        EXPECT_GT(peak, 0.3) << e.Id << " is (nearly) silent";
    }
}

class SoundEffectTest : public ::testing::Test {
protected:
    void TearDown() override {
        SetWavePlayer(nullptr);
        Preferences.Sound = 1;
        PlaySoundA(nullptr, nullptr, 0);
    }

    static void Record(int id, HINSTANCE instance) {
        Requests.push_back(id);
        EXPECT_EQ(instance, GetModuleHandleA(nullptr));
    }
    static inline std::vector<int> Requests;
};

// A request that waited for its wave, or for a message box about a missing one, would take far longer
// than half a second.
TEST_F(SoundEffectTest, PlaysTheProgramsOwnWaveOnlyWhenSoundIsOnAndReturnsAtOnce) {
    SetWavePlayer(Record);
    Preferences.Sound = 0;
    for (const int id : {IDW_CORRECT, IDW_MISTAKE, IDW_REFUSED_CLICK, IDW_GAME_WON}) {
        PlaySoundEffect(id);
    }
    EXPECT_TRUE(Requests.empty());
    Preferences.Sound = 1;
    PlaySoundEffect(IDW_MISTAKE);
    EXPECT_EQ(Requests, std::vector<int>{IDW_MISTAKE});

    SetWavePlayer(nullptr);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    // Each effect, the first and last twice in quick succession, and an id that has no wave.
    for (const int id :
         {IDW_CORRECT, IDW_CORRECT, IDW_MISTAKE, IDW_REFUSED_CLICK, IDW_GAME_WON, IDW_GAME_WON, 999}) {
        QueryPerformanceCounter(&start);
        PlaySoundEffect(id);
        QueryPerformanceCounter(&end);
        EXPECT_LT(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart, 500.0)
            << id;
    }
}

struct PlaySoundCall {
    LPCSTR Name;
    HMODULE Module;
    DWORD Flags;
};
std::vector<PlaySoundCall> PlaySoundCalls;
BOOL WINAPI SpyPlaySound(LPCSTR name, HMODULE module, DWORD flags) {
    PlaySoundCalls.push_back({name, module, flags});
    return TRUE;
}

// The wave is the program's resource by number, played in the background, with no system sound in
// its place and no wait for a busy device.
TEST(PlayWaveTest, AsksForTheResourceAsynchronouslyWithoutDefaultOrWait) {
    ImportHook hook("winmm.dll", "PlaySoundA", SpyPlaySound);
    ASSERT_TRUE(hook.Installed());
    PlaySoundCalls.clear();
    PlayWave(238, GetModuleHandleA(nullptr));
    ASSERT_EQ(PlaySoundCalls.size(), 1u);
    EXPECT_EQ(PlaySoundCalls[0].Name, MAKEINTRESOURCEA(238));
    EXPECT_EQ(PlaySoundCalls[0].Module, GetModuleHandleA(nullptr));
    // SND_RESOURCE (0x40004), SND_ASYNC (1), SND_NODEFAULT (2), SND_NOWAIT (0x2000) and nothing else.
    EXPECT_EQ(PlaySoundCalls[0].Flags, 0x00042007u);
}

} // namespace
