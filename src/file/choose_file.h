// How the user names the file: the open-file dialog, a drop on the dialog, or
// the program's command line.
#ifndef KORVEX_CHOOSE_FILE_H
#define KORVEX_CHOOSE_FILE_H

#include <windows.h>

#define PATH_CAPACITY 260

// Asks for a file; 1 with its path in path (PATH_CAPACITY characters), 0
// when the user cancelled or the dialog failed.
int ChooseFile(HWND owner, char *path);

// Opens the first dropped item when it is a readable non-directory whose path
// fits in PATH_CAPACITY; always finishes the drop.
void OpenDroppedFile(HWND dialog, HDROP drop);

// Opens the file that the command line's first argument names, as a file
// chosen in the open-file dialog is opened. Without an argument nothing
// happens; a folder, or a path too long for PATH_CAPACITY, gets the message
// of a file that cannot be opened.
void OpenCommandLineFile(HWND dialog, const char *commandLine);

#endif
