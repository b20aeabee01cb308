// Where the caret stands: on a shown page or not, in which dump column, at
// which byte of the file.
#ifndef KORVEX_CARET_PLACE_H
#define KORVEX_CARET_PLACE_H

#include <windows.h>

#include "view/caret_offset.h"

#include <stdint.h>

// 1 while a file is open and the columns show its page; 0 while they show
// text that belongs to no page (after a failed page load).
int PageShown(void);

// The dump column that last had the focus.
HWND CaretColumnEdit(void);

// The page bytes the caret column's selection stands on (count 0 for a bare
// caret); first and count 0 while no page is shown.
CaretBytes CaretSelection(void);

// The file offset of the byte under the caret, or the selection's first
// byte. The page's first byte while the columns belong to no page.
uint64_t CaretFileOffset(void);

#endif
