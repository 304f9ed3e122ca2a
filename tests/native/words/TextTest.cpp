#include "words/CText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// A string table whose text 7 is 255 characters long; copies like LoadStringA.
int StringTable(unsigned id, char* buffer, int size) {
    const int copied = (id == 7) ? std::min(255, size - 1) : 0;
    std::memset(buffer, 'x', static_cast<std::size_t>(copied));
    buffer[copied] = '\0';
    return copied;
}

TEST(TextTest, BuffersDoubleUntilTheTextAndItsTerminatorFit) {
    CText text("abc");
    EXPECT_EQ(text.Allocated, 32);
    text.Append(std::string(28, 'd').c_str()); // 31 characters and the terminator fill 32 bytes
    EXPECT_EQ(text.Allocated, 32);
    text.AppendChar('e');
    EXPECT_EQ(text.Allocated, 64);
    text.Append(text); // the source moves with the buffer
    EXPECT_EQ(std::string(text.Chars), "abc" + std::string(28, 'd') + "eabc" + std::string(28, 'd') + "e");
    EXPECT_EQ(text.Allocated, 128);
    EXPECT_EQ(CText(std::string(40, 'a').c_str()).Allocated, 41);

    SetStringSource(StringTable);
    CText cutOff(7u);
    CText missing(8u);
    SetStringSource(nullptr);
    EXPECT_EQ(cutOff.Length, 255);
    EXPECT_EQ(cutOff.Allocated, 512);
    EXPECT_STREQ(missing.Chars, "");
    EXPECT_EQ(missing.Allocated, 256);
}

TEST(TextTest, CharacterAccessStaysInsideTheText) {
    CText text("WordZ@[");
    EXPECT_EQ(text.At(-1), '\0');
    EXPECT_EQ(text.At(7), '\0');
    text.SetAt(-1, 'x');
    text.SetAt(7, 'x');
    text.MakeLower();
    EXPECT_STREQ(text.Chars, "wordz@["); // A to Z only: '@' and '[' stand just outside
    text.SetLength(31);                  // the buffer must exceed n + 1
    EXPECT_EQ(text.Allocated, 64);
    EXPECT_EQ(text.At(31), '\0');

    std::strcpy(text.GetBuffer(), "abc");
    text.ReleaseBuffer(-1);
    EXPECT_EQ(text.Length, 3);
    std::memset(text.GetBuffer(), 'z', 64); // no terminator: cut at the end of the buffer
    text.ReleaseBuffer(-1);
    EXPECT_EQ(text.Length, 63);
}

TEST(TextTest, LookupsIgnoreCaseAndTakeASpaceForAnyOneCharacter) {
    EXPECT_EQ(CompareTextNoCase("Cat", "cAT"), 0);
    EXPECT_EQ(CompareTextNoCase("c t", "cat"), 0);
    EXPECT_GT(CompareTextNoCase("ca ", "ca"), 0);   // but not for the end of the other string
    EXPECT_GT(CompareTextNoCase("c\xE9", "cz"), 0); // bytes compare unsigned
    EXPECT_LT(CompareTextNoCase("[", "a"), 0);      // only A to Z are folded
}

TEST(TextTest, WordsAreOrderedByFoldedCaseThenByTheirExactBytes) {
    EXPECT_TRUE(WordOrderLess("apple", "Banana"));
    EXPECT_TRUE(WordOrderLess("Cat", "cat"));
    EXPECT_FALSE(WordOrderLess("cat", "cat"));
    EXPECT_TRUE(WordOrderLess("c t", "cat")); // no wildcard when sorting
    EXPECT_TRUE(WordOrderLess("cz", "c\xE9"));
}

} // namespace
