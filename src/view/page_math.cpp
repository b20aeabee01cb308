#include "view/page_math.h"

#include "base/dump_page.h"
#include "file/file_geometry.h"

uint64_t ClampTopLine(uint64_t line, uint64_t lineCount)
{
    // Bringing the line inside the file first keeps lineCount - line from wrapping.
    if (line > lineCount - 1)
        line = lineCount - 1;
    if (lineCount - line <= DUMP_PAGE_LINES)
        line = lineCount >= DUMP_PAGE_LINES ? lineCount - DUMP_PAGE_LINES : 0;
    return line;
}

uint32_t PageBytesAt(uint64_t topLine, uint64_t lineCount, uint32_t tailBytes)
{
    uint64_t remaining = lineCount - topLine;
    if (remaining > DUMP_PAGE_LINES)
        return DUMP_PAGE_BYTES;
    if (tailBytes == 0)
        return (uint32_t)remaining * DUMP_LINE_BYTES;
    return ((uint32_t)remaining - 1) * DUMP_LINE_BYTES + tailBytes;
}

int ScrollPositionFor(uint64_t topLine, uint64_t lineCount, unsigned char scaledScroll)
{
    if (!scaledScroll)
        return (int)topLine;
    // topLine < 2^38, so the product stays below 2^48.
    return (int)(topLine * SCROLL_SCALE_MAX / (lineCount - DUMP_PAGE_LINES));
}
