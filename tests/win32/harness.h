// Shared helpers of the Win32 integration tests: the main dialog created from
// the real resources, message pumping, real input and message-box capture.
#ifndef KORVEX_TEST_HARNESS_H
#define KORVEX_TEST_HARNESS_H

#include <windows.h>

#include <string>

extern HWND testFrame;

// Resets the state record and creates the main dialog as start-up does.
HWND OpenMainDialog(void);
// A test's path (ASCII) in UTF-16, the one form the program takes names in.
std::wstring Wide(const std::string &text);
// Opens a test's path through the program's one way in, OpenFile.
void OpenFile(HWND dialog, const char *path);
// Runs the exit sequence when the dialog still exists and drains WM_QUIT.
// Returns the WM_QUIT code seen (-1 when none arrived).
int CloseMainDialog(HWND dialog);

// Dispatches everything pending, for at least the given time.
void Pump(DWORD milliseconds = 30);
// Pumps until the predicate holds or the time runs out; 1 when it held.
int PumpUntil(int (*predicate)(void), DWORD milliseconds);
// As the program's own loop pumps: an open search dialog or hit list sees its
// messages first, so Enter presses its default button and Esc cancels it.
void PumpLoop(DWORD milliseconds);
// Pumps that way until the predicate holds or the time runs out; 1 when it
// held. The predicate is asked before the first pump.
int PumpLoopUntil(int (*predicate)(void), DWORD milliseconds);

std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);

// Real keystrokes through SendInput to the foreground window.
// One key event (flags 0 or KEYEVENTF_KEYUP), not pumped.
void SendKey(WORD key, DWORD flags);
void PressKey(WORD key);
void KeyDown(WORD key);
void KeyUp(WORD key);
void TypeText(const char *keys);
// A press and release without pumping: for modal loops that must see the
// keys themselves (IsDialogMessage handles Enter and Esc there).
void InjectKey(WORD key);
// A real left click at a client point of the window.
void ClickAt(HWND window, int x, int y);
// A real click, left or right, at a screen point; the caller pumps.
void MouseClickAtScreen(POINT point, int right);
void BringToFront(HWND window);

// Message boxes shown on this thread are captured (text and caption, in the
// order shown) and closed with the given command while capture is on.
void StartMessageBoxCapture(int closeCommand = IDOK);
void StopMessageBoxCapture(void);
int CapturedMessageCount(void);
std::string CapturedText(int index);
std::string CapturedCaption(int index);

#endif
