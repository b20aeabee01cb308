#include "app/column_fonts.h"

#include "app/column_wrap.h"
#include "base/messages.h"
#include "base/viewer_state.h"
#include "res/resource.h"

#include <imm.h>

static HFONT CreateColumnFont(void)
{
    return CreateFontA(11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, FONT_FACE_GOTHIC);
}

static int SampleWidth(HDC dc, const char *unit, int units)
{
    char sample[256];
    ColumnSampleText(sample, sizeof sample, unit, units);
    SIZE size;
    if (!GetTextExtentPoint32A(dc, sample, lstrlenA(sample), &size)) {
        return 0;
    }
    return size.cx;
}

void FitColumnWrap(HWND column, const char *unit, int fitUnits, int nextUnits)
{
    HFONT font = (HFONT)SendMessageA(column, WM_GETFONT, 0, 0);
    HDC dc = GetDC(column);
    HGDIOBJ previous = SelectObject(dc, font != NULL ? (HGDIOBJ)font : GetStockObject(SYSTEM_FONT));
    int fitWidth = SampleWidth(dc, unit, fitUnits);
    int nextWidth = SampleWidth(dc, unit, nextUnits);
    SelectObject(dc, previous);
    ReleaseDC(column, dc);
    if (fitWidth <= 0) {
        return;
    }

    RECT client;
    RECT format;
    GetClientRect(column, &client);
    SendMessageA(column, EM_GETRECT, 0, (LPARAM)&format);
    format.right = format.left + ColumnWrapWidth(fitWidth, nextWidth, client.right - format.left);
    SendMessageA(column, EM_SETRECTNP, 0, (LPARAM)&format);
}

void SetColumnFonts(HWND dialog)
{
    const int targets[FONT_COUNT] = {IDC_HEX, IDC_ADDRESS, IDC_TEXT, IDC_HEX_RULER, IDC_TEXT_RULER};
    for (int i = 0; i < FONT_COUNT; i++) {
        viewer.fonts[i] = CreateColumnFont();
        SendDlgItemMessageA(dialog, targets[i], WM_SETFONT, (WPARAM)viewer.fonts[i], FALSE);
        // The navigation, the editing and the search count on 16 bytes (48
        // characters) per visual line of the hex column and one address
        // group per line of the address column; how many fit depends on the
        // font the system really selected, so the rectangles follow it.
        if (targets[i] == IDC_HEX) {
            ImmAssociateContext(viewer.hexEdit, NULL);
            FitColumnWrap(viewer.hexEdit, "00 ", 16, 17);
        } else if (targets[i] == IDC_ADDRESS) {
            FitColumnWrap(viewer.addressEdit, "00000000 ", 2, 3);
        } else if (targets[i] == IDC_TEXT) {
            // Lines end with CR LF, so there is no next word to keep off a
            // line: the rectangle only has to hold 17 of the widest
            // characters (a double-byte one on a line's last byte takes a
            // 17th cell), blanks among them, which the margins may not leave.
            FitColumnWrap(viewer.charEdit, "W", 17, 34);
        }
    }
}

void DeleteColumnFonts(void)
{
    for (int i = 0; i < FONT_COUNT; i++) {
        DeleteObject(viewer.fonts[i]);
        viewer.fonts[i] = NULL;
    }
}
