#include "bytes/range_dialog.h"

#include "base/byte_cell.h"
#include "base/center_window.h"
#include "base/clipboard_text.h"
#include "base/messages.h"
#include "base/show_message.h"
#include "base/viewer_state.h"
#include "bytes/copy_format.h"
#include "bytes/range_boxes.h"
#include "bytes/range_save.h"
#include "file/file_geometry.h"
#include "file/mapped_file.h"
#include "file/page_copy.h"
#include "file/view_guard.h"
#include "res/resource.h"
#include "view/caret_offset.h"
#include "view/caret_place.h"
#include "view/overwrite_bytes.h"

#include <stdlib.h>

// Handed to the dialog: the range it starts with, and on IDOK the range and
// the radio button accepted.
struct RangeRequest {
    uint64_t start;
    uint64_t size;
    int action;  // IDC_RANGE_HEX, IDC_RANGE_C or IDC_RANGE_SAVE
};

static void InitRangeDialog(HWND dialog, RangeRequest *request)
{
    SetWindowLongPtrA(dialog, DWLP_USER, (LONG_PTR)request);
    // Letters, blanks and Enter typed here are not the dump columns' keys.
    viewer.editFocus = COLUMN_NONE;
    ShowRangeBoxes(dialog, IDC_RANGE_START, IDC_RANGE_SIZE, request->start, request->size);
    CheckRadioButton(dialog, IDC_RANGE_HEX, IDC_RANGE_SAVE, IDC_RANGE_HEX);
    CenterOnDesktop(dialog);
    SelectBoxText(dialog, IDC_RANGE_START);
}

// OK: only a range inside the file ends the dialog, and only one the
// clipboard may take when it is to be copied.
static void AcceptRange(HWND dialog)
{
    RangeRequest *request = (RangeRequest *)GetWindowLongPtrA(dialog, DWLP_USER);
    uint64_t start = 0;
    uint64_t size = 0;
    if (!ReadRangeBoxes(dialog, IDC_RANGE_START, IDC_RANGE_SIZE, &start, &size)) {
        return;
    }
    int action = IsDlgButtonChecked(dialog, IDC_RANGE_C) == BST_CHECKED      ? IDC_RANGE_C
                 : IsDlgButtonChecked(dialog, IDC_RANGE_SAVE) == BST_CHECKED ? IDC_RANGE_SAVE
                                                                              : IDC_RANGE_HEX;
    if (action != IDC_RANGE_SAVE && size > CLIPBOARD_BYTES_LIMIT) {
        ShowMessage(dialog, MSG_COPY_TOO_LARGE);
        SelectBoxText(dialog, IDC_RANGE_SIZE);
        return;
    }
    request->start = start;
    request->size = size;
    request->action = action;
    EndDialog(dialog, IDOK);
}

static INT_PTR CALLBACK RangeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitRangeDialog(dialog, (RangeRequest *)lParam);
        // The focus is set: the start is selected in its box.
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            AcceptRange(dialog);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

struct RangeRead {
    HWND dialog;
    uint64_t start;
    uint32_t size;
    unsigned char *bytes;
    int copied;
};

static void ReadRange(void *argument)
{
    RangeRead *read = (RangeRead *)argument;
    read->copied = CopyBytesFromWindows(read->start, read->size, MapWindowAt, read->dialog,
                                        read->bytes);
}

void CopyRangeToClipboard(HWND dialog, uint64_t start, uint32_t size, int cArray)
{
    unsigned char *bytes = (unsigned char *)malloc(size);
    if (bytes == NULL) {
        ShowMessage(dialog, MSG_COPY_TOO_LARGE);
        return;
    }
    RangeRead read = {dialog, start, size, bytes, 0};
    // A failing map or fault has said so.
    if (GuardViewAccess(dialog, ReleasePageView, ReadRange, &read) && read.copied
        && !CopyBytesAsText(dialog, cArray ? FormatCArray : FormatHexLines, bytes, size)) {
        ShowMessage(dialog, MSG_COPY_TOO_LARGE);
    }
    free(bytes);
}

void HandleRange(HWND dialog)
{
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        return;
    }
    RangeRequest request = {CaretFileOffset(), 0x10, IDC_RANGE_HEX};
    CaretBytes touched = CaretSelection();
    if (touched.count > 0) {
        request.size = touched.count;
    }
    if (DialogBoxParamA(viewer.instance, "IDD_RANGE", dialog, RangeDialogProc, (LPARAM)&request)
        != IDOK) {
        return;
    }
    // What is read comes from the file, the page's typed digits stored first
    // (while read-only is clear; otherwise from the file as it is).
    StoreTypedDigits(dialog);
    if (request.action == IDC_RANGE_SAVE) {
        StartRangeSave(dialog, request.start, request.size);
    } else {
        CopyRangeToClipboard(dialog, request.start, (uint32_t)request.size,
                             request.action == IDC_RANGE_C);
    }
}
