#include "search/search_dialog.h"

#include "app/center_window.h"
#include "app/viewer_state.h"
#include "res/resource.h"

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG:
        viewer.editFocus = 0;
        SendMessageA(dialog, WM_SETICON, ICON_SMALL,
                     (LPARAM)LoadIconA(viewer.instance, MAKEINTRESOURCEA(IDI_KORVEX)));
        CenterOnDesktop(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
            // Searching itself is not built yet: the dialog only closes.
            DestroyWindow(dialog);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

void OpenSearchDialog(HWND parent)
{
    viewer.searchDialog = CreateDialogParamA(viewer.instance, "IDD_SEARCH", parent,
                                             SearchDialogProc, 0);
    ShowWindow(viewer.searchDialog, SW_SHOW);
}
