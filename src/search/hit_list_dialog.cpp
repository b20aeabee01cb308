#include "search/hit_list_dialog.h"

#include "base/byte_cell.h"
#include "base/dialog_focus.h"
#include "base/dump_page.h"
#include "base/messages.h"
#include "base/paint_nothing.h"
#include "base/program_icon.h"
#include "base/show_message.h"
#include "base/viewer_state.h"
#include "res/resource.h"
#include "search/hit_list_text.h"
#include "search/incremental_search.h"
#include "search/search_buffer.h"
#include "search/search_pattern.h"
#include "search/search_progress.h"
#include "view/caret_offset.h"
#include "view/load_page.h"
#include "view/select_bytes.h"

// The rows' offsets and the encodings that matched there, and the hits
// counted in all (past the list's end too).
static uint64_t hits[HIT_LIST_CAPACITY];
static unsigned char hitEncodings[HIT_LIST_CAPACITY];
static uint64_t hitCount = 0;
// Each encoding's length when the list was made: a row selects that many
// bytes whatever is searched for later.
static uint32_t hitLengths[ENCODING_COUNT];
// The list was made in すべて: its rows name their encodings.
static int namesEncodings = 0;
// Rows were added since the list last painted.
static int rowsPending = 0;

static HWND HitList(void)
{
    return GetDlgItem(viewer.hitsDialog, IDC_HITS_LIST);
}

static void ShowHitCaption(int state)
{
    char caption[HIT_CAPTION_SIZE];
    HitListCaption(caption, state, hitCount,
                   SearchPercent(0, viewer.searchPos, viewer.fileSize));
    SetWindowTextA(viewer.hitsDialog, caption);
}

// Rows are added with the list's drawing off, and drawn once per tick.
static void AddHit(const SearchHit *hit)
{
    if (hitCount < HIT_LIST_CAPACITY) {
        if (!rowsPending) {
            SendMessageA(HitList(), WM_SETREDRAW, FALSE, 0);
            rowsPending = 1;
        }
        char row[HIT_ROW_SIZE];
        HitRowText(row, hit->offset,
                   namesEncodings ? SearchEncodingName(hit->encoding) : NULL);
        hits[hitCount] = hit->offset;
        hitEncodings[hitCount] = hit->encoding;
        SendMessageA(HitList(), LB_ADDSTRING, 0, (LPARAM)row);
    }
    hitCount++;
}

static void DrawNewRows(void)
{
    if (rowsPending) {
        rowsPending = 0;
        SendMessageA(HitList(), WM_SETREDRAW, TRUE, 0);
        InvalidateRect(HitList(), NULL, TRUE);
    }
}

static void EndFindAll(int state)
{
    KillTimer(viewer.hitsDialog, SEARCH_TIMER_ID);
    viewer.findAllActive = 0;
    ForgetSearchBuffer();
    DrawNewRows();
    EnableWindow(GetDlgItem(viewer.hitsDialog, IDC_HITS_STOP), FALSE);
    ShowHitCaption(state);
}

static int FindAllStep(HWND dialog)
{
    SearchHit hit;
    switch (ScanForwardOnce(&hit)) {
    case SCAN_HIT:
        AddHit(&hit);
        return 1;
    case SCAN_END:
        EndFindAll(HITS_DONE);
        return 0;
    case SCAN_UNREADABLE:
        // No tick may come while the message is up.
        KillTimer(dialog, SEARCH_TIMER_ID);
        ShowMessage(dialog, MSG_FILE_ACCESS_FAILED);
        EndFindAll(HITS_STOPPED);
        return 0;
    }
    return 1;
}

static void ShowFindAllProgress(HWND dialog)
{
    (void)dialog;
    DrawNewRows();
    DWORD now = GetTickCount();
    if (now - viewer.searchProgressTime >= SEARCH_PROGRESS_MS) {
        viewer.searchProgressTime = now;
        ShowHitCaption(HITS_RUNNING);
    }
}

// Beside the main dialog, so that the page and the list are seen together.
static void PlaceHitList(HWND dialog)
{
    RECT main;
    GetWindowRect(viewer.mainDialog, &main);
    SetWindowPos(dialog, NULL, main.right, main.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

static void OpenHitList(void)
{
    if (viewer.hitsDialog == NULL || !IsWindow(viewer.hitsDialog)) {
        viewer.hitsDialog = CreateDialogParamA(viewer.instance, "IDD_HITS", viewer.mainDialog,
                                               HitListDialogProc, 0);
        PlaceHitList(viewer.hitsDialog);
    }
    SendMessageA(HitList(), LB_RESETCONTENT, 0, 0);
    ShowWindow(viewer.hitsDialog, SW_SHOW);
}

void StartFindAll(HWND searchDialog)
{
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        return;
    }
    if (viewer.searchActive) {
        ShowMessage(searchDialog, MSG_SEARCH_BUSY);
        return;
    }
    if (viewer.findAllActive) {
        EndFindAll(HITS_STOPPED);
    }
    if (!ReadSearchPattern(searchDialog)) {
        return;
    }
    OpenHitList();
    hitCount = 0;
    for (uint32_t v = 0; v < searchPattern.count; v++) {
        hitLengths[searchPattern.variants[v].encoding] = searchPattern.variants[v].length;
    }
    namesEncodings = !viewer.searchHexMode && viewer.searchEncoding == ENCODING_ALL;
    rowsPending = 0;
    ForgetSearchBuffer();
    StartForwardScan(0, 0);
    viewer.searchProgressTime = GetTickCount();
    viewer.findAllActive = 1;
    SetWindowTextA(viewer.hitsDialog, HITS_CAPTION);
    EnableWindow(GetDlgItem(viewer.hitsDialog, IDC_HITS_STOP), TRUE);
    SetTimer(viewer.hitsDialog, SEARCH_TIMER_ID, 1, NULL);
}

void ClearHitList(void)
{
    if (viewer.hitsDialog == NULL || !IsWindow(viewer.hitsDialog)) {
        return;
    }
    if (viewer.findAllActive) {
        EndFindAll(HITS_STOPPED);
    }
    hitCount = 0;
    SendMessageA(HitList(), LB_RESETCONTENT, 0, 0);
    SetWindowTextA(viewer.hitsDialog, HITS_CAPTION);
}

// As the goto moves to an offset, the page moves only when the match is not
// wholly on the page shown; the match is then selected in the hex column.
static void ShowChosenHit(void)
{
    LRESULT row = SendMessageA(HitList(), LB_GETCURSEL, 0, 0);
    if (row < 0 || (uint64_t)row >= hitCount || viewer.fileHandle == INVALID_HANDLE_VALUE) {
        return;
    }
    uint64_t offset = hits[row];
    uint32_t hitLength = hitLengths[hitEncodings[row]];
    if (!viewer.pageRendered || !OffsetOnPage(offset, viewer.topLine, viewer.pageBytes) ||
        !OffsetOnPage(offset + hitLength - 1, viewer.topLine, viewer.pageBytes)) {
        LoadPage(viewer.mainDialog, offset / DUMP_LINE_BYTES);
    }
    // After a failed load, which has said so, no page is shown to select on.
    SelectFileBytes(COLUMN_HEX, offset, hitLength, 1);
}

static void CloseHitList(HWND dialog)
{
    if (viewer.findAllActive) {
        EndFindAll(HITS_STOPPED);
    }
    DestroyWindow(dialog);
}

INT_PTR CALLBACK HitListDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG:
        ShowProgramIcon(dialog);
        return TRUE;
    case WM_ACTIVATE:
        LeaveColumnsOnActivate(wParam);
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            ShowChosenHit();
            return TRUE;
        case IDC_HITS_LIST:
            if (HIWORD(wParam) == LBN_DBLCLK) {
                ShowChosenHit();
            }
            return TRUE;
        case IDC_HITS_STOP:
            if (viewer.findAllActive) {
                EndFindAll(HITS_STOPPED);
            }
            return TRUE;
        case IDCANCEL:
            CloseHitList(dialog);
            return TRUE;
        }
        return FALSE;
    case WM_TIMER:
        RunBudgetedTick(dialog, FindAllStep, ShowFindAllProgress);
        return TRUE;
    case WM_PAINT:
        PaintNothing(dialog);
        return TRUE;
    case WM_DESTROY:
        // Also when the main dialog goes, taking the list with it.
        KillTimer(dialog, SEARCH_TIMER_ID);
        if (viewer.findAllActive) {
            viewer.findAllActive = 0;
            ForgetSearchBuffer();
        }
        viewer.hitsDialog = NULL;
        return FALSE;
    }
    return FALSE;
}
