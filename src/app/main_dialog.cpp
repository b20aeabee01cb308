#include "app/main_dialog.h"

#include "app/column_fonts.h"
#include "app/file_life.h"
#include "app/session_end.h"
#include "app/version_dialog.h"
#include "base/byte_cell.h"
#include "base/center_window.h"
#include "base/paint_nothing.h"
#include "base/program_icon.h"
#include "base/viewer_state.h"
#include "bytes/checksum_dialog.h"
#include "bytes/copy_paste.h"
#include "bytes/range_dialog.h"
#include "bytes/range_save.h"
#include "edit/key_filter.h"
#include "edit/overwrite_edit.h"
#include "inspector/inspector_rows.h"
#include "inspector/inspector_window.h"
#include "res/resource.h"
#include "search/search_buffer.h"
#include "search/search_dialog.h"
#include "view/caret_place.h"
#include "view/char_page.h"
#include "view/column_subclass.h"
#include "view/goto_dialog.h"
#include "view/scroll_handlers.h"

#include <shellapi.h>
#include <string.h>

// The character column shows the page in the mode of command, for every file
// from now on; the page's typed digits stay as typed.
static void ChooseCharMode(HWND dialog, int command)
{
    SetCharMode(command - IDM_CHAR_HALF_WIDTH);
    CheckMenuRadioItem(GetMenu(dialog), IDM_CHAR_HALF_WIDTH, IDM_CHAR_UTF16LE, command,
                       MF_BYCOMMAND);
    if (PageShown()) {
        RedrawCharColumn(dialog);
    }
}

static void InitMainDialog(HWND dialog)
{
    ShowProgramIcon(dialog);

    viewer.mainDialog = dialog;
    DragAcceptFiles(dialog, TRUE);

    viewer.fileHandle = INVALID_HANDLE_VALUE;
    viewer.mappingHandle = NULL;
    viewer.viewBase = NULL;
    viewer.viewOffset = 1;
    viewer.topLine = 0;
    viewer.lineCount = 1;
    viewer.tailBytes = 0;
    viewer.editFocus = COLUMN_NONE;
    viewer.caretColumn = COLUMN_HEX;
    viewer.scaledScroll = 0;
    viewer.pageRendered = 0;

    // Every run starts read-only.
    SendDlgItemMessageA(dialog, IDC_READONLY, BM_SETCHECK, BST_CHECKED, 0);

    SubclassColumn(GetDlgItem(dialog, IDC_HEX));
    SubclassColumn(GetDlgItem(dialog, IDC_TEXT));

    viewer.addressEdit = GetDlgItem(dialog, IDC_ADDRESS);
    viewer.hexEdit = GetDlgItem(dialog, IDC_HEX);
    viewer.charEdit = GetDlgItem(dialog, IDC_TEXT);

    SetColumnFonts(dialog);
    // The hex ruler is wider than its text and reaches under the character
    // ruler: it must not paint its background over that ruler's digits.
    HWND hexRuler = GetDlgItem(dialog, IDC_HEX_RULER);
    SetWindowLongA(hexRuler, GWL_STYLE, GetWindowLongA(hexRuler, GWL_STYLE) | WS_CLIPSIBLINGS);
    CenterOnDesktop(dialog);
    InstallKeyFilter(dialog);
    ShowFileOpen(dialog, 0);
    ProbeCharPositionUnit(dialog);
    ChooseCharMode(dialog, IDM_CHAR_HALF_WIDTH);
}

void RunExitSequence(HWND dialog)
{
    // A running save is given up only when the user says so; its temporary
    // file goes with it, and its target stays as it was.
    if (!ConfirmRangeSaveStop(dialog)) {
        return;
    }
    CloseFile(dialog);
    FreeSearchBuffer();
    DeleteColumnFonts();
    RemoveKeyFilter(dialog);
    DestroyWindow(dialog);
}

// EN_SETFOCUS: which column the key filter serves, and whose caret the
// status line follows; the address column never keeps the focus.
static void NoteEditFocus(int control)
{
    if (control == IDC_HEX) {
        viewer.editFocus = COLUMN_HEX;
    } else if (control == IDC_TEXT) {
        viewer.editFocus = COLUMN_CHAR;
    } else {
        viewer.editFocus = COLUMN_NONE;
    }
    if (viewer.editFocus != COLUMN_NONE) {
        viewer.caretColumn = viewer.editFocus;
    }
    if (control == IDC_ADDRESS) {
        SetFocus(viewer.hexEdit);
    }
}

static INT_PTR OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    switch (HIWORD(wParam)) {
    case EN_UPDATE:
        if ((HWND)lParam == viewer.hexEdit) {
            OverwriteEdit(dialog);
            // A typed byte may start or end a character: boundaries after it move.
            if (viewer.charMode != CHAR_MODE_HALF_WIDTH && PageShown()) {
                RedrawCharColumn(dialog);
            }
        }
        return TRUE;
    case EN_SETFOCUS:
        NoteEditFocus(LOWORD(wParam));
        return TRUE;
    }

    switch (LOWORD(wParam)) {
    case IDOK:
    case IDCANCEL:
    case IDM_EXIT:
        RunExitSequence(dialog);
        return TRUE;
    case IDM_OPEN:
        OpenChosenFile(dialog);
        return TRUE;
    case IDC_GO:
        HandleJump(dialog);
        return TRUE;
    case IDM_SEARCH:
        memset(viewer.searchInput, 0, sizeof viewer.searchInput);
        OpenSearchDialog(dialog);
        return TRUE;
    case IDM_SEARCH_AGAIN:
    case IDM_SEARCH_BACK:
        // F3 searches forward and Shift+F3 backward, and the next dialog
        // keeps the direction.
        viewer.searchBackward = LOWORD(wParam) == IDM_SEARCH_BACK;
        OpenSearchDialog(dialog);
        return TRUE;
    case IDM_GOTO:
        HandleGoto(dialog);
        return TRUE;
    case IDM_COPY:
        CopySelection(dialog);
        return TRUE;
    case IDM_PASTE:
        PasteOverFile(dialog);
        return TRUE;
    case IDM_RANGE:
        HandleRange(dialog);
        return TRUE;
    case IDM_CHECKSUM:
        OpenChecksumDialog(dialog);
        return TRUE;
    case IDM_INSPECTOR:
        ToggleInspector(dialog);
        return TRUE;
    case IDM_CHAR_HALF_WIDTH:
    case IDM_CHAR_SHIFT_JIS:
    case IDM_CHAR_UTF8:
    case IDM_CHAR_UTF16LE:
        ChooseCharMode(dialog, LOWORD(wParam));
        return TRUE;
    case IDC_READONLY:
        // The inspector's value rows take typing only while it is clear.
        ShowInspectorRows();
        return TRUE;
    case IDM_VERSION:
        DialogBoxParamA(viewer.instance, "IDD_VERSION", dialog, VersionDialogProc, 0);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitMainDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        return OnCommand(dialog, wParam, lParam);
    case WM_VSCROLL:
        HandleScrollBar(dialog, wParam);
        return TRUE;
    case WM_MOUSEWHEEL:
        HandleWheel(wParam);
        return TRUE;
    case WM_DROPFILES:
        OpenDroppedFile(dialog, (HDROP)wParam);
        return TRUE;
    case WM_PAINT:
        PaintNothing(dialog);
        return TRUE;
    case WM_QUERYENDSESSION:
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, OnQueryEndSession());
        return TRUE;
    case WM_ENDSESSION:
        OnEndSession(wParam);
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}
