// The status line under the columns: the file offset of the byte under the
// caret of the dump column that last had the focus, and the size of its
// selection.
#ifndef KORVEX_CARET_STATUS_H
#define KORVEX_CARET_STATUS_H

// Brings IDC_CARET_OFFSET up to date with the caret, the selection and the
// page; it is empty while no file is open and while the columns show text
// that belongs to no page (after a failed page load). Sets the control's
// text only when it changes. Every caret, page and file change ends here,
// and then calls caretFollower.
void ShowStatusLine(void);

// What follows the caret besides the status line, called at the end of
// every ShowStatusLine (a typed digit changes the bytes at the caret with
// the offset unchanged, so it is called whether the text changed or not);
// NULL for nothing. A window that shows the bytes at the caret sets it
// while it is open.
typedef void (*CaretFollower)(void);
extern CaretFollower caretFollower;

#endif
