#include "view/column_key_handlers.h"

#include "base/edit_selection.h"
#include "base/key_state.h"
#include "base/viewer_state.h"
#include "res/resource.h"
#include "view/column_keys.h"
#include "view/load_page.h"


// Posted, as the menu's command arrives: the dialog opens once the key has
// been handled, not inside the column's own handling.
static void PostCommand(WPARAM command)
{
    PostMessageA(viewer.mainDialog, WM_COMMAND, command, 0);
}

static void ReadColumn(HWND column, int kind, WPARAM key, ColumnKeyInput *input)
{
    EditSelection selection = ReadEditSelection(column);
    input->column = kind;
    input->key = (unsigned)key;
    input->ctrlDown = IsKeyDown(VK_CONTROL);
    input->selStart = selection.start;
    input->selEnd = selection.end;
    input->caretLine = (uint32_t)SendMessageA(column, EM_LINEFROMCHAR, (WPARAM)-1, 0);
    input->topLine = viewer.topLine;
    input->lineCount = viewer.lineCount;
}

// The page load first, then the selection, since the load replaces the text.
static void Apply(HWND column, const ColumnKeyAction *action)
{
    if (action->load) {
        LoadPage(viewer.mainDialog, action->line);
    }
    if (action->select == COLUMN_SELECT_RANGE) {
        SendMessageA(column, EM_SETSEL, action->selStart, action->selEnd);
    } else if (action->select == COLUMN_SELECT_TEXT_END) {
        int end = GetWindowTextLengthA(column);
        SendMessageA(column, EM_SETSEL, end, end);
    }
    if (action->openGoto) {
        PostCommand(IDM_GOTO);
    }
    if (action->toggleInspector) {
        PostCommand(IDM_INSPECTOR);
    }
}

typedef void (*ColumnKeyRule)(const ColumnKeyInput *input, ColumnKeyAction *action);

// Reads the column, decides by the rule, and moves the page and the caret.
static void RunColumnKeyRule(ColumnKeyRule rule, HWND column, int kind, WPARAM key)
{
    ColumnKeyInput input;
    ColumnKeyAction action;
    ReadColumn(column, kind, key, &input);
    rule(&input, &action);
    Apply(column, &action);
}

// Ctrl+C and Ctrl+V run the program's copy and paste in either column; the
// edit control's own, which would move text of the column's shape, never
// runs (its control characters are refused by the column's subclass).
static void ClipboardKeyDown(WPARAM key)
{
    if ((key == 'C' || key == 'V') && IsKeyDown(VK_CONTROL)) {
        PostCommand(key == 'C' ? IDM_COPY : IDM_PASTE);
    }
}

void HexKeyDown(WPARAM key)
{
    RunColumnKeyRule(ColumnKeyDown, viewer.hexEdit, COLUMN_HEX, key);
    ClipboardKeyDown(key);

    int search = HexSearchKey((unsigned)key, IsKeyDown(VK_CONTROL), IsKeyDown(VK_SHIFT),
                              IsKeyDown(VK_F3), (unsigned char)viewer.searchInput[0]);
    if (search == SEARCH_KEY_NEW) {
        PostCommand(IDM_SEARCH);
    } else if (search == SEARCH_KEY_RESUME) {
        PostCommand(IDM_SEARCH_AGAIN);
    } else if (search == SEARCH_KEY_BACK) {
        PostCommand(IDM_SEARCH_BACK);
    }
}

void CharKeyDown(WPARAM key)
{
    RunColumnKeyRule(ColumnKeyDown, viewer.charEdit, COLUMN_CHAR, key);
    ClipboardKeyDown(key);
}

void HexKeyUp(WPARAM key)
{
    RunColumnKeyRule(ColumnKeyUp, viewer.hexEdit, COLUMN_HEX, key);
}

void CharKeyUp(WPARAM key)
{
    RunColumnKeyRule(ColumnKeyUp, viewer.charEdit, COLUMN_CHAR, key);
}
