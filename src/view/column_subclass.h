// The window procedure put in front of the hex and character columns' own.
#ifndef KORVEX_COLUMN_SUBCLASS_H
#define KORVEX_COLUMN_SUBCLASS_H

#include <windows.h>

LRESULT CALLBACK ColumnSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Saves the column's procedure in savedEditProc and installs ColumnSubclassProc.
void SubclassColumn(HWND column);

#endif
