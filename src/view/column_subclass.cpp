#include "view/column_subclass.h"

#include "app/viewer_state.h"

LRESULT CALLBACK ColumnSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(viewer.savedEditProc, window, message, wParam, lParam);
}

void SubclassColumn(HWND column)
{
    // Both columns are EDIT controls, so the one saved procedure serves both.
    viewer.savedEditProc = (WNDPROC)GetWindowLongA(column, GWL_WNDPROC);
    SetWindowLongA(column, GWL_WNDPROC, (LONG)ColumnSubclassProc);
}
