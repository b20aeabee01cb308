// A file's path as the system names it: UTF-16 units, from where the name
// enters the program to the call that opens the file, never converted to the
// ANSI code page (which spells some names as other files' names and cannot
// spell others at all). The unit is WCHAR on Windows and char16_t where the
// window-free code is tested natively, whose wchar_t is 4 bytes; PATH_TEXT
// makes a literal of it.
#ifndef KORVEX_PATH_CHARS_H
#define KORVEX_PATH_CHARS_H

#include <stddef.h>

#ifdef _WIN32
typedef wchar_t PathChar;
#define PATH_TEXT(text) L##text
#else
typedef char16_t PathChar;
#define PATH_TEXT(text) u##text
#endif

// The longest path Windows can name, 32,767 units, and its terminator. A
// buffer of it is 64 KB: kept static, never on the stack.
#define PATH_CAPACITY 32768

#endif
