#include "search/search_scan.h"

#include <string.h>

#include "view/dump_page.h"

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
        const unsigned char *next = bytes + e;
        const unsigned char *last = bytes + (bytesAfter - patternLength);
        while (next <= last) {
            const unsigned char *first =
                (const unsigned char *)memchr(next, pattern[0], (size_t)(last - next) + 1);
            if (!first)
                break;
            if (memcmp(first + 1, pattern + 1, patternLength - 1) == 0) {
                *hitOffset = first - bytes;
                return 1;
            }
            next = first + 1;
        }
        e = bytesAfter - patternLength + 1;
    }
    *carryCount = e < bytesAfter ? bytesAfter - e : 0;
    memcpy(carry, bytes + e, *carryCount);
    return 0;
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

int SearchFileBytes(const unsigned char *file, uint64_t fileSize, uint32_t windowSize,
                    uint64_t startLine, uint32_t startColumn,
                    const unsigned char *pattern, uint32_t patternLength, uint64_t *hit)
{
    unsigned char carry[SEARCH_PATTERN_CAPACITY];
    uint32_t carryCount = 0;
    uint64_t line = startLine;
    uint32_t column = startColumn;
    NormaliseSearchStart(&line, &column, windowSize, fileSize);
    uint64_t position = line * DUMP_LINE_BYTES + column;
    while (position < fileSize) {
        uint64_t lineStart = line * DUMP_LINE_BYTES;
        uint64_t windowStart = lineStart / windowSize * windowSize;
        uint64_t windowEnd = fileSize - windowStart < windowSize ? fileSize
                                                                 : windowStart + windowSize;
        uint32_t bytesAfter = (uint32_t)(windowEnd - lineStart);
        int64_t offset;
        if (ScanSearchWindow(pattern, patternLength, carry, &carryCount, file + lineStart,
                             bytesAfter, column, &offset)) {
            *hit = lineStart + (uint64_t)offset;
            return 1;
        }
        position = lineStart + bytesAfter;
        line += bytesAfter / DUMP_LINE_BYTES;
        column = 0;
    }
    return 0;
}
