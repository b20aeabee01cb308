// The status line under the columns: the file offset of the byte under the
// caret of the dump column that last had the focus, and the size of its
// selection.
#ifndef KORVEX_CARET_STATUS_H
#define KORVEX_CARET_STATUS_H

#include <stdint.h>

// Brings IDC_CARET_OFFSET up to date with the caret, the selection and the
// page; it is empty while no file is open and while the columns show text
// that belongs to no page (after a failed page load). Sets the control's
// text only when it changes. Every caret, page and file change ends here,
// so the data inspector's rows are brought up to date here too.
void ShowStatusLine(void);

// The file offset the status line shows: the byte under the caret, or the
// selection's first byte. The page's first byte while the columns belong to
// no page.
uint64_t CaretFileOffset(void);

#endif
