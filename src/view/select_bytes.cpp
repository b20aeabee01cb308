#include "view/select_bytes.h"

#include "base/byte_cell.h"
#include "base/dump_page.h"
#include "base/viewer_state.h"
#include "view/caret_offset.h"
#include "view/caret_place.h"
#include "view/caret_status.h"
#include "view/char_page.h"

void SelectFileBytes(int column, uint64_t offset, uint64_t count, int focus)
{
    uint64_t pageStart = viewer.topLine * DUMP_LINE_BYTES;
    uint64_t pageEnd = pageStart + viewer.pageBytes;
    uint64_t first = offset > pageStart ? offset : pageStart;
    uint64_t end = offset + count < pageEnd ? offset + count : pageEnd;
    if (!PageShown() || first >= end) {
        return;
    }
    HWND edit = column == COLUMN_CHAR ? viewer.charEdit : viewer.hexEdit;
    if (focus) {
        SetFocus(edit);
    }
    uint32_t start = 0;
    uint32_t stop = 0;
    ByteRangeSelection(column, (uint32_t)(first - pageStart), (uint32_t)(end - first),
                       ShownCharMap(), &start, &stop);
    SendMessageA(edit, EM_SETSEL, start, stop);
    ShowStatusLine();
}
