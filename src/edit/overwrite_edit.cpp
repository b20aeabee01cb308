#include "edit/overwrite_edit.h"

#include "base/edit_selection.h"
#include "base/viewer_state.h"
#include "decode/char_split.h"
#include "edit/overwrite_text.h"
#include "res/resource.h"

static EditSelection lastSelection;

void NoteHexSelection(HWND hexEdit)
{
    lastSelection = ReadEditSelection(hexEdit);
}

int IsRefusedHexMessage(UINT message)
{
    switch (message) {
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
        return 1;
    }
    return 0;
}

void OverwriteEdit(HWND dialog)
{
    char controlText[TEXT_BUFFER_SIZE];

    LockWindowUpdate(dialog);
    UINT length = GetDlgItemTextA(dialog, IDC_HEX, controlText, TEXT_BUFFER_SIZE);
    EditSelection selection = ReadEditSelection(viewer.hexEdit);

    uint32_t s = selection.start;
    uint32_t e = selection.end;
    if (!ApplyHexColumnEdit(viewer.hexText, viewer.charText, viewer.pageBytes, controlText,
                            length, &s, &e)) {
        // Anything but one hex digit typed would leave text that parses into
        // bytes nobody typed: the column goes back to its last good text.
        s = lastSelection.start;
        e = lastSelection.end;
    }
    SetDlgItemTextA(dialog, IDC_HEX, viewer.hexText);
    // Another mode's column is split afresh by the caller: a typed byte may
    // move every boundary after it.
    if (viewer.charMode == CHAR_MODE_HALF_WIDTH) {
        SetDlgItemTextA(dialog, IDC_TEXT, viewer.charText);
    }
    SendMessageA(viewer.hexEdit, EM_SETSEL, s, e);
    LockWindowUpdate(NULL);
}
