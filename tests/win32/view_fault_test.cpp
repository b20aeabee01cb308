// Files that fail under the program, for real: a write into a hole of a
// sparse file on a full tmpfs, and reads past the end of a file shrunk by a
// native program behind the program's back (faults in the page's view, a
// short read in the search). Each failure is one message; the program goes
// on and loses nothing that was stored before it.
#include "edit_fixture.h"

#include "base/messages.h"
#include "app/file_life.h"
#include "file/mapped_file.h"
#include "view/load_page.h"

namespace {

const char FAILED[] = "ﾌｧｲﾙの読み書きに失敗しました。";

int SearchDialogGone(void)
{
    return viewer.searchDialog == NULL || !IsWindow(viewer.searchDialog);
}

struct ViewFault : EditTest {
    std::string mountPoint;

    void TearDown() override
    {
        CloseFile(dialog);
        if (!mountPoint.empty()) {
            RunHostShell("umount '" + UnixPath(mountPoint) + "'");
        }
        EditTest::TearDown();
    }

    // Searches forward from the caret for a hex text, through the menu's
    // dialog, and waits for the search to end.
    void SearchHex(const char *text)
    {
        SendMessageA(dialog, WM_COMMAND, IDM_SEARCH, 0);
        PumpLoop(20);
        ASSERT_FALSE(SearchDialogGone());
        CheckRadioButton(viewer.searchDialog, IDC_SEARCH_HEX, IDC_SEARCH_STRING, IDC_SEARCH_HEX);
        SetDlgItemTextA(viewer.searchDialog, IDC_SEARCH_TEXT, text);
        SendDlgItemMessageA(viewer.searchDialog, IDC_SEARCH_START, BM_CLICK, 0, 0);
        ASSERT_TRUE(PumpLoopUntil(SearchDialogGone, 20000)) << "the search did not end";
    }

    void ExpectFailures(int count)
    {
        EXPECT_EQ(CapturedMessageCount(), count) << CapturedMessages();
        for (int i = 0; i < CapturedMessageCount(); i++) {
            EXPECT_EQ(CapturedText(i), FAILED);
            EXPECT_EQ(CapturedCaption(i), "ﾒｯｾｰｼﾞ");
        }
    }
};

// 256 KB of tmpfs and a 16 MB sparse file whose block 100 holds 'U's. The
// page at line 25832 has 384 bytes in block 100 and 384 in block 101. Reading
// a page through the mapping takes a block of tmpfs for it, so the page is
// shown first; then block 101 is punched out again and a filler takes every
// free block, and storing into block 101 can only fail.
TEST_F(ViewFault, StoreIntoAHoleOnAFullDiskStoresWhatFitsAndSaysSo)
{
    mountPoint = Path("full");
    ASSERT_TRUE(CreateDirectoryA(mountPoint.c_str(), NULL));
    std::string unixFolder = UnixPath(mountPoint);
    if (unixFolder.empty() ||
        !RunHostShell("mount -t tmpfs -o size=256k korvex-full '" + unixFolder + "'")) {
        mountPoint.clear();
        GTEST_SKIP() << "a tmpfs cannot be mounted here (needs root under Wine)";
    }
    std::string shell = "cd '" + unixFolder + "' && ";
    ASSERT_TRUE(RunHostShell(shell + "truncate -s 16M big.bin && head -c 4096 /dev/zero"
                                     " | tr '\\000' U | dd of=big.bin bs=4096 seek=100"
                                     " conv=notrunc status=none"));
    path = mountPoint + "\\big.bin";
    OpenExisting();
    LoadPage(dialog, 25832);
    ASSERT_EQ(viewer.topLine, 25832u);
    ASSERT_EQ(viewer.pageRendered, 1) << CapturedMessages();
    SetReadOnlyBox(0);
    TypeAtByte(0, "ab");
    TypeAtByte(767, "cd");
    ASSERT_TRUE(RunHostShell(shell + "fallocate -p -o 413696 -l 4096 big.bin"
                                     " && { dd if=/dev/zero of=fill bs=4096 status=none; true; }"
                                     " && [ $(df --output=avail . | tail -1) -eq 0 ]"));

    LoadPage(dialog, 25600);

    ExpectFailures(1);
    EXPECT_EQ(viewer.topLine, 25600u);
    EXPECT_PAGE_RENDERED(dialog);
    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(std::vector<unsigned char>(768, 'U')));
    CloseFile(dialog);
    ExpectFailures(1);
    std::vector<unsigned char> stored = ReadTestFile(path, 25832 * 16, 768);
    ASSERT_EQ(stored.size(), 768u);
    std::vector<unsigned char> expected(768, 0);
    std::fill(expected.begin(), expected.begin() + 384, 'U');
    expected[0] = 0xAB;
    EXPECT_EQ(FirstDifference(stored, expected), "");
}

// Four windows of pattern, cut to one from Linux while the file is open.
TEST_F(ViewFault, ReadsPastTheEndOfAShrunkFileAreOneMessageEach)
{
    OpenPatterned("shrunk.bin", 4 * 65536);
    std::string unixPath = UnixPath(path);
    if (unixPath.empty()) {
        GTEST_SKIP() << "needs Wine: the file is shrunk by a native program";
    }
    std::string firstPage = ItemText(dialog, IDC_HEX);
    ASSERT_TRUE(RunHostShell("truncate -s 65536 '" + unixPath + "'"));

    // A page past the new end: nothing rendered, the old page's text kept
    // but no longer the page's.
    LoadPage(dialog, 8192);
    ExpectFailures(1);
    EXPECT_EQ(viewer.topLine, 8192u);
    EXPECT_EQ(viewer.pageRendered, 0);
    EXPECT_TRUE(viewer.viewBase == NULL);
    EXPECT_EQ(ItemText(dialog, IDC_HEX), firstPage);

    // A search from the first page reads into the missing windows: the read
    // falls short, the search stops there, with no "not found", and the page
    // stays where the user had it.
    LoadPage(dialog, 0);
    ExpectFailures(1);
    EXPECT_PAGE_RENDERED(dialog);
    SearchHex("00 11 22 33 44 55 66 77 88 99");
    ExpectFailures(2);
    EXPECT_EQ(viewer.topLine, 0u);
    EXPECT_EQ(ItemText(dialog, IDC_HEX), firstPage);

    // The program goes on with another file.
    std::string other = Path("other.bin");
    ASSERT_TRUE(WritePatternFile(other, 1000));
    OpenFile(dialog, other.c_str());
    ExpectFailures(2);
    EXPECT_PAGE_RENDERED(dialog);
    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(PatternBytes(0, 768)));
}

}  // namespace
