// Whether a search pattern stands at one position: the full comparison that
// every candidate of the scan's filter gets.
#ifndef KORVEX_SEARCH_MATCH_H
#define KORVEX_SEARCH_MATCH_H

#include <stdint.h>

#include "search/search_pattern.h"

// The variant (an index into pattern->variants) that stands at bytes, where
// every variant has room: the first in the pattern's order, so the longest.
// -1 when none does.
int MatchAt(const SearchPattern *pattern, const unsigned char *bytes);

// The same where the position's bytes lie in two pieces, head[0 .. headBytes)
// and then tail[0 .. tailBytes), and a variant longer than both together
// does not stand there.
int MatchAcross(const SearchPattern *pattern, const unsigned char *head, uint32_t headBytes,
                const unsigned char *tail, uint32_t tailBytes);

#endif
