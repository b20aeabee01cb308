#include "search/search_scan.h"

#include <string.h>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#include <emmintrin.h>
#define KORVEX_HAVE_SSE2_SCAN 1
#endif

#include "base/dump_page.h"
#include "file/window_math.h"

// The first start position from next to last (both included) at which the
// whole pattern stands, or null.
typedef const unsigned char *(*FindMatchFn)(const unsigned char *next,
                                            const unsigned char *last,
                                            const unsigned char *pattern,
                                            uint32_t patternLength);

static const unsigned char *FindMatchPlain(const unsigned char *next, const unsigned char *last,
                                           const unsigned char *pattern, uint32_t patternLength)
{
    while (next <= last) {
        const unsigned char *first =
            (const unsigned char *)memchr(next, pattern[0], (size_t)(last - next) + 1);
        if (!first)
            return NULL;
        if (memcmp(first + 1, pattern + 1, patternLength - 1) == 0)
            return first;
        next = first + 1;
    }
    return NULL;
}

// The last of the count start positions from first on at which the whole
// pattern stands, or null. The C runtime has no memrchr to lean on.
typedef const unsigned char *(*FindLastMatchFn)(const unsigned char *first, uint32_t count,
                                                const unsigned char *pattern,
                                                uint32_t patternLength);

static const unsigned char *FindLastMatchPlain(const unsigned char *first, uint32_t count,
                                               const unsigned char *pattern,
                                               uint32_t patternLength)
{
    while (count > 0) {
        const unsigned char *at = first + --count;
        if (*at == pattern[0] && memcmp(at + 1, pattern + 1, patternLength - 1) == 0)
            return at;
    }
    return NULL;
}

#ifdef KORVEX_HAVE_SSE2_SCAN
static int ProcessorHasSse2(void)
{
    unsigned int a, b, c, d;
    if (!__get_cpuid(1, &a, &b, &c, &d))
        return 0;
    return (d & bit_SSE2) != 0;
}

// Sixteen start positions from at on: bit i is set when both the pattern's
// first and its last byte stand where they belong for position at + i, and
// only such candidates get the full comparison. The program is built for any
// i386, so only SSE2 functions may use it, and they realign the stack for
// their vectors (32-bit Windows keeps it 4-byte aligned).
__attribute__((target("sse2"), always_inline))
static inline unsigned int CandidateMask(const unsigned char *at, __m128i firstByte,
                                         __m128i lastByte, uint32_t patternLength)
{
    __m128i firsts = _mm_loadu_si128((const __m128i *)at);
    __m128i lasts = _mm_loadu_si128((const __m128i *)(at + patternLength - 1));
    return (unsigned int)_mm_movemask_epi8(
        _mm_and_si128(_mm_cmpeq_epi8(firsts, firstByte), _mm_cmpeq_epi8(lasts, lastByte)));
}

__attribute__((target("sse2"), force_align_arg_pointer))
static const unsigned char *FindMatchSse2(const unsigned char *next, const unsigned char *last,
                                          const unsigned char *pattern, uint32_t patternLength)
{
    const __m128i firstByte = _mm_set1_epi8((char)pattern[0]);
    const __m128i lastByte = _mm_set1_epi8((char)pattern[patternLength - 1]);
    // The block's last position, 15 on, still lies at or before last, so
    // neither load reaches past the pattern's end at that position.
    while (last - next >= 15) {
        unsigned int candidates = CandidateMask(next, firstByte, lastByte, patternLength);
        while (candidates != 0) {
            const unsigned char *at = next + __builtin_ctz(candidates);
            if (memcmp(at + 1, pattern + 1, patternLength - 1) == 0)
                return at;
            candidates &= candidates - 1;
        }
        next += 16;
    }
    return FindMatchPlain(next, last, pattern, patternLength);
}

// The same filter walking down: the last block first, its highest candidate
// first.
__attribute__((target("sse2"), force_align_arg_pointer))
static const unsigned char *FindLastMatchSse2(const unsigned char *first, uint32_t count,
                                              const unsigned char *pattern,
                                              uint32_t patternLength)
{
    const __m128i firstByte = _mm_set1_epi8((char)pattern[0]);
    const __m128i lastByte = _mm_set1_epi8((char)pattern[patternLength - 1]);
    while (count >= 16) {
        const unsigned char *block = first + count - 16;
        unsigned int candidates = CandidateMask(block, firstByte, lastByte, patternLength);
        while (candidates != 0) {
            int highest = 31 - __builtin_clz(candidates);
            if (memcmp(block + highest + 1, pattern + 1, patternLength - 1) == 0)
                return block + highest;
            candidates &= ~(1u << highest);
        }
        count -= 16;
    }
    return FindLastMatchPlain(first, count, pattern, patternLength);
}

static FindMatchFn findMatch = ProcessorHasSse2() ? FindMatchSse2 : FindMatchPlain;
static FindLastMatchFn findLastMatch =
    ProcessorHasSse2() ? FindLastMatchSse2 : FindLastMatchPlain;

int UseVectorisedScan(int vectorised)
{
    if (vectorised && !ProcessorHasSse2())
        return 0;
    findMatch = vectorised ? FindMatchSse2 : FindMatchPlain;
    findLastMatch = vectorised ? FindLastMatchSse2 : FindLastMatchPlain;
    return 1;
}
#else
static FindMatchFn findMatch = FindMatchPlain;
static FindLastMatchFn findLastMatch = FindLastMatchPlain;

int UseVectorisedScan(int vectorised)
{
    return !vectorised;
}
#endif

// Tests the carried start positions, earliest first. 1 on a hit; 0 with the
// carry emptied when none matches; -1 when a position needs bytes past this
// window, the carry then running from it through the whole window.
static int ScanCarried(const unsigned char *pattern, uint32_t patternLength,
                       unsigned char *carry, uint32_t *carryCount,
                       const unsigned char *bytes, uint32_t bytesAfter, int64_t *hitOffset)
{
    uint32_t count = *carryCount;
    for (uint32_t k = count; k >= 1; k--) {
        const unsigned char *start = carry + count - k;
        if (memcmp(start, pattern, k) != 0)
            continue;
        uint32_t rest = patternLength - k;
        uint32_t seen = rest <= bytesAfter ? rest : bytesAfter;
        if (memcmp(bytes, pattern + k, seen) != 0)
            continue;
        if (seen == rest) {
            *hitOffset = -(int64_t)k;
            return 1;
        }
        // Only with a window shorter than the pattern: the position stays
        // open, with everything after it.
        memmove(carry, start, k);
        memcpy(carry + k, bytes, bytesAfter);
        *carryCount = k + bytesAfter;
        return -1;
    }
    *carryCount = 0;
    return 0;
}

int ScanSearchWindow(const unsigned char *pattern, uint32_t patternLength,
                     unsigned char *carry, uint32_t *carryCount,
                     const unsigned char *bytes, uint32_t bytesAfter,
                     uint32_t startColumn, int64_t *hitOffset)
{
    if (*carryCount > 0) {
        int carried = ScanCarried(pattern, patternLength, carry, carryCount, bytes,
                                  bytesAfter, hitOffset);
        if (carried != 0)
            return carried > 0;
    }

    uint32_t e = startColumn;
    if (bytesAfter >= patternLength && e <= bytesAfter - patternLength) {
        const unsigned char *match =
            findMatch(bytes + e, bytes + (bytesAfter - patternLength), pattern, patternLength);
        if (match) {
            *hitOffset = match - bytes;
            return 1;
        }
        e = bytesAfter - patternLength + 1;
    }
    *carryCount = e < bytesAfter ? bytesAfter - e : 0;
    memcpy(carry, bytes + e, *carryCount);
    return 0;
}

int ScanSearchStep(const unsigned char *pattern, uint32_t patternLength,
                   unsigned char *carry, uint32_t *carryCount,
                   const unsigned char *bytes, uint32_t bytesAfter,
                   uint64_t *searchLine, uint32_t *searchColumn, uint64_t *searchPos,
                   uint64_t *hit)
{
    int64_t offset = 0;
    uint64_t lineStart = *searchLine * DUMP_LINE_BYTES;
    if (ScanSearchWindow(pattern, patternLength, carry, carryCount, bytes, bytesAfter,
                         *searchColumn, &offset)) {
        *hit = lineStart + (uint64_t)offset;
        // The search goes on from the next start position: in this window,
        // or among the carried ones after the hit.
        if (offset >= 0) {
            *searchColumn = (uint32_t)offset + 1;
        } else {
            uint32_t after = (uint32_t)-offset - 1;
            memmove(carry, carry + *carryCount - after, after);
            *carryCount = after;
        }
        *searchPos = *hit + 1;
        return 1;
    }
    *searchPos = lineStart + bytesAfter;
    *searchLine += bytesAfter / DUMP_LINE_BYTES;
    *searchColumn = 0;
    return 0;
}

int LocateInSearchBuffer(uint64_t line, uint32_t windowSize, uint64_t fileSize,
                         uint64_t bufferOffset, uint32_t heldBytes, WindowSpan *span,
                         uint64_t *windowOffset)
{
    WindowSpan located;
    *windowOffset = LocateWindow(line, windowSize, fileSize, &located);
    if (heldBytes == 0 || *windowOffset < bufferOffset ||
        *windowOffset - bufferOffset + located.windowBytes > heldBytes)
        return 0;
    uint32_t windowStart = (uint32_t)(*windowOffset - bufferOffset);
    span->offsetInWindow = windowStart + located.offsetInWindow;
    span->windowBytes = located.windowBytes;
    span->bytesAfter = located.bytesAfter;
    return 1;
}

uint32_t SearchBufferLength(uint64_t offset, uint32_t windows, uint32_t windowSize,
                            uint64_t fileSize)
{
    uint64_t wanted = (uint64_t)windows * windowSize;
    uint64_t remaining = fileSize - offset;
    return (uint32_t)(remaining < wanted ? remaining : wanted);
}

void NormaliseSearchStart(uint64_t *searchLine, uint32_t *searchColumn,
                          uint32_t windowSize, uint64_t fileSize)
{
    if (windowSize < DUMP_LINE_BYTES || windowSize % DUMP_LINE_BYTES != 0)
        return;
    uint64_t position = *searchLine * DUMP_LINE_BYTES + *searchColumn;
    if (position >= fileSize)
        return;
    uint64_t windowLine = position / windowSize * (windowSize / DUMP_LINE_BYTES);
    if (windowLine > *searchLine) {
        *searchLine = windowLine;
        *searchColumn = (uint32_t)(position - windowLine * DUMP_LINE_BYTES);
    }
}

int ScanBackwardChunk(const unsigned char *pattern, uint32_t patternLength,
                      unsigned char *carry, uint32_t *carryCount,
                      const unsigned char *bytes, uint32_t length, uint32_t limit,
                      uint32_t *hitIndex)
{
    uint32_t held = length + *carryCount;
    uint32_t inside = length >= patternLength ? length - patternLength + 1 : 0;
    uint32_t top = held >= patternLength ? held - patternLength + 1 : 0;
    if (top > limit)
        top = limit;
    // The highest positions first: those whose match runs on into the carry.
    for (uint32_t p = top; p > inside;) {
        p--;
        uint32_t here = length - p;
        if (memcmp(bytes + p, pattern, here) == 0 &&
            memcmp(carry, pattern + here, patternLength - here) == 0) {
            *hitIndex = p;
            return 1;
        }
    }
    uint32_t within = inside < limit ? inside : limit;
    if (within > 0) {
        const unsigned char *match = findLastMatch(bytes, within, pattern, patternLength);
        if (match) {
            *hitIndex = (uint32_t)(match - bytes);
            return 1;
        }
    }
    // The next chunk's matches may run on into this chunk's first bytes.
    uint32_t keep = patternLength - 1;
    if (length >= keep) {
        memcpy(carry, bytes, keep);
        *carryCount = keep;
    } else {
        uint32_t old = *carryCount < keep - length ? *carryCount : keep - length;
        memmove(carry + length, carry, old);
        memcpy(carry, bytes, length);
        *carryCount = length + old;
    }
    return 0;
}

uint64_t BackwardSearchEnd(uint64_t start, uint32_t patternLength, uint64_t fileSize)
{
    uint64_t end = start + patternLength - 1;
    return end < fileSize ? end : fileSize;
}

uint64_t BackwardChunkStart(uint64_t end, uint32_t bufferBytes)
{
    return end == 0 ? 0 : (end - 1) / bufferBytes * bufferBytes;
}

int ScanBackwardStep(const unsigned char *pattern, uint32_t patternLength,
                     unsigned char *carry, uint32_t *carryCount,
                     const unsigned char *bytes, uint64_t chunkStart, uint32_t length,
                     uint64_t start, uint64_t *searchPos, uint64_t *hit)
{
    uint64_t before = start > chunkStart ? start - chunkStart : 0;
    uint32_t limit = before < length ? (uint32_t)before : length;
    uint32_t index = 0;
    if (ScanBackwardChunk(pattern, patternLength, carry, carryCount, bytes, length, limit,
                          &index)) {
        *hit = chunkStart + index;
        return 1;
    }
    *searchPos = chunkStart;
    return 0;
}
