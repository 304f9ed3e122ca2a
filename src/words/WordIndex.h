#pragma once

#include "words/StringList.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

class CText;

// The dictionary's words, filed twice: by first letter (for lookups and letter draws) and by length
// (for length draws). The index keeps one copy of every word in its own store; both sets of
// buckets point into it.
class WordIndex {
public:
    static constexpr int kLetterBuckets = 26;
    static constexpr int kLengthBuckets = 21;

    // Bucket k: the words whose first character, upper-cased, is 'A' + k, in file order until
    // SortBuckets puts them in WordOrderLess order (case folded), the
    // order that their lookup assumes.
    StringList LetterBuckets[kLetterBuckets];
    // Bucket k (0 to 19): the words of k + 1 characters; bucket 20: the words of 21 or more; all in
    // file order (only random draws read them).
    StringList LengthBuckets[kLengthBuckets];

    WordIndex();
    virtual ~WordIndex();

    WordIndex(const WordIndex&) = delete;
    WordIndex& operator=(const WordIndex&) = delete;

    // Files a copy of the length characters at word at the end of its buckets (SortBuckets then
    // puts them in order); false when the first character is not a letter or memory runs out.
    bool AddWord(const char* word, std::size_t length);

    // The letter bucket's Find result for text, or a negative number when text does not begin with
    // a letter.
    int Find(const char* text) const;
    // Number of words that begin with letter (either case); 0 for anything else.
    int LetterCount(int letter) const;

    // A random word of letter (either case); an empty text for a non-letter or an empty bucket.
    std::unique_ptr<CText> RandomOfLetter(int letter) const;
    // A random word of length characters; an empty text when there is none below 21 characters,
    // none when there is none of 21 or more.
    std::unique_ptr<CText> RandomOfLength(int length) const;

    // The draws of RandomOfLetter and RandomOfLength without the copy: the stored word, "" for an
    // empty result and null for none.
    const char* RandomWordOfLetter(int letter) const;
    const char* RandomWordOfLength(int length) const;

    // Puts every letter bucket in WordOrderLess order where it is not in order already. Words are
    // only appended as they come, so a list whose lines are in any order loads in n log n (a sorted
    // list in n), and a hand-edited list can still be searched.
    void SortBuckets();

    void Clear();

private:
    // Room for size more bytes in the word store; null when memory runs out.
    char* Space(std::size_t size) { return size <= FreeBytes ? FreeSpace : NewBlock(size); }
    char* NewBlock(std::size_t size);

    // Whether a stored word holds a capital A to Z: without one, the words' order is the plain byte
    // order, which the library's string comparison checks much faster.
    bool Capitals = false;
    std::vector<std::unique_ptr<char[]>> Blocks;
    char* FreeSpace = nullptr;
    std::size_t FreeBytes = 0;
};

// The letter bucket of character c: 0 to 25 for A to Z in either case, -1 for anything else.
inline int LetterBucketOf(int c) {
    if (c >= 'a' && c <= 'z') {
        return c - 'a';
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A';
    }
    return -1;
}

// Kept in the header so that the loader's call for every word of the list is inlined.
inline bool WordIndex::AddWord(const char* word, std::size_t length) {
    if (word == nullptr || length == 0 || LetterBucketOf(static_cast<unsigned char>(word[0])) < 0 ||
        length >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return false;
    }
    char* stored = Space(length + 1);
    if (stored == nullptr) {
        return false;
    }
    std::memcpy(stored, word, length);
    stored[length] = '\0';
    for (std::size_t i = 0; i < length; ++i) {
        Capitals |= static_cast<unsigned char>(word[i] - 'A') < 26;
    }
    if (LetterBuckets[LetterBucketOf(static_cast<unsigned char>(word[0]))].Append(stored) < 0) {
        return false;
    }
    FreeSpace += length + 1;
    FreeBytes -= length + 1;
    // Words of 21 characters and more share the last bucket.
    LengthBuckets[std::min<std::size_t>(length, kLengthBuckets) - 1].Append(stored);
    return true;
}
