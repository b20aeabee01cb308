#include "edit/overwrite_text.h"

#include <string.h>

#include "base/byte_cell.h"
#include "base/dump_page.h"
#include "edit/hex_pair.h"

int IsHexColumnShape(const char *text, uint32_t length, uint32_t pageBytes)
{
    if (length != HEX_CELL_CHARS * pageBytes)
        return 0;
    for (uint32_t k = 0; k < pageBytes; k++) {
        const char *group = text + HEX_CELL_CHARS * k;
        if (!IsHexColumnDigit(group[0]) || !IsHexColumnDigit(group[1]) || group[2] != ' ')
            return 0;
    }
    return 1;
}

int IsOneTypedHexDigit(const char *validText, const char *text, uint32_t length,
                       uint32_t selStart, uint32_t selEnd, uint32_t pageBytes)
{
    uint32_t end = HEX_CELL_CHARS * pageBytes;
    if (length != end + 1 || selStart != selEnd || selStart < 1 || selStart > end + 1)
        return 0;
    if (validText[end] != '\0' || !IsHexColumnDigit(text[selStart - 1]))
        return 0;
    // Before the typed character the texts agree as they stand; after it,
    // the control's text runs one place behind.
    return memcmp(text, validText, selStart - 1) == 0 &&
           memcmp(text + selStart, validText + selStart - 1, end + 1 - selStart) == 0;
}

// Removes the character at position from a text of end + 1 characters,
// leaving end characters.
static void DropCharacter(char *text, uint32_t position, uint32_t end)
{
    if (position < end)
        memmove(text + position, text + position + 1, end - position);
    text[end] = '\0';
}

void OverwriteTypedDigit(char *text, char *charText, uint32_t pageBytes,
                         uint32_t *selStart, uint32_t *selEnd, CharCellChange *cell)
{
    uint32_t end = HEX_CELL_CHARS * pageBytes;
    uint32_t s = *selStart;
    uint32_t e = *selEnd;
    cell->changed = 0;
    cell->index = 0;
    cell->value = 0;

    if (s == 0 || s > end + 1) {
        // No character stands before such a caret: only the length is kept.
        text[end] = '\0';
    } else if (s % HEX_CELL_CHARS == 0) {
        // Typed onto a blank: the keystroke only carries the caret over it.
        DropCharacter(text, s - 1, end);
    } else {
        // Typed before a digit: the old digit that now follows goes.
        DropCharacter(text, s, end);
        // After the page's last byte (s == end + 1) the typed character was
        // the one dropped, and no cell belongs to that position: the
        // character text stays as it is.
        if (s <= end) {
            uint32_t k = (s - 1) / HEX_CELL_CHARS;
            char pair[2] = { text[HEX_CELL_CHARS * k], text[HEX_CELL_CHARS * k + 1] };
            unsigned char value = HexPairValue(pair);
            cell->changed = 1;
            cell->index = 18 * (k / DUMP_LINE_BYTES) + k % DUMP_LINE_BYTES;
            cell->value = ColumnChar(value);
            charText[cell->index] = cell->value;
            if (s % HEX_CELL_CHARS == 2) {
                s += 1;
                e += 1;
            }
        }
    }
    *selStart = s < end ? s : end;
    *selEnd = e < end ? e : end;
}

int ApplyHexColumnEdit(char *hexText, char *charText, uint32_t pageBytes,
                       const char *controlText, uint32_t controlLength,
                       uint32_t *selStart, uint32_t *selEnd)
{
    uint32_t end = HEX_CELL_CHARS * pageBytes;
    if (!IsOneTypedHexDigit(hexText, controlText, controlLength, *selStart, *selEnd,
                            pageBytes)) {
        if (*selStart > end)
            *selStart = end;
        if (*selEnd > end)
            *selEnd = end;
        return 0;
    }
    memcpy(hexText, controlText, end + 1);
    hexText[end + 1] = '\0';
    CharCellChange cell;
    OverwriteTypedDigit(hexText, charText, pageBytes, selStart, selEnd, &cell);
    return 1;
}
