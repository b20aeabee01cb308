// Opening real files in the main dialog: what the first page, the size, the
// scroll bar and the state show, and how each refusal leaves things.
#include "open_file_fixture.h"

#include "app/file_life.h"
#include "file/mapped_file.h"
#include "view/load_page.h"

namespace {

using OpenFile = OpenFileTest;

// 100 bytes: the character column's edges, a Shift-JIS lead and trail byte
// pair that must not form a character, then patterned bytes.
std::vector<unsigned char> SmallFileBytes(void)
{
    std::vector<unsigned char> bytes = PatternBytes(0, 100);
    const unsigned char head[] = {0x1F, 0x20, 0x7F, 0x80, 0x00, 0xFF, 0x41, 0x5C,
                                  0x82, 0xA0, 0x7E, 0x30, 0x61, 0x0D, 0x0A, 0x39};
    memcpy(bytes.data(), head, sizeof head);
    return bytes;
}

TEST_F(OpenFile, SmallFileShowsItsWholeFirstPageSizeAndScrollBar)
{
    std::vector<unsigned char> bytes = SmallFileBytes();
    std::string path = Path("small.bin");
    ASSERT_TRUE(WriteTestFile(path, bytes.data(), bytes.size()));

    ::OpenFile(dialog, path.c_str());
    Pump();

    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
    EXPECT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(viewer.mappingHandle != NULL);
    EXPECT_EQ(ItemText(dialog, IDC_FILESIZE), "ﾌｧｲﾙｻｲｽﾞ：0x00000000 00000064(byte)");
    EXPECT_EQ(ItemText(dialog, IDC_FILESIZE).size(), 35u);

    std::string hex = ItemText(dialog, IDC_HEX);
    EXPECT_EQ(hex.substr(0, 48), "1F 20 7F 80 00 FF 41 5C 82 A0 7E 30 61 0D 0A 39 ");
    EXPECT_EQ(hex, ExpectedHex(bytes));
    EXPECT_EQ(hex.size(), 300u);

    std::string chars = ItemText(dialog, IDC_TEXT);
    EXPECT_EQ(chars.substr(0, 18), ". ....A\\..~0a..9\r\n");
    EXPECT_EQ(chars, ExpectedChars(bytes));
    EXPECT_EQ(chars.size(), 6u * 18 + 4);

    EXPECT_EQ(ItemText(dialog, IDC_ADDRESS),
              "00000000 00000000 00000000 00000010 00000000 00000020 00000000 00000030 "
              "00000000 00000040 00000000 00000050 00000000 00000060 ");

    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_GO)));
    EXPECT_TRUE(HexColumnWritable());
    EXPECT_EQ(ScrollTop(dialog), 0);
    EXPECT_EQ(ScrollPosition(dialog), 0);

    EXPECT_EQ(viewer.fileSize, 100u);
    EXPECT_EQ(viewer.lineCount, 7u);
    EXPECT_EQ(viewer.tailBytes, 4u);
    EXPECT_EQ(viewer.windowSize, 100u);
    EXPECT_EQ(viewer.topLine, 0u);
    EXPECT_EQ(viewer.pageBytes, 100u);
    EXPECT_EQ(viewer.viewOffset, 0u);
    EXPECT_TRUE(viewer.viewBase != NULL);
    EXPECT_PAGE_RENDERED(dialog);

    // One window holds the whole file: every line shows the same page from
    // the same view.
    unsigned char *base = viewer.viewBase;
    const uint64_t lines[] = {1, 6, 7, 100, ~0ull};
    for (uint64_t line : lines) {
        LoadPage(dialog, line);
        EXPECT_EQ(viewer.topLine, 0u) << line;
        EXPECT_EQ(viewer.pageBytes, 100u) << line;
        EXPECT_TRUE(viewer.viewBase == base) << line;
        EXPECT_EQ(ItemText(dialog, IDC_HEX), hex) << line;
        EXPECT_PAGE_RENDERED(dialog);
    }
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();

    CloseFile(dialog);
    EXPECT_EQ(viewer.pageRendered, 0);
    EXPECT_NO_FILE_OPEN();
    EXPECT_TRUE(FileIsFree(path));
}

// Each open in the same dialog closes the file before it.
TEST_F(OpenFile, SizeDecidesLinesWindowAndScrollScale)
{
    const struct {
        uint64_t size;
        const char *sizeText;
        uint64_t lineCount;
        uint32_t tailBytes;
        uint32_t windowSize;
        int scrollTop;
        int scaled;
    } cases[] = {
        {1, "ﾌｧｲﾙｻｲｽﾞ：0x00000000 00000001(byte)", 1, 1, 1, 0, 0},
        {768, "ﾌｧｲﾙｻｲｽﾞ：0x00000000 00000300(byte)", 48, 0, 768, 0, 0},
        {769, "ﾌｧｲﾙｻｲｽﾞ：0x00000000 00000301(byte)", 49, 1, 769, 1, 0},
        {1000, "ﾌｧｲﾙｻｲｽﾞ：0x00000000 000003E8(byte)", 63, 8, 1000, 15, 0},
        {16768, "ﾌｧｲﾙｻｲｽﾞ：0x00000000 00004180(byte)", 1048, 0, 16768, 1000, 0},
        {16784, "ﾌｧｲﾙｻｲｽﾞ：0x00000000 00004190(byte)", 1049, 0, 16784, 1000, 1},
        {65536, "ﾌｧｲﾙｻｲｽﾞ：0x00000000 00010000(byte)", 4096, 0, 65536, 1000, 1},
        {65537, "ﾌｧｲﾙｻｲｽﾞ：0x00000000 00010001(byte)", 4097, 1, 65536, 1000, 1},
    };
    std::string previous;
    for (const auto &c : cases) {
        char name[32];
        wsprintfA(name, "size-%lu.bin", (unsigned long)c.size);
        std::string path = Path(name);
        ASSERT_TRUE(WritePatternFile(path, (size_t)c.size));

        ::OpenFile(dialog, path.c_str());
        Pump(5);

        EXPECT_EQ(CapturedMessageCount(), 0) << c.size << " " << CapturedMessages();
        EXPECT_EQ(ItemText(dialog, IDC_FILESIZE), c.sizeText);
        EXPECT_EQ(viewer.lineCount, c.lineCount) << c.size;
        EXPECT_EQ(viewer.tailBytes, c.tailBytes) << c.size;
        EXPECT_EQ(viewer.windowSize, c.windowSize) << c.size;
        EXPECT_EQ(ScrollTop(dialog), c.scrollTop) << c.size;
        EXPECT_EQ(ScrollPosition(dialog), 0) << c.size;
        EXPECT_EQ(viewer.scaledScroll, c.scaled) << c.size;
        size_t pageBytes = c.size < 768 ? (size_t)c.size : 768;
        EXPECT_EQ(viewer.pageBytes, pageBytes) << c.size;
        EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(PatternBytes(0, pageBytes))) << c.size;
        EXPECT_EQ(ItemText(dialog, IDC_ADDRESS), ExpectedAddresses(0, pageBytes)) << c.size;
        EXPECT_PAGE_RENDERED(dialog);
        if (!previous.empty()) {
            EXPECT_TRUE(FileIsFree(previous)) << previous << " is still held";
        }
        EXPECT_FALSE(FileIsFree(path)) << "the open file must be held without sharing";
        previous = path;
    }
}

// 2^42 bytes, all holes but the last 16 bytes.
const uint64_t LARGEST_FILE = 4398046511104ull;

TEST_F(OpenFile, LargestFileOpensScaledAndShowsItsLastPage)
{
    const unsigned char tail[16] = {'K', 'o', 'r', 'v', 'e', 'x', 0x00, 0x7F,
                                    0x80, 0xFF, 0x20, 0x1F, 'E', 'N', 'D', '!'};
    std::string path = Path("largest.bin");
    ASSERT_TRUE(WriteSparseFile(path, LARGEST_FILE, tail, sizeof tail));
    ASSERT_LT(DiskUsage(path), 1024u * 1024) << "the file must stay sparse";

    ::OpenFile(dialog, path.c_str());
    Pump();
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
    ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ItemText(dialog, IDC_FILESIZE), "ﾌｧｲﾙｻｲｽﾞ：0x00000400 00000000(byte)");
    EXPECT_EQ(viewer.lineCount, 1ull << 38);
    EXPECT_EQ(viewer.tailBytes, 0u);
    EXPECT_EQ(viewer.windowSize, 65536u);
    EXPECT_EQ(viewer.scaledScroll, 1);
    EXPECT_EQ(ScrollTop(dialog), 1000);
    EXPECT_EQ(ScrollPosition(dialog), 0);
    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(std::vector<unsigned char>(768, 0)));

    // One line up from line 0 wraps to the largest line: the last page.
    LoadPage(dialog, ~0ull);
    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
    EXPECT_EQ(viewer.topLine, (1ull << 38) - 48);
    EXPECT_EQ(viewer.pageBytes, 768u);
    EXPECT_EQ(viewer.viewOffset, LARGEST_FILE - 65536);
    EXPECT_EQ(ScrollPosition(dialog), 1000);
    std::string addresses = ItemText(dialog, IDC_ADDRESS);
    EXPECT_EQ(addresses.substr(0, 18), "000003FF FFFFFD00 ");
    EXPECT_EQ(addresses.substr(47 * 18), "000003FF FFFFFFF0 ");
    EXPECT_EQ(addresses, ExpectedAddresses((1ull << 38) - 48, 768));
    std::vector<unsigned char> page(768, 0);
    memcpy(page.data() + 752, tail, sizeof tail);
    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(page));
    std::string chars = ItemText(dialog, IDC_TEXT);
    EXPECT_EQ(chars.substr(chars.size() - 16), "Korvex.... .END!");
    EXPECT_PAGE_RENDERED(dialog);

    // The line at byte offset 2^36 shows its full offset.
    LoadPage(dialog, 1ull << 32);
    EXPECT_EQ(ItemText(dialog, IDC_ADDRESS).substr(0, 18), "00000010 00000000 ");
    EXPECT_EQ(ScrollPosition(dialog), (int)((1000ull << 32) / ((1ull << 38) - 48)));
    EXPECT_PAGE_RENDERED(dialog);
    EXPECT_LT(DiskUsage(path), 1024u * 1024) << "viewing must not fill the holes";
}

// A file was open before (or not): a refused open closes it all the same,
// the dialog keeps showing what it showed, and what needs a file is grayed.
struct Refusal {
    const char *name;
    const char *message;
};

class OpenFileRefusal : public OpenFileTest, public testing::WithParamInterface<Refusal> {};

TEST_P(OpenFileRefusal, IsReportedAndLeavesNoFileOpen)
{
    const Refusal &refusal = GetParam();
    std::string path = Path("refused.bin");
    HANDLE holder = INVALID_HANDLE_VALUE;
    if (strcmp(refusal.name, "empty") == 0) {
        ASSERT_TRUE(WriteTestFile(path, NULL, 0));
    } else if (strcmp(refusal.name, "held") == 0) {
        ASSERT_TRUE(WritePatternFile(path, 100));
        holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    } else if (strcmp(refusal.name, "too-large") == 0) {
        const unsigned char last = 0xAA;
        ASSERT_TRUE(WriteSparseFile(path, LARGEST_FILE + 1, &last, 1));
    } else {
        path = Path("missing.bin");
    }

    for (int withPrevious = 0; withPrevious < 2; withPrevious++) {
        SCOPED_TRACE(withPrevious ? "after a file was open" : "with no file open before");
        std::string previous = Path("previous.bin");
        if (withPrevious) {
            ASSERT_TRUE(WritePatternFile(previous, 2000));
            ::OpenFile(dialog, previous.c_str());
            ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
        }
        std::string hex = ItemText(dialog, IDC_HEX);
        std::string addresses = ItemText(dialog, IDC_ADDRESS);
        std::string chars = ItemText(dialog, IDC_TEXT);
        std::string size = ItemText(dialog, IDC_FILESIZE);
        int top = ScrollTop(dialog);
        StartMessageBoxCapture();

        ::OpenFile(dialog, path.c_str());
        Pump();

        EXPECT_ONE_MESSAGE(refusal.message);
        EXPECT_NO_FILE_OPEN();
        EXPECT_EQ(viewer.pageRendered, 0);
        EXPECT_EQ(ItemText(dialog, IDC_HEX), hex);
        EXPECT_EQ(ItemText(dialog, IDC_ADDRESS), addresses);
        EXPECT_EQ(ItemText(dialog, IDC_TEXT), chars);
        EXPECT_EQ(ItemText(dialog, IDC_FILESIZE), size);
        EXPECT_EQ(ScrollTop(dialog), top);
        // With no file open, nothing that needs one is left enabled.
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_GO)));
        EXPECT_FALSE(GotoEnabled(dialog));
        EXPECT_FALSE(HexColumnWritable());
        if (withPrevious) {
            EXPECT_TRUE(FileIsFree(previous)) << "the previous file is still held";
            EXPECT_NE(hex, "");
        }
        if (holder == INVALID_HANDLE_VALUE && strcmp(refusal.name, "missing") != 0) {
            EXPECT_TRUE(FileIsFree(path)) << "the refused file is still held";
        }

        // Moving does nothing while no file is open.
        LoadPage(dialog, 3);
        EXPECT_EQ(ItemText(dialog, IDC_HEX), hex);
        EXPECT_EQ(CapturedMessageCount(), 1) << CapturedMessages();
    }
    if (holder != INVALID_HANDLE_VALUE) {
        CloseHandle(holder);
    }
}

const Refusal REFUSALS[] = {
    {"empty", "空ﾌｧｲﾙは、扱えません。"},
    {"held", "ﾌｧｲﾙを開けません。"},
    {"missing", "ﾌｧｲﾙを開けません。"},
    {"too-large", "4096(GB)を超えたﾌｧｲﾙは、扱えません。"},
};

INSTANTIATE_TEST_SUITE_P(Each, OpenFileRefusal, testing::ValuesIn(REFUSALS),
                         [](const testing::TestParamInfo<Refusal> &info) {
                             std::string name = info.param.name;
                             for (char &c : name) {
                                 if (c == '-') {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

}  // namespace
