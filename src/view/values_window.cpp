#include "view/values_window.h"

#include "base/byte_cell.h"
#include "base/dump_page.h"
#include "base/messages.h"
#include "base/show_message.h"
#include "base/viewer_state.h"
#include "res/resource.h"
#include "view/caret_bytes.h"
#include "view/caret_offset.h"
#include "view/caret_status.h"
#include "view/overwrite_bytes.h"
#include "view/value_parse.h"
#include "view/value_rows.h"

#include <string.h>

// What each row's edit shows, so that a row is set only when it changes.
static char shownRows[INSPECT_ROW_COUNT][INSPECT_TEXT_SIZE];
// Whether the writable rows take typing now: -1 before the first update.
static int rowsWritable = -1;
// What the rows were last made from: most caret moves leave the bytes and
// the byte order as they were, and then nothing is formatted again.
static unsigned char readBytes[INSPECT_MAX_BYTES];
static uint32_t readCount = UINT32_MAX;  // none yet
static int readBigEndian;

// The controls every update reads or writes, found once when the window
// opens: under Wine each GetDlgItem asks the server for the child list.
static HWND rowEdits[INSPECT_ROW_COUNT];
static HWND bigEndianBox;
static HWND readOnlyBox;

static HWND RowEdit(int row)
{
    return rowEdits[row];
}

static int PageShown(void)
{
    return viewer.fileHandle != INVALID_HANDLE_VALUE && viewer.pageRendered;
}

static int BigEndianChecked(void)
{
    return SendMessageA(bigEndianBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

static int ReadOnlyChecked(void)
{
    return SendMessageA(readOnlyBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The code point in code page 932, refused where the code page has no such
// character rather than shown as a stand-in.
static int AnsiOfUnicode(uint32_t codePoint, char *text, uint32_t size)
{
    WCHAR wide[2];
    int units = 1;
    if (codePoint >= 0x10000) {
        wide[0] = (WCHAR)(0xD800 + ((codePoint - 0x10000) >> 10));
        wide[1] = (WCHAR)(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        units = 2;
    } else {
        wide[0] = (WCHAR)codePoint;
    }
    BOOL usedDefault = FALSE;
    int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, units, text,
                                     (int)size - 1, NULL, &usedDefault);
    if (length <= 0 || usedDefault) {
        return 0;
    }
    text[length] = '\0';
    return 1;
}

static void ShowRow(int row, const char *text)
{
    if (strcmp(text, shownRows[row]) != 0) {
        lstrcpynA(shownRows[row], text, INSPECT_TEXT_SIZE);
        SetWindowTextA(RowEdit(row), text);
    }
}

// The writable rows take typing exactly while 読み取り専用 is clear.
static void FollowReadOnlyBox(void)
{
    int writable = !ReadOnlyChecked();
    if (writable == rowsWritable) {
        return;
    }
    rowsWritable = writable;
    for (int row = 0; row < INSPECT_ROW_COUNT; row++) {
        if (IsWritableRow(row)) {
            SendMessageA(RowEdit(row), EM_SETREADONLY, !writable, 0);
        }
    }
}

void ShowInspectorRows(void)
{
    if (viewer.inspectorDialog == NULL) {
        return;
    }
    FollowReadOnlyBox();
    if (!PageShown()) {
        readCount = UINT32_MAX;
        for (int row = 0; row < INSPECT_ROW_COUNT; row++) {
            ShowRow(row, "");
        }
        return;
    }
    unsigned char bytes[INSPECT_MAX_BYTES];
    uint32_t available = ReadCaretBytes(CaretFileOffset(), INSPECT_MAX_BYTES, bytes);
    int bigEndian = BigEndianChecked();
    if (available == readCount && bigEndian == readBigEndian
        && memcmp(bytes, readBytes, available) == 0) {
        return;
    }
    memcpy(readBytes, bytes, available);
    readCount = available;
    readBigEndian = bigEndian;
    char text[INSPECT_TEXT_SIZE];
    for (int row = 0; row < INSPECT_ROW_COUNT; row++) {
        InspectRowText(row, bytes, available, bigEndian, AnsiOfUnicode, text);
        ShowRow(row, text);
    }
}

// Shows the written bytes selected in the column the caret is in, as far as
// they lie on the page.
static void SelectWritten(uint64_t offset, uint32_t count)
{
    uint64_t pageStart = viewer.topLine * DUMP_LINE_BYTES;
    if (!PageShown() || offset < pageStart || offset >= pageStart + viewer.pageBytes) {
        return;
    }
    uint32_t first = (uint32_t)(offset - pageStart);
    uint32_t last = first + count - 1;
    if (last >= viewer.pageBytes) {
        last = viewer.pageBytes - 1;
    }
    uint32_t start = 0;
    uint32_t end = 0;
    ByteRangeSelection(viewer.caretColumn, first, last - first + 1, &start, &end);
    SendMessageA(viewer.caretColumn == COLUMN_CHAR ? viewer.charEdit : viewer.hexEdit, EM_SETSEL,
                 start, end);
}

// Enter in a row: the value typed into the focused writable row overwrites
// the bytes at the caret, or is refused with nothing written.
static void WriteFocusedRow(HWND dialog)
{
    HWND focus = GetFocus();
    int row = GetDlgCtrlID(focus) - IDC_INSPECT_BINARY;
    if (GetParent(focus) != dialog || row < 0 || row >= INSPECT_ROW_COUNT
        || !IsWritableRow(row) || ReadOnlyChecked()) {
        return;
    }
    // A text longer than the buffer is refused whole, never read cut short
    // into another number.
    char typed[INSPECT_TEXT_SIZE * 2] = "";
    if (GetWindowTextLengthA(focus) < (int)sizeof typed) {
        GetWindowTextA(focus, typed, sizeof typed);
    }
    unsigned char bytes[INSPECT_MAX_BYTES];
    uint32_t width = InspectRowWidth(row);
    uint64_t offset = CaretFileOffset();
    if (!PageShown() || !ParseInspectValue(row, typed, BigEndianChecked(), bytes)
        || offset >= viewer.fileSize || viewer.fileSize - offset < width) {
        ShowMessage(dialog, MSG_BAD_VALUE);
        SendMessageA(focus, EM_SETSEL, 0, -1);
        return;
    }
    if (OverwriteFileBytes(viewer.mainDialog, offset, bytes, width)) {
        SelectWritten(offset, width);
    }
    // The row shows the value as read back, whatever form it was typed in.
    shownRows[row][0] = '\1';
    readCount = UINT32_MAX;
    ShowStatusLine();
}

static void InitInspector(HWND dialog)
{
    viewer.inspectorDialog = dialog;
    for (int row = 0; row < INSPECT_ROW_COUNT; row++) {
        rowEdits[row] = GetDlgItem(dialog, IDC_INSPECT_BINARY + row);
    }
    bigEndianBox = GetDlgItem(dialog, IDC_INSPECT_BIG_ENDIAN);
    readOnlyBox = GetDlgItem(viewer.mainDialog, IDC_READONLY);
    memset(shownRows, 0, sizeof shownRows);
    rowsWritable = -1;
    readCount = UINT32_MAX;
    SendMessageA(dialog, WM_SETICON, ICON_SMALL,
                 (LPARAM)LoadIconA(viewer.instance, MAKEINTRESOURCEA(IDI_KORVEX)));
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
        // Digits, signs and Enter typed here are not the dump columns' keys.
        if (LOWORD(wParam) != WA_INACTIVE) {
            viewer.editFocus = 0;
        }
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            WriteFocusedRow(dialog);
            return TRUE;
        case IDCANCEL:
            DestroyWindow(dialog);
            return TRUE;
        case IDC_INSPECT_BIG_ENDIAN:
            ShowInspectorRows();
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
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
