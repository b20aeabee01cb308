#ifndef KORVEX_VERSION_DIALOG_H
#define KORVEX_VERSION_DIALOG_H

#include <windows.h>

// The modal version dialog, closed by Enter, Esc or its close box.
INT_PTR CALLBACK VersionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
