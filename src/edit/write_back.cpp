#include "edit/write_back.h"

#include "base/viewer_state.h"
#include "edit/overwrite_text.h"
#include "edit/page_parse.h"
#include "file/mapped_file.h"
#include "file/view_guard.h"
#include "res/resource.h"

struct PageStore {
    HWND dialog;
    uint64_t line;
};

static void StoreShownPage(void *argument)
{
    PageStore *store = (PageStore *)argument;
    StoreHexPage(store->line, viewer.hexText, viewer.pageBytes, MapWindowAt, store->dialog);
}

void WriteBack(HWND dialog, uint64_t line)
{
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        return;
    }
    if (IsDlgButtonChecked(dialog, IDC_READONLY) == BST_CHECKED) {
        return;
    }
    if (line > viewer.lineCount - 1) {
        return;
    }
    // The text shown was not rendered from the page at line of this file.
    if (!viewer.pageRendered) {
        return;
    }
    if (!HexTextEdited(viewer.hexText, viewer.hexSnapshot)) {
        return;
    }
    // Only a page of hex digits is ever parsed into the file.
    if (!IsHexColumnShape(viewer.hexText, (uint32_t)lstrlenA(viewer.hexText), viewer.pageBytes)) {
        return;
    }
    // A fault part-way leaves the bytes before it stored and the rest not.
    viewer.storeCount++;
    PageStore store = {dialog, line};
    GuardViewAccess(dialog, ReleasePageView, StoreShownPage, &store);
}
