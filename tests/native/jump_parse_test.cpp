#include "view/jump_parse.h"

#include <gtest/gtest.h>

namespace {

struct JumpCase {
    const char *text;
    uint64_t number;
    uint64_t line;
};

TEST(JumpParse, TextToNumberAndLine)
{
    const JumpCase cases[] = {
        {"", 0, 0},
        {"0", 0, 0},
        {"1", 1, 48},
        {"2", 2, 96},
        {" 2KB", 2, 96},
        {"\t\n\v\f\r 7", 7, 336},
        {"+5", 5, 240},
        {"KB", 0, 0},
        {"x12", 0, 0},
        {"- 3", 0, 0},      // the sign must touch the digits
        {"+-3", 0, 0},      // one sign only
        {"12 34", 12, 576},
        {"007", 7, 336},
        // Far past any file: the raw line, left for LoadPage to clamp.
        {"100000000", 100000000, 4800000000ull},
        // The largest number whose line does not wrap: 2^64 / 768 - 1.
        {"24019198012642644", 24019198012642644ull, 1152921504606846912ull},
        // -1 is 2^64 - 1; × 768 wraps to 2^64 - 768, / 16 gives 2^60 - 48.
        {"-1", UINT64_MAX, 0x0FFFFFFFFFFFFFD0ull},
        {"-0", 0, 0},
        // 20 digits: 98765432109876543210 mod 2^64.
        {"98765432109876543210", 6531711741328785130ull, 0x0EFE7AAAF737CBE0ull},
        {"18446744073709551616", 0, 0},  // 2^64 wraps to 0
        {"18446744073709551615", UINT64_MAX, 0x0FFFFFFFFFFFFFD0ull},
    };
    for (const JumpCase &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseJumpNumber(c.text), c.number);
        EXPECT_EQ(JumpLine(c.text), c.line);
    }
}

TEST(JumpParse, LineIsWrappedProductOverSixteen)
{
    // The product wraps before the division, so this is not number × 48.
    EXPECT_EQ(JumpLine("24019198012642645"), 0x0FFFFFFFFFFFFFF0ull);
    EXPECT_EQ(JumpLine("24019198012642646"), 32u);
}

TEST(JumpParse, CodePage932BytesAreNotBlanks)
{
    // A full-width blank (81 40) is no white space: the text reads as 0.
    EXPECT_EQ(ParseJumpNumber("\x81\x40" "5"), 0u);
    EXPECT_EQ(ParseJumpNumber("\xA0" "5"), 0u);
}

}  // namespace
