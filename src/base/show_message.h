// The one way the program tells the user something: a message box with the
// program's caption and an OK button, owned by the window that asked; and
// the one way it asks, with はい and いいえ.
#ifndef KORVEX_SHOW_MESSAGE_H
#define KORVEX_SHOW_MESSAGE_H

#include <windows.h>

void ShowMessage(HWND owner, const char *text);

// 1 when the user answers はい; いいえ, the default, and closing the box 0.
int AskYesNo(HWND owner, const char *text);

#endif
