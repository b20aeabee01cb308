#include "base/edit_selection.h"

EditSelection ReadEditSelection(HWND edit)
{
    EditSelection selection = {0, 0};
    SendMessageA(edit, EM_GETSEL, (WPARAM)&selection.start, (LPARAM)&selection.end);
    return selection;
}
