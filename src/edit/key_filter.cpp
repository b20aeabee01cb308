#include "edit/key_filter.h"

#include "app/messages.h"
#include "app/viewer_state.h"

SetHookFunction setKeyboardHook = SetWindowsHookExA;

LRESULT CALLBACK KeyFilter(int code, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(viewer.keyboardHook, code, wParam, lParam);
}

void InstallKeyFilter(HWND dialog)
{
    HINSTANCE module = (HINSTANCE)GetWindowLongA(dialog, GWL_HINSTANCE);
    DWORD thread = GetWindowThreadProcessId(dialog, NULL);
    viewer.keyboardHook = setKeyboardHook(WH_KEYBOARD, KeyFilter, module, thread);
    if (viewer.keyboardHook == NULL) {
        MessageBoxA(dialog, MSG_HOOK_FAILED, MSG_CAPTION, MB_OK);
    }
}

void RemoveKeyFilter(HWND dialog)
{
    if (!UnhookWindowsHookEx(viewer.keyboardHook)) {
        MessageBoxA(dialog, MSG_UNHOOK_FAILED, MSG_CAPTION, MB_OK);
    }
    viewer.keyboardHook = NULL;
}
