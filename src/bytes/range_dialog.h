// The range dialog: a start and a size in hex, copied to the clipboard as
// hex lines or a C array, or saved to a file.
#ifndef KORVEX_RANGE_DIALOG_H
#define KORVEX_RANGE_DIALOG_H

#include <windows.h>

#include <stdint.h>

// Opens the dialog, starting with the caret column's selection (or the
// caret's byte and 0x10 bytes), and carries out what it accepts. Does
// nothing while no file is open.
void HandleRange(HWND dialog);

// Copies size bytes (a range inside the file, at most the clipboard's limit)
// from start on to the clipboard, as hex lines or, with cArray, a C array.
// A failing read or memory is reported, owned by dialog.
void CopyRangeToClipboard(HWND dialog, uint64_t start, uint32_t size, int cArray);

#endif
