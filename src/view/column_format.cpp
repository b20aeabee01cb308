#include "view/column_format.h"

#include <string.h>

#include "view/dump_page.h"

static const char hexDigits[] = "0123456789ABCDEF";

// "XX " and the shown character for every byte value, built at compile
// time so the per-byte work is two table reads.
struct ByteCells {
    char hex[256][3];
    char shown[256];
};

static constexpr ByteCells MakeByteCells()
{
    ByteCells cells = {};
    for (int b = 0; b < 256; ++b) {
        cells.hex[b][0] = "0123456789ABCDEF"[b >> 4];
        cells.hex[b][1] = "0123456789ABCDEF"[b & 0xF];
        cells.hex[b][2] = ' ';
        cells.shown[b] = (b >= 0x20 && b <= 0x7F) ? (char)b : '.';
    }
    return cells;
}

static constexpr ByteCells byteCells = MakeByteCells();

char ColumnChar(unsigned char b)
{
    return byteCells.shown[b];
}

static char *PutDoubleWord(char *out, uint32_t value)
{
    for (int shift = 28; shift >= 0; shift -= 4)
        *out++ = hexDigits[(value >> shift) & 0xF];
    return out;
}

char *PutOffset(char *out, uint64_t offset)
{
    out = PutDoubleWord(out, (uint32_t)(offset >> 32));
    *out++ = ' ';
    return PutDoubleWord(out, (uint32_t)offset);
}

void FormatColumns(uint64_t topLine, const unsigned char *bytes, uint32_t count,
                   char *addressText, char *hexText, char *charText)
{
    if (count > DUMP_PAGE_BYTES)
        count = DUMP_PAGE_BYTES;
    char *address = addressText;
    char *hex = hexText;
    char *chars = charText;
    uint64_t lineOffset = topLine * DUMP_LINE_BYTES;
    for (uint32_t start = 0; start < count; start += DUMP_LINE_BYTES) {
        address = PutOffset(address, lineOffset);
        *address++ = ' ';
        lineOffset += DUMP_LINE_BYTES;

        uint32_t end = count - start > DUMP_LINE_BYTES ? start + DUMP_LINE_BYTES : count;
        for (uint32_t i = start; i < end; ++i) {
            unsigned char b = bytes[i];
            memcpy(hex, byteCells.hex[b], 3);
            hex += 3;
            *chars++ = byteCells.shown[b];
        }
        // Only lines before the page's last end in CR LF.
        if (end < count) {
            *chars++ = '\r';
            *chars++ = '\n';
        }
    }
    *address = '\0';
    *hex = '\0';
    *chars = '\0';
}
