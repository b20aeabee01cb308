#include "view/char_page.h"

#include "base/dump_page.h"
#include "base/edit_selection.h"
#include "base/viewer_state.h"
#include "edit/page_parse.h"
#include "file/mapped_file.h"
#include "res/resource.h"

#include <string.h>

static Cp932Table table;
static int tableBuilt;
static CharCells cells;
static CharMap map;

void ProbeCharPositionUnit(HWND dialog)
{
    HWND probe = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_MULTILINE, 0, 0, 100, 100, dialog,
                                 NULL, viewer.instance, NULL);
    viewer.charUnit = POSITION_BYTES;
    if (probe == NULL) {
        return;
    }
    // One double-byte character, then a line: its start is 3 in UTF-16
    // units, 4 in bytes.
    SetWindowTextA(probe, "あ\r\nA");
    if (SendMessageA(probe, EM_LINEINDEX, 1, 0) == 3) {
        viewer.charUnit = POSITION_UTF16;
    }
    DestroyWindow(probe);
}

// Code page 932 both ways, without best fit: a form counts only when it
// reads back as the same unit.
static void BuildTable(void)
{
    for (uint32_t unit = 1; unit < 0x10000; ++unit) {
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            continue;
        }
        WCHAR wide = (WCHAR)unit;
        char form[2];
        BOOL lacked = FALSE;
        int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wide, 1, form, 2, NULL,
                                         &lacked);
        WCHAR back = 0;
        if (lacked || length < 1
            || MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, form, length, &back, 1) != 1
            || back != wide) {
            continue;
        }
        table.fromUnit[unit] = length == 1 ? (unsigned char)form[0]
                                           : (uint16_t)((unsigned char)form[0] << 8
                                                        | (unsigned char)form[1]);
    }
    for (uint32_t code = 0x8100; code < 0x10000; ++code) {
        char form[2] = {(char)(code >> 8), (char)(code & 0xFF)};
        WCHAR unit = 0;
        if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, form, 2, &unit, 1) == 1) {
            table.toUnit[code] = unit;
        }
    }
    tableBuilt = 1;
}

void SetCharMode(int mode)
{
    if (mode != CHAR_MODE_HALF_WIDTH && !tableBuilt) {
        BuildTable();
    }
    viewer.charMode = (unsigned char)mode;
}

// The bytes a mode reads before the page to find its first boundary.
static uint32_t LookBack(int mode)
{
    switch (mode) {
    case CHAR_MODE_SHIFT_JIS:
        return SHIFT_JIS_LOOK_BACK;
    case CHAR_MODE_UTF8:
        return 3;
    case CHAR_MODE_UTF16LE:
        return 1;
    }
    return 0;
}

void ShowCharColumn(HWND dialog, const unsigned char *page)
{
    static unsigned char around[SHIFT_JIS_LOOK_BACK + DUMP_PAGE_BYTES + CHAR_LOOK_AHEAD];
    uint64_t offset = viewer.topLine * DUMP_LINE_BYTES;
    uint32_t before = LookBack(viewer.charMode);
    if (before > offset) {
        before = (uint32_t)offset;
    }
    // What cannot be read is split as if the page began the file.
    if (before > 0 && ReadFileAt(offset - before, before, around) != before) {
        before = 0;
    }
    memmove(around + before, page, viewer.pageBytes);
    uint64_t end = offset + viewer.pageBytes;
    uint32_t after = 0;
    if (viewer.charMode != CHAR_MODE_HALF_WIDTH && end < viewer.fileSize) {
        uint64_t rest = viewer.fileSize - end;
        after = ReadFileAt(end, rest < CHAR_LOOK_AHEAD ? (uint32_t)rest : (uint32_t)CHAR_LOOK_AHEAD,
                           around + before + viewer.pageBytes);
    }
    SplitChars(viewer.charMode, around + before, before, viewer.pageBytes, after, offset, &table,
               &cells);
    FormatCharColumn(&cells, viewer.pageBytes, viewer.charUnit, viewer.charText, &map);
    SetDlgItemTextA(dialog, IDC_TEXT, viewer.charText);
}

void RedrawCharColumn(HWND dialog)
{
    unsigned char page[DUMP_PAGE_BYTES];
    ParseHexPage(viewer.hexText, viewer.pageBytes, page);
    EditSelection selection = ReadEditSelection(viewer.charEdit);
    ShowCharColumn(dialog, page);
    SendMessageA(viewer.charEdit, EM_SETSEL, selection.start, selection.end);
}

const CharMap *ShownCharMap(void)
{
    return &map;
}

const CharCells *ShownCharCells(void)
{
    return &cells;
}
