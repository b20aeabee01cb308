#include "view/overwrite_bytes.h"

#include "base/edit_selection.h"
#include "base/show_message.h"
#include "base/viewer_state.h"
#include "edit/write_back.h"
#include "file/file_geometry.h"
#include "file/mapped_file.h"
#include "file/page_copy.h"
#include "file/view_guard.h"
#include "res/resource.h"
#include "view/load_page.h"

struct BytesStore {
    HWND dialog;
    uint64_t offset;
    const unsigned char *bytes;
    uint32_t count;
    int stored;
};

static void StoreBytes(void *argument)
{
    BytesStore *store = (BytesStore *)argument;
    store->stored = StoreBytesToWindows(store->offset, store->count, MapWindowAt,
                                        store->dialog, store->bytes);
}

// The text shown is stale once the file's bytes changed under it: it is
// replaced from the file, never stored again.
static void ShowPageAgain(HWND dialog)
{
    EditSelection hex = ReadEditSelection(viewer.hexEdit);
    EditSelection chars = ReadEditSelection(viewer.charEdit);
    ShowPageFromFile(dialog, viewer.topLine);
    SendMessageA(viewer.hexEdit, EM_SETSEL, hex.start, hex.end);
    SendMessageA(viewer.charEdit, EM_SETSEL, chars.start, chars.end);
}

void StoreTypedDigits(HWND dialog)
{
    // Read-only stores nothing, so the page stays as typed: shown again from
    // the file it would lose digits the user has not left yet.
    if (viewer.fileHandle == INVALID_HANDLE_VALUE
        || IsDlgButtonChecked(dialog, IDC_READONLY) == BST_CHECKED) {
        return;
    }
    WriteBack(dialog, viewer.topLine);
    ShowPageAgain(dialog);
}

int OverwriteFileBytes(HWND dialog, uint64_t offset, const unsigned char *bytes,
                       uint32_t count)
{
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        return 0;
    }
    WriteBack(dialog, viewer.topLine);

    int ok = 1;
    if (!FitsInFile(offset, count, viewer.fileSize)) {
        // Nothing may grow the file; a caller that let this through is told.
        ShowMessage(dialog, MSG_FILE_ACCESS_FAILED);
        ok = 0;
    } else if (count > 0) {
        viewer.storeCount++;
        BytesStore store = {dialog, offset, bytes, count, 0};
        // A failing map has reported itself, a fault the guard reported.
        ok = GuardViewAccess(dialog, ReleasePageView, StoreBytes, &store) && store.stored;
    }
    ShowPageAgain(dialog);
    return ok;
}
