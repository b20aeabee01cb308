// korvex_range_bench: copying a range to the clipboard as hex text, and
// saving a range to a file on the save's timer ticks, in the real main
// dialog under Wine. One measurement per run; bench/range_save_bench.sh runs
// them.
//
//   korvex_range_bench copy PATH BYTES
//       Opens PATH and copies its first BYTES as hex lines to the clipboard.
//       Prints "bytes=N seconds=S chars=C".
//   korvex_range_bench save PATH TARGET
//       Opens PATH and saves all of it to TARGET. Prints "bytes=N seconds=S
//       mbps=R ticks=T max_tick_ms=M ticks_over_16ms=K mean_tick_ms=A
//       last_tick_ms=L", the tick figures over the ticks that copy and the
//       last, which ends the save and opens its message, apart.
#include "app/file_life.h"
#include "app/main_dialog.h"
#include "app/startup.h"
#include "base/clipboard_text.h"
#include "base/viewer_state.h"
#include "bytes/copy_format.h"
#include "bytes/range_dialog.h"
#include "bytes/range_save.h"
#include "file/mapped_file.h"
#include "file/page_copy.h"
#include "bench_clock.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

// The end's message box closes itself. It opens inside the last tick, whose
// modal loop keeps the window live, so that tick is timed up to the box and
// told apart from the ticks that copy.
HHOOK boxHook;
LONGLONG boxShownAt;
LRESULT CALLBACK CloseBoxes(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && (HWND)wParam != viewer.mainDialog
        && (HWND)wParam != RangeSaveWindow()) {
        boxShownAt = boxShownAt ? boxShownAt : Now();
        PostMessageA((HWND)wParam, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(boxHook, code, wParam, lParam);
}

WNDPROC saveProc;
LONGLONG longestTick;
LONGLONG allTicks;
LONGLONG lastTick;
long tickCount;
long slowTicks;

LRESULT CALLBACK TimedSaveProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_TIMER) {
        return CallWindowProcA(saveProc, window, message, wParam, lParam);
    }
    LONGLONG start = Now();
    LRESULT result = CallWindowProcA(saveProc, window, message, wParam, lParam);
    LONGLONG spent = (boxShownAt > start ? boxShownAt : Now()) - start;
    if (RangeSaveWindow() == NULL) {
        lastTick = spent;
        return result;
    }
    longestTick = spent > longestTick ? spent : longestTick;
    slowTicks += OverFrame(spent);
    allTicks += spent;
    tickCount++;
    return result;
}

const char *target;
int ChooseTarget(HWND, char *path)
{
    lstrcpynA(path, target, 260);
    return 1;
}

HWND OpenMain(const char *path)
{
    HINSTANCE instance = GetModuleHandleA(NULL);
    viewer.instance = instance;
    if (!RegisterFrameClass(instance)) {
        return NULL;
    }
    HWND main = CreateMainDialog(instance, CreateFrameWindow(instance));
    if (main == NULL) {
        return NULL;
    }
    OpenFile(main, path);
    return viewer.fileHandle == INVALID_HANDLE_VALUE ? NULL : main;
}

int RunCopy(const char *path, uint32_t bytes)
{
    HWND main = OpenMain(path);
    if (main == NULL) {
        fprintf(stderr, "cannot open %s\n", path);
        return 2;
    }
    // The parts first: the read through the windows, the text, the clipboard.
    unsigned char *buffer = (unsigned char *)malloc(bytes);
    LONGLONG partStart = Now();
    CopyBytesFromWindows(0, bytes, MapWindowAt, main, buffer);
    double readSeconds = Seconds(Now() - partStart);
    size_t length = FormatHexLines(buffer, bytes, NULL);
    char *text;
    HGLOBAL memory = NewClipboardText(length, &text);
    partStart = Now();
    FormatHexLines(buffer, bytes, text);
    double formatSeconds = Seconds(Now() - partStart);
    // Again into the same memory, now touched: what the text itself costs.
    partStart = Now();
    FormatHexLines(buffer, bytes, text);
    double reformatSeconds = Seconds(Now() - partStart);
    partStart = Now();
    PlaceClipboardText(main, memory);
    double placeSeconds = Seconds(Now() - partStart);
    free(buffer);

    LONGLONG start = Now();
    CopyRangeToClipboard(main, 0, bytes, 0);
    double seconds = Seconds(Now() - start);
    size_t chars = 0;
    if (OpenClipboard(NULL)) {
        HANDLE memory = GetClipboardData(CF_TEXT);
        if (memory != NULL) {
            chars = strlen((const char *)GlobalLock(memory));
            GlobalUnlock(memory);
        }
        CloseClipboard();
    }
    printf("bytes=%lu seconds=%.3f chars=%lu read_s=%.3f format_s=%.3f format_again_s=%.3f "
           "place_s=%.3f\n",
           (unsigned long)bytes, seconds, (unsigned long)chars, readSeconds, formatSeconds,
           reformatSeconds, placeSeconds);
    RunExitSequence(main);
    return 0;
}

int RunSave(const char *path, const char *targetPath)
{
    HWND main = OpenMain(path);
    if (main == NULL) {
        fprintf(stderr, "cannot open %s\n", path);
        return 2;
    }
    boxHook = SetWindowsHookExA(WH_CBT, CloseBoxes, NULL, GetCurrentThreadId());
    target = targetPath;
    chooseSaveTarget = ChooseTarget;
    uint64_t size = viewer.fileSize;
    LONGLONG start = Now();
    StartRangeSave(main, 0, size);
    HWND save = RangeSaveWindow();
    if (save == NULL) {
        fprintf(stderr, "the save did not start\n");
        return 2;
    }
    saveProc = (WNDPROC)SetWindowLongPtrA(save, GWLP_WNDPROC, (LONG_PTR)TimedSaveProc);
    MSG message;
    while (RangeSaveWindow() != NULL && GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    double seconds = Seconds(Now() - start);
    printf("bytes=%llu seconds=%.3f mbps=%.1f ticks=%ld max_tick_ms=%.2f ticks_over_16ms=%ld "
           "mean_tick_ms=%.2f last_tick_ms=%.2f\n",
           (unsigned long long)size, seconds, (double)size / 1048576.0 / seconds, tickCount,
           Seconds(longestTick) * 1000.0, slowTicks,
           tickCount ? Seconds(allTicks) * 1000.0 / (double)tickCount : 0.0,
           Seconds(lastTick) * 1000.0);
    UnhookWindowsHookEx(boxHook);
    RunExitSequence(main);
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    StartBenchClock();
    if (argc == 4 && strcmp(argv[1], "copy") == 0) {
        return RunCopy(argv[2], (uint32_t)strtoul(argv[3], NULL, 10));
    }
    if (argc == 4 && strcmp(argv[1], "save") == 0) {
        return RunSave(argv[2], argv[3]);
    }
    fprintf(stderr, "usage: korvex_range_bench copy PATH BYTES | save PATH TARGET\n");
    return 2;
}
