#include "view/copy_format.h"

#include "base/byte_cell.h"
#include "base/dump_page.h"

#include <stdio.h>
#include <string.h>

size_t FormatHexCopy(const unsigned char *bytes, uint32_t count, char *text)
{
    size_t length = count == 0 ? 0 : (size_t)count * HEX_CELL_CHARS - 1;
    if (text == NULL)
        return length;
    for (uint32_t i = 0; i < count; i++)
        memcpy(text + (size_t)i * HEX_CELL_CHARS, byteCells.hex[bytes[i]], HEX_CELL_CHARS);
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
        if (text != NULL)
            memcpy(text + length, "\r\n", 3);
        length += 2;
    }
    if (text != NULL)
        text[length] = '\0';
    return length;
}

static size_t Append(char *text, size_t at, const char *part, size_t partLength)
{
    if (text != NULL)
        memcpy(text + at, part, partLength);
    return at + partLength;
}

size_t FormatCArray(const unsigned char *bytes, uint32_t count, char *text)
{
    char head[48];
    int headLength = snprintf(head, sizeof head, "unsigned char data[%lu] = {\r\n",
                              (unsigned long)count);
    size_t length = Append(text, 0, head, (size_t)headLength);
    for (uint32_t i = 0; i < count; i++) {
        if (i % DUMP_LINE_BYTES == 0)
            length = Append(text, length, "    ", 4);
        char item[4] = {'0', 'x', byteCells.hex[bytes[i]][0], byteCells.hex[bytes[i]][1]};
        length = Append(text, length, item, 4);
        int lineEnd = i + 1 == count || (i + 1) % DUMP_LINE_BYTES == 0;
        if (i + 1 < count)
            length = Append(text, length, lineEnd ? "," : ", ", lineEnd ? 1 : 2);
        if (lineEnd)
            length = Append(text, length, "\r\n", 2);
    }
    length = Append(text, length, "};\r\n", 4);
    if (text != NULL)
        text[length] = '\0';
    return length;
}
