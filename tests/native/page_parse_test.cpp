#include "edit/page_parse.h"

#include <string.h>

#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "view/column_format.h"

namespace {

TEST(PageParse, RenderedPageParsesBackToItsBytes)
{
    std::mt19937 random(7);
    unsigned char bytes[768], parsed[768];
    static char address[5120], hex[5120], chars[5120];
    for (uint32_t count : {1u, 16u, 17u, 500u, 768u}) {
        for (uint32_t i = 0; i < count; i++)
            bytes[i] = (unsigned char)random();
        FormatColumns(0, bytes, count, address, hex, chars);
        std::string before(hex);
        ParseHexPage(hex, count, parsed);
        EXPECT_EQ(memcmp(parsed, bytes, count), 0) << count;
        EXPECT_EQ(before, hex);  // parsed from copies
    }
}

TEST(PageParse, EveryPairGoesThroughHexPairValue)
{
    unsigned char parsed[4];
    // Pairs at 0, 3, 6, 9; the characters between them are never read.
    ParseHexPage("4f G1_4 ?_x!", 4, parsed);
    EXPECT_EQ(parsed[0], 0x4F);
    EXPECT_EQ(parsed[1], 0x01);
    EXPECT_EQ(parsed[2], 0x30);
    EXPECT_EQ(parsed[3], 0x11);  // '_' counts 0x2F, 'x' 33: 0x2F0 + 33 wraps to 0x11
}

TEST(PageParse, EditedMeansTheTextDiffersFromTheSnapshot)
{
    EXPECT_EQ(HexTextEdited("41 42 ", "41 42 "), 0);
    EXPECT_EQ(HexTextEdited("41 43 ", "41 42 "), 1);
    EXPECT_EQ(HexTextEdited("", ""), 0);
    EXPECT_EQ(HexTextEdited("41 42 ", "41 42"), 1);
}

// A file in memory seen through windows of windowSize bytes, as MapWindow
// would show it, counting the windows asked for.
struct FakeFile {
    std::vector<unsigned char> bytes;
    uint32_t windowSize;
    int calls;
    int failOnCall;  // 0: never
    std::vector<uint64_t> offsets;
};

int MapFake(void *context, uint64_t first, WindowSpan *span, unsigned char **base)
{
    FakeFile *file = (FakeFile *)context;
    file->calls++;
    file->offsets.push_back(first);
    if (file->calls == file->failOnCall)
        return 0;
    uint64_t start = first / file->windowSize * file->windowSize;
    uint64_t size = file->bytes.size();
    span->windowBytes = (uint32_t)(size - start < file->windowSize ? size - start : file->windowSize);
    span->offsetInWindow = (uint32_t)(first - start);
    span->bytesAfter = span->windowBytes - span->offsetInWindow;
    *base = file->bytes.data() + start;
    return 1;
}

void PageText(uint32_t count, uint32_t seed, unsigned char *bytes, char *hex)
{
    static char address[5120], chars[5120];
    for (uint32_t i = 0; i < count; i++)
        bytes[i] = (unsigned char)(i * 7 + seed);
    FormatColumns(0, bytes, count, address, hex, chars);
}

// Pages at every line of a few windows, against a direct model of the file.
TEST(PageParse, StoreAtEveryLineOffsetMatchesTheModel)
{
    const uint32_t windowSizes[] = {16, 48, 768, 1024, 2048};
    static char hex[5120];
    unsigned char page[768];
    for (uint32_t windowSize : windowSizes) {
        const uint64_t fileSize = 3 * windowSize + 2000 + 9;
        const uint64_t lineCount = (fileSize + 15) / 16;
        for (uint64_t top = 0; top < lineCount; top += (windowSize <= 48 ? 1 : 3)) {
            uint64_t left = fileSize - top * 16;
            uint32_t count = left < 768 ? (uint32_t)left : 768;
            SCOPED_TRACE(testing::Message() << "window " << windowSize << " line " << top);
            PageText(count, (uint32_t)top, page, hex);
            FakeFile file;
            file.bytes.assign(fileSize, 0xEE);
            file.windowSize = windowSize;
            file.calls = 0;
            file.failOnCall = 0;
            std::vector<unsigned char> model = file.bytes;
            memcpy(model.data() + top * 16, page, count);

            ASSERT_EQ(StoreHexPage(top, hex, count, MapFake, &file), 1);
            ASSERT_TRUE(file.bytes == model);
            uint64_t first = top * 16;
            uint64_t windows = (first + count - 1) / windowSize - first / windowSize + 1;
            ASSERT_EQ((uint64_t)file.calls, windows);
            // Each window after the first is asked for at its first byte.
            for (size_t i = 1; i < file.offsets.size(); i++)
                ASSERT_EQ(file.offsets[i] % windowSize, 0u);
        }
    }
}

TEST(PageParse, PageEndingAtItsWindowsEndMapsOneWindow)
{
    static char hex[5120];
    unsigned char page[768];
    PageText(768, 3, page, hex);
    FakeFile file;
    file.bytes.assign(4096, 0);
    file.windowSize = 1024;
    file.calls = 0;
    file.failOnCall = 0;
    ASSERT_EQ(StoreHexPage(16, hex, 768, MapFake, &file), 1);  // bytes 256..1023
    EXPECT_EQ(file.calls, 1);
    EXPECT_EQ(memcmp(file.bytes.data() + 256, page, 768), 0);
    EXPECT_EQ(file.bytes[1024], 0);
}

TEST(PageParse, FailedSecondWindowLeavesTheFirstPartStored)
{
    static char hex[5120];
    unsigned char page[768];
    PageText(768, 9, page, hex);
    FakeFile file;
    file.bytes.assign(4096, 0xEE);
    file.windowSize = 1024;
    file.calls = 0;
    file.failOnCall = 2;
    // Line 60 starts 64 bytes before the first window's end.
    ASSERT_EQ(StoreHexPage(60, hex, 768, MapFake, &file), 0);
    EXPECT_EQ(file.calls, 2);
    EXPECT_EQ(memcmp(file.bytes.data() + 960, page, 64), 0);
    for (uint32_t i = 1024; i < 4096; i++)
        ASSERT_EQ(file.bytes[i], 0xEE) << i;
    for (uint32_t i = 0; i < 960; i++)
        ASSERT_EQ(file.bytes[i], 0xEE) << i;
}

TEST(PageParse, FailedFirstWindowStoresNothing)
{
    static char hex[5120];
    unsigned char page[768];
    PageText(100, 1, page, hex);
    FakeFile file;
    file.bytes.assign(100, 0xEE);
    file.windowSize = 100;
    file.calls = 0;
    file.failOnCall = 1;
    EXPECT_EQ(StoreHexPage(0, hex, 100, MapFake, &file), 0);
    EXPECT_EQ(file.calls, 1);
    EXPECT_TRUE(std::vector<unsigned char>(100, 0xEE) == file.bytes);
}

}  // namespace
