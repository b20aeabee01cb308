// MapViewOfFile failing: the test process's address space is used up, so no
// window of the file can be mapped.
#include "address_space.h"
#include "open_file_fixture.h"

#include "file/mapped_file.h"
#include "app/file_life.h"
#include "view/load_page.h"

namespace {

using MapFailure = OpenFileTest;

// A move between windows unmaps the old view first, and the new one fits in
// the hole that leaves; so the space runs out while no view is held: at an
// open, whose first page then cannot be mapped either.
TEST_F(MapFailure, IsReportedKeepsTheColumnsAndPagesLoadOnceSpaceIsBack)
{
    std::string path = Path("windows.bin");
    ASSERT_TRUE(WritePatternFile(path, 4 * 65536));
    OpenFile(dialog, path.c_str());
    ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
    LoadPage(dialog, 100);
    std::string hex = ItemText(dialog, IDC_HEX);
    std::string addresses = ItemText(dialog, IDC_ADDRESS);
    std::string chars = ItemText(dialog, IDC_TEXT);
    OpenFile(dialog, Path("missing.bin").c_str());
    ASSERT_EQ(viewer.viewBase, (unsigned char *)NULL);
    StartMessageBoxCapture();

    ReservedAddressSpace space;
    space.ReleaseAtNextWindow();
    space.ReserveAll();
    int usedUp = space.UsedUp();
    OpenFile(dialog, path.c_str());
    int mappedAtOpen = viewer.viewBase != NULL;
    // The message box of the open gave the space back: used up again for the move.
    space.ReserveAll();
    LoadPage(dialog, 9000);
    int mappedAtMove = viewer.viewBase != NULL;
    space.Release();
    Pump();

    ASSERT_TRUE(usedUp);
    ASSERT_EQ(mappedAtOpen, 0) << "a view was mapped with the address space used up";
    EXPECT_EQ(mappedAtMove, 0);
    EXPECT_EQ(CapturedMessageCount(), 2) << CapturedMessages();
    for (int i = 0; i < 2; i++) {
        EXPECT_EQ(CapturedText(i), "MapViewOfFileに失敗しました。");
        EXPECT_EQ(CapturedCaption(i), "ﾒｯｾｰｼﾞ");
    }
    // The file stays open; its size is shown and the move itself happened,
    // but nothing was rendered.
    EXPECT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(viewer.viewBase == NULL);
    EXPECT_EQ(viewer.viewOffset, 1u);
    EXPECT_EQ(ItemText(dialog, IDC_FILESIZE), "ﾌｧｲﾙｻｲｽﾞ：0x00000000 00040000(byte)");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_GO)));
    EXPECT_EQ(viewer.topLine, 9000u);
    EXPECT_EQ(ScrollPosition(dialog), 9000 * 1000 / (4 * 4096 - 48));
    EXPECT_EQ(viewer.pageRendered, 0);
    EXPECT_EQ(StatusLine(dialog), "");
    EXPECT_EQ(ItemText(dialog, IDC_HEX), hex);
    EXPECT_EQ(ItemText(dialog, IDC_ADDRESS), addresses);
    EXPECT_EQ(ItemText(dialog, IDC_TEXT), chars);

    LoadPage(dialog, 9000);
    EXPECT_EQ(CapturedMessageCount(), 2) << CapturedMessages();
    EXPECT_EQ(viewer.viewOffset, 2u * 65536);
    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(PatternBytes(9000 * 16, 768)));
    EXPECT_EQ(ItemText(dialog, IDC_ADDRESS), ExpectedAddresses(9000, 768));
    EXPECT_EQ(StatusLine(dialog), "ｱﾄﾞﾚｽ 00000000 00023280");
    EXPECT_PAGE_RENDERED(dialog);
}

}  // namespace
