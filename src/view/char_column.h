// The character column's text from a split page, and the one map between
// the edit control's positions in it and the page's bytes.
#ifndef KORVEX_CHAR_COLUMN_H
#define KORVEX_CHAR_COLUMN_H

#include "base/dump_page.h"
#include "decode/char_split.h"

#include <stddef.h>
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

// A rendered page's positions, for the unit the control counts in.
// - positionOfByte[i]: where byte i's cell begins (a covered byte: its
//   character's); positionAfterByte[i]: just past that cell.
// - byteAtPosition[p]: the page byte a caret at p stands on, the first of
//   the character whose cell p is in; a line break stands on the next
//   line's first byte, the text's end on count.
// - endBeforePosition[p]: one past the last byte of the character whose
//   cell ends at p (a line break: of the line above); 0 at 0.
// positions is the position of the text's end.
struct CharMap {
    uint16_t positionOfByte[DUMP_PAGE_BYTES];
    uint16_t positionAfterByte[DUMP_PAGE_BYTES];
    uint16_t byteAtPosition[CHAR_TEXT_BYTES];
    uint16_t endBeforePosition[CHAR_TEXT_BYTES];
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
// give count.
uint32_t CharByteAt(const CharMap *map, uint32_t position);

// The page bytes a selection from selStart to selEnd covers, whole
// characters: first, and count (0 for a bare caret or a line break alone).
void CharSelectionBytes(const CharMap *map, uint32_t selStart, uint32_t selEnd,
                        uint32_t *first, uint32_t *count);

// The selection over page bytes first to first + count - 1 (count >= 1),
// to the end of the last one's character.
void CharByteSelection(const CharMap *map, uint32_t first, uint32_t count, uint32_t *selStart,
                       uint32_t *selEnd);

// The text of the count page bytes from first on as the column draws them,
// without the blanks of bytes a character covers, and its terminating zero
// when text is not null; returns its length either way.
size_t CharCopyText(const CharCells *cells, uint32_t first, uint32_t count, char *text);

#endif
