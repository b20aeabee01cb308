#include "bytes/range_save.h"

#include "base/center_window.h"
#include "base/messages.h"
#include "base/show_message.h"
#include "base/viewer_state.h"
#include "bytes/range_copy.h"
#include "file/choose_file.h"
#include "file/full_path.h"
#include "file/long_path.h"
#include "res/resource.h"

#include <stdio.h>
#include <stdlib.h>

SaveTargetFunction chooseSaveTarget = ChooseSaveFile;

enum {
    SAVE_TIMER = 1,
    // Temporary names tried before the save gives up.
    TEMP_NAME_TRIES = 64
};

// The one save that may run, on the window thread. window is NULL when none
// does.
struct RangeSave {
    HWND window;
    HWND owner;
    HANDLE thread;
    unsigned percent;
    // The user is being asked whether to stop it: its end waits.
    int asking;
    RangeCopy copy;
};

static RangeSave save;
// The target as the user named it (shown), and the extended forms of it and
// of the temporary file that the thread reads.
static WCHAR shownPath[PATH_CAPACITY];
static WCHAR targetPath[PATH_CAPACITY];
static WCHAR tempPath[PATH_CAPACITY];

HWND RangeSaveWindow(void)
{
    return save.window;
}

// Once the thread has ended: its handle and buffer go, and the progress
// dialog comes down.
static void EndSave(void)
{
    HWND window = save.window;
    save.window = NULL;
    KillTimer(window, SAVE_TIMER);
    CloseHandle(save.thread);
    free(save.copy.buffer);
    save.copy.buffer = NULL;
    DestroyWindow(window);
}

static void StopAndWait(void)
{
    InterlockedExchange(&save.copy.stop, 1);
    WaitForSingleObject(save.thread, INFINITE);
    EndSave();
}

void AbandonRangeSave(void)
{
    if (save.window != NULL) {
        StopAndWait();
    }
}

int ConfirmRangeSaveStop(HWND owner)
{
    if (save.window == NULL) {
        return 1;
    }
    save.asking = 1;
    int stop = AskYesNo(owner, MSG_STOP_SAVE_AND_EXIT);
    save.asking = 0;
    if (stop) {
        AbandonRangeSave();
    }
    return stop;
}

static void ShowSaveProgress(void)
{
    uint64_t copied = (uint64_t)InterlockedCompareExchange64(&save.copy.copied, 0, 0);
    unsigned percent = (unsigned)(copied * 100 / (save.copy.end - save.copy.start));
    if (percent != save.percent) {
        save.percent = percent;
        char caption[64];
        snprintf(caption, sizeof caption, RANGE_SAVE_PROGRESS_FORMAT, percent);
        SetWindowTextA(save.window, caption);
    }
}

static void SaveTick(void)
{
    ShowSaveProgress();
    if (save.asking || WaitForSingleObject(save.thread, 0) != WAIT_OBJECT_0) {
        return;
    }
    DWORD result = RANGE_COPY_FAILED;
    GetExitCodeThread(save.thread, &result);
    HWND owner = save.owner;
    EndSave();
    ShowMessage(owner, result == RANGE_COPY_DONE ? MSG_SAVED : MSG_FILE_ACCESS_FAILED);
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
        // The thread stops after its chunk and deletes the temporary file;
        // a tick then ends the save.
        if (LOWORD(wParam) == IDCANCEL && save.window == window) {
            InterlockedExchange(&save.copy.stop, 1);
            EnableWindow(GetDlgItem(window, IDCANCEL), FALSE);
        }
        return TRUE;
    case WM_DESTROY:
        // Taken down with its owner: nothing half-written stays.
        if (save.window == window) {
            StopAndWait();
        }
        return TRUE;
    }
    return FALSE;
}

// 1 when path names the file that is open: the same volume and file index.
static int IsOpenFile(const WCHAR *path)
{
    HANDLE other = CreateFileW(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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

// 1 when the target is new, or an existing file that may be written: one
// that may not is refused before gigabytes are copied for nothing.
static int TargetWritable(const WCHAR *path)
{
    HANDLE existing = CreateFileW(path, GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (existing == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    CloseHandle(existing);
    return 1;
}

// A new, empty temporary file beside the target, its path in tempPath.
static HANDLE CreateTempFile(void)
{
    DWORD number = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int i = 0; i < TEMP_NAME_TRIES; i++) {
        if (!TempSiblingPath(targetPath, number + (DWORD)i, tempPath, PATH_CAPACITY)) {
            break;
        }
        HANDLE temp = CreateFileW(tempPath, GENERIC_WRITE, 0, NULL, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, NULL);
        if (temp != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return temp;
        }
    }
    return INVALID_HANDLE_VALUE;
}

// Undoes what PrepareCopy did, for a save whose thread never started.
static void UndoCopy(void)
{
    RangeCopy *copy = &save.copy;
    if (copy->source != NULL) {
        CloseHandle(copy->source);
    }
    if (copy->temp != INVALID_HANDLE_VALUE) {
        CloseHandle(copy->temp);
        DeleteFileW(tempPath);
    }
    free(copy->buffer);
    copy->buffer = NULL;
}

// Everything the thread needs; 0, with nothing left behind, when any of it
// fails.
static int PrepareCopy(uint64_t start, uint64_t size)
{
    RangeCopy *copy = &save.copy;
    copy->source = NULL;
    copy->buffer = (unsigned char *)malloc(RANGE_COPY_CHUNK_BYTES);
    copy->temp = copy->buffer != NULL ? CreateTempFile() : INVALID_HANDLE_VALUE;
    HANDLE process = GetCurrentProcess();
    if (copy->temp == INVALID_HANDLE_VALUE
        || !DuplicateHandle(process, viewer.fileHandle, process, &copy->source, GENERIC_READ,
                            FALSE, 0)) {
        copy->source = NULL;
        UndoCopy();
        return 0;
    }
    copy->tempPath = tempPath;
    copy->targetPath = targetPath;
    copy->start = start;
    copy->end = start + size;
    copy->copied = 0;
    copy->stop = 0;
    return 1;
}

void StartRangeSave(HWND dialog, uint64_t start, uint64_t size)
{
    if (save.window != NULL) {
        SetForegroundWindow(save.window);
        return;
    }
    if (!chooseSaveTarget(dialog, shownPath)) {
        return;
    }
    int openable = FullExtendedPath(shownPath, targetPath);
    if (openable && IsOpenFile(targetPath)) {
        ShowMessage(dialog, MSG_SAVE_OVER_OPEN_FILE);
        return;
    }
    if (!openable || !TargetWritable(targetPath) || !PrepareCopy(start, size)) {
        ShowMessage(dialog, MSG_FILE_ACCESS_FAILED);
        return;
    }
    HWND window = CreateDialogParamA(viewer.instance, "IDD_RANGE_SAVE", dialog, RangeSaveProc, 0);
    save.thread = window != NULL ? CreateThread(NULL, 0, RunRangeCopy, &save.copy, 0, NULL)
                                 : NULL;
    if (save.thread == NULL) {
        UndoCopy();
        if (window != NULL) {
            DestroyWindow(window);
        }
        ShowMessage(dialog, MSG_FILE_ACCESS_FAILED);
        return;
    }
    save.window = window;
    save.owner = dialog;
    save.percent = 0;
    save.asking = 0;
    // The name as the user gave it, in UTF-16: no code page spells every name.
    SetDlgItemTextW(window, IDC_RANGE_SAVE_TEXT, shownPath);
    CenterOnDesktop(window);
    ShowWindow(window, SW_SHOW);
    SetTimer(window, SAVE_TIMER, 1, NULL);
}
