#include "sound/Sound.h"
#include "resources/resource.h"
#include "store/Preferences.h"

#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// The facts of a wave resource of the program, read from its RIFF header.
struct WaveFacts {
    bool Found = false;
    int Format = 0;
    int Channels = 0;
    int Rate = 0;
    int Bits = 0;
    double Seconds = 0.0;
    double Peak = 0.0; // loudest sample, 0 to 1
};

std::uint32_t Little(const unsigned char* p, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | p[i];
    }
    return value;
}

WaveFacts ReadWave(int id) {
    WaveFacts facts;
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "WAVE");
    HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
    const auto* bytes = static_cast<const unsigned char*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    const DWORD size = found != nullptr ? SizeofResource(nullptr, found) : 0;
    if (bytes == nullptr || size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 ||
        std::memcmp(bytes + 8, "WAVE", 4) != 0) {
        return facts;
    }
    const unsigned char* data = nullptr;
    std::uint32_t dataSize = 0;
    for (DWORD at = 12; at + 8 <= size;) {
        const std::uint32_t chunk = Little(bytes + at + 4, 4);
        if (chunk > size - at - 8) {
            return facts;
        }
        if (std::memcmp(bytes + at, "fmt ", 4) == 0 && chunk >= 16) {
            facts.Format = static_cast<int>(Little(bytes + at + 8, 2));
            facts.Channels = static_cast<int>(Little(bytes + at + 10, 2));
            facts.Rate = static_cast<int>(Little(bytes + at + 12, 4));
            facts.Bits = static_cast<int>(Little(bytes + at + 22, 2));
        } else if (std::memcmp(bytes + at, "data", 4) == 0) {
            data = bytes + at + 8;
            dataSize = chunk;
        }
        at += 8 + chunk + (chunk % 2);
    }
    if (data == nullptr || facts.Rate <= 0 || (facts.Bits != 8 && facts.Bits != 16)) {
        return facts;
    }
    facts.Found = true;
    const int width = facts.Bits / 8;
    facts.Seconds = static_cast<double>(dataSize / width) / facts.Rate;
    for (std::uint32_t i = 0; i + width <= dataSize; i += width) {
        const double sample = facts.Bits == 8 ? (data[i] - 128) / 128.0
                                              : static_cast<std::int16_t>(Little(data + i, 2)) / 32768.0;
        facts.Peak = std::max(facts.Peak, sample < 0 ? -sample : sample);
    }
    return facts;
}

TEST(SoundTest, EachEffectIsAShortMonoPcmWaveOfItsFormat) {
    struct Expected {
        int Id, Rate, Bits;
        double Seconds;
    };
    for (const Expected& e :
         {Expected{IDW_CORRECT, 22050, 16, 0.07}, Expected{IDW_MISTAKE, 22050, 16, 0.13},
          Expected{IDW_REFUSED_CLICK, 11025, 8, 0.16}, Expected{IDW_GAME_WON, 11025, 8, 2.9}}) {
        const WaveFacts facts = ReadWave(e.Id);
        ASSERT_TRUE(facts.Found) << e.Id;
        EXPECT_EQ(facts.Format, WAVE_FORMAT_PCM) << e.Id;
        EXPECT_EQ(facts.Channels, 1) << e.Id;
        EXPECT_EQ(facts.Rate, e.Rate) << e.Id;
        EXPECT_EQ(facts.Bits, e.Bits) << e.Id;
        EXPECT_NEAR(facts.Seconds, e.Seconds, e.Seconds * 0.1) << e.Id;
        EXPECT_GT(facts.Peak, 0.3) << e.Id << " is (nearly) silent";
    }
}

class SoundEffectTest : public ::testing::Test {
protected:
    void SetUp() override {
        SavedSound = Preferences.Sound;
        Requests.clear();
    }
    void TearDown() override {
        SetWavePlayer(nullptr);
        Preferences.Sound = SavedSound;
        PlaySoundA(nullptr, nullptr, 0);
    }

    static void Record(int id, HINSTANCE instance) { Requests.emplace_back(id, instance); }

    static std::vector<std::pair<int, HINSTANCE>> Requests;
    std::int32_t SavedSound = 1;
};

std::vector<std::pair<int, HINSTANCE>> SoundEffectTest::Requests;

TEST_F(SoundEffectTest, PlaysTheProgramsOwnWaveOnlyWhenSoundIsOn) {
    SetWavePlayer(Record);
    Preferences.Sound = 0;
    for (const int id : {IDW_CORRECT, IDW_MISTAKE, IDW_REFUSED_CLICK, IDW_GAME_WON}) {
        PlaySoundEffect(id);
    }
    EXPECT_TRUE(Requests.empty());

    Preferences.Sound = 1;
    PlaySoundEffect(IDW_MISTAKE);
    ASSERT_EQ(Requests.size(), 1u);
    EXPECT_EQ(Requests[0].first, IDW_MISTAKE);
    EXPECT_EQ(Requests[0].second, GetModuleHandleA(nullptr));
}

// Top-level windows of this process that are showing.
int VisibleWindowsOfThisProcess() {
    int count = 0;
    EnumWindows(
        [](HWND window, LPARAM counter) CALLBACK -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process == GetCurrentProcessId() && IsWindowVisible(window)) {
                ++*reinterpret_cast<int*>(counter);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST_F(SoundEffectTest, RequestsReturnAtOnceAndShowNothing) {
    Preferences.Sound = 1;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    // Each effect twice in quick succession, and an id that has no wave.
    for (const int id :
         {IDW_CORRECT, IDW_CORRECT, IDW_MISTAKE, IDW_REFUSED_CLICK, IDW_GAME_WON, IDW_GAME_WON, 999}) {
        QueryPerformanceCounter(&start);
        PlaySoundEffect(id);
        QueryPerformanceCounter(&end);
        const double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
        EXPECT_LT(ms, 500.0) << id; // playing the 2.9 s fanfare through would take far longer
    }
    EXPECT_EQ(VisibleWindowsOfThisProcess(), 0);
}

} // namespace
