#include "app/version_dialog.h"

#include "base/byte_cell.h"
#include "base/center_window.h"
#include "base/viewer_state.h"

INT_PTR CALLBACK VersionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG:
        // The key filter stays idle until a column is focused again.
        viewer.editFocus = COLUMN_NONE;
        CenterOnDesktop(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, 1);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 2);
        }
        return FALSE;
    }
    return FALSE;
}
