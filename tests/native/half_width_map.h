// The character column's map of a page of printable bytes in 半角文字のみ:
// the fixed layout the caret and key rules are checked against.
#ifndef KORVEX_TEST_HALF_WIDTH_MAP_H
#define KORVEX_TEST_HALF_WIDTH_MAP_H

#include "decode/char_split.h"
#include "view/char_column.h"

#include <string.h>

// The map of a page of pageBytes bytes; valid until the next call.
inline const CharMap *HalfWidthMap(uint32_t pageBytes)
{
    static CharCells cells;
    static CharMap map;
    unsigned char page[DUMP_PAGE_BYTES];
    char text[CHAR_TEXT_BYTES];
    memset(page, 'A', sizeof page);
    SplitChars(CHAR_MODE_HALF_WIDTH, page, 0, pageBytes, 0, 0, nullptr, &cells);
    FormatCharColumn(&cells, pageBytes, POSITION_BYTES, text, &map);
    return &map;
}

#endif
