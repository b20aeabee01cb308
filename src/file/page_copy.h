// Moving a page's bytes between a buffer and the mapped windows that hold
// them. A page that runs past the end of its window continues at index 0 of
// the window windowSize / 16 lines further on.
#ifndef KORVEX_PAGE_COPY_H
#define KORVEX_PAGE_COPY_H

#include <stdint.h>

#include "file/window_span.h"

// Maps the window holding line's first byte, fills span and *base (the
// view's first byte, writable). 1 on success, 0 after a failure.
typedef int (*MapWindowFn)(void *context, uint64_t line, WindowSpan *span,
                           unsigned char **base);

// Copies pageBytes bytes starting at topLine's first byte into page. The
// next window is asked for only while bytes remain, and the last window
// asked for stays the mapped one. 0 when a map fails (page then partial).
int CopyPageFromWindows(uint64_t topLine, uint32_t pageBytes, uint32_t windowSize,
                        MapWindowFn map, void *context, unsigned char *page);

// The same walk the other way: stores page's pageBytes bytes into the file
// from topLine's first byte on. 0 when a map fails; bytes stored before the
// failure stay stored.
int StorePageToWindows(uint64_t topLine, uint32_t pageBytes, uint32_t windowSize,
                       MapWindowFn map, void *context, const unsigned char *page);

// Copies count bytes from offset on into bytes, any offset and count: the
// window holding offset's line from offset's place in it, then each next
// window from its index 0 while bytes remain. offset + count must not pass
// the file's end. 0 when a map fails or a window ends too soon.
int CopyBytesFromWindows(uint64_t offset, uint32_t count, uint32_t windowSize,
                         MapWindowFn map, void *context, unsigned char *bytes);

// The same walk the other way: stores count bytes into the file from offset
// on. 0 when a map fails or a window ends too soon; bytes stored
// before that stay stored.
int StoreBytesToWindows(uint64_t offset, uint32_t count, uint32_t windowSize,
                        MapWindowFn map, void *context, const unsigned char *bytes);

#endif
