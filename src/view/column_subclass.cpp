#include "view/column_subclass.h"

#include "base/viewer_state.h"
#include "edit/overwrite_edit.h"
#include "res/resource.h"
#include "view/caret_status.h"
#include "view/column_key_handlers.h"
#include "view/scroll_handlers.h"

// The edit control's own clipboard in either column: its copy and paste (the
// context menu's, and Ctrl+Insert, Shift+Insert) become the program's, its
// cut and delete change nothing, and the control characters of Ctrl+C, V
// and X, whose commands the key-down already posted, go no further. 1 when
// the message is handled here.
static int ColumnClipboardMessage(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_COPY:
        PostMessageA(viewer.mainDialog, WM_COMMAND, IDM_COPY, 0);
        return 1;
    case WM_PASTE:
        PostMessageA(viewer.mainDialog, WM_COMMAND, IDM_PASTE, 0);
        return 1;
    case WM_CUT:
    case WM_CLEAR:
        return 1;
    case WM_CHAR:
        return wParam == 0x03 || wParam == 0x16 || wParam == 0x18;
    }
    return 0;
}

// The messages after which the column's caret or selection may stand
// elsewhere, or another column may be the one the status line follows: keys
// and typing, clicks and drags (the control's timer scrolls a drag past its
// edge), the focus, and the context menu's Select All.
static int MayMoveCaret(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_TIMER:
    case WM_SETFOCUS:
    case WM_CONTEXTMENU:
        return 1;
    case WM_MOUSEMOVE:
        return (wParam & MK_LBUTTON) != 0;
    }
    return 0;
}

LRESULT CALLBACK ColumnSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (ColumnClipboardMessage(message, wParam)) {
        return 0;
    }
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
        if (window == viewer.hexEdit) {
            HexKeyDown(wParam);
        } else {
            CharKeyDown(wParam);
        }
        break;
    case WM_KEYUP:
        if (window == viewer.hexEdit) {
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
    LRESULT result = CallWindowProcA(viewer.savedEditProc, window, message, wParam, lParam);
    if (message == WM_LBUTTONUP && window == viewer.charEdit) {
        CharMouseUp();
    }
    if (MayMoveCaret(message, wParam)) {
        ShowStatusLine();
    }
    return result;
}

void SubclassColumn(HWND column)
{
    // Both columns are EDIT controls, so the one saved procedure serves both.
    viewer.savedEditProc = (WNDPROC)GetWindowLongPtrA(column, GWLP_WNDPROC);
    SetWindowLongPtrA(column, GWLP_WNDPROC, (LONG_PTR)ColumnSubclassProc);
}
