#include "sound/Sound.h"
#include "store/Preferences.h"
#include "support/ImportHook.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
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
    for (const Expected& e : {Expected{236, 22050, 16, 0.07}, Expected{239, 22050, 16, 0.13},
                              Expected{245, 11025, 8, 0.16}, Expected{238, 11025, 8, 2.9}}) {
        const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(e.Id), "WAVE");
        ASSERT_NE(found, nullptr) << e.Id;
        const auto* wave = static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, found)));
        // A canonical header: RIFF, WAVE, a 16-byte "fmt " chunk, then the samples.
        ASSERT_GE(SizeofResource(nullptr, found), 44u);
        const std::string tags(reinterpret_cast<const char*>(wave), 40);
        ASSERT_EQ(tags.substr(0, 4) + tags.substr(8, 8) + tags.substr(36), "RIFFWAVEfmt data") << e.Id;
        const std::uint32_t dataSize = Little(wave + 40, 4);
        ASSERT_LE(dataSize + 44, SizeofResource(nullptr, found));
        EXPECT_EQ(Little(wave + 20, 2), 1u) << e.Id; // PCM
        EXPECT_EQ(Little(wave + 22, 2), 1u) << e.Id; // mono
        EXPECT_EQ(Little(wave + 24, 4), e.Rate) << e.Id;
        EXPECT_EQ(Little(wave + 34, 2), e.Bits) << e.Id;
        EXPECT_NEAR(static_cast<double>(dataSize / (e.Bits / 8)) / e.Rate, e.Seconds, e.Seconds * 0.1)
            << e.Id;
    }
}

// Every request reaches the platform's wave player, where it is seen with its arguments.
class SoundEffectTest : public ::testing::Test {
protected:
    struct Call {
        LPCSTR Name;
        HMODULE Module;
        DWORD Flags;
    };
    static inline std::vector<Call> Calls;
    static BOOL WINAPI Spy(LPCSTR name, HMODULE module, DWORD flags) {
        Calls.push_back({name, module, flags});
        return TRUE;
    }
    void SetUp() override { ASSERT_TRUE(hook.Installed()); }
    void TearDown() override {
        Preferences.Sound = 1;
        Calls.clear();
    }

    ImportHook<decltype(&Spy)> hook{"winmm.dll", "PlaySoundA", Spy};
};

// The wave is a resource by number, played in the background, with no system sound in its place
// and no wait for a busy device: SND_RESOURCE (0x40004), SND_ASYNC (1), SND_NODEFAULT (2) and
// SND_NOWAIT (0x2000), nothing else.
TEST_F(SoundEffectTest, AWaveIsAskedForAsynchronouslyWithoutDefaultOrWait) {
    const HMODULE module = GetModuleHandleA("kernel32.dll");
    PlayWave(238, module);
    ASSERT_EQ(Calls.size(), 1u);
    EXPECT_EQ(Calls[0].Name, MAKEINTRESOURCEA(238));
    EXPECT_EQ(Calls[0].Module, module);
    EXPECT_EQ(Calls[0].Flags, 0x00042007u);
}

TEST_F(SoundEffectTest, EffectsPlayFromTheProgramsOwnModuleOnlyWhileSoundIsOn) {
    Preferences.Sound = 0;
    for (const int id : {236, 238, 239, 245}) {
        PlaySoundEffect(id);
    }
    EXPECT_EQ(Calls.size(), 0u);
    Preferences.Sound = 2; // any value but 0 is on
    PlaySoundEffect(239);
    ASSERT_EQ(Calls.size(), 1u);
    EXPECT_EQ(Calls[0].Name, MAKEINTRESOURCEA(239));
    EXPECT_EQ(Calls[0].Module, GetModuleHandleA(nullptr));
}

} // namespace
