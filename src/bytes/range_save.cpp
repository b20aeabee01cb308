#include "bytes/range_save.h"

#include "base/center_window.h"
#include "base/messages.h"
#include "base/show_message.h"
#include "base/viewer_state.h"
#include "file/choose_file.h"
#include "file/mapped_file.h"
#include "res/resource.h"

#include <stdio.h>
#include <stdlib.h>

SaveTargetFunction chooseSaveTarget = ChooseSaveFile;

enum {
    SAVE_TIMER = 1,
    // Read and written at once; a tick stops starting chunks after its budget.
    SAVE_CHUNK_BYTES = 256 * 1024,
    SAVE_TICK_BUDGET_MS = 8
};

// The one save that may run. window is NULL when none does.
struct RangeSave {
    HWND window;
    HWND owner;
    HANDLE target;
    unsigned char *buffer;
    uint64_t start;
    uint64_t next;
    uint64_t end;
    unsigned percent;
    char path[PATH_CAPACITY];
};

static RangeSave save;

HWND RangeSaveWindow(void)
{
    return save.window;
}

// Closes and deletes an unfinished target, closes a finished one, and takes
// the progress dialog down.
static void EndSave(int finished)
{
    HWND window = save.window;
    save.window = NULL;
    KillTimer(window, SAVE_TIMER);
    CloseHandle(save.target);
    if (!finished) {
        DeleteFileA(save.path);
    }
    free(save.buffer);
    save.buffer = NULL;
    DestroyWindow(window);
}

static void FinishSave(int finished)
{
    HWND owner = save.owner;
    EndSave(finished);
    ShowMessage(owner, finished ? MSG_SAVED : MSG_FILE_ACCESS_FAILED);
}

void AbandonRangeSave(void)
{
    if (save.window != NULL) {
        EndSave(0);
    }
}

// One chunk of the open file from save.next into the target; 0 when either
// fails. The read is positioned, as every read of the open file is: under
// Wine it waits on a round trip to the server, which a busy host holds for
// tens of milliseconds now and then.
static int CopyChunk(void)
{
    uint64_t rest = save.end - save.next;
    DWORD chunk = rest < SAVE_CHUNK_BYTES ? (DWORD)rest : (DWORD)SAVE_CHUNK_BYTES;
    DWORD put = 0;
    if (ReadFileAt(save.next, chunk, save.buffer) != chunk) {
        return 0;
    }
    if (!WriteFile(save.target, save.buffer, chunk, &put, NULL) || put != chunk) {
        return 0;
    }
    save.next += chunk;
    return 1;
}

static void ShowSaveProgress(void)
{
    unsigned percent = (unsigned)((save.next - save.start) * 100 / (save.end - save.start));
    if (percent != save.percent) {
        save.percent = percent;
        char caption[64];
        snprintf(caption, sizeof caption, RANGE_SAVE_PROGRESS_FORMAT, percent);
        SetWindowTextA(save.window, caption);
    }
}

static void SaveTick(void)
{
    // GetTickCount's steps of up to 16 ms are too coarse for the budget.
    LARGE_INTEGER frequency;
    LARGE_INTEGER began;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&began);
    LONGLONG budget = frequency.QuadPart * SAVE_TICK_BUDGET_MS / 1000;
    // A new caption can take the window system ten milliseconds, so it is
    // shown first and spent from the budget: the last tick's progress.
    ShowSaveProgress();
    while (save.next < save.end) {
        if (!CopyChunk()) {
            FinishSave(0);
            return;
        }
        QueryPerformanceCounter(&now);
        if (now.QuadPart - began.QuadPart >= budget) {
            break;
        }
    }
    if (save.next == save.end) {
        FinishSave(1);
    }
}

static INT_PTR CALLBACK RangeSaveProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_TIMER:
        if (wParam == SAVE_TIMER && save.window == window) {
            SaveTick();
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL && save.window == window) {
            FinishSave(0);
        }
        return TRUE;
    case WM_DESTROY:
        // Taken down with its owner: nothing half-written stays.
        if (save.window == window) {
            EndSave(0);
        }
        return TRUE;
    }
    return FALSE;
}

// 1 when path names the file that is open: the same volume and file index.
static int IsOpenFile(const char *path)
{
    HANDLE other = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (other == INVALID_HANDLE_VALUE) {
        // Held without sharing, as the program holds its own file.
        return GetLastError() == ERROR_SHARING_VIOLATION;
    }
    BY_HANDLE_FILE_INFORMATION a;
    BY_HANDLE_FILE_INFORMATION b;
    int same = GetFileInformationByHandle(other, &a) && GetFileInformationByHandle(viewer.fileHandle, &b)
               && a.dwVolumeSerialNumber == b.dwVolumeSerialNumber
               && a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
    CloseHandle(other);
    return same;
}

// Sets the target's end at size and its file pointer back at its start.
static int SizeTarget(uint64_t size)
{
    LARGE_INTEGER at;
    at.QuadPart = (LONGLONG)size;
    if (!SetFilePointerEx(save.target, at, NULL, FILE_BEGIN) || !SetEndOfFile(save.target)) {
        return 0;
    }
    at.QuadPart = 0;
    return SetFilePointerEx(save.target, at, NULL, FILE_BEGIN);
}

void StartRangeSave(HWND dialog, uint64_t start, uint64_t size)
{
    if (save.window != NULL) {
        SetForegroundWindow(save.window);
        return;
    }
    if (!chooseSaveTarget(dialog, save.path)) {
        return;
    }
    if (IsOpenFile(save.path)) {
        ShowMessage(dialog, MSG_SAVE_OVER_OPEN_FILE);
        return;
    }
    save.buffer = (unsigned char *)malloc(SAVE_CHUNK_BYTES);
    // Opened as it is and given the range's size, never truncated to nothing:
    // some file systems write a file truncated to nothing back whole when it
    // is closed, which held the last tick of a 4 GB save for half a second.
    save.target = CreateFileA(save.path, GENERIC_WRITE, 0, NULL, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, NULL);
    if (save.buffer == NULL || save.target == INVALID_HANDLE_VALUE || !SizeTarget(size)) {
        if (save.target != INVALID_HANDLE_VALUE) {
            CloseHandle(save.target);
            DeleteFileA(save.path);
        }
        free(save.buffer);
        save.buffer = NULL;
        ShowMessage(dialog, MSG_FILE_ACCESS_FAILED);
        return;
    }
    save.owner = dialog;
    save.start = start;
    save.next = start;
    save.end = start + size;
    save.percent = 0;
    save.window = CreateDialogParamA(viewer.instance, "IDD_RANGE_SAVE", dialog, RangeSaveProc, 0);
    SetDlgItemTextA(save.window, IDC_RANGE_SAVE_TEXT, save.path);
    CenterOnDesktop(save.window);
    ShowWindow(save.window, SW_SHOW);
    SetTimer(save.window, SAVE_TIMER, 1, NULL);
}
