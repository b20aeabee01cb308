// The scroll bar, the mouse wheel and the jump box: each moves the page once.
#ifndef KORVEX_SCROLL_HANDLERS_H
#define KORVEX_SCROLL_HANDLERS_H

#include <windows.h>

// WM_VSCROLL of the main dialog: the page follows the thumb on its release.
void HandleScrollBar(HWND dialog, WPARAM wParam);
// WM_MOUSEWHEEL, in the dialog and in the columns: one line per message.
void HandleWheel(WPARAM wParam);
// IDC_GO: the jump box counts 768-byte pages from the start of the file.
void HandleJump(HWND dialog);

#endif
