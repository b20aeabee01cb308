#include "view/caret_offset.h"

#include "base/byte_cell.h"
#include "base/dump_page.h"
#include "base/messages.h"
#include "view/column_format.h"

// Characters per line of the character column: sixteen and CR LF.
enum {
    CARET_CHAR_LINE = DUMP_LINE_BYTES + 2
};

static uint32_t AtMost(uint32_t value, uint32_t limit)
{
    return value < limit ? value : limit;
}

// The byte a character-column position stands before; a line's end counts
// as the next line's first byte.
static uint32_t CharPositionByte(uint32_t position)
{
    uint32_t column = AtMost(position % CARET_CHAR_LINE, DUMP_LINE_BYTES);
    return position / CARET_CHAR_LINE * DUMP_LINE_BYTES + column;
}

// The last byte whose character lies before the position: the line break
// before a line's first character belongs to the line above.
static uint32_t CharByteBefore(uint32_t position)
{
    uint32_t last = position - 1;
    uint32_t column = AtMost(last % CARET_CHAR_LINE, DUMP_LINE_BYTES - 1);
    return last / CARET_CHAR_LINE * DUMP_LINE_BYTES + column;
}

CaretBytes CaretBytesOf(int column, uint32_t selStart, uint32_t selEnd, uint32_t pageBytes)
{
    CaretBytes bytes = {0, 0};
    uint32_t last;
    if (column == COLUMN_HEX) {
        bytes.first = selStart / HEX_CELL_CHARS;
        last = selEnd > selStart ? (selEnd - 1) / HEX_CELL_CHARS : 0;
    } else {
        bytes.first = CharPositionByte(selStart);
        last = selEnd > selStart ? CharByteBefore(selEnd) : 0;
    }
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
                     uint32_t pageBytes, char *text)
{
    CaretBytes bytes = CaretBytesOf(column, selStart, selEnd, pageBytes);
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

static uint32_t CharCell(uint32_t byte)
{
    return byte / DUMP_LINE_BYTES * CARET_CHAR_LINE + byte % DUMP_LINE_BYTES;
}

void ByteRangeSelection(int column, uint32_t first, uint32_t count, uint32_t *selStart,
                        uint32_t *selEnd)
{
    uint32_t last = first + count - 1;
    if (column == COLUMN_HEX) {
        *selStart = first * HEX_CELL_CHARS;
        *selEnd = last * HEX_CELL_CHARS + 2;
    } else {
        *selStart = CharCell(first);
        *selEnd = CharCell(last) + 1;
    }
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
