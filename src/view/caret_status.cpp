#include "view/caret_status.h"

#include "base/byte_cell.h"
#include "base/dump_page.h"
#include "base/edit_selection.h"
#include "base/viewer_state.h"
#include "res/resource.h"
#include "view/caret_offset.h"
#include "view/values_window.h"

#include <string.h>

static int PageShown(void)
{
    return viewer.fileHandle != INVALID_HANDLE_VALUE && viewer.pageRendered;
}

static HWND CaretColumn(void)
{
    return viewer.caretColumn == COLUMN_CHAR ? viewer.charEdit : viewer.hexEdit;
}

void ShowStatusLine(void)
{
    char text[CARET_OFFSET_TEXT_SIZE] = "";
    if (PageShown()) {
        EditSelection selection = ReadEditSelection(CaretColumn());
        CaretOffsetText(viewer.caretColumn, selection.start, selection.end, viewer.topLine,
                        viewer.pageBytes, text);
    }
    // Every caret move asks; a static repaints whenever its text is set.
    if (strcmp(text, viewer.caretOffsetText) != 0) {
        memcpy(viewer.caretOffsetText, text, sizeof text);
        SetDlgItemTextA(viewer.mainDialog, IDC_CARET_OFFSET, text);
    }
    // The same facts move the inspector's rows; a typed digit changes them
    // with the offset unchanged.
    ShowInspectorRows();
}

uint64_t CaretFileOffset(void)
{
    uint64_t offset = viewer.topLine * DUMP_LINE_BYTES;
    if (PageShown()) {
        EditSelection selection = ReadEditSelection(CaretColumn());
        offset += CaretBytesOf(viewer.caretColumn, selection.start, selection.end,
                               viewer.pageBytes).first;
    }
    return offset;
}
