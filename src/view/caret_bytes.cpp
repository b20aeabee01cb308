#include "view/caret_bytes.h"

#include "base/byte_cell.h"
#include "base/dump_page.h"
#include "base/viewer_state.h"
#include "edit/hex_pair.h"

// One ReadFile at offset. It moves the file pointer, which the range save
// sets again before each tick's reads.
static uint32_t ReadFileAt(uint64_t offset, uint32_t count, unsigned char *bytes)
{
    OVERLAPPED position;
    ZeroMemory(&position, sizeof position);
    position.Offset = (DWORD)offset;
    position.OffsetHigh = (DWORD)(offset >> 32);
    DWORD read = 0;
    if (!ReadFile(viewer.fileHandle, bytes, count, &read, &position)) {
        return 0;
    }
    return read;
}

uint32_t ReadCaretBytes(uint64_t offset, uint32_t count, unsigned char *bytes)
{
    uint64_t pageStart = viewer.topLine * DUMP_LINE_BYTES;
    uint64_t pageEnd = pageStart + viewer.pageBytes;
    if (offset >= viewer.fileSize) {
        return 0;
    }
    if (count > viewer.fileSize - offset) {
        count = (uint32_t)(viewer.fileSize - offset);
    }
    uint32_t got = 0;
    for (; offset >= pageStart && got < count && offset + got < pageEnd; got++) {
        const char *cell = viewer.hexText + (offset + got - pageStart) * HEX_CELL_CHARS;
        char pair[2] = {cell[0], cell[1]};
        bytes[got] = HexPairValue(pair);
    }
    if (got < count) {
        got += ReadFileAt(offset + got, count - got, bytes + got);
    }
    return got;
}
