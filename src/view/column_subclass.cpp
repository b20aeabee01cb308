#include "view/column_subclass.h"

#include "app/viewer_state.h"
#include "edit/overwrite_edit.h"
#include "view/column_key_handlers.h"
#include "view/scroll_handlers.h"

LRESULT CALLBACK ColumnSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (window == viewer.hexEdit) {
        if (IsRefusedHexMessage(message)) {
            return 0;
        }
        if (message == WM_CHAR || message == WM_KEYDOWN || message == EM_REPLACESEL) {
            NoteHexSelection(window);
        }
    }
    // The handlers run first; the edit control's own handling then works on
    // the page and the caret they left.
    switch (message) {
    case WM_KEYDOWN:
        if (viewer.editFocus == 1) {
            HexKeyDown(window, wParam);
        } else {
            CharKeyDown(window, wParam);
        }
        break;
    case WM_KEYUP:
        if (viewer.editFocus == 1) {
            HexKeyUp(wParam);
        } else {
            CharKeyUp(wParam);
        }
        break;
    case WM_LBUTTONUP:
        // A mouse release in either column keeps the hex caret off a blank.
        HexKeyUp(VK_LEFT);
        break;
    case WM_MOUSEWHEEL:
        HandleWheel(wParam);
        break;
    }
    return CallWindowProcA(viewer.savedEditProc, window, message, wParam, lParam);
}

void SubclassColumn(HWND column)
{
    // Both columns are EDIT controls, so the one saved procedure serves both.
    viewer.savedEditProc = (WNDPROC)GetWindowLongPtrA(column, GWLP_WNDPROC);
    SetWindowLongPtrA(column, GWLP_WNDPROC, (LONG_PTR)ColumnSubclassProc);
}
