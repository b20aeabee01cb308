// The forward search over the file, one mapped window at a time. A match
// that begins in one window and ends in a later one is found through the
// carry: the bytes from the first start position a window could not decide
// to its end, held until the next window is scanned.
#ifndef KORVEX_SEARCH_SCAN_H
#define KORVEX_SEARCH_SCAN_H

#include <stdint.h>

#include "search/search_pattern.h"

// Scans one window for the first occurrence of pattern (patternLength bytes,
// 1 to 127), at or after the start positions held in the carry.
//
// bytes is the first byte of the line being scanned (the window's base plus
// offsetInWindow) and bytesAfter the bytes from there to the window's end.
// carry and *carryCount (capacity SEARCH_PATTERN_CAPACITY) are the bytes
// just before bytes that are still undecided; they are non-empty only when
// this window begins right where the previous one ended, and then
// startColumn is 0. Carried positions are tested first, earliest first,
// then bytes[startColumn], bytes[startColumn + 1], ...
//
// 1 on a hit, *hitOffset being its position relative to bytes (-k for a
// position k bytes before it). 0 when the window holds no hit; the carry
// then holds the bytes from the first undecided start position to the
// window's end (fewer than patternLength).
int ScanSearchWindow(const unsigned char *pattern, uint32_t patternLength,
                     unsigned char *carry, uint32_t *carryCount,
                     const unsigned char *bytes, uint32_t bytesAfter,
                     uint32_t startColumn, int64_t *hitOffset);

// Moves a search start (line, column: the caret's byte counted from line's
// first byte, up to a page) to the first line of the window that holds the
// caret's byte when that is a later window than line's, so that the first
// window scanned holds the start byte. The file position line * 16 + column
// is kept. Nothing changes when the start lies in line's own window, at or
// past the end of the file, or when the whole file is one window
// (windowSize not a multiple of 16).
void NormaliseSearchStart(uint64_t *searchLine, uint32_t *searchColumn,
                          uint32_t windowSize, uint64_t fileSize);

// The whole search over a file held in memory, walked through windows of
// windowSize bytes (a multiple of 16, or the whole file) as the timer ticks
// would walk it, from the byte startColumn bytes after startLine's first
// byte. 1 and *hit when found, 0 when the end of the file is reached.
int SearchFileBytes(const unsigned char *file, uint64_t fileSize, uint32_t windowSize,
                    uint64_t startLine, uint32_t startColumn,
                    const unsigned char *pattern, uint32_t patternLength, uint64_t *hit);

#endif
