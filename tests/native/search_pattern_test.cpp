#include "search/search_pattern.h"

#include "converted_text.h"

#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A variant as text: its encoding, then a token a byte: two hex digits for
// an exact byte, "41/c" for a letter of either case, "??" for any byte.
std::string Described(const SearchVariant &v)
{
    static const char *const names[] = {"SJIS", "UTF-8", "LE", "BE"};
    std::string text = names[v.encoding];
    for (uint32_t i = 0; i < v.length; i++) {
        char token[8];
        if (v.mask[i] == 0)
            snprintf(token, sizeof token, " ??");
        else
            snprintf(token, sizeof token, v.mask[i] == 0xFF ? " %02X" : " %02X/c", v.value[i]);
        text += token;
    }
    return text;
}

std::vector<std::string> Variants(const SearchPattern &pattern)
{
    std::vector<std::string> variants;
    for (uint32_t k = 0; k < pattern.count; k++)
        variants.push_back(Described(pattern.variants[k]));
    return variants;
}

std::vector<std::string> Hex(const char *text)
{
    SearchPattern pattern;
    if (!HexSearchPattern(text, &pattern))
        return {"refused"};
    return Variants(pattern);
}

TEST(SearchPattern, HexTextToBytes)
{
    struct HexCase {
        const char *text;
        std::string bytes;
    };
    const HexCase cases[] = {
        {"4d 5a", "SJIS 4D 5A"},
        {"4D 5A ", "SJIS 4D 5A"},
        {"A", "SJIS 70"},           // 'A' with the terminating zero: 0xA0 + 0xD0
        {"4D5A", "SJIS 4D 70"},     // no blanks: the 5 is skipped, A pairs with the zero
        {"ff-00_12", "SJIS FF 00 12"},
        {"4D  5A", "SJIS 4D 05"},   // " 5": 16 x 0xF0 wraps away; the A is never read
        {"4D ?? 90 00", "SJIS 4D ?? 90 00"},
        {"4D ?? ?? 5A", "SJIS 4D ?? ?? 5A"},
        // Any byte never first or last, nor alone; a '?' only as "??".
        {"?? 4D", "refused"},
        {"4D ??", "refused"},
        {"4D ?? ", "refused"},
        {"??", "refused"},
        {"4D ?5 90", "refused"},
        {"4D?90", "refused"},
        {"4D ?", "refused"},
    };
    for (const HexCase &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Hex(c.text), std::vector<std::string>{c.bytes});
    }
}

TEST(SearchPattern, HexTextIsReadUpTo127CharactersAndLeftAlone)
{
    char text[200];
    for (int i = 0; i < 199; i++)
        text[i] = i % 3 == 2 ? ' ' : "0123456789ABCDEF"[i % 16];
    text[199] = '\0';
    std::string before(text);
    SearchPattern pattern;
    ASSERT_TRUE(HexSearchPattern(text, &pattern));
    ASSERT_EQ(pattern.variants[0].length, 43u);
    EXPECT_EQ(pattern.variants[0].value[0], 0x01);
    // The 43rd pair starts at 126 ('E') and meets the cut at 127.
    EXPECT_EQ(pattern.variants[0].value[42], (unsigned char)(14 * 16 + 0xD0));
    EXPECT_EQ(before, text);
}

// "aアぁｱ表": a letter; ア, whose trail byte is an A; ぁ, U+3041, whose
// UTF-16LE low byte is an A; a half-width katakana; 表, whose trail byte is
// 0x5C. Either case touches the letter alone.
TEST(SearchPattern, StringInEachEncoding)
{
    const char *text = "a\x83\x41\x82\x9F\xB1\x95\x5C";
    struct StringCase {
        int encoding;
        int ignoreCase;
        std::vector<std::string> variants;
    };
    const StringCase cases[] = {
        {ENCODING_SHIFT_JIS, 0, {"SJIS 61 83 41 82 9F B1 95 5C"}},
        {ENCODING_SHIFT_JIS, 1, {"SJIS 41/c 83 41 82 9F B1 95 5C"}},
        {ENCODING_UTF8, 1, {"UTF-8 41/c E3 82 A2 E3 81 81 EF BD B1 E8 A1 A8"}},
        {ENCODING_UTF16LE, 1, {"LE 41/c 00 A2 30 41 30 71 FF 68 88"}},
        {ENCODING_UTF16BE, 0, {"BE 00 61 30 A2 30 41 FF 71 88 68"}},
        // Longest first, equal lengths in the list's order.
        {ENCODING_ALL,
         1,
         {"UTF-8 41/c E3 82 A2 E3 81 81 EF BD B1 E8 A1 A8", "LE 41/c 00 A2 30 41 30 71 FF 68 88",
          "BE 00 41/c 30 A2 30 41 FF 71 88 68", "SJIS 41/c 83 41 82 9F B1 95 5C"}},
    };
    for (const StringCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.encoding << " " << c.ignoreCase);
        SearchPattern pattern;
        ASSERT_TRUE(StringSearchPattern(text, c.encoding, c.ignoreCase, ConvertedWide, &pattern));
        EXPECT_EQ(Variants(pattern), c.variants);
        EXPECT_EQ(pattern.longest, pattern.variants[0].length);
        EXPECT_EQ(pattern.shortest, pattern.variants[pattern.count - 1].length);
    }
}

// U+1F600 and an a, whatever the text.
uint32_t OutsideTheBmp(const char *, uint32_t, uint16_t *wide, uint32_t)
{
    wide[0] = 0xD83D;
    wide[1] = 0xDE00;
    wide[2] = 'a';
    return 3;
}

TEST(SearchPattern, StringEdges)
{
    SearchPattern pattern;
    // ASCII text is the same in Shift-JIS and UTF-8: held once, as Shift-JIS.
    ASSERT_TRUE(StringSearchPattern("A", ENCODING_ALL, 0, ConvertedWide, &pattern));
    EXPECT_EQ(Variants(pattern), (std::vector<std::string>{"LE 41 00", "BE 00 41", "SJIS 41"}));

    // A lead byte cut from its trail by the box's limit: Shift-JIS searches
    // it as typed, the conversions leave it out.
    ASSERT_TRUE(StringSearchPattern("a\x83", ENCODING_ALL, 0, ConvertedWide, &pattern));
    EXPECT_EQ(Variants(pattern),
              (std::vector<std::string>{"SJIS 61 83", "LE 61 00", "BE 00 61", "UTF-8 61"}));
    EXPECT_FALSE(StringSearchPattern("\x83", ENCODING_UTF8, 0, ConvertedWide, &pattern));

    // A conversion that gives a surrogate pair: one four-byte character.
    ASSERT_TRUE(StringSearchPattern("x", ENCODING_UTF8, 1, OutsideTheBmp, &pattern));
    EXPECT_EQ(Variants(pattern), (std::vector<std::string>{"UTF-8 F0 9F 98 80 41/c"}));

    // Text the conversion refuses, and no text.
    EXPECT_FALSE(StringSearchPattern("a\x85\x40", ENCODING_UTF16LE, 0, ConvertedWide, &pattern));
    EXPECT_FALSE(StringSearchPattern("", ENCODING_SHIFT_JIS, 0, ConvertedWide, &pattern));

    // Up to 127 bytes are read; 127 half-width katakana fill the capacity.
    char text[200];
    memset(text, '\xB1', 199);
    text[199] = '\0';
    ASSERT_TRUE(StringSearchPattern(text, ENCODING_UTF8, 0, ConvertedWide, &pattern));
    EXPECT_EQ(pattern.variants[0].length, (uint32_t)SEARCH_PATTERN_CAPACITY);
    ASSERT_TRUE(StringSearchPattern(text, ENCODING_SHIFT_JIS, 0, ConvertedWide, &pattern));
    EXPECT_EQ(pattern.variants[0].length, 127u);
}

}  // namespace
