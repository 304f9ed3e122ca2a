#pragma once

#include "words/StringList.h"

#include <algorithm>
#include <cstddef>
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
    // SortBuckets puts them in WordOrderLess order (case folded, exact bytes breaking ties), the
    // order that their lookup assumes.
    StringList LetterBuckets[kLetterBuckets];
    // Bucket k (0 to 19): the words of k + 1 characters, in file order; bucket 20: the words of 21
    // or more, in WordOrderLess order once SortBuckets has run.
    StringList LengthBuckets[kLengthBuckets];

    WordIndex();
    virtual ~WordIndex();

    WordIndex(const WordIndex&) = delete;
    WordIndex& operator=(const WordIndex&) = delete;

    // Files a copy of word at the end of its buckets (SortBuckets then puts them in order); false
    // when its first character is not a letter (or memory runs out).
    bool AddWord(const char* word);
    bool AddWord(const char* word, std::size_t length);

    // A word can also be written straight into the index's store: WordSpace(size) makes room for
    // size bytes and returns where they start (null when memory runs out); AddWrittenWord(length)
    // then files the length characters written there, as AddWord would. Anything written and not
    // filed is overwritten by the next word.
    char* WordSpace(std::size_t size) { return (size <= FreeBytes) ? FreeSpace : NewBlock(size); }
    bool AddWrittenWord(std::size_t length);

    // The letter bucket's Find result for text, or a negative number when text does not begin with
    // a letter.
    int Find(const char* text) const;
    // Number of words that begin with letter (either case); 0 for anything else.
    int LetterCount(int letter) const;

    // A random word of letter (either case); an empty text for a non-letter or an empty bucket.
    std::unique_ptr<CText> RandomOfLetter(int letter) const;
    // A random letter a to z, each equally likely, then a random word of it.
    std::unique_ptr<CText> RandomWithRandomLetter() const;
    // A random word of length characters; an empty text when there is none below 21 characters,
    // none when there is none of 21 or more.
    std::unique_ptr<CText> RandomOfLength(int length) const;

    // The draws of RandomOfLetter and RandomOfLength without the copy: the stored word, "" for an
    // empty result and null for none.
    const char* RandomWordOfLetter(int letter) const;
    const char* RandomWordOfLength(int length) const;

    // Puts every letter bucket, and the bucket of the longest words, in WordOrderLess order where it
    // is not in order already. Words are only appended as they come, so a list whose lines are in
    // any order loads in n log n, and a hand-edited list can still be searched.
    void SortBuckets();

    void Clear();

private:
    char* NewBlock(std::size_t size);

    // Whether a stored word holds a capital A to Z. Without one the word order is the plain byte
    // order, which the library's string comparison checks much faster.
    bool HasCapitals() const;

    std::vector<std::unique_ptr<char[]>> Blocks;
    // Bytes of each full block taken by stored words; the last block's end is FreeSpace.
    std::vector<std::size_t> BlockUsed;
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

// Kept here, beside the buckets, because the loader calls it for every word of the list.
inline bool WordIndex::AddWrittenWord(std::size_t length) {
    if (FreeSpace == nullptr || length == 0 || length >= FreeBytes) {
        return false;
    }
    const int letter = LetterBucketOf(static_cast<unsigned char>(FreeSpace[0]));
    if (letter < 0) {
        return false;
    }
    char* stored = FreeSpace;
    stored[length] = '\0';
    FreeSpace += length + 1;
    FreeBytes -= length + 1;

    if (LetterBuckets[letter].Append(stored) < 0) {
        return false;
    }
    // Words of 21 characters and more share the last bucket.
    LengthBuckets[std::min<std::size_t>(length, kLengthBuckets) - 1].Append(stored);
    return true;
}
