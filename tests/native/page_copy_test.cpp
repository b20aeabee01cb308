#include "file/file_geometry.h"
#include "file/window_math.h"
#include "file/page_copy.h"
#include "view/page_math.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <vector>

namespace {

// A file seen through one mapped window at a time, as the mapping shows it:
// each map gets a heap block exactly windowBytes long (so a read or write
// past the view trips the address sanitizer), written back when the next
// window replaces it.
struct FakeMapping {
    std::vector<unsigned char> file;
    uint32_t windowSize = 0;
    unsigned char *view = nullptr;
    uint64_t viewOffset = 1;
    uint32_t viewBytes = 0;
    int maps = 0;
    int failAt = 0;  // fail the map call with this number (1-based); 0 never
    std::vector<uint64_t> offsets;  // the byte each map was asked for

    FakeMapping(uint64_t size, uint32_t granularity) : file(size)
    {
        for (uint64_t i = 0; i < size; ++i)
            file[i] = (unsigned char)(i * 131 + (i >> 8) * 7 + 1);
        windowSize = WindowSizeFor(granularity, size);
    }
    ~FakeMapping() { Unmap(); }

    void Unmap()
    {
        if (view) {
            memcpy(&file[viewOffset], view, viewBytes);
            free(view);
        }
        view = nullptr;
        viewOffset = 1;
    }

    static int Map(void *context, uint64_t at, WindowSpan *span, unsigned char **base)
    {
        FakeMapping *m = (FakeMapping *)context;
        m->offsets.push_back(at);
        m->maps++;
        if (m->maps == m->failAt) {
            m->Unmap();
            return 0;
        }
        WindowSpan s;
        uint64_t offset = LocateByteWindow(at, m->windowSize, m->file.size(), &s);
        // A window of one byte lies at offset 1 too: no view is what says none.
        if (m->view == nullptr || offset != m->viewOffset) {
            m->Unmap();
            m->view = (unsigned char *)malloc(s.windowBytes);
            memcpy(m->view, &m->file[offset], s.windowBytes);
            m->viewOffset = offset;
            m->viewBytes = s.windowBytes;
        }
        *span = s;
        *base = m->view;
        return 1;
    }
};

}  // namespace

// Every top line the file allows, so the window boundary falls on every line
// of the page (and on partial last lines), against a direct read.
TEST(PageCopy, EveryTopLineMatchesTheFileAcrossWindows)
{
    const uint32_t windowSizes[] = {64, 128, 256, 1024};
    const uint64_t sizes[] = {769, 1000, 1024, 1025, 2 * 768 + 7, 3000, 4096 + 9};
    for (uint32_t windowSize : windowSizes) {
        for (uint64_t size : sizes) {
            FakeMapping m(size, windowSize);
            uint64_t lineCount;
            uint32_t tail;
            CountLines(size, &lineCount, &tail);
            uint64_t lastTop = ClampTopLine(~UINT64_C(0), lineCount);
            for (uint64_t top = 0; top <= lastTop; ++top) {
                uint32_t pageBytes = PageBytesAt(top, lineCount, tail);
                unsigned char page[768];
                memset(page, 0xEE, sizeof page);
                m.maps = 0;
                ASSERT_EQ(CopyBytesFromWindows(top * 16, pageBytes, FakeMapping::Map, &m, page),
                          1);
                ASSERT_EQ(memcmp(page, &m.file[top * 16], pageBytes), 0)
                    << windowSize << ' ' << size << ' ' << top;
                // Only the windows under the page are asked for; the last stays mapped.
                uint64_t firstWindow = top * 16 / m.windowSize;
                uint64_t lastWindow = (top * 16 + pageBytes - 1) / m.windowSize;
                ASSERT_EQ((uint64_t)m.maps, lastWindow - firstWindow + 1)
                    << windowSize << ' ' << size << ' ' << top;
                ASSERT_EQ(m.viewOffset, lastWindow * m.windowSize);
            }
        }
    }
}

TEST(PageCopy, StraddlingPageAtTheGranularity)
{
    FakeMapping m(2 * 65536 + 500, 65536);
    unsigned char page[768];
    ASSERT_EQ(CopyBytesFromWindows(4090 * 16, 768, FakeMapping::Map, &m, page), 1);
    EXPECT_EQ(memcmp(page, &m.file[4090 * 16], 768), 0);
    ASSERT_EQ(m.offsets.size(), 2u);
    EXPECT_EQ(m.offsets[0], 4090u * 16);
    EXPECT_EQ(m.offsets[1], 65536u);
    EXPECT_EQ(m.viewOffset, 65536u);

    // A page that ends exactly at its window's end needs that window only.
    m.offsets.clear();
    ASSERT_EQ(CopyBytesFromWindows((4096 - 48) * 16, 768, FakeMapping::Map, &m, page), 1);
    EXPECT_EQ(m.offsets.size(), 1u);
    EXPECT_EQ(memcmp(page, &m.file[(4096 - 48) * 16], 768), 0);
}

TEST(PageCopy, SmallFileIsOneWindowForEveryLine)
{
    FakeMapping m(100, 65536);
    unsigned char page[768];
    ASSERT_EQ(CopyBytesFromWindows(0, 100, FakeMapping::Map, &m, page), 1);
    EXPECT_EQ(m.maps, 1);
    EXPECT_EQ(memcmp(page, m.file.data(), 100), 0);
}

TEST(PageCopy, FailedMapStopsTheCopy)
{
    unsigned char page[768];
    {
        FakeMapping m(4096, 1024);
        m.failAt = 1;
        memset(page, 0xEE, sizeof page);
        EXPECT_EQ(CopyBytesFromWindows(10 * 16, 768, FakeMapping::Map, &m, page), 0);
        EXPECT_EQ(page[0], 0xEE);
    }
    {
        FakeMapping m(4096, 1024);
        m.failAt = 2;
        memset(page, 0xEE, sizeof page);
        EXPECT_EQ(CopyBytesFromWindows(60 * 16, 768, FakeMapping::Map, &m, page), 0);
        EXPECT_EQ(memcmp(page, &m.file[960], 64), 0);
        EXPECT_EQ(page[64], 0xEE);
        EXPECT_EQ(m.maps, 2);
    }
}

// Storing writes exactly the page's bytes, on both sides of each boundary,
// and nothing around them.
TEST(PageCopy, StoreWritesThePageAndNothingElse)
{
    const uint32_t windowSizes[] = {64, 256, 1024};
    for (uint32_t windowSize : windowSizes) {
        const uint64_t size = 3000;
        FakeMapping m(size, windowSize);
        uint64_t lineCount;
        uint32_t tail;
        CountLines(size, &lineCount, &tail);
        uint64_t lastTop = ClampTopLine(~UINT64_C(0), lineCount);
        for (uint64_t top = 0; top <= lastTop; ++top) {
            uint32_t pageBytes = PageBytesAt(top, lineCount, tail);
            unsigned char page[768];
            for (uint32_t i = 0; i < pageBytes; ++i)
                page[i] = (unsigned char)(top + i * 3);
            std::vector<unsigned char> expected = m.file;
            memcpy(&expected[top * 16], page, pageBytes);
            ASSERT_EQ(StoreBytesToWindows(top * 16, pageBytes, FakeMapping::Map, &m, page), 1);
            m.Unmap();
            ASSERT_TRUE(m.file == expected) << windowSize << ' ' << top;
        }
    }
}

TEST(PageCopy, FailedStoreKeepsWhatWasStored)
{
    FakeMapping m(4096, 1024);
    m.failAt = 2;
    unsigned char page[768];
    memset(page, 0xAB, sizeof page);
    std::vector<unsigned char> before = m.file;
    EXPECT_EQ(StoreBytesToWindows(60 * 16, 768, FakeMapping::Map, &m, page), 0);
    m.Unmap();
    for (int i = 0; i < 4096; ++i) {
        unsigned char want = (i >= 960 && i < 1024) ? 0xAB : before[i];
        ASSERT_EQ(m.file[i], want) << i;
    }
}

// Bytes at any offset and of any count, crossing several windows, land
// exactly there and read back; a failing map keeps what was stored before it.
TEST(PageCopy, StoreBytesAtAnyOffsetCrossesWindows)
{
    const uint32_t windowSizes[] = {64, 256};
    const uint64_t size = 1000;
    for (uint32_t windowSize : windowSizes) {
        FakeMapping m(size, windowSize);
        for (uint64_t offset = 0; offset < size; offset += 37) {
            for (uint32_t count : {1u, 15u, 64u, 300u}) {
                if (offset + count > size)
                    continue;
                std::vector<unsigned char> bytes(count, (unsigned char)(offset + count));
                std::vector<unsigned char> expected = m.file;
                memcpy(&expected[offset], bytes.data(), count);
                ASSERT_EQ(StoreBytesToWindows(offset, count, FakeMapping::Map, &m, bytes.data()),
                          1);
                std::vector<unsigned char> back(count);
                ASSERT_EQ(CopyBytesFromWindows(offset, count, FakeMapping::Map, &m, back.data()),
                          1);
                ASSERT_TRUE(back == bytes);
                m.Unmap();
                ASSERT_TRUE(m.file == expected) << windowSize << ' ' << offset << ' ' << count;
            }
        }
    }
    FakeMapping m(4096, 1024);
    m.failAt = 2;
    std::vector<unsigned char> before = m.file;
    std::vector<unsigned char> bytes(2000, 0xCD);
    EXPECT_EQ(StoreBytesToWindows(1000, 2000, FakeMapping::Map, &m, bytes.data()), 0);
    m.Unmap();
    for (int i = 0; i < 4096; ++i)
        ASSERT_EQ(m.file[i], (i >= 1000 && i < 1024) ? 0xCD : before[i]) << i;
}

// Windows of any size, not only multiples of a line: a file under 16 bytes
// is one window shorter than a line, and windows smaller than a line or
// cutting lines in two are walked the same way. Every run stores and reads
// back exactly its bytes and touches nothing around them.
TEST(PageCopy, AnyWindowSizeStoresAndReadsBack)
{
    struct Case {
        uint64_t size;
        uint32_t windowSize;  // 0: the whole file, as a file under the granularity maps
    };
    const Case cases[] = {{1, 0},   {10, 0},  {15, 0},  {16, 0},  {17, 0},  {100, 1},
                          {100, 3}, {100, 7}, {100, 10}, {100, 15}, {100, 16}, {100, 17},
                          {100, 24}};
    for (const Case &c : cases) {
        FakeMapping m(c.size, 65536);
        if (c.windowSize != 0)
            m.windowSize = c.windowSize;
        for (uint64_t offset = 0; offset < c.size; ++offset) {
            for (uint64_t count = 1; offset + count <= c.size; count += 5) {
                std::vector<unsigned char> bytes(count, (unsigned char)(0xA0 + offset));
                std::vector<unsigned char> expected = m.file;
                memcpy(&expected[offset], bytes.data(), count);
                ASSERT_EQ(StoreBytesToWindows(offset, (uint32_t)count, FakeMapping::Map, &m,
                                              bytes.data()), 1);
                std::vector<unsigned char> back(count);
                ASSERT_EQ(CopyBytesFromWindows(offset, (uint32_t)count, FakeMapping::Map, &m,
                                               back.data()), 1);
                ASSERT_TRUE(back == bytes) << c.size << ' ' << c.windowSize << ' ' << offset;
                m.Unmap();
                ASSERT_TRUE(m.file == expected)
                    << c.size << ' ' << c.windowSize << ' ' << offset << ' ' << count;
            }
        }
    }
}
