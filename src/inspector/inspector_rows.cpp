#include "inspector/inspector_rows.h"

#include "base/viewer_state.h"
#include "decode/inspector_text.h"
#include "res/resource.h"
#include "view/caret_bytes.h"
#include "view/caret_place.h"

#include <string.h>

// What each row's edit shows, so that a row is set only when it changes.
static char shownRows[INSPECTOR_ROW_COUNT][INSPECTOR_TEXT_SIZE];
// Whether the writable rows take typing now: -1 before the first update.
static int rowsWritable = -1;
// What the rows were last made from: most caret moves leave the bytes and
// the byte order as they were, and then nothing is formatted again.
static unsigned char readBytes[INSPECTOR_MAX_BYTES];
static uint32_t readCount = UINT32_MAX;  // none yet
static int readBigEndian;

// The controls every update reads or writes, found once when the window
// opens: under Wine each GetDlgItem asks the server for the child list.
static HWND rowEdits[INSPECTOR_ROW_COUNT];
static HWND bigEndianBox;
static HWND readOnlyBox;

int InspectorBigEndian(void)
{
    return SendMessageA(bigEndianBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int InspectorReadOnly(void)
{
    return SendMessageA(readOnlyBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The code point in code page 932, refused where the code page has no such
// character rather than shown as a stand-in.
static int AnsiOfUnicode(uint32_t codePoint, char *text, uint32_t size)
{
    WCHAR wide[2];
    int units = 1;
    if (codePoint >= 0x10000) {
        wide[0] = (WCHAR)(0xD800 + ((codePoint - 0x10000) >> 10));
        wide[1] = (WCHAR)(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        units = 2;
    } else {
        wide[0] = (WCHAR)codePoint;
    }
    BOOL usedDefault = FALSE;
    int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, units, text,
                                     (int)size - 1, NULL, &usedDefault);
    if (length <= 0 || usedDefault) {
        return 0;
    }
    text[length] = '\0';
    return 1;
}

static void ShowRow(int row, const char *text)
{
    if (strcmp(text, shownRows[row]) != 0) {
        lstrcpynA(shownRows[row], text, INSPECTOR_TEXT_SIZE);
        SetWindowTextA(rowEdits[row], text);
    }
}

// The writable rows take typing exactly while 読み取り専用 is clear.
static void FollowReadOnlyBox(void)
{
    int writable = !InspectorReadOnly();
    if (writable == rowsWritable) {
        return;
    }
    rowsWritable = writable;
    for (int row = 0; row < INSPECTOR_ROW_COUNT; row++) {
        if (IsWritableRow(row)) {
            SendMessageA(rowEdits[row], EM_SETREADONLY, !writable, 0);
        }
    }
}

void ShowInspectorRows(void)
{
    if (viewer.inspectorDialog == NULL) {
        return;
    }
    FollowReadOnlyBox();
    if (!PageShown()) {
        readCount = UINT32_MAX;
        for (int row = 0; row < INSPECTOR_ROW_COUNT; row++) {
            ShowRow(row, "");
        }
        return;
    }
    unsigned char bytes[INSPECTOR_MAX_BYTES];
    uint32_t available = ReadCaretBytes(CaretFileOffset(), INSPECTOR_MAX_BYTES, bytes);
    int bigEndian = InspectorBigEndian();
    if (available == readCount && bigEndian == readBigEndian
        && memcmp(bytes, readBytes, available) == 0) {
        return;
    }
    memcpy(readBytes, bytes, available);
    readCount = available;
    readBigEndian = bigEndian;
    char text[INSPECTOR_TEXT_SIZE];
    for (int row = 0; row < INSPECTOR_ROW_COUNT; row++) {
        InspectorRowText(row, bytes, available, bigEndian, AnsiOfUnicode, text);
        ShowRow(row, text);
    }
}

void AttachInspectorRows(HWND dialog)
{
    for (int row = 0; row < INSPECTOR_ROW_COUNT; row++) {
        rowEdits[row] = GetDlgItem(dialog, IDC_INSPECTOR_BINARY + row);
    }
    bigEndianBox = GetDlgItem(dialog, IDC_INSPECTOR_BIG_ENDIAN);
    readOnlyBox = GetDlgItem(viewer.mainDialog, IDC_READONLY);
    memset(shownRows, 0, sizeof shownRows);
    rowsWritable = -1;
    readCount = UINT32_MAX;
}

void ReshowInspectorRow(int row)
{
    shownRows[row][0] = '\1';
    readCount = UINT32_MAX;
}
