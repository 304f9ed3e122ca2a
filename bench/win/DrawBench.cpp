// Speed of one full drawing pass of the field, as the game clock makes it at every tick: 200 word
// sprites of mixed looks drawn into a 1024 x 768 off-screen buffer and the changed area copied to a
// real window. Google Benchmark has no Windows build here, so this times the passes itself with the
// performance counter and prints the same JSON (repetitions, then mean, median and standard
// deviation). Run under Wine with a display: draw_bench.exe [--repetitions=N]

#include "BenchWindow.h"
#include "gfx/CDrawBuffer.h"
#include "gfx/WordSprite.h"
#include "words/Random.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kFieldWidth = 1024;
constexpr int kFieldHeight = 768;
constexpr int kSprites = 200;
constexpr int kWordFontSize = 38;
constexpr int kWarmUpPasses = 5;
constexpr int kDefaultRepetitions = 200;
constexpr int kMostRepetitions = 100000;

const char* const kWords[] = {"zap",     "lexicon", "quill",  "moor",     "glimmer", "<+100 points>",
                              "fjord",   "blaster", "yonder", "crumpet",  "whisk",   "vortex",
                              "pumpkin", "zephyr",  "banjo",  "quixotic", "sprocket"};
const std::int32_t kLooks[] = {SpriteJiggling, SpriteJiggling,      SpriteNormal,      SpriteFading,
                               SpriteGrowing,  SpriteShrinking,     SpriteBlinkItalic, SpriteBlinkBold,
                               SpriteHidden,   SpriteJigglingSteady};

HWND MakeWindow() {
    return MakeBenchWindow("Lexiblast draw bench", kFieldWidth, kFieldHeight);
}

// The field as the game has it in mid-play with the factory settings: every word in the default face
// at the word size for a field 768 pixels high (24 points for 480), in every look, some framed or
// crossed out, two ticks into their animation.
std::vector<std::unique_ptr<WordSprite>> MakeField(HWND window, CDrawBuffer& buffer) {
    SeedRandom(1);
    std::vector<std::unique_ptr<WordSprite>> field;
    for (int i = 0; i < kSprites; ++i) {
        auto sprite = std::make_unique<WordSprite>(RGB(255, 255, 128));
        sprite->SetText(kWords[i % std::size(kWords)]);
        sprite->FontSize = kWordFontSize;
        sprite->State = kLooks[i % std::size(kLooks)];
        sprite->Marks = (i % 5 == 0 ? MarkFrame : 0u) | (i % 7 == 0 ? MarkCross : 0u) |
                        (i % 11 == 0 ? MarkDoubleFrame : 0u);
        sprite->FitToText(buffer, 1);
        const int width = std::max<int>(sprite->Rect.right, 1);
        const int height = std::max<int>(sprite->Rect.bottom, 1);
        const int left = RandomRange(std::max(kFieldWidth - width, 1), 0);
        const int top = RandomRange(std::max(kFieldHeight - height, 1), 0);
        sprite->Place(top, left, top + height, left + width);
        sprite->Tick(window, buffer, 1);
        sprite->Tick(window, buffer, 1);
        field.push_back(std::move(sprite));
    }
    return field;
}

double DrawPass(HWND window, CDrawBuffer& buffer, const std::vector<std::unique_ptr<WordSprite>>& field,
                double ticksPerMicrosecond) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    buffer.BeginDraw(window, nullptr);
    for (const auto& sprite : field) {
        sprite->Draw(buffer);
    }
    buffer.EndDraw(nullptr);
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) / ticksPerMicrosecond;
}

double ThreadCpuMicroseconds() {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) {
        return 0.0;
    }
    const auto value = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime);
    };
    return (value(kernel) + value(user)) / 10.0; // 100-nanosecond units
}

void PrintAggregate(const char* aggregate, double realTime, double cpuTime, int repetitions, bool last) {
    std::printf(
        "    {\n      \"name\": \"BM_DrawField_%s\",\n      \"family_index\": 0,\n"
        "      \"per_family_instance_index\": 0,\n      \"run_name\": \"BM_DrawField\",\n"
        "      \"run_type\": \"aggregate\",\n      \"repetitions\": %d,\n      \"threads\": 1,\n"
        "      \"aggregate_name\": \"%s\",\n      \"aggregate_unit\": \"time\",\n      \"iterations\": %d,\n"
        "      \"real_time\": %.3f,\n      \"cpu_time\": %.3f,\n      \"time_unit\": \"us\"\n    }%s\n",
        aggregate, repetitions, aggregate, repetitions, realTime, cpuTime, last ? "" : ",");
}

int Repetitions(int argc, char** argv) {
    const char* const prefix = "--repetitions=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix, std::strlen(prefix)) == 0) {
            const long value = std::strtol(argv[i] + std::strlen(prefix), nullptr, 10);
            return static_cast<int>(std::clamp<long>(value, 1, kMostRepetitions));
        }
    }
    return kDefaultRepetitions;
}

} // namespace

int main(int argc, char** argv) {
    const int repetitions = Repetitions(argc, argv);
    const HWND window = MakeWindow();
    if (window == nullptr) {
        std::fprintf(stderr, "draw_bench: cannot create a window (is there a display?)\n");
        return 1;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const double ticksPerMicrosecond = static_cast<double>(frequency.QuadPart) / 1e6;

    std::vector<double> times;
    double cpuPerPass = 0.0;
    {
        CDrawBuffer buffer;
        buffer.TextColour = RGB(255, 255, 128);
        buffer.SetBackgroundColour(RGB(0, 0, 128));
        buffer.Resize(window, kFieldWidth, kFieldHeight);
        buffer.BeginDraw(window, nullptr);
        buffer.EraseBackground(nullptr);
        buffer.EndDraw(nullptr);
        const auto field = MakeField(window, buffer);
        for (int i = 0; i < kWarmUpPasses; ++i) { // the first pass fits every font
            DrawPass(window, buffer, field, ticksPerMicrosecond);
            PumpMessages();
        }
        const double cpuBefore = ThreadCpuMicroseconds();
        for (int i = 0; i < repetitions; ++i) {
            times.push_back(DrawPass(window, buffer, field, ticksPerMicrosecond));
            PumpMessages();
        }
        cpuPerPass = (ThreadCpuMicroseconds() - cpuBefore) / repetitions;
    }
    DestroyWindow(window);

    double sum = 0.0;
    for (const double t : times) {
        sum += t;
    }
    const double mean = sum / repetitions;
    double squares = 0.0;
    for (const double t : times) {
        squares += (t - mean) * (t - mean);
    }
    const double deviation = repetitions > 1 ? std::sqrt(squares / (repetitions - 1)) : 0.0;
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t middle = sorted.size() / 2;
    const double median = sorted.size() % 2 != 0 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;

    SYSTEM_INFO system;
    GetSystemInfo(&system);
    std::printf(
        "{\n  \"context\": {\n    \"executable\": \"draw_bench\",\n    \"num_cpus\": %lu,\n"
        "    \"library_build_type\": \"release\",\n    \"note\": \"cpu_time is the mean thread time per "
        "pass\"\n  },\n  \"benchmarks\": [\n",
        static_cast<unsigned long>(system.dwNumberOfProcessors));
    for (int i = 0; i < repetitions; ++i) {
        std::printf(
            "    {\n      \"name\": \"BM_DrawField\",\n      \"family_index\": 0,\n"
            "      \"per_family_instance_index\": 0,\n      \"run_name\": \"BM_DrawField\",\n"
            "      \"run_type\": \"iteration\",\n      \"repetitions\": %d,\n"
            "      \"repetition_index\": %d,\n      \"threads\": 1,\n      \"iterations\": 1,\n"
            "      \"real_time\": %.3f,\n      \"cpu_time\": %.3f,\n      \"time_unit\": \"us\"\n    },\n",
            repetitions, i, times[static_cast<std::size_t>(i)], cpuPerPass);
    }
    PrintAggregate("mean", mean, cpuPerPass, repetitions, false);
    PrintAggregate("median", median, cpuPerPass, repetitions, false);
    PrintAggregate("stddev", deviation, 0.0, repetitions, true);
    std::printf("  ]\n}\n");
    return 0;
}
