#include "file/command_line.h"
#include "file/long_path.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ArgumentCase {
    const char *what;
    const char16_t *commandLine;
    int result;
    const char16_t *path;
};

// "ソ" and "表" end in the byte 5C ('\') in code page 932, "ポ" in 7C ('|'):
// no longer special in UTF-16, kept as the names the ANSI reader had to
// get right. © and é have only look-alikes in code page 932, Hangul and the
// emoji (a surrogate pair) none.
TEST(CommandLine, FirstArgumentAfterTheProgramName)
{
    const ArgumentCase cases[] = {
        {"quoted name, quoted path with blanks",
         u"\"C:\\Program Files\\Korvex\\Korvex.exe\" \"C:\\My Data\\a b.bin\"", ARGUMENT_PATH,
         u"C:\\My Data\\a b.bin"},
        {"quoted name, unquoted path", u"\"C:\\Korvex\\Korvex.exe\" C:\\data\\a.bin",
         ARGUMENT_PATH, u"C:\\data\\a.bin"},
        {"unquoted name, quoted path", u"C:\\Korvex\\Korvex.exe \"C:\\x y\\a.bin\"", ARGUMENT_PATH,
         u"C:\\x y\\a.bin"},
        {"unquoted name, unquoted path", u"Korvex a.bin", ARGUMENT_PATH, u"a.bin"},
        {"unquoted path ends at a blank", u"Korvex C:\\My Data\\a.bin", ARGUMENT_PATH, u"C:\\My"},
        {"unquoted path ends at a tab", u"Korvex a.bin\tb.bin", ARGUMENT_PATH, u"a.bin"},
        {"tabs and several blanks between", u"Korvex.exe \t  \t\"a b.bin\"", ARGUMENT_PATH,
         u"a b.bin"},
        {"a tab inside quotes stays", u"Korvex \"a\tb.bin\"", ARGUMENT_PATH, u"a\tb.bin"},
        {"several paths: the first counts",
         u"Korvex.exe \"C:\\a 1.bin\" \"C:\\b 2.bin\" C:\\c.bin", ARGUMENT_PATH, u"C:\\a 1.bin"},
        {"several unquoted paths", u"Korvex.exe C:\\A.BIN C:\\B.BIN", ARGUMENT_PATH, u"C:\\A.BIN"},
        {"a quote inside a word joins what follows", u"Korvex \"C:\\My Data\"\\a.bin b.bin",
         ARGUMENT_PATH, u"C:\\My Data\\a.bin"},
        {"a folder's trailing backslash before the quote", u"Korvex \"C:\\My Data\\\" b.bin",
         ARGUMENT_PATH, u"C:\\My Data\\"},
        {"an unterminated quote runs to the end", u"Korvex.exe \"C:\\a b.bin", ARGUMENT_PATH,
         u"C:\\a b.bin"},
        {"trailing blanks", u"Korvex.exe a.bin  \t", ARGUMENT_PATH, u"a.bin"},
        {"leading blanks", u"  Korvex.exe a.bin", ARGUMENT_PATH, u"a.bin"},
        {"Japanese name with blanks", u"\"Z:\\tmp\\Korvex.exe\" \"Z:\\tmp\\ソ表 データ 1.bin\"",
         ARGUMENT_PATH, u"Z:\\tmp\\ソ表 データ 1.bin"},
        {"Japanese folder, unquoted", u"Korvex.exe Z:\\ソ\\表 x", ARGUMENT_PATH, u"Z:\\ソ\\表"},
        {"Japanese right before the closing quote", u"Korvex \"C:\\表\" \"C:\\b.bin\"",
         ARGUMENT_PATH, u"C:\\表"},
        {"ポ", u"Korvex \"C:\\ポ\\ポ.bin\"", ARGUMENT_PATH, u"C:\\ポ\\ポ.bin"},
        {"a program name with Japanese and blanks", u"\"C:\\ソ表 データ\\Korvex.exe\" a.bin",
         ARGUMENT_PATH, u"a.bin"},
        {"©, not its look-alike c", u"Korvex.exe \"C:\\AB©D.bin\"", ARGUMENT_PATH,
         u"C:\\AB©D.bin"},
        {"é and Hangul, unquoted", u"Korvex.exe C:\\café\\안녕.bin x", ARGUMENT_PATH,
         u"C:\\café\\안녕.bin"},
        {"simplified Chinese", u"Korvex.exe \"C:\\数据 文件.bin\"", ARGUMENT_PATH,
         u"C:\\数据 文件.bin"},
        {"a surrogate pair before the closing quote", u"Korvex.exe \"C:\\😀\" b.bin",
         ARGUMENT_PATH, u"C:\\\xD83D\xDE00"},
        {"unpaired surrogates are copied as they are", u"Korvex.exe \xDC00\xD83D b.bin",
         ARGUMENT_PATH, u"\xDC00\xD83D"},
        {"nothing after the name", u"Korvex.exe", ARGUMENT_NONE, u""},
        {"nothing after a quoted name", u"\"C:\\Program Files\\Korvex.exe\"", ARGUMENT_NONE, u""},
        {"only blanks after the name", u"\"C:\\Korvex.exe\"  \t ", ARGUMENT_NONE, u""},
        {"an empty argument", u"Korvex.exe \"\"", ARGUMENT_NONE, u""},
        {"an empty argument before a path", u"Korvex.exe \"\" a.bin", ARGUMENT_NONE, u""},
        {"an empty command line", u"", ARGUMENT_NONE, u""},
        {"a quote alone", u"Korvex.exe \"", ARGUMENT_NONE, u""},
    };
    for (const ArgumentCase &c : cases) {
        SCOPED_TRACE(c.what);
        std::u16string path(260, u'x');
        EXPECT_EQ(FirstArgument(c.commandLine, &path[0], path.size()), c.result);
        EXPECT_EQ(std::u16string(path.c_str()), c.path);
    }
}

// The buffer holds capacity - 1 units and the terminator; one more must not
// open the file that the first capacity - 1 units name.
TEST(CommandLine, PathLongerThanTheBufferIsRefusedNotCut)
{
    const size_t capacity = 16;
    const struct {
        size_t length;
        int quoted;
        int result;
    } cases[] = {
        {14, 0, ARGUMENT_PATH},     {15, 0, ARGUMENT_PATH},     {15, 1, ARGUMENT_PATH},
        {16, 0, ARGUMENT_TOO_LONG}, {16, 1, ARGUMENT_TOO_LONG}, {300, 1, ARGUMENT_TOO_LONG},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.length);
        std::u16string argument(c.length, u'a');
        std::u16string commandLine =
            u"Korvex.exe " + (c.quoted ? u"\"" + argument + u"\"" : argument) + u" b";
        // One guard unit past the buffer shows any write beyond it.
        std::u16string buffer(capacity + 1, u'x');
        EXPECT_EQ(FirstArgument(commandLine.c_str(), &buffer[0], capacity), c.result);
        EXPECT_EQ(buffer[capacity], u'x');
        EXPECT_EQ(std::u16string(buffer.c_str()), c.result == ARGUMENT_PATH ? argument : u"");
    }
}

// The forms Windows opens past MAX_PATH, and the temporary file beside a
// target; whatever does not fit is refused, never cut.
TEST(LongPath, ExtendedFormsAndTheTemporarySibling)
{
    const struct {
        const char16_t *full;
        const char16_t *extended;
    } forms[] = {
        {u"C:\\data\\a.bin", u"\\\\?\\C:\\data\\a.bin"},
        {u"\\\\server\\share\\a.bin", u"\\\\?\\UNC\\server\\share\\a.bin"},
        {u"\\\\?\\C:\\a.bin", u"\\\\?\\C:\\a.bin"},
        {u"\\\\.\\COM1", u"\\\\.\\COM1"},
    };
    for (const auto &f : forms) {
        std::u16string out(64, u'x');
        EXPECT_EQ(ExtendedPath(f.full, &out[0], out.size()), 1);
        EXPECT_EQ(std::u16string(out.c_str()), f.extended);
    }
    // "\\?\" and 12 units take 17 with the terminator.
    std::u16string out(17, u'x');
    EXPECT_EQ(ExtendedPath(u"C:\\abcdefghi", &out[0], 17), 1);
    EXPECT_EQ(ExtendedPath(u"C:\\abcdefghij", &out[0], 17), 0);
    EXPECT_EQ(out[0], u'\0');

    std::u16string temp(64, u'x');
    EXPECT_EQ(TempSiblingPath(u"\\\\?\\C:\\안녕\\😀.bin", 0x0123ABCDu, &temp[0], temp.size()), 1);
    EXPECT_EQ(std::u16string(temp.c_str()), u"\\\\?\\C:\\안녕\\~korvex0123ABCD.tmp");
    EXPECT_EQ(TempSiblingPath(u"\\\\?\\C:\\a.bin", 0, &temp[0], 27), 1);
    EXPECT_EQ(TempSiblingPath(u"\\\\?\\C:\\a.bin", 0, &temp[0], 26), 0);
    EXPECT_EQ(TempSiblingPath(u"a.bin", 0, &temp[0], temp.size()), 0);
}

}  // namespace
