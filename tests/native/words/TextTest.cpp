#include "words/CText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

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
    EXPECT_STREQ(CText(nullptr).Chars, "");
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

} // namespace
