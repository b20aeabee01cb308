#include "view/caret_bytes.h"

#include "base/byte_cell.h"
#include "base/dump_page.h"
#include "base/viewer_state.h"
#include "edit/hex_pair.h"
#include "file/mapped_file.h"

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
