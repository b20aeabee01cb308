#include "view/column_format.h"

#include <string.h>

#include "base/byte_cell.h"
#include "base/dump_page.h"

static const char hexDigits[] = "0123456789ABCDEF";

static char *PutDoubleWord(char *out, uint32_t value)
{
    for (int shift = 28; shift >= 0; shift -= 4)
        *out++ = hexDigits[(value >> shift) & 0xF];
    return out;
}

char *PutText(char *out, const char *text)
{
    size_t length = strlen(text);
    memcpy(out, text, length);
    return out + length;
}

char *PutDecimal(char *out, uint64_t value, int grouped)
{
    char digits[32];
    int count = 0;
    do {
        if (grouped && count % 4 == 3) {
            digits[count++] = ',';
        }
        digits[count++] = (char)('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0) {
        *out++ = digits[--count];
    }
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
            memcpy(hex, byteCells.hex[b], HEX_CELL_CHARS);
            hex += HEX_CELL_CHARS;
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
