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

bool ByteOrderLess(const char* a, const char* b) {
    return std::strcmp(a, b) < 0;
}

// Sorts a bucket that is not in order yet. Without a capital in the list, folding case changes no
// byte, so the order is checked with the library's much faster byte comparison.
void SortBucket(StringList& bucket, bool capitals) {
    const char** begin = bucket.Items;
    const char** end = bucket.Items + bucket.Count;
    if (!(capitals ? std::is_sorted(begin, end, WordOrderLess) : std::is_sorted(begin, end, ByteOrderLess))) {
        std::sort(begin, end, WordOrderLess);
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
    FreeSpace = block.get();
    FreeBytes = blockSize;
    Blocks.push_back(std::move(block));
    return FreeSpace;
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

std::unique_ptr<CText> WordIndex::RandomOfLength(int length) const {
    const char* word = RandomWordOfLength(length);
    return (word != nullptr) ? std::make_unique<CText>(word) : nullptr;
}

void WordIndex::SortBuckets() {
    // Both sets of buckets point at the same stored words, so reordering the pointers of a letter
    // bucket leaves the length buckets as they are.
    for (StringList& bucket : LetterBuckets) {
        SortBucket(bucket, Capitals);
    }
}

void WordIndex::Clear() {
    for (StringList& bucket : LetterBuckets) {
        bucket.Clear();
    }
    for (StringList& bucket : LengthBuckets) {
        bucket.Clear();
    }
    Capitals = false;
    Blocks.clear();
    FreeSpace = nullptr;
    FreeBytes = 0;
}
