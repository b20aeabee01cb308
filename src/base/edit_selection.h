// The one way the program reads an edit control's selection.
#ifndef KORVEX_EDIT_SELECTION_H
#define KORVEX_EDIT_SELECTION_H

#include <windows.h>

// Character positions; start == end for a bare caret.
struct EditSelection {
    DWORD start;
    DWORD end;
};

EditSelection ReadEditSelection(HWND edit);

#endif
