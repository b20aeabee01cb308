#include "search/search_match.h"

#include <string.h>

static int VariantAt(const SearchVariant *variant, const unsigned char *bytes)
{
    // Most positions fail at once: no call for them.
    if ((bytes[0] & variant->mask[0]) != variant->value[0])
        return 0;
    if (variant->exact)
        return memcmp(bytes, variant->value, variant->length) == 0;
    for (uint32_t i = 0; i < variant->length; i++) {
        if ((bytes[i] & variant->mask[i]) != variant->value[i])
            return 0;
    }
    return 1;
}

int MatchAt(const SearchPattern *pattern, const unsigned char *bytes)
{
    for (uint32_t v = 0; v < pattern->count; v++) {
        if (VariantAt(&pattern->variants[v], bytes))
            return (int)v;
    }
    return -1;
}

static int VariantAcross(const SearchVariant *variant, const unsigned char *head,
                         uint32_t headBytes, const unsigned char *tail, uint32_t tailBytes)
{
    if (variant->length > headBytes + tailBytes)
        return 0;
    for (uint32_t i = 0; i < variant->length; i++) {
        unsigned char b = i < headBytes ? head[i] : tail[i - headBytes];
        if ((b & variant->mask[i]) != variant->value[i])
            return 0;
    }
    return 1;
}

int MatchAcross(const SearchPattern *pattern, const unsigned char *head, uint32_t headBytes,
                const unsigned char *tail, uint32_t tailBytes)
{
    for (uint32_t v = 0; v < pattern->count; v++) {
        if (VariantAcross(&pattern->variants[v], head, headBytes, tail, tailBytes))
            return (int)v;
    }
    return -1;
}
