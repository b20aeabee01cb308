#include "app/show_message.h"

#include "app/messages.h"

void ShowMessage(HWND owner, const char *text)
{
    MessageBoxA(owner, text, MSG_CAPTION, MB_OK);
}
