// Moving bytes between a buffer and the mapped windows that hold them: a run
// that passes the end of its window goes on at the next window's first byte.
#ifndef KORVEX_PAGE_COPY_H
#define KORVEX_PAGE_COPY_H

#include <stdint.h>

#include "file/window_span.h"

// Maps the window holding the byte at offset, fills span for that byte and
// *base (the view's first byte, writable). 1 on success, 0 after a failure.
typedef int (*MapWindowFn)(void *context, uint64_t offset, WindowSpan *span,
                           unsigned char **base);

// Copies count bytes from offset on into bytes, whatever the window size:
// each window from the next byte's place in it. The next window is asked for
// only while bytes remain, and the last one asked for stays the mapped one.
// offset + count must not pass the file's end. 0 when a map fails or a
// window holds nothing at the next byte (bytes then partial).
int CopyBytesFromWindows(uint64_t offset, uint32_t count, MapWindowFn map, void *context,
                         unsigned char *bytes);

// The same walk the other way: stores count bytes into the file from offset
// on. 0 when a map fails or a window holds nothing at the next byte; bytes
// stored before that stay stored.
int StoreBytesToWindows(uint64_t offset, uint32_t count, MapWindowFn map, void *context,
                        const unsigned char *bytes);

#endif
