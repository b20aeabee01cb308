#include "app/file_life.h"

#include "base/viewer_state.h"
#include "bytes/checksum_dialog.h"
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
    // A sum of this file stops, and its dialog goes with the file.
    CloseChecksumDialog();
    WriteBack(dialog, viewer.topLine);
    CloseMappedFile();
    ShowFileOpen(dialog, 0);
    ShowStatusLine();
}

void OpenFile(HWND dialog, const WCHAR *path)
{
    CloseFile(dialog);
    if (!OpenMappedFile(dialog, path)) {
        return;
    }
    ShowFileOpen(dialog, 1);
    ShowFirstPage(dialog);
}

// The path each way of naming a file gives, on the window thread only.
static WCHAR namedPath[PATH_CAPACITY];

void OpenChosenFile(HWND dialog)
{
    if (ChooseFile(dialog, namedPath)) {
        OpenFile(dialog, namedPath);
    }
}

void OpenDroppedFile(HWND dialog, HDROP drop)
{
    if (DroppedFilePath(drop, namedPath)) {
        OpenFile(dialog, namedPath);
        SetForegroundWindow(dialog);
    }
}

void OpenCommandLineFile(HWND dialog, const WCHAR *commandLine)
{
    if (CommandLineFilePath(dialog, commandLine, namedPath)) {
        OpenFile(dialog, namedPath);
    }
}
