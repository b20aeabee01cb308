#include "search/incremental_search.h"

#include "base/byte_cell.h"
#include "base/dump_page.h"
#include "base/edit_selection.h"
#include "base/messages.h"
#include "base/show_message.h"
#include "base/viewer_state.h"
#include "res/resource.h"
#include "search/search_buffer.h"
#include "search/search_pattern.h"
#include "search/search_progress.h"
#include "search/search_scan.h"
#include "view/caret_offset.h"
#include "view/load_page.h"
#include "view/select_bytes.h"

#include <string.h>

uint32_t searchTickBudgetMs = SEARCH_TICK_BUDGET_MS;

SearchPattern searchPattern;
// The undecided bytes between two windows (forward) or the first bytes of
// the chunk scanned before (backward).
static unsigned char carry[SEARCH_PATTERN_CAPACITY];
static uint32_t carryCount = 0;

uint32_t CaretByteIndex(void)
{
    EditSelection selection = ReadEditSelection(viewer.hexEdit);
    return SearchStartByte(selection.start, selection.end);
}

uint32_t BackwardStartByte(void)
{
    EditSelection selection = ReadEditSelection(viewer.hexEdit);
    return BackwardSearchStartByte(selection.start);
}

static uint32_t WideOfCodePage932(const char *text, uint32_t length, uint16_t *wide,
                                  uint32_t capacity)
{
    int units = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, (int)length, (LPWSTR)wide,
                                    (int)capacity);
    return units > 0 ? (uint32_t)units : 0;
}

int ReadSearchPattern(HWND dialog)
{
    GetDlgItemTextA(dialog, IDC_SEARCH_TEXT, viewer.searchInput, SEARCH_INPUT_SIZE);
    if (viewer.searchInput[0] == '\0') {
        return 0;
    }
    viewer.searchHexMode = IsDlgButtonChecked(dialog, IDC_SEARCH_HEX) == BST_CHECKED;
    LRESULT encoding = SendDlgItemMessageA(dialog, IDC_SEARCH_ENCODING, CB_GETCURSEL, 0, 0);
    viewer.searchEncoding = (unsigned char)(encoding > 0 ? encoding : 0);  // CB_ERR: ｼﾌﾄJIS
    viewer.searchIgnoreCase =
        IsDlgButtonChecked(dialog, IDC_SEARCH_IGNORE_CASE) == BST_CHECKED;
    if (viewer.searchHexMode) {
        if (!HexSearchPattern(viewer.searchInput, &searchPattern)) {
            ShowMessage(dialog, MSG_SEARCH_NOT_HEX);
            return 0;
        }
    } else if (!StringSearchPattern(viewer.searchInput, viewer.searchEncoding,
                                    viewer.searchIgnoreCase, WideOfCodePage932, &searchPattern)) {
        ShowMessage(dialog, MSG_SEARCH_NOT_CONVERTIBLE);
        return 0;
    }
    return 1;
}

void StartForwardScan(uint64_t line, uint32_t column)
{
    viewer.searchLine = line;
    viewer.searchColumn = column;
    viewer.searchPos = line * DUMP_LINE_BYTES + column;
    carryCount = 0;
}

int StartSearch(HWND dialog)
{
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        return 0;
    }
    if (viewer.findAllActive) {
        ShowMessage(dialog, MSG_SEARCH_BUSY);
        return 0;
    }
    if (!ReadSearchPattern(dialog)) {
        return 0;
    }
    viewer.searchBackward = IsDlgButtonChecked(dialog, IDC_SEARCH_BACKWARD) == BST_CHECKED;
    // A search that replaces another reads afresh.
    ForgetSearchBuffer();
    if (viewer.searchBackward) {
        // Matches start before the caret's byte and may run on past it.
        viewer.searchStart = viewer.topLine * DUMP_LINE_BYTES + BackwardStartByte();
        viewer.searchPos = BackwardSearchEnd(viewer.searchStart, searchPattern.longest,
                                             viewer.fileSize);
        viewer.searchLine = viewer.topLine;
        carryCount = 0;
    } else {
        StartForwardScan(viewer.topLine, CaretByteIndex());
        viewer.searchStart = viewer.searchPos;
    }
    viewer.searchProgressTime = GetTickCount();
    viewer.searchProgressShown = 0;
    viewer.searchActive = 1;
    SetWindowTextA(GetDlgItem(dialog, IDC_SEARCH_START), SEARCH_STOP_TEXT);
    SetTimer(dialog, SEARCH_TIMER_ID, 1, NULL);
    return 1;
}

// The bytes of the encoding that matched are selected.
static void ShowHit(const SearchHit *hit)
{
    LoadPage(viewer.mainDialog, hit->offset / DUMP_LINE_BYTES);
    SelectFileBytes(COLUMN_HEX, hit->offset, hit->length, 0);
}

int ScanForwardOnce(SearchHit *hit)
{
    if (viewer.searchPos >= viewer.fileSize) {
        return SCAN_END;
    }
    // A start on a page that runs into the next window may lie past this
    // window's end: the first window scanned is then the one holding it.
    if (carryCount == 0) {
        NormaliseSearchStart(&viewer.searchLine, &viewer.searchColumn, viewer.windowSize,
                             viewer.fileSize);
    }
    WindowSpan span;
    if (!ReadSearchBuffer(&span)) {
        return SCAN_UNREADABLE;
    }
    // The window holding searchLine's first byte, from searchColumn on, with
    // the carry.
    if (ScanSearchStep(&searchPattern, carry, &carryCount,
                       SearchBufferBytes() + span.offsetInWindow, span.bytesAfter,
                       viewer.fileSize, &viewer.searchLine, &viewer.searchColumn,
                       &viewer.searchPos, hit)) {
        return SCAN_HIT;
    }
    return SCAN_PASSED;
}

// One buffer's chunk toward the file's start.
static int ScanBackwardOnce(SearchHit *hit)
{
    if (viewer.searchPos == 0) {
        return SCAN_END;
    }
    uint64_t chunkStart = BackwardChunkStart(viewer.searchPos, searchBufferBytes);
    uint32_t length = (uint32_t)(viewer.searchPos - chunkStart);
    if (!ReadSearchChunk(chunkStart, length)) {
        return SCAN_UNREADABLE;
    }
    if (ScanBackwardStep(&searchPattern, carry, &carryCount, SearchBufferBytes(), chunkStart,
                         length, viewer.searchStart, &viewer.searchPos, hit)) {
        return SCAN_HIT;
    }
    // A stop shows the page the search has reached.
    viewer.searchLine = viewer.searchPos / DUMP_LINE_BYTES;
    return SCAN_PASSED;
}

int SearchStep(HWND dialog)
{
    SearchHit hit;
    int scanned = viewer.searchBackward ? ScanBackwardOnce(&hit) : ScanForwardOnce(&hit);
    if (scanned == SCAN_END) {
        // Backward, the page stays where the search began; forward it shows
        // the file's end, where the search has got to.
        if (viewer.searchBackward) {
            viewer.searchActive = 0;
        }
        StopSearch(dialog);
        ShowMessage(dialog, MSG_NOT_FOUND);
        return 0;
    }
    if (scanned == SCAN_UNREADABLE) {
        // No tick may come while the message is up.
        KillTimer(dialog, SEARCH_TIMER_ID);
        ShowMessage(dialog, MSG_FILE_ACCESS_FAILED);
        // The search ends where it stands, so nothing more is read from a
        // file that cannot deliver, and no "not found" follows.
        AbandonSearch();
        return 0;
    }
    if (scanned == SCAN_HIT) {
        KillTimer(dialog, SEARCH_TIMER_ID);
        viewer.searchActive = 0;
        ForgetSearchBuffer();
        ShowHit(&hit);
        return 0;
    }
    // The timer armed at the start repeats by itself; arming it again here
    // would restart its countdown after every window and leave the search
    // idle for most of each period.
    return 1;
}

void StopSearch(HWND dialog)
{
    KillTimer(dialog, SEARCH_TIMER_ID);
    // A stop with nothing started leaves the page where the user has it, and
    // the buffer to the list of every hit, which may be filling.
    if (viewer.searchActive) {
        viewer.searchActive = 0;
        ForgetSearchBuffer();
        LoadPage(viewer.mainDialog, viewer.searchLine);
    }
    SetWindowTextA(GetDlgItem(dialog, IDC_SEARCH_START), SEARCH_START_TEXT);
    if (viewer.searchProgressShown) {
        viewer.searchProgressShown = 0;
        SetWindowTextA(dialog, SEARCH_CAPTION);
    }
}

// The caption shows how far the search has got, at most every
// SEARCH_PROGRESS_MS: never for a search that ends within that time.
static void ShowSearchProgress(HWND dialog)
{
    DWORD now = GetTickCount();
    if (now - viewer.searchProgressTime < SEARCH_PROGRESS_MS) {
        return;
    }
    viewer.searchProgressTime = now;
    char caption[64];
    uint32_t percent = viewer.searchBackward
                           ? BackwardSearchPercent(viewer.searchStart, viewer.searchPos)
                           : SearchPercent(viewer.searchStart, viewer.searchPos, viewer.fileSize);
    wsprintfA(caption, SEARCH_PROGRESS_FORMAT, percent);
    SetWindowTextA(dialog, caption);
    viewer.searchProgressShown = 1;
}

void AbandonSearch(void)
{
    int running = viewer.searchActive;
    viewer.searchActive = 0;
    // With nothing active any more, the stop only kills the timer and gives
    // the dialog back its button and caption: the page stays.
    if (running && viewer.searchDialog != NULL && IsWindow(viewer.searchDialog)) {
        StopSearch(viewer.searchDialog);
    }
    if (running) {
        ForgetSearchBuffer();
    }
}

int RunBudgetedTick(HWND dialog, int (*step)(HWND), void (*progress)(HWND))
{
    // A message box shown inside a step runs a modal loop that delivers this
    // dialog's next tick: no step may start inside the one still running.
    static int ticking = 0;
    if (ticking) {
        return 1;
    }
    ticking = 1;
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    LONGLONG budget = frequency.QuadPart * searchTickBudgetMs / 1000;
    int goingOn;
    for (;;) {
        goingOn = step(dialog);
        if (!goingOn) {
            break;
        }
        QueryPerformanceCounter(&now);
        if (now.QuadPart - start.QuadPart >= budget) {
            progress(dialog);
            break;
        }
    }
    ticking = 0;
    return goingOn;
}

int RunSearchTick(HWND dialog)
{
    return RunBudgetedTick(dialog, SearchStep, ShowSearchProgress);
}
