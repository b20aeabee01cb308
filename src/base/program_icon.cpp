#include "base/program_icon.h"

#include "base/viewer_state.h"
#include "res/resource.h"

void ShowProgramIcon(HWND window)
{
    SendMessageA(window, WM_SETICON, ICON_SMALL,
                 (LPARAM)LoadIconA(viewer.instance, MAKEINTRESOURCEA(IDI_KORVEX)));
}
