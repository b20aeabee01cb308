// A page change formats 768 bytes into three texts and copies the page out of
// one or two windows; both run on every scroll step and key press.
#include "decode/char_split.h"
#include "file/window_math.h"
#include "view/char_column.h"
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

// The character column in each mode (0 半角文字のみ to 3 UTF-16LE) over a page
// of mixed text, with the whole look-back before it: the split and the text
// with its map, on top of FormatFullPage's work. The code page table stands
// in with every unit drawable as a double-byte form.
void SplitAndFormatChars(benchmark::State &state)
{
    static Cp932Table table;
    static unsigned char around[SHIFT_JIS_LOOK_BACK + 768 + CHAR_LOOK_AHEAD];
    static CharCells cells;
    static CharMap map;
    for (uint32_t u = 0; u < 65536; ++u) {
        table.fromUnit[u] = 0x8800 | (u & 0xFF);
        table.toUnit[u] = (uint16_t)u;
    }
    const char text[] = "Hi \x93\xfa\x96\x7b \xe6\xbc\xa2 A\0B\0\x42\x30 \x82\xa0";
    for (size_t i = 0; i < sizeof around; ++i)
        around[i] = (unsigned char)text[i % (sizeof text - 1)];
    int mode = (int)state.range(0);
    for (auto _ : state) {
        SplitChars(mode, around + SHIFT_JIS_LOOK_BACK, SHIFT_JIS_LOOK_BACK, 768, CHAR_LOOK_AHEAD,
                   0x10000, &table, &cells);
        FormatCharColumn(&cells, 768, POSITION_UTF16, charText, &map);
        benchmark::DoNotOptimize(charText);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 768);
}
BENCHMARK(SplitAndFormatChars)->DenseRange(0, 3);

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
