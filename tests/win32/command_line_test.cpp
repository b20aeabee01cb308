// The file named on the command line, where the end-to-end cases do not go:
// a folder, a path one character too long for the program's buffer, and
// command lines that name no file.
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
    std::string longest = LongestPath();
    ASSERT_TRUE(WritePatternFile(longest, 40));
    std::string file = Path("file.bin");
    ASSERT_TRUE(WritePatternFile(file, 300));
    const char *cannotOpen = "ﾌｧｲﾙを開けません。";
    const struct {
        const char *what;
        std::string commandLine;
        const char *message;  // null: none
        const char *sizeText;
    } cases[] = {
        {"nothing after the name", "Korvex.exe", NULL, "ﾌｧｲﾙｻｲｽﾞ(byte)"},
        {"an empty first argument", "Korvex.exe \"\" " + Quoted(file), NULL, "ﾌｧｲﾙｻｲｽﾞ(byte)"},
        {"a folder", "Korvex.exe " + Quoted(folder), cannotOpen, "ﾌｧｲﾙｻｲｽﾞ(byte)"},
        {"a folder ending in a backslash", "Korvex.exe " + Quoted(folder + "\\"), cannotOpen,
         "ﾌｧｲﾙｻｲｽﾞ(byte)"},
        {"one character past the buffer", "Korvex.exe " + Quoted(longest + "L"), cannotOpen,
         "ﾌｧｲﾙｻｲｽﾞ(byte)"},
        {"the longest path that fits", "Korvex.exe " + Quoted(longest), NULL,
         "ﾌｧｲﾙｻｲｽﾞ：0x00000000 00000028(byte)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        StartMessageBoxCapture();

        OpenCommandLineFile(dialog, c.commandLine.c_str());
        Pump();

        if (c.message != NULL) {
            EXPECT_ONE_MESSAGE(c.message);
        } else {
            EXPECT_EQ(CapturedMessageCount(), 0) << CapturedMessages();
        }
        EXPECT_EQ(ItemText(dialog, IDC_FILESIZE), c.sizeText);
        // The goto command follows a file opened from here too.
        EXPECT_EQ(GotoEnabled(dialog), viewer.fileHandle != INVALID_HANDLE_VALUE);
        EXPECT_TRUE(FileIsFree(file));
    }
    EXPECT_EQ(ItemText(dialog, IDC_HEX), ExpectedHex(PatternBytes(0, 40)));
    EXPECT_FALSE(FileIsFree(longest));
    RemoveDirectoryA(folder.c_str());
}

}  // namespace
