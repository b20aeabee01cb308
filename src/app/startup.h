// Start-up of the program: the frame window class, the hidden frame window,
// the main dialog, the file named on the command line and the message loop.
#ifndef KORVEX_STARTUP_H
#define KORVEX_STARTUP_H

#include <windows.h>

#define FRAME_CLASS_NAME "Korvex+"

LRESULT CALLBACK FrameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// 1 when the class is registered (or already was, in this process).
int RegisterFrameClass(HINSTANCE instance);
HWND CreateFrameWindow(HINSTANCE instance);
HWND CreateMainDialog(HINSTANCE instance, HWND frame);

// The whole program, given the process's UTF-16 command line (its own name
// first): returns the process's exit code.
int KorvexMain(HINSTANCE instance, const WCHAR *commandLine);

#endif
