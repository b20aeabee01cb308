// Where a dump column's caret stands in the file: the page bytes under its
// caret or selection, the status line's text for them, and where the hex
// caret goes for a given offset.
#ifndef KORVEX_CARET_OFFSET_H
#define KORVEX_CARET_OFFSET_H

#include <stdint.h>

#include "base/messages.h"
#include "view/char_column.h"

// The page bytes a column's selection (selStart to selEnd, equal for a bare
// caret) stands on.
struct CaretBytes {
    uint32_t first;  // the byte the selection starts on; pageBytes past the last
    uint32_t count;  // bytes the selection touches; 0 for a bare caret
};

// Three rules name the byte at the caret. The status line and the goto name
// the byte whose cell the caret stands in; a search starts one byte on when
// the selection ends after a byte's second digit, as a shown hit's does, so
// that F3 goes past the hit instead of finding it again; a backward search
// ends before the selection's first byte, for Shift+F3 likewise.

// column is COLUMN_HEX or the character column (any other value).
// Hex column: positions 3k and 3k + 1 (before a digit) and 3k + 2 (on the
// blank) are on byte k, and a selection touches every byte whose three
// characters it covers in part. Character column: as chars, the page's map,
// says: a position is on the first byte of the character under it, the end
// of a line (before or inside its CR LF) on the next line's first byte, and
// a selection covers whole characters. The end of the page's text is on
// byte pageBytes.
CaretBytes CaretBytesOf(int column, uint32_t selStart, uint32_t selEnd, uint32_t pageBytes,
                        const CharMap *chars);

// The status line for that selection on the page at topLine:
// "ｱﾄﾞﾚｽ HHHHHHHH LLLLLLLL" of the first byte's file offset, the address
// column's format, and "  選択 N ﾊﾞｲﾄ" after it when the selection touches
// N > 0 bytes. text holds CARET_OFFSET_TEXT_SIZE bytes.
void CaretOffsetText(int column, uint32_t selStart, uint32_t selEnd, uint64_t topLine,
                     uint32_t pageBytes, const CharMap *chars, char *text);

// 1 when offset is one of the pageBytes bytes of the page at topLine.
int OffsetOnPage(uint64_t offset, uint64_t topLine, uint32_t pageBytes);

// The hex column position before the first digit of the byte at offset, on
// the page at topLine (offset on that page).
uint32_t HexCaretAt(uint64_t offset, uint64_t topLine);

// The selection over page bytes first to first + count - 1 (count >= 1):
// in the hex column from the first byte's high digit to the last byte's
// low digit, in the character column over their characters (whole ones).
// CaretBytesOf reads it back as first and count.
void ByteRangeSelection(int column, uint32_t first, uint32_t count, const CharMap *chars,
                        uint32_t *selStart, uint32_t *selEnd);

// The byte of the page at which a search from the hex column's selection
// begins: the byte whose digits selStart stands before or between, the next
// one when selEnd is just past a byte's second digit. The visual line is
// taken as selStart / 48, so a caret at the very end of a page (after its
// last blank, even where that is the start of a line that the control does
// not show) names the byte after the page's last byte.
uint32_t SearchStartByte(uint32_t selStart, uint32_t selEnd);

// The byte of the page before which a backward search's match must begin:
// the one whose cell selStart stands in, the selection's first byte. Unlike
// the forward start, the selection's end does not matter: a shown hit's
// first byte is this byte, so the next search backward goes past the hit.
uint32_t BackwardSearchStartByte(uint32_t selStart);

#endif
