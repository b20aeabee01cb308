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
#include "view/char_page.h"
#include "view/overwrite_bytes.h"
#include "view/select_bytes.h"

#include <stdlib.h>
#include <string.h>

// The selected characters as the column shows them, without the blanks of
// the bytes they cover.
static void CopyCharsAsShown(HWND dialog, CaretBytes touched)
{
    const CharCells *cells = ShownCharCells();
    char *text = NULL;
    HGLOBAL memory = NewClipboardText(CharCopyText(cells, touched.first, touched.count, NULL),
                                      &text);
    if (memory != NULL) {
        CharCopyText(cells, touched.first, touched.count, text);
        PlaceClipboardText(dialog, memory);
    }
}

void CopySelection(HWND dialog)
{
    CaretBytes touched = CaretSelection();
    if (touched.count == 0) {
        return;
    }
    // The page as shown: digits typed but not stored count.
    unsigned char page[DUMP_PAGE_BYTES];
    ParseHexPage(viewer.hexText, viewer.pageBytes, page);
    if (viewer.caretColumn == COLUMN_CHAR && viewer.charMode != CHAR_MODE_HALF_WIDTH) {
        CopyCharsAsShown(dialog, touched);
        return;
    }
    CopyBytesAsText(dialog, viewer.caretColumn == COLUMN_CHAR ? FormatCharCopy : FormatHexCopy,
                    page + touched.first, touched.count);
}

// Text pasted into the character column, encoded as the column decodes:
// code page 932 as it is, else through UTF-16 into UTF-8 or UTF-16LE.
// *bytes is malloc'd; 0, with the message, when that cannot be done.
static int EncodeForCharMode(HWND dialog, const char *text, size_t length, unsigned char **bytes,
                             uint64_t *count)
{
    int mode = viewer.charMode;
    if (mode == CHAR_MODE_HALF_WIDTH || mode == CHAR_MODE_SHIFT_JIS) {
        *count = length;
        if (length > CLIPBOARD_BYTES_LIMIT || (*bytes = (unsigned char *)malloc(length)) == NULL) {
            ShowMessage(dialog, MSG_PASTE_TOO_LARGE);
            return 0;
        }
        memcpy(*bytes, text, length);
        return 1;
    }
    if (length > CLIPBOARD_BYTES_LIMIT) {
        ShowMessage(dialog, MSG_PASTE_TOO_LARGE);
        return 0;
    }
    int units = MultiByteToWideChar(932, 0, text, (int)length, NULL, 0);
    WCHAR *wide = units > 0 ? (WCHAR *)malloc((size_t)units * sizeof(WCHAR)) : NULL;
    if (wide == NULL) {
        ShowMessage(dialog, MSG_PASTE_TOO_LARGE);
        return 0;
    }
    MultiByteToWideChar(932, 0, text, (int)length, wide, units);
    if (mode == CHAR_MODE_UTF16LE) {
        *count = (uint64_t)units * 2;
    } else {
        *count = (uint64_t)WideCharToMultiByte(CP_UTF8, 0, wide, units, NULL, 0, NULL, NULL);
    }
    *bytes = *count > 0 && *count <= CLIPBOARD_BYTES_LIMIT ? (unsigned char *)malloc((size_t)*count)
                                                          : NULL;
    if (*bytes == NULL) {
        free(wide);
        ShowMessage(dialog, MSG_PASTE_TOO_LARGE);
        return 0;
    }
    if (mode == CHAR_MODE_UTF16LE) {
        for (int i = 0; i < units; ++i) {
            (*bytes)[2 * i] = (unsigned char)(wide[i] & 0xFF);
            (*bytes)[2 * i + 1] = (unsigned char)(wide[i] >> 8);
        }
    } else {
        WideCharToMultiByte(CP_UTF8, 0, wide, units, (char *)*bytes, (int)*count, NULL, NULL);
    }
    free(wide);
    return 1;
}

// The bytes the clipboard's text gives the caret column: 1 with *bytes
// (malloc'd) and *count, or 0 after the refusal's message or for no bytes.
static int PastedBytes(HWND dialog, const char *text, size_t length, unsigned char **bytes,
                       uint64_t *count)
{
    if (viewer.caretColumn == COLUMN_CHAR) {
        return EncodeForCharMode(dialog, text, length, bytes, count);
    }
    if (!ParsePastedHex(text, length, NULL, count)) {
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
    ParsePastedHex(text, length, *bytes, count);
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
