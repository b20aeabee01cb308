#include "file/window_math.h"

#include "base/dump_page.h"

uint64_t LocateByteWindow(uint64_t offset, uint32_t windowSize, uint64_t fileSize,
                          WindowSpan *span)
{
    uint64_t windowOffset = (offset / windowSize) * windowSize;
    uint32_t offsetInWindow = (uint32_t)(offset % windowSize);
    uint32_t windowBytes = windowSize;
    uint64_t remaining = fileSize - windowOffset;
    if (remaining < windowSize)
        windowBytes = (uint32_t)remaining;
    span->offsetInWindow = offsetInWindow;
    span->windowBytes = windowBytes;
    // 0 for an offset at or past the end of the file.
    span->bytesAfter = offsetInWindow < windowBytes ? windowBytes - offsetInWindow : 0;
    return windowOffset;
}

uint64_t LocateWindow(uint64_t line, uint32_t windowSize, uint64_t fileSize,
                      WindowSpan *span)
{
    return LocateByteWindow(line * DUMP_LINE_BYTES, windowSize, fileSize, span);
}
