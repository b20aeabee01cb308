#include "base/show_message.h"

#include "base/messages.h"

void ShowMessage(HWND owner, const char *text)
{
    MessageBoxA(owner, text, MSG_CAPTION, MB_OK);
}

int AskYesNo(HWND owner, const char *text)
{
    return MessageBoxA(owner, text, MSG_CAPTION, MB_YESNO | MB_DEFBUTTON2) == IDYES;
}
