#include "base/byte_cell.h"
#include "view/column_format.h"

#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <string>

namespace {

// Column buffers as the program holds them, prefilled so that a write past
// the terminator shows.
struct Columns {
    char address[5120];
    char hex[5120];
    char chars[5120];

    void Format(uint64_t topLine, const unsigned char *bytes, uint32_t count)
    {
        memset(address, 0x55, sizeof address);
        memset(hex, 0x55, sizeof hex);
        memset(chars, 0x55, sizeof chars);
        FormatColumns(topLine, bytes, count, address, hex, chars);
        EXPECT_EQ(address[strlen(address) + 1], 0x55);
        EXPECT_EQ(hex[strlen(hex) + 1], 0x55);
        EXPECT_EQ(chars[strlen(chars) + 1], 0x55);
    }
};

std::string ReferenceAddresses(uint64_t topLine, uint32_t count)
{
    std::string text;
    for (uint32_t i = 0; i < count; i += 16) {
        uint64_t offset = topLine * 16 + i;
        char group[32];
        snprintf(group, sizeof group, "%08X %08X ", (unsigned)(offset >> 32), (unsigned)offset);
        text += group;
    }
    return text;
}

}  // namespace

TEST(ColumnFormat, CharacterColumnShowsOnlyPrintableSingleBytes)
{
    struct { unsigned char byte; char shown; } cases[] = {
        {0x00, '.'}, {0x09, '.'}, {0x0D, '.'}, {0x1F, '.'}, {0x20, ' '}, {0x41, 'A'},
        {0x5C, '\\'}, {0x7E, '~'}, {0x7F, '.'}, {0x80, '.'}, {0x81, '.'}, {0xA1, '.'},
        {0xDF, '.'}, {0xFF, '.'},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ColumnChar(c.byte), c.shown) << (int)c.byte;
}

TEST(ColumnFormat, HundredBytePage)
{
    unsigned char bytes[100];
    for (int i = 0; i < 100; ++i)
        bytes[i] = (unsigned char)('A' + i % 26);
    Columns c;
    c.Format(0, bytes, 100);

    EXPECT_EQ(strlen(c.address), 7u * 18);
    EXPECT_EQ(std::string(c.address, 36), "00000000 00000000 00000000 00000010 ");
    EXPECT_EQ(std::string(c.address + 6 * 18), "00000000 00000060 ");

    ASSERT_EQ(strlen(c.hex), 300u);
    EXPECT_EQ(std::string(c.hex, 9), "41 42 43 ");
    EXPECT_EQ(c.hex[299], ' ');

    ASSERT_EQ(strlen(c.chars), 6u * 18 + 4);
    for (int line = 0; line < 6; ++line) {
        EXPECT_EQ(c.chars[18 * line + 16], '\r') << line;
        EXPECT_EQ(c.chars[18 * line + 17], '\n') << line;
    }
    EXPECT_EQ(std::string(c.chars + 108), "STUV");
    EXPECT_EQ(std::string(c.chars, 16), "ABCDEFGHIJKLMNOP");
}

TEST(ColumnFormat, EveryByteValueAgainstAReference)
{
    unsigned char bytes[768];
    for (int i = 0; i < 768; ++i)
        bytes[i] = (unsigned char)(i * 7 + 3);
    Columns c;
    c.Format(0x12345, bytes, 768);

    std::string hex, chars;
    for (int i = 0; i < 768; ++i) {
        char cell[4];
        snprintf(cell, sizeof cell, "%02X ", bytes[i]);
        hex += cell;
        chars += (bytes[i] >= 0x20 && bytes[i] < 0x7F) ? (char)bytes[i] : '.';
        if (i % 16 == 15 && i != 767)
            chars += "\r\n";
    }
    EXPECT_EQ(std::string(c.hex), hex);
    EXPECT_EQ(strlen(c.hex), 2304u);
    EXPECT_EQ(std::string(c.chars), chars);
    EXPECT_EQ(strlen(c.chars), 862u);
    EXPECT_EQ(std::string(c.address), ReferenceAddresses(0x12345, 768));
    EXPECT_EQ(strlen(c.address), 864u);
}

TEST(ColumnFormat, LineBreaksOnlyBetweenLines)
{
    unsigned char bytes[33];
    memset(bytes, 'x', sizeof bytes);
    struct { uint32_t count; const char *chars; unsigned groups; } cases[] = {
        {1, "x", 1},
        {15, "xxxxxxxxxxxxxxx", 1},
        {16, "xxxxxxxxxxxxxxxx", 1},
        {17, "xxxxxxxxxxxxxxxx\r\nx", 2},
        {32, "xxxxxxxxxxxxxxxx\r\nxxxxxxxxxxxxxxxx", 2},
        {33, "xxxxxxxxxxxxxxxx\r\nxxxxxxxxxxxxxxxx\r\nx", 3},
    };
    for (const auto &k : cases) {
        Columns c;
        c.Format(3, bytes, k.count);
        EXPECT_STREQ(c.chars, k.chars) << k.count;
        EXPECT_EQ(strlen(c.address), 18u * k.groups) << k.count;
        EXPECT_EQ(strlen(c.hex), 3u * k.count) << k.count;
    }
}

TEST(ColumnFormat, AddressesCarryTheHighDoubleWord)
{
    unsigned char bytes[768] = {0};
    struct { uint64_t topLine; const char *first; } cases[] = {
        {UINT64_C(1) << 28, "00000001 00000000 "},           // byte offset 2^32
        {UINT64_C(1) << 32, "00000010 00000000 "},           // byte offset 2^36
        {(UINT64_C(1) << 38) - 48, "000003FF FFFFFD00 "},    // last page of 4096 GB
        {0x0ABCDEF12ULL, "0000000A BCDEF120 "},
    };
    for (const auto &k : cases) {
        Columns c;
        c.Format(k.topLine, bytes, 768);
        EXPECT_EQ(std::string(c.address, 18), k.first);
        EXPECT_EQ(std::string(c.address), ReferenceAddresses(k.topLine, 768));
    }

    // A page that crosses 2^32 bytes turns the high double word mid-page.
    Columns c;
    c.Format((UINT64_C(1) << 28) - 1, bytes, 32);
    EXPECT_STREQ(c.address, "00000000 FFFFFFF0 00000001 00000000 ");
}

TEST(ColumnFormat, EmptyAndOversizedCounts)
{
    unsigned char bytes[800] = {0};
    Columns c;
    c.Format(0, bytes, 0);
    EXPECT_STREQ(c.address, "");
    EXPECT_STREQ(c.hex, "");
    EXPECT_STREQ(c.chars, "");

    c.Format(0, bytes, 800);
    EXPECT_EQ(strlen(c.hex), 2304u);
    EXPECT_EQ(strlen(c.address), 864u);
    EXPECT_EQ(strlen(c.chars), 862u);
}
