// How the user names the file: the open-file dialog, a drop on the dialog, or
// the program's command line. Each gives a path to open as the system names
// it, in UTF-16 (see path_chars.h), in a buffer of PATH_CAPACITY units.
#ifndef KORVEX_CHOOSE_FILE_H
#define KORVEX_CHOOSE_FILE_H

#include <windows.h>

#include "file/path_chars.h"

// Asks for a file; 1 with its path in path, 0 when the user cancelled or the
// dialog failed.
int ChooseFile(HWND owner, WCHAR *path);

// Asks for a file to save to in the system's save-file dialog, which asks
// before a file is replaced; 1 with its path, 0 when the user cancelled.
int ChooseSaveFile(HWND owner, WCHAR *path);

// The first dropped item: 1 with its path when it is a readable
// non-directory whose path fits, else 0. Always finishes the drop.
int DroppedFilePath(HDROP drop, WCHAR *path);

// The file that the command line's first argument names: 1 with its path.
// 0 without an argument; 0 after the message of a file that cannot be
// opened, owned by dialog, for a folder or a path too long to hold.
int CommandLineFilePath(HWND dialog, const WCHAR *commandLine, WCHAR *path);

#endif
