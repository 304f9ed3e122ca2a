// Loads arbitrary bytes as a word list and looks words up in the result.
//
// Beside the sanitizers' checks, the loaded index is compared with a plain reading of the same
// bytes: every line (ended by CR or LF, zero bytes skipped, lines of 1,024 bytes or more dropped)
// that begins with a letter is a word, and when no word holds a space (which matches any one
// character, so it can throw a search off course), each of them must be found, by its own text
// and by its lower-cased text, whatever the case of the list.

#include "words/Dictionary.h"
#include "words/Random.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// The words of the list, read the simple way.
std::vector<std::string> PlainWords(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words;
    std::string line;
    std::size_t lineBytes = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        const int c = (i < size) ? data[i] : '\n';
        if (c == '\r' || c == '\n') {
            if (!line.empty() && lineBytes < Dictionary::kBlockSize &&
                LetterBucketOf(static_cast<unsigned char>(line[0])) >= 0) {
                words.push_back(line);
            }
            line.clear();
            lineBytes = 0;
        } else if (c != 0) {
            ++lineBytes;
            if (lineBytes < Dictionary::kBlockSize) {
                line += static_cast<char>(c);
            }
        }
    }
    return words;
}

bool WithoutSpaces(const std::vector<std::string>& words) {
    for (const std::string& word : words) {
        if (word.find(' ') != std::string::npos) {
            return false;
        }
    }
    return true;
}

std::string Lower(std::string text) {
    for (char& c : text) {
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return text;
}

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "word list check failed: %s\n", what);
        std::abort();
    }
}

// The list file of this process; it exists only while a list is loaded.
const std::string& ListPath() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("wordlist_fuzz_" + std::to_string(getpid()) + ".lst"))
            .string();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(ListPath().c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    Dictionary list;
    const bool loaded = list.Load(ListPath().c_str());
    std::remove(ListPath().c_str());
    const std::vector<std::string> words = PlainWords(data, size);

    int filed = 0;
    for (const StringList& bucket : list.Index.LetterBuckets) {
        filed += bucket.Count;
    }
    Check(filed == static_cast<int>(words.size()), "number of words");
    Check(loaded == (list.Index.LetterCount('a') > 0 || list.Index.LetterCount('s') > 0), "load result");
    Check(!loaded || list.LetterTotals[26] == filed, "letter totals");

    const bool exact = WithoutSpaces(words);
    for (std::size_t i = 0; i < words.size() && i < 512; ++i) {
        const int found = list.IsWord(words[i].c_str());
        Check(!exact || found == static_cast<int>(words[i].size()), "a word of the list is found");
        const int foundLower = list.IsWord(Lower(words[i]).c_str());
        Check(!exact || foundLower == static_cast<int>(words[i].size()), "a word is found in lower case");
        std::string probe = words[i] + "'";
        list.IsWord(probe.c_str());
        probe.front() = ' ';
        Check(list.IsWord(probe.c_str()) == 0, "no word begins with a space");
    }

    // Draws, seeded and shaped by the first bytes of the input.
    const auto byte = [&](std::size_t i) { return i < size ? data[i] : 0; };
    SeedRandom(byte(0) | byte(1) << 8);
    const int limit = byte(2) % 32;
    for (int i = 0; i < 8; ++i) {
        list.PickGenuine(1 + i % 3, limit);
        list.PickOfLength(byte(3) % 40, limit);
        list.PickByLetter(byte(4 + i), limit);
    }
    for (int i = 0; i < 4; ++i) {
        const auto fake = list.MakeFake(byte(5) % 8, byte(6) % 24, 3, limit);
        Check(fake == nullptr || (fake->Length >= 3 && (limit == 0 || fake->Length <= limit) &&
                                  list.IsWord(fake->Chars) == 0),
              "a fake is no word and within its bounds");
    }
    return 0;
}
