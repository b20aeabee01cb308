#include "bytes/copy_format.h"

#include "base/byte_cell.h"
#include "base/dump_page.h"

#include <stdio.h>
#include <string.h>

size_t FormatHexCopy(const unsigned char *bytes, uint32_t count, char *text)
{
    size_t length = count == 0 ? 0 : (size_t)count * HEX_CELL_CHARS - 1;
    if (text == NULL)
        return length;
    // Stores, not a call per byte: the C runtime's memcpy costs more than
    // the three characters.
    char *out = text;
    for (uint32_t i = 0; i < count; i++) {
        const char *cell = byteCells.hex[bytes[i]];
        out[0] = cell[0];
        out[1] = cell[1];
        out[2] = ' ';
        out += HEX_CELL_CHARS;
    }
    text[length] = '\0';
    return length;
}

size_t FormatCharCopy(const unsigned char *bytes, uint32_t count, char *text)
{
    if (text != NULL) {
        for (uint32_t i = 0; i < count; i++)
            text[i] = ColumnChar(bytes[i]);
        text[count] = '\0';
    }
    return count;
}

size_t FormatHexLines(const unsigned char *bytes, uint32_t count, char *text)
{
    size_t length = 0;
    for (uint32_t done = 0; done < count; done += DUMP_LINE_BYTES) {
        uint32_t part = count - done < (uint32_t)DUMP_LINE_BYTES ? count - done : (uint32_t)DUMP_LINE_BYTES;
        length += FormatHexCopy(bytes + done, part, text ? text + length : NULL);
        if (text != NULL) {
            text[length] = '\r';
            text[length + 1] = '\n';
        }
        length += 2;
    }
    if (text != NULL)
        text[length] = '\0';
    return length;
}

static size_t Append(char *text, size_t at, const char *part, size_t partLength)
{
    if (text != NULL) {
        for (size_t i = 0; i < partLength; i++)
            text[at + i] = part[i];
    }
    return at + partLength;
}

size_t FormatCArray(const unsigned char *bytes, uint32_t count, char *text)
{
    char head[48];
    int headLength = snprintf(head, sizeof head, "unsigned char data[%lu] = {\r\n",
                              (unsigned long)count);
    size_t length = Append(text, 0, head, (size_t)headLength);
    // Each line: four blanks, then "0x4D" items joined by ", ", a "," after
    // the last but the array's last, and CR LF.
    for (uint32_t i = 0; i < count; i++) {
        int lineStart = i % DUMP_LINE_BYTES == 0;
        int lineEnd = i + 1 == count || (i + 1) % DUMP_LINE_BYTES == 0;
        char item[10];
        size_t n = 0;
        if (lineStart) {
            item[n++] = ' ';
            item[n++] = ' ';
            item[n++] = ' ';
            item[n++] = ' ';
        }
        item[n++] = '0';
        item[n++] = 'x';
        item[n++] = byteCells.hex[bytes[i]][0];
        item[n++] = byteCells.hex[bytes[i]][1];
        if (i + 1 < count)
            item[n++] = ',';
        if (!lineEnd)
            item[n++] = ' ';
        length = Append(text, length, item, n);
        if (lineEnd)
            length = Append(text, length, "\r\n", 2);
    }
    length = Append(text, length, "};\r\n", 4);
    if (text != NULL)
        text[length] = '\0';
    return length;
}
