#pragma once

#include "words/StringList.h"

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

    // Bucket k: the words whose first character, upper-cased, is 'A' + k, in file order (or in
    // ascending byte order once SortLetterBuckets has run).
    StringList LetterBuckets[kLetterBuckets];
    // Bucket k (0 to 19): the words of k + 1 characters; bucket 20: the words of 21 or more.
    StringList LengthBuckets[kLengthBuckets];

    WordIndex();
    virtual ~WordIndex();

    WordIndex(const WordIndex&) = delete;
    WordIndex& operator=(const WordIndex&) = delete;

    // Files a copy of word; false when its first character is not a letter (or memory runs out).
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

    // Puts every letter bucket that is out of ascending byte order in order, so that a hand-edited
    // list can still be searched.
    void SortLetterBuckets();

    void Clear();

private:
    char* NewBlock(std::size_t size);

    static constexpr std::size_t kSortedLength = 22; // words this long are kept in order

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
    if (length < kSortedLength) {
        LengthBuckets[length - 1].Append(stored);
    } else {
        LengthBuckets[kLengthBuckets - 1].InsertSorted(stored);
    }
    return true;
}
