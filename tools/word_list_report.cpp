// word_list_report: how fair a word list is to the player, measured with the game's own pickers.
//
//   word_list_report [--check] <words.lst> [<scowl folder>]
//
// Draws 20,000 genuine words and 20,000 fakes the way a game at the factory settings does, from a
// fixed seed, and compares them with Debian's SCOWL lists (package scowl, by default in
// /usr/share/dict/scowl):
// - genuine words that SCOWL files as abbreviations, contractions or Roman numerals: a player
//   would not accept them as words, so there should be none;
// - fakes that are ordinary words in SCOWL's "words" lists: a player who calls them genuine is
//   right and still loses;
// - the length spread of both.
// Words are compared byte for byte: the list holds lower-case a to z only, and SCOWL's lists are
// in ISO-8859-1, whose other letters never match.
// With --check the program exits 1 when any word of the list is filed as an abbreviation, a
// contraction or a numeral. Without the SCOWL lists it exits 77 (nothing to compare with).

#include "rules/GameSettings.h"
#include "words/Dictionary.h"
#include "words/Random.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

constexpr int kDraws = 20000;
constexpr std::uint32_t kSeed = 1;
// The longest word a game asks for until the field runs short of room.
constexpr int kGameWordLimit = 30;
constexpr std::size_t kExamples = 12;
constexpr int kMissingLists = 77;

using WordSet = std::unordered_set<std::string>;

// SCOWL's lists by what their entries are.
struct Scowl {
    WordSet NotWords;       // abbreviations, contractions, Roman numerals: every spelling, every size
    WordSet Words60;        // "words" of English and American spelling up to size 60
    WordSet Words70;        // ... up to size 70
    WordSet AllSpellings70; // "words" of every spelling and variant up to size 70
    WordSet AllSpellings95; // "words" of every spelling and variant, every size
};

void ReadInto(const std::filesystem::path& path, WordSet& set) {
    std::ifstream file(path, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            set.insert(line);
        }
    }
}

// File names are <spelling>-<kind>.<size> and special-<kind>.<size>.
bool LoadScowl(const std::filesystem::path& folder, Scowl& scowl) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        const std::size_t dash = name.find('-');
        const std::size_t dot = name.rfind('.');
        if (dash == std::string::npos || dot == std::string::npos || dot < dash) {
            continue;
        }
        const std::string spelling = name.substr(0, dash);
        const std::string kind = name.substr(dash + 1, dot - dash - 1);
        const int size = std::atoi(name.c_str() + dot + 1);
        if (kind == "abbreviations" || kind == "contractions" || kind == "roman-numerals") {
            ReadInto(entry.path(), scowl.NotWords);
        } else if (kind == "words") {
            ReadInto(entry.path(), scowl.AllSpellings95);
            if (size <= 70) {
                ReadInto(entry.path(), scowl.AllSpellings70);
                if (spelling == "english" || spelling == "american") {
                    ReadInto(entry.path(), scowl.Words70);
                    if (size <= 60) {
                        ReadInto(entry.path(), scowl.Words60);
                    }
                }
            }
        }
    }
    return !error && !scowl.NotWords.empty() && !scowl.Words70.empty();
}

std::vector<std::string> Draw(const Dictionary& list, bool genuine) {
    const GameSettingsRecord factory;
    std::vector<std::string> drawn;
    drawn.reserve(kDraws);
    for (int i = 0; i < kDraws; ++i) {
        const auto word = genuine ? list.PickGenuine(factory.GenerateWords, kGameWordLimit)
                                  : list.PickFake(factory.GenerateFakes, kGameWordLimit);
        drawn.emplace_back(word != nullptr && word->Chars != nullptr ? word->Chars : "");
    }
    return drawn;
}

// "n of N (p%)" with a few of the words found, in the order drawn, each once.
void ReportShare(std::string_view what, const std::vector<std::string>& drawn, const WordSet& set) {
    std::size_t hits = 0;
    std::vector<std::string> examples;
    for (const std::string& word : drawn) {
        if (set.count(word) != 0) {
            ++hits;
            if (examples.size() < kExamples &&
                std::find(examples.begin(), examples.end(), word) == examples.end()) {
                examples.push_back(word);
            }
        }
    }
    char share[32];
    std::snprintf(share, sizeof share, "%.2f%%",
                  100.0 * static_cast<double>(hits) / static_cast<double>(drawn.size()));
    std::cout << "  " << what << ": " << hits << " of " << drawn.size() << " (" << share << ")";
    for (std::size_t i = 0; i < examples.size(); ++i) {
        std::cout << (i == 0 ? "  e.g. " : " ") << examples[i];
    }
    std::cout << "\n";
}

std::vector<std::size_t> Lengths(const std::vector<std::string>& drawn) {
    std::vector<std::size_t> lengths;
    for (const std::string& word : drawn) {
        lengths.push_back(word.size());
    }
    std::sort(lengths.begin(), lengths.end());
    return lengths;
}

void ReportLengths(const std::vector<std::string>& genuine, const std::vector<std::string>& fakes) {
    const std::vector<std::size_t> g = Lengths(genuine), f = Lengths(fakes);
    const auto summary = [](const std::vector<std::size_t>& l) {
        return "min " + std::to_string(l.front()) + ", median " + std::to_string(l[l.size() / 2]) + ", max " +
               std::to_string(l.back());
    };
    std::cout << "Lengths: genuine " << summary(g) << "; fakes " << summary(f) << "\n"
              << "  letters  genuine    fakes\n";
    constexpr std::size_t kLongRow = 15; // the last row counts this length and all longer ones
    for (std::size_t length = 0; length <= kLongRow; ++length) {
        const auto count = [&](const std::vector<std::size_t>& l) {
            return length < kLongRow ? std::count(l.begin(), l.end(), length)
                                     : l.end() - std::lower_bound(l.begin(), l.end(), kLongRow);
        };
        const auto inGenuine = count(g), inFakes = count(f);
        if (inGenuine != 0 || inFakes != 0) {
            char row[64];
            std::snprintf(row, sizeof row, "  %5zu%s %8ld %8ld\n", length, length < kLongRow ? " " : "+",
                          static_cast<long>(inGenuine), static_cast<long>(inFakes));
            std::cout << row;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    const bool check = !args.empty() && args[0] == "--check";
    if (check) {
        args.erase(args.begin());
    }
    if (args.empty() || args.size() > 2 || args[0].starts_with("--")) {
        std::cerr << "usage: word_list_report [--check] <words.lst> [<scowl folder>]\n";
        return 2;
    }
    const std::string listPath(args[0]);
    const std::filesystem::path scowlFolder(args.size() > 1 ? args[1] : "/usr/share/dict/scowl");

    Dictionary list;
    if (!list.Load(listPath.c_str())) {
        std::cerr << "word_list_report: cannot load " << listPath << "\n";
        return 1;
    }
    Scowl scowl;
    if (!LoadScowl(scowlFolder, scowl)) {
        std::cerr << "word_list_report: no SCOWL lists in " << scowlFolder.string()
                  << " (install the scowl package: scripts/install-deps.sh)\n";
        return kMissingLists;
    }

    std::vector<std::string> listed;
    std::string twoLetters;
    for (const StringList& bucket : list.Index.LetterBuckets) {
        for (int i = 0; i < bucket.Count; ++i) {
            if (scowl.NotWords.count(bucket.At(i)) != 0) {
                listed.emplace_back(bucket.At(i));
            }
            if (std::strlen(bucket.At(i)) == 2) {
                twoLetters += std::string(twoLetters.empty() ? "" : " ") + bucket.At(i);
            }
        }
    }

    SeedRandom(kSeed);
    const std::vector<std::string> genuine = Draw(list, true);
    const std::vector<std::string> fakes = Draw(list, false);

    std::cout << listPath << ": " << list.LetterTotals[26] << " words, " << listed.size()
              << " of them SCOWL abbreviations, contractions or numerals\n"
              << "Words of two letters: " << list.Index.LengthBuckets[1].Count << ": " << twoLetters << "\n"
              << "Genuine words drawn (" << kDraws << ", seed " << kSeed << ", factory settings):\n";
    ReportShare("abbreviations, contractions, numerals", genuine, scowl.NotWords);
    std::cout << "Fakes drawn (" << kDraws << ") that are SCOWL words:\n";
    ReportShare("English and American words up to size 60", fakes, scowl.Words60);
    ReportShare("English and American words up to size 70", fakes, scowl.Words70);
    ReportShare("words of every spelling up to size 70", fakes, scowl.AllSpellings70);
    ReportShare("words of every spelling up to size 95", fakes, scowl.AllSpellings95);
    ReportLengths(genuine, fakes);

    if (check && !listed.empty()) {
        std::cerr << "word_list_report: " << listed.size() << " words of the list are not words, e.g. "
                  << listed.front() << "\n";
        return 1;
    }
    return 0;
}
