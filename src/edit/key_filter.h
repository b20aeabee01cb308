// The thread keyboard hook that keeps the dump columns to the keys the
// viewer uses there.
#ifndef KORVEX_KEY_FILTER_H
#define KORVEX_KEY_FILTER_H

#include <windows.h>

LRESULT CALLBACK KeyFilter(int code, WPARAM wParam, LPARAM lParam);

void InstallKeyFilter(HWND dialog);
void RemoveKeyFilter(HWND dialog);

// The one call that installs the hook; tests replace it to make the
// installation fail.
typedef HHOOK(WINAPI *SetHookFunction)(int, HOOKPROC, HINSTANCE, DWORD);
extern SetHookFunction setKeyboardHook;

#endif
