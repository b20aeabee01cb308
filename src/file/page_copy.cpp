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
