// The clipboard commands of the dump columns: copy the selection's bytes as
// the column shows them, and paste bytes over the file from the caret on.
#ifndef KORVEX_COPY_PASTE_H
#define KORVEX_COPY_PASTE_H

#include <windows.h>

// Copies the bytes the caret column's selection touches, typed digits not
// yet stored included: hex pairs from the hex column, the shown characters
// from the character column. Nothing without a selection.
void CopySelection(HWND dialog);

// Writes the clipboard's text over the file from the caret's byte on: hex
// bytes in the hex column, the text's own bytes in the character column.
// Read-only, text that is no hex, more than the limit and bytes past the
// file's end are refused whole with their message; no text does nothing.
// The pasted bytes on the page are then selected in the hex column.
void PasteOverFile(HWND dialog);

#endif
