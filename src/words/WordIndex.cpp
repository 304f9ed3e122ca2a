#include "words/WordIndex.h"

#include "words/CText.h"
#include "words/Random.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

namespace {

// Words are copied into blocks of this size (a longer word gets a block of its own), which keeps
// loading a list to one allocation per few thousand words.
constexpr std::size_t kStoreBlockSize = 64 * 1024;

bool ByteOrder(const char* a, const char* b) {
    return std::strcmp(a, b) < 0;
}

// A word with the first eight bytes of its folded text packed into one number, so that most
// comparisons of a sort settle without following the pointer: in a shuffled list every such step
// would be a cache miss.
struct KeyedWord {
    std::uint64_t Prefix;
    const char* Word;
};

std::uint64_t FoldedPrefix(const char* word) {
    std::uint64_t prefix = 0;
    int i = 0;
    for (; i < 8 && word[i] != '\0'; ++i) {
        prefix = (prefix << 8) | FoldCase(word[i]);
    }
    // A shorter word is padded with zeros, which sort before every byte, as its end does.
    return (i == 0) ? 0 : prefix << (8 * (8 - i));
}

bool KeyedLess(const KeyedWord& a, const KeyedWord& b) {
    return (a.Prefix != b.Prefix) ? a.Prefix < b.Prefix : WordOrderLess(a.Word, b.Word);
}

void SortBucket(StringList& bucket, bool capitals) {
    const char** begin = bucket.Items;
    const char** end = bucket.Items + bucket.Count;
    if (capitals ? std::is_sorted(begin, end, WordOrderLess) : std::is_sorted(begin, end, ByteOrder)) {
        return;
    }
    const auto count = static_cast<std::size_t>(bucket.Count);
    std::unique_ptr<KeyedWord[]> keyed(new (std::nothrow) KeyedWord[count]);
    if (!keyed) {
        std::sort(begin, end, WordOrderLess); // slower, but needs no memory
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        keyed[i] = {FoldedPrefix(begin[i]), begin[i]};
    }
    std::sort(keyed.get(), keyed.get() + count, KeyedLess);
    for (std::size_t i = 0; i < count; ++i) {
        begin[i] = keyed[i].Word;
    }
}

} // namespace

WordIndex::WordIndex() {
    for (StringList& bucket : LetterBuckets) {
        bucket.OwnsStrings = false;
    }
    for (StringList& bucket : LengthBuckets) {
        bucket.OwnsStrings = false;
    }
}

WordIndex::~WordIndex() = default;

char* WordIndex::NewBlock(std::size_t size) {
    const std::size_t blockSize = std::max(size, kStoreBlockSize);
    std::unique_ptr<char[]> block(new (std::nothrow) char[blockSize]);
    if (!block) {
        return nullptr;
    }
    if (!Blocks.empty()) {
        BlockUsed.push_back(static_cast<std::size_t>(FreeSpace - Blocks.back().get()));
    }
    FreeSpace = block.get();
    FreeBytes = blockSize;
    Blocks.push_back(std::move(block));
    return FreeSpace;
}

bool WordIndex::AddWord(const char* word) {
    return word != nullptr && AddWord(word, std::strlen(word));
}

bool WordIndex::AddWord(const char* word, std::size_t length) {
    if (word == nullptr || length == 0 || LetterBucketOf(static_cast<unsigned char>(word[0])) < 0 ||
        length >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return false;
    }
    char* space = WordSpace(length + 1);
    if (space == nullptr) {
        return false;
    }
    std::memcpy(space, word, length);
    return AddWrittenWord(length);
}

int WordIndex::Find(const char* text) const {
    const int letter = (text != nullptr) ? LetterBucketOf(static_cast<unsigned char>(text[0])) : -1;
    return (letter >= 0) ? LetterBuckets[letter].Find(text) : -1;
}

int WordIndex::LetterCount(int letter) const {
    const int k = LetterBucketOf(letter);
    return (k >= 0) ? LetterBuckets[k].Count : 0;
}

const char* WordIndex::RandomWordOfLetter(int letter) const {
    const int k = LetterBucketOf(letter);
    if (k < 0) {
        return "";
    }
    const StringList& bucket = LetterBuckets[k];
    const char* word = bucket.At(RandomRange(bucket.Count, 0));
    return (word != nullptr) ? word : "";
}

const char* WordIndex::RandomWordOfLength(int length) const {
    if (length < 1) {
        return "";
    }
    if (length < kLengthBuckets) {
        const StringList& bucket = LengthBuckets[length - 1];
        const char* word = bucket.At(RandomRange(bucket.Count, 0));
        return (word != nullptr) ? word : "";
    }
    // The last bucket mixes every length from 21 up: draw until the length is right, a bounded
    // number of times.
    const StringList& longest = LengthBuckets[kLengthBuckets - 1];
    const std::int64_t tries = 2 * static_cast<std::int64_t>(longest.Count);
    for (std::int64_t i = 0; i < tries; ++i) {
        const char* word = longest.At(RandomRange(longest.Count, 0));
        if (word != nullptr && std::strlen(word) == static_cast<std::size_t>(length)) {
            return word;
        }
    }
    return nullptr;
}

std::unique_ptr<CText> WordIndex::RandomOfLetter(int letter) const {
    return std::make_unique<CText>(RandomWordOfLetter(letter));
}

std::unique_ptr<CText> WordIndex::RandomWithRandomLetter() const {
    return RandomOfLetter(RandomRange(123, 97));
}

std::unique_ptr<CText> WordIndex::RandomOfLength(int length) const {
    const char* word = RandomWordOfLength(length);
    return (word != nullptr) ? std::make_unique<CText>(word) : nullptr;
}

void WordIndex::SortBuckets() {
    // Both sets of buckets point at the same stored words, so reordering the pointers of one bucket
    // leaves the others as they are.
    const bool capitals = HasCapitals();
    for (StringList& bucket : LetterBuckets) {
        SortBucket(bucket, capitals);
    }
    SortBucket(LengthBuckets[kLengthBuckets - 1], capitals);
}

bool WordIndex::HasCapitals() const {
    // The stored words lie one after another in the blocks: one pass over their bytes, with no
    // early exit, so that it stays a tight loop.
    unsigned capitals = 0;
    for (std::size_t i = 0; i < Blocks.size(); ++i) {
        const char* const begin = Blocks[i].get();
        const char* const end = (i < BlockUsed.size()) ? begin + BlockUsed[i] : FreeSpace;
        for (const char* at = begin; at < end; ++at) {
            capitals |= static_cast<unsigned>(static_cast<unsigned char>(*at - 'A') < 26);
        }
    }
    return capitals != 0;
}

void WordIndex::Clear() {
    for (StringList& bucket : LetterBuckets) {
        bucket.Clear();
    }
    for (StringList& bucket : LengthBuckets) {
        bucket.Clear();
    }
    Blocks.clear();
    BlockUsed.clear();
    FreeSpace = nullptr;
    FreeBytes = 0;
}
