#include "WordFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class DictionaryTest : public testing::Test {
protected:
    bool Load(const std::string& bytes) { return List.Load(Folder.Write(bytes).c_str()); }
    int Count() const { return List.LetterTotals[26]; }
    bool Has(const std::string& word) const {
        return List.IsWord(word.c_str()) == static_cast<int>(word.size());
    }

    TempFolder Folder;
    Dictionary List;
};

TEST_F(DictionaryTest, EveryKindOfLineEndEndsAWord) {
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        ASSERT_TRUE(Load("ant" + end + "cat" + end + end + "dog")); // no line end after the last word
        EXPECT_TRUE(Count() == 3 && Has("ant") && Has("cat") && Has("dog")) << int(end.back());
    }
    // The block is 1,024 bytes: the CR after "ant" is its last byte.
    const std::string padding = std::string(1018, 'b') + "\r\n";
    ASSERT_TRUE(Load(padding + "ant\rcat\r\n"));
    EXPECT_TRUE(Has("ant") && Has("cat"));
    ASSERT_TRUE(Load(padding + "ant\r\ncat\r\n"));
    EXPECT_TRUE(Count() == 3 && Has("cat"));
}

TEST_F(DictionaryTest, SkipsZeroBytesOverlongLinesAndNonLetters) {
    std::string bytes = "ant\r\nb";
    bytes += '\0';
    bytes += "ee\r\n'tis\r\n-dash\r\ntab\tstop\r\n" + std::string(1023, 'e') + "\r\n" +
             std::string(1024, 'f') + "\r\n";
    ASSERT_TRUE(Load(bytes + std::string(3000, 'g') + "\ngnu\r\n"));
    EXPECT_TRUE(Has("bee") && Has("gnu") && Has("tab\tstop") && Has(std::string(1023, 'e')));
    EXPECT_EQ(List.Index.LetterCount('f'), 0);
    EXPECT_EQ(Count(), 5);
}

TEST_F(DictionaryTest, NeedsAWordBeginningWithAOrS) {
    EXPECT_FALSE(Load("cat\r\ndog\r\n"));
    EXPECT_TRUE(Has("cat")); // what was read stays
    EXPECT_FALSE(Load("\n\r\n\n"));
    EXPECT_TRUE(Load("Sun\r\n"));
    EXPECT_TRUE(List.Loaded);
    EXPECT_FALSE(List.Load((Folder.Path / "missing.lst").string().c_str()));
    EXPECT_FALSE(List.Loaded || Has("Sun")); // a new load starts from an empty index
}

TEST_F(DictionaryTest, FilesWordsByLetterAndLength) {
    const std::string z21(21, 'z'), z22 = "z" + std::string(21, 'b'), z26 = "zz" + std::string(24, 'a');
    ASSERT_TRUE(Load(Lines({"ant", "ape", "bee", "cheetah", "zebra", z21, z26, z22})));
    const std::vector<int> totals(List.LetterTotals, List.LetterTotals + 27);
    EXPECT_EQ(totals, (std::vector<int>{0, 2, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4,
                                        4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 8}));
    EXPECT_EQ(List.Index.LengthBuckets[2].Count, 3);
    const StringList& longest = List.Index.LengthBuckets[20]; // 21 appended, 22 and more in order
    ASSERT_EQ(longest.Count, 3);
    EXPECT_TRUE(longest.At(0) == z22 && longest.At(1) == z26 && longest.At(2) == z21);
}

TEST_F(DictionaryTest, SmallLettersAreScannedIgnoringCaseLargeOnesBisectedExactly) {
    ASSERT_TRUE(Load(Lines({"ant", "cab", "cat", "cow"})));
    for (const char* word : {"cat", "Cat", "c t", "C W"}) {
        EXPECT_EQ(List.IsWord(word), 3) << word;
    }
    for (const char* word : {"cut", "ca", "cats", "", "'cat"}) {
        EXPECT_EQ(List.IsWord(word), 0) << word;
    }

    std::vector<std::string> words = Words('c', 5, 64);
    words.insert(words.end(), {"ant", "cat", "ca\xE9", "cz"});
    ASSERT_TRUE(LoadWords(List, Folder, words));
    for (const std::string& word : words) {
        EXPECT_TRUE(Has(word)) << word;
    }
    for (const char* word : {"Cat", "caaaz", "cza", "c"}) {
        EXPECT_EQ(List.IsWord(word), 0) << word;
    }
    EXPECT_EQ(List.IsWord(CText("c t")), 3);
}

TEST_F(DictionaryTest, SortsALetterThatIsOutOfOrder) {
    std::vector<std::string> words = Words('s', 5, 100); // bisected, so order matters
    words.push_back("Sun");
    std::reverse(words.begin(), words.end());
    ASSERT_TRUE(Load(Lines(words)));
    EXPECT_TRUE(std::all_of(words.begin(), words.end(), [&](const std::string& word) { return Has(word); }));
    EXPECT_FALSE(Has("sun"));
    EXPECT_EQ(List.Index.LengthBuckets[4].Count, 100);
}

} // namespace
