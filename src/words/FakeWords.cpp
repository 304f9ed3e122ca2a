#include "words/Dictionary.h"
#include "words/Platform.h"
#include "words/Random.h"

#include <cstring>

namespace {

// MakeFake gives up after this many rejected candidates.
constexpr int kFakeAttempts = 1000;
// A candidate is built in place: two words of the longest kind and their terminator fit.
constexpr int kCandidateSize = 2 * Dictionary::kLongestWord + 1;

// Appends word to the candidate of n characters; false when it is missing, empty or does not fit.
bool AppendPart(char* candidate, int& n, const char* word) {
    if (word == nullptr || word[0] == '\0') {
        return false;
    }
    const std::size_t length = std::strlen(word);
    if (length > static_cast<std::size_t>(Dictionary::kLongestWord)) {
        return false;
    }
    std::memcpy(candidate + n, word, length + 1);
    n += static_cast<int>(length);
    return true;
}

} // namespace

// Letter-pair percentages of English words (rounded per row, so rows sum to 97 to 102).
const std::uint8_t Dictionary::PairPercent[27][27] = {
    {0, 6, 5, 9, 6, 4, 4, 3, 4, 4, 1, 1, 3, 6, 3, 3, 8, 0, 6, 11, 5, 3, 2, 2, 0, 0, 0},      // start
    {2, 0, 5, 6, 4, 1, 1, 3, 1, 3, 0, 1, 13, 4, 14, 0, 4, 0, 11, 7, 16, 2, 1, 1, 0, 1, 1},   // a
    {1, 13, 3, 0, 0, 13, 0, 0, 0, 16, 0, 0, 18, 0, 0, 12, 0, 0, 9, 3, 1, 7, 0, 0, 0, 1, 0},  // b
    {6, 15, 0, 1, 0, 9, 0, 0, 12, 8, 0, 6, 4, 0, 0, 17, 0, 0, 6, 1, 7, 5, 0, 0, 0, 2, 0},    // c
    {28, 6, 0, 0, 2, 20, 0, 1, 0, 16, 0, 0, 3, 1, 1, 6, 0, 0, 4, 5, 0, 3, 0, 1, 0, 1, 0},    // d
    {9, 4, 1, 3, 9, 2, 1, 1, 0, 1, 0, 0, 5, 3, 10, 1, 2, 0, 18, 22, 4, 1, 1, 1, 1, 0, 0},    // e
    {2, 9, 0, 0, 0, 13, 8, 0, 0, 19, 0, 0, 11, 0, 0, 12, 0, 0, 7, 2, 3, 10, 0, 0, 0, 2, 0},  // f
    {29, 8, 0, 0, 0, 13, 0, 3, 4, 10, 0, 0, 6, 1, 3, 5, 0, 0, 9, 4, 0, 4, 0, 0, 0, 2, 0},    // g
    {5, 15, 0, 0, 0, 22, 0, 0, 0, 16, 0, 0, 2, 1, 1, 16, 0, 0, 4, 2, 3, 3, 0, 0, 0, 7, 0},   // h
    {1, 5, 1, 10, 3, 7, 2, 2, 0, 0, 0, 1, 5, 3, 22, 7, 2, 0, 2, 11, 8, 0, 3, 0, 0, 0, 3},    // i
    {0, 25, 0, 0, 0, 20, 0, 0, 0, 8, 0, 0, 0, 0, 0, 19, 0, 0, 0, 0, 0, 26, 0, 0, 0, 0, 0},   // j
    {10, 8, 1, 0, 0, 28, 1, 0, 2, 19, 0, 0, 4, 1, 3, 3, 0, 0, 1, 12, 1, 1, 0, 1, 0, 2, 0},   // k
    {7, 13, 0, 1, 1, 18, 1, 0, 0, 18, 0, 1, 10, 1, 1, 10, 0, 0, 0, 3, 2, 4, 1, 0, 0, 9, 0},  // l
    {6, 17, 4, 0, 0, 19, 0, 0, 0, 18, 0, 0, 0, 4, 1, 11, 7, 0, 0, 6, 0, 4, 0, 0, 0, 2, 0},   // m
    {8, 7, 0, 5, 6, 15, 1, 15, 0, 8, 0, 1, 1, 0, 2, 6, 0, 0, 0, 10, 11, 1, 1, 0, 0, 1, 0},   // n
    {1, 2, 2, 4, 3, 1, 1, 5, 0, 2, 0, 1, 8, 6, 19, 4, 5, 0, 12, 6, 5, 8, 3, 2, 1, 0, 0},     // o
    {2, 11, 0, 0, 0, 16, 0, 0, 12, 10, 0, 0, 7, 0, 0, 11, 4, 0, 13, 4, 4, 4, 0, 0, 0, 1, 0}, // p
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 99, 0, 0, 0, 0, 0},      // q
    {8, 14, 1, 2, 2, 17, 1, 1, 1, 14, 0, 1, 1, 2, 2, 11, 1, 0, 2, 9, 3, 3, 1, 0, 0, 2, 0},   // r
    {44, 3, 0, 3, 0, 9, 0, 0, 4, 5, 0, 1, 1, 2, 1, 3, 2, 0, 0, 8, 11, 3, 0, 0, 0, 1, 0},     // s
    {8, 8, 0, 1, 0, 19, 0, 0, 6, 23, 0, 0, 1, 0, 0, 8, 0, 0, 8, 6, 3, 3, 0, 1, 0, 3, 0},     // t
    {0, 4, 4, 4, 3, 3, 1, 2, 0, 4, 0, 0, 11, 7, 15, 1, 4, 0, 12, 13, 9, 0, 0, 0, 0, 0, 0},   // u
    {0, 16, 0, 0, 0, 52, 0, 0, 0, 22, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0},    // v
    {3, 21, 1, 0, 1, 16, 1, 0, 6, 15, 0, 1, 3, 1, 5, 14, 1, 0, 3, 5, 1, 0, 0, 0, 0, 1, 0},   // w
    {8, 8, 0, 6, 0, 16, 0, 0, 2, 20, 0, 0, 1, 0, 0, 6, 11, 0, 0, 1, 12, 3, 0, 0, 0, 5, 0},   // x
    {51, 3, 1, 3, 2, 3, 0, 1, 0, 3, 0, 0, 4, 4, 3, 2, 5, 0, 3, 6, 3, 0, 0, 1, 0, 0, 0},      // y
    {1, 19, 0, 0, 0, 42, 0, 0, 0, 17, 0, 0, 2, 0, 0, 9, 0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 5},    // z
};

char Dictionary::NextLetter(char previous) const {
    const int r = RandomRange(100, 0);
    int row = 0;
    if (previous != '\0') {
        if (previous < 'a' || previous > 'z') {
            return '\0';
        }
        row = previous - 'a' + 1;
    }
    int sum = 0;
    for (int column = 0; column < 27; ++column) {
        sum += PairPercent[row][column];
        if (sum > r) {
            return (column == 0) ? '\0' : static_cast<char>('a' + column - 1);
        }
    }
    return '\0';
}

std::unique_ptr<CText> Dictionary::MakeFake(int methods, int length, int minimum, int maximum) const {
    if (!Loaded) {
        return nullptr;
    }
    int enabled[3];
    int enabledCount = 0;
    for (const int method : {FakeRandomLetters, FakeCompound, FakeMisspell}) {
        if ((methods & method) != 0) {
            enabled[enabledCount++] = method;
        }
    }
    if (length < 0) {
        length = 0;
    }

    char candidate[kCandidateSize];
    for (int attempt = 0; attempt < kFakeAttempts; ++attempt) {
        const int drawn = RandomRange(enabledCount, 0);
        const int method = (enabledCount > 0) ? enabled[drawn] : FakeRandomLetters;
        int n = 0;
        bool made = true;
        candidate[0] = '\0';

        if (method == FakeCompound) {
            const char* first = nullptr;
            const char* second = nullptr;
            if (length == 0) {
                first = PickWordOfLength(RandomRange(10, 0) + 2, maximum);
                second = PickWordOfLength(RandomRange(10, 0) + 2, maximum);
            } else {
                const int firstLength = RandomRange(length - 3, 0) + 2;
                first = PickWordOfLength(firstLength, maximum);
                second = PickWordOfLength(length - firstLength, maximum);
            }
            // A part that cannot be found spoils the candidate.
            made = AppendPart(candidate, n, first) && AppendPart(candidate, n, second);
        } else if (method == FakeMisspell) {
            const char* base = (length == 0) ? PickAnyWord(0) : PickWordOfLength(length, maximum);
            made = base != nullptr && (base[0] == '\0' || AppendPart(candidate, n, base));
            if (made) {
                // The same place may be hit twice and a letter may replace itself: the result can
                // still be the genuine word, which the check below turns away.
                const int changes = RandomRange(3, 0) + 1;
                for (int i = 0; i < changes; ++i) {
                    const int at = RandomRange(n, 0);
                    const auto letter = static_cast<char>(RandomRange(123, 97));
                    if (at >= 0 && at < n) {
                        candidate[at] = letter;
                    }
                }
            }
        } else {
            const int longest =
                (length == 0 || length > Dictionary::kLongestWord) ? Dictionary::kLongestWord : length;
            char c = NextLetter('\0');
            while (c != '\0' && n < longest) {
                candidate[n++] = c;
                c = NextLetter(c);
            }
            candidate[n] = '\0';
        }

        if (made && n >= minimum && (maximum == 0 || n <= maximum) && IsWord(candidate) == 0) {
            return std::make_unique<CText>(candidate);
        }
    }
    return nullptr;
}

std::unique_ptr<CText> Dictionary::PickFake(int generateFakes, int maxWordLength) const {
    DebugLine("GenerateBogusWord()\n");
    return MakeFake(generateFakes, 0, 3, maxWordLength);
}
