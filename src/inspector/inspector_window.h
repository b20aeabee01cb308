// The data inspector: a modeless tool window beside the main dialog whose
// rows show what the bytes at the caret read as, and whose integer, float
// and double rows overwrite those bytes with a value typed and confirmed
// with Enter.
#ifndef KORVEX_INSPECTOR_WINDOW_H
#define KORVEX_INSPECTOR_WINDOW_H

#include <windows.h>

// Opens the inspector beside mainDialog (moved onto the screen where it
// does not fit there), or closes it when it is open; the menu's
// IDM_INSPECTOR is checked exactly while it is open.
void ToggleInspector(HWND mainDialog);

#endif
