// The scan's candidate filter: two bytes of each variant (its first and one
// other that is neither any byte nor, where the pattern has another, a zero
// or the first byte's value) are compared for 64 positions at a time, and
// only the positions where both stand get the full comparison. AVX2 where the
// processor and the system have it, else SSE2, else a plain byte search;
// chosen once when the program starts.
#ifndef KORVEX_SEARCH_FILTER_H
#define KORVEX_SEARCH_FILTER_H

#include <stdint.h>

#include "search/search_pattern.h"

enum ScanFilter { SCAN_FILTER_PLAIN = 0, SCAN_FILTER_SSE2, SCAN_FILTER_AVX2, SCAN_FILTER_COUNT };

// The first position from next to last (both included, next <= last) at
// which a variant stands, every variant having room at last; *variant its
// index. Null when there is none.
const unsigned char *FindFirstMatch(const unsigned char *next, const unsigned char *last,
                                    const SearchPattern *pattern, int *variant);

// The last of the count positions from first on at which a variant stands,
// every variant having room at each; *variant its index. Null when none.
const unsigned char *FindLastMatch(const unsigned char *first, uint32_t count,
                                   const SearchPattern *pattern, int *variant);

// Chooses the filter (a ScanFilter): 1, or 0 with the choice kept when this
// processor or system cannot run it. Tests and benchmarks compare them.
int UseScanFilter(int filter);

// The best filter this processor and system run.
int BestScanFilter(void);

#endif
