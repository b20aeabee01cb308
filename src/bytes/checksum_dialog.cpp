#include "bytes/checksum_dialog.h"

#include "base/byte_cell.h"
#include "base/center_window.h"
#include "base/clipboard_text.h"
#include "base/dialog_focus.h"
#include "base/dump_page.h"
#include "base/messages.h"
#include "base/program_icon.h"
#include "base/show_message.h"
#include "base/viewer_state.h"
#include "bytes/checksum_run.h"
#include "bytes/range_boxes.h"
#include "res/resource.h"
#include "view/caret_offset.h"
#include "view/caret_place.h"
#include "view/overwrite_bytes.h"

#include <stdio.h>

enum {
    CHECKSUM_TIMER = 1,
    // The caption first shows the progress this long after the start, so a
    // short sum never flickers it.
    CHECKSUM_PROGRESS_DELAY_MS = 250
};

static HWND checksumWindow = NULL;
// The percentage the caption shows; -1 while it shows none.
static int shownPercent = -1;
static DWORD startedAt = 0;

// The boxes, in ChecksumKind order.
static const int kindBoxes[CHECKSUM_KINDS] = {IDC_CHECKSUM_CRC32, IDC_CHECKSUM_MD5,
                                              IDC_CHECKSUM_SHA1, IDC_CHECKSUM_SHA256,
                                              IDC_CHECKSUM_SHA512};

HWND ChecksumDialogWindow(void)
{
    return checksumWindow;
}

static unsigned CheckedKinds(HWND dialog)
{
    unsigned kinds = 0;
    for (int kind = 0; kind < CHECKSUM_KINDS; kind++) {
        if (IsDlgButtonChecked(dialog, kindBoxes[kind]) == BST_CHECKED) {
            kinds |= 1u << kind;
        }
    }
    return kinds;
}

// The range and the boxes can be changed only while no sum runs: what a
// running sum shows is what it sums.
static void EnableChoices(HWND dialog, int enable)
{
    EnableWindow(GetDlgItem(dialog, IDC_CHECKSUM_START), enable);
    EnableWindow(GetDlgItem(dialog, IDC_CHECKSUM_SIZE), enable);
    for (int kind = 0; kind < CHECKSUM_KINDS; kind++) {
        EnableWindow(GetDlgItem(dialog, kindBoxes[kind]), enable);
    }
}

// Idle: the choices open, 計算 while some sum is checked, ｺﾋﾟｰ while a
// result shows.
static void ShowIdle(HWND dialog)
{
    EnableChoices(dialog, TRUE);
    EnableWindow(GetDlgItem(dialog, IDOK), CheckedKinds(dialog) != 0);
    EnableWindow(GetDlgItem(dialog, IDC_CHECKSUM_COPY),
                 GetWindowTextLengthA(GetDlgItem(dialog, IDC_CHECKSUM_RESULT)) > 0);
    SetDlgItemTextA(dialog, IDCANCEL, CHECKSUM_CLOSE_TEXT);
}

// Running: only 中止, which takes the focus from the disabled 計算.
static void ShowRunning(HWND dialog)
{
    EnableChoices(dialog, FALSE);
    EnableWindow(GetDlgItem(dialog, IDC_CHECKSUM_COPY), FALSE);
    SetDlgItemTextA(dialog, IDCANCEL, CHECKSUM_STOP_TEXT);
    SendMessageA(dialog, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(dialog, IDCANCEL), TRUE);
    EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
}

// The caret column's selection, or the whole file when nothing is selected.
static void FillRange(HWND dialog)
{
    uint64_t start = 0;
    uint64_t size = viewer.fileSize;
    CaretBytes touched = CaretSelection();
    if (touched.count > 0) {
        start = viewer.topLine * DUMP_LINE_BYTES + touched.first;
        size = touched.count;
    }
    ShowRangeBoxes(dialog, IDC_CHECKSUM_START, IDC_CHECKSUM_SIZE, start, size);
}

static void InitChecksumDialog(HWND dialog)
{
    checksumWindow = dialog;
    ShowProgramIcon(dialog);
    // Letters, blanks and Enter typed here are not the dump columns' keys.
    viewer.editFocus = COLUMN_NONE;
    CheckDlgButton(dialog, IDC_CHECKSUM_CRC32, BST_CHECKED);
    CheckDlgButton(dialog, IDC_CHECKSUM_SHA256, BST_CHECKED);
    FillRange(dialog);
    ShowIdle(dialog);
    CenterOnDesktop(dialog);
    SelectBoxText(dialog, IDC_CHECKSUM_START);
}

// Back to idle after a sum: the plain caption and the idle controls.
static void EndSum(HWND dialog)
{
    KillTimer(dialog, CHECKSUM_TIMER);
    StopChecksumRun();
    if (shownPercent >= 0) {
        shownPercent = -1;
        SetWindowTextA(dialog, CHECKSUM_CAPTION);
    }
    ShowIdle(dialog);
}

// 計算: only a range inside the file starts a sum, which clears the last
// result at once.
static void StartSum(HWND dialog)
{
    unsigned kinds = CheckedKinds(dialog);
    if (ChecksumRunning() || kinds == 0 || viewer.fileHandle == INVALID_HANDLE_VALUE) {
        return;
    }
    uint64_t start = 0;
    uint64_t size = 0;
    if (!ReadRangeBoxes(dialog, IDC_CHECKSUM_START, IDC_CHECKSUM_SIZE, &start, &size)) {
        return;
    }
    SetDlgItemTextA(dialog, IDC_CHECKSUM_RESULT, "");
    // The sum is of the file's bytes: the page's typed digits are stored
    // first, unless read-only keeps them on the page alone.
    StoreTypedDigits(viewer.mainDialog);
    if (!StartChecksumRun(start, size, kinds)) {
        ShowIdle(dialog);
        ShowMessage(dialog, MSG_CHECKSUM_FAILED);
        return;
    }
    startedAt = GetTickCount();
    shownPercent = -1;
    ShowRunning(dialog);
    SetTimer(dialog, CHECKSUM_TIMER, 1, NULL);
}

// The caption shows how far the sum has got once it has run a while, and
// again whenever that changes.
static void ShowProgress(HWND dialog)
{
    int percent = (int)ChecksumPercent();
    if (percent == shownPercent || GetTickCount() - startedAt < CHECKSUM_PROGRESS_DELAY_MS) {
        return;
    }
    shownPercent = percent;
    char caption[64];
    snprintf(caption, sizeof caption, CHECKSUM_PROGRESS_FORMAT, (unsigned)percent);
    SetWindowTextA(dialog, caption);
}

static void SumTick(HWND dialog)
{
    if (!ChecksumRunning()) {
        return;
    }
    // A new caption can take the window system ten milliseconds: it is shown
    // first and spent from the tick's budget.
    LARGE_INTEGER began;
    QueryPerformanceCounter(&began);
    ShowProgress(dialog);
    switch (ChecksumTick(began.QuadPart)) {
    case CHECKSUM_DONE: {
        char text[CHECKSUM_RESULT_SIZE];
        int summed = FinishChecksumRun(text);
        SetDlgItemTextA(dialog, IDC_CHECKSUM_RESULT, text);
        EndSum(dialog);
        if (!summed) {
            ShowMessage(dialog, MSG_CHECKSUM_FAILED);
        }
        break;
    }
    case CHECKSUM_UNREADABLE:
        // No tick may come while the message is up.
        EndSum(dialog);
        ShowMessage(dialog, MSG_FILE_ACCESS_FAILED);
        break;
    }
}

static void CopyResult(HWND dialog)
{
    HWND result = GetDlgItem(dialog, IDC_CHECKSUM_RESULT);
    int length = GetWindowTextLengthA(result);
    char *text;
    HGLOBAL memory;
    if (length == 0 || (memory = NewClipboardText((size_t)length, &text)) == NULL) {
        return;
    }
    GetWindowTextA(result, text, length + 1);
    PlaceClipboardText(dialog, memory);
}

static INT_PTR CALLBACK ChecksumDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                           LPARAM lParam)
{
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG:
        InitChecksumDialog(dialog);
        // The focus is set: the start is selected in its box.
        return FALSE;
    case WM_ACTIVATE:
        LeaveColumnsOnActivate(wParam);
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            StartSum(dialog);
            return TRUE;
        case IDCANCEL:
            // The button does what it says: "中止" exactly while a sum runs.
            if (ChecksumRunning()) {
                EndSum(dialog);
            } else {
                DestroyWindow(dialog);
            }
            return TRUE;
        case IDC_CHECKSUM_COPY:
            CopyResult(dialog);
            return TRUE;
        case IDC_CHECKSUM_CRC32:
        case IDC_CHECKSUM_MD5:
        case IDC_CHECKSUM_SHA1:
        case IDC_CHECKSUM_SHA256:
        case IDC_CHECKSUM_SHA512:
            if (!ChecksumRunning()) {
                ShowIdle(dialog);
            }
            return TRUE;
        }
        return FALSE;
    case WM_TIMER:
        if (wParam == CHECKSUM_TIMER) {
            SumTick(dialog);
        }
        return TRUE;
    case WM_CLOSE:
        // The close box closes, even while a sum runs.
        DestroyWindow(dialog);
        return TRUE;
    case WM_DESTROY:
        KillTimer(dialog, CHECKSUM_TIMER);
        StopChecksumRun();
        shownPercent = -1;
        checksumWindow = NULL;
        return TRUE;
    }
    return FALSE;
}

void OpenChecksumDialog(HWND mainDialog)
{
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        return;
    }
    if (checksumWindow != NULL) {
        SetForegroundWindow(checksumWindow);
        if (!ChecksumRunning()) {
            FillRange(checksumWindow);
            SelectBoxText(checksumWindow, IDC_CHECKSUM_START);
        }
        return;
    }
    HWND dialog = CreateDialogParamA(viewer.instance, "IDD_CHECKSUM", mainDialog,
                                     ChecksumDialogProc, 0);
    if (dialog != NULL) {
        ShowWindow(dialog, SW_SHOW);
    }
}

void CloseChecksumDialog(void)
{
    if (checksumWindow != NULL) {
        DestroyWindow(checksumWindow);
    }
}
