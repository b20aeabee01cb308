// How far a running search has got, as the search dialog's caption shows it.
#ifndef KORVEX_SEARCH_PROGRESS_H
#define KORVEX_SEARCH_PROGRESS_H

#include <stdint.h>

// The whole percentage (0 to 100, rounded down) of the bytes from start to
// the end of the file that lie before reached. 100 when nothing lay ahead.
uint32_t SearchPercent(uint64_t start, uint64_t reached, uint64_t fileSize);

// A backward search's: the share of the bytes from the file's start to start
// that lie at or after reached. 100 when nothing lay before start.
uint32_t BackwardSearchPercent(uint64_t start, uint64_t reached);

#endif
