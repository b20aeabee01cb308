#include "view/column_key_handlers.h"

#include "base/edit_selection.h"
#include "base/key_state.h"
#include "base/viewer_state.h"
#include "res/resource.h"
#include "base/dump_page.h"
#include "view/char_page.h"
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
    input->chars = ShownCharMap();
}

// The position of page byte index on the page as loaded, its text's end past
// the page.
static uint32_t CharPosition(const CharMap *map, uint32_t byte)
{
    return byte < map->count ? map->positionOfByte[byte] : map->positions;
}

// The character column's selection, placed by the map of the page loaded.
static void SelectChars(HWND column, const ColumnKeyAction *action)
{
    const CharMap *map = ShownCharMap();
    uint32_t start = 0;
    uint32_t end = 0;
    switch (action->select) {
    case COLUMN_SELECT_LINE_0_END:
        start = end = CharPosition(map, DUMP_LINE_BYTES) - (map->count > DUMP_LINE_BYTES ? 2 : 0);
        break;
    case COLUMN_SELECT_LINE_46_BREAK: {
        uint32_t line47 = (DUMP_PAGE_LINES - 1) * DUMP_LINE_BYTES;
        start = end = CharPosition(map, line47) - (map->count > line47 ? 1 : 0);
        break;
    }
    default:
        start = CharPosition(map, action->selStart);
        end = start;
        if (action->selEnd > action->selStart) {
            CharByteSelection(map, action->selStart, action->selEnd - action->selStart, &start,
                              &end);
        }
        break;
    }
    SendMessageA(column, EM_SETSEL, start, end);
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
        // The character column counts in the unit its map was made for.
        int end = column == viewer.charEdit ? (int)ShownCharMap()->positions
                                            : GetWindowTextLengthA(column);
        SendMessageA(column, EM_SETSEL, end, end);
    } else if (action->select != COLUMN_SELECT_NONE) {
        SelectChars(column, action);
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

void CharMouseUp(void)
{
    const CharMap *map = ShownCharMap();
    EditSelection selection = ReadEditSelection(viewer.charEdit);
    uint32_t first = 0;
    uint32_t count = 0;
    CharSelectionBytes(map, selection.start, selection.end, &first, &count);
    uint32_t start = selection.start;
    uint32_t end = selection.end;
    if (count > 0) {
        CharByteSelection(map, first, count, &start, &end);
    } else if (selection.start == selection.end && first < map->count
               && map->positionOfByte[first] < selection.start) {
        // A caret inside a character's cells goes to its first.
        start = end = map->positionOfByte[first];
    }
    if (start != selection.start || end != selection.end) {
        SendMessageA(viewer.charEdit, EM_SETSEL, start, end);
    }
}

void HexKeyUp(WPARAM key)
{
    RunColumnKeyRule(ColumnKeyUp, viewer.hexEdit, COLUMN_HEX, key);
}

void CharKeyUp(WPARAM key)
{
    RunColumnKeyRule(ColumnKeyUp, viewer.charEdit, COLUMN_CHAR, key);
}
