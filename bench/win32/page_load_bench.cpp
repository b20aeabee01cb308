// korvex_wine_bench: what a page move costs in the real main dialog, within
// one mapped window and across windows, and what memory a 4096 GB file
// takes while the page moves all over it. Prints the figures; no checks.
#include "wide_path.h"

#include "app/file_life.h"
#include "app/startup.h"
#include "base/viewer_state.h"
#include "file/mapped_file.h"
#include "file/view_guard.h"
#include "inspector/inspector_window.h"
#include "res/resource.h"
#include "view/caret_status.h"
#include "view/load_page.h"

#include <psapi.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const uint64_t BENCH_FILE_SIZE = 64ull << 20;
const uint64_t LARGEST_FILE_SIZE = 1ull << 42;
// Moves per figure; the first argument may change it.
int moves = 100;
const int SPREAD_MOVES = 1000;

double TicksPerMicrosecond(void)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (double)frequency.QuadPart / 1e6;
}

void PumpPending(void)
{
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// A file of size bytes: holes, but for a few bytes at its end.
int MakeSparseFile(const std::string &path, uint64_t size)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    LARGE_INTEGER position;
    position.QuadPart = (LONGLONG)(size - 4);
    DWORD written = 0;
    BOOL ok = SetFilePointerEx(file, position, NULL, FILE_BEGIN) &&
              WriteFile(file, "END!", 4, &written, NULL);
    CloseHandle(file);
    return ok ? 1 : 0;
}

// Median microseconds of LoadPage over the lines, one call each.
double MedianLoadMicroseconds(HWND dialog, const std::vector<uint64_t> &lines, int *failures)
{
    double perMicrosecond = TicksPerMicrosecond();
    std::vector<double> costs;
    costs.reserve(lines.size());
    *failures = 0;
    for (uint64_t line : lines) {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        LoadPage(dialog, line);
        QueryPerformanceCounter(&end);
        if (!viewer.pageRendered) {
            (*failures)++;
        }
        costs.push_back((double)(end.QuadPart - start.QuadPart) / perMicrosecond);
        PumpPending();
    }
    std::sort(costs.begin(), costs.end());
    return costs[costs.size() / 2];
}

// Median microseconds of MapWindow alone: the mapping's share of a move.
double MedianMapMicroseconds(HWND dialog, const std::vector<uint64_t> &lines)
{
    double perMicrosecond = TicksPerMicrosecond();
    std::vector<double> costs;
    costs.reserve(lines.size());
    for (uint64_t line : lines) {
        WindowSpan span;
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        MapWindow(dialog, line, &span);
        QueryPerformanceCounter(&end);
        costs.push_back((double)(end.QuadPart - start.QuadPart) / perMicrosecond);
    }
    std::sort(costs.begin(), costs.end());
    return costs[costs.size() / 2];
}

// One page's bytes out of the mapped view, as a page load copies them.
void CopyViewPage(void *page)
{
    memcpy(page, viewer.viewBase + 4096, 768);
}

// Median nanoseconds of the page copy alone, bare and inside the fault guard
// every view access runs in.
double MedianCopyNanoseconds(HWND dialog, int guarded)
{
    double perMicrosecond = TicksPerMicrosecond();
    unsigned char page[768];
    std::vector<double> costs;
    for (int i = 0; i < 20000; i++) {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        if (guarded) {
            GuardViewAccess(dialog, ReleasePageView, CopyViewPage, page);
        } else {
            CopyViewPage(page);
        }
        QueryPerformanceCounter(&end);
        costs.push_back((double)(end.QuadPart - start.QuadPart) * 1000.0 / perMicrosecond);
    }
    std::sort(costs.begin(), costs.end());
    return costs[costs.size() / 2];
}

// Regions of mapped views in the process, and those of them mapped from the
// viewed file's mapping (found by the view's own base address).
int CountMappedRegions(void)
{
    int count = 0;
    MEMORY_BASIC_INFORMATION region;
    const char *address = NULL;
    while (VirtualQuery(address, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_MAPPED &&
            region.AllocationBase == region.BaseAddress) {
            count++;
        }
        const char *next = (const char *)region.BaseAddress + region.RegionSize;
        if (next <= address) {
            break;
        }
        address = next;
    }
    return count;
}

SIZE_T WorkingSetKilobytes(void)
{
    PROCESS_MEMORY_COUNTERS counters;
    memset(&counters, 0, sizeof counters);
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize / 1024;
}

SIZE_T ViewRegionBytes(void)
{
    MEMORY_BASIC_INFORMATION region;
    if (viewer.viewBase == NULL ||
        VirtualQuery(viewer.viewBase, &region, sizeof region) != sizeof region) {
        return 0;
    }
    return region.RegionSize;
}

void BenchMoves(HWND dialog, const std::string &path)
{
    OpenFile(dialog, WidePath(path.c_str()).c_str());
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        printf("cannot open %s\n", path.c_str());
        return;
    }
    uint64_t windowLines = viewer.windowSize / 16;
    uint64_t windows = viewer.fileSize / viewer.windowSize;
    srand(42);

    // Pages wholly inside window 0: no mapping call at all.
    std::vector<uint64_t> within;
    for (int i = 0; i < moves; i++) {
        within.push_back((uint64_t)(rand() % (int)(windowLines - 48)));
    }
    // Each move to a page of another window: one unmap and one map.
    std::vector<uint64_t> across;
    uint64_t window = 0;
    for (int i = 0; i < moves; i++) {
        window = (window + 1 + (uint64_t)rand() % (windows - 1)) % windows;
        across.push_back(window * windowLines + (uint64_t)(rand() % (int)(windowLines - 48)));
    }
    // Each page straddles two windows: two maps.
    std::vector<uint64_t> straddling;
    for (int i = 0; i < moves; i++) {
        window = (window + 1 + (uint64_t)rand() % (windows - 2)) % (windows - 1);
        straddling.push_back(window * windowLines + windowLines - 6);
    }

    int failures = 0;
    LoadPage(dialog, 0);
    printf("page move within one window:  median %8.1f us over %d moves", MedianLoadMicroseconds(dialog, within, &failures), moves);
    printf("%s\n", failures ? " (some loads failed)" : "");
    printf("page move to another window:  median %8.1f us over %d moves", MedianLoadMicroseconds(dialog, across, &failures), moves);
    printf("%s\n", failures ? " (some loads failed)" : "");
    // The mapping alone, with the many more calls it can afford.
    std::vector<uint64_t> mapWithin;
    std::vector<uint64_t> mapAcross;
    for (int i = 0; i < 50; i++) {
        mapWithin.insert(mapWithin.end(), within.begin(), within.end());
        mapAcross.insert(mapAcross.end(), across.begin(), across.end());
    }
    LoadPage(dialog, 0);
    printf("  of which MapWindow, same window:    median %8.2f us over %d calls\n",
           MedianMapMicroseconds(dialog, mapWithin), (int)mapWithin.size());
    printf("  of which MapWindow, another window: median %8.2f us over %d calls\n",
           MedianMapMicroseconds(dialog, mapAcross), (int)mapAcross.size());
    printf("  the page copy, bare:                median %8.0f ns; inside the fault guard: median %8.0f ns\n",
           MedianCopyNanoseconds(dialog, 0), MedianCopyNanoseconds(dialog, 1));
    printf("page straddling two windows:  median %8.1f us over %d moves", MedianLoadMicroseconds(dialog, straddling, &failures), moves);
    printf("%s\n", failures ? " (some loads failed)" : "");
}

// Median microseconds of the update every caret move ends in (the status
// line, and the data inspector's rows when it is open), the hex caret set
// on byte first or, when moved, on first and first + 4 in turn.
double MedianCaretUpdateMicroseconds(uint32_t first, int moved)
{
    double perMicrosecond = TicksPerMicrosecond();
    std::vector<double> costs;
    for (int i = 0; i < 2000; i++) {
        uint32_t caret = 3 * (first + (moved && (i & 1) ? 4 : 0));
        SendMessageA(viewer.hexEdit, EM_SETSEL, caret, caret);
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        ShowStatusLine();
        QueryPerformanceCounter(&end);
        costs.push_back((double)(end.QuadPart - start.QuadPart) / perMicrosecond);
    }
    std::sort(costs.begin(), costs.end());
    return costs[costs.size() / 2];
}

void BenchLargestFile(HWND dialog, const std::string &path)
{
    CloseFile(dialog);
    int mappedBefore = CountMappedRegions();
    OpenFile(dialog, WidePath(path.c_str()).c_str());
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        printf("cannot open the 4096 GB file\n");
        return;
    }
    PumpPending();
    SIZE_T before = WorkingSetKilobytes();
    int mappedOpen = CountMappedRegions();

    uint64_t lastTop = viewer.lineCount - 48;
    std::vector<uint64_t> lines;
    for (int i = 0; i <= SPREAD_MOVES - 1; i++) {
        lines.push_back(lastTop / (SPREAD_MOVES - 1) * (uint64_t)i);
    }
    int failures = 0;
    double median = MedianLoadMicroseconds(dialog, lines, &failures);
    SIZE_T after = WorkingSetKilobytes();
    int mappedAfter = CountMappedRegions();

    printf("4096 GB file, %d page moves spread over it: median %.1f us%s\n", SPREAD_MOVES,
           median, failures ? " (some loads failed)" : "");
    printf("  working set: %lu KB after the open, %lu KB after the moves (%+ld KB)\n",
           (unsigned long)before, (unsigned long)after, (long)after - (long)before);
    printf("  mapped views in the process: %d with no file open, %d with the file open, "
           "%d after the moves\n",
           mappedBefore, mappedOpen, mappedAfter);
    printf("  the view: %lu bytes at file offset 0x%llX (last page at line %llu)\n",
           (unsigned long)ViewRegionBytes(), (unsigned long long)viewer.viewOffset,
           (unsigned long long)viewer.topLine);
    // The last page ends in "END!": the rows change as the caret moves.
    printf("the update after a caret move, on the last page: %.1f us with the caret kept, "
           "%.1f us moved\n",
           MedianCaretUpdateMicroseconds(760, 0), MedianCaretUpdateMicroseconds(760, 1));
}

}  // namespace

int main(int argc, char **argv)
{
    setvbuf(stdout, NULL, _IONBF, 0);
    if (argc > 1 && atoi(argv[1]) > 0) {
        moves = atoi(argv[1]);
    }
    HINSTANCE instance = GetModuleHandleA(NULL);
    if (!RegisterFrameClass(instance)) {
        printf("cannot register the frame class\n");
        return 1;
    }
    HWND frame = CreateFrameWindow(instance);
    memset(&viewer, 0, sizeof viewer);
    viewer.instance = instance;
    HWND dialog = CreateMainDialog(instance, frame);
    if (dialog == NULL) {
        printf("cannot create the main dialog\n");
        return 1;
    }
    // KORVEX_BENCH_INSPECTOR=1: the same moves with the data inspector open.
    if (getenv("KORVEX_BENCH_INSPECTOR") != NULL) {
        ToggleInspector(dialog);
    }
    // KORVEX_BENCH_CHAR_MODE=1, 2 or 3: the character column in ｼﾌﾄJIS, UTF-8
    // or UTF-16LE, chosen as from 表示.
    if (getenv("KORVEX_BENCH_CHAR_MODE") != NULL) {
        SendMessageA(dialog, WM_COMMAND, IDM_CHAR_HALF_WIDTH + atoi(getenv("KORVEX_BENCH_CHAR_MODE")), 0);
    }
    PumpPending();

    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string large = std::string(folder) + "korvex-bench-64mb.bin";
    std::string largest = std::string(folder) + "korvex-bench-4096gb.bin";
    if (!MakeSparseFile(large, BENCH_FILE_SIZE) || !MakeSparseFile(largest, LARGEST_FILE_SIZE)) {
        printf("cannot create the files in %s\n", folder);
        return 1;
    }

    printf("korvex_wine_bench: LoadPage in the real main dialog (64 KB windows)%s\n",
           viewer.inspectorDialog != NULL ? ", the data inspector open" : "");
    printf("64 MB file:\n");
    BenchMoves(dialog, large);
    BenchLargestFile(dialog, largest);

    CloseFile(dialog);
    DestroyWindow(dialog);
    DeleteFileA(large.c_str());
    DeleteFileA(largest.c_str());
    return 0;
}
