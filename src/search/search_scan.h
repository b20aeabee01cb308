// The search over the file. Forward: one window at a time, read into a
// search buffer that holds one or more consecutive windows; a match that
// begins in one window and ends in a later one is found through the carry:
// the bytes from the first start position a window could not decide to its
// end, held until the next window is scanned. Backward: one buffer's chunk
// at a time toward the file's start, the carry then holding the first bytes
// of the chunk scanned before, which a match in the next chunk may run into.
// Where several variants stand at one position (すべて), the longest is the
// hit; the candidates inside a window come from the filter of search_filter.
#ifndef KORVEX_SEARCH_SCAN_H
#define KORVEX_SEARCH_SCAN_H

#include <stdint.h>

#include "file/window_span.h"
#include "search/search_pattern.h"

// A hit: where it starts, and the bytes and encoding of the variant found
// there.
struct SearchHit {
    uint64_t offset;
    uint32_t length;
    unsigned char encoding;
};

// Scans one window for the first position at which a variant of pattern
// stands, at or after the start positions held in the carry.
//
// bytes is the first byte of the line being scanned and bytesAfter the bytes
// from there to the window's end. carry and *carryCount (capacity
// SEARCH_PATTERN_CAPACITY) are the bytes just before bytes that are still
// undecided; they are non-empty only when this window begins right where the
// previous one ended, and then startColumn is 0. Carried positions are tested
// first, earliest first, then bytes[startColumn], bytes[startColumn + 1], ...
// A position is decided once the longest variant has room after it, or, in
// the file's last window (lastWindow), with the bytes there are.
//
// 1 on a hit, *hitOffset being its position relative to bytes (-k for a
// position k bytes before it) and *hitVariant the variant's index. 0 when the
// window holds no hit; the carry then holds the bytes from the first
// undecided start position to the window's end (fewer than the longest
// variant; none after the last window).
int ScanSearchWindow(const SearchPattern *pattern, unsigned char *carry, uint32_t *carryCount,
                     const unsigned char *bytes, uint32_t bytesAfter, uint32_t startColumn,
                     int lastWindow, int64_t *hitOffset, int *hitVariant);

// One step of the search: ScanSearchWindow over the window whose bytes from
// line *searchLine on are bytes[0 .. bytesAfter), from *searchColumn, in a
// file of fileSize bytes. 1 on a hit; the state then stands on the next start
// position (*searchPos just past the hit), so that the next step finds the
// next hit, overlapping ones too. 0 when the window holds none; the search
// has then moved past the window: *searchPos just past its last byte,
// *searchLine the next window's first line, *searchColumn 0.
int ScanSearchStep(const SearchPattern *pattern, unsigned char *carry, uint32_t *carryCount,
                   const unsigned char *bytes, uint32_t bytesAfter, uint64_t fileSize,
                   uint64_t *searchLine, uint32_t *searchColumn, uint64_t *searchPos,
                   SearchHit *hit);

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

// Scans one chunk of the file backward for the last position before limit
// (at most length) at which a variant of pattern stands. bytes[0 .. length)
// is the chunk, and carry[0 .. *carryCount) the bytes that follow it in the
// file (fewer than the longest variant; none for the first chunk scanned,
// which then ends where the last possible match would). 1 on a hit,
// *hitIndex its position in the chunk and *hitVariant the variant's index.
// 0 when the chunk holds none: the carry then holds the chunk's first bytes
// and what followed, one fewer than the longest variant (fewer only at the
// file's end), for the chunk before.
int ScanBackwardChunk(const SearchPattern *pattern, unsigned char *carry, uint32_t *carryCount,
                      const unsigned char *bytes, uint32_t length, uint32_t limit,
                      uint32_t *hitIndex, int *hitVariant);

// Where a backward search from start (matches must begin before it, and may
// end at or after it) reads up to: the end of its first chunk.
uint64_t BackwardSearchEnd(uint64_t start, uint32_t longest, uint64_t fileSize);

// The first byte of the chunk that ends at end (above 0): the chunks lie on
// whole multiples of bufferBytes, so only the first may be short.
uint64_t BackwardChunkStart(uint64_t end, uint32_t bufferBytes);

// One step backward: ScanBackwardChunk over the chunk bytes[0 .. length) at
// file position chunkStart, for matches starting before start. 1 on a hit.
// 0 when the chunk holds none; *searchPos is then chunkStart, the end of the
// next chunk (0: the file's start is reached).
int ScanBackwardStep(const SearchPattern *pattern, unsigned char *carry, uint32_t *carryCount,
                     const unsigned char *bytes, uint64_t chunkStart, uint32_t length,
                     uint64_t start, uint64_t *searchPos, SearchHit *hit);

#endif
