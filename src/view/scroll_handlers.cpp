#include "view/scroll_handlers.h"

#include "base/viewer_state.h"
#include "res/resource.h"
#include "view/jump_parse.h"
#include "view/load_page.h"
#include "view/scroll_math.h"

// What the jump box can hold that is read: at most 63 characters.
#define JUMP_TEXT_CAPACITY 64

void HandleScrollBar(HWND dialog, WPARAM wParam)
{
    uint64_t line;
    if (ScrollBarLine(LOWORD(wParam), HIWORD(wParam), viewer.topLine, viewer.lineCount,
                      viewer.scaledScroll, &line)) {
        LoadPage(dialog, line);
    }
}

void HandleWheel(WPARAM wParam)
{
    uint64_t line;
    if (WheelLine((short)HIWORD(wParam), viewer.topLine, viewer.lineCount, &line)) {
        LoadPage(viewer.mainDialog, line);
    }
}

void HandleJump(HWND dialog)
{
    char text[JUMP_TEXT_CAPACITY];
    GetDlgItemTextA(dialog, IDC_JUMP, text, JUMP_TEXT_CAPACITY);
    LoadPage(dialog, JumpLine(text));
}
