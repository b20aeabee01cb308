#ifndef KORVEX_PROGRAM_ICON_H
#define KORVEX_PROGRAM_ICON_H

#include <windows.h>

// Gives the window the program's icon in its caption and task button.
void ShowProgramIcon(HWND window);

#endif
