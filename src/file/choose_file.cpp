#include "file/choose_file.h"

#include "base/messages.h"
#include "base/show_message.h"
#include "file/command_line.h"

#include <commdlg.h>
#include <shellapi.h>

// The fields the open and save dialogs share: any file, into path.
static void PrepareFileRequest(OPENFILENAMEA *request, HWND owner, char *path, DWORD flags)
{
    path[0] = '\0';
    ZeroMemory(request, sizeof *request);
    // The structure's size without the fields added after Windows 98, which
    // the header gives for either architecture.
    request->lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request->hwndOwner = owner;
    request->lpstrFilter = "All Files (*.*)\0*.*\0";
    request->lpstrFile = path;
    request->nMaxFile = PATH_CAPACITY;
    request->Flags = OFN_EXPLORER | OFN_HIDEREADONLY | flags;
}

int ChooseFile(HWND owner, char *path)
{
    OPENFILENAMEA request;
    PrepareFileRequest(&request, owner, path, 0);
    request.lpstrDefExt = "*";
    return GetOpenFileNameA(&request) ? 1 : 0;
}

int ChooseSaveFile(HWND owner, char *path)
{
    OPENFILENAMEA request;
    PrepareFileRequest(&request, owner, path,
                       OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR);
    return GetSaveFileNameA(&request) ? 1 : 0;
}

int DroppedFilePath(HDROP drop, char *path)
{
    int found = 0;
    // A path too long for the buffer would be cut to one that may name
    // another file: it is passed over like one whose attributes cannot be read.
    if (DragQueryFileA(drop, 0xFFFFFFFF, NULL, 0) != 0 &&
        DragQueryFileA(drop, 0, NULL, 0) < PATH_CAPACITY) {
        DragQueryFileA(drop, 0, path, PATH_CAPACITY);
        DWORD attributes = GetFileAttributesA(path);
        found = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    DragFinish(drop);
    return found;
}

static int IsFolder(const char *path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

int CommandLineFilePath(HWND dialog, const char *commandLine, char *path)
{
    int argument = FirstArgument(commandLine, path, PATH_CAPACITY);
    if (argument == ARGUMENT_NONE) {
        return 0;
    }
    // Unlike a dropped folder, a folder named here is reported: the user
    // asked for it by name.
    if (argument == ARGUMENT_TOO_LONG || IsFolder(path)) {
        ShowMessage(dialog, MSG_CANNOT_OPEN);
        return 0;
    }
    return 1;
}
