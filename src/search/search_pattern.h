// The search text turned into the bytes searched for.
#ifndef KORVEX_SEARCH_PATTERN_H
#define KORVEX_SEARCH_PATTERN_H

#include <stdint.h>

// At most this many bytes of the box's text are read (and the terminating
// zero); a string pattern may be that long, so the pattern and the carry
// are this large.
#define SEARCH_TEXT_MAX 127
#define SEARCH_PATTERN_CAPACITY 128

// Hex mode: HexPairValue on a working copy of the text (its first
// SEARCH_TEXT_MAX characters) at every third character, 0, 3, 6, ... while
// below the text's length. The characters in between are never looked at;
// a lone last digit pairs with the terminating zero. Returns the byte count,
// the text's length divided by 3 and rounded up (43 at most).
uint32_t HexSearchPattern(const char *text, unsigned char *pattern);

// String mode: the text's bytes as they are, up to SEARCH_TEXT_MAX.
uint32_t StringSearchPattern(const char *text, unsigned char *pattern);

#endif
