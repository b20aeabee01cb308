// How one byte shows in the dump columns: facts that rendering a page and
// editing it must agree on.
#ifndef KORVEX_BYTE_CELL_H
#define KORVEX_BYTE_CELL_H

// The dump columns, with the same values as editFocus, where COLUMN_NONE
// says that the keyboard serves no column.
enum ColumnKind {
    COLUMN_NONE = 0,
    COLUMN_HEX = 1,
    COLUMN_CHAR = 2
};

// Characters of one byte in the hex column: two upper-case digits and a
// blank, byte k at character HEX_CELL_CHARS * k.
enum {
    HEX_CELL_CHARS = 3
};

// Every byte value's hex cell and shown character, built at compile time so
// that rendering a byte is two table reads.
struct ByteCells {
    char hex[256][HEX_CELL_CHARS];
    char shown[256];
};

static constexpr ByteCells MakeByteCells()
{
    ByteCells cells = {};
    for (int b = 0; b < 256; ++b) {
        cells.hex[b][0] = "0123456789ABCDEF"[b >> 4];
        cells.hex[b][1] = "0123456789ABCDEF"[b & 0xF];
        cells.hex[b][2] = ' ';
        cells.shown[b] = (b >= 0x20 && b < 0x7F) ? (char)b : '.';
    }
    return cells;
}

inline constexpr ByteCells byteCells = MakeByteCells();

// How a byte shows in the character column: itself from 0x20 to 0x7E,
// otherwise '.', so no double-byte character can ever form.
inline char ColumnChar(unsigned char b)
{
    return byteCells.shown[b];
}

#endif
