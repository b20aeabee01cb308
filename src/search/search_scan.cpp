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

#ifdef KORVEX_HAVE_SSE2_SCAN
static int ProcessorHasSse2(void)
{
    unsigned int a, b, c, d;
    if (!__get_cpuid(1, &a, &b, &c, &d))
        return 0;
    return (d & bit_SSE2) != 0;
}

// Sixteen start positions at a time: a position is a candidate when both the
// pattern's first and its last byte stand where they belong, and only
// candidates get the full comparison. The program is built for any i386, so
// only this function may use SSE2, and it realigns the stack for its
// vectors (32-bit Windows keeps it 4-byte aligned).
__attribute__((target("sse2"), force_align_arg_pointer))
static const unsigned char *FindMatchSse2(const unsigned char *next, const unsigned char *last,
                                          const unsigned char *pattern, uint32_t patternLength)
{
    const __m128i firstByte = _mm_set1_epi8((char)pattern[0]);
    const __m128i lastByte = _mm_set1_epi8((char)pattern[patternLength - 1]);
    // The block's last position, 15 on, still lies at or before last, so
    // neither load reaches past the pattern's end at that position.
    while (last - next >= 15) {
        __m128i firsts = _mm_loadu_si128((const __m128i *)next);
        __m128i lasts = _mm_loadu_si128((const __m128i *)(next + patternLength - 1));
        unsigned int candidates = (unsigned int)_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(firsts, firstByte), _mm_cmpeq_epi8(lasts, lastByte)));
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

static FindMatchFn findMatch = ProcessorHasSse2() ? FindMatchSse2 : FindMatchPlain;

int UseVectorisedScan(int vectorised)
{
    if (vectorised && !ProcessorHasSse2())
        return 0;
    findMatch = vectorised ? FindMatchSse2 : FindMatchPlain;
    return 1;
}
#else
static FindMatchFn findMatch = FindMatchPlain;

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
