// The arithmetic of moving the page: which line can be the top line, how
// many bytes the page then holds, and where the scroll bar's thumb stands.
#ifndef KORVEX_PAGE_MATH_H
#define KORVEX_PAGE_MATH_H

#include <stdint.h>

// Any requested line, however large (a step up from line 0 wraps to
// 2^64 - 1), becomes min(line, max(lineCount - 48, 0)), so the last page
// always ends with the file's last byte. lineCount is at least 1.
uint64_t ClampTopLine(uint64_t line, uint64_t lineCount);

// Bytes on the page at topLine: 768, or fewer on the file's last page.
// topLine is a clamped line.
uint32_t PageBytesAt(uint64_t topLine, uint64_t lineCount, uint32_t tailBytes);

// The thumb position for topLine, 0 to 1000. With scaledScroll the line is
// scaled onto the range, so the last page is exactly 1000.
int ScrollPositionFor(uint64_t topLine, uint64_t lineCount, unsigned char scaledScroll);

#endif
