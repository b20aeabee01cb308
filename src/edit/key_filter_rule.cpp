#include "edit/key_filter_rule.h"

#include "base/byte_cell.h"
#include "base/key_codes.h"

static int IsNavigationKey(uintptr_t key)
{
    return key == KEY_CODE_ESCAPE || (key >= KEY_CODE_PAGE_UP && key <= KEY_CODE_DOWN);
}

static int IsHexDigitKey(uintptr_t key)
{
    return (key >= KEY_CODE_DIGIT_0 && key <= KEY_CODE_DIGIT_9)
        || (key >= KEY_CODE_LETTER_A && key <= KEY_CODE_LETTER_F);
}

int KeyFilterActive(int code, unsigned char editFocus)
{
    return code >= 0 && (editFocus == COLUMN_HEX || editFocus == COLUMN_CHAR);
}

// The tests are ordered so that the cheap, decisive facts come first: a
// navigation key needs only Shift, a digit Shift and the selection, and F3
// is read only when nothing else admits the key.
int KeyFilterSwallows(const KeyFilterInput *input, uintptr_t *handOn)
{
    uintptr_t key = input->key;
    if (!KeyFilterActive(input->code, input->editFocus)) {
        *handOn = key;
        return KEY_FILTER_PASS;
    }
    // The hook runs in every modal loop of the thread: keys typed into a file
    // dialog or a message box are theirs, whatever column was last focused.
    if (input->otherWindow == KEY_FACT_UNKNOWN) {
        return KEY_FILTER_NEEDS_WINDOW;
    }
    if (input->otherWindow) {
        *handOn = key;
        return KEY_FILTER_PASS;
    }
    // No keyboard selection and no shifted characters in the dump columns;
    // only Shift+F3, the backward search, in the hex column.
    if (input->shiftDown == KEY_FACT_UNKNOWN) {
        return KEY_FILTER_NEEDS_SHIFT;
    }
    if (input->shiftDown) {
        if (key != KEY_CODE_F3 || input->editFocus != COLUMN_HEX) {
            return KEY_FILTER_SWALLOW;
        }
        *handOn = key;
        return KEY_FILTER_PASS;
    }
    if (key >= KEY_CODE_KEYPAD_0 && key <= KEY_CODE_KEYPAD_9) {
        key -= KEY_CODE_KEYPAD_0 - KEY_CODE_DIGIT_0;
    }

    // Navigation passes whatever else holds, and so do Ctrl+F, the search,
    // Ctrl+G, the goto, Ctrl+C and Ctrl+V, the program's copy and paste, and
    // Ctrl+I, the data inspector.
    int passes = IsNavigationKey(key);
    if (!passes && (key == KEY_CODE_LETTER_F || key == KEY_CODE_LETTER_G
                    || key == KEY_CODE_LETTER_C || key == KEY_CODE_LETTER_V
                    || key == KEY_CODE_LETTER_I)) {
        if (input->ctrlDown == KEY_FACT_UNKNOWN) {
            return KEY_FILTER_NEEDS_CTRL;
        }
        passes = input->ctrlDown;
    }
    // A hex digit may not be typed over a selection in the hex column,
    // whichever column is served.
    if (!passes && IsHexDigitKey(key)) {
        if (input->hexSelection == KEY_FACT_UNKNOWN) {
            return KEY_FILTER_NEEDS_SELECTION;
        }
        passes = !input->hexSelection;
    }
    // F3 held opens everything but Shift. The hook reads the key state as it
    // was before the keystroke it judges, so F3's own key-down would find F3
    // up: the F3 key itself counts as held, or it could never reach the hex
    // column's key-down handler that resumes the search.
    if (!passes && key == KEY_CODE_F3) {
        passes = 1;
    }
    if (!passes) {
        if (input->f3Down == KEY_FACT_UNKNOWN) {
            return KEY_FILTER_NEEDS_F3;
        }
        passes = input->f3Down;
    }
    if (!passes) {
        return KEY_FILTER_SWALLOW;
    }
    *handOn = key;
    return KEY_FILTER_PASS;
}
