#ifndef KORVEX_CENTER_WINDOW_H
#define KORVEX_CENTER_WINDOW_H

#include <windows.h>

// Places the window in the middle of the desktop and shows it.
void CenterOnDesktop(HWND window);

#endif
