// Which window holds a byte or a line, and where it lies in it. Windows are
// windowSize bytes, start at multiples of windowSize and only the last one
// of the file is shorter.
#ifndef KORVEX_WINDOW_MATH_H
#define KORVEX_WINDOW_MATH_H

#include <stdint.h>

#include "file/window_span.h"

// Fills span for the byte at offset and returns the file offset of the
// window to map. windowSize must not be 0 (it is set for an open file).
uint64_t LocateByteWindow(uint64_t offset, uint32_t windowSize, uint64_t fileSize,
                          WindowSpan *span);

// The same for the line's first byte. The line + windowSize / 16 lies at the
// same offsetInWindow one window on.
uint64_t LocateWindow(uint64_t line, uint32_t windowSize, uint64_t fileSize,
                      WindowSpan *span);

#endif
