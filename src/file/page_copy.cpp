#include "file/page_copy.h"

#include <string.h>

#include "base/dump_page.h"

// Walks the windows under the page, copying out of them (store 0) or into
// them (store 1). Each further window is windowSize / 16 lines on and is
// used from its index 0; none is mapped once the page is complete.
static int WalkPageWindows(uint64_t topLine, uint32_t pageBytes, uint32_t windowSize,
                           MapWindowFn map, void *context, unsigned char *page,
                           int store)
{
    WindowSpan span;
    unsigned char *base;
    if (!map(context, topLine, &span, &base))
        return 0;
    uint32_t done = span.bytesAfter >= pageBytes ? pageBytes : span.bytesAfter;
    if (store)
        memcpy(base + span.offsetInWindow, page, done);
    else
        memcpy(page, base + span.offsetInWindow, done);

    uint64_t line = topLine;
    uint32_t windowLines = windowSize / DUMP_LINE_BYTES;
    while (done < pageBytes) {
        line += windowLines;
        if (!map(context, line, &span, &base))
            return 0;
        uint32_t rest = pageBytes - done;
        uint32_t part = span.windowBytes < rest ? span.windowBytes : rest;
        // A window with nothing in it would never finish the page.
        if (part == 0)
            return 0;
        if (store)
            memcpy(base, page + done, part);
        else
            memcpy(page + done, base, part);
        done += part;
    }
    return 1;
}

int CopyPageFromWindows(uint64_t topLine, uint32_t pageBytes, uint32_t windowSize,
                        MapWindowFn map, void *context, unsigned char *page)
{
    return WalkPageWindows(topLine, pageBytes, windowSize, map, context, page, 0);
}

int StorePageToWindows(uint64_t topLine, uint32_t pageBytes, uint32_t windowSize,
                       MapWindowFn map, void *context, const unsigned char *page)
{
    return WalkPageWindows(topLine, pageBytes, windowSize, map, context,
                           (unsigned char *)page, 1);
}

// Walks the windows under count bytes from offset on, copying out of them
// (store 0) or into them (store 1): the first window from offset's place in
// it, each next one from its index 0.
static int WalkByteWindows(uint64_t offset, uint32_t count, uint32_t windowSize,
                           MapWindowFn map, void *context, unsigned char *bytes, int store)
{
    uint64_t line = offset / DUMP_LINE_BYTES;
    uint32_t inLine = (uint32_t)(offset % DUMP_LINE_BYTES);
    uint64_t windowLines = windowSize / DUMP_LINE_BYTES;
    uint32_t done = 0;
    while (done < count) {
        WindowSpan span;
        unsigned char *base;
        if (!map(context, line, &span, &base))
            return 0;
        uint32_t from = span.offsetInWindow + inLine;
        // A window with nothing at offset would never finish the bytes.
        if (from >= span.windowBytes)
            return 0;
        uint32_t rest = count - done;
        uint32_t room = span.windowBytes - from;
        uint32_t part = room < rest ? room : rest;
        if (store)
            memcpy(base + from, bytes + done, part);
        else
            memcpy(bytes + done, base + from, part);
        done += part;
        line = (line / windowLines + 1) * windowLines;
        inLine = 0;
    }
    return 1;
}

int CopyBytesFromWindows(uint64_t offset, uint32_t count, uint32_t windowSize,
                         MapWindowFn map, void *context, unsigned char *bytes)
{
    return WalkByteWindows(offset, count, windowSize, map, context, bytes, 0);
}

int StoreBytesToWindows(uint64_t offset, uint32_t count, uint32_t windowSize,
                        MapWindowFn map, void *context, const unsigned char *bytes)
{
    return WalkByteWindows(offset, count, windowSize, map, context, (unsigned char *)bytes, 1);
}
