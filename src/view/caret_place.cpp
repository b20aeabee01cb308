#include "view/caret_place.h"

#include "base/byte_cell.h"
#include "base/dump_page.h"
#include "base/edit_selection.h"
#include "base/viewer_state.h"
#include "view/caret_offset.h"
#include "view/char_page.h"

int PageShown(void)
{
    return viewer.fileHandle != INVALID_HANDLE_VALUE && viewer.pageRendered;
}

HWND CaretColumnEdit(void)
{
    return viewer.caretColumn == COLUMN_CHAR ? viewer.charEdit : viewer.hexEdit;
}

CaretBytes CaretSelection(void)
{
    if (!PageShown()) {
        CaretBytes none = {0, 0};
        return none;
    }
    EditSelection selection = ReadEditSelection(CaretColumnEdit());
    return CaretBytesOf(viewer.caretColumn, selection.start, selection.end, viewer.pageBytes,
                        ShownCharMap());
}

uint64_t CaretFileOffset(void)
{
    return viewer.topLine * DUMP_LINE_BYTES + CaretSelection().first;
}
