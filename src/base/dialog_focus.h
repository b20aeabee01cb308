// The keyboard between the dump columns and the program's other dialogs:
// the key filter serves the column in viewer.editFocus, so a dialog that
// takes the keyboard names no column.
#ifndef KORVEX_DIALOG_FOCUS_H
#define KORVEX_DIALOG_FOCUS_H

#include <windows.h>

// A modeless dialog's WM_ACTIVATE: while it is the active window, what is
// typed in it is never the dump columns' keys, whichever column was clicked
// in between. The dialog procedure then returns FALSE, so that the default
// handling gives the dialog's controls back their focus.
void LeaveColumnsOnActivate(WPARAM wParam);

#endif
