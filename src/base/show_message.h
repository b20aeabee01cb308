// The one way the program tells the user something: a message box with the
// program's caption and an OK button, owned by the window that asked.
#ifndef KORVEX_SHOW_MESSAGE_H
#define KORVEX_SHOW_MESSAGE_H

#include <windows.h>

void ShowMessage(HWND owner, const char *text);

#endif
