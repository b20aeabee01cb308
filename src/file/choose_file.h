// How the user picks the file: the open-file dialog or a drop on the dialog.
#ifndef KORVEX_CHOOSE_FILE_H
#define KORVEX_CHOOSE_FILE_H

#include <windows.h>

#define PATH_CAPACITY 260

// Asks for a file; 1 with its path in path (PATH_CAPACITY characters), 0
// when the user cancelled or the dialog failed.
int ChooseFile(HWND owner, char *path);

// Opens the first dropped item when it is a readable non-directory; always
// finishes the drop.
void OpenDroppedFile(HWND dialog, HDROP drop);

#endif
