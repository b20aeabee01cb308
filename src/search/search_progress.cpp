#include "search/search_progress.h"

uint32_t SearchPercent(uint64_t start, uint64_t reached, uint64_t fileSize)
{
    if (start >= fileSize || reached >= fileSize)
        return 100;
    if (reached <= start)
        return 0;
    // Both differences are below 2^42, so the product cannot overflow.
    return (uint32_t)((reached - start) * 100 / (fileSize - start));
}

uint32_t BackwardSearchPercent(uint64_t start, uint64_t reached)
{
    // The file seen from its start backward: the forward rule over [0, start).
    return SearchPercent(0, start - (reached < start ? reached : start), start);
}
