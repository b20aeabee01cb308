// The data inspector's rows: what the bytes at the caret read as, kept up
// to date with the caret, the page, the byte order and 読み取り専用.
#ifndef KORVEX_INSPECTOR_ROWS_H
#define KORVEX_INSPECTOR_ROWS_H

#include <windows.h>

// Finds the rows and boxes of the inspector dialog once it is created, and
// forgets what they showed: the next update sets every row.
void AttachInspectorRows(HWND dialog);

// Brings the rows up to date; every row is empty while no page is shown.
// The status line's caretFollower while the inspector is open, and called
// when the byte order or 読み取り専用 changes. Costs one test while the
// inspector is closed; sets a row's text only when it changes.
void ShowInspectorRows(void);

// The next update sets the row's text even when the bytes are unchanged:
// a value typed there is replaced with the value read back.
void ReshowInspectorRow(int row);

// The inspector's byte-order box and the main dialog's 読み取り専用 box.
int InspectorBigEndian(void);
int InspectorReadOnly(void);

#endif
