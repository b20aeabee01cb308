// Files dropped on the main dialog: a real drop handle sent as WM_DROPFILES.
#include "open_file_fixture.h"

#include "file/mapped_file.h"
#include "app/file_life.h"

namespace {

using DropFile = OpenFileTest;

void Drop(HWND dialog, const std::vector<std::string> &paths)
{
    HDROP drop = MakeDrop(paths);
    ASSERT_TRUE(drop != NULL);
    SendMessageA(dialog, WM_DROPFILES, (WPARAM)drop, 0);
    Pump(10);
    // DragFinish freed the block: its handle is no longer valid. Nothing in
    // between allocates movable memory that could take the handle over.
    EXPECT_EQ(GlobalFlags((HGLOBAL)drop), (UINT)GMEM_INVALID_HANDLE);
}

TEST_F(DropFile, OnlyTheFirstOfSeveralFilesOpens)
{
    std::string first = Path("first.bin");
    std::string second = Path("second.bin");
    ASSERT_TRUE(WritePatternFile(first, 300));
    ASSERT_TRUE(WritePatternFile(second, 5000));

    Drop(dialog, {first, second});

    EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
    ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(viewer.fileSize, 300u);
    EXPECT_EQ(ItemText(dialog, IDC_FILESIZE), "ﾌｧｲﾙｻｲｽﾞ：0x00000000 0000012C(byte)");
    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(PatternBytes(0, 300)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_GO)));
    EXPECT_TRUE(GotoEnabled(dialog));
    EXPECT_EQ(StatusLine(dialog), "ｱﾄﾞﾚｽ 00000000 00000000");
    EXPECT_PAGE_RENDERED(dialog);
    EXPECT_FALSE(FileIsFree(first));
    EXPECT_TRUE(FileIsFree(second));
}

// Nothing opens and nothing is said; whatever was open stays open and shown.
// A path longer than a path holds is never cut to the file its first units
// name.
TEST_F(DropFile, DirectoryFirstMissingItemOrEmptyDropOpensNothing)
{
    std::string file = Path("file.bin");
    std::string directory = Path("folder");
    std::string overlong = file + std::string(PATH_CAPACITY - file.size(), 'L');
    ASSERT_TRUE(WritePatternFile(file, 100));
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), NULL));
    const struct {
        const char *what;
        std::vector<std::string> paths;
    } drops[] = {
        {"a directory", {directory}},
        {"a directory, then a file", {directory, file}},
        {"a missing item, then a file", {Path("missing.bin"), file}},
        {"a path too long to hold, then a file", {overlong, file}},
        {"nothing", {}},
    };

    for (int withPrevious = 0; withPrevious < 2; withPrevious++) {
        std::string previous = Path("previous.bin");
        if (withPrevious) {
            ASSERT_TRUE(WritePatternFile(previous, 900));
            OpenFile(dialog, previous.c_str());
            ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
        }
        for (const auto &drop : drops) {
            SCOPED_TRACE(std::string(drop.what) + (withPrevious ? ", a file open" : ""));
            HANDLE handle = viewer.fileHandle;
            std::string hex = ItemText(dialog, IDC_HEX);
            std::string size = ItemText(dialog, IDC_FILESIZE);

            Drop(dialog, drop.paths);

            EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
            EXPECT_EQ(viewer.fileHandle, handle);
            EXPECT_EQ(ItemText(dialog, IDC_HEX), hex);
            EXPECT_EQ(ItemText(dialog, IDC_FILESIZE), size);
            EXPECT_EQ(GotoEnabled(dialog), withPrevious);
            EXPECT_EQ(StatusLine(dialog), withPrevious ? "ｱﾄﾞﾚｽ 00000000 00000000" : "");
            EXPECT_TRUE(FileIsFree(file));
            if (withPrevious) {
                EXPECT_EQ(viewer.fileSize, 900u);
                EXPECT_EQ(viewer.pageRendered, 1);
            } else {
                EXPECT_NO_FILE_OPEN();
            }
        }
    }
    RemoveDirectoryA(directory.c_str());
}

TEST_F(DropFile, RefusedDroppedFileIsReportedAndClosesThePreviousOne)
{
    std::string previous = Path("previous.bin");
    std::string empty = Path("empty.bin");
    ASSERT_TRUE(WritePatternFile(previous, 100));
    ASSERT_TRUE(WriteTestFile(empty, NULL, 0));
    Drop(dialog, {previous});
    ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(GotoEnabled(dialog));

    Drop(dialog, {empty, previous});

    EXPECT_ONE_MESSAGE("空ﾌｧｲﾙは、扱えません。");
    EXPECT_NO_FILE_OPEN();
    // The page still shown belongs to no file: no offset, nowhere to go.
    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(PatternBytes(0, 100)));
    EXPECT_EQ(StatusLine(dialog), "");
    EXPECT_FALSE(GotoEnabled(dialog));
    EXPECT_TRUE(FileIsFree(previous));
}

}  // namespace
