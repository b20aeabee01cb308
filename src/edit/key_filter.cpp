#include "edit/key_filter.h"

#include "base/edit_selection.h"
#include "base/key_state.h"
#include "base/messages.h"
#include "base/show_message.h"
#include "base/viewer_state.h"
#include "edit/key_filter_rule.h"

SetHookFunction setKeyboardHook = SetWindowsHookExA;

static unsigned char HexColumnHasSelection(void)
{
    EditSelection selection = ReadEditSelection(viewer.hexEdit);
    return selection.start != selection.end;
}

// 1 when the keyboard focus is outside the main dialog's own window and its
// controls: in another top-level window of the thread, or nowhere.
static unsigned char FocusInOtherWindow(void)
{
    HWND focus = GetFocus();
    return focus == NULL || GetAncestor(focus, GA_ROOT) != viewer.mainDialog;
}

// Runs for every keystroke of the thread: while no dump column is served it
// only hands on, and otherwise it reads a key state or the selection only
// when the verdict turns on it.
LRESULT CALLBACK KeyFilter(int code, WPARAM wParam, LPARAM lParam)
{
    if (!KeyFilterActive(code, viewer.editFocus)) {
        return CallNextHookEx(viewer.keyboardHook, code, wParam, lParam);
    }
    KeyFilterInput input = {code, wParam, KEY_FACT_UNKNOWN, KEY_FACT_UNKNOWN,
                            KEY_FACT_UNKNOWN, viewer.editFocus, KEY_FACT_UNKNOWN,
                            KEY_FACT_UNKNOWN};
    uintptr_t handOn = wParam;
    for (;;) {
        switch (KeyFilterSwallows(&input, &handOn)) {
        case KEY_FILTER_PASS:
            return CallNextHookEx(viewer.keyboardHook, code, (WPARAM)handOn, lParam);
        case KEY_FILTER_SWALLOW:
            return 1;
        case KEY_FILTER_NEEDS_WINDOW:
            input.otherWindow = FocusInOtherWindow();
            break;
        case KEY_FILTER_NEEDS_SHIFT:
            input.shiftDown = IsKeyDown(VK_SHIFT);
            break;
        case KEY_FILTER_NEEDS_CTRL:
            input.ctrlDown = IsKeyDown(VK_CONTROL);
            break;
        case KEY_FILTER_NEEDS_F3:
            input.f3Down = IsKeyDown(VK_F3);
            break;
        default:
            input.hexSelection = HexColumnHasSelection();
            break;
        }
    }
}

void InstallKeyFilter(HWND dialog)
{
    HINSTANCE module = (HINSTANCE)GetWindowLongPtrA(dialog, GWLP_HINSTANCE);
    DWORD thread = GetWindowThreadProcessId(dialog, NULL);
    viewer.keyboardHook = setKeyboardHook(WH_KEYBOARD, KeyFilter, module, thread);
    if (viewer.keyboardHook == NULL) {
        ShowMessage(dialog, MSG_HOOK_FAILED);
    }
}

void RemoveKeyFilter(HWND dialog)
{
    if (!UnhookWindowsHookEx(viewer.keyboardHook)) {
        ShowMessage(dialog, MSG_UNHOOK_FAILED);
    }
    viewer.keyboardHook = NULL;
}
