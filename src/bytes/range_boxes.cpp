#include "bytes/range_boxes.h"

#include "base/messages.h"
#include "base/show_message.h"
#include "base/viewer_state.h"
#include "file/file_geometry.h"
#include "view/offset_text.h"

void ShowRangeBoxes(HWND dialog, int startBox, int sizeBox, uint64_t start, uint64_t size)
{
    const int boxes[] = {startBox, sizeBox};
    const uint64_t values[] = {start, size};
    for (int i = 0; i < 2; i++) {
        char text[OFFSET_TEXT_SIZE];
        FormatOffsetText(values[i], text);
        SendDlgItemMessageA(dialog, boxes[i], EM_LIMITTEXT, OFFSET_TEXT_SIZE - 1, 0);
        SetDlgItemTextA(dialog, boxes[i], text);
    }
}

void SelectBoxText(HWND dialog, int box)
{
    HWND edit = GetDlgItem(dialog, box);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
}

static int ReadHexBox(HWND dialog, int box, uint64_t *value)
{
    char text[OFFSET_TEXT_SIZE];
    GetDlgItemTextA(dialog, box, text, OFFSET_TEXT_SIZE);
    return ParseOffsetText(text, value);
}

int ReadRangeBoxes(HWND dialog, int startBox, int sizeBox, uint64_t *start, uint64_t *size)
{
    if (!ReadHexBox(dialog, startBox, start) || !ReadHexBox(dialog, sizeBox, size)
        || *size == 0 || !FitsInFile(*start, *size, viewer.fileSize)) {
        ShowMessage(dialog, MSG_BAD_RANGE);
        SelectBoxText(dialog, startBox);
        return 0;
    }
    return 1;
}
