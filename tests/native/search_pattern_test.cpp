#include "search/search_pattern.h"

#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::vector<unsigned char> Hex(const char *text)
{
    unsigned char pattern[SEARCH_PATTERN_CAPACITY];
    uint32_t n = HexSearchPattern(text, pattern);
    return std::vector<unsigned char>(pattern, pattern + n);
}

TEST(SearchPattern, HexTextToBytes)
{
    struct HexCase {
        const char *text;
        std::vector<unsigned char> bytes;
    };
    const HexCase cases[] = {
        {"4d 5a", {0x4D, 0x5A}},
        {"4D 5A", {0x4D, 0x5A}},
        {"4D 5A ", {0x4D, 0x5A}},
        {"A", {0x70}},           // 'A' with the terminating zero: 0xA0 + 0xD0
        {"4", {0x10}},
        {"4D5A", {0x4D, 0x70}},  // no blanks: the 5 is skipped, A pairs with the zero
        {"ff-00_12", {0xFF, 0x00, 0x12}},
        {"AA AA", {0xAA, 0xAA}},
        {"4D  5A", {0x4D, 0x05}},  // " 5": 16 x 0xF0 wraps away; the A is never read
    };
    for (const HexCase &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Hex(c.text), c.bytes);
    }
}

TEST(SearchPattern, HexTextIsReadUpTo127CharactersAndLeftAlone)
{
    char text[200];
    for (int i = 0; i < 199; i++)
        text[i] = i % 3 == 2 ? ' ' : "0123456789ABCDEF"[i % 16];
    text[199] = '\0';
    std::string before(text);
    std::vector<unsigned char> bytes = Hex(text);
    ASSERT_EQ(bytes.size(), 43u);
    EXPECT_EQ(bytes[0], 0x01);
    // The 43rd pair starts at 126 ('E') and meets the cut at 127.
    EXPECT_EQ(bytes[42], (unsigned char)(14 * 16 + 0xD0));
    EXPECT_EQ(before, text);

    text[127] = '\0';
    EXPECT_EQ(Hex(text).size(), 43u);
    text[126] = '\0';
    EXPECT_EQ(Hex(text).size(), 42u);
}

TEST(SearchPattern, StringTextIsTakenAsItIs)
{
    unsigned char pattern[SEARCH_PATTERN_CAPACITY];
    ASSERT_EQ(StringSearchPattern("4d 5a", pattern), 5u);
    EXPECT_EQ(memcmp(pattern, "4d 5a", 5), 0);
    ASSERT_EQ(StringSearchPattern("\x82\xa0MZ", pattern), 4u);
    EXPECT_EQ(memcmp(pattern, "\x82\xa0MZ", 4), 0);

    char text[200];
    memset(text, 'q', 199);
    text[199] = '\0';
    EXPECT_EQ(StringSearchPattern(text, pattern), 127u);
    EXPECT_EQ(StringSearchPattern("", pattern), 0u);
}

}  // namespace
