#include "edit/hex_pair.h"

#include <gtest/gtest.h>

namespace {

struct PairCase {
    char first;
    char second;
    unsigned char value;
    unsigned char firstDigit;
    unsigned char secondDigit;
};

TEST(HexPair, ValueAndDigitsLeftBehind)
{
    const PairCase cases[] = {
        {'4', 'F', 0x4F, 4, 15},
        {'4', 'f', 0x4F, 4, 15},
        {'G', '1', 0x01, 16, 1},      // 16 * 16 wraps away
        {'4', ' ', 0x30, 4, 0xF0},    // a blank counts 0xF0
        {'4', '\0', 0x10, 4, 0xD0},   // the terminating zero counts 0xD0
        {'0', '0', 0x00, 0, 0},
        {'F', 'F', 0xFF, 15, 15},
        {'9', 'A', 0x9A, 9, 10},
        {'Z', 'z', 0x53, 35, 35},     // 16 * 35 + 35 = 595
        {'\xFF', '0', 0xF0, 0xCF, 0}, // a high byte counts from its unsigned code
    };
    for (const PairCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "pair " << c.first << c.second);
        char pair[3] = {c.first, c.second, 'x'};
        EXPECT_EQ(HexPairValue(pair), c.value);
        EXPECT_EQ((unsigned char)pair[0], c.firstDigit);
        EXPECT_EQ((unsigned char)pair[1], c.secondDigit);
        EXPECT_EQ(pair[2], 'x');
    }
}

TEST(HexPair, ColumnDigitsAreUpperCaseHexOnly)
{
    for (int c = 0; c < 256; c++) {
        int expected = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
        EXPECT_EQ(IsHexColumnDigit((char)c), expected) << c;
    }
}

}  // namespace
