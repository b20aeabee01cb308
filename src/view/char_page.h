// The character column of the page shown in the mode chosen: the code page
// table it draws with, the split cells and the one map between the
// control's positions and the page's bytes that every caret rule reads.
#ifndef KORVEX_CHAR_PAGE_H
#define KORVEX_CHAR_PAGE_H

#include <windows.h>

#include "decode/char_split.h"
#include "view/char_column.h"

// Decides once, by a hidden control, whether the character column counts
// positions in bytes or in UTF-16 units, into viewer.charUnit.
void ProbeCharPositionUnit(HWND dialog);

// Makes mode (a CharMode) the one the column shows from now on, for every
// file; the code page table is built the first time a mode needs it.
void SetCharMode(int mode);

// Splits the pageBytes bytes of the page at viewer.topLine, read with what
// the file holds before and after them, and shows them in the column.
void ShowCharColumn(HWND dialog, const unsigned char *page);

// The same from the hex column's text as typed, keeping the column's caret:
// a typed byte may move every boundary after it.
void RedrawCharColumn(HWND dialog);

// The page shown, as split and mapped by the last ShowCharColumn.
const CharMap *ShownCharMap(void);
const CharCells *ShownCharCells(void);

#endif
