// The forward search over the file, one window at a time, read into a
// search buffer that holds one or more consecutive windows. A match that
// begins in one window and ends in a later one is found through the carry:
// the bytes from the first start position a window could not decide to its
// end, held until the next window is scanned.
#ifndef KORVEX_SEARCH_SCAN_H
#define KORVEX_SEARCH_SCAN_H

#include <stdint.h>

#include "file/window_span.h"
#include "search/search_pattern.h"

// Scans one window for the first occurrence of pattern (patternLength bytes,
// 1 to 127), at or after the start positions held in the carry.
//
// bytes is the first byte of the line being scanned and bytesAfter the bytes
// from there to the window's end. carry and *carryCount (capacity
// SEARCH_PATTERN_CAPACITY) are the bytes just before bytes that are still
// undecided; they are non-empty only when this window begins right where the
// previous one ended, and then startColumn is 0. Carried positions are tested
// first, earliest first, then bytes[startColumn], bytes[startColumn + 1], ...
//
// 1 on a hit, *hitOffset being its position relative to bytes (-k for a
// position k bytes before it). 0 when the window holds no hit; the carry
// then holds the bytes from the first undecided start position to the
// window's end (fewer than patternLength).
int ScanSearchWindow(const unsigned char *pattern, uint32_t patternLength,
                     unsigned char *carry, uint32_t *carryCount,
                     const unsigned char *bytes, uint32_t bytesAfter,
                     uint32_t startColumn, int64_t *hitOffset);

// One step of the search: ScanSearchWindow over the window whose bytes from
// line *searchLine on are bytes[0 .. bytesAfter), from *searchColumn. 1 on a
// hit, *hit its file position. 0 when the window holds none; the search has
// then moved past the window: *searchPos just past its last byte,
// *searchLine the next window's first line, *searchColumn 0.
int ScanSearchStep(const unsigned char *pattern, uint32_t patternLength,
                   unsigned char *carry, uint32_t *carryCount,
                   const unsigned char *bytes, uint32_t bytesAfter,
                   uint64_t *searchLine, uint32_t *searchColumn, uint64_t *searchPos,
                   uint64_t *hit);

// Where the window holding line's first byte lies in a search buffer that
// holds heldBytes bytes of the file from bufferOffset (a window's offset; 0
// bytes: it holds nothing). 1 when the buffer holds that whole window: span
// then counts from the buffer's first byte (offsetInWindow: the line's first
// byte; bytesAfter: from there to the window's end). 0 when another read is
// needed, *windowOffset being where it must begin.
int LocateInSearchBuffer(uint64_t line, uint32_t windowSize, uint64_t fileSize,
                         uint64_t bufferOffset, uint32_t heldBytes, WindowSpan *span,
                         uint64_t *windowOffset);

// The bytes of a read of `windows` windows at offset: never past the end of
// the file.
uint32_t SearchBufferLength(uint64_t offset, uint32_t windows, uint32_t windowSize,
                            uint64_t fileSize);

// Moves a search start (line, column: the caret's byte counted from line's
// first byte, up to a page) to the first line of the window that holds the
// caret's byte when that is a later window than line's, so that the first
// window scanned holds the start byte. The file position line * 16 + column
// is kept. Nothing changes when the start lies in line's own window, at or
// past the end of the file, or when the whole file is one window
// (windowSize not a multiple of 16).
void NormaliseSearchStart(uint64_t *searchLine, uint32_t *searchColumn,
                          uint32_t windowSize, uint64_t fileSize);

// Candidate positions are found 16 at a time with SSE2 where the processor
// has it (chosen once, when the program starts), else by a plain byte search.
// Forces the choice: 1 the SSE2 filter, 0 the plain one. Returns 0, and
// keeps the choice, when SSE2 is asked for and the processor lacks it.
int UseVectorisedScan(int vectorised);

#endif
