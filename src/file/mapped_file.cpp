#include "file/mapped_file.h"

#include "base/dump_page.h"
#include "base/messages.h"
#include "base/show_message.h"
#include "base/viewer_state.h"
#include "file/file_geometry.h"
#include "file/full_path.h"
#include "file/window_math.h"

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

void CloseMappedFile(void)
{
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
}

int OpenMappedFile(HWND owner, const WCHAR *path)
{
    static WCHAR openable[PATH_CAPACITY];
    viewer.fileHandle = INVALID_HANDLE_VALUE;
    if (FullExtendedPath(path, openable)) {
        viewer.fileHandle = CreateFileW(openable, GENERIC_READ | GENERIC_WRITE, 0, NULL,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    }
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        ShowMessage(owner, MSG_CANNOT_OPEN);
        return 0;
    }

    DWORD sizeHigh = 0;
    DWORD sizeLow = queryFileSize(viewer.fileHandle, &sizeHigh);
    // A failed size query would otherwise read as a file of 4 GB - 1 bytes.
    if (sizeLow == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
        CloseFileHandle();
        ShowMessage(owner, MSG_CANNOT_OPEN);
        return 0;
    }
    viewer.fileSize = JoinFileSize(sizeHigh, sizeLow);
    int sizeCheck = CheckFileSize(viewer.fileSize);
    if (sizeCheck == FILE_SIZE_TOO_LARGE) {
        CloseFileHandle();
        ShowMessage(owner, MSG_TOO_LARGE);
        return 0;
    }
    if (sizeCheck == FILE_SIZE_EMPTY) {
        CloseFileHandle();
        ShowMessage(owner, MSG_EMPTY_FILE);
        return 0;
    }

    SYSTEM_INFO system;
    GetSystemInfo(&system);
    viewer.windowSize = WindowSizeFor(system.dwAllocationGranularity, viewer.fileSize);

    viewer.mappingHandle = CreateFileMappingA(viewer.fileHandle, NULL, PAGE_READWRITE, sizeHigh,
                                              sizeLow, NULL);
    if (viewer.mappingHandle == NULL) {
        CloseFileHandle();
        ShowMessage(owner, MSG_MAPPING_FAILED);
        return 0;
    }

    CountLines(viewer.fileSize, &viewer.lineCount, &viewer.tailBytes);
    return 1;
}

// MapWindow for the window holding the byte at offset.
static int MapByteWindow(HWND owner, uint64_t offset, WindowSpan *span)
{
    WindowSpan located;
    uint64_t windowOffset = LocateByteWindow(offset, viewer.windowSize, viewer.fileSize,
                                             &located);
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

int MapWindow(HWND owner, uint64_t line, WindowSpan *span)
{
    return MapByteWindow(owner, line * DUMP_LINE_BYTES, span);
}

int MapWindowAt(void *context, uint64_t offset, WindowSpan *span, unsigned char **base)
{
    if (!MapByteWindow((HWND)context, offset, span)) {
        return 0;
    }
    *base = viewer.viewBase;
    return 1;
}

uint32_t ReadHandleAt(HANDLE file, uint64_t offset, uint32_t count, unsigned char *bytes)
{
    OVERLAPPED position;
    ZeroMemory(&position, sizeof position);
    position.Offset = (DWORD)offset;
    position.OffsetHigh = (DWORD)(offset >> 32);
    DWORD read = 0;
    if (!ReadFile(file, bytes, count, &read, &position)) {
        return 0;
    }
    return read;
}

uint32_t ReadFileAt(uint64_t offset, uint32_t count, unsigned char *bytes)
{
    return ReadHandleAt(viewer.fileHandle, offset, count, bytes);
}
