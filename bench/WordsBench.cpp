// Speed of the word supply over the real list: loading it (against the floor of merely reading and
// splitting the file), looking words up, and drawing genuine words and fakes.

#include "words/Dictionary.h"
#include "words/Random.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

const char* const kWordList = "words.lst";

const Dictionary& LoadedList() {
    static Dictionary* list = [] {
        auto* loaded = new Dictionary;
        if (!loaded->Load(kWordList)) {
            std::fprintf(stderr, "cannot load %s from the working folder\n", kWordList);
            std::exit(1);
        }
        return loaded;
    }();
    return *list;
}

void BM_LoadWordList(benchmark::State& state) {
    for (auto _ : state) {
        Dictionary list;
        benchmark::DoNotOptimize(list.Load(kWordList));
    }
}
BENCHMARK(BM_LoadWordList)->Unit(benchmark::kMicrosecond);

// The least any loader has to do: read the whole file and find its lines.
void BM_ReadAndSplitWordList(benchmark::State& state) {
    for (auto _ : state) {
        std::FILE* file = std::fopen(kWordList, "rb");
        if (file == nullptr) {
            state.SkipWithError("cannot open words.lst");
            return;
        }
        std::fseek(file, 0, SEEK_END);
        const long size = std::ftell(file);
        std::fseek(file, 0, SEEK_SET);
        std::vector<char> bytes(static_cast<std::size_t>(size));
        const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);

        std::vector<std::string_view> lines;
        const char* at = bytes.data();
        const char* const end = bytes.data() + got;
        while (at < end) {
            const auto* newline =
                static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
            const char* lineEnd = (newline != nullptr) ? newline : end;
            std::size_t length = static_cast<std::size_t>(lineEnd - at);
            if (length > 0 && at[length - 1] == '\r') {
                --length;
            }
            lines.emplace_back(at, length);
            at = lineEnd + 1;
        }
        benchmark::DoNotOptimize(lines.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ReadAndSplitWordList)->Unit(benchmark::kMicrosecond);

// Half of the probes are words of the list, half are the same words with one letter changed.
void BM_IsWord(benchmark::State& state) {
    const Dictionary& list = LoadedList();
    std::vector<std::string> probes;
    SeedRandom(7);
    while (probes.size() < 4096) {
        const auto word = list.PickAny(0);
        std::string probe = word->Chars;
        if (probes.size() % 2 == 1) {
            probe.back() = (probe.back() == 'q') ? 'x' : 'q';
            if (list.IsWord(probe.c_str()) != 0) {
                continue;
            }
        }
        probes.push_back(probe);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.IsWord(probes[i].c_str()));
        i = (i + 1) % probes.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_IsWord);

void BM_PickGenuine(benchmark::State& state) {
    const Dictionary& list = LoadedList();
    const int mode = static_cast<int>(state.range(0));
    SeedRandom(11);
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.PickGenuine(mode, 30));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PickGenuine)->Arg(ChooseAtRandom)->Arg(ChooseByLength)->Arg(ChooseByFirstLetter);

void BM_MakeFake(benchmark::State& state) {
    const Dictionary& list = LoadedList();
    const int methods = static_cast<int>(state.range(0));
    SeedRandom(13);
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.MakeFake(methods, 0, 3, 30));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MakeFake)
    ->Arg(FakeRandomLetters)
    ->Arg(FakeCompound)
    ->Arg(FakeMisspell)
    ->Arg(FakeRandomLetters | FakeCompound | FakeMisspell);

} // namespace

BENCHMARK_MAIN();
