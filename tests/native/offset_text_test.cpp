#include "view/offset_text.h"

#include <gtest/gtest.h>

namespace {

// What the goto box accepts, and what it refuses without touching the
// offset it was given.
TEST(OffsetText, ParsesHexOffsetsAndRefusesEverythingElse)
{
    const uint64_t untouched = 0xBADBADBADull;
    const struct {
        const char *text;
        int ok;
        uint64_t offset;
    } cases[] = {
        {"1A2B3", 1, 0x1A2B3},
        {"1a2b3", 1, 0x1A2B3},
        {"0001A2B3", 1, 0x1A2B3},
        {"0x1A2B3", 1, 0x1A2B3},
        {"0X1a2B3", 1, 0x1A2B3},
        {"1A2B3h", 1, 0x1A2B3},
        {"1A2B3H", 1, 0x1A2B3},
        {"  0x1A2B3 \t", 1, 0x1A2B3},
        {"\t1A2B3h  ", 1, 0x1A2B3},
        {"0", 1, 0},
        {"0h", 1, 0},
        {"0x0", 1, 0},
        {"3FFFFFFFFFF", 1, 0x3FFFFFFFFFFull},
        {"FFFFFFFFFFFFFFFF", 1, 0xFFFFFFFFFFFFFFFFull},
        {"0000000000000001", 1, 1},
        // Seventeen digits, even zeros.
        {"10000000000000000", 0, 0},
        {"00000000000000001", 0, 0},
        {"", 0, 0},
        {"   ", 0, 0},
        {"0x", 0, 0},
        {"h", 0, 0},
        {"0xh", 0, 0},
        {"0x1Ah", 0, 0},
        {"1A 2B", 0, 0},
        {"0x 1A", 0, 0},
        {"1A h", 0, 0},
        {"1G", 0, 0},
        {"-1", 0, 0},
        {"+1", 0, 0},
        {"1A2B3.", 0, 0},
        {"1hh", 0, 0},
        {"x1A", 0, 0},
        {"00x1A", 0, 0},
        {"１Ａ", 0, 0},
    };
    for (const auto &c : cases) {
        uint64_t offset = untouched;
        EXPECT_EQ(ParseOffsetText(c.text, &offset), c.ok) << '"' << c.text << '"';
        EXPECT_EQ(offset, c.ok ? c.offset : untouched) << '"' << c.text << '"';
    }
}

// The box starts with the offset as eight digits or more, which it parses back.
TEST(OffsetText, FormatsAtLeastEightDigitsThatParseBack)
{
    const struct {
        uint64_t offset;
        const char *text;
    } cases[] = {
        {0, "00000000"},
        {0x1A2B3, "0001A2B3"},
        {0xFFFFFFFF, "FFFFFFFF"},
        {0x100000000ull, "100000000"},
        {0x3FFFFFFFFFFull, "3FFFFFFFFFF"},
        {0xFFFFFFFFFFFFFFFFull, "FFFFFFFFFFFFFFFF"},
    };
    for (const auto &c : cases) {
        char text[OFFSET_TEXT_SIZE];
        FormatOffsetText(c.offset, text);
        EXPECT_STREQ(text, c.text);
        uint64_t back = 0;
        EXPECT_EQ(ParseOffsetText(text, &back), 1);
        EXPECT_EQ(back, c.offset);
    }
}

}  // namespace
