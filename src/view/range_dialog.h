// The range dialog: a start and a size in hex, copied to the clipboard as
// hex lines or a C array, or saved to a file.
#ifndef KORVEX_RANGE_DIALOG_H
#define KORVEX_RANGE_DIALOG_H

#include <windows.h>

// Opens the dialog, starting with the caret column's selection (or the
// caret's byte and 0x10 bytes), and carries out what it accepts. Does
// nothing while no file is open.
void HandleRange(HWND dialog);

#endif
