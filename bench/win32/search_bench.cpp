// korvex_search_bench: how fast the search goes through a file under the
// real dialog and timer, and how fast bare loops that map or read the same
// file scan it. One measurement per run; bench/search_bench.sh runs them all.
//
//   korvex_search_bench dialog PATH TEXT BUDGET_MS [SECONDS [BYTES [BUFFER]]]
//       The main dialog opens PATH, a search dialog searches for TEXT (string
//       mode) from the first byte with searchTickBudgetMs = BUDGET_MS (and
//       searchBufferBytes = BUFFER), until the hit, for at most SECONDS, or
//       until it has passed BYTES (then it is stopped). Prints "bytes=N seconds=S mbps=R ticks=T max_tick_ms=M
//       max_tick_index=I ticks_over_16ms=K other_max_tick_ms=O
//       other_ticks_over_16ms=P mean_tick_ms=A page_load_ms=L found=0|1"
//       (I counts from 0; O and P leave out the last tick, which is the hit's
//       when found; L is a page load in another window, as at a hit).
//   korvex_search_bench back PATH TEXT BUDGET_MS
//       The same backward, from the end of the file (後方検索 checked): bytes
//       is then what lay between the hit and the file's end.
//   korvex_search_bench all PATH TEXT BUDGET_MS
//       The search dialog's すべて検索 over the whole file, the hit list's
//       ticks timed; bytes is the file's size, and "hits=N" is added.
//   korvex_search_bench bare PATH TEXT [VIEW_BYTES]
//       Maps views of VIEW_BYTES (default 64 KB) one after another and scans
//       each with the C runtime's memchr + memcmp until TEXT is found. Prints
//       "bytes=N seconds=S mbps=R found=0|1".
//   korvex_search_bench read PATH TEXT [BUFFER_BYTES]
//       The same with ReadFile into one buffer of BUFFER_BYTES (default: the
//       search's) instead of views.
// Options before the command set the search dialog's (dialog, back, all):
//   --hex            16進検索 (TEXT is hex pairs, "??" for any byte)
//   --either-case    英字の大文字と小文字を区別しない
//   --encoding N     the encoding list's item N (4: すべて)
//   --bytes          TEXT is the string's code page 932 bytes in hex
//   --filter N       the scan's candidate filter: 0 plain, 1 SSE2, 2 AVX2
#include "app/main_dialog.h"
#include "app/file_life.h"
#include "app/startup.h"
#include "base/viewer_state.h"
#include "file/mapped_file.h"
#include "res/resource.h"
#include "search/incremental_search.h"
#include "search/search_buffer.h"
#include "search/search_dialog.h"
#include "search/search_filter.h"
#include "view/load_page.h"
#include "bench_clock.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

// --- the dialog's ticks, timed from outside --------------------------------

WNDPROC dialogProc;
LONGLONG longestTick;
LONGLONG allTicks;
long tickCount;
long longestTickIndex;
long slowTicks;  // over 16 ms
// The same, without the last tick seen so far.
LONGLONG lastTick = -1;
LONGLONG longestOtherTick;
long slowOtherTicks;

LRESULT CALLBACK TimedDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_TIMER) {
        return CallWindowProcA(dialogProc, window, message, wParam, lParam);
    }
    LONGLONG start = Now();
    LRESULT result = CallWindowProcA(dialogProc, window, message, wParam, lParam);
    LONGLONG spent = Now() - start;
    if (spent > longestTick) {
        longestTick = spent;
        longestTickIndex = tickCount;
    }
    if (OverFrame(spent)) {
        slowTicks++;
    }
    if (lastTick > longestOtherTick) {
        longestOtherTick = lastTick;
    }
    if (lastTick >= 0 && OverFrame(lastTick)) {
        slowOtherTicks++;
    }
    lastTick = spent;
    allTicks += spent;
    tickCount++;
    return result;
}

// The byte the hex column's selection starts at, as a file offset.
uint64_t SelectedOffset(void)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(viewer.hexEdit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    return viewer.topLine * 16 + start / 48 * 16 + start % 48 / 3;
}

enum SearchKind { FORWARD, BACKWARD, FIND_ALL };

// The search dialog's options, from the command line.
int hexMode = 0;
int eitherCase = 0;
int encoding = 0;

int Running(SearchKind kind, HWND search)
{
    return kind == FIND_ALL ? viewer.findAllActive : IsWindow(search);
}

int RunDialog(SearchKind kind, const char *path, const char *text, unsigned budget,
              double seconds, uint64_t byteLimit, uint32_t bufferBytes)
{
    HINSTANCE instance = GetModuleHandleA(NULL);
    viewer.instance = instance;
    if (!RegisterFrameClass(instance)) {
        return 2;
    }
    HWND frame = CreateFrameWindow(instance);
    HWND main = CreateMainDialog(instance, frame);
    if (main == NULL) {
        fprintf(stderr, "no main dialog\n");
        return 2;
    }
    OpenFile(main, path);
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        fprintf(stderr, "cannot open %s\n", path);
        return 2;
    }
    searchTickBudgetMs = budget;
    searchBufferBytes = bufferBytes;
    memset(viewer.searchInput, 0, sizeof viewer.searchInput);
    OpenSearchDialog(main);
    HWND search = viewer.searchDialog;
    CheckRadioButton(search, IDC_SEARCH_HEX, IDC_SEARCH_STRING,
                     hexMode ? IDC_SEARCH_HEX : IDC_SEARCH_STRING);
    CheckDlgButton(search, IDC_SEARCH_IGNORE_CASE, eitherCase ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageA(search, IDC_SEARCH_ENCODING, CB_SETCURSEL, (WPARAM)encoding, 0);
    SetDlgItemTextA(search, IDC_SEARCH_TEXT, text);
    if (kind == BACKWARD) {
        // The caret after the last page's last byte.
        LoadPage(main, viewer.lineCount);
        int end = GetWindowTextLengthA(viewer.hexEdit);
        SendMessageA(viewer.hexEdit, EM_SETSEL, end, end);
        CheckDlgButton(search, IDC_SEARCH_BACKWARD, BST_CHECKED);
    }

    LONGLONG start = Now();
    LONGLONG limit = (LONGLONG)(seconds * (double)frequency.QuadPart);
    if (kind == FIND_ALL) {
        SendDlgItemMessageA(search, IDC_SEARCH_ALL, BM_CLICK, 0, 0);
        dialogProc = (WNDPROC)SetWindowLongPtrA(viewer.hitsDialog, GWLP_WNDPROC,
                                                (LONG_PTR)TimedDialogProc);
    } else {
        dialogProc = (WNDPROC)SetWindowLongPtrA(search, GWLP_WNDPROC,
                                                (LONG_PTR)TimedDialogProc);
        SendDlgItemMessageA(search, IDC_SEARCH_START, BM_CLICK, 0, 0);
    }
    MSG message;
    while (Running(kind, search) && Now() - start < limit && viewer.searchPos < byteLimit &&
           GetMessageA(&message, NULL, 0, 0) > 0) {
        if (IsDialogMessageA(search, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    LONGLONG spent = Now() - start;
    int found = !IsWindow(search);
    uint64_t bytes = found ? SelectedOffset() : viewer.searchPos;
    if (kind == BACKWARD) {
        bytes = viewer.fileSize - (found ? bytes : viewer.searchPos);
    }
    unsigned long hits = 0;
    if (kind == FIND_ALL) {
        hits = (unsigned long)SendDlgItemMessageA(viewer.hitsDialog, IDC_HITS_LIST, LB_GETCOUNT,
                                                  0, 0);
        found = !viewer.findAllActive;
        bytes = found ? viewer.fileSize : viewer.searchPos;
    } else if (!found) {
        SendDlgItemMessageA(search, IDC_SEARCH_START, BM_CLICK, 0, 0);
    }
    // What the hit's tick adds to the scan: a page load in another window.
    const int loads = 10;
    LONGLONG loadStart = Now();
    for (int i = 0; i < loads; i++) {
        LoadPage(main, (uint64_t)(i + 1) * 4096 * 7);
    }
    double loadMs = Seconds(Now() - loadStart) * 1000.0 / loads;
    printf("bytes=%llu seconds=%.3f mbps=%.1f ticks=%ld max_tick_ms=%.2f max_tick_index=%ld "
           "ticks_over_16ms=%ld other_max_tick_ms=%.2f other_ticks_over_16ms=%ld "
           "mean_tick_ms=%.2f page_load_ms=%.2f found=%d hits=%lu\n",
           (unsigned long long)bytes, Seconds(spent), (double)bytes / 1048576.0 / Seconds(spent),
           tickCount, Seconds(longestTick) * 1000.0, longestTickIndex, slowTicks,
           Seconds(longestOtherTick) * 1000.0, slowOtherTicks,
           tickCount ? Seconds(allTicks) * 1000.0 / (double)tickCount : 0.0, loadMs, found,
           hits);
    RunExitSequence(main);
    return 0;
}

// --- the bare loops ----------------------------------------------------------

// The first TEXT in bytes[0 .. count) with the C runtime's memchr + memcmp;
// matches across a boundary are left out: the baselines only need the cost
// of getting and scanning the bytes.
const unsigned char *FindBare(const unsigned char *bytes, DWORD count, const char *text,
                              size_t length)
{
    if (count < length) {
        return NULL;
    }
    const unsigned char *next = bytes;
    const unsigned char *last = bytes + count - length;
    while (next <= last) {
        const unsigned char *first =
            (const unsigned char *)memchr(next, text[0], (size_t)(last - next) + 1);
        if (first == NULL) {
            return NULL;
        }
        if (memcmp(first + 1, text + 1, length - 1) == 0) {
            return first;
        }
        next = first + 1;
    }
    return NULL;
}

void PrintBare(LONGLONG start, int found, uint64_t hit, uint64_t size)
{
    LONGLONG spent = Now() - start;
    uint64_t bytes = found ? hit : size;
    printf("bytes=%llu seconds=%.3f mbps=%.1f found=%d\n", (unsigned long long)bytes,
           Seconds(spent), (double)bytes / 1048576.0 / Seconds(spent), found);
}

// Opens path as the program does, for reading and writing with no sharing;
// *size is its size. Null when it cannot be opened (reported).
HANDLE OpenBenchFile(const char *path, uint64_t *size)
{
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        fprintf(stderr, "cannot open %s\n", path);
        return NULL;
    }
    DWORD high = 0;
    DWORD low = GetFileSize(file, &high);
    *size = ((uint64_t)high << 32) | low;
    return file;
}

int RunBare(const char *path, const char *text, DWORD viewBytes)
{
    size_t length = strlen(text);
    uint64_t size = 0;
    HANDLE file = OpenBenchFile(path, &size);
    if (file == NULL) {
        return 2;
    }
    HANDLE mapping = CreateFileMappingA(file, NULL, PAGE_READWRITE, (DWORD)(size >> 32),
                                        (DWORD)size, NULL);
    if (mapping == NULL) {
        fprintf(stderr, "no mapping\n");
        return 2;
    }
    LONGLONG start = Now();
    uint64_t hit = 0;
    int found = 0;
    for (uint64_t offset = 0; offset < size && !found; offset += viewBytes) {
        DWORD bytes = size - offset < viewBytes ? (DWORD)(size - offset) : viewBytes;
        const unsigned char *view = (const unsigned char *)MapViewOfFile(
            mapping, FILE_MAP_ALL_ACCESS, (DWORD)(offset >> 32), (DWORD)offset, bytes);
        if (view == NULL) {
            fprintf(stderr, "MapViewOfFile failed at %llu\n", (unsigned long long)offset);
            return 2;
        }
        const unsigned char *first = FindBare(view, bytes, text, length);
        if (first != NULL) {
            hit = offset + (uint64_t)(first - view);
            found = 1;
        }
        UnmapViewOfFile(view);
    }
    PrintBare(start, found, hit, size);
    CloseHandle(mapping);
    CloseHandle(file);
    return 0;
}

int RunRead(const char *path, const char *text, DWORD bufferBytes)
{
    size_t length = strlen(text);
    uint64_t size = 0;
    HANDLE file = OpenBenchFile(path, &size);
    if (file == NULL) {
        return 2;
    }
    unsigned char *buffer = (unsigned char *)VirtualAlloc(NULL, bufferBytes,
                                                          MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (buffer == NULL) {
        fprintf(stderr, "no buffer\n");
        return 2;
    }
    LONGLONG start = Now();
    uint64_t hit = 0;
    int found = 0;
    for (uint64_t offset = 0; offset < size && !found; offset += bufferBytes) {
        OVERLAPPED at;
        ZeroMemory(&at, sizeof at);
        at.Offset = (DWORD)offset;
        at.OffsetHigh = (DWORD)(offset >> 32);
        DWORD bytes = 0;
        if (!ReadFile(file, buffer, bufferBytes, &bytes, &at) || bytes == 0) {
            fprintf(stderr, "ReadFile failed at %llu\n", (unsigned long long)offset);
            return 2;
        }
        const unsigned char *first = FindBare(buffer, bytes, text, length);
        if (first != NULL) {
            hit = offset + (uint64_t)(first - buffer);
            found = 1;
        }
    }
    PrintBare(start, found, hit, size);
    VirtualFree(buffer, 0, MEM_RELEASE);
    CloseHandle(file);
    return 0;
}

// Hex digits to the bytes they spell, in place.
void DecodeHex(char *text)
{
    char *out = text;
    for (const char *in = text; in[0] != '\0' && in[1] != '\0'; in += 2) {
        char pair[3] = {in[0], in[1], '\0'};
        *out++ = (char)strtoul(pair, NULL, 16);
    }
    *out = '\0';
}

int Usage(void)
{
    fprintf(stderr, "usage: korvex_search_bench [OPTIONS] dialog PATH TEXT BUDGET_MS [SECONDS [BYTES [BUFFER]]]\n"
                    "       korvex_search_bench [OPTIONS] back|all PATH TEXT BUDGET_MS\n"
                    "       korvex_search_bench bare PATH TEXT [VIEW_BYTES]\n"
                    "       korvex_search_bench read PATH TEXT [BUFFER_BYTES]\n");
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    StartBenchClock();
    int textInHex = 0;
    while (argc >= 2 && strncmp(argv[1], "--", 2) == 0) {
        const char *option = argv[1];
        if (strcmp(option, "--hex") == 0) {
            hexMode = 1;
        } else if (strcmp(option, "--either-case") == 0) {
            eitherCase = 1;
        } else if (strcmp(option, "--bytes") == 0) {
            textInHex = 1;
        } else if (argc >= 3 && strcmp(option, "--encoding") == 0) {
            encoding = atoi(argv[2]);
            argv++, argc--;
        } else if (argc >= 3 && strcmp(option, "--filter") == 0) {
            if (!UseScanFilter(atoi(argv[2]))) {
                fprintf(stderr, "this processor lacks filter %s\n", argv[2]);
                return 2;
            }
            argv++, argc--;
        } else {
            return Usage();
        }
        argv++, argc--;
    }
    if (textInHex && argc >= 4) {
        DecodeHex(argv[3]);
    }
    if (argc >= 5 && strcmp(argv[1], "dialog") == 0) {
        double seconds = argc >= 6 ? atof(argv[5]) : 600.0;
        uint64_t byteLimit = argc >= 7 ? strtoull(argv[6], NULL, 10) : UINT64_MAX;
        uint32_t bufferBytes = argc >= 8 ? (uint32_t)strtoul(argv[7], NULL, 10)
                                         : SEARCH_BUFFER_BYTES;
        return RunDialog(FORWARD, argv[2], argv[3], (unsigned)atoi(argv[4]), seconds, byteLimit,
                         bufferBytes);
    }
    if (argc == 5 && (strcmp(argv[1], "back") == 0 || strcmp(argv[1], "all") == 0)) {
        return RunDialog(argv[1][0] == 'b' ? BACKWARD : FIND_ALL, argv[2], argv[3],
                         (unsigned)atoi(argv[4]), 600.0, UINT64_MAX, SEARCH_BUFFER_BYTES);
    }
    if ((argc == 4 || argc == 5) && strcmp(argv[1], "bare") == 0) {
        DWORD viewBytes = argc == 5 ? (DWORD)strtoul(argv[4], NULL, 10) : 65536;
        return RunBare(argv[2], argv[3], viewBytes);
    }
    if ((argc == 4 || argc == 5) && strcmp(argv[1], "read") == 0) {
        DWORD bufferBytes = argc == 5 ? (DWORD)strtoul(argv[4], NULL, 10) : SEARCH_BUFFER_BYTES;
        return RunRead(argv[2], argv[3], bufferBytes);
    }
    return Usage();
}
