#include "inspector/inspector_window.h"

#include "base/dialog_focus.h"
#include "base/messages.h"
#include "base/program_icon.h"
#include "base/show_message.h"
#include "base/viewer_state.h"
#include "decode/inspector_parse.h"
#include "decode/inspector_text.h"
#include "file/file_geometry.h"
#include "inspector/inspector_rows.h"
#include "res/resource.h"
#include "view/caret_place.h"
#include "view/caret_status.h"
#include "view/overwrite_bytes.h"
#include "view/select_bytes.h"

// Enter in a row: the value typed into the focused writable row overwrites
// the bytes at the caret, or is refused with nothing written.
static void WriteFocusedRow(HWND dialog)
{
    HWND focus = GetFocus();
    int row = GetDlgCtrlID(focus) - IDC_INSPECTOR_BINARY;
    if (GetParent(focus) != dialog || row < 0 || row >= INSPECTOR_ROW_COUNT
        || !IsWritableRow(row) || InspectorReadOnly()) {
        return;
    }
    // A text longer than the buffer is refused whole, never read cut short
    // into another number.
    char typed[INSPECTOR_TEXT_SIZE * 2] = "";
    if (GetWindowTextLengthA(focus) < (int)sizeof typed) {
        GetWindowTextA(focus, typed, sizeof typed);
    }
    unsigned char bytes[INSPECTOR_MAX_BYTES];
    uint32_t width = InspectorRowWidth(row);
    uint64_t offset = CaretFileOffset();
    if (!PageShown() || !ParseInspectorValue(row, typed, InspectorBigEndian(), bytes)
        || !FitsInFile(offset, width, viewer.fileSize)) {
        ShowMessage(dialog, MSG_BAD_VALUE);
        SendMessageA(focus, EM_SETSEL, 0, -1);
        return;
    }
    if (OverwriteFileBytes(viewer.mainDialog, offset, bytes, width)) {
        SelectFileBytes(viewer.caretColumn, offset, width, 0);
    }
    // The row shows the value as read back, whatever form it was typed in.
    ReshowInspectorRow(row);
    ShowStatusLine();
}

static void InitInspector(HWND dialog)
{
    viewer.inspectorDialog = dialog;
    AttachInspectorRows(dialog);
    // From here on every caret, page and file change shows in the rows.
    caretFollower = ShowInspectorRows;
    ShowProgramIcon(dialog);
}

static INT_PTR CALLBACK InspectorDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam)
{
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG:
        InitInspector(dialog);
        // No focus: opening the window leaves the keyboard in the column.
        return FALSE;
    case WM_ACTIVATE:
        LeaveColumnsOnActivate(wParam);
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            WriteFocusedRow(dialog);
            return TRUE;
        case IDCANCEL:
            DestroyWindow(dialog);
            return TRUE;
        case IDC_INSPECTOR_BIG_ENDIAN:
            ShowInspectorRows();
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        caretFollower = NULL;
        viewer.inspectorDialog = NULL;
        if (viewer.mainDialog != NULL && IsWindow(viewer.mainDialog)) {
            CheckMenuItem(GetMenu(viewer.mainDialog), IDM_INSPECTOR, MF_BYCOMMAND | MF_UNCHECKED);
        }
        return TRUE;
    }
    return FALSE;
}

// Beside the main window's right edge, top edges level; moved back onto the
// work area of the main window's screen where it would stick out.
static void PlaceBeside(HWND window, HWND owner)
{
    RECT ownerRect;
    RECT rect;
    GetWindowRect(owner, &ownerRect);
    GetWindowRect(window, &rect);
    MONITORINFO monitor;
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT work = monitor.rcWork;
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int x = ownerRect.right;
    int y = ownerRect.top;
    if (x + width > work.right) {
        x = work.right - width;
    }
    if (y + height > work.bottom) {
        y = work.bottom - height;
    }
    x = x < work.left ? work.left : x;
    y = y < work.top ? work.top : y;
    SetWindowPos(window, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ToggleInspector(HWND mainDialog)
{
    if (viewer.inspectorDialog != NULL) {
        DestroyWindow(viewer.inspectorDialog);
        return;
    }
    HWND dialog = CreateDialogParamA(viewer.instance, "IDD_INSPECTOR", mainDialog,
                                     InspectorDialogProc, 0);
    if (dialog == NULL) {
        return;
    }
    PlaceBeside(dialog, mainDialog);
    ShowInspectorRows();
    ShowWindow(dialog, SW_SHOWNOACTIVATE);
    CheckMenuItem(GetMenu(mainDialog), IDM_INSPECTOR, MF_BYCOMMAND | MF_CHECKED);
}
