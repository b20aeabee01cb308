#include "file/mapped_file.h"

#include "app/messages.h"
#include "app/show_message.h"
#include "app/viewer_state.h"
#include "edit/write_back.h"
#include "file/file_geometry.h"
#include "file/window_math.h"
#include "res/resource.h"
#include "search/incremental_search.h"
#include "view/caret_status.h"
#include "view/load_page.h"

FileSizeFunction queryFileSize = GetFileSize;
MapViewFunction mapFileView = MapViewOfFile;

static void CloseFileHandle(void)
{
    CloseHandle(viewer.fileHandle);
    viewer.fileHandle = INVALID_HANDLE_VALUE;
}

void ReleasePageView(void)
{
    if (viewer.viewBase != NULL) {
        UnmapViewOfFile(viewer.viewBase);
        viewer.viewBase = NULL;
        viewer.viewOffset = 1;
    }
}

// The goto command is there exactly while a file is open, whichever way it
// was opened or closed.
static void EnableGotoCommand(HWND dialog, int enable)
{
    EnableMenuItem(GetMenu(dialog), IDM_GOTO, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
}

void CloseMappedFile(HWND dialog)
{
    // A search must not go on into the next file at this one's position.
    AbandonSearch();
    WriteBack(dialog, viewer.topLine);
    // Whatever stays on screen belongs to no open file from here on.
    viewer.pageRendered = 0;
    ReleasePageView();
    if (viewer.mappingHandle != NULL) {
        CloseHandle(viewer.mappingHandle);
        viewer.mappingHandle = NULL;
    }
    if (viewer.fileHandle != INVALID_HANDLE_VALUE) {
        CloseFileHandle();
    }
    EnableGotoCommand(dialog, 0);
    ShowCaretOffset();
}

static void ShowFileSize(HWND dialog)
{
    char text[64];
    wsprintfA(text, FILE_SIZE_FORMAT, (DWORD)(viewer.fileSize >> 32), (DWORD)viewer.fileSize);
    SetDlgItemTextA(dialog, IDC_FILESIZE, text);
}

void OpenMappedFile(HWND dialog, const char *path)
{
    CloseMappedFile(dialog);
    SendMessageA(viewer.hexEdit, EM_SETREADONLY, FALSE, 0);

    viewer.fileHandle = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, NULL);
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        ShowMessage(dialog, MSG_CANNOT_OPEN);
        return;
    }

    DWORD sizeHigh = 0;
    DWORD sizeLow = queryFileSize(viewer.fileHandle, &sizeHigh);
    // A failed size query would otherwise read as a file of 4 GB - 1 bytes.
    if (sizeLow == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
        CloseFileHandle();
        ShowMessage(dialog, MSG_CANNOT_OPEN);
        return;
    }
    viewer.fileSize = JoinFileSize(sizeHigh, sizeLow);
    int sizeCheck = CheckFileSize(viewer.fileSize);
    if (sizeCheck == FILE_SIZE_TOO_LARGE) {
        CloseFileHandle();
        ShowMessage(dialog, MSG_TOO_LARGE);
        return;
    }
    if (sizeCheck == FILE_SIZE_EMPTY) {
        CloseFileHandle();
        ShowMessage(dialog, MSG_EMPTY_FILE);
        return;
    }

    SYSTEM_INFO system;
    GetSystemInfo(&system);
    viewer.windowSize = WindowSizeFor(system.dwAllocationGranularity, viewer.fileSize);

    viewer.mappingHandle = CreateFileMappingA(viewer.fileHandle, NULL, PAGE_READWRITE, sizeHigh,
                                              sizeLow, NULL);
    if (viewer.mappingHandle == NULL) {
        CloseFileHandle();
        ShowMessage(dialog, MSG_MAPPING_FAILED);
        return;
    }

    ShowFileSize(dialog);
    viewer.topLine = 0;
    CountLines(viewer.fileSize, &viewer.lineCount, &viewer.tailBytes);

    HWND scroll = GetDlgItem(dialog, IDC_SCROLL);
    int rangeTop = ScrollRangeTop(viewer.lineCount, &viewer.scaledScroll);
    SetScrollRange(scroll, SB_CTL, 0, rangeTop, TRUE);
    SetScrollPos(scroll, SB_CTL, 0, TRUE);

    LoadPage(dialog, 0);
    EnableWindow(GetDlgItem(dialog, IDC_GO), TRUE);
    EnableGotoCommand(dialog, 1);
}

int MapWindow(HWND owner, uint64_t line, WindowSpan *span)
{
    WindowSpan located;
    uint64_t windowOffset = LocateWindow(line, viewer.windowSize, viewer.fileSize, &located);
    if (windowOffset != viewer.viewOffset) {
        if (viewer.viewBase != NULL) {
            UnmapViewOfFile(viewer.viewBase);
        }
        viewer.viewOffset = windowOffset;
        viewer.viewBase = (unsigned char *)mapFileView(viewer.mappingHandle, FILE_MAP_ALL_ACCESS,
                                                       (DWORD)(windowOffset >> 32),
                                                       (DWORD)windowOffset, located.windowBytes);
        if (viewer.viewBase == NULL) {
            // No view is held, so the next call maps again.
            viewer.viewOffset = 1;
            ShowMessage(owner, MSG_VIEW_FAILED);
            return 0;
        }
    }
    *span = located;
    return 1;
}

int MapWindowForPage(void *context, uint64_t line, WindowSpan *span, unsigned char **base)
{
    if (!MapWindow((HWND)context, line, span)) {
        return 0;
    }
    *base = viewer.viewBase;
    return 1;
}
