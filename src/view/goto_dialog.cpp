#include "view/goto_dialog.h"

#include "base/byte_cell.h"
#include "base/center_window.h"
#include "base/dump_page.h"
#include "base/messages.h"
#include "base/show_message.h"
#include "base/viewer_state.h"
#include "res/resource.h"
#include "view/caret_offset.h"
#include "view/caret_place.h"
#include "view/caret_status.h"
#include "view/load_page.h"
#include "view/offset_text.h"

// Handed to the dialog through DialogBoxParamA: the offset it starts with,
// and on IDOK the offset accepted.
struct GotoRequest {
    uint64_t offset;
};

static void SelectOffsetText(HWND dialog)
{
    HWND edit = GetDlgItem(dialog, IDC_GOTO_OFFSET);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
}

static void InitGotoDialog(HWND dialog, GotoRequest *request)
{
    SetWindowLongPtrA(dialog, DWLP_USER, (LONG_PTR)request);
    // Letters, blanks and Enter typed here are not the dump columns' keys.
    viewer.editFocus = COLUMN_NONE;
    char text[OFFSET_TEXT_SIZE];
    FormatOffsetText(request->offset, text);
    // Nothing longer than is read back can be typed or pasted.
    SendDlgItemMessageA(dialog, IDC_GOTO_OFFSET, EM_LIMITTEXT, OFFSET_TEXT_SIZE - 1, 0);
    SetDlgItemTextA(dialog, IDC_GOTO_OFFSET, text);
    CenterOnDesktop(dialog);
    SelectOffsetText(dialog);
}

// OK: only an offset inside the file ends the dialog.
static void AcceptOffset(HWND dialog)
{
    GotoRequest *request = (GotoRequest *)GetWindowLongPtrA(dialog, DWLP_USER);
    char text[OFFSET_TEXT_SIZE];
    GetDlgItemTextA(dialog, IDC_GOTO_OFFSET, text, OFFSET_TEXT_SIZE);
    uint64_t offset = 0;
    if (ParseOffsetText(text, &offset) && offset < viewer.fileSize) {
        request->offset = offset;
        EndDialog(dialog, IDOK);
        return;
    }
    ShowMessage(dialog, MSG_BAD_OFFSET);
    SelectOffsetText(dialog);
}

static INT_PTR CALLBACK GotoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitGotoDialog(dialog, (GotoRequest *)lParam);
        // The focus is set: the text is selected in the box.
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            AcceptOffset(dialog);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

// The page moves only when the offset is not on the page shown; a page left
// is stored by LoadPage under the usual rules.
static void ShowOffset(HWND dialog, uint64_t offset)
{
    if (!viewer.pageRendered || !OffsetOnPage(offset, viewer.topLine, viewer.pageBytes)) {
        LoadPage(dialog, offset / DUMP_LINE_BYTES);
    }
    // A failed load has said so; its text belongs to no page.
    if (!viewer.pageRendered) {
        return;
    }
    SetFocus(viewer.hexEdit);
    uint32_t caret = HexCaretAt(offset, viewer.topLine);
    SendMessageA(viewer.hexEdit, EM_SETSEL, caret, caret);
    ShowStatusLine();
}

void HandleGoto(HWND dialog)
{
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        return;
    }
    GotoRequest request = {CaretFileOffset()};
    if (DialogBoxParamA(viewer.instance, "IDD_GOTO", dialog, GotoDialogProc, (LPARAM)&request)
        == IDOK) {
        ShowOffset(dialog, request.offset);
    }
}
