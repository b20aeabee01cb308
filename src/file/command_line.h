// The file named on the program's command line: the first argument after the
// program's own name, as Explorer's "Open with", "Send To" and a drop on the
// program's icon pass it, read from the UTF-16 command line.
#ifndef KORVEX_COMMAND_LINE_H
#define KORVEX_COMMAND_LINE_H

#include "file/path_chars.h"

#include <stddef.h>

enum CommandLineArgument {
    ARGUMENT_NONE = 0,     // nothing after the name, or an empty first argument ("")
    ARGUMENT_PATH = 1,     // the first argument is in path
    ARGUMENT_TOO_LONG = 2  // the first argument does not fit in path
};

// Reads the program's name and then the first argument from commandLine.
// A word runs to the next blank or tab outside quotes; quotes are dropped
// and hold blanks and tabs in the word, and an unclosed one runs to the end.
// Nothing else is special: a backslash is an ordinary character, and so is
// every other unit, surrogates (paired or not) included. path holds capacity
// units (at least 1) and is always terminated; it is empty unless the
// result is ARGUMENT_PATH.
int FirstArgument(const PathChar *commandLine, PathChar *path, size_t capacity);

#endif
