#include "file/window_math.h"

#include "base/dump_page.h"

uint64_t LocateWindow(uint64_t line, uint32_t windowSize, uint64_t fileSize,
                      WindowSpan *span)
{
    uint64_t byteOffset = line * DUMP_LINE_BYTES;
    uint64_t windowOffset = (byteOffset / windowSize) * windowSize;
    uint32_t offsetInWindow = (uint32_t)(byteOffset % windowSize);
    uint32_t windowBytes = windowSize;
    uint64_t remaining = fileSize - windowOffset;
    if (remaining < windowSize)
        windowBytes = (uint32_t)remaining;
    span->offsetInWindow = offsetInWindow;
    span->windowBytes = windowBytes;
    span->bytesAfter = windowBytes - offsetInWindow;
    return windowOffset;
}
