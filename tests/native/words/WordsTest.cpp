#include "words/CText.h"
#include "words/Dictionary.h"
#include "words/FormatNumbers.h"
#include "words/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

namespace {

// A string table whose text 7 is 255 characters long and text 9 600; copies like LoadStringA.
int StringTable(unsigned id, char* buffer, int size) {
    const int copied = std::min(id == 7 ? 255 : id == 9 ? 600 : 0, size - 1);
    std::memset(buffer, 'x', static_cast<std::size_t>(copied));
    buffer[copied] = '\0';
    return copied;
}

TEST(TextTest, GrowingKeepsEveryCharacterAndReadingStaysInside) {
    CText text("abc");
    text.Append(std::string(28, 'd').c_str()); // 31 characters and the terminator fill 32 bytes
    text.AppendChar('e');
    text.Append(text); // the source moves with the buffer
    const std::string half = "abc" + std::string(28, 'd') + "e";
    EXPECT_EQ(std::string(text.Chars, std::size_t(text.Length)), half + half);
    EXPECT_EQ(CText(nullptr).Length, 0);

    SetStringSource(StringTable);
    const CText full(7u), longer(9u), missing(8u);
    SetStringSource(nullptr);
    EXPECT_EQ(std::string(full.Chars), std::string(255, 'x')); // not cut off
    EXPECT_EQ(longer.Length, 600);
    EXPECT_STREQ(missing.Chars, "");

    CText word("WordZ@["); // characters are read inside the text only
    EXPECT_EQ(word.At(6), '[');
    EXPECT_EQ(word.At(-1), '\0');
    EXPECT_EQ(word.At(7), '\0');
    word.MakeLower();
    EXPECT_STREQ(word.Chars, "wordz@["); // A to Z only: '@' and '[' stand just outside
}

// The texts of the score, clock and statistics come from string-table formats like these.
std::string Formatted(const char* format, std::vector<std::int32_t> values) {
    CText out("left over");
    FormatNumbers(out, format, values.data(), static_cast<int>(values.size()));
    return out.Str();
}

TEST(TextTest, NumbersFillTheirFormatsAsPrintfWould) {
    EXPECT_EQ(Formatted("Score: %d", {120}), "Score: 120");
    EXPECT_EQ(Formatted("%d:%02d.%i", {1, 5, 9}), "1:05.9");
    EXPECT_EQ(Formatted("[%5d][%-4d][%+d][% d][%05d]", {-42, 7, 3, 3, -42}), "[  -42][7   ][+3][ 3][-0042]");
    EXPECT_EQ(Formatted("%d", {std::numeric_limits<std::int32_t>::min()}), "-2147483648");
    EXPECT_EQ(Formatted("100%% %s %d %d", {5}), "100% %s 5 0"); // others as written; missing values 0
    EXPECT_EQ(Formatted("%99d", {1}).size(), 64u);              // widths stop at 64
    EXPECT_EQ(Formatted("%", {}), "%");
}

// How often each result comes up over all 32,768 generator outputs.
std::map<std::int32_t, int> Shape(std::int32_t high, std::int32_t low) {
    std::map<std::int32_t, int> counts;
    for (int r = 0; r <= 32767; ++r) {
        ++counts[RandomScale(r, high, low)];
    }
    return counts;
}

TEST(RandomTest, ARangeGivesItsLowEndOneOutputMoreAndTruncatesTowardZero) {
    auto counts = Shape(26, 0);
    EXPECT_EQ(counts.count(26), 0u);
    EXPECT_EQ(counts[0], 1262);
    for (int v = 1; v < 26; ++v) {
        EXPECT_GE(counts[v], 1260) << v;
        EXPECT_LE(counts[v], 1261) << v;
    }
    EXPECT_EQ(Shape(0, 0), (std::map<std::int32_t, int>{{0, 32768}})); // an empty range: its low end
    // Results are truncated toward zero.
    EXPECT_EQ(Shape(2, -2), (std::map<std::int32_t, int>{{-2, 2}, {-1, 8191}, {0, 16384}, {1, 8191}}));
    constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto highest = std::numeric_limits<std::int32_t>::max();
    const auto widest = Shape(highest, lowest);
    EXPECT_EQ(widest.begin()->first, lowest);
    EXPECT_LT(widest.rbegin()->first, highest);
}

class WordListTest : public testing::Test {
protected:
    // Loads the bytes as a word list file, which goes again at once.
    bool Load(const std::string& bytes) {
        const std::string path = testing::TempDir() + "lexiblast-" +
                                 std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
        std::ofstream(path, std::ios::binary) << bytes;
        const bool loaded = List.Load(path.c_str());
        std::remove(path.c_str());
        return loaded;
    }
    bool LoadLines(const std::vector<std::string>& words) {
        return Load(std::accumulate(
            words.begin(), words.end(), std::string(),
            [](const std::string& bytes, const std::string& word) { return bytes + word + "\r\n"; }));
    }
    bool Has(const std::string& word) const { return List.IsWord(word.c_str()) == int(word.size()); }
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
    Dictionary List;
};

// Zero bytes are skipped; empty lines, lines not beginning with a letter and lines of 1,024 bytes or
// more add nothing.
TEST_F(WordListTest, ReadsAWordALineOfUpTo1023BytesAndNeedsAnAOrAnS) {
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        ASSERT_TRUE(Load("ant" + end + "cat" + end + end + "dog")); // no line end after the last word
        EXPECT_EQ(List.LetterTotals[26], 3) << int(end.back());
    }
    const std::string padding = std::string(1018, 'b') + "\r\n"; // the CR after "ant" ends a block
    ASSERT_TRUE(Load(padding + "ant\rcat\r\n"));
    EXPECT_TRUE(Has("cat"));
    std::string bytes = "ant\r\nb";
    bytes += '\0';
    bytes +=
        "ee\r\n'tis\r\n-dash\r\ntab\tstop\r\n" + std::string(1023, 'e') + "\r\n" + std::string(1024, 'f');
    ASSERT_TRUE(Load(bytes + "\r\n" + std::string(3000, 'g') + "\ngnu\r\n"));
    for (const std::string& word :
         {std::string("bee"), std::string("tab\tstop"), std::string(1023, 'e'), std::string("gnu")}) {
        EXPECT_TRUE(Has(word)) << word.substr(0, 10);
    }
    EXPECT_EQ(List.LetterTotals[26], 5);
    // A list needs a word beginning with A or S.
    EXPECT_FALSE(Load("cat\r\ndog\r\n"));
    EXPECT_TRUE(Load("Sun\r\nZoo\r\n"));
    EXPECT_TRUE(Has("zoo"));               // a capital opens its letter's group, Z as well as A
    ASSERT_TRUE(Load("Apple\r\nant\r\n")); // in order by bytes, not with case folded
    EXPECT_TRUE(Has("ant"));
    EXPECT_FALSE(List.Load("no such folder/words.lst"));
    EXPECT_FALSE(List.Loaded);
    EXPECT_FALSE(Has("sun")); // a new load starts from an empty index
}

// Up to 64 words a letter are scanned, from 65 on bisected: both find every word in any case, a
// space standing for any one letter, and nothing else.
TEST_F(WordListTest, GroupsOf64And65WordsFindEveryWordInAnyCase) {
    for (const int n : {64, 65}) {
        std::vector<std::string> words;
        for (int i = 0; i < n - 2; ++i) { // caaaa, caaab, ... with capitals here and there
            words.push_back({i % 3 == 0 ? 'C' : 'c', 'a', i % 3 == 1 ? 'A' : 'a', char('a' + i / 10),
                             char('a' + i % 10)});
        }
        words.insert(words.end(), {"c\xE9", "CZ", "ant"}); // bytes above 127 come after z
        std::reverse(words.begin(), words.end());
        ASSERT_TRUE(LoadLines(words));
        for (std::string word : words) {
            std::transform(word.begin(), word.end(), word.begin(),
                           [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
            EXPECT_TRUE(Has(word)) << n << ' ' << word;
            EXPECT_TRUE(word.size() != 5 || Has(word.substr(0, 4) + ' ')) << n << ' ' << word;
        }
        for (const char* missing : {"c'aaa", "caaa", "caaaaa", "czzzz", "cz'", "ca", "", "'ant"}) {
            EXPECT_EQ(List.IsWord(missing), 0) << n << ' ' << missing;
        }
    }
}

// Letters a, b and d have 2, 1 and 3 words: positions 0 to 5 of a draw at random fall on a a b d d d.
// A limit on the length passes over the a's, to the letters after them.
TEST_F(WordListTest, AtRandomFindsTheLetterOfARandomPositionAndKeepsToALimit) {
    ASSERT_TRUE(LoadLines({"aardvark", "aardwolf", "bee", "dog", "doe", "dab"}));
    std::string letters(6, '?');
    for (std::uint32_t i = 0; i < 200; ++i) {
        const std::uint32_t seed = i * 2654435761u; // spread: close seeds start alike
        SeedRandom(seed);
        const auto position = std::size_t(RandomRange(6, 0));
        SeedRandom(seed);
        letters[position] = List.PickGenuine(ChooseAtRandom, 0)->At(0);
        SeedRandom(seed);
        EXPECT_EQ(List.PickGenuine(7, 0)->At(0), letters[position]) << "an unknown mode chooses at random";
    }
    EXPECT_EQ(letters, "aabddd");
    const std::set<std::string> shortWords = {"bee", "dab", "doe", "dog"}, aWords = {"aardvark", "aardwolf"};
    EXPECT_EQ(Drawn(200, [&] { return List.PickAny(3); }), shortWords);
    EXPECT_EQ(Drawn(50, [&] { return List.PickByLetter('a', 3); }), aWords); // none short enough
}

// One word of s's of each length from 2 to 22, and one of three letters for every other letter but
// q (s: sun). Words of 21 letters and more share one group, in which a draw may find none of the
// length asked for.
TEST_F(WordListTest, ByLengthAndByFirstLetterMakeEachEquallyLikely) {
    std::vector<std::string> words;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        words.push_back(letter == 's' ? "sun" : letter == 'q' ? "" : std::string(3, letter));
    }
    for (std::size_t length = 2; length <= 22; ++length) {
        words.push_back(std::string(length, 's'));
    }
    ASSERT_TRUE(LoadLines(words));
    SeedRandom(2024);
    std::vector<int> lengths(32, 0), limited(32, 0), letters(26, 0);
    for (int i = 0; i < 4000; ++i) {
        const auto word = List.PickGenuine(ChooseByLength, 30);
        ++lengths[std::size_t(word != nullptr ? word->Length : 0)];
        ++limited[std::size_t(List.PickGenuine(ChooseByLength, 4)->Length)];
        const char first = List.PickGenuine(ChooseByFirstLetter, 30)->At(0);
        ++letters[std::size_t(first != '\0' ? first - 'a' : 'q' - 'a')]; // an empty text for q
    }
    EXPECT_GT(*std::min_element(lengths.begin() + 2, lengths.begin() + 22), 150); // 200 expected
    EXPECT_LT(*std::max_element(lengths.begin() + 2, lengths.begin() + 22), 250);
    EXPECT_NEAR(limited[4], 3600, 80); // lengths 4 to 21 all give four letters
    EXPECT_GT(*std::min_element(letters.begin(), letters.end()), 115); // 154 expected
    EXPECT_LT(*std::max_element(letters.begin(), letters.end()), 195);
    EXPECT_EQ(Drawn(1000, [&] { return List.PickByLetter('s', 0); }).size(), 22u); // up to the last
    EXPECT_EQ(Drawn(50, [&] { return List.PickOfLength(22, 0); }),
              (std::set<std::string>{std::string(22, 's'), "(none)"}));
    EXPECT_EQ(List.PickOfLength(21, 20)->Chars, std::string(20, 's')); // beyond the limit: the limit
    EXPECT_EQ(List.PickOfLength(25, 0), nullptr);
    EXPECT_EQ(List.PickOfLength(1, 0)->Length, 0);
}

// The words a followed by 1 to 10 q's. No letter pair leads to a q, so a chain holds none; a
// compound is a q's a q's; a misspelling is a listed word with one to three letters changed.
class FakeWordsTest : public WordListTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(LoadLines({"aq", "aqq", "aqqq", "aqqqq", "aqqqqq", "aqqqqqq", "aqqqqqqq", "aqqqqqqqq",
                               "aqqqqqqqqq", "aqqqqqqqqqq"}));
        SeedRandom(77);
    }
    // The smallest and largest of f over 500 fakes of 3 to 30 letters, none of them listed.
    template <typename F>
    std::pair<std::size_t, std::size_t> Range(int methods, int length, F f) const {
        std::set<std::size_t> values;
        for (int i = 0; i < 500; ++i) {
            const auto fake = List.MakeFake(methods, length, 3, 30);
            const std::string text = fake != nullptr ? fake->Chars : "";
            EXPECT_FALSE(Has(text) || text.size() < 3) << text;
            values.insert(f(text));
        }
        return {*values.begin(), *values.rbegin()};
    }
    template <char C>
    static std::size_t Count(const std::string& fake) {
        return std::size_t(std::count(fake.begin(), fake.end(), C));
    }
    static std::size_t SecondPart(const std::string& fake) { return fake.find('a', 1); }
};

using Sizes = std::pair<std::size_t, std::size_t>;

// Free length: two words of 2 to 11 letters. Length n: a first word of 2 to n - 2 letters. Nothing
// comes when no fake can be made.
TEST_F(FakeWordsTest, EachMethodMakesItsOwnKindOfFakeOfItsDrawnLengthOrNone) {
    EXPECT_EQ(Range(FakeRandomLetters, 0, Count<'q'>), Sizes(0, 0)); // no letter pair leads to a q
    EXPECT_EQ(Range(FakeCompound, 0, Count<'a'>), Sizes(2, 2));
    const auto changed = [](const std::string& fake) { // letters that differ from a q's of its length
        return (fake[0] != 'a' ? 1 : 0) + fake.size() - 1 - Count<'q'>(fake.substr(1));
    };
    EXPECT_EQ(Range(FakeMisspell, 0, changed), Sizes(1, 3));
    const auto size = [](const std::string& fake) { return fake.size(); };
    EXPECT_EQ(Range(FakeCompound, 0, size), Sizes(4, 22));
    EXPECT_EQ(Range(FakeCompound, 8, size), Sizes(8, 8));
    EXPECT_EQ(Range(FakeCompound, 8, SecondPart), Sizes(2, 6));
    EXPECT_EQ(Range(FakeRandomLetters, 0, size).first, 3u) << "the shortest allowed comes";
    EXPECT_EQ(List.MakeFake(FakeRandomLetters, 0, 1000, 0), nullptr);
    EXPECT_EQ(Dictionary().MakeFake(FakeRandomLetters, 0, 3, 30), nullptr);
    SeedRandom(5); // no method at all makes the same chains as FakeRandomLetters
    const std::string chain = List.MakeFake(FakeRandomLetters, 0, 3, 30)->Chars;
    SeedRandom(5);
    EXPECT_EQ(List.PickFake(0, 30)->Chars, chain);
}

// What follows the start of a word and a q for each of the 100 percentage draws in turn, 0 ending it.
TEST(LetterChainTest, LettersFollowEachOtherAsInEnglish) {
    const Dictionary list;
    std::string first, afterQ;
    for (int r = 0; r < 100; ++r) {
        std::uint32_t seed = 0;
        do {
            SeedRandom(++seed * 2654435761u); // spread: close seeds start alike
        } while (RandomRange(100, 0) != r);
        SeedRandom(seed * 2654435761u);
        first += list.NextLetter('\0');
        SeedRandom(seed * 2654435761u);
        afterQ += list.NextLetter('q');
    }
    EXPECT_EQ(afterQ, std::string(99, 'u') + '\0');
    EXPECT_EQ(first.find_first_of(std::string("qxyz\0", 5)), 99u); // only the draw 99 ends at once
    EXPECT_EQ(first.substr(0, 12), "aaaaaabbbbbc");
    for (const auto& row : Dictionary::PairPercent) { // percentages rounded row by row
        const int sum = std::accumulate(std::begin(row), std::end(row), 0);
        EXPECT_TRUE(sum >= 97 && sum <= 102) << sum;
    }
}

} // namespace
