#include "base/show_message.h"

#include "base/messages.h"

void ShowMessage(HWND owner, const char *text)
{
    MessageBoxA(owner, text, MSG_CAPTION, MB_OK);
}
