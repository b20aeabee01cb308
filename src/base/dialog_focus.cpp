#include "base/dialog_focus.h"

#include "base/byte_cell.h"
#include "base/viewer_state.h"

void LeaveColumnsOnActivate(WPARAM wParam)
{
    if (LOWORD(wParam) != WA_INACTIVE) {
        viewer.editFocus = COLUMN_NONE;
    }
}
