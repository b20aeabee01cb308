#include "search/search_filter.h"

#include <string.h>

#include "search/search_match.h"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#include <immintrin.h>
#define KORVEX_HAVE_VECTOR_FILTERS 1
#endif

typedef const unsigned char *(*FindFirstFn)(const unsigned char *next, const unsigned char *last,
                                            const SearchPattern *pattern, int *variant);
typedef const unsigned char *(*FindLastFn)(const unsigned char *first, uint32_t count,
                                           const SearchPattern *pattern, int *variant);

static const unsigned char *FindFirstPlain(const unsigned char *next, const unsigned char *last,
                                           const SearchPattern *pattern, int *variant)
{
    const SearchVariant *only = &pattern->variants[0];
    if (pattern->count == 1 && only->mask[0] == 0xFF) {
        while (next <= last) {
            const unsigned char *first =
                (const unsigned char *)memchr(next, only->value[0], (size_t)(last - next) + 1);
            if (!first)
                return NULL;
            if (MatchAt(pattern, first) == 0) {
                *variant = 0;
                return first;
            }
            next = first + 1;
        }
        return NULL;
    }
    for (; next <= last; next++) {
        int v = MatchAt(pattern, next);
        if (v >= 0) {
            *variant = v;
            return next;
        }
    }
    return NULL;
}

// The C runtime has no memrchr to lean on.
static const unsigned char *FindLastPlain(const unsigned char *first, uint32_t count,
                                          const SearchPattern *pattern, int *variant)
{
    while (count > 0) {
        const unsigned char *at = first + --count;
        int v = MatchAt(pattern, at);
        if (v >= 0) {
            *variant = v;
            return at;
        }
    }
    return NULL;
}

#ifdef KORVEX_HAVE_VECTOR_FILTERS
// The two bytes of each variant that the filter compares: its first, and
// the one at probe. A zero or a repeat of the first byte is a poor second
// probe (files hold runs of zeros, UTF-16 text a zero in every other byte),
// so the last byte that is neither is taken where there is one.
struct Probes {
    uint32_t count;
    int masked;  // some probe byte compares under a mask
    uint32_t probe[SEARCH_VARIANT_MAX];
    unsigned char firstValue[SEARCH_VARIANT_MAX];
    unsigned char firstMask[SEARCH_VARIANT_MAX];
    unsigned char probeValue[SEARCH_VARIANT_MAX];
    unsigned char probeMask[SEARCH_VARIANT_MAX];
};

static void PrepareProbes(const SearchPattern *pattern, Probes *probes)
{
    probes->count = pattern->count;
    probes->masked = 0;
    for (uint32_t k = 0; k < pattern->count; k++) {
        const SearchVariant *v = &pattern->variants[k];
        uint32_t probe = v->length - 1;
        for (uint32_t i = v->length - 1; i > 0; i--) {
            if (v->mask[i] != 0 && v->value[i] != 0 && v->value[i] != v->value[0]) {
                probe = i;
                break;
            }
        }
        probes->probe[k] = probe;
        probes->firstValue[k] = v->value[0];
        probes->firstMask[k] = v->mask[0];
        probes->probeValue[k] = v->value[probe];
        probes->probeMask[k] = v->mask[probe];
        probes->masked |= v->mask[0] != 0xFF || v->mask[probe] != 0xFF;
    }
}

static int ProcessorHasSse2(void)
{
    unsigned int a, b, c, d;
    if (!__get_cpuid(1, &a, &b, &c, &d))
        return 0;
    return (d & bit_SSE2) != 0;
}

// AVX2 needs the system to save the vector registers' upper halves too.
static int ProcessorHasAvx2(void)
{
    unsigned int a, b, c, d;
    if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & bit_OSXSAVE) || !(c & bit_AVX))
        return 0;
    unsigned int low, high;
    __asm__("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
    (void)high;
    if ((low & 6) != 6 || __get_cpuid_max(0, NULL) < 7)
        return 0;
    __cpuid_count(7, 0, a, b, c, d);
    return (b & bit_AVX2) != 0;
}

// The loops of the filter, once for 16-byte SSE2 and once for 32-byte AVX2
// vectors. The program is built for any i386, so only these functions may
// use the instructions.
#define FILTER_ENTRY __attribute__((force_align_arg_pointer))
// Positions a loop: 64 measured best (bench/search_scan_variants.md, which
// builds with other spans to compare).
#ifndef KORVEX_FILTER_SPAN
#define KORVEX_FILTER_SPAN 64
#endif

#pragma GCC push_options
#pragma GCC target("sse2")
#define VEC __m128i
#define WIDTH 16
#define SPAN KORVEX_FILTER_SPAN
#define LOAD(at) _mm_loadu_si128((const __m128i *)(at))
#define AND _mm_and_si128
#define OR _mm_or_si128
#define EQ _mm_cmpeq_epi8
#define MOVEMASK _mm_movemask_epi8
#define SET1(b) _mm_set1_epi8((char)(b))
#define NAMED(name) name##Sse2
#include "search/search_filter_loops.inc"
#undef VEC
#undef WIDTH
#undef SPAN
#undef LOAD
#undef AND
#undef OR
#undef EQ
#undef MOVEMASK
#undef SET1
#undef NAMED
#pragma GCC pop_options

#pragma GCC push_options
#pragma GCC target("avx2")
#define VEC __m256i
#define WIDTH 32
#define SPAN (KORVEX_FILTER_SPAN > 32 ? KORVEX_FILTER_SPAN : 32)
#define LOAD(at) _mm256_loadu_si256((const __m256i *)(at))
#define AND _mm256_and_si256
#define OR _mm256_or_si256
#define EQ _mm256_cmpeq_epi8
#define MOVEMASK _mm256_movemask_epi8
#define SET1(b) _mm256_set1_epi8((char)(b))
#define NAMED(name) name##Avx2
#include "search/search_filter_loops.inc"
#pragma GCC pop_options

static const FindFirstFn findFirstFilters[SCAN_FILTER_COUNT] = {FindFirstPlain, FindFirstSse2,
                                                                FindFirstAvx2};
static const FindLastFn findLastFilters[SCAN_FILTER_COUNT] = {FindLastPlain, FindLastSse2,
                                                              FindLastAvx2};

int BestScanFilter(void)
{
    return ProcessorHasAvx2() ? SCAN_FILTER_AVX2
           : ProcessorHasSse2() ? SCAN_FILTER_SSE2
                                : SCAN_FILTER_PLAIN;
}

static int CanRun(int filter)
{
    return filter == SCAN_FILTER_PLAIN || (filter == SCAN_FILTER_SSE2 && ProcessorHasSse2()) ||
           (filter == SCAN_FILTER_AVX2 && ProcessorHasAvx2());
}
#else
static const FindFirstFn findFirstFilters[SCAN_FILTER_COUNT] = {FindFirstPlain, NULL, NULL};
static const FindLastFn findLastFilters[SCAN_FILTER_COUNT] = {FindLastPlain, NULL, NULL};

int BestScanFilter(void)
{
    return SCAN_FILTER_PLAIN;
}

static int CanRun(int filter)
{
    return filter == SCAN_FILTER_PLAIN;
}
#endif

static int filterInUse = BestScanFilter();

int UseScanFilter(int filter)
{
    if (filter < 0 || filter >= SCAN_FILTER_COUNT || !CanRun(filter))
        return 0;
    filterInUse = filter;
    return 1;
}

const unsigned char *FindFirstMatch(const unsigned char *next, const unsigned char *last,
                                    const SearchPattern *pattern, int *variant)
{
    return findFirstFilters[filterInUse](next, last, pattern, variant);
}

const unsigned char *FindLastMatch(const unsigned char *first, uint32_t count,
                                   const SearchPattern *pattern, int *variant)
{
    return findLastFilters[filterInUse](first, count, pattern, variant);
}
