// Page loads across the mapped windows: which window stays mapped, the bytes
// a page straddling two windows shows, the last page and the scroll thumb.
#include "open_file_fixture.h"

#include "file/mapped_file.h"
#include "app/file_life.h"
#include "view/load_page.h"

namespace {

using PageLoad = OpenFileTest;

const uint32_t WINDOW = 65536;

// The page shown is the file's bytes at topLine, in all three columns.
void ExpectPageOf(HWND dialog, uint64_t topLine, size_t count)
{
    std::vector<unsigned char> bytes = PatternBytes(topLine * 16, count);
    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(bytes)) << "line " << topLine;
    EXPECT_EQ(ItemText(dialog, IDC_TEXT), ExpectedChars(bytes)) << "line " << topLine;
    EXPECT_EQ(ItemText(dialog, IDC_ADDRESS), ExpectedAddresses(topLine, count))
        << "line " << topLine;
    EXPECT_PAGE_RENDERED(dialog);
}

TEST_F(PageLoad, NothingHappensWithoutAFile)
{
    LoadPage(dialog, 5);
    EXPECT_EQ(viewer.topLine, 0u);
    EXPECT_EQ(ItemText(dialog, IDC_HEX), "");
    EXPECT_EQ(viewer.pageRendered, 0);
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

// 65537 bytes: the second window holds the one last byte.
TEST_F(PageLoad, FileOneByteOverAWindowShowsItsLastByteFromTheSecondWindow)
{
    std::string path = Path("window-plus-one.bin");
    ASSERT_TRUE(WritePatternFile(path, WINDOW + 1));
    OpenFile(dialog, path.c_str());
    ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(viewer.viewOffset, 0u);

    LoadPage(dialog, ~0ull);
    EXPECT_EQ(viewer.topLine, 4049u);
    EXPECT_EQ(viewer.pageBytes, 47u * 16 + 1);
    EXPECT_EQ(viewer.viewOffset, WINDOW);
    EXPECT_EQ(ScrollPosition(dialog), 1000);
    ExpectPageOf(dialog, 4049, 753);
    std::string hex = ItemText(dialog, IDC_HEX);
    char last[4];
    wsprintfA(last, "%02X ", PatternByte(WINDOW));
    EXPECT_EQ(hex.substr(hex.size() - 3), last);
    std::string chars = ItemText(dialog, IDC_TEXT);
    EXPECT_EQ(chars.substr(chars.size() - 3, 2), "\r\n");

    WindowSpan span = {7, 7, 7};
    ASSERT_EQ(MapWindow(dialog, 4096, &span), 1);
    EXPECT_EQ(span.offsetInWindow, 0u);
    EXPECT_EQ(span.windowBytes, 1u);
    EXPECT_EQ(span.bytesAfter, 1u);
    EXPECT_EQ(viewer.viewBase[0], PatternByte(WINDOW));

    ASSERT_EQ(MapWindow(dialog, 4095, &span), 1);
    EXPECT_EQ(viewer.viewOffset, 0u);
    EXPECT_EQ(span.offsetInWindow, 65520u);
    EXPECT_EQ(span.windowBytes, WINDOW);
    EXPECT_EQ(span.bytesAfter, 16u);
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

TEST_F(PageLoad, PageStraddlingTwoWindowsTakesEachPartFromItsWindow)
{
    std::string path = Path("two-windows.bin");
    ASSERT_TRUE(WritePatternFile(path, 2 * WINDOW + 4000));
    std::vector<unsigned char> bytes = ReadTestFile(path, 65440, 768);
    ASSERT_EQ(bytes.size(), 768u);
    OpenFile(dialog, path.c_str());
    ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);

    // Bytes 65440 to 66207: 96 from the first window, 672 from the second.
    LoadPage(dialog, 4090);
    EXPECT_EQ(viewer.topLine, 4090u);
    EXPECT_EQ(viewer.pageBytes, 768u);
    EXPECT_EQ(viewer.viewOffset, WINDOW);
    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(bytes));
    EXPECT_EQ(ItemText(dialog, IDC_ADDRESS).substr(0, 18), "00000000 0000FFA0 ");
    ExpectPageOf(dialog, 4090, 768);

    // Within the second window no view is mapped anew.
    unsigned char *base = viewer.viewBase;
    LoadPage(dialog, 4100);
    EXPECT_TRUE(viewer.viewBase == base);
    ExpectPageOf(dialog, 4100, 768);

    // Back to the first window, and to the third, shorter one.
    LoadPage(dialog, 10);
    EXPECT_EQ(viewer.viewOffset, 0u);
    ExpectPageOf(dialog, 10, 768);
    LoadPage(dialog, ~0ull - 5);
    EXPECT_EQ(viewer.topLine, (2 * WINDOW + 4000) / 16 - 48);
    EXPECT_EQ(viewer.viewOffset, 2u * WINDOW);
    ExpectPageOf(dialog, viewer.topLine, 768);
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

TEST_F(PageLoad, LinesOfOneWindowShareItsViewAndTheNextWindowKeepsTheOffset)
{
    std::string path = Path("map.bin");
    ASSERT_TRUE(WritePatternFile(path, 3 * WINDOW));
    OpenFile(dialog, path.c_str());
    ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);

    WindowSpan first;
    WindowSpan second;
    ASSERT_EQ(MapWindow(dialog, 5, &first), 1);
    unsigned char *base = viewer.viewBase;
    ASSERT_EQ(MapWindow(dialog, 4095, &second), 1);
    EXPECT_TRUE(viewer.viewBase == base);
    EXPECT_EQ(second.bytesAfter, 16u);

    ASSERT_EQ(MapWindow(dialog, 5 + WINDOW / 16, &second), 1);
    EXPECT_EQ(viewer.viewOffset, WINDOW);
    EXPECT_EQ(second.offsetInWindow, first.offsetInWindow);
    EXPECT_EQ(second.offsetInWindow, 80u);
    EXPECT_EQ(viewer.viewBase[80], PatternByte(WINDOW + 80));
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

TEST_F(PageLoad, ScrollThumbFollowsTheTopLine)
{
    const struct {
        uint64_t size;
        uint64_t line;
        uint64_t topLine;
        uint32_t pageBytes;
        int position;
    } cases[] = {
        {769, 1, 1, 753, 1},
        {769, 2, 1, 753, 1},
        {769, ~0ull, 1, 753, 1},
        {768, 1, 0, 768, 0},
        {16768, 999, 999, 768, 999},
        {16768, 5000, 1000, 768, 1000},
        // 1049 lines scale onto 0..1000.
        {16784, 500, 500, 768, 499},
        {16784, ~0ull, 1001, 768, 1000},
        {16784, 1000, 1000, 768, 999},
        {16784, 0, 0, 768, 0},
    };
    for (const auto &c : cases) {
        char name[32];
        wsprintfA(name, "scroll-%lu.bin", (unsigned long)c.size);
        std::string path = Path(name);
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
            ASSERT_TRUE(WritePatternFile(path, (size_t)c.size));
        }
        OpenFile(dialog, path.c_str());
        LoadPage(dialog, c.line);
        EXPECT_EQ(viewer.topLine, c.topLine) << c.size << " " << c.line;
        EXPECT_EQ(viewer.pageBytes, c.pageBytes) << c.size << " " << c.line;
        EXPECT_EQ(ScrollPosition(dialog), c.position) << c.size << " " << c.line;
        ExpectPageOf(dialog, c.topLine, c.pageBytes);
    }
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
}

}  // namespace
