#include "file/page_copy.h"

#include <string.h>

// Walks the windows under count bytes from offset on, copying out of them
// (store 0) or into them (store 1). Each window is asked for by the next
// byte's offset, so no window size enters the walk: a window smaller than a
// line, or not a multiple of one, is walked like any other.
static int WalkWindows(uint64_t offset, uint32_t count, MapWindowFn map, void *context,
                       unsigned char *bytes, int store)
{
    uint32_t done = 0;
    while (done < count) {
        WindowSpan span;
        unsigned char *base;
        if (!map(context, offset + done, &span, &base))
            return 0;
        uint32_t rest = count - done;
        uint32_t part = span.bytesAfter < rest ? span.bytesAfter : rest;
        // A window with nothing at the next byte would never finish the run.
        if (part == 0)
            return 0;
        unsigned char *at = base + span.offsetInWindow;
        if (store)
            memcpy(at, bytes + done, part);
        else
            memcpy(bytes + done, at, part);
        done += part;
    }
    return 1;
}

int CopyBytesFromWindows(uint64_t offset, uint32_t count, MapWindowFn map, void *context,
                         unsigned char *bytes)
{
    return WalkWindows(offset, count, map, context, bytes, 0);
}

int StoreBytesToWindows(uint64_t offset, uint32_t count, MapWindowFn map, void *context,
                        const unsigned char *bytes)
{
    return WalkWindows(offset, count, map, context, (unsigned char *)bytes, 1);
}
