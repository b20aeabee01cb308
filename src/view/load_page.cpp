#include "view/load_page.h"

#include "base/dump_page.h"
#include "base/messages.h"
#include "base/viewer_state.h"
#include "edit/write_back.h"
#include "file/file_geometry.h"
#include "file/mapped_file.h"
#include "file/page_copy.h"
#include "file/view_guard.h"
#include "res/resource.h"
#include "view/caret_status.h"
#include "view/char_page.h"
#include "view/column_format.h"
#include "view/page_math.h"

struct PageCopy {
    HWND dialog;
    unsigned char *page;
    int copied;
};

static void CopyShownPage(void *argument)
{
    PageCopy *copy = (PageCopy *)argument;
    copy->copied = CopyBytesFromWindows(viewer.topLine * DUMP_LINE_BYTES, viewer.pageBytes,
                                        MapWindowAt, copy->dialog, copy->page);
}

void LoadPage(HWND dialog, uint64_t line)
{
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        return;
    }
    WriteBack(dialog, viewer.topLine);
    ShowPageFromFile(dialog, line);
}

void ShowPageFromFile(HWND dialog, uint64_t line)
{
    if (viewer.fileHandle == INVALID_HANDLE_VALUE) {
        return;
    }
    viewer.topLine = ClampTopLine(line, viewer.lineCount);
    SetScrollPos(GetDlgItem(dialog, IDC_SCROLL), SB_CTL,
                 ScrollPositionFor(viewer.topLine, viewer.lineCount, viewer.scaledScroll), TRUE);
    viewer.pageBytes = PageBytesAt(viewer.topLine, viewer.lineCount, viewer.tailBytes);

    unsigned char page[DUMP_PAGE_BYTES];
    PageCopy copy = {dialog, page, 0};
    if (!GuardViewAccess(dialog, ReleasePageView, CopyShownPage, &copy) || !copy.copied) {
        // The columns still show the page left behind; none of it may be
        // stored at the new topLine, and no offset belongs to it.
        viewer.pageRendered = 0;
        ShowStatusLine();
        return;
    }
    RenderPage(dialog, viewer.topLine, page);
    ShowStatusLine();
}

static void ShowFileSize(HWND dialog)
{
    char text[64];
    wsprintfA(text, FILE_SIZE_FORMAT, (DWORD)(viewer.fileSize >> 32), (DWORD)viewer.fileSize);
    SetDlgItemTextA(dialog, IDC_FILESIZE, text);
}

void ShowFirstPage(HWND dialog)
{
    ShowFileSize(dialog);
    viewer.topLine = 0;
    HWND scroll = GetDlgItem(dialog, IDC_SCROLL);
    int rangeTop = ScrollRangeTop(viewer.lineCount, &viewer.scaledScroll);
    SetScrollRange(scroll, SB_CTL, 0, rangeTop, TRUE);
    SetScrollPos(scroll, SB_CTL, 0, TRUE);
    LoadPage(dialog, 0);
}

void RenderPage(HWND dialog, uint64_t line, const unsigned char *bytes)
{
    LockWindowUpdate(dialog);
    FormatColumns(line, bytes, viewer.pageBytes, viewer.addressText, viewer.hexText,
                  viewer.charText);
    SetDlgItemTextA(dialog, IDC_ADDRESS, viewer.addressText);
    SetDlgItemTextA(dialog, IDC_HEX, viewer.hexText);
    ShowCharColumn(dialog, bytes);
    lstrcpyA(viewer.hexSnapshot, viewer.hexText);
    viewer.pageRendered = 1;
    LockWindowUpdate(NULL);
}
