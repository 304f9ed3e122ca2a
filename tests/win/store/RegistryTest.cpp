#include "store/Registry.h"
#include "PrivateRegistry.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

constexpr char kKey[] = "Software\\Quillmoor\\Lexiblast";

using RegistryTest = PrivateRegistry;

TEST_F(RegistryTest, ReadsOfAMissingKeyFallBackAndWritesCreateTheWholePath) {
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Sound", 7), 7);
    char buffer[16] = "leftover";
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "FontName", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(KeyExists("Software\\Quillmoor"));

    EXPECT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "Score", -5));
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Score", 0), -5);
    DWORD size = 0;
    EXPECT_EQ(StoredType(kKey, "Score", &size), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(size, 4u);
    // The empty string is stored as its terminator alone and reads back as itself.
    EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, "Software\\Elsewhere\\Deep", "Name", ""));
    EXPECT_EQ(StoredType("Software\\Elsewhere\\Deep", "Name", &size), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 1u);
    std::strcpy(buffer, "leftover");
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, "Software\\Elsewhere\\Deep", "Name", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
}

TEST_F(RegistryTest, ValuesOfAnotherTypeOrSizeAreNotAccepted) {
    StoreRaw(kKey, "AsText", REG_SZ, "12", 3);
    const BYTE four[4] = {1, 0, 0, 0};
    StoreRaw(kKey, "AsBinary", REG_BINARY, four, sizeof four);
    StoreRaw(kKey, "ShortDword", REG_DWORD, four, 2);
    const std::uint64_t wide = 3;
    StoreRaw(kKey, "AsQword", REG_QWORD, &wide, sizeof wide);
    for (const char* name : {"AsText", "AsBinary", "ShortDword", "AsQword"}) {
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, name, 42), 42) << name;
    }
    char buffer[16] = "leftover";
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "ShortDword", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
}

TEST_F(RegistryTest, StringsThatDoNotFitAreRefusedWithoutOverrun) {
    // The buffer under test is the first 256 bytes; the 16 guard bytes after it must stay untouched.
    char buffer[256 + 16];
    std::memset(buffer, '#', sizeof buffer);
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "Long", std::string(300, 'x').c_str()));
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "Long", buffer, 256));
    EXPECT_EQ(buffer[0], '\0');
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "Exact", std::string(255, 'e').c_str()));
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kKey, "Exact", buffer, 256));
    EXPECT_EQ(std::string(buffer), std::string(255, 'e'));

    // Texts stored without their terminating zero (the byte after them is not zero either, so the
    // registry cannot add one on its own).
    const std::string source(300, 'u');
    StoreRaw(kKey, "Unterminated", REG_SZ, source.data(), 3);
    StoreRaw(kKey, "UnterminatedFull", REG_SZ, source.data(), 256);
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kKey, "Unterminated", buffer, 256));
    EXPECT_STREQ(buffer, "uuu");
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "UnterminatedFull", buffer, 256));
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(std::string(buffer + 256, 16), std::string(16, '#'));

    buffer[0] = '#'; // no room at all, not even for the zero
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "Unterminated", buffer, 0));
    EXPECT_EQ(buffer[0], '#');
}

} // namespace
