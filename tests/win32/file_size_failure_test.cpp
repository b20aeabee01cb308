// A file whose size cannot be read is refused like one that cannot be
// opened, not shown as a file of 4 GB.
#include "harness.h"
#include "open_file_fixture.h"
#include "temp_files.h"

#include "base/viewer_state.h"
#include "app/file_life.h"
#include "file/mapped_file.h"

#include <gtest/gtest.h>

namespace {

DWORD WINAPI FailingFileSize(HANDLE, LPDWORD high)
{
    *high = 0;
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_FILE_SIZE;
}

TEST_F(OpenFileTest, FailedSizeQueryIsRefusedAndLeavesNoFileOpen)
{
    std::string first = Path("first.bin");
    std::string second = Path("second.bin");
    ASSERT_TRUE(WritePatternFile(first, 1000));
    ASSERT_TRUE(WritePatternFile(second, 2000));
    OpenFile(dialog, first.c_str());
    ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
    std::string shownHex = ItemText(dialog, 100);

    queryFileSize = FailingFileSize;
    OpenFile(dialog, second.c_str());
    queryFileSize = GetFileSize;

    EXPECT_ONE_MESSAGE("ﾌｧｲﾙを開けません。");
    EXPECT_NO_FILE_OPEN();
    EXPECT_TRUE(FileIsFree(first));
    EXPECT_TRUE(FileIsFree(second));
    EXPECT_EQ(ItemText(dialog, 100), shownHex);
    EXPECT_EQ(viewer.fileSize, 1000u);
}

}  // namespace
