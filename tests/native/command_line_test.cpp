#include "file/command_line.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

struct ArgumentCase {
    const char *what;
    const char *commandLine;
    int result;
    const char *path;
};

// "ソ" is 83 5C and "表" 95 5C in code page 932, "ポ" 83 7C: trail bytes that
// read as '\' and '|'. "データ" holds no such byte.
#define SO "\x83\x5C"
#define HYO "\x95\x5C"
#define PO "\x83\x7C"
#define DATA "\x83\x66\x81\x5B\x83\x5E"

TEST(CommandLine, FirstArgumentAfterTheProgramName)
{
    const ArgumentCase cases[] = {
        {"quoted name, quoted path with blanks",
         "\"C:\\Program Files\\Korvex\\Korvex.exe\" \"C:\\My Data\\a b.bin\"", ARGUMENT_PATH,
         "C:\\My Data\\a b.bin"},
        {"quoted name, unquoted path", "\"C:\\Korvex\\Korvex.exe\" C:\\data\\a.bin", ARGUMENT_PATH,
         "C:\\data\\a.bin"},
        {"unquoted name, quoted path", "C:\\Korvex\\Korvex.exe \"C:\\x y\\a.bin\"", ARGUMENT_PATH,
         "C:\\x y\\a.bin"},
        {"unquoted name, unquoted path", "Korvex a.bin", ARGUMENT_PATH, "a.bin"},
        {"unquoted path ends at a blank", "Korvex C:\\My Data\\a.bin", ARGUMENT_PATH, "C:\\My"},
        {"unquoted path ends at a tab", "Korvex a.bin\tb.bin", ARGUMENT_PATH, "a.bin"},
        {"tabs and several blanks between", "Korvex.exe \t  \t\"a b.bin\"", ARGUMENT_PATH,
         "a b.bin"},
        {"a tab inside quotes stays", "Korvex \"a\tb.bin\"", ARGUMENT_PATH, "a\tb.bin"},
        {"several paths: the first counts", "Korvex.exe \"C:\\a 1.bin\" \"C:\\b 2.bin\" C:\\c.bin",
         ARGUMENT_PATH, "C:\\a 1.bin"},
        {"several unquoted paths", "Korvex.exe C:\\A.BIN C:\\B.BIN", ARGUMENT_PATH, "C:\\A.BIN"},
        {"a quote inside a word joins what follows", "Korvex \"C:\\My Data\"\\a.bin b.bin",
         ARGUMENT_PATH, "C:\\My Data\\a.bin"},
        {"a folder's trailing backslash before the quote", "Korvex \"C:\\My Data\\\" b.bin",
         ARGUMENT_PATH, "C:\\My Data\\"},
        {"an unterminated quote runs to the end", "Korvex.exe \"C:\\a b.bin", ARGUMENT_PATH,
         "C:\\a b.bin"},
        {"trailing blanks", "Korvex.exe a.bin  \t", ARGUMENT_PATH, "a.bin"},
        {"leading blanks", "  Korvex.exe a.bin", ARGUMENT_PATH, "a.bin"},
        {"Japanese name, trail bytes 5C before the quote",
         "\"Z:\\tmp\\Korvex.exe\" \"Z:\\tmp\\" SO HYO " " DATA " 1.bin\"", ARGUMENT_PATH,
         "Z:\\tmp\\" SO HYO " " DATA " 1.bin"},
        {"Japanese folder ending in 5C, unquoted", "Korvex.exe Z:\\" SO "\\" HYO " x", ARGUMENT_PATH,
         "Z:\\" SO "\\" HYO},
        {"trail bytes 5C right before the closing quote", "Korvex \"C:\\" HYO "\" \"C:\\b.bin\"",
         ARGUMENT_PATH, "C:\\" HYO},
        {"trail byte 7C", "Korvex \"C:\\" PO "\\" PO ".bin\"", ARGUMENT_PATH,
         "C:\\" PO "\\" PO ".bin"},
        {"a program name with Japanese and blanks",
         "\"C:\\" SO HYO " " DATA "\\Korvex.exe\" a.bin",
         ARGUMENT_PATH, "a.bin"},
        {"nothing after the name", "Korvex.exe", ARGUMENT_NONE, ""},
        {"nothing after a quoted name", "\"C:\\Program Files\\Korvex.exe\"", ARGUMENT_NONE, ""},
        {"only blanks after the name", "\"C:\\Korvex.exe\"  \t ", ARGUMENT_NONE, ""},
        {"an empty argument", "Korvex.exe \"\"", ARGUMENT_NONE, ""},
        {"an empty argument before a path", "Korvex.exe \"\" a.bin", ARGUMENT_NONE, ""},
        {"an empty command line", "", ARGUMENT_NONE, ""},
        {"a quote alone", "Korvex.exe \"", ARGUMENT_NONE, ""},
    };
    for (const ArgumentCase &c : cases) {
        SCOPED_TRACE(c.what);
        char path[260];
        memset(path, 'x', sizeof path);
        EXPECT_EQ(FirstArgument(c.commandLine, path, sizeof path), c.result);
        EXPECT_STREQ(path, c.path);
    }
}

// The buffer holds capacity - 1 characters and the terminator; one more must
// not open the file that the first capacity - 1 characters name.
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
        std::string argument(c.length, 'a');
        std::string commandLine = "Korvex.exe " + (c.quoted ? "\"" + argument + "\"" : argument) + " b";
        // One guard byte past the buffer shows any write beyond it.
        char buffer[capacity + 1];
        memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(FirstArgument(commandLine.c_str(), buffer, capacity), c.result);
        EXPECT_EQ(buffer[capacity], 'x');
        EXPECT_STREQ(buffer, c.result == ARGUMENT_PATH ? argument.c_str() : "");
    }
}

}  // namespace
