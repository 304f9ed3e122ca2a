#pragma once

#include "words/CText.h"
#include "words/WordIndex.h"

#include <cstdint>
#include <cstdio>
#include <memory>

// How genuine words are chosen. Any other value chooses as ChooseAtRandom.
enum WordChoiceMode {
    ChooseAtRandom = 1,      // every word equally likely
    ChooseByLength = 2,      // every length from 2 to 21 equally likely
    ChooseByFirstLetter = 3, // every first letter equally likely
};

// How fakes are made: any combination of these bits. With none set, fakes are letter chains.
enum FakeWordMethod {
    FakeRandomLetters = 1, // a chain of letters drawn from letter-pair frequencies
    FakeCompound = 2,      // two genuine words joined
    FakeMisspell = 4,      // a genuine word with one to three letters replaced
};

// The word list: the words of "words.lst" filed for lookups and random draws, and the fake word
// generator that works from them.
class Dictionary {
public:
    static constexpr int kBlockSize = 1024;
    // A word is at most this long; a longer line of the file is skipped.
    static constexpr int kLongestWord = kBlockSize - 1;

    // How often, in percent, a letter follows another in English words. Row 0 is the start of a
    // word, row k the letter 'a' + k - 1; column 0 is the end of the word, column k the letter
    // 'a' + k - 1.
    static const std::uint8_t PairPercent[27][27];

    CText Path;
    WordIndex Index;
    bool Loaded = false;
    // LetterTotals[k]: the number of words that begin with one of the first k letters.
    std::int32_t LetterTotals[27] = {};
    char ReadBuffer[kBlockSize + 1] = {};
    std::int32_t ReadPos = 0;
    std::FILE* File = nullptr;

    Dictionary() = default;
    virtual ~Dictionary();

    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    // Reads the word list at path into an empty index. The list loads when at least one word
    // begins with A or S (in either case).
    bool Load(const char* path);

    // The text's length when the whole text is in the list, else 0. A space matches any character.
    int IsWord(const char* text) const;

    // Genuine words. A limit (maximum length) of 0 means no limit; each returns a new text or none.
    std::unique_ptr<CText> PickAny(int limit) const;
    std::unique_ptr<CText> PickOfLength(int length, int limit) const;
    std::unique_ptr<CText> PickByLetter(int letter, int limit) const;
    // The word-field game's request for a genuine word, chosen by a WordChoiceMode.
    std::unique_ptr<CText> PickGenuine(int wordChoiceMode, int maxWordLength) const;

    // Fakes. NextLetter: the letter to follow previous (0 at the start of a word), or 0 to end it.
    char NextLetter(char previous) const;
    // A text of at least minimum and at most maximum characters (0: no maximum) that is not in
    // the list, made by one of the FakeWordMethod bits in methods; length 0 leaves the length free.
    // None when the list is not loaded or nothing acceptable turns up in 1,000 attempts.
    std::unique_ptr<CText> MakeFake(int methods, int length, int minimum, int maximum) const;
    // The word-field game's request for a fake.
    std::unique_ptr<CText> PickFake(int generateFakes, int maxWordLength) const;

private:
    bool ReadLines();
    void CloseFile();

    // The pickers without the copy: a stored word, "" for an empty result, null for none.
    const char* PickAnyWord(int limit) const;
    const char* PickWordOfLength(int length, int limit) const;
};
