#include "view/caret_offset.h"

#include "view/column_keys.h"

#include "half_width_map.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const int H = COLUMN_HEX;
const int C = COLUMN_CHAR;
// The page holding offset 0x1A2B3 at its byte 3.
const uint64_t TOP = 0x1A2B;

std::string Text(int column, uint32_t selStart, uint32_t selEnd, uint64_t topLine,
                 uint32_t pageBytes)
{
    char text[CARET_OFFSET_TEXT_SIZE];
    memset(text, 'x', sizeof text);
    CaretOffsetText(column, selStart, selEnd, topLine, pageBytes, HalfWidthMap(pageBytes), text);
    return text;
}

// The status line for a caret or a selection in either column, at the
// page's start, inside it and at the end of its text, on a full page and on
// a file's short last page.
TEST(CaretOffset, StatusTextOfCaretAndSelectionInBothColumns)
{
    const struct {
        const char *name;
        int column;
        uint32_t selStart, selEnd;
        uint64_t topLine;
        uint32_t pageBytes;
        const char *text;
    } cases[] = {
        {"hex page start", H, 0, 0, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2B0"},
        {"hex before high digit", H, 9, 9, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2B3"},
        {"hex before low digit", H, 10, 10, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2B3"},
        {"hex on the blank", H, 11, 11, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2B3"},
        {"hex next byte", H, 12, 12, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2B4"},
        {"hex end of a full page", H, 2304, 2304, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A5B0"},
        {"hex end of the last page: the file size", H, 300, 300, 6244, 100,
         "ｱﾄﾞﾚｽ 00000000 000186A4"},
        {"hex end of the largest file", H, 2304, 2304, (1ull << 38) - 48, 768,
         "ｱﾄﾞﾚｽ 00000400 00000000"},
        {"hex selection of 12 bytes", H, 9, 44, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2B3  選択 12 ﾊﾞｲﾄ"},
        {"hex search hit of 2 bytes", H, 9, 14, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2B3  選択 2 ﾊﾞｲﾄ"},
        {"hex selection of one blank", H, 11, 12, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2B3  選択 1 ﾊﾞｲﾄ"},
        {"hex whole page", H, 0, 2304, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2B0  選択 768 ﾊﾞｲﾄ"},
        {"hex past a short text", H, 400, 400, 6244, 100, "ｱﾄﾞﾚｽ 00000000 000186A4"},
        {"char page start", C, 0, 0, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2B0"},
        {"char byte 3", C, 3, 3, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2B3"},
        {"char end of line 0", C, 16, 16, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2C0"},
        {"char between CR and LF", C, 17, 17, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2C0"},
        {"char line 1", C, 19, 19, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2C1"},
        {"char end of a full page", C, 862, 862, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A5B0"},
        {"char end of the last page", C, 112, 112, 6244, 100, "ｱﾄﾞﾚｽ 00000000 000186A4"},
        {"char selection of 12 bytes", C, 3, 15, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2B3  選択 12 ﾊﾞｲﾄ"},
        {"char selection over a line break", C, 15, 20, TOP, 768,
         "ｱﾄﾞﾚｽ 00000000 0001A2BF  選択 3 ﾊﾞｲﾄ"},
        {"char selection of a line break only", C, 16, 18, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2C0"},
        {"char whole page", C, 0, 862, TOP, 768, "ｱﾄﾞﾚｽ 00000000 0001A2B0  選択 768 ﾊﾞｲﾄ"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(Text(c.column, c.selStart, c.selEnd, c.topLine, c.pageBytes), c.text) << c.name;
    }
}

// Going to an offset: whether the page shown holds it, and where the hex
// caret then stands.
TEST(CaretOffset, OffsetOnThePageAndItsHexCaret)
{
    const struct {
        uint64_t offset, topLine;
        uint32_t pageBytes;
        int onPage;
        uint32_t caret;
    } cases[] = {
        {0x1A2B0, TOP, 768, 1, 0},
        {0x1A2B3, TOP, 768, 1, 9},
        {0x1A5AF, TOP, 768, 1, 2301},
        {0x1A5B0, TOP, 768, 0, 0},
        {0x1A2AF, TOP, 768, 0, 0},
        {0x186A3, 6244, 100, 1, 297},
        {0x186A4, 6244, 100, 0, 0},
        {0x3FFFFFFFFFFull, (1ull << 38) - 48, 768, 1, 2301},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.offset << " on line " << c.topLine);
        EXPECT_EQ(OffsetOnPage(c.offset, c.topLine, c.pageBytes), c.onPage);
        if (c.onPage) {
            EXPECT_EQ(HexCaretAt(c.offset, c.topLine), c.caret);
        }
    }
}

// A written value's bytes shown selected read back as the same bytes,
// across a line's end in the character column too.
TEST(CaretOffset, ByteRangeSelectionReadsBack)
{
    const struct {
        int column;
        uint32_t first, count;
    } cases[] = {{H, 0, 1}, {H, 14, 4}, {H, 760, 8}, {C, 0, 1}, {C, 14, 4}, {C, 760, 8}};
    for (const auto &c : cases) {
        uint32_t start = 0;
        uint32_t end = 0;
        ByteRangeSelection(c.column, c.first, c.count, HalfWidthMap(768), &start, &end);
        CaretBytes bytes = CaretBytesOf(c.column, start, end, 768, HalfWidthMap(768));
        EXPECT_EQ(bytes.first, c.first) << c.column << " " << c.first;
        EXPECT_EQ(bytes.count, c.count) << c.column << " " << c.first;
    }
}

TEST(CaretOffset, SearchStartByte)
{
    struct CaretCase {
        uint32_t start;
        uint32_t end;
        uint32_t index;
        uint32_t backward;  // the byte a backward search ends before
    };
    const CaretCase cases[] = {
        {0, 0, 0, 0},
        {1, 1, 0, 0},        // between the digits
        {2, 2, 1, 0},        // after the second digit: the next byte
        {3, 3, 1, 1},
        {46, 46, 15, 15},
        {47, 47, 16, 15},     // after the last digit of line 0
        {48, 48, 16, 16},
        {2256, 2256, 752, 752},
        {2302, 2302, 767, 767},
        {2303, 2303, 768, 767},  // after the last digit of a full page
        {2304, 2304, 768, 768},  // after its last blank: not line 47's first byte
        {60, 60, 20, 20},       // the end of a 20-byte page
        {144, 144, 48, 48},     // the end of a 48-byte page, at a line start
        {15, 20, 6, 5},        // a hit's selection, two bytes from byte 5
        {15, 15 + 3 * 127 - 1, 6, 5},
        {4, 8, 2, 1},
        {4, 9, 1, 1},
    };
    for (const CaretCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << ".." << c.end);
        EXPECT_EQ(SearchStartByte(c.start, c.end), c.index);
        EXPECT_EQ(BackwardSearchStartByte(c.start), c.backward);
    }
}

}  // namespace
