// The main dialog: the whole visible program.
#ifndef KORVEX_MAIN_DIALOG_H
#define KORVEX_MAIN_DIALOG_H

#include <windows.h>

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// While a range save runs, first asks whether to stop it, and on いいえ
// changes nothing. Then closes the file, deletes the fonts, removes the key
// filter and destroys the dialog, whose WM_DESTROY ends the message loop.
void RunExitSequence(HWND dialog);

#endif
