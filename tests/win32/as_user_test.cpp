// Files the user may not write cannot be opened, not even for viewing. Root
// writes anything, so these run only under Wine as an ordinary user: the
// runner sets KORVEX_AS_USER=1 there, and KORVEX_NOT_WRITABLE to the Windows
// path of a file that user may read but not write.
#include "open_file_fixture.h"

#include "file/mapped_file.h"
#include "app/file_life.h"

#include <stdlib.h>

namespace {

using AsUser = OpenFileTest;

int RunsAsUser(void)
{
    const char *flag = getenv("KORVEX_AS_USER");
    return flag != NULL && strcmp(flag, "1") == 0;
}

#define SKIP_UNLESS_AS_USER()                                                              \
    if (!RunsAsUser()) {                                                                   \
        GTEST_SKIP() << "runs only under Wine as an ordinary user (KORVEX_AS_USER=1, set " \
                        "by scripts/test.sh): as root every file opens for writing";       \
    }

// With and without a file open before: the refusal closes that one too.
void ExpectRefused(HWND dialog, const std::string &path, const std::string &previous)
{
    for (int withPrevious = 0; withPrevious < 2; withPrevious++) {
        SCOPED_TRACE(withPrevious ? "after a file was open" : "with no file open before");
        if (withPrevious) {
            OpenFile(dialog, previous.c_str());
            ASSERT_NE(viewer.fileHandle, INVALID_HANDLE_VALUE);
        }
        std::string hex = ItemText(dialog, IDC_HEX);
        StartMessageBoxCapture();

        OpenFile(dialog, path.c_str());
        Pump();

        EXPECT_ONE_MESSAGE("ﾌｧｲﾙを開けません。");
        EXPECT_NO_FILE_OPEN();
        EXPECT_EQ(ItemText(dialog, IDC_HEX), hex);
        EXPECT_TRUE(FileIsFree(previous));
    }
}

TEST_F(AsUser, FileWithTheReadOnlyAttributeIsRefused)
{
    SKIP_UNLESS_AS_USER();
    std::string path = Path("read-only.bin");
    std::string previous = Path("previous.bin");
    ASSERT_TRUE(WritePatternFile(path, 100));
    ASSERT_TRUE(WritePatternFile(previous, 100));
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);

    ExpectRefused(dialog, path, previous);
}

TEST_F(AsUser, FileTheUserMayReadButNotWriteIsRefused)
{
    SKIP_UNLESS_AS_USER();
    const char *path = getenv("KORVEX_NOT_WRITABLE");
    ASSERT_TRUE(path != NULL && *path != '\0') << "the runner must set KORVEX_NOT_WRITABLE";
    ASSERT_FALSE(ReadTestFile(path, 0, 16).empty()) << path << " must be readable";
    std::string previous = Path("previous.bin");
    ASSERT_TRUE(WritePatternFile(previous, 100));

    ExpectRefused(dialog, path, previous);
}

}  // namespace
