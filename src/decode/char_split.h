// How the bytes of a page split into characters in each character-column
// mode, exactly as a decoder reading the file from its start would split
// them, and which cells each byte's character fills.
#ifndef KORVEX_CHAR_SPLIT_H
#define KORVEX_CHAR_SPLIT_H

#include "base/dump_page.h"

#include <stdint.h>

// The character column's modes, in the order of their menu items.
enum CharMode {
    CHAR_MODE_HALF_WIDTH = 0,
    CHAR_MODE_SHIFT_JIS = 1,
    CHAR_MODE_UTF8 = 2,
    CHAR_MODE_UTF16LE = 3
};

// The bytes before a page that the splitter reads back at most: a run of
// Shift-JIS lead-range bytes longer than this is split as if it began
// here. UTF-8 needs 3 and UTF-16LE 1 of them.
enum {
    SHIFT_JIS_LOOK_BACK = 1024,
    // The bytes past a page a character that starts on it may reach.
    CHAR_LOOK_AHEAD = 3
};

// What one byte of a page shows:
// - CELL_DRAW: the first byte of a character: text[] holds width (1 or 2)
//   bytes of code page 932 (a dot for each byte of one not shown);
// - CELL_COVERED: a later byte of a character whose two cells began at the
//   byte before it; nothing of its own when on the same line;
// - CELL_BLANK: any other later byte of a character: one blank.
enum CellKind {
    CELL_DRAW = 0,
    CELL_COVERED = 1,
    CELL_BLANK = 2
};

// Code page 932 both ways, without best fit, built once by the shell:
// fromUnit[u] is the form of UTF-16 unit u (a byte, or lead << 8 | trail),
// 0 when the code page lacks it; toUnit[lead << 8 | trail] is the unit of
// a double-byte form, 0 when the code page holds none there.
struct Cp932Table {
    uint16_t fromUnit[65536];
    uint16_t toUnit[65536];
};

// A page's bytes split: per byte its kind, the width and text of a drawn
// character, and the page index of its character's first byte (negative
// when that character begins before the page).
struct CharCells {
    unsigned char kind[DUMP_PAGE_BYTES];
    unsigned char width[DUMP_PAGE_BYTES];
    char text[DUMP_PAGE_BYTES][2];
    int16_t start[DUMP_PAGE_BYTES];
};

// Splits the count bytes at page[0] (count at most DUMP_PAGE_BYTES), the
// file's bytes at fileOffset, in mode. before bytes precede page[0] in
// memory and after bytes follow page[count]: the caller passes what the
// file holds there, up to SHIFT_JIS_LOOK_BACK and CHAR_LOOK_AHEAD, so that
// a character cut by the end of the file shows as cut.
void SplitChars(int mode, const unsigned char *page, uint32_t before, uint32_t count,
                uint32_t after, uint64_t fileOffset, const Cp932Table *table,
                CharCells *cells);

#endif
