// The modeless search dialog.
#ifndef KORVEX_SEARCH_DIALOG_H
#define KORVEX_SEARCH_DIALOG_H

#include <windows.h>

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Creates and shows a search dialog owned by parent; the message loop feeds
// it through searchDialog.
void OpenSearchDialog(HWND parent);

#endif
