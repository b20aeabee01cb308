// Typing in the hex column: each typed hex digit overwrites the digit under
// the caret; any other change of the column's text is undone at once.
#ifndef KORVEX_OVERWRITE_EDIT_H
#define KORVEX_OVERWRITE_EDIT_H

#include <windows.h>

// EN_UPDATE of the hex column: the control has inserted one character.
void OverwriteEdit(HWND dialog);

// Remembers the hex column's selection before an input message (a key, a
// character, a replacement), so that a refused change puts the caret back
// where it was.
void NoteHexSelection(HWND hexEdit);

// 1 for the messages that would cut, paste, clear or undo in the hex column:
// they are refused there, since they cannot keep its shape.
int IsRefusedHexMessage(UINT message);

#endif
