#include "search/search_dialog.h"

#include "base/byte_cell.h"
#include "base/center_window.h"
#include "base/dialog_focus.h"
#include "base/paint_nothing.h"
#include "base/program_icon.h"
#include "base/viewer_state.h"
#include "res/resource.h"
#include "search/hit_list_dialog.h"
#include "search/incremental_search.h"
#include "search/search_pattern.h"

// The encoding and the case apply to the string search only.
static void ShowStringOptions(HWND dialog)
{
    BOOL string = IsDlgButtonChecked(dialog, IDC_SEARCH_HEX) != BST_CHECKED;
    EnableWindow(GetDlgItem(dialog, IDC_SEARCH_ENCODING_LABEL), string);
    EnableWindow(GetDlgItem(dialog, IDC_SEARCH_ENCODING), string);
    EnableWindow(GetDlgItem(dialog, IDC_SEARCH_IGNORE_CASE), string);
}

static void InitSearchDialog(HWND dialog)
{
    CheckDlgButton(dialog, viewer.searchHexMode ? IDC_SEARCH_HEX : IDC_SEARCH_STRING, BST_CHECKED);
    CheckDlgButton(dialog, IDC_SEARCH_BACKWARD, viewer.searchBackward ? BST_CHECKED : BST_UNCHECKED);
    HWND encodings = GetDlgItem(dialog, IDC_SEARCH_ENCODING);
    for (int encoding = 0; encoding < ENCODING_COUNT; encoding++) {
        SendMessageA(encodings, CB_ADDSTRING, 0, (LPARAM)SearchEncodingName(encoding));
    }
    SendMessageA(encodings, CB_SETCURSEL, viewer.searchEncoding, 0);
    CheckDlgButton(dialog, IDC_SEARCH_IGNORE_CASE,
                   viewer.searchIgnoreCase ? BST_CHECKED : BST_UNCHECKED);
    ShowStringOptions(dialog);
    if (viewer.searchInput[0] != '\0') {
        SetDlgItemTextA(dialog, IDC_SEARCH_TEXT, viewer.searchInput);
        StartSearch(dialog);
    }
}

static void CloseSearchDialog(HWND dialog)
{
    StopSearch(dialog);
    DestroyWindow(dialog);
}

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG:
        ShowProgramIcon(dialog);
        viewer.editFocus = COLUMN_NONE;
        CenterOnDesktop(dialog);
        InitSearchDialog(dialog);
        return TRUE;
    case WM_ACTIVATE:
        LeaveColumnsOnActivate(wParam);
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
            CloseSearchDialog(dialog);
            return TRUE;
        case IDC_SEARCH_START:
            // The button does what it says: it says "検索中止" exactly while
            // a search runs.
            if (viewer.searchActive) {
                StopSearch(dialog);
            } else {
                StartSearch(dialog);
            }
            return TRUE;
        case IDC_SEARCH_ALL:
            StartFindAll(dialog);
            return TRUE;
        case IDC_SEARCH_HEX:
        case IDC_SEARCH_STRING:
            ShowStringOptions(dialog);
            return TRUE;
        }
        return FALSE;
    case WM_TIMER:
        if (!RunSearchTick(dialog)) {
            DestroyWindow(dialog);
        }
        return TRUE;
    case WM_PAINT:
        PaintNothing(dialog);
        return TRUE;
    }
    return FALSE;
}

void OpenSearchDialog(HWND parent)
{
    // One search dialog at a time: two would share and disturb one carry.
    if (viewer.searchDialog != NULL && IsWindow(viewer.searchDialog)) {
        CloseSearchDialog(viewer.searchDialog);
    }
    viewer.searchDialog = CreateDialogParamA(viewer.instance, "IDD_SEARCH", parent,
                                             SearchDialogProc, 0);
    ShowWindow(viewer.searchDialog, SW_SHOW);
}
