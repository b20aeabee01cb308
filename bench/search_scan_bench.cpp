// The search's scan alone, without the file: 2 MiB of random bytes (one
// search buffer) scanned window by window as the program scans them, for
// each kind of search and each candidate filter the processor runs. The
// figures of bench/search_scan_variants.md come from here.
#include "search/search_filter.h"
#include "search/search_pattern.h"
#include "search/search_scan.h"

#include <benchmark/benchmark.h>

#include <iconv.h>
#include <string.h>

#include <random>
#include <vector>

namespace {

const uint32_t BUFFER_BYTES = 2u << 20;
const uint32_t WINDOW_BYTES = 65536;

const std::vector<unsigned char> &RandomBuffer(void)
{
    static std::vector<unsigned char> bytes;
    if (bytes.empty()) {
        std::mt19937 random(1);
        bytes.resize(BUFFER_BYTES);
        for (unsigned char &b : bytes)
            b = (unsigned char)random();
    }
    return bytes;
}

uint32_t IconvWide(const char *text, uint32_t length, uint16_t *wide, uint32_t capacity)
{
    iconv_t convert = iconv_open("UTF-16LE", "CP932");
    char *in = const_cast<char *>(text);
    size_t inLeft = length, outLeft = capacity * 2;
    char *out = (char *)wide;
    size_t done = iconv(convert, &in, &inLeft, &out, &outLeft);
    iconv_close(convert);
    return done == (size_t)-1 ? 0 : (uint32_t)((out - (char *)wide) / 2);
}

enum Kind { EXACT, EITHER_CASE, ANY_BYTE, ALL_FOUR, BACKWARD };

SearchPattern MakePattern(int kind)
{
    // "検索針テスト" in code page 932: as the benchmark's すべて needle.
    static const char japanese[] = "\x8C\x9F\x8D\xF5\x90\x6A\x83\x65\x83\x58\x83\x67";
    SearchPattern pattern;
    if (kind == ANY_BYTE)
        HexSearchPattern("4B 6F 72 ?? 65 78 4E ?? 65 64 6C 65", &pattern);
    else if (kind == ALL_FOUR)
        StringSearchPattern(japanese, ENCODING_ALL, 0, IconvWide, &pattern);
    else
        StringSearchPattern("KorvexNeedle", ENCODING_SHIFT_JIS, kind == EITHER_CASE, IconvWide,
                            &pattern);
    return pattern;
}

void Scan(benchmark::State &state)
{
    int kind = (int)state.range(0);
    if (!UseScanFilter((int)state.range(1))) {
        state.SkipWithError("the processor lacks this filter");
        return;
    }
    const std::vector<unsigned char> &bytes = RandomBuffer();
    SearchPattern pattern = MakePattern(kind);
    unsigned char carry[SEARCH_PATTERN_CAPACITY];
    for (auto _ : state) {
        uint32_t carryCount = 0;
        int found = 0;
        if (kind == BACKWARD) {
            uint32_t hit = 0;
            int variant = 0;
            found = ScanBackwardChunk(&pattern, carry, &carryCount, bytes.data(), BUFFER_BYTES,
                                      BUFFER_BYTES, &hit, &variant);
        } else {
            for (uint32_t at = 0; at < BUFFER_BYTES && !found; at += WINDOW_BYTES) {
                int64_t offset = 0;
                int variant = 0;
                found = ScanSearchWindow(&pattern, carry, &carryCount, bytes.data() + at,
                                         WINDOW_BYTES, 0, 0, &offset, &variant);
            }
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed((int64_t)state.iterations() * BUFFER_BYTES);
    UseScanFilter(BestScanFilter());
}
BENCHMARK(Scan)
    ->ArgNames({"kind", "filter"})
    ->ArgsProduct({{EXACT, EITHER_CASE, ANY_BYTE, ALL_FOUR, BACKWARD},
                   {SCAN_FILTER_PLAIN, SCAN_FILTER_SSE2, SCAN_FILTER_AVX2}});

}  // namespace
