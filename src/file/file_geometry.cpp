#include "file/file_geometry.h"

#include "base/dump_page.h"

uint64_t JoinFileSize(uint32_t sizeHigh, uint32_t sizeLow)
{
    return ((uint64_t)sizeHigh << 32) | sizeLow;
}

int CheckFileSize(uint64_t fileSize)
{
    if (fileSize > FILE_SIZE_LIMIT)
        return FILE_SIZE_TOO_LARGE;
    if (fileSize == 0)
        return FILE_SIZE_EMPTY;
    return FILE_SIZE_OK;
}

int FitsInFile(uint64_t offset, uint64_t count, uint64_t fileSize)
{
    return offset <= fileSize && count <= fileSize - offset;
}

uint32_t WindowSizeFor(uint32_t granularity, uint64_t fileSize)
{
    if ((uint64_t)granularity > fileSize)
        return (uint32_t)fileSize;
    return granularity;
}

void CountLines(uint64_t fileSize, uint64_t *lineCount, uint32_t *tailBytes)
{
    *lineCount = fileSize / DUMP_LINE_BYTES;
    *tailBytes = (uint32_t)(fileSize % DUMP_LINE_BYTES);
    if (*tailBytes != 0)
        *lineCount += 1;
}

int ScrollRangeTop(uint64_t lineCount, unsigned char *scaledScroll)
{
    *scaledScroll = 0;
    if (lineCount <= DUMP_PAGE_LINES)
        return 0;
    if (lineCount - DUMP_PAGE_LINES <= SCROLL_SCALE_MAX)
        return (int)(lineCount - DUMP_PAGE_LINES);
    *scaledScroll = 1;
    return SCROLL_SCALE_MAX;
}
