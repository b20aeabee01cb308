// The list of every hit: a modeless dialog that scans the whole file from its
// first byte on its own timer, lists each start position of the search text,
// overlapping ones too, and moves the page to the row chosen. It shares the
// search state with the search dialog's search, so only one of them runs at
// a time; the other is refused with MSG_SEARCH_BUSY.
#ifndef KORVEX_HIT_LIST_DIALOG_H
#define KORVEX_HIT_LIST_DIALOG_H

#include <windows.h>

INT_PTR CALLBACK HitListDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The search dialog's "すべて検索": reads its box and mode, opens the list (or
// empties the one open) and starts the scan. Does nothing while no file is
// open or the box is empty.
void StartFindAll(HWND searchDialog);

// Ends a running scan without a message and empties the list, for when its
// file is closed; the dialog stays open.
void ClearHitList(void);

#endif
