// A page change formats 768 bytes into three texts and copies the page out of
// one or two windows; both run on every scroll step and key press.
#include "file/window_math.h"
#include "view/column_format.h"
#include "file/page_copy.h"

#include <benchmark/benchmark.h>

#include <string.h>

namespace {

char addressText[5120];
char hexText[5120];
char charText[5120];

void FormatFullPage(benchmark::State &state)
{
    unsigned char page[768];
    for (int i = 0; i < 768; ++i)
        page[i] = (unsigned char)(i * 37);
    uint64_t topLine = UINT64_C(0x12345678);
    for (auto _ : state) {
        FormatColumns(topLine, page, 768, addressText, hexText, charText);
        benchmark::DoNotOptimize(hexText);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 768);
}
BENCHMARK(FormatFullPage);

// The whole file is one array standing in for the mapping; a map is the
// arithmetic alone, as a remap-free page move is.
struct MemoryMapping {
    unsigned char *file;
    uint64_t fileSize;
    uint32_t windowSize;
};

int MapMemory(void *context, uint64_t offset, WindowSpan *span, unsigned char **base)
{
    MemoryMapping *m = (MemoryMapping *)context;
    offset = LocateByteWindow(offset, m->windowSize, m->fileSize, span);
    *base = m->file + offset;
    return 1;
}

unsigned char fileBytes[4 * 65536];

void CopyPage(benchmark::State &state)
{
    MemoryMapping m = {fileBytes, sizeof fileBytes, 65536};
    // 4090 straddles the first window boundary; 100 lies inside one window.
    uint64_t topLine = (uint64_t)state.range(0);
    unsigned char page[768];
    for (auto _ : state) {
        CopyBytesFromWindows(topLine * 16, 768, MapMemory, &m, page);
        benchmark::DoNotOptimize(page);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 768);
}
BENCHMARK(CopyPage)->Arg(100)->Arg(4090);

}  // namespace
