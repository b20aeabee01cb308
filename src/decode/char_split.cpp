#include "decode/char_split.h"

#include "base/byte_cell.h"
#include "decode/char_codes.h"

static int IsLeadRange(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The code point is one the column draws as its code page 932 form: not a
// control character, nor the private-use area.
static int IsDrawable(uint32_t codePoint)
{
    return !IsControlCode(codePoint) && !(codePoint >= 0xE000 && codePoint <= 0xF8FF);
}

// The code page 932 form of codePoint, or 0 when it shows as dots.
static uint16_t FormOf(uint32_t codePoint, const Cp932Table *table)
{
    if (codePoint >= 0x20 && codePoint <= 0x7E) {
        return (uint16_t)codePoint;
    }
    if (codePoint > 0xFFFF || !IsDrawable(codePoint)) {
        return 0;
    }
    return table->fromUnit[codePoint];
}

// Records the character of length bytes at page index at (which may be
// negative) drawn as form, or as one dot per byte when form is 0.
static void PutChar(int32_t at, uint32_t length, uint16_t form, uint32_t count,
                    CharCells *cells)
{
    uint32_t width = form == 0 ? 0 : form > 0xFF ? 2 : 1;
    for (uint32_t k = 0; k < length; ++k) {
        int32_t i = at + (int32_t)k;
        if (i < 0 || (uint32_t)i >= count) {
            continue;
        }
        if (width == 0) {
            // Each byte of a character not shown is a character of its own.
            cells->kind[i] = CELL_DRAW;
            cells->width[i] = 1;
            cells->text[i][0] = '.';
            cells->start[i] = (int16_t)i;
            continue;
        }
        cells->start[i] = (int16_t)at;
        if (k == 0) {
            cells->kind[i] = CELL_DRAW;
            cells->width[i] = (unsigned char)width;
            cells->text[i][0] = (char)(width == 2 ? form >> 8 : form);
            cells->text[i][1] = (char)(form & 0xFF);
        } else {
            cells->kind[i] = k < width ? CELL_COVERED : CELL_BLANK;
            cells->width[i] = 0;
        }
    }
}

// Where splitting must begin, relative to page[0], for the boundaries to be
// those of a decoder reading from the file's start.
static int32_t SplitStart(int mode, const unsigned char *page, uint32_t before,
                          uint64_t fileOffset)
{
    int32_t back = 0;
    if (mode == CHAR_MODE_SHIFT_JIS) {
        // Past the run of lead-range bytes before the page, the byte that
        // ends it closes a character whatever came before.
        uint32_t limit = before < (uint32_t)SHIFT_JIS_LOOK_BACK ? before : (uint32_t)SHIFT_JIS_LOOK_BACK;
        while ((uint32_t)back < limit && IsLeadRange(page[-back - 1])) {
            ++back;
        }
    } else if (mode == CHAR_MODE_UTF8) {
        // Every byte but a continuation byte starts a character.
        for (int32_t k = 1; k <= 3 && (uint32_t)k <= before; ++k) {
            if ((page[-k] & 0xC0) != 0x80) {
                back = k;
                break;
            }
        }
    } else if (mode == CHAR_MODE_UTF16LE) {
        back = (fileOffset & 1) && before >= 1 ? 1 : 0;
    }
    return -back;
}

void SplitChars(int mode, const unsigned char *page, uint32_t before, uint32_t count,
                uint32_t after, uint64_t fileOffset, const Cp932Table *table,
                CharCells *cells)
{
    if (count > DUMP_PAGE_BYTES) {
        count = DUMP_PAGE_BYTES;
    }
    int32_t end = (int32_t)(count + (after < (uint32_t)CHAR_LOOK_AHEAD ? after : (uint32_t)CHAR_LOOK_AHEAD));
    int32_t i = SplitStart(mode, page, before, fileOffset);
    while (i < (int32_t)count) {
        const unsigned char *at = page + i;
        uint32_t available = (uint32_t)(end - i);
        uint32_t length = 1;
        uint16_t form = 0;
        if (mode == CHAR_MODE_HALF_WIDTH) {
            form = (unsigned char)byteCells.shown[at[0]];
        } else if (mode == CHAR_MODE_SHIFT_JIS) {
            length = ShiftJisLength(at, available);
            if (length == 2) {
                uint16_t code = (uint16_t)(at[0] << 8 | at[1]);
                uint16_t unit = table->toUnit[code];
                form = unit != 0 && IsDrawable(unit) ? code : 0;
            } else if (length == 1) {
                form = at[0] >= 0xA1 ? at[0] : FormOf(at[0], table);
            } else {
                length = 1;
            }
        } else if (mode == CHAR_MODE_UTF8) {
            uint32_t codePoint = 0;
            length = DecodeUtf8(at, available, &codePoint);
            if (length == 0) {
                length = 1;
            } else {
                form = FormOf(codePoint, table);
            }
        } else if (available >= 2) {
            length = 2;
            uint32_t unit = (uint32_t)(at[0] | at[1] << 8);
            form = unit >= 0xD800 && unit <= 0xDFFF ? 0 : FormOf(unit, table);
        }
        PutChar(i, length, form, count, cells);
        i += (int32_t)length;
    }
}
