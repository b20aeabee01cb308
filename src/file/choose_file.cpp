#include "file/choose_file.h"

#include "file/mapped_file.h"

#include <commdlg.h>
#include <shellapi.h>

int ChooseFile(HWND owner, char *path)
{
    path[0] = '\0';
    OPENFILENAMEA request;
    ZeroMemory(&request, sizeof request);
    // The structure's size without the fields added after Windows 98, which
    // the header gives for either architecture.
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = owner;
    request.lpstrFilter = "All Files (*.*)\0*.*\0";
    request.lpstrFile = path;
    request.nMaxFile = PATH_CAPACITY;
    request.lpstrDefExt = "*";
    request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    return GetOpenFileNameA(&request) ? 1 : 0;
}

void OpenDroppedFile(HWND dialog, HDROP drop)
{
    if (DragQueryFileA(drop, 0xFFFFFFFF, NULL, 0) != 0) {
        char path[PATH_CAPACITY];
        DragQueryFileA(drop, 0, path, PATH_CAPACITY);
        DWORD attributes = GetFileAttributesA(path);
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            OpenMappedFile(dialog, path);
            SetForegroundWindow(dialog);
        }
    }
    DragFinish(drop);
}
