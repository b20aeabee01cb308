#include "search/search_pattern.h"

#include <string.h>

#include "base/dump_page.h"
#include "edit/hex_pair.h"

static uint32_t TextLength(const char *text)
{
    uint32_t length = 0;
    while (length < SEARCH_TEXT_MAX && text[length] != '\0')
        length++;
    return length;
}

uint32_t HexSearchPattern(const char *text, unsigned char *pattern)
{
    // HexPairValue rewrites what it reads, and the text must stay as typed.
    char work[SEARCH_PATTERN_CAPACITY + 1];
    memset(work, 0, sizeof work);
    uint32_t length = TextLength(text);
    memcpy(work, text, length);
    uint32_t n = 0;
    for (uint32_t p = 0; p < length; p += 3)
        pattern[n++] = HexPairValue(work + p);
    return n;
}

uint32_t StringSearchPattern(const char *text, unsigned char *pattern)
{
    uint32_t length = TextLength(text);
    memcpy(pattern, text, length);
    return length;
}
