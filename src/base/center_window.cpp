#include "base/center_window.h"

void CenterOnDesktop(HWND window)
{
    RECT desktop;
    RECT rect;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int x = (desktop.right - width) / 2;
    int y = (desktop.bottom - height) / 2;
    SetWindowPos(window, NULL, x, y, width, height, SWP_SHOWWINDOW);
}
