#include "WordFiles.h"

#include "words/Random.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Words of a and s followed by q and k. Letter chains never hold a q (no letter pair leads to
// one), compounds split into two words, and a misspelt word usually keeps a q.
class FakeWordsTest : public testing::Test {
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
        ASSERT_TRUE(LoadWords(List, Folder, words));
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

    // How many of n fakes (each checked: 3 to maximum letters, not a word) are of each kind.
    std::vector<int> Kinds(int methods, int n, int maximum) const {
        std::vector<int> kinds(3, 0);
        for (int i = 0; i < n; ++i) {
            const auto fake = List.MakeFake(methods, 0, 3, maximum);
            if (fake == nullptr) {
                ADD_FAILURE() << "none";
                continue;
            }
            EXPECT_TRUE(fake->Length >= 3 && fake->Length <= maximum && !List.IsWord(*fake)) << fake->Chars;
            ++kinds[KindOf(fake->Chars)];
        }
        return kinds;
    }

    TempFolder Folder;
    Dictionary List;
};

TEST_F(FakeWordsTest, EachMethodMakesItsOwnKindOfFake) {
    EXPECT_EQ(Kinds(FakeRandomLetters, 300, 30)[Chain], 300);
    EXPECT_EQ(Kinds(FakeCompound, 300, 30)[Compound], 300);
    EXPECT_GT(Kinds(FakeMisspell, 300, 30)[Misspelt], 270);
    for (const int count : Kinds(FakeRandomLetters | FakeCompound | FakeMisspell, 1500, 30)) {
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
