#include "app/file_life.h"

#include "base/viewer_state.h"
#include "bytes/checksum_dialog.h"
#include "bytes/range_save.h"
#include "edit/write_back.h"
#include "file/choose_file.h"
#include "file/mapped_file.h"
#include "res/resource.h"
#include "search/hit_list_dialog.h"
#include "search/incremental_search.h"
#include "view/caret_status.h"
#include "view/load_page.h"

// The menu commands that act on the open file.
static const UINT fileCommands[] = {IDM_GOTO, IDM_COPY, IDM_PASTE, IDM_RANGE, IDM_CHECKSUM};

void ShowFileOpen(HWND dialog, int open)
{
    HMENU menu = GetMenu(dialog);
    for (UINT command : fileCommands) {
        EnableMenuItem(menu, command, MF_BYCOMMAND | (open ? MF_ENABLED : MF_GRAYED));
    }
    EnableWindow(GetDlgItem(dialog, IDC_GO), open);
    SendMessageA(viewer.hexEdit, EM_SETREADONLY, !open, 0);
}

void CloseFile(HWND dialog)
{
    // A search must not go on into the next file at this one's position.
    AbandonSearch();
    // The list's offsets belong to this file.
    ClearHitList();
    AbandonRangeSave();
    // A sum of this file stops, and its dialog goes with the file.
    CloseChecksumDialog();
    WriteBack(dialog, viewer.topLine);
    CloseMappedFile();
    ShowFileOpen(dialog, 0);
    ShowStatusLine();
}

void OpenFile(HWND dialog, const char *path)
{
    CloseFile(dialog);
    if (!OpenMappedFile(dialog, path)) {
        return;
    }
    ShowFileOpen(dialog, 1);
    ShowFirstPage(dialog);
}

void OpenChosenFile(HWND dialog)
{
    char path[PATH_CAPACITY];
    if (ChooseFile(dialog, path)) {
        OpenFile(dialog, path);
    }
}

void OpenDroppedFile(HWND dialog, HDROP drop)
{
    char path[PATH_CAPACITY];
    if (DroppedFilePath(drop, path)) {
        OpenFile(dialog, path);
        SetForegroundWindow(dialog);
    }
}

void OpenCommandLineFile(HWND dialog, const char *commandLine)
{
    char path[PATH_CAPACITY];
    if (CommandLineFilePath(dialog, commandLine, path)) {
        OpenFile(dialog, path);
    }
}
