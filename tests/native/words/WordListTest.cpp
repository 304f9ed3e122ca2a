#include "words/Dictionary.h"
#include "words/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

// count distinct words of length letters beginning with first; the rest spells a serial number
// with digits.
std::vector<std::string> Words(char first, int length, int count, const std::string& digits = "abcdefghij") {
    std::vector<std::string> words;
    for (int serial = 0; serial < count; ++serial) {
        std::string word(static_cast<std::size_t>(length), digits[0]);
        word[0] = first;
        for (std::size_t i = word.size() - 1, n = static_cast<std::size_t>(serial); i > 0 && n > 0;
             --i, n /= digits.size()) {
            word[i] = digits[n % digits.size()];
        }
        words.push_back(word);
    }
    return words;
}

// Chi-square statistic of counts against expected numbers (cells expecting nothing are left out).
double ChiSquare(const std::vector<int>& counts, const std::vector<double>& expected) {
    double sum = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        sum += expected[i] > 0 ? (counts[i] - expected[i]) * (counts[i] - expected[i]) / expected[i] : 0;
    }
    return sum;
}

// A word list written to a folder of its own in the temp directory, which goes with its contents.
class WordListTest : public testing::Test {
protected:
    void TearDown() override {
        std::error_code ignored; // removing the folder never throws
        std::filesystem::remove_all(Folder, ignored);
    }
    bool Load(const std::string& bytes) {
        std::filesystem::create_directories(Folder);
        const std::string file = (Folder / "words.lst").string();
        std::FILE* f = std::fopen(file.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return List.Load(file.c_str());
    }
    // The words one per CR LF line, sorted first unless asked not to.
    bool LoadLines(std::vector<std::string> words, bool sort = true) {
        std::sort(words.begin(), sort ? words.end() : words.begin()); // or an empty range
        std::string bytes;
        for (const std::string& word : words) {
            bytes += word + "\r\n";
        }
        return Load(bytes);
    }
    int Count() const { return List.LetterTotals[26]; }
    bool Has(const std::string& word) const {
        return List.IsWord(word.c_str()) == static_cast<int>(word.size());
    }

    const std::filesystem::path Folder =
        std::filesystem::temp_directory_path() /
        ("lexiblast-words-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    Dictionary List;
};

TEST_F(WordListTest, EveryKindOfLineEndEndsAWord) {
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

TEST_F(WordListTest, SkipsZeroBytesOverlongLinesAndNonLetters) {
    std::string bytes = "ant\r\nb";
    bytes += '\0';
    bytes += "ee\r\n'tis\r\n-dash\r\ntab\tstop\r\n" + std::string(1023, 'e') + "\r\n" +
             std::string(1024, 'f') + "\r\n";
    ASSERT_TRUE(Load(bytes + std::string(3000, 'g') + "\ngnu\r\n"));
    EXPECT_TRUE(Has("bee") && Has("gnu") && Has("tab\tstop") && Has(std::string(1023, 'e')));
    EXPECT_EQ(List.Index.LetterCount('f'), 0);
    EXPECT_EQ(Count(), 5);
}

TEST_F(WordListTest, NeedsAWordBeginningWithAOrS) {
    EXPECT_FALSE(Load("cat\r\ndog\r\n"));
    EXPECT_TRUE(Has("cat")); // what was read stays
    EXPECT_FALSE(Load("\n\r\n\n"));
    EXPECT_TRUE(Load("Sun\r\n"));
    EXPECT_TRUE(List.Loaded);
    EXPECT_FALSE(List.Load((Folder / "missing.lst").string().c_str()));
    EXPECT_FALSE(List.Loaded || Has("Sun")); // a new load starts from an empty index
}

TEST_F(WordListTest, FilesWordsByLengthWithTheLongestTogether) {
    const std::string z21(21, 'z'), z22 = "z" + std::string(21, 'b'), z26 = "zz" + std::string(24, 'a');
    ASSERT_TRUE(LoadLines({"ant", "ape", "bee", "cheetah", "zebra", z21, z26, z22}, false));
    EXPECT_EQ(List.Index.LengthBuckets[2].Count, 3);
    const StringList& longest = List.Index.LengthBuckets[20]; // 21 appended, 22 and more in order
    ASSERT_EQ(longest.Count, 3);
    EXPECT_TRUE(longest.At(0) == z22 && longest.At(1) == z26 && longest.At(2) == z21);
}

TEST_F(WordListTest, SmallLettersAreScannedIgnoringCaseLargeOnesBisectedExactly) {
    ASSERT_TRUE(LoadLines({"ant", "cab", "cat", "cow"}));
    for (const char* word : {"cat", "Cat", "c t", "C W"}) {
        EXPECT_EQ(List.IsWord(word), 3) << word;
    }
    for (const char* word : {"cut", "ca", "cats", "", "'cat"}) {
        EXPECT_EQ(List.IsWord(word), 0) << word;
    }

    std::vector<std::string> words = Words('c', 5, 64);
    words.insert(words.end(), {"ant", "cat", "ca\xE9", "cz"});
    ASSERT_TRUE(LoadLines(words));
    for (const std::string& word : words) {
        EXPECT_TRUE(Has(word)) << word;
    }
    for (const char* word : {"Cat", "caaaz", "cza", "c"}) {
        EXPECT_EQ(List.IsWord(word), 0) << word;
    }
    EXPECT_EQ(List.IsWord(CText("c t")), 3);
}

TEST_F(WordListTest, SortsALetterThatIsOutOfOrder) {
    std::vector<std::string> words = Words('s', 5, 100); // bisected, so order matters
    words.push_back("Sun");
    std::reverse(words.begin(), words.end());
    ASSERT_TRUE(LoadLines(words, false));
    EXPECT_TRUE(std::all_of(words.begin(), words.end(), [&](const std::string& word) { return Has(word); }));
    EXPECT_FALSE(Has("sun"));
    EXPECT_EQ(List.Index.LengthBuckets[4].Count, 100);
}

TEST_F(WordListTest, AtRandomMovesOnWhenALetterHasNoShortWord) {
    ASSERT_TRUE(LoadLines({"aardvark", "bee"}));
    for (int i = 0; i < 50; ++i) {
        EXPECT_STREQ(List.PickAny(4)->Chars, "bee");
    }
    EXPECT_EQ(List.Index.RandomOfLength(4)->Length, 0);

    // With no word short enough in any letter, a word of a random letter will do.
    std::vector<std::string> words;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        words.push_back(std::string(8, letter));
    }
    ASSERT_TRUE(LoadLines(words));
    EXPECT_EQ(List.PickAny(4)->Length, 8);
}

// Every letter but q has words of every length from 2 to 21, more of the short ones; s has 200
// more six-letter words.
class WordChoiceTest : public WordListTest {
protected:
    void SetUp() override {
        std::vector<std::string> words = Words('s', 6, 200, "klmnopqrst");
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            for (int length = 2; letter != 'q' && length <= 21; ++length) {
                const auto some = Words(letter, length, length <= 8 ? 6 : 1);
                words.insert(words.end(), some.begin(), some.end());
            }
        }
        ASSERT_TRUE(LoadLines(words));
        SeedRandom(2024);
    }

    // Counts the lengths (or first letters, q for an empty text) of n genuine words.
    std::vector<int> Draw(int mode, int limit, int n, bool byLength) const {
        std::vector<int> counts(byLength ? 32 : 26, 0);
        for (int i = 0; i < n; ++i) {
            const auto word = List.PickGenuine(mode, limit);
            if (word == nullptr) {
                ADD_FAILURE() << "none";
                continue;
            }
            ++counts[byLength ? word->Length : word->Length == 0 ? 'q' - 'a' : word->At(0) - 'a'];
        }
        return counts;
    }
};

// Critical values of chi-square at p = 0.001 for 25, 19 and 24 degrees of freedom.
TEST_F(WordChoiceTest, ByFirstLetterMakesEveryLetterEquallyLikely) {
    EXPECT_LT(ChiSquare(Draw(ChooseByFirstLetter, 30, 5200, false), std::vector<double>(26, 200.0)), 52.62);
}

TEST_F(WordChoiceTest, ByLengthMakesEveryLengthEquallyLikelyUpToTheLimit) {
    auto counts = Draw(ChooseByLength, 30, 4000, true);
    EXPECT_LT(ChiSquare({counts.begin() + 2, counts.begin() + 22}, std::vector<double>(20, 200.0)), 43.82);
    counts = Draw(ChooseByLength, 4, 2000, true);
    EXPECT_NEAR(counts[4], 1800, 60); // lengths 4 to 21 all give four letters
    EXPECT_EQ(counts[2] + counts[3] + counts[4], 2000);
    EXPECT_EQ(List.PickOfLength(25, 0), nullptr);
}

// The letter totals are running sums of the letters' word counts; a draw at random follows them.
TEST_F(WordChoiceTest, AtRandomFollowsTheNumberOfWordsOfEachLetter) {
    std::vector<double> expected(26);
    for (int k = 0; k < 26; ++k) {
        expected[static_cast<std::size_t>(k)] = 10000.0 * List.Index.LetterCount('a' + k) / Count();
    }
    for (const int mode : {1, 0, 7}) { // unknown modes choose at random
        EXPECT_LT(ChiSquare(Draw(mode, 0, 10000, false), expected), 51.18) << mode;
    }
}

// Words of a and s followed by q and k. Letter chains never hold a q (no letter pair leads to
// one), compounds split into two words, and a misspelt word usually keeps a q.
class FakeWordsTest : public WordListTest {
protected:
    void SetUp() override {
        std::vector<std::string> words;
        for (int length = 2; length <= 11; ++length) {
            for (const char first : {'a', 's'}) {
                for (const std::string& word : Words(first, length, std::min(8, 1 << (length - 1)), "qk")) {
                    if (word.find('q') != std::string::npos) {
                        words.push_back(word);
                    }
                }
            }
        }
        ASSERT_TRUE(LoadLines(words));
        SeedRandom(77);
    }

    enum Kind { Chain, Compound, Misspelt };
    Kind KindOf(const std::string& fake) const {
        for (std::size_t split = 1; split < fake.size(); ++split) {
            if (List.IsWord(fake.substr(0, split).c_str()) && List.IsWord(fake.substr(split).c_str())) {
                return Compound;
            }
        }
        return fake.find('q') == std::string::npos ? Chain : Misspelt;
    }

    // How many of n fakes (each checked: 3 to 30 letters, not a word) are of each kind.
    std::vector<int> Kinds(int methods, int n) const {
        std::vector<int> kinds(3, 0);
        for (int i = 0; i < n; ++i) {
            const auto fake = List.MakeFake(methods, 0, 3, 30);
            const std::string chars = fake != nullptr ? fake->Chars : "(none)";
            EXPECT_TRUE(fake != nullptr && fake->Length >= 3 && fake->Length <= 30 && !List.IsWord(*fake))
                << chars;
            ++kinds[KindOf(chars)];
        }
        return kinds;
    }
};

TEST_F(FakeWordsTest, EachMethodMakesItsOwnKindOfFake) {
    EXPECT_EQ(Kinds(FakeRandomLetters, 300)[Chain], 300);
    EXPECT_EQ(Kinds(FakeCompound, 300)[Compound], 300);
    EXPECT_GT(Kinds(FakeMisspell, 300)[Misspelt], 270);
    for (const int count : Kinds(FakeRandomLetters | FakeCompound | FakeMisspell, 1500)) {
        EXPECT_GT(count, 1500 / 6);
    }

    SeedRandom(5); // no method at all makes the same chains as FakeRandomLetters
    const std::string chain = List.MakeFake(FakeRandomLetters, 0, 3, 30)->Chars;
    SeedRandom(5);
    EXPECT_EQ(List.PickFake(0, 30)->Chars, chain);
}

TEST_F(FakeWordsTest, GivesUpWithNothingWhenNoFakeCanBeMade) {
    EXPECT_EQ(List.MakeFake(FakeCompound, 12, 3, 0)->Length, 12);
    EXPECT_EQ(List.MakeFake(FakeCompound, 30, 3, 0), nullptr); // a part would need 19 letters or more
    EXPECT_EQ(List.MakeFake(FakeRandomLetters, 0, 1000, 0), nullptr);
    EXPECT_EQ(Dictionary().MakeFake(FakeRandomLetters, 0, 3, 30), nullptr);
}

TEST_F(FakeWordsTest, LetterChainsFollowThePairTable) {
    std::vector<int> afterQ(128, 0), first(128, 0);
    for (int i = 0; i < 10000; ++i) {
        ++afterQ[static_cast<std::size_t>(List.NextLetter('q'))];
        ++first[static_cast<std::size_t>(List.NextLetter('\0'))];
    }
    EXPECT_EQ(afterQ['u'] + afterQ[0], 10000);
    EXPECT_NEAR(afterQ['u'], 9900, 40);
    EXPECT_NEAR(first[0], 100, 40); // the start row sums to 99
    EXPECT_NEAR(first['s'], 1100, 120);
    EXPECT_EQ(first['q'] + first['x'] + first['y'] + first['z'], 0);
}

TEST(RealListTest, FindsEveryWordAndNoFake) {
    Dictionary list;
    ASSERT_TRUE(list.Load("words.lst"));
    for (const StringList& bucket : list.Index.LetterBuckets) {
        for (int i = 0; i < bucket.Count; ++i) {
            ASSERT_TRUE(list.IsWord(bucket.At(i))) << bucket.At(i);
        }
    }
    SeedRandom(1);
    for (int i = 0; i < 3000; ++i) {
        const auto fake = list.PickFake(FakeRandomLetters | FakeCompound | FakeMisspell, 6);
        ASSERT_NE(fake, nullptr);
        EXPECT_TRUE(fake->Length >= 3 && fake->Length <= 6 && !list.IsWord(*fake)) << fake->Chars;
    }
}

} // namespace
