#include "view/column_keys.h"

#include "base/key_codes.h"

#include "half_width_map.h"

#include <gtest/gtest.h>

namespace {

const int H = COLUMN_HEX;
const int C = COLUMN_CHAR;
const int NONE = COLUMN_SELECT_NONE;
const int RANGE = COLUMN_SELECT_RANGE;
const int END = COLUMN_SELECT_TEXT_END;
const int LINE0 = COLUMN_SELECT_LINE_0_END;
const int LINE46 = COLUMN_SELECT_LINE_46_BREAK;
const int BYTES = COLUMN_SELECT_BYTES;

struct KeyCase {
    const char *name;
    int column;
    unsigned key;
    int ctrl;
    uint32_t selStart, selEnd, caretLine;
    uint64_t topLine, lineCount;
    // Expected: load (and line), then the selection.
    int load;
    uint64_t line;
    int select;
    uint32_t setStart, setEnd;
};

void Check(const KeyCase &c, void (*rule)(const ColumnKeyInput *, ColumnKeyAction *))
{
    SCOPED_TRACE(c.name);
    ColumnKeyInput in = {c.column, c.key, c.ctrl, c.selStart, c.selEnd, c.caretLine,
                         c.topLine, c.lineCount, HalfWidthMap(DUMP_PAGE_BYTES)};
    ColumnKeyAction out;
    rule(&in, &out);
    EXPECT_EQ(out.load, c.load);
    if (c.load) {
        EXPECT_EQ(out.line, c.line);
    }
    EXPECT_EQ(out.select, c.select);
    if (c.select == RANGE || c.select == BYTES) {
        EXPECT_EQ(out.selStart, c.setStart);
        EXPECT_EQ(out.selEnd, c.setEnd);
    }
}

const unsigned LEFT = KEY_CODE_LEFT, RIGHT = KEY_CODE_RIGHT, UP = KEY_CODE_UP,
               DOWN = KEY_CODE_DOWN, HOME = KEY_CODE_HOME, ENDKEY = KEY_CODE_END,
               PGUP = KEY_CODE_PAGE_UP, PGDN = KEY_CODE_PAGE_DOWN;

// A file of 1000 lines: its last page starts at line 952.
TEST(ColumnKeys, KeyDown)
{
    const KeyCase cases[] = {
        // Left off the top edge: the caret lands one short of byte 15.
        {"hex left at 0", H, LEFT, 0, 0, 0, 0, 10, 1000, 1, 9, RANGE, 47, 47},
        {"char left at 0", C, LEFT, 0, 0, 0, 0, 10, 1000, 1, 9, LINE0, 0, 0},
        {"ctrl left at 0", H, LEFT, 1, 0, 0, 0, 10, 1000, 1, 9, RANGE, 47, 47},
        {"hex left at 0, top 0", H, LEFT, 0, 0, 0, 0, 0, 1000, 0, 0, NONE, 0, 0},
        {"char left at 0, top 0", C, LEFT, 0, 0, 0, 0, 0, 1000, 0, 0, NONE, 0, 0},
        {"hex left at 1", H, LEFT, 0, 1, 1, 0, 10, 1000, 0, 0, NONE, 0, 0},
        {"left, selection from 0", H, LEFT, 0, 0, 30, 0, 10, 1000, 1, 9, RANGE, 47, 47},

        // Right off the bottom edge: one short of the new last line's first byte.
        {"hex right at 2302", H, RIGHT, 0, 2302, 2302, 47, 10, 1000, 1, 11, RANGE, 2255, 2255},
        {"hex right at 2303", H, RIGHT, 0, 2303, 2303, 47, 10, 1000, 1, 11, RANGE, 2255, 2255},
        {"hex right at 2304", H, RIGHT, 0, 2304, 2304, 47, 10, 1000, 1, 11, RANGE, 2255, 2255},
        {"hex right, page before last", H, RIGHT, 0, 2302, 2302, 47, 951, 1000, 1, 952, RANGE, 2255, 2255},
        {"char right at 862", C, RIGHT, 0, 862, 862, 47, 10, 1000, 1, 11, LINE46, 0, 0},
        // Not at the edge: the hex column sets its selection again, the
        // character column does nothing.
        {"hex right at 2301", H, RIGHT, 0, 2301, 2301, 47, 10, 1000, 0, 0, RANGE, 2301, 2301},
        {"hex right inside", H, RIGHT, 0, 100, 110, 2, 10, 1000, 0, 0, RANGE, 100, 110},
        {"char right at 861", C, RIGHT, 0, 861, 861, 47, 10, 1000, 0, 0, NONE, 0, 0},
        {"char right at 0", C, RIGHT, 0, 0, 0, 0, 10, 1000, 0, 0, NONE, 0, 0},
        // Last page: no next line, so no move.
        {"hex right at 2302, last page", H, RIGHT, 0, 2302, 2302, 47, 952, 1000, 0, 0, RANGE, 2302, 2302},
        {"char right at 862, last page", C, RIGHT, 0, 862, 862, 47, 952, 1000, 0, 0, NONE, 0, 0},

        // Up and Down keep the caret's position while the page moves under it.
        {"hex up on line 0", H, UP, 0, 20, 20, 0, 10, 1000, 1, 9, RANGE, 20, 20},
        {"char up on line 0", C, UP, 0, 5, 9, 0, 10, 1000, 1, 9, BYTES, 5, 9},
        {"up on line 0, top 0", H, UP, 0, 20, 20, 0, 0, 1000, 0, 0, NONE, 0, 0},
        {"up on line 5", H, UP, 0, 260, 260, 5, 10, 1000, 0, 0, NONE, 0, 0},
        {"ctrl up on line 5", C, UP, 1, 95, 95, 5, 10, 1000, 1, 9, BYTES, 85, 85},
        {"ctrl up, top 0", H, UP, 1, 260, 260, 5, 0, 1000, 0, 0, NONE, 0, 0},
        {"hex down on line 47", H, DOWN, 0, 2260, 2260, 47, 10, 1000, 1, 11, RANGE, 2260, 2260},
        {"char down on line 47", C, DOWN, 0, 850, 850, 47, 10, 1000, 1, 11, BYTES, 756, 756},
        {"down on line 46", H, DOWN, 0, 2250, 2250, 46, 10, 1000, 0, 0, NONE, 0, 0},
        {"down on line 47, last page", H, DOWN, 0, 2260, 2260, 47, 952, 1000, 0, 0, NONE, 0, 0},
        {"ctrl down on line 20", H, DOWN, 1, 975, 975, 20, 10, 1000, 1, 11, RANGE, 975, 975},
        // On the last page a line below the caret still exists: the move is
        // asked for and LoadPage clamps it back to the same page.
        {"ctrl down on line 20, last page", H, DOWN, 1, 975, 975, 20, 952, 1000, 1, 953, RANGE, 975, 975},
        {"ctrl down on the file's last line", C, DOWN, 1, 860, 860, 47, 952, 1000, 0, 0, NONE, 0, 0},
        // A file of 10 lines: the caret's line limits Ctrl+Down.
        {"ctrl down, short file, line 3", H, DOWN, 1, 150, 150, 3, 0, 10, 1, 1, RANGE, 150, 150},
        {"ctrl down, short file, line 9", H, DOWN, 1, 440, 440, 9, 0, 10, 0, 0, NONE, 0, 0},

        // Ctrl+Home and Ctrl+End.
        {"ctrl home", H, HOME, 1, 500, 500, 10, 300, 1000, 1, 0, NONE, 0, 0},
        {"char ctrl home", C, HOME, 1, 500, 500, 27, 0, 1000, 1, 0, NONE, 0, 0},
        {"home", H, HOME, 0, 500, 500, 10, 300, 1000, 0, 0, NONE, 0, 0},
        {"ctrl end", H, ENDKEY, 1, 500, 500, 10, 300, 1000, 1, 999, END, 0, 0},
        {"char ctrl end", C, ENDKEY, 1, 5, 5, 0, 0, 1000, 1, 999, END, 0, 0},
        {"end", C, ENDKEY, 0, 5, 5, 0, 0, 1000, 0, 0, NONE, 0, 0},

        // No file (lineCount 1, topLine 0): the moves LoadPage ignores, and
        // the selections the rows name.
        {"no file: left", H, LEFT, 0, 0, 0, 0, 0, 1, 0, 0, NONE, 0, 0},
        {"no file: right", H, RIGHT, 0, 0, 0, 0, 0, 1, 0, 0, RANGE, 0, 0},
        {"no file: down", H, DOWN, 1, 0, 0, 0, 0, 1, 0, 0, NONE, 0, 0},
        {"no file: ctrl end", H, ENDKEY, 1, 0, 0, 0, 0, 1, 1, 0, END, 0, 0},

        // Keys without a key-down rule.
        {"page down press", H, PGDN, 0, 10, 10, 0, 10, 1000, 0, 0, NONE, 0, 0},
        {"page up press", C, PGUP, 0, 10, 10, 0, 10, 1000, 0, 0, NONE, 0, 0},
        {"digit", H, '7', 0, 0, 0, 0, 10, 1000, 0, 0, NONE, 0, 0},
        {"ctrl f", H, 'F', 1, 0, 0, 0, 10, 1000, 0, 0, NONE, 0, 0},
        {"escape", C, KEY_CODE_ESCAPE, 0, 0, 0, 0, 10, 1000, 0, 0, NONE, 0, 0},
    };
    for (const KeyCase &c : cases) {
        Check(c, ColumnKeyDown);
    }
}

TEST(ColumnKeys, KeyUp)
{
    const KeyCase cases[] = {
        // Off a hex blank: Left to the low digit before, Right to the next high digit.
        {"hex left on blank 2", H, LEFT, 0, 2, 2, 0, 10, 1000, 0, 0, RANGE, 1, 1},
        {"hex left on blank 32 (mouse)", H, LEFT, 0, 32, 32, 0, 10, 1000, 0, 0, RANGE, 31, 31},
        {"hex left, selection from a blank", H, LEFT, 0, 8, 20, 0, 10, 1000, 0, 0, RANGE, 7, 19},
        {"hex left on digit 0", H, LEFT, 0, 0, 0, 0, 10, 1000, 0, 0, NONE, 0, 0},
        {"hex left on digit 3", H, LEFT, 0, 3, 3, 0, 10, 1000, 0, 0, NONE, 0, 0},
        {"hex left on digit 4", H, LEFT, 0, 4, 4, 0, 10, 1000, 0, 0, NONE, 0, 0},
        {"hex right on blank 47", H, RIGHT, 0, 47, 47, 0, 10, 1000, 0, 0, RANGE, 48, 48},
        {"hex right on blank 2303", H, RIGHT, 0, 2303, 2303, 47, 10, 1000, 0, 0, RANGE, 2304, 2304},
        {"hex right on digit", H, RIGHT, 0, 46, 46, 0, 10, 1000, 0, 0, NONE, 0, 0},
        {"char left at 2", C, LEFT, 0, 2, 2, 0, 10, 1000, 0, 0, NONE, 0, 0},
        {"char right at 5", C, RIGHT, 0, 5, 5, 0, 10, 1000, 0, 0, NONE, 0, 0},

        // Page Up and Page Down move on release and keep the caret.
        {"hex page up", H, PGUP, 0, 50, 50, 1, 100, 1000, 1, 52, RANGE, 50, 50},
        {"char page up at 49", C, PGUP, 0, 7, 9, 0, 49, 1000, 1, 1, BYTES, 7, 9},
        {"page up at 48", H, PGUP, 0, 50, 50, 1, 48, 1000, 1, 0, RANGE, 50, 50},
        {"page up at 0", C, PGUP, 0, 0, 0, 0, 0, 1000, 1, 0, BYTES, 0, 0},
        {"hex page down", H, PGDN, 0, 2000, 2000, 41, 100, 1000, 1, 148, RANGE, 2000, 2000},
        {"char page down, last page", C, PGDN, 0, 862, 862, 47, 952, 1000, 1, 1000, BYTES, 768, 768},
        {"no file: page down", H, PGDN, 0, 0, 0, 0, 0, 1, 1, 48, RANGE, 0, 0},

        // Keys without a key-up rule.
        {"up release", H, UP, 0, 2, 2, 0, 10, 1000, 0, 0, NONE, 0, 0},
        {"down release", C, DOWN, 0, 2, 2, 0, 10, 1000, 0, 0, NONE, 0, 0},
        {"ctrl end release", H, ENDKEY, 1, 2, 2, 0, 10, 1000, 0, 0, NONE, 0, 0},
    };
    for (const KeyCase &c : cases) {
        Check(c, ColumnKeyUp);
    }
}

TEST(ColumnKeys, NextLineExists)
{
    const struct {
        uint64_t topLine;
        uint32_t caretLine;
        uint64_t lineCount;
        int exists;
    } cases[] = {
        {0, 0, 1, 0},       // no file
        {0, 0, 2, 1},
        {0, 1, 2, 0},
        {951, 47, 1000, 1},
        {952, 47, 1000, 0},
        {952, 46, 1000, 1},
        {0, 9, 10, 0},
        {(1ull << 38) - 48, 47, 1ull << 38, 0},
        {(1ull << 38) - 49, 47, 1ull << 38, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.topLine << "+" << c.caretLine << " of " << c.lineCount);
        EXPECT_EQ(NextLineExists(c.topLine, c.caretLine, c.lineCount), c.exists);
    }
}

// Ctrl+G asks for the goto and Ctrl+I for the inspector in either column.
TEST(ColumnKeys, CtrlGAndCtrlIAskForTheirCommandsInEitherColumn)
{
    const struct {
        int column;
        unsigned key;
        int ctrl;
        int openGoto;
        int inspector;
    } cases[] = {
        {H, 'G', 1, 1, 0}, {C, 'G', 1, 1, 0}, {H, 'G', 0, 0, 0}, {H, 'F', 1, 0, 0},
        {C, HOME, 1, 0, 0}, {H, 'I', 1, 0, 1}, {C, 'I', 1, 0, 1}, {C, 'I', 0, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.column << " key " << c.key << " ctrl " << c.ctrl);
        ColumnKeyInput in = {c.column, c.key, c.ctrl, 30, 30, 0, 10, 1000, HalfWidthMap(DUMP_PAGE_BYTES)};
        ColumnKeyAction out;
        ColumnKeyDown(&in, &out);
        EXPECT_EQ(out.openGoto, c.openGoto);
        EXPECT_EQ(out.toggleInspector, c.inspector);
        ColumnKeyUp(&in, &out);
        EXPECT_EQ(out.openGoto, 0);
        EXPECT_EQ(out.toggleInspector, 0);
    }
}

TEST(ColumnKeys, SearchKeys)
{
    const struct {
        unsigned key;
        int ctrl, shift, f3;
        unsigned char first;
        int action;
    } cases[] = {
        {'F', 1, 0, 0, 0, SEARCH_KEY_NEW},
        {'F', 1, 0, 0, 'a', SEARCH_KEY_NEW},
        {'F', 1, 0, 1, 'a', SEARCH_KEY_NEW},  // Ctrl+F clears the text F3 would resume
        {'F', 0, 0, 0, 'a', SEARCH_KEY_NONE},
        {'G', 1, 0, 0, 0, SEARCH_KEY_NONE},
        {KEY_CODE_F3, 0, 0, 1, 'a', SEARCH_KEY_RESUME},
        {KEY_CODE_F3, 0, 0, 1, 0, SEARCH_KEY_NONE},
        {'7', 0, 0, 1, 'a', SEARCH_KEY_RESUME},  // any key while F3 is held
        {'F', 0, 0, 1, 'a', SEARCH_KEY_RESUME},
        {KEY_CODE_F3, 0, 0, 0, 'a', SEARCH_KEY_NONE},
        {KEY_CODE_F3, 0, 1, 1, 'a', SEARCH_KEY_BACK},
        {KEY_CODE_F3, 0, 1, 1, 0, SEARCH_KEY_NONE},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " ctrl " << c.ctrl << " shift " << c.shift
                                        << " f3 " << c.f3);
        EXPECT_EQ(HexSearchKey(c.key, c.ctrl, c.shift, c.f3, c.first), c.action);
    }
}

}  // namespace
