// The character column's text from a split page, and the one map between
// the edit control's positions in it and the page's bytes.
#ifndef KORVEX_CHAR_COLUMN_H
#define KORVEX_CHAR_COLUMN_H

#include "base/dump_page.h"
#include "decode/char_split.h"

#include <stdint.h>

// What the character column's edit control counts positions in: bytes of
// the text, or UTF-16 units (one per double-byte character) as Wine's ANSI
// control does once a double-byte character is present.
enum PositionUnit {
    POSITION_BYTES = 0,
    POSITION_UTF16 = 1
};

// The worst case of a page's character text: 16 cells and an extra one
// per line, CR LF between lines, and the terminator.
enum {
    CHAR_TEXT_BYTES = DUMP_PAGE_LINES * (DUMP_LINE_BYTES + 1 + 2) + 1
};

// A rendered page's positions: where each byte's cell begins, and which
// byte a caret at each position stands on (the first on the page of the
// character under it). positions is the position of the text's end.
struct CharMap {
    uint16_t positionOfByte[DUMP_PAGE_BYTES];
    uint16_t byteAtPosition[CHAR_TEXT_BYTES];
    uint16_t positions;
    uint16_t count;
};

// Writes the zero-ended character text of the count split bytes: a line
// per 16 bytes, CR LF after each but the page's last; a two-cell character
// on a line's last byte takes a 17th cell, and a covered byte that starts
// a line or the page shows a blank. Fills map for unit.
void FormatCharColumn(const CharCells *cells, uint32_t count, int unit, char *charText,
                      CharMap *map);

// The page byte a caret at position stands on; positions past the text
// give the last byte's character.
uint32_t CharByteAt(const CharMap *map, uint32_t position);

// The first and last page bytes of the character holding byte, cut to the
// page: a selection in the character column covers whole characters.
void CharSpan(const CharCells *cells, uint32_t count, uint32_t byte, uint32_t *first,
              uint32_t *last);

#endif
