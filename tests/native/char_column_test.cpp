#include "view/char_column.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A few code page 932 characters, enough for each rule.
const Cp932Table *Table()
{
    static Cp932Table table;
    static const uint16_t pairs[][2] = {
        {0x3042, 0x82A0},  // あ
        {0x8868, 0x955C},  // 表, trail byte 0x5C
        {0xFF42, 0x8282},  // ｂ, a pair of lead-range bytes
        {0xE000, 0xF040},  // private use: held, never shown
        {0xFF71, 0x00B1},  // ｱ
    };
    for (const auto &p : pairs) {
        table.fromUnit[p[0]] = p[1];
        if (p[1] > 0xFF)
            table.toUnit[p[1]] = p[0];
    }
    return &table;
}

struct SplitCase {
    const char *name;
    int mode;
    std::string before;  // the file's bytes before the page
    std::string page;
    std::string after;   // the file's bytes after it, up to its end
    uint64_t offset;
    const char *shown;
};

std::string Render(const SplitCase &c, int unit, CharMap *map, CharCells *cells)
{
    std::string bytes = c.before + c.page + c.after;
    const unsigned char *page = (const unsigned char *)bytes.data() + c.before.size();
    SplitChars(c.mode, page, (uint32_t)c.before.size(), (uint32_t)c.page.size(),
               (uint32_t)c.after.size(), c.offset, Table(), cells);
    char text[CHAR_TEXT_BYTES];
    FormatCharColumn(cells, (uint32_t)c.page.size(), unit, text, map);
    return text;
}

void ExpectShown(const SplitCase *cases, size_t n)
{
    for (size_t k = 0; k < n; ++k) {
        SCOPED_TRACE(cases[k].name);
        CharMap map;
        CharCells cells;
        EXPECT_EQ(std::string(cases[k].shown), Render(cases[k], POSITION_BYTES, &map, &cells));
    }
}

const std::string A15(15, 'A');

TEST(CharColumn, ShiftJis)
{
    const SplitCase cases[] = {
        {"pair on a line's last byte", CHAR_MODE_SHIFT_JIS, "", A15 + "\x82\xA0" "B", "", 0,
         "AAAAAAAAAAAAAAA\x82\xA0\r\n B"},
        {"trail byte starts the page", CHAR_MODE_SHIFT_JIS, "\x82", "\xA0" "A", "", 1, " A"},
        {"odd lead-byte run", CHAR_MODE_SHIFT_JIS, "A\x82\x82\x82", "\x82" "A", "", 4, " A"},
        {"even lead-byte run", CHAR_MODE_SHIFT_JIS, "A\x82\x82", "\x82\xA0", "", 3,
         "\x82\xA0"},
        {"pair cut by the page's end", CHAR_MODE_SHIFT_JIS, "", "AA\x82", "\xA0", 0,
         "AA\x82\xA0"},
        {"lead byte cut by the file's end", CHAR_MODE_SHIFT_JIS, "", "AA\x82", "", 0, "AA."},
        {"typed lead byte before a pair", CHAR_MODE_SHIFT_JIS, "", "\x82\x82\xA0" "A", "", 0,
         "\x82\x82.A"},
        {"trail byte 0x5C", CHAR_MODE_SHIFT_JIS, "", "\x95\x5C", "", 0, "\x95\x5C"},
        {"kana, control, unassigned", CHAR_MODE_SHIFT_JIS, "", "\xB1\x01\x80\xFD\x81\x40",
         "", 0, "\xB1....."},
        {"lead byte before a blank", CHAR_MODE_SHIFT_JIS, "", "\x82 ", "", 0, ". "},
        {"half-width mode keeps every byte", CHAR_MODE_HALF_WIDTH, "", "\x82\xA0" "A\x01", "", 0,
         "..A."},
    };
    ExpectShown(cases, sizeof cases / sizeof cases[0]);
}

TEST(CharColumn, Utf8)
{
    const SplitCase cases[] = {
        {"three bytes, two cells", CHAR_MODE_UTF8, "", "\xE3\x81\x82" "A", "", 0,
         "\x82\xA0 A"},
        {"character on a line's last byte", CHAR_MODE_UTF8, "", A15 + "\xE3\x81\x82" "B", "", 0,
         "AAAAAAAAAAAAAAA\x82\xA0\r\n  B"},
        {"character begun before the page", CHAR_MODE_UTF8, "\xE3\x81", "\x82" "A", "", 2, " A"},
        {"stray continuations", CHAR_MODE_UTF8, "\x81\x81\x81", "\x81" "A", "", 3, ".A"},
        {"cut by the page's end", CHAR_MODE_UTF8, "", "A\xE3", "\x81\x82", 0, "A\x82\xA0"},
        {"cut by the file's end", CHAR_MODE_UTF8, "", "A\xE3\x81", "", 0, "A.."},
        {"not in code page 932", CHAR_MODE_UTF8, "", "\xC3\xA9\xF0\x9F\x98\x80", "", 0,
         "......"},
        {"half-width kana", CHAR_MODE_UTF8, "", "\xEF\xBD\xB1" "A", "", 0, "\xB1  A"},
        {"private use and C1 control", CHAR_MODE_UTF8, "", "\xEE\x80\x80\xC2\x85", "", 0,
         "....."},
    };
    ExpectShown(cases, sizeof cases / sizeof cases[0]);
}

TEST(CharColumn, Utf16le)
{
    const std::string B7 = std::string("B\0", 2) + std::string("B\0", 2) + std::string("B\0", 2) +
                           std::string("B\0", 2) + std::string("B\0", 2) + std::string("B\0", 2) +
                           std::string("B\0", 2);
    const SplitCase cases[] = {
        {"ASCII and a kana", CHAR_MODE_UTF16LE, "", std::string("A\0B\x30", 4), "", 0,
         "A \x82\xA0"},
        {"unit begun before the page", CHAR_MODE_UTF16LE, "B", std::string("\x30" "C\0", 3), "",
         1, " C "},
        {"unit on a line's last byte", CHAR_MODE_UTF16LE, "A",
         std::string("\0", 1) + B7 + "B\x30" + std::string("C\0", 2), "", 1,
         " B B B B B B B \x82\xA0\r\n C "},
        {"surrogate pair", CHAR_MODE_UTF16LE, "", std::string("\x3D\xD8\x00\xDE", 4), "", 0, "...."},
        {"cut by the file's end", CHAR_MODE_UTF16LE, "", std::string("A\0B", 3), "", 0, "A ."},
    };
    ExpectShown(cases, sizeof cases / sizeof cases[0]);
}

// Page: あ, 13 A, あ across the line break, B. Text "あAAAAAAAAAAAAAあ\r\n B".
TEST(CharColumn, PositionMapBothUnits)
{
    const SplitCase page = {"map", CHAR_MODE_SHIFT_JIS, "", "\x82\xA0" "AAAAAAAAAAAAA\x82\xA0" "B",
                            "", 0, ""};
    struct ByteRow {
        uint32_t byte;
        uint16_t bytes;
        uint16_t utf16;
    };
    const ByteRow byteRows[] = {
        {0, 0, 0}, {1, 0, 0}, {2, 2, 1}, {14, 14, 13}, {15, 15, 14}, {16, 19, 17}, {17, 20, 18},
    };
    struct PositionRow {
        int unit;
        uint32_t position;
        uint32_t byte;
    };
    const PositionRow positionRows[] = {
        {POSITION_BYTES, 1, 0}, {POSITION_BYTES, 2, 2}, {POSITION_BYTES, 16, 15},
        {POSITION_BYTES, 17, 15}, {POSITION_BYTES, 19, 15}, {POSITION_BYTES, 20, 17},
        {POSITION_BYTES, 99, 18}, {POSITION_UTF16, 1, 2}, {POSITION_UTF16, 14, 15},
        {POSITION_UTF16, 15, 15}, {POSITION_UTF16, 17, 15}, {POSITION_UTF16, 18, 17},
    };
    CharMap byBytes, byUnits;
    CharCells cells;
    Render(page, POSITION_BYTES, &byBytes, &cells);
    Render(page, POSITION_UTF16, &byUnits, &cells);
    EXPECT_EQ(21, byBytes.positions);
    EXPECT_EQ(19, byUnits.positions);
    for (const ByteRow &r : byteRows) {
        SCOPED_TRACE(r.byte);
        EXPECT_EQ(r.bytes, byBytes.positionOfByte[r.byte]);
        EXPECT_EQ(r.utf16, byUnits.positionOfByte[r.byte]);
    }
    for (const PositionRow &r : positionRows) {
        SCOPED_TRACE(r.position);
        EXPECT_EQ(r.byte, CharByteAt(r.unit == POSITION_BYTES ? &byBytes : &byUnits, r.position));
    }
    // Selections both ways cover whole characters; the copy leaves out the
    // blank of the covered byte 16.
    struct SelectionRow {
        int unit;
        uint32_t selStart, selEnd, first, count;
    };
    const SelectionRow selectionRows[] = {
        {POSITION_BYTES, 1, 2, 0, 2}, {POSITION_UTF16, 0, 1, 0, 2},
        {POSITION_UTF16, 17, 18, 15, 2}, {POSITION_UTF16, 2, 2, 3, 0},
        {POSITION_UTF16, 1, 14, 2, 13}, {POSITION_BYTES, 0, 21, 0, 18},
    };
    for (const SelectionRow &r : selectionRows) {
        SCOPED_TRACE(testing::Message() << r.unit << ": " << r.selStart << "-" << r.selEnd);
        const CharMap *map = r.unit == POSITION_BYTES ? &byBytes : &byUnits;
        uint32_t first = 99, count = 99;
        CharSelectionBytes(map, r.selStart, r.selEnd, &first, &count);
        EXPECT_EQ(r.first, first);
        EXPECT_EQ(r.count, count);
        if (count > 0) {
            uint32_t start = 0, end = 0;
            CharByteSelection(map, first, count, &start, &end);
            CharSelectionBytes(map, start, end, &first, &count);
            EXPECT_EQ(r.first, first);
            EXPECT_EQ(r.count, count);
        }
    }
    char copied[40];
    EXPECT_EQ(18u, CharCopyText(&cells, 0, 18, copied));
    EXPECT_STREQ("\x82\xA0" "AAAAAAAAAAAAA\x82\xA0" "B", copied);
}

}  // namespace
