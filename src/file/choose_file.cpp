#include "file/choose_file.h"

#include "base/messages.h"
#include "base/show_message.h"
#include "file/command_line.h"
#include "file/full_path.h"

#include <commdlg.h>
#include <shellapi.h>

// The fields the open and save dialogs share: any file, into path.
static void PrepareFileRequest(OPENFILENAMEW *request, HWND owner, WCHAR *path, DWORD flags)
{
    path[0] = L'\0';
    ZeroMemory(request, sizeof *request);
    // The structure's size without the fields added after Windows 98, which
    // the header gives for either architecture.
    request->lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    request->hwndOwner = owner;
    request->lpstrFilter = L"All Files (*.*)\0*.*\0";
    request->lpstrFile = path;
    request->nMaxFile = PATH_CAPACITY;
    request->Flags = OFN_EXPLORER | OFN_HIDEREADONLY | flags;
}

int ChooseFile(HWND owner, WCHAR *path)
{
    OPENFILENAMEW request;
    PrepareFileRequest(&request, owner, path, 0);
    request.lpstrDefExt = L"*";
    return GetOpenFileNameW(&request) ? 1 : 0;
}

int ChooseSaveFile(HWND owner, WCHAR *path)
{
    OPENFILENAMEW request;
    PrepareFileRequest(&request, owner, path,
                       OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR);
    return GetSaveFileNameW(&request) ? 1 : 0;
}

// The attributes of the file path names, read by the path it is opened by.
static DWORD PathAttributes(const WCHAR *path)
{
    static WCHAR openable[PATH_CAPACITY];
    return FullExtendedPath(path, openable) ? GetFileAttributesW(openable)
                                            : INVALID_FILE_ATTRIBUTES;
}

int DroppedFilePath(HDROP drop, WCHAR *path)
{
    int found = 0;
    // A path too long for the buffer would be cut to one that may name
    // another file: it is passed over like one whose attributes cannot be read.
    if (DragQueryFileW(drop, 0xFFFFFFFF, NULL, 0) != 0 &&
        DragQueryFileW(drop, 0, NULL, 0) < PATH_CAPACITY) {
        DragQueryFileW(drop, 0, path, PATH_CAPACITY);
        DWORD attributes = PathAttributes(path);
        found = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    DragFinish(drop);
    return found;
}

int CommandLineFilePath(HWND dialog, const WCHAR *commandLine, WCHAR *path)
{
    int argument = FirstArgument(commandLine, path, PATH_CAPACITY);
    if (argument == ARGUMENT_NONE) {
        return 0;
    }
    // Unlike a dropped folder, a folder named here is reported: the user
    // asked for it by name.
    DWORD attributes = argument == ARGUMENT_PATH ? PathAttributes(path) : INVALID_FILE_ATTRIBUTES;
    if (argument == ARGUMENT_TOO_LONG
        || (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))) {
        ShowMessage(dialog, MSG_CANNOT_OPEN);
        return 0;
    }
    return 1;
}
