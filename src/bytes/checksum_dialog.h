// The checksum dialog: CRC-32, MD5, SHA-1, SHA-256 and SHA-512 of a range of
// the open file (a hex start and size), summed in one pass while the program
// stays usable, with the progress in its caption and 中止 to stop.
#ifndef KORVEX_CHECKSUM_DIALOG_H
#define KORVEX_CHECKSUM_DIALOG_H

#include <windows.h>

// Opens the modeless dialog owned by mainDialog, its range the caret
// column's selection or, with nothing selected, the whole file; CRC-32 and
// SHA-256 start checked. When it is open already it comes to the front and,
// unless a sum runs, takes the range afresh. Nothing while no file is open.
void OpenChecksumDialog(HWND mainDialog);

// Stops a running sum, with no result, and closes the dialog: for the open
// file's close. Nothing when it is not open.
void CloseChecksumDialog(void);

// The dialog while it is open, else NULL: the message loop hands it its keys.
HWND ChecksumDialogWindow(void);

#endif
