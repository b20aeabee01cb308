#include "view/caret_status.h"

#include "base/edit_selection.h"
#include "base/viewer_state.h"
#include "res/resource.h"
#include "view/caret_offset.h"
#include "view/caret_place.h"
#include "view/char_page.h"

#include <string.h>

CaretFollower caretFollower = NULL;

void ShowStatusLine(void)
{
    char text[CARET_OFFSET_TEXT_SIZE] = "";
    if (PageShown()) {
        EditSelection selection = ReadEditSelection(CaretColumnEdit());
        CaretOffsetText(viewer.caretColumn, selection.start, selection.end, viewer.topLine,
                        viewer.pageBytes, ShownCharMap(), text);
    }
    // Every caret move asks; a static repaints whenever its text is set.
    if (strcmp(text, viewer.caretOffsetText) != 0) {
        memcpy(viewer.caretOffsetText, text, sizeof text);
        SetDlgItemTextA(viewer.mainDialog, IDC_CARET_OFFSET, text);
    }
    if (caretFollower != NULL) {
        caretFollower();
    }
}
