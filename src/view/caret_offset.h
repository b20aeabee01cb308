// Where a dump column's caret stands in the file: the page bytes under its
// caret or selection, the status line's text for them, and where the hex
// caret goes for a given offset.
#ifndef KORVEX_CARET_OFFSET_H
#define KORVEX_CARET_OFFSET_H

#include <stdint.h>

// The status line's longest text, its terminating zero included, fits.
#define CARET_OFFSET_TEXT_SIZE 64

// The page bytes a column's selection (selStart to selEnd, equal for a bare
// caret) stands on.
struct CaretBytes {
    uint32_t first;  // the byte the selection starts on; pageBytes past the last
    uint32_t count;  // bytes the selection touches; 0 for a bare caret
};

// column is COLUMN_HEX or the character column (any other value).
// Hex column: positions 3k and 3k + 1 (before a digit) and 3k + 2 (on the
// blank) are on byte k, and a selection touches every byte whose three
// characters it covers in part. Character column: position 18L + c is on
// byte 16L + c; the end of a line (before or inside its CR LF) is on the
// next line's first byte, and a selection touches the bytes whose
// characters it covers. The end of the page's text is on byte pageBytes.
CaretBytes CaretBytesOf(int column, uint32_t selStart, uint32_t selEnd, uint32_t pageBytes);

// The status line for that selection on the page at topLine:
// "ｱﾄﾞﾚｽ HHHHHHHH LLLLLLLL" of the first byte's file offset, the address
// column's format, and "  選択 N ﾊﾞｲﾄ" after it when the selection touches
// N > 0 bytes. text holds CARET_OFFSET_TEXT_SIZE bytes.
void CaretOffsetText(int column, uint32_t selStart, uint32_t selEnd, uint64_t topLine,
                     uint32_t pageBytes, char *text);

// 1 when offset is one of the pageBytes bytes of the page at topLine.
int OffsetOnPage(uint64_t offset, uint64_t topLine, uint32_t pageBytes);

// The hex column position before the first digit of the byte at offset, on
// the page at topLine (offset on that page).
uint32_t HexCaretAt(uint64_t offset, uint64_t topLine);

#endif
