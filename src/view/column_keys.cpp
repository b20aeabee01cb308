#include "view/column_keys.h"

#include "base/dump_page.h"
#include "base/key_codes.h"

// The character positions the edge rules use.
enum {
    KEYS_HEX_LAST_LOW_DIGIT = 2302,  // low digit of byte 767
    KEYS_HEX_LINE_46_BLANK = 2255,   // blank ending visual line 46
    KEYS_HEX_LINE_0_BLANK = 47,      // blank ending visual line 0
};

int NextLineExists(uint64_t topLine, uint32_t caretLine, uint64_t lineCount)
{
    return topLine + caretLine < lineCount - 1;
}

static void Load(ColumnKeyAction *action, uint64_t line)
{
    action->load = 1;
    action->line = line;
}

static void Select(ColumnKeyAction *action, uint32_t start, uint32_t end)
{
    action->select = COLUMN_SELECT_RANGE;
    action->selStart = start;
    action->selEnd = end;
}

// Keeps the selection on the same page bytes across a page load: the hex
// column's positions stand for the same bytes on every page, the character
// column's only through each page's map.
static void KeepSelection(const ColumnKeyInput *in, ColumnKeyAction *action)
{
    if (in->column == COLUMN_HEX) {
        Select(action, in->selStart, in->selEnd);
        return;
    }
    uint32_t first = 0;
    uint32_t count = 0;
    CharSelectionBytes(in->chars, in->selStart, in->selEnd, &first, &count);
    Select(action, first, first + count);
    action->select = COLUMN_SELECT_BYTES;
}

void ColumnKeyDown(const ColumnKeyInput *in, ColumnKeyAction *action)
{
    const int hex = (in->column == COLUMN_HEX);
    *action = ColumnKeyAction();

    // Each edge rule sets the caret one step short of its target: the edit
    // control's own movement of the same key completes the step.
    switch (in->key) {
    case KEY_CODE_LEFT:
        if (in->selStart == 0 && in->topLine > 0) {
            Load(action, in->topLine - 1);
            Select(action, KEYS_HEX_LINE_0_BLANK, KEYS_HEX_LINE_0_BLANK);
            if (!hex) {
                action->select = COLUMN_SELECT_LINE_0_END;
            }
        }
        break;
    case KEY_CODE_RIGHT: {
        uint32_t edge = hex ? (uint32_t)KEYS_HEX_LAST_LOW_DIGIT : in->chars->positions;
        if (in->selStart >= edge && NextLineExists(in->topLine, in->caretLine, in->lineCount)) {
            Load(action, in->topLine + 1);
            Select(action, KEYS_HEX_LINE_46_BLANK, KEYS_HEX_LINE_46_BLANK);
            if (!hex) {
                action->select = COLUMN_SELECT_LINE_46_BREAK;
            }
        } else if (hex) {
            // The hex column puts its selection back as read, so the edit
            // control's own Right starts from it.
            Select(action, in->selStart, in->selEnd);
        }
        break;
    }
    case KEY_CODE_UP:
        if ((in->caretLine == 0 || in->ctrlDown) && in->topLine > 0) {
            Load(action, in->topLine - 1);
            KeepSelection(in, action);
        }
        break;
    case KEY_CODE_DOWN:
        if ((in->caretLine == DUMP_PAGE_LINES - 1 || in->ctrlDown)
            && NextLineExists(in->topLine, in->caretLine, in->lineCount)) {
            Load(action, in->topLine + 1);
            KeepSelection(in, action);
        }
        break;
    case KEY_CODE_HOME:
        if (in->ctrlDown) {
            Load(action, 0);
        }
        break;
    case KEY_CODE_END:
        if (in->ctrlDown) {
            // LoadPage turns the last line into the last page.
            Load(action, in->lineCount - 1);
            action->select = COLUMN_SELECT_TEXT_END;
        }
        break;
    case KEY_CODE_LETTER_G:
        action->openGoto = in->ctrlDown != 0;
        break;
    case KEY_CODE_LETTER_I:
        action->toggleInspector = in->ctrlDown != 0;
        break;
    default:
        break;
    }
}

void ColumnKeyUp(const ColumnKeyInput *in, ColumnKeyAction *action)
{
    *action = ColumnKeyAction();

    switch (in->key) {
    case KEY_CODE_LEFT:
        // Off the blank, onto the low digit of the byte before; a blank is
        // never at 0, so selStart is at least 2 here.
        if (in->column == COLUMN_HEX && in->selStart % HEX_CELL_CHARS == 2) {
            Select(action, in->selStart - 1, in->selEnd - 1);
        }
        break;
    case KEY_CODE_RIGHT:
        // Over the blank, onto the high digit of the next byte.
        if (in->column == COLUMN_HEX && in->selStart % HEX_CELL_CHARS == 2) {
            Select(action, in->selStart + 1, in->selEnd + 1);
        }
        break;
    case KEY_CODE_PAGE_UP:
        // The press already moved the caret; the release moves the page once
        // (however long the key auto-repeated) and keeps the caret there.
        Load(action, in->topLine > DUMP_PAGE_LINES ? in->topLine - DUMP_PAGE_LINES : 0);
        KeepSelection(in, action);
        break;
    case KEY_CODE_PAGE_DOWN:
        Load(action, in->topLine + DUMP_PAGE_LINES);
        KeepSelection(in, action);
        break;
    default:
        break;
    }
}

int HexSearchKey(unsigned key, int ctrlDown, int shiftDown, int f3Down,
                 unsigned char firstSearchByte)
{
    if (key == KEY_CODE_LETTER_F && ctrlDown) {
        return SEARCH_KEY_NEW;
    }
    if (f3Down && firstSearchByte != 0) {
        return shiftDown ? SEARCH_KEY_BACK : SEARCH_KEY_RESUME;
    }
    return SEARCH_KEY_NONE;
}
