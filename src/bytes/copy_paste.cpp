#include "bytes/copy_paste.h"

#include "base/byte_cell.h"
#include "base/clipboard_text.h"
#include "base/dump_page.h"
#include "base/messages.h"
#include "base/show_message.h"
#include "base/viewer_state.h"
#include "bytes/copy_format.h"
#include "edit/page_parse.h"
#include "edit/paste_parse.h"
#include "file/file_geometry.h"
#include "res/resource.h"
#include "view/caret_offset.h"
#include "view/caret_place.h"
#include "view/overwrite_bytes.h"
#include "view/select_bytes.h"

#include <stdlib.h>
#include <string.h>

void CopySelection(HWND dialog)
{
    CaretBytes touched = CaretSelection();
    if (touched.count == 0) {
        return;
    }
    // The page as shown: digits typed but not stored count.
    unsigned char page[DUMP_PAGE_BYTES];
    ParseHexPage(viewer.hexText, viewer.pageBytes, page);
    CopyBytesAsText(dialog, viewer.caretColumn == COLUMN_CHAR ? FormatCharCopy : FormatHexCopy,
                    page + touched.first, touched.count);
}

// The bytes the clipboard's text gives the caret column: 1 with *bytes
// (malloc'd) and *count, or 0 after the refusal's message or for no bytes.
static int PastedBytes(HWND dialog, const char *text, size_t length, unsigned char **bytes,
                       uint64_t *count)
{
    if (viewer.caretColumn == COLUMN_CHAR) {
        *count = length;
    } else if (!ParsePastedHex(text, length, NULL, count)) {
        ShowMessage(dialog, MSG_PASTE_NOT_HEX);
        return 0;
    }
    if (*count == 0) {
        return 0;
    }
    if (*count > CLIPBOARD_BYTES_LIMIT) {
        ShowMessage(dialog, MSG_PASTE_TOO_LARGE);
        return 0;
    }
    *bytes = (unsigned char *)malloc((size_t)*count);
    if (*bytes == NULL) {
        ShowMessage(dialog, MSG_PASTE_TOO_LARGE);
        return 0;
    }
    if (viewer.caretColumn == COLUMN_CHAR) {
        memcpy(*bytes, text, length);
    } else {
        ParsePastedHex(text, length, *bytes, count);
    }
    return 1;
}

void PasteOverFile(HWND dialog)
{
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        return;
    }
    // After a page that failed to load, the caret on screen belongs to no
    // page: there is no place the user pointed at to paste over.
    if (!PageShown()) {
        ShowMessage(dialog, MSG_FILE_ACCESS_FAILED);
        return;
    }
    size_t length = 0;
    char *text = ReadClipboardText(dialog, &length);
    if (text == NULL) {
        return;
    }
    unsigned char *bytes = NULL;
    uint64_t count = 0;
    if (length == 0) {
        // An empty clipboard pastes nothing and says nothing.
    } else if (IsDlgButtonChecked(dialog, IDC_READONLY) == BST_CHECKED) {
        ShowMessage(dialog, MSG_PASTE_READ_ONLY);
    } else if (PastedBytes(dialog, text, length, &bytes, &count)) {
        uint64_t offset = CaretFileOffset();
        if (!FitsInFile(offset, count, viewer.fileSize)) {
            ShowMessage(dialog, MSG_PASTE_PAST_END);
        } else if (OverwriteFileBytes(dialog, offset, bytes, (uint32_t)count)) {
            SelectFileBytes(COLUMN_HEX, offset, count, 1);
        }
    }
    free(bytes);
    free(text);
}
