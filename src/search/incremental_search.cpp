#include "search/incremental_search.h"

#include "app/messages.h"
#include "app/show_message.h"
#include "app/viewer_state.h"
#include "file/mapped_file.h"
#include "file/view_guard.h"
#include "res/resource.h"
#include "search/search_pattern.h"
#include "search/search_scan.h"
#include "view/dump_page.h"
#include "view/load_page.h"

#include <string.h>

uint32_t searchTickBudgetMs = SEARCH_TICK_BUDGET_MS;

uint32_t CaretByteIndex(void)
{
    DWORD selStart = 0;
    DWORD selEnd = 0;
    SendMessageA(viewer.hexEdit, EM_GETSEL, (WPARAM)&selStart, (LPARAM)&selEnd);
    return CaretByteIndexFromSelection(selStart, selEnd);
}

void StartSearch(HWND dialog)
{
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        return;
    }
    memset(viewer.pattern, 0, sizeof viewer.pattern);
    GetDlgItemTextA(dialog, IDC_SEARCH_TEXT, viewer.searchInput, SEARCH_INPUT_SIZE);
    if (viewer.searchInput[0] == '\0') {
        return;
    }
    if (IsDlgButtonChecked(dialog, IDC_SEARCH_HEX) == BST_CHECKED) {
        viewer.searchHexMode = 1;
        viewer.patternLength = HexSearchPattern(viewer.searchInput, viewer.pattern);
    } else {
        viewer.searchHexMode = 0;
        viewer.patternLength = StringSearchPattern(viewer.searchInput, viewer.pattern);
    }
    viewer.searchColumn = CaretByteIndex();
    viewer.searchLine = viewer.topLine;
    viewer.searchPos = viewer.searchLine * DUMP_LINE_BYTES + viewer.searchColumn;
    viewer.carryCount = 0;
    viewer.searchActive = 1;
    SetWindowTextA(GetDlgItem(dialog, IDC_SEARCH_START), SEARCH_STOP_TEXT);
    SetTimer(dialog, SEARCH_TIMER_ID, 1, NULL);
}

static void ShowHit(uint64_t hit)
{
    LoadPage(viewer.mainDialog, hit / DUMP_LINE_BYTES);
    uint32_t index = (uint32_t)(hit - viewer.topLine * DUMP_LINE_BYTES);
    SendMessageA(viewer.hexEdit, EM_SETSEL, index * 3, index * 3 + viewer.patternLength * 3 - 1);
}

// A fault in the file under the scan has been reported where it happened: the
// search ends there, with the page as the user has it, so nothing more is
// read from a file that cannot deliver.
static void EndSearchAfterFault(HWND dialog)
{
    KillTimer(dialog, SEARCH_TIMER_ID);
    viewer.searchActive = 0;
    SetWindowTextA(GetDlgItem(dialog, IDC_SEARCH_START), SEARCH_START_TEXT);
}

struct WindowScan {
    const unsigned char *bytes;
    uint32_t bytesAfter;
    int found;
    int64_t offset;
};

static void ScanMappedWindow(void *argument)
{
    WindowScan *scan = (WindowScan *)argument;
    scan->found = ScanSearchWindow(viewer.pattern, viewer.patternLength, viewer.carry,
                                   &viewer.carryCount, scan->bytes, scan->bytesAfter,
                                   viewer.searchColumn, &scan->offset);
}

int SearchStep(HWND dialog)
{
    if (viewer.searchPos >= viewer.fileSize) {
        StopSearch(dialog);
        ShowMessage(dialog, MSG_NOT_FOUND);
        return 0;
    }
    // A start on a page that runs into the next window may lie past this
    // window's end: the first window scanned is then the one holding it.
    if (viewer.carryCount == 0) {
        NormaliseSearchStart(&viewer.searchLine, &viewer.searchColumn, viewer.windowSize,
                             viewer.fileSize);
    }
    WindowSpan span;
    if (!MapWindow(dialog, viewer.searchLine, &span)) {
        StopSearch(dialog);
        ShowMessage(dialog, MSG_NOT_FOUND);
        return 0;
    }

    WindowScan scan = {viewer.viewBase + span.offsetInWindow, span.bytesAfter, 0, 0};
    if (!GuardViewAccess(dialog, ScanMappedWindow, &scan)) {
        EndSearchAfterFault(dialog);
        return 0;
    }
    if (scan.found) {
        KillTimer(dialog, SEARCH_TIMER_ID);
        viewer.searchActive = 0;
        ShowHit(viewer.searchLine * DUMP_LINE_BYTES + (uint64_t)scan.offset);
        return 0;
    }

    viewer.searchPos = viewer.searchLine * DUMP_LINE_BYTES + span.bytesAfter;
    viewer.searchLine += span.bytesAfter / DUMP_LINE_BYTES;
    viewer.searchColumn = 0;
    // The timer armed at the start repeats by itself; arming it again here
    // would restart its countdown after every window and leave the search
    // idle for most of each period.
    return 1;
}

void StopSearch(HWND dialog)
{
    KillTimer(dialog, SEARCH_TIMER_ID);
    // A stop with nothing started leaves the page where the user has it.
    if (viewer.searchActive) {
        viewer.searchActive = 0;
        LoadPage(viewer.mainDialog, viewer.searchLine);
    }
    SetWindowTextA(GetDlgItem(dialog, IDC_SEARCH_START), SEARCH_START_TEXT);
}

void AbandonSearch(void)
{
    if (viewer.searchActive && viewer.searchDialog != NULL) {
        KillTimer(viewer.searchDialog, SEARCH_TIMER_ID);
    }
    viewer.searchActive = 0;
}

int RunSearchTick(HWND dialog)
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    LONGLONG budget = frequency.QuadPart * searchTickBudgetMs / 1000;
    for (;;) {
        if (!SearchStep(dialog)) {
            return 0;
        }
        QueryPerformanceCounter(&now);
        if (now.QuadPart - start.QuadPart >= budget) {
            return 1;
        }
    }
}
