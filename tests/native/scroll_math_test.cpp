#include "view/scroll_math.h"

#include <gtest/gtest.h>

namespace {

const uint64_t NOTHING = 0xDEADBEEFDEADBEEFull;  // "no load" in the tables

struct BarCase {
    unsigned code;
    unsigned position;
    uint64_t topLine;
    uint64_t lineCount;
    int scaled;
    uint64_t line;
};

TEST(ScrollMath, ScrollBarActions)
{
    const BarCase cases[] = {
        // Line and page steps from the middle of a file.
        {0, 0, 100, 5000, 1, 99},
        {1, 0, 100, 5000, 1, 101},
        {2, 0, 100, 5000, 1, 52},
        {3, 0, 100, 5000, 1, 148},
        // topLine 0: Line Up moves nothing, Page Up reloads the first page.
        {0, 0, 0, 5000, 1, NOTHING},
        {2, 0, 0, 5000, 1, 0},
        // Page Up at exactly 48 and just above.
        {2, 0, 48, 5000, 0, 0},
        {2, 0, 49, 5000, 0, 1},
        // Down past the end is asked for all the same: LoadPage clamps.
        {1, 0, 4952, 5000, 1, 4953},
        {3, 0, 4952, 5000, 1, 5000},
        // Unscaled thumb: the position is the line.
        {4, 0, 300, 500, 0, 0},
        {4, 452, 0, 500, 0, 452},
        // Scaled thumb: position × lineCount / 1000.
        {4, 0, 300, 5000, 1, 0},
        {4, 500, 0, 5000, 1, 2500},
        {4, 500, 0, 5001, 1, 2500},
        {4, 1000, 0, 5001, 1, 5001},
        {4, 999, 0, 1049, 1, 1047},
        // 2^38 lines (a 4096 GB file): the product needs 64 bits.
        {4, 1000, 0, 1ull << 38, 1, 1ull << 38},
        {4, 65535, 0, 1ull << 38, 1, 65535ull * (1ull << 38) / 1000},
        // Thumb tracking, top, bottom, end of scroll and unknown codes.
        {5, 700, 100, 5000, 1, NOTHING},
        {6, 0, 100, 5000, 1, NOTHING},
        {7, 0, 100, 5000, 1, NOTHING},
        {8, 0, 100, 5000, 1, NOTHING},
        {0xFFFF, 0, 100, 5000, 1, NOTHING},
        // No file (lineCount 1, topLine 0): only loads LoadPage ignores.
        {0, 0, 0, 1, 0, NOTHING},
        {1, 0, 0, 1, 0, 1},
        {2, 0, 0, 1, 0, 0},
        {3, 0, 0, 1, 0, 48},
        {4, 0, 0, 1, 0, 0},
    };
    for (const BarCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " position " << c.position
                                        << " top " << c.topLine << " count " << c.lineCount);
        uint64_t line = NOTHING;
        int load = ScrollBarLine(c.code, c.position, c.topLine, c.lineCount, c.scaled, &line);
        EXPECT_EQ(load, c.line != NOTHING);
        EXPECT_EQ(line, c.line);
    }
}

struct WheelCase {
    int delta;
    uint64_t topLine;
    uint64_t lineCount;
    uint64_t line;
};

TEST(ScrollMath, WheelMovesOneLine)
{
    const WheelCase cases[] = {
        {-120, 10, 100, 11},
        {-30, 10, 100, 11},
        {-32768, 10, 100, 11},
        {120, 10, 100, 9},
        {30, 10, 100, 9},
        {0, 10, 100, 9},  // zero counts as up
        {120, 0, 100, NOTHING},
        {0, 0, 100, NOTHING},
        // Down stops only at the file's last line, not at the last page.
        {-120, 52, 100, 53},
        {-120, 98, 100, 99},
        {-120, 99, 100, NOTHING},
        // No file.
        {-120, 0, 1, NOTHING},
        {120, 0, 1, NOTHING},
    };
    for (const WheelCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "delta " << c.delta << " top " << c.topLine);
        uint64_t line = NOTHING;
        int load = WheelLine(c.delta, c.topLine, c.lineCount, &line);
        EXPECT_EQ(load, c.line != NOTHING);
        EXPECT_EQ(line, c.line);
    }
}

}  // namespace
