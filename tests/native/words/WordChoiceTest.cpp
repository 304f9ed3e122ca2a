#include "WordFiles.h"

#include "words/Random.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Chi-square statistic of counts against expected numbers (cells expecting nothing are left out).
double ChiSquare(const std::vector<int>& counts, const std::vector<double>& expected) {
    double sum = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        sum += expected[i] > 0 ? (counts[i] - expected[i]) * (counts[i] - expected[i]) / expected[i] : 0;
    }
    return sum;
}

// Every letter but q has words of every length from 2 to 21, more of the short ones; s has 200
// more six-letter words.
class WordChoiceTest : public testing::Test {
protected:
    void SetUp() override {
        std::vector<std::string> words = Words('s', 6, 200, "klmnopqrst");
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            for (int length = 2; letter != 'q' && length <= 21; ++length) {
                const auto some = Words(letter, length, length <= 8 ? 6 : 1);
                words.insert(words.end(), some.begin(), some.end());
            }
        }
        ASSERT_TRUE(LoadWords(List, Folder, words));
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

    TempFolder Folder;
    Dictionary List;
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

TEST_F(WordChoiceTest, AtRandomFollowsTheNumberOfWordsOfEachLetter) {
    std::vector<double> expected(26);
    for (int k = 0; k < 26; ++k) {
        expected[static_cast<std::size_t>(k)] =
            10000.0 * List.Index.LetterCount('a' + k) / List.LetterTotals[26];
    }
    for (const int mode : {1, 0, 7}) { // unknown modes choose at random
        EXPECT_LT(ChiSquare(Draw(mode, 0, 10000, false), expected), 51.18) << mode;
    }
}

TEST(WordChoiceLimitTest, AtRandomMovesOnWhenALetterHasNoShortWord) {
    TempFolder folder;
    Dictionary list;
    ASSERT_TRUE(LoadWords(list, folder, {"aardvark", "bee"}));
    for (int i = 0; i < 50; ++i) {
        EXPECT_STREQ(list.PickAny(4)->Chars, "bee");
    }
    EXPECT_EQ(list.Index.RandomOfLength(4)->Length, 0);

    // With no word short enough in any letter, a word of a random letter will do.
    std::vector<std::string> words;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        words.push_back(std::string(8, letter));
    }
    ASSERT_TRUE(LoadWords(list, folder, words));
    EXPECT_EQ(list.PickAny(4)->Length, 8);
}

} // namespace
