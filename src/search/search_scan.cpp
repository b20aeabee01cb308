#include "search/search_scan.h"

#include <string.h>

#include "base/dump_page.h"
#include "file/window_math.h"
#include "search/search_filter.h"
#include "search/search_match.h"

// Tests the carried start positions, earliest first. 1 on a hit; 0 with the
// carry emptied when none stands; -1 when a position cannot be decided yet
// (a window shorter than the longest variant, with the file going on), the
// carry then running from it through the whole window.
static int ScanCarried(const SearchPattern *pattern, unsigned char *carry, uint32_t *carryCount,
                       const unsigned char *bytes, uint32_t bytesAfter, int lastWindow,
                       int64_t *hitOffset, int *hitVariant)
{
    uint32_t count = *carryCount;
    for (uint32_t k = count; k >= 1; k--) {
        const unsigned char *start = carry + count - k;
        if (!lastWindow && k + bytesAfter < pattern->longest) {
            memmove(carry, start, k);
            memcpy(carry + k, bytes, bytesAfter);
            *carryCount = k + bytesAfter;
            return -1;
        }
        int variant = MatchAcross(pattern, start, k, bytes, bytesAfter);
        if (variant >= 0) {
            *hitOffset = -(int64_t)k;
            *hitVariant = variant;
            return 1;
        }
    }
    *carryCount = 0;
    return 0;
}

int ScanSearchWindow(const SearchPattern *pattern, unsigned char *carry, uint32_t *carryCount,
                     const unsigned char *bytes, uint32_t bytesAfter, uint32_t startColumn,
                     int lastWindow, int64_t *hitOffset, int *hitVariant)
{
    if (*carryCount > 0) {
        int carried = ScanCarried(pattern, carry, carryCount, bytes, bytesAfter, lastWindow,
                                  hitOffset, hitVariant);
        if (carried != 0)
            return carried > 0;
    }

    uint32_t e = startColumn;
    uint32_t longest = pattern->longest;
    // The positions at which every variant has room in this window.
    if (bytesAfter >= longest && e <= bytesAfter - longest) {
        const unsigned char *match =
            FindFirstMatch(bytes + e, bytes + (bytesAfter - longest), pattern, hitVariant);
        if (match) {
            *hitOffset = match - bytes;
            return 1;
        }
        e = bytesAfter - longest + 1;
    }
    if (lastWindow) {
        // Nothing follows: the shorter variants may still stand here.
        for (; e < bytesAfter; e++) {
            int variant = MatchAcross(pattern, bytes + e, bytesAfter - e, NULL, 0);
            if (variant >= 0) {
                *hitOffset = e;
                *hitVariant = variant;
                return 1;
            }
        }
        *carryCount = 0;
        return 0;
    }
    *carryCount = e < bytesAfter ? bytesAfter - e : 0;
    memcpy(carry, bytes + e, *carryCount);
    return 0;
}

static void PutHit(const SearchPattern *pattern, uint64_t offset, int variant, SearchHit *hit)
{
    hit->offset = offset;
    hit->length = pattern->variants[variant].length;
    hit->encoding = pattern->variants[variant].encoding;
}

int ScanSearchStep(const SearchPattern *pattern, unsigned char *carry, uint32_t *carryCount,
                   const unsigned char *bytes, uint32_t bytesAfter, uint64_t fileSize,
                   uint64_t *searchLine, uint32_t *searchColumn, uint64_t *searchPos,
                   SearchHit *hit)
{
    int64_t offset = 0;
    int variant = 0;
    uint64_t lineStart = *searchLine * DUMP_LINE_BYTES;
    int lastWindow = lineStart + bytesAfter >= fileSize;
    if (ScanSearchWindow(pattern, carry, carryCount, bytes, bytesAfter, *searchColumn, lastWindow,
                         &offset, &variant)) {
        PutHit(pattern, lineStart + (uint64_t)offset, variant, hit);
        // The search goes on from the next start position: in this window,
        // or among the carried ones after the hit.
        if (offset >= 0) {
            *searchColumn = (uint32_t)offset + 1;
        } else {
            uint32_t after = (uint32_t)-offset - 1;
            memmove(carry, carry + *carryCount - after, after);
            *carryCount = after;
        }
        *searchPos = hit->offset + 1;
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

int ScanBackwardChunk(const SearchPattern *pattern, unsigned char *carry, uint32_t *carryCount,
                      const unsigned char *bytes, uint32_t length, uint32_t limit,
                      uint32_t *hitIndex, int *hitVariant)
{
    uint32_t longest = pattern->longest;
    uint32_t held = length + *carryCount;
    // Positions below inside have room for every variant within the chunk.
    uint32_t inside = length >= longest ? length - longest + 1 : 0;
    uint32_t top = held >= pattern->shortest ? held - pattern->shortest + 1 : 0;
    if (top > limit)
        top = limit;
    // The highest positions first: those whose match may run on into the
    // carry.
    for (uint32_t p = top; p > inside;) {
        p--;
        int variant = MatchAcross(pattern, bytes + p, length - p, carry, *carryCount);
        if (variant >= 0) {
            *hitIndex = p;
            *hitVariant = variant;
            return 1;
        }
    }
    uint32_t within = inside < limit ? inside : limit;
    if (within > 0) {
        const unsigned char *match = FindLastMatch(bytes, within, pattern, hitVariant);
        if (match) {
            *hitIndex = (uint32_t)(match - bytes);
            return 1;
        }
    }
    // The next chunk's matches may run on into this chunk's first bytes.
    uint32_t keep = longest - 1;
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

uint64_t BackwardSearchEnd(uint64_t start, uint32_t longest, uint64_t fileSize)
{
    uint64_t end = start + longest - 1;
    return end < fileSize ? end : fileSize;
}

uint64_t BackwardChunkStart(uint64_t end, uint32_t bufferBytes)
{
    return end == 0 ? 0 : (end - 1) / bufferBytes * bufferBytes;
}

int ScanBackwardStep(const SearchPattern *pattern, unsigned char *carry, uint32_t *carryCount,
                     const unsigned char *bytes, uint64_t chunkStart, uint32_t length,
                     uint64_t start, uint64_t *searchPos, SearchHit *hit)
{
    uint64_t before = start > chunkStart ? start - chunkStart : 0;
    uint32_t limit = before < length ? (uint32_t)before : length;
    uint32_t index = 0;
    int variant = 0;
    if (ScanBackwardChunk(pattern, carry, carryCount, bytes, length, limit, &index, &variant)) {
        PutHit(pattern, chunkStart + index, variant, hit);
        return 1;
    }
    *searchPos = chunkStart;
    return 0;
}
