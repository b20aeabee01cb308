#include "file/file_geometry.h"
#include "view/page_math.h"

#include <gtest/gtest.h>

static const uint64_t kMaxLine = ~UINT64_C(0);
static const uint64_t kLargestLines = UINT64_C(1) << 38;

TEST(PageMath, ClampKeepsTheLastPageFullAndNeverWraps)
{
    struct { uint64_t line, lineCount, expected; } cases[] = {
        {0, 1, 0}, {5, 1, 0}, {kMaxLine, 1, 0},
        {0, 7, 0}, {6, 7, 0}, {7, 7, 0}, {kMaxLine, 7, 0},
        {0, 48, 0}, {47, 48, 0}, {kMaxLine, 48, 0},
        {0, 49, 0}, {1, 49, 1}, {2, 49, 1}, {48, 49, 1}, {kMaxLine, 49, 1},
        {500, 1049, 500}, {1000, 1049, 1000}, {1001, 1049, 1001}, {1002, 1049, 1001},
        {1048, 1049, 1001}, {1049, 1049, 1001}, {kMaxLine - 47, 1049, 1001},
        {kMaxLine, 1049, 1001},
        {kLargestLines - 48, kLargestLines, kLargestLines - 48},
        {kLargestLines, kLargestLines, kLargestLines - 48},
        {kMaxLine, kLargestLines, kLargestLines - 48},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ClampTopLine(c.line, c.lineCount), c.expected)
            << c.line << " of " << c.lineCount;
}

TEST(PageMath, PageBytesAtTheEdges)
{
    struct { uint64_t topLine, lineCount; uint32_t tail, expected; } cases[] = {
        {0, 1, 1, 1},
        {0, 1, 0, 16},
        {0, 7, 4, 100},
        {0, 48, 0, 768},
        {0, 49, 1, 768},
        {1, 49, 1, 753},
        {1000, 1048, 0, 768},
        {1001, 1049, 5, 757},
        {kLargestLines - 48, kLargestLines, 0, 768},
        {kLargestLines - 49, kLargestLines, 15, 768},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PageBytesAt(c.topLine, c.lineCount, c.tail), c.expected)
            << c.topLine << " of " << c.lineCount;
}

// Whatever line is asked for, the page is min(768, what is left of the file)
// and the last page ends with the file's last byte.
TEST(PageMath, EveryRequestGivesAPageInsideTheFile)
{
    const uint64_t sizes[] = {1, 15, 16, 100, 767, 768, 769, 784, 785, 1000, 1553, 4096};
    for (uint64_t size : sizes) {
        uint64_t lineCount;
        uint32_t tail;
        CountLines(size, &lineCount, &tail);
        for (uint64_t request = 0; request < lineCount + 50; ++request) {
            uint64_t top = ClampTopLine(request, lineCount);
            uint64_t left = size - top * 16;
            uint32_t bytes = PageBytesAt(top, lineCount, tail);
            ASSERT_EQ(bytes, left < 768 ? left : 768) << size << ' ' << request;
            ASSERT_GT(bytes, 0u);
            if (request >= lineCount) {
                ASSERT_EQ(top * 16 + bytes, size) << size << ' ' << request;
            }
        }
        uint64_t last = ClampTopLine(kMaxLine, lineCount);
        EXPECT_EQ(last * 16 + PageBytesAt(last, lineCount, tail), size) << size;
    }
}

TEST(PageMath, ScrollPosition)
{
    EXPECT_EQ(ScrollPositionFor(0, 100, 0), 0);
    EXPECT_EQ(ScrollPositionFor(52, 100, 0), 52);
    EXPECT_EQ(ScrollPositionFor(1000, 1048, 0), 1000);

    EXPECT_EQ(ScrollPositionFor(0, 1049, 1), 0);
    EXPECT_EQ(ScrollPositionFor(500, 1049, 1), 499);
    EXPECT_EQ(ScrollPositionFor(1000, 1049, 1), 999);
    EXPECT_EQ(ScrollPositionFor(1001, 1049, 1), 1000);

    EXPECT_EQ(ScrollPositionFor(0, kLargestLines, 1), 0);
    EXPECT_EQ(ScrollPositionFor((kLargestLines - 48) / 2, kLargestLines, 1), 500);
    EXPECT_EQ(ScrollPositionFor(kLargestLines - 49, kLargestLines, 1), 999);
    EXPECT_EQ(ScrollPositionFor(kLargestLines - 48, kLargestLines, 1), 1000);
}
