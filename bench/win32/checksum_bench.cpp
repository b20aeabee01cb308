// korvex_checksum_bench: the checksum dialog summing a whole file on its
// timer ticks, in the real main dialog under Wine. One run per call;
// bench/checksum_bench.sh runs them.
//
//   korvex_checksum_bench PATH SUM...
//       Opens PATH, checks the SUMs (crc32 md5 sha1 sha256 sha512) in the
//       checksum dialog, sums the whole file and prints "bytes=N seconds=S
//       mbps=R ticks=T max_tick_ms=M ticks_over_16ms=K mean_tick_ms=A", then
//       the result's lines.
#include "app/file_life.h"
#include "app/main_dialog.h"
#include "app/startup.h"
#include "base/viewer_state.h"
#include "bytes/checksum_dialog.h"
#include "bytes/checksum_run.h"
#include "res/resource.h"
#include "bench_clock.h"

#include <stdio.h>
#include <string.h>

namespace {

WNDPROC sumsProc;
LONGLONG longestTick;
LONGLONG allTicks;
long tickCount;
long slowTicks;

LRESULT CALLBACK TimedSumsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_TIMER) {
        return CallWindowProcA(sumsProc, window, message, wParam, lParam);
    }
    LONGLONG start = Now();
    LRESULT result = CallWindowProcA(sumsProc, window, message, wParam, lParam);
    LONGLONG spent = Now() - start;
    longestTick = spent > longestTick ? spent : longestTick;
    slowTicks += OverFrame(spent);
    allTicks += spent;
    tickCount++;
    return result;
}

const struct {
    const char *name;
    int box;
} sums[] = {{"crc32", IDC_CHECKSUM_CRC32},
            {"md5", IDC_CHECKSUM_MD5},
            {"sha1", IDC_CHECKSUM_SHA1},
            {"sha256", IDC_CHECKSUM_SHA256},
            {"sha512", IDC_CHECKSUM_SHA512}};

int Run(const char *path, int count, char **names)
{
    HINSTANCE instance = GetModuleHandleA(NULL);
    viewer.instance = instance;
    if (!RegisterFrameClass(instance)) {
        return 2;
    }
    HWND main = CreateMainDialog(instance, CreateFrameWindow(instance));
    if (main == NULL) {
        return 2;
    }
    OpenFile(main, path);
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        fprintf(stderr, "cannot open %s\n", path);
        return 2;
    }
    OpenChecksumDialog(main);
    HWND dialog = ChecksumDialogWindow();
    for (const auto &sum : sums) {
        CheckDlgButton(dialog, sum.box, BST_UNCHECKED);
        for (int i = 0; i < count; i++) {
            if (strcmp(names[i], sum.name) == 0) {
                CheckDlgButton(dialog, sum.box, BST_CHECKED);
            }
        }
    }
    sumsProc = (WNDPROC)SetWindowLongPtrA(dialog, GWLP_WNDPROC, (LONG_PTR)TimedSumsProc);
    LONGLONG start = Now();
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    MSG message;
    while (ChecksumRunning() && GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    double seconds = Seconds(Now() - start);
    char result[1024] = "";
    GetDlgItemTextA(dialog, IDC_CHECKSUM_RESULT, result, sizeof result);
    printf("bytes=%llu seconds=%.3f mbps=%.1f ticks=%ld max_tick_ms=%.2f ticks_over_16ms=%ld "
           "mean_tick_ms=%.2f\n%s\n",
           (unsigned long long)viewer.fileSize, seconds,
           (double)viewer.fileSize / 1048576.0 / seconds, tickCount,
           Seconds(longestTick) * 1000.0, slowTicks,
           tickCount ? Seconds(allTicks) * 1000.0 / (double)tickCount : 0.0, result);
    RunExitSequence(main);
    return result[0] != '\0' ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv)
{
    StartBenchClock();
    if (argc < 3) {
        fprintf(stderr, "usage: korvex_checksum_bench PATH SUM...\n");
        return 2;
    }
    return Run(argv[1], argc - 2, argv + 2);
}
