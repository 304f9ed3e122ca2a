// Speed of the word supply over the real list: loading it (against the floor of merely reading and
// splitting the file), looking words up, and drawing genuine words and fakes. A made-up list of
// long words, in three orders, shows that loading stays linear whatever the order of the lines.

#include "words/Dictionary.h"
#include "words/Random.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

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
void ReadAndSplit(benchmark::State& state, const char* path) {
    for (auto _ : state) {
        std::FILE* file = std::fopen(path, "rb");
        if (file == nullptr) {
            state.SkipWithError("cannot open the list");
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

void BM_ReadAndSplitWordList(benchmark::State& state) {
    ReadAndSplit(state, kWordList);
}
BENCHMARK(BM_ReadAndSplitWordList)->Unit(benchmark::kMicrosecond);

// About 10 MB of words of 28 to 32 random letters (all filed together as long words), written once
// per process in three orders: sorted, shuffled and reversed. The files go when the process ends.
class LongWordLists {
public:
    enum Order { Sorted, Shuffled, Reversed };

    LongWordLists() {
        std::mt19937 random(2024);
        std::uniform_int_distribution<int> length(28, 32);
        std::uniform_int_distribution<int> letter('a', 'z');
        std::vector<std::string> words;
        for (std::size_t bytes = 0; bytes < 10u * 1000 * 1000;) {
            std::string word(static_cast<std::size_t>(length(random)), 'a');
            for (char& c : word) {
                c = static_cast<char>(letter(random));
            }
            bytes += word.size() + 2;
            words.push_back(std::move(word));
        }
        std::sort(words.begin(), words.end());
        Write(Sorted, words);
        std::reverse(words.begin(), words.end());
        Write(Reversed, words);
        std::shuffle(words.begin(), words.end(), random);
        Write(Shuffled, words);
    }
    ~LongWordLists() {
        for (const std::string& path : Paths) {
            std::remove(path.c_str());
        }
    }
    LongWordLists(const LongWordLists&) = delete;
    LongWordLists& operator=(const LongWordLists&) = delete;

    const char* Path(Order order) const { return Paths[order].c_str(); }

private:
    void Write(Order order, const std::vector<std::string>& words) {
        Paths[order] =
            (std::filesystem::temp_directory_path() /
             ("lexiblast_long_words_" + std::to_string(getpid()) + "_" + std::to_string(order) + ".lst"))
                .string();
        std::string bytes;
        for (const std::string& word : words) {
            bytes += word;
            bytes += "\r\n";
        }
        std::FILE* file = std::fopen(Paths[order].c_str(), "wb");
        if (file != nullptr) {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
    }

    std::string Paths[3];
};

const LongWordLists& LongWords() {
    static const LongWordLists lists;
    return lists;
}

void BM_LoadLongWords(benchmark::State& state) {
    const char* path = LongWords().Path(static_cast<LongWordLists::Order>(state.range(0)));
    for (auto _ : state) {
        Dictionary list;
        if (!list.Load(path)) {
            state.SkipWithError("cannot load the long words");
            return;
        }
    }
}
BENCHMARK(BM_LoadLongWords)
    ->ArgName("order")
    ->Arg(LongWordLists::Sorted)
    ->Arg(LongWordLists::Shuffled)
    ->Arg(LongWordLists::Reversed)
    ->Unit(benchmark::kMillisecond);

void BM_ReadAndSplitLongWords(benchmark::State& state) {
    ReadAndSplit(state, LongWords().Path(LongWordLists::Shuffled));
}
BENCHMARK(BM_ReadAndSplitLongWords)->Unit(benchmark::kMillisecond);

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
