// The file named on the command line, where the end-to-end cases do not go:
// a folder, paths too long to hold, and command lines that name no file.
#include "open_file_fixture.h"

namespace {

using CommandLineFile = OpenFileTest;

std::string Quoted(const std::string &path)
{
    return "\"" + path + "\"";
}

TEST_F(CommandLineFile, FolderAndOverlongPathAreReportedEmptyArgumentsOpenNothing)
{
    std::string folder = Path("folder");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), NULL));
    std::string file = Path("file.bin");
    ASSERT_TRUE(WritePatternFile(file, 300));
    const char *cannotOpen = "ﾌｧｲﾙを開けません。";
    const char *noSize = "ﾌｧｲﾙｻｲｽﾞ(byte)";
    const struct {
        const char *what;
        std::string commandLine;
        const char *message;  // null: none
        const char *sizeText;
    } cases[] = {
        {"nothing after the name", "Korvex.exe", NULL, noSize},
        {"an empty first argument", "Korvex.exe \"\" " + Quoted(file), NULL, noSize},
        {"a folder", "Korvex.exe " + Quoted(folder), cannotOpen, noSize},
        {"a folder ending in a backslash", "Korvex.exe " + Quoted(folder + "\\"), cannotOpen,
         noSize},
        // Never cut back to the file its first 32,767 units would name.
        {"one unit more than a path holds",
         "Korvex.exe " + Quoted(file + std::string(PATH_CAPACITY - file.size(), 'L')), cannotOpen,
         noSize},
        {"a relative path whose full path is too long to hold",
         "Korvex.exe " + std::string(PATH_CAPACITY - 20, 'L'), cannotOpen, noSize},
        {"a file", "Korvex.exe " + Quoted(file), NULL, "ﾌｧｲﾙｻｲｽﾞ：0x00000000 0000012C(byte)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        StartMessageBoxCapture();

        OpenCommandLineFile(dialog, Wide(c.commandLine).c_str());
        Pump();

        if (c.message != NULL) {
            EXPECT_ONE_MESSAGE(c.message);
        } else {
            EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
        }
        EXPECT_EQ(ItemText(dialog, IDC_FILESIZE), c.sizeText);
        // The goto command follows a file opened from here too.
        EXPECT_EQ(GotoEnabled(dialog), viewer.fileHandle != INVALID_HANDLE_VALUE);
        EXPECT_EQ(FileIsFree(file), viewer.fileHandle == INVALID_HANDLE_VALUE);
    }
    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(PatternBytes(0, 300)));
    RemoveDirectoryA(folder.c_str());
}

}  // namespace
