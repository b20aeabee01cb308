#include "file/file_geometry.h"
#include "file/window_math.h"

#include <gtest/gtest.h>

static const uint64_t kLimit = UINT64_C(4398046511104);

TEST(FileGeometry, SizeLimitsTellEmptyFromTooLarge)
{
    struct { uint32_t high, low; int expected; } cases[] = {
        {0, 0, FILE_SIZE_EMPTY},
        {0, 1, FILE_SIZE_OK},
        {0, 0xFFFFFFFF, FILE_SIZE_OK},
        {0x3FF, 0xFFFFFFFF, FILE_SIZE_OK},
        {0x400, 0, FILE_SIZE_OK},
        {0x400, 1, FILE_SIZE_TOO_LARGE},
        {0x401, 0, FILE_SIZE_TOO_LARGE},
        {0xFFFFFFFF, 0xFFFFFFFF, FILE_SIZE_TOO_LARGE},
    };
    for (const auto &c : cases) {
        uint64_t size = JoinFileSize(c.high, c.low);
        EXPECT_EQ(CheckFileSize(size), c.expected) << std::hex << c.high << ' ' << c.low;
    }
    EXPECT_EQ(JoinFileSize(0x400, 0), kLimit);
    EXPECT_EQ(CheckFileSize(kLimit + 1), FILE_SIZE_TOO_LARGE);
}

TEST(FileGeometry, WindowIsTheGranularityOrTheWholeSmallerFile)
{
    EXPECT_EQ(WindowSizeFor(65536, 1), 1u);
    EXPECT_EQ(WindowSizeFor(65536, 65535), 65535u);
    EXPECT_EQ(WindowSizeFor(65536, 65536), 65536u);
    EXPECT_EQ(WindowSizeFor(65536, 65537), 65536u);
    EXPECT_EQ(WindowSizeFor(65536, kLimit), 65536u);
}

TEST(FileGeometry, RunFitsUpToTheLastByteAndNeverWrapsPastIt)
{
    struct { uint64_t offset, count; int fits; } cases[] = {
        {0, 1000, 1},
        {999, 1, 1},
        {1000, 0, 1},
        {999, 2, 0},
        {1000, 1, 0},
        {1001, 0, 0},
        {1, UINT64_MAX, 0},
        {UINT64_MAX, 2, 0},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FitsInFile(c.offset, c.count, 1000), c.fits) << c.offset << ' ' << c.count;
    }
}

TEST(FileGeometry, LinesTailAndScrollRangeFollowTheSize)
{
    struct { uint64_t size, lines; uint32_t tail; int top; unsigned char scaled; } cases[] = {
        {1, 1, 1, 0, 0},
        {16, 1, 0, 0, 0},
        {17, 2, 1, 0, 0},
        {100, 7, 4, 0, 0},
        {768, 48, 0, 0, 0},
        {769, 49, 1, 1, 0},
        {16752, 1047, 0, 999, 0},
        {16768, 1048, 0, 1000, 0},
        {16769, 1049, 1, 1000, 1},
        {16784, 1049, 0, 1000, 1},
        {kLimit, UINT64_C(1) << 38, 0, 1000, 1},
        {kLimit - 1, UINT64_C(1) << 38, 15, 1000, 1},
    };
    for (const auto &c : cases) {
        uint64_t lines = 0;
        uint32_t tail = 99;
        CountLines(c.size, &lines, &tail);
        EXPECT_EQ(lines, c.lines) << c.size;
        EXPECT_EQ(tail, c.tail) << c.size;
        unsigned char scaled = 7;
        EXPECT_EQ(ScrollRangeTop(lines, &scaled), c.top) << c.size;
        EXPECT_EQ(scaled, c.scaled) << c.size;
    }
}

TEST(WindowMath, FileOneByteOverTheGranularityHasAOneByteSecondWindow)
{
    WindowSpan span;
    EXPECT_EQ(LocateWindow(4095, 65536, 65537, &span), 0u);
    EXPECT_EQ(span.offsetInWindow, 65520u);
    EXPECT_EQ(span.windowBytes, 65536u);
    EXPECT_EQ(span.bytesAfter, 16u);

    EXPECT_EQ(LocateWindow(4096, 65536, 65537, &span), 65536u);
    EXPECT_EQ(span.offsetInWindow, 0u);
    EXPECT_EQ(span.windowBytes, 1u);
    EXPECT_EQ(span.bytesAfter, 1u);
}

TEST(WindowMath, LastWindowIsShorter)
{
    const uint64_t size = 3 * 65536 + 1000;
    WindowSpan span;
    EXPECT_EQ(LocateWindow(3 * 4096 + 10, 65536, size, &span), 3u * 65536);
    EXPECT_EQ(span.offsetInWindow, 160u);
    EXPECT_EQ(span.windowBytes, 1000u);
    EXPECT_EQ(span.bytesAfter, 840u);
    // A window that ends exactly at the end of the file is full.
    EXPECT_EQ(LocateWindow(4096 + 1, 65536, 2 * 65536, &span), 65536u);
    EXPECT_EQ(span.windowBytes, 65536u);
}

TEST(WindowMath, LinesOfOneWindowShareItAndTheNextWindowKeepsTheOffset)
{
    const uint32_t windowSize = 65536;
    const uint64_t size = 5 * UINT64_C(65536) + 300;
    for (uint64_t line = 0; line < windowSize / 16; line += 7) {
        WindowSpan first, next;
        EXPECT_EQ(LocateWindow(line, windowSize, size, &first), 0u) << line;
        EXPECT_EQ(first.offsetInWindow, line * 16) << line;
        EXPECT_EQ(first.bytesAfter, windowSize - line * 16) << line;
        EXPECT_EQ(LocateWindow(line + windowSize / 16, windowSize, size, &next),
                  (uint64_t)windowSize) << line;
        EXPECT_EQ(next.offsetInWindow, first.offsetInWindow) << line;
    }
}

TEST(WindowMath, FileSmallerThanTheGranularityIsOneWindow)
{
    const uint64_t size = 100;
    uint32_t windowSize = WindowSizeFor(65536, size);
    for (uint64_t line = 0; line < 7; ++line) {
        WindowSpan span;
        EXPECT_EQ(LocateWindow(line, windowSize, size, &span), 0u);
        EXPECT_EQ(span.offsetInWindow, line * 16);
        EXPECT_EQ(span.windowBytes, 100u);
        EXPECT_EQ(span.bytesAfter, 100u - line * 16);
    }
}

TEST(WindowMath, LastLineOfTheLargestFile)
{
    WindowSpan span;
    uint64_t lastLine = (UINT64_C(1) << 38) - 1;
    EXPECT_EQ(LocateWindow(lastLine, 65536, kLimit, &span), kLimit - 65536);
    EXPECT_EQ(span.offsetInWindow, 65520u);
    EXPECT_EQ(span.windowBytes, 65536u);
    EXPECT_EQ(span.bytesAfter, 16u);
}
