// How far a running search has got, as the search dialog's caption shows it.
#ifndef KORVEX_SEARCH_PROGRESS_H
#define KORVEX_SEARCH_PROGRESS_H

#include <stdint.h>

// The whole percentage (0 to 100, rounded down) of the bytes from start to
// the end of the file that lie before reached. 100 when nothing lay ahead.
uint32_t SearchPercent(uint64_t start, uint64_t reached, uint64_t fileSize);

#endif
