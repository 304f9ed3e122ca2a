#include "words/Dictionary.h"
#include "words/Platform.h"
#include "words/Random.h"

#include <cstring>

namespace {

// How many words of one letter are drawn before a length limit gives up on that letter.
constexpr int kTriesPerLetter = 27;

bool WithinLimit(const char* word, int limit) {
    return limit >= 0 && std::strlen(word) <= static_cast<std::size_t>(limit);
}

std::unique_ptr<CText> CopyOrNone(const char* word) {
    return (word != nullptr) ? std::make_unique<CText>(word) : nullptr;
}

} // namespace

const char* Dictionary::PickAnyWord(int limit) const {
    // A random position among all words picks a letter in proportion to its number of words.
    const int position = RandomRange(LetterTotals[26], 0);
    int k = 1;
    while (k <= 26 && position >= LetterTotals[k]) {
        ++k;
    }
    if (k <= 26) {
        if (limit == 0) {
            return Index.RandomWordOfLetter('a' + k - 1);
        }
        // Letters whose words are all too long give way to the letters after them.
        for (; k <= 26; ++k) {
            for (int i = 0; i < kTriesPerLetter; ++i) {
                const char* word = Index.RandomWordOfLetter('a' + k - 1);
                if (WithinLimit(word, limit)) {
                    return word;
                }
            }
        }
    }
    return Index.RandomWordOfLetter(RandomRange(123, 97));
}

const char* Dictionary::PickWordOfLength(int length, int limit) const {
    // A length beyond the limit becomes the limit itself rather than a new draw.
    return Index.RandomWordOfLength((limit == 0 || length <= limit) ? length : limit);
}

std::unique_ptr<CText> Dictionary::PickAny(int limit) const {
    return CopyOrNone(PickAnyWord(limit));
}

std::unique_ptr<CText> Dictionary::PickOfLength(int length, int limit) const {
    return CopyOrNone(PickWordOfLength(length, limit));
}

std::unique_ptr<CText> Dictionary::PickByLetter(int letter, int limit) const {
    if (limit != 0) {
        for (int i = 0; i < kTriesPerLetter; ++i) {
            const char* word = Index.RandomWordOfLetter(letter);
            if (WithinLimit(word, limit)) {
                return CopyOrNone(word);
            }
        }
    }
    return Index.RandomOfLetter(letter);
}

std::unique_ptr<CText> Dictionary::PickGenuine(int wordChoiceMode, int maxWordLength) const {
    DebugLine("GenerateValidWord()\n");
    switch (wordChoiceMode) {
    case ChooseByLength:
        return PickOfLength(RandomRange(20, 0) + 2, maxWordLength);
    case ChooseByFirstLetter:
        return PickByLetter(RandomRange(123, 97), maxWordLength);
    default:
        return PickAny(maxWordLength);
    }
}
