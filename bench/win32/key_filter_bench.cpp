// korvex_key_filter_bench: what the key filter costs per keystroke in the
// real main dialog with a file open. KeyFilter called directly, key class by
// key class, next to the calls it may make; then real keystrokes sent with
// SendInput into the hex column, with the filter installed and removed.
// Prints the figures; no checks.
#include "wide_path.h"

#include "app/file_life.h"
#include "app/startup.h"
#include "base/viewer_state.h"
#include "edit/key_filter.h"
#include "file/mapped_file.h"
#include "inspector/inspector_window.h"
#include "res/resource.h"

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

namespace {

const int CALLS = 20000;
const int BATCHES = 5;
int keystrokes = 400;

double TicksPerMicrosecond(void)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (double)frequency.QuadPart / 1e6;
}

double Now(void)
{
    static const double perMicrosecond = TicksPerMicrosecond();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (double)now.QuadPart / perMicrosecond;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void PumpPending(void)
{
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

volatile LRESULT sink;

// Nanoseconds per call, the median of the batches' means.
template <typename Call>
double NanosecondsPerCall(Call call)
{
    std::vector<double> means;
    for (int batch = 0; batch < BATCHES; batch++) {
        double start = Now();
        for (int i = 0; i < CALLS; i++) {
            sink = call();
        }
        means.push_back((Now() - start) * 1000.0 / CALLS);
    }
    return Median(means);
}

struct FilterCase {
    const char *name;
    WPARAM key;
    unsigned char editFocus;
    int selection;
};

void DirectCalls(void)
{
    const FilterCase cases[] = {
        {"idle (jump box), any key", 'G', 0, 0},
        {"Right: Shift read, passes", VK_RIGHT, 1, 0},
        {"digit 5: Shift + EM_GETSEL, passes", '5', 1, 0},
        {"keypad 5: the same, lowered", VK_NUMPAD5, 1, 0},
        {"G: Shift + F3 read, swallowed", 'G', 1, 0},
        {"digit over a selection: Shift, EM_GETSEL, F3", '5', 1, 1},
        {"F: Shift, Ctrl, EM_GETSEL", 'F', 1, 0},
    };
    printf("KeyFilter called directly (the hook's own work; CallNextHookEx outside\n"
           "a hook chain returns at once):\n");
    for (const FilterCase &c : cases) {
        SendMessageA(viewer.hexEdit, EM_SETSEL, 252, c.selection ? 260 : 252);
        viewer.editFocus = c.editFocus;
        double ns = NanosecondsPerCall([&c] { return KeyFilter(HC_ACTION, c.key, 1); });
        printf("  %-46s %8.0f ns\n", c.name, ns);
    }
    viewer.editFocus = 1;
    SendMessageA(viewer.hexEdit, EM_SETSEL, 252, 252);

    printf("the calls it is made of:\n");
    printf("  %-46s %8.0f ns\n", "GetKeyState(VK_SHIFT)",
           NanosecondsPerCall([] { return (LRESULT)GetKeyState(VK_SHIFT); }));
    printf("  %-46s %8.0f ns\n", "SendMessageA(hexEdit, EM_GETSEL)", NanosecondsPerCall([] {
               DWORD start = 0;
               DWORD end = 0;
               return SendMessageA(viewer.hexEdit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
           }));
    printf("  %-46s %8.0f ns\n", "CallNextHookEx outside a chain",
           NanosecondsPerCall([] { return CallNextHookEx(viewer.keyboardHook, HC_ACTION, 'G', 1); }));
}

// Key releases reaching the hex column: the end of one keystroke's trip.
WNDPROC columnProc;
volatile int releases;

LRESULT CALLBACK CountReleases(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYUP) {
        releases++;
    }
    return CallWindowProcA(columnProc, window, message, wParam, lParam);
}

void SendKey(WORD key, DWORD flags)
{
    INPUT input;
    ZeroMemory(&input, sizeof input);
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = (WORD)MapVirtualKeyA(key, 0);
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// Microseconds per keystroke, Right and Left in turn (both pass the filter
// and keep the caret inside the page): sent, then pumped until the release
// has reached the column. -1 when keystrokes were lost.
double RoundTripMicroseconds(HWND dialog)
{
    SetForegroundWindow(dialog);
    SetFocus(viewer.hexEdit);
    SendMessageA(viewer.hexEdit, EM_SETSEL, 252, 252);
    PumpPending();
    std::vector<double> costs;
    for (int i = 0; i < keystrokes; i++) {
        WORD key = (i & 1) ? VK_LEFT : VK_RIGHT;
        int before = releases;
        double start = Now();
        SendKey(key, 0);
        SendKey(key, KEYEVENTF_KEYUP);
        while (releases == before) {
            PumpPending();
            if (Now() - start > 1e6) {
                return -1;
            }
        }
        costs.push_back(Now() - start);
    }
    return Median(costs);
}

void RoundTrips(HWND dialog)
{
    columnProc = (WNDPROC)GetWindowLongPtrA(viewer.hexEdit, GWLP_WNDPROC);
    SetWindowLongPtrA(viewer.hexEdit, GWLP_WNDPROC, (LONG_PTR)CountReleases);
    printf("keystrokes sent with SendInput into the hex column, Right and Left in turn,\n"
           "until the release reaches the column (median of %d):\n", keystrokes);
    std::vector<double> installed;
    std::vector<double> removed;
    for (int round = 0; round < 3; round++) {
        installed.push_back(RoundTripMicroseconds(dialog));
        UnhookWindowsHookEx(viewer.keyboardHook);
        removed.push_back(RoundTripMicroseconds(dialog));
        InstallKeyFilter(dialog);
    }
    for (int round = 0; round < 3; round++) {
        printf("  round %d: filter installed %8.1f us, removed %8.1f us, difference %+7.1f us\n",
               round + 1, installed[round], removed[round], installed[round] - removed[round]);
    }
    SetWindowLongPtrA(viewer.hexEdit, GWLP_WNDPROC, (LONG_PTR)columnProc);
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc > 1) {
        keystrokes = std::max(10, atoi(argv[1]));
    }
    HINSTANCE instance = GetModuleHandleA(NULL);
    viewer.instance = instance;
    if (!RegisterFrameClass(instance)) {
        printf("cannot register the frame class\n");
        return 1;
    }
    HWND frame = CreateFrameWindow(instance);
    HWND dialog = CreateMainDialog(instance, frame);
    if (dialog == NULL || viewer.keyboardHook == NULL) {
        printf("cannot create the main dialog with its key filter\n");
        return 1;
    }

    char folder[MAX_PATH];
    char path[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    if (GetTempFileNameA(folder, "kfb", 0, path) == 0) {
        printf("cannot create a file in %s\n", folder);
        return 1;
    }
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    static unsigned char bytes[65536];
    DWORD written = 0;
    WriteFile(file, bytes, sizeof bytes, &written, NULL);
    CloseHandle(file);
    OpenFile(dialog, WidePath(path).c_str());
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        printf("cannot open %s\n", path);
        return 1;
    }
    // KORVEX_BENCH_INSPECTOR=1: the same keys with the data inspector open.
    if (getenv("KORVEX_BENCH_INSPECTOR") != NULL) {
        ToggleInspector(dialog);
    }
    PumpPending();

    printf("korvex_key_filter_bench: the key filter in the real main dialog%s\n",
           viewer.inspectorDialog != NULL ? ", the data inspector open" : "");
    DirectCalls();
    RoundTrips(dialog);

    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    PumpPending();
    DeleteFileA(path);
    return 0;
}
