#include "words/Dictionary.h"
#include "words/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <system_error>
#include <vector>

namespace {

// count distinct words of length letters beginning with first; the rest spells a serial number with digits.
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

std::string Lower(std::string text) {
    for (char& c : text) {
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return text;
}

// Chi-square statistic of counts against one expected number for every cell.
double ChiSquare(const std::vector<int>& counts, double expected) {
    double sum = 0;
    for (const int count : counts) {
        sum += (count - expected) * (count - expected) / expected;
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
        std::ofstream(Folder / "words.lst", std::ios::binary) << bytes;
        return List.Load((Folder / "words.lst").string().c_str());
    }
    // The words one per CR LF line, in the order given.
    bool LoadLines(const std::vector<std::string>& words) {
        std::string bytes;
        for (const std::string& word : words) {
            bytes += word + "\r\n";
        }
        return Load(bytes);
    }
    bool Has(const std::string& word) const {
        return List.IsWord(word.c_str()) == static_cast<int>(word.size());
    }
    // The different words that n draws bring up.
    template <typename Draw>
    static std::set<std::string> Drawn(int n, Draw draw) {
        std::set<std::string> drawn;
        for (int i = 0; i < n; ++i) {
            const auto word = draw();
            drawn.insert(word != nullptr ? word->Chars : "(none)");
        }
        return drawn;
    }

    const std::filesystem::path Folder =
        std::filesystem::temp_directory_path() /
        ("lexiblast-words-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    Dictionary List;
};

// Zero bytes are skipped; empty lines, lines not beginning with a letter and lines of 1,024 bytes or
// more add nothing.
TEST_F(WordListTest, ReadsAWordALineOfUpTo1023BytesAtEveryKindOfLineEnd) {
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        ASSERT_TRUE(Load("ant" + end + "cat" + end + end + "dog")); // no line end after the last word
        EXPECT_EQ(List.LetterTotals[26], 3) << int(end.back());
        EXPECT_TRUE(Has("dog")) << int(end.back());
    }
    // The block is 1,024 bytes: the CR after "ant" is its last byte.
    const std::string padding = std::string(1018, 'b') + "\r\n";
    ASSERT_TRUE(Load(padding + "ant\rcat\r\n"));
    EXPECT_TRUE(Has("cat"));
    ASSERT_TRUE(Load(padding + "ant\r\ncat\r\n"));
    EXPECT_EQ(List.LetterTotals[26], 3);

    std::string bytes = "ant\r\nb";
    bytes += '\0';
    bytes +=
        "ee\r\n'tis\r\n-dash\r\ntab\tstop\r\n" + std::string(1023, 'e') + "\r\n" + std::string(1024, 'f');
    ASSERT_TRUE(Load(bytes + "\r\n" + std::string(3000, 'g') + "\ngnu\r\n"));
    EXPECT_TRUE(Has("bee"));
    EXPECT_TRUE(Has("tab\tstop"));
    EXPECT_TRUE(Has(std::string(1023, 'e')));
    EXPECT_TRUE(Has("gnu"));
    EXPECT_EQ(List.LetterTotals[26], 5);
}

TEST_F(WordListTest, NeedsAWordBeginningWithAOrS) {
    EXPECT_FALSE(Load("cat\r\ndog\r\n"));
    EXPECT_FALSE(List.Loaded);
    EXPECT_TRUE(Has("cat")); // what was read stays
    EXPECT_FALSE(Load("\n\r\n\n"));
    EXPECT_TRUE(Load("Sun\r\n"));
    EXPECT_TRUE(List.Loaded);
    EXPECT_TRUE(Load("ant\r\n"));
    EXPECT_FALSE(List.Load((Folder / "missing.lst").string().c_str()));
    EXPECT_FALSE(List.Loaded);
    EXPECT_FALSE(Has("ant")); // a new load starts from an empty index
}

// Words of 20 letters have a group of their own; 21 letters and more share the last one, in order.
TEST_F(WordListTest, FilesWordsByLengthWith21LettersAndMoreTogether) {
    const std::string s2 = "so", s20(20, 's'), s21 = "s" + std::string(20, 'm');
    const std::string s22 = "Sa" + std::string(20, 'a'), s26 = "sz" + std::string(24, 'z');
    ASSERT_TRUE(LoadLines({s26, s21, s22, s20, s2, "ant"}));
    EXPECT_EQ(List.Index.LengthBuckets[19].Count, 1);
    const StringList& longest = List.Index.LengthBuckets[20];
    ASSERT_EQ(longest.Count, 3);
    EXPECT_EQ(longest.At(0), s22);
    EXPECT_EQ(longest.At(1), s21);
    EXPECT_EQ(longest.At(2), s26);

    EXPECT_EQ(*List.PickOfLength(2, 0)->Chars, 's');
    EXPECT_EQ(List.PickOfLength(21, 20)->Length, 20); // a length beyond the limit becomes the limit
    // From 21 letters on, a few draws of the shared group look for the length; they may find none.
    for (const std::string& word : {s21, s22}) {
        auto drawn = Drawn(50, [&] { return List.PickOfLength(static_cast<int>(word.size()), 0); });
        EXPECT_EQ(drawn.count(word), 1u) << word.size();
        drawn.erase("(none)");
        EXPECT_EQ(drawn.size(), 1u) << word.size();
    }
    EXPECT_EQ(List.PickOfLength(25, 0), nullptr);
    EXPECT_EQ(List.PickOfLength(4, 0)->Length, 0); // no four-letter word
}

// Up to 64 words a letter is scanned, from 65 on bisected: both must agree with the load's order,
// which folds case.
TEST_F(WordListTest, GroupsOf64And65WordsFindEveryWordInAnyCase) {
    for (const int n : {64, 65}) {
        std::vector<std::string> words = Words('c', 5, n - 2);
        for (std::size_t i = 0; i < words.size(); i += 3) {
            words[i][0] = 'C';
            words[i + 1][2] = static_cast<char>(words[i + 1][2] - 'a' + 'A');
        }
        words.insert(words.end(), {"c\xE9", "CZ", "ant"}); // bytes above 127 come after z
        std::reverse(words.begin(), words.end());
        ASSERT_TRUE(LoadLines(words));
        ASSERT_EQ(List.Index.LetterCount('c'), n);
        for (const std::string& word : words) {
            EXPECT_TRUE(Has(word)) << n << ' ' << word;
            EXPECT_TRUE(Has(Lower(word))) << n << ' ' << word;
            if (word.size() == 5) { // a space stands for the last letter
                EXPECT_TRUE(Has(word.substr(0, 4) + ' ')) << n << ' ' << word;
            }
        }
        for (const char* missing : {"c'aaa", "caaa", "caaaaa", "czzzz", "cz'", "ca", "", "'ant"}) {
            EXPECT_EQ(List.IsWord(missing), 0) << n << ' ' << missing;
        }
    }
}

// Letters a, b and d have 2, 1 and 3 words: positions 0 to 5 of a draw at random fall on a a b d d d.
TEST_F(WordListTest, AtRandomFindsTheLetterByTheRunningTotals) {
    ASSERT_TRUE(LoadLines({"ant", "ape", "bee", "dog", "doe", "dab"}));
    const int totals[] = {0, 2, 3, 3, 6, 6};
    for (const int k : {0, 1, 2, 3, 4, 26}) {
        EXPECT_EQ(List.LetterTotals[k], totals[std::min(k, 5)]) << k;
    }
    std::string letters(6, '?');
    for (std::uint32_t i = 0; i < 200; ++i) {
        const std::uint32_t seed = i * 2654435761u; // spread: close seeds start alike
        SeedRandom(seed);
        const auto position = static_cast<std::size_t>(RandomRange(6, 0));
        SeedRandom(seed);
        letters[position] = List.PickAny(0)->At(0);
        for (const int mode : {0, 7}) { // unknown modes choose at random
            SeedRandom(seed);
            EXPECT_EQ(List.PickGenuine(mode, 0)->At(0), letters[position]) << mode;
        }
    }
    EXPECT_EQ(letters, "aabddd");
}

TEST_F(WordListTest, ALimitKeepsWordsUpToItsLengthAndMovesOnToLaterLetters) {
    ASSERT_TRUE(LoadLines({"aardvark", "bear", "bee", "beetle"}));
    SeedRandom(9);
    EXPECT_EQ(Drawn(200, [&] { return List.PickAny(4); }), (std::set<std::string>{"bear", "bee"}));
    EXPECT_EQ(Drawn(200, [&] { return List.PickByLetter('b', 4); }), (std::set<std::string>{"bear", "bee"}));
    EXPECT_EQ(Drawn(20, [&] { return List.PickByLetter('a', 4); }), std::set<std::string>{"aardvark"});
    // With no word short enough in any letter, a word of a random letter will do.
    std::vector<std::string> words;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        words.push_back(std::string(8, letter));
    }
    ASSERT_TRUE(LoadLines(words));
    EXPECT_EQ(List.PickAny(4)->Length, 8);
}

// One word of each length from 2 to 21 (s), one three-letter word of every other letter but q (s: sun).
// Critical values of chi-square at p = 0.001 for 19 and 25 degrees of freedom.
TEST_F(WordListTest, ByLengthAndByFirstLetterMakeEachEquallyLikelyUpToTheLastWordOfAGroup) {
    std::vector<std::string> words;
    for (int length = 2; length <= 21; ++length) {
        words.push_back(std::string(static_cast<std::size_t>(length), 's'));
    }
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        if (letter != 'q') {
            words.push_back(letter != 's' ? std::string(3, letter) : "sun");
        }
    }
    ASSERT_TRUE(LoadLines(words));
    SeedRandom(2024);
    std::vector<int> lengths(32, 0), limited(32, 0), letters(26, 0);
    for (int i = 0; i < 4000; ++i) {
        ++lengths[static_cast<std::size_t>(List.PickGenuine(ChooseByLength, 30)->Length)];
        ++limited[static_cast<std::size_t>(List.PickGenuine(ChooseByLength, 4)->Length)];
        const auto word = List.PickGenuine(ChooseByFirstLetter, 30);
        ++letters[static_cast<std::size_t>(word->Length == 0 ? 'q' - 'a' : word->At(0) - 'a')];
    }
    EXPECT_LT(ChiSquare({lengths.begin() + 2, lengths.begin() + 22}, 200.0), 43.82);
    EXPECT_NEAR(limited[4], 3600, 80); // lengths 4 to 21 all give four letters
    EXPECT_LT(ChiSquare(letters, 4000.0 / 26), 52.62);
    const auto ofLetter = Drawn(1000, [&] { return List.Index.RandomOfLetter('S'); });
    EXPECT_EQ(ofLetter.size(), 21u);
    EXPECT_EQ(ofLetter.count("sun"), 1u); // last of the letter
    const auto ofLength = Drawn(1000, [&] { return List.Index.RandomOfLength(3); });
    EXPECT_EQ(ofLength.size(), 26u);
    EXPECT_EQ(ofLength.count("zzz"), 1u); // last of the length, as loaded
}

// Words of a and s followed by q and k, 2 to 11 letters, and a and s alone. Letter chains never hold a q (no
// letter pair leads to one), compounds split into two words, and a misspelt word usually keeps a q.
class FakeWordsTest : public WordListTest {
protected:
    void SetUp() override {
        std::vector<std::string> words = {"a", "s"}; // so that a part of one letter would show
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
    // A compound's second word begins at its second a or s.
    static std::size_t SecondPart(const std::string& fake) { return fake.find_first_of("as", 1); }
    Kind KindOf(const std::string& fake) const {
        const std::size_t split = SecondPart(fake);
        if (split != std::string::npos && Has(fake.substr(0, split)) && Has(fake.substr(split))) {
            return Compound;
        }
        return fake.find('q') == std::string::npos ? Chain : Misspelt;
    }
    // n fakes of up to 30 letters, none of them a listed word.
    std::vector<std::string> Fakes(int methods, int length, int n) const {
        std::vector<std::string> fakes;
        for (int i = 0; i < n; ++i) {
            const auto fake = List.MakeFake(methods, length, 3, 30);
            EXPECT_NE(fake, nullptr);
            fakes.emplace_back(fake != nullptr ? fake->Chars : "");
            EXPECT_EQ(List.IsWord(fakes.back().c_str()), 0) << fakes.back();
        }
        return fakes;
    }
    std::vector<int> Kinds(int methods, int n) const {
        std::vector<int> kinds(3, 0);
        for (const std::string& fake : Fakes(methods, 0, n)) {
            ++kinds[KindOf(fake)];
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

// Free length: two words of 2 to 11 letters. Length n: a first word of 2 to n - 2 letters. A chain
// stops at the given length.
TEST_F(FakeWordsTest, CompoundsJoinWordsOfTheirDrawnLengthsAndChainsStopAtTheirs) {
    std::set<std::size_t> lengths, firsts, chains;
    for (const std::string& fake : Fakes(FakeCompound, 0, 2000)) {
        lengths.insert(fake.size());
    }
    EXPECT_EQ(*lengths.begin(), 4u);
    EXPECT_EQ(*lengths.rbegin(), 22u);
    for (const std::string& fake : Fakes(FakeCompound, 8, 500)) {
        EXPECT_EQ(fake.size(), 8u);
        firsts.insert(SecondPart(fake));
    }
    EXPECT_EQ(*firsts.begin(), 2u);
    EXPECT_EQ(*firsts.rbegin(), 6u);
    for (const std::string& fake : Fakes(FakeRandomLetters, 5, 500)) {
        chains.insert(fake.size());
    }
    EXPECT_EQ(*chains.rbegin(), 5u);
}

TEST_F(FakeWordsTest, GivesUpWithNothingWhenNoFakeCanBeMade) {
    EXPECT_EQ(List.MakeFake(FakeCompound, 12, 3, 0)->Length, 12);
    EXPECT_EQ(List.MakeFake(FakeCompound, 30, 3, 0), nullptr); // a part would need 19 letters or more
    EXPECT_EQ(List.MakeFake(FakeRandomLetters, 0, 1000, 0), nullptr);
    EXPECT_EQ(Dictionary().MakeFake(FakeRandomLetters, 0, 3, 30), nullptr);
}

// A misspelling changes one to three letters (a letter may replace itself or a place come twice).
TEST_F(WordListTest, MisspellingsChangeOneToThreeLetters) {
    ASSERT_TRUE(LoadLines({std::string(30, 's')}));
    SeedRandom(12);
    std::vector<int> changed(31, 0);
    for (int i = 0; i < 3000; ++i) {
        const std::string fake = List.MakeFake(FakeMisspell, 0, 3, 0)->Chars;
        ++changed[static_cast<std::size_t>(
            std::count_if(fake.begin(), fake.end(), [](char c) { return c != 's'; }))];
    }
    EXPECT_EQ(changed[0], 0);
    EXPECT_GT(changed[1], 3000 / 4);
    EXPECT_GT(changed[3], 3000 / 5);
    EXPECT_EQ(changed[4], 0);
}

// Rows: start of word, then a to z; columns: end of word, then a to z.
constexpr int kPairPercent[27][27] = {
    {0, 6, 5, 9, 6, 4, 4, 3, 4, 4, 1, 1, 3, 6, 3, 3, 8, 0, 6, 11, 5, 3, 2, 2, 0, 0, 0},
    {2, 0, 5, 6, 4, 1, 1, 3, 1, 3, 0, 1, 13, 4, 14, 0, 4, 0, 11, 7, 16, 2, 1, 1, 0, 1, 1},
    {1, 13, 3, 0, 0, 13, 0, 0, 0, 16, 0, 0, 18, 0, 0, 12, 0, 0, 9, 3, 1, 7, 0, 0, 0, 1, 0},
    {6, 15, 0, 1, 0, 9, 0, 0, 12, 8, 0, 6, 4, 0, 0, 17, 0, 0, 6, 1, 7, 5, 0, 0, 0, 2, 0},
    {28, 6, 0, 0, 2, 20, 0, 1, 0, 16, 0, 0, 3, 1, 1, 6, 0, 0, 4, 5, 0, 3, 0, 1, 0, 1, 0},
    {9, 4, 1, 3, 9, 2, 1, 1, 0, 1, 0, 0, 5, 3, 10, 1, 2, 0, 18, 22, 4, 1, 1, 1, 1, 0, 0},
    {2, 9, 0, 0, 0, 13, 8, 0, 0, 19, 0, 0, 11, 0, 0, 12, 0, 0, 7, 2, 3, 10, 0, 0, 0, 2, 0},
    {29, 8, 0, 0, 0, 13, 0, 3, 4, 10, 0, 0, 6, 1, 3, 5, 0, 0, 9, 4, 0, 4, 0, 0, 0, 2, 0},
    {5, 15, 0, 0, 0, 22, 0, 0, 0, 16, 0, 0, 2, 1, 1, 16, 0, 0, 4, 2, 3, 3, 0, 0, 0, 7, 0},
    {1, 5, 1, 10, 3, 7, 2, 2, 0, 0, 0, 1, 5, 3, 22, 7, 2, 0, 2, 11, 8, 0, 3, 0, 0, 0, 3},
    {0, 25, 0, 0, 0, 20, 0, 0, 0, 8, 0, 0, 0, 0, 0, 19, 0, 0, 0, 0, 0, 26, 0, 0, 0, 0, 0},
    {10, 8, 1, 0, 0, 28, 1, 0, 2, 19, 0, 0, 4, 1, 3, 3, 0, 0, 1, 12, 1, 1, 0, 1, 0, 2, 0},
    {7, 13, 0, 1, 1, 18, 1, 0, 0, 18, 0, 1, 10, 1, 1, 10, 0, 0, 0, 3, 2, 4, 1, 0, 0, 9, 0},
    {6, 17, 4, 0, 0, 19, 0, 0, 0, 18, 0, 0, 0, 4, 1, 11, 7, 0, 0, 6, 0, 4, 0, 0, 0, 2, 0},
    {8, 7, 0, 5, 6, 15, 1, 15, 0, 8, 0, 1, 1, 0, 2, 6, 0, 0, 0, 10, 11, 1, 1, 0, 0, 1, 0},
    {1, 2, 2, 4, 3, 1, 1, 5, 0, 2, 0, 1, 8, 6, 19, 4, 5, 0, 12, 6, 5, 8, 3, 2, 1, 0, 0},
    {2, 11, 0, 0, 0, 16, 0, 0, 12, 10, 0, 0, 7, 0, 0, 11, 4, 0, 13, 4, 4, 4, 0, 0, 0, 1, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 99, 0, 0, 0, 0, 0},
    {8, 14, 1, 2, 2, 17, 1, 1, 1, 14, 0, 1, 1, 2, 2, 11, 1, 0, 2, 9, 3, 3, 1, 0, 0, 2, 0},
    {44, 3, 0, 3, 0, 9, 0, 0, 4, 5, 0, 1, 1, 2, 1, 3, 2, 0, 0, 8, 11, 3, 0, 0, 0, 1, 0},
    {8, 8, 0, 1, 0, 19, 0, 0, 6, 23, 0, 0, 1, 0, 0, 8, 0, 0, 8, 6, 3, 3, 0, 1, 0, 3, 0},
    {0, 4, 4, 4, 3, 3, 1, 2, 0, 4, 0, 0, 11, 7, 15, 1, 4, 0, 12, 13, 9, 0, 0, 0, 0, 0, 0},
    {0, 16, 0, 0, 0, 52, 0, 0, 0, 22, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0},
    {3, 21, 1, 0, 1, 16, 1, 0, 6, 15, 0, 1, 3, 1, 5, 14, 1, 0, 3, 5, 1, 0, 0, 0, 0, 1, 0},
    {8, 8, 0, 6, 0, 16, 0, 0, 2, 20, 0, 0, 1, 0, 0, 6, 11, 0, 0, 1, 12, 3, 0, 0, 0, 5, 0},
    {51, 3, 1, 3, 2, 3, 0, 1, 0, 3, 0, 0, 4, 4, 3, 2, 5, 0, 3, 6, 3, 0, 0, 1, 0, 0, 0},
    {1, 19, 0, 0, 0, 42, 0, 0, 0, 17, 0, 0, 2, 0, 0, 9, 0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 5},
};

// For every row and every percentage draw r, the next letter is the first column whose running sum
// exceeds r; 0 ends the word (so does a draw beyond the row's sum).
TEST(LetterChainTest, NextLetterWalksThePairTable) {
    const Dictionary list;
    for (int row = 0; row < 27; ++row) {
        std::string expected(100, '\0'), got(100, '?');
        for (int r = 0, sum = 0, column = 0; r < 100; ++r) {
            while (column < 27 && sum + kPairPercent[row][column] <= r) {
                sum += kPairPercent[row][column++];
            }
            expected[static_cast<std::size_t>(r)] =
                (column == 0 || column == 27) ? '\0' : char('a' + column - 1);
        }
        for (std::uint32_t i = 0; i < 2000; ++i) {
            const std::uint32_t seed = i * 2654435761u; // spread: close seeds start alike
            SeedRandom(seed);
            const int r = RandomRange(100, 0);
            SeedRandom(seed);
            got[static_cast<std::size_t>(r)] = list.NextLetter(row == 0 ? '\0' : char('a' + row - 1));
        }
        EXPECT_EQ(got, expected) << "row " << row;
    }
}

TEST(RealListTest, FindsEveryWordByItsLowerCaseTextAndMakesNoFakeOfOne) {
    Dictionary list;
    ASSERT_TRUE(list.Load("words.lst"));
    for (const StringList& bucket : list.Index.LetterBuckets) {
        for (int i = 0; i < bucket.Count; ++i) {
            ASSERT_EQ(list.IsWord(Lower(bucket.At(i)).c_str()), static_cast<int>(std::strlen(bucket.At(i))))
                << bucket.At(i);
        }
    }
    SeedRandom(1);
    std::set<int> lengths;
    for (int i = 0; i < 3000; ++i) {
        const auto fake = list.PickFake(FakeRandomLetters | FakeCompound | FakeMisspell, 6);
        ASSERT_NE(fake, nullptr);
        lengths.insert(fake->Length);
        EXPECT_EQ(list.IsWord(*fake), 0) << fake->Chars;
    }
    EXPECT_EQ(*lengths.begin(), 3); // fakes run from three letters up to the limit itself
    EXPECT_EQ(*lengths.rbegin(), 6);
}

} // namespace
