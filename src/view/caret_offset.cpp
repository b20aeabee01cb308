#include "view/caret_offset.h"

#include "base/byte_cell.h"
#include "base/dump_page.h"
#include "base/messages.h"
#include "view/column_format.h"

static uint32_t AtMost(uint32_t value, uint32_t limit)
{
    return value < limit ? value : limit;
}

CaretBytes CaretBytesOf(int column, uint32_t selStart, uint32_t selEnd, uint32_t pageBytes,
                       const CharMap *chars)
{
    CaretBytes bytes = {0, 0};
    if (column != COLUMN_HEX) {
        CharSelectionBytes(chars, selStart, selEnd, &bytes.first, &bytes.count);
        bytes.first = AtMost(bytes.first, pageBytes);
        bytes.count = AtMost(bytes.count, pageBytes - bytes.first);
        return bytes;
    }
    bytes.first = selStart / HEX_CELL_CHARS;
    uint32_t last = selEnd > selStart ? (selEnd - 1) / HEX_CELL_CHARS : 0;
    // A column holds no more than the page; anything past it is the end.
    bytes.first = AtMost(bytes.first, pageBytes);
    if (selEnd > selStart && pageBytes > 0) {
        last = AtMost(last, pageBytes - 1);
        // A selection of nothing but a line break touches no byte.
        if (last >= bytes.first) {
            bytes.count = last - bytes.first + 1;
        }
    }
    return bytes;
}

void CaretOffsetText(int column, uint32_t selStart, uint32_t selEnd, uint64_t topLine,
                     uint32_t pageBytes, const CharMap *chars, char *text)
{
    CaretBytes bytes = CaretBytesOf(column, selStart, selEnd, pageBytes, chars);
    char *out = PutText(text, CARET_OFFSET_LABEL);
    out = PutOffset(out, topLine * DUMP_LINE_BYTES + bytes.first);
    if (bytes.count > 0) {
        out = PutText(out, CARET_SELECTION_LABEL);
        out = PutDecimal(out, bytes.count, 0);
        out = PutText(out, CARET_SELECTION_UNIT);
    }
    *out = '\0';
}

int OffsetOnPage(uint64_t offset, uint64_t topLine, uint32_t pageBytes)
{
    uint64_t first = topLine * DUMP_LINE_BYTES;
    return offset >= first && offset - first < pageBytes;
}

uint32_t HexCaretAt(uint64_t offset, uint64_t topLine)
{
    return (uint32_t)(offset - topLine * DUMP_LINE_BYTES) * HEX_CELL_CHARS;
}

void ByteRangeSelection(int column, uint32_t first, uint32_t count, const CharMap *chars,
                        uint32_t *selStart, uint32_t *selEnd)
{
    if (column != COLUMN_HEX) {
        CharByteSelection(chars, first, count, selStart, selEnd);
        return;
    }
    *selStart = first * HEX_CELL_CHARS;
    *selEnd = (first + count - 1) * HEX_CELL_CHARS + 2;
}

uint32_t SearchStartByte(uint32_t selStart, uint32_t selEnd)
{
    const uint32_t lineChars = HEX_CELL_CHARS * DUMP_LINE_BYTES;
    uint32_t index = selStart / lineChars * DUMP_LINE_BYTES + selStart % lineChars / HEX_CELL_CHARS;
    if (selEnd % HEX_CELL_CHARS == 2)
        index += 1;
    return index;
}

uint32_t BackwardSearchStartByte(uint32_t selStart)
{
    return selStart / HEX_CELL_CHARS;
}
