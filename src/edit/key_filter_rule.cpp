#include "edit/key_filter_rule.h"

#include "edit/key_codes.h"

static int IsNavigationKey(uintptr_t key)
{
    return key == KEY_CODE_ESCAPE || (key >= KEY_CODE_PAGE_UP && key <= KEY_CODE_DOWN);
}

int KeyFilterActive(int code, unsigned char editFocus)
{
    return code >= 0 && (editFocus == 1 || editFocus == 2);
}

int KeyFilterSwallows(const KeyFilterInput *input, uintptr_t *handOn)
{
    uintptr_t key = input->key;
    if (!KeyFilterActive(input->code, input->editFocus)) {
        *handOn = key;
        return 0;
    }
    // No keyboard selection and no shifted characters in the dump columns.
    if (input->shiftDown) {
        return 1;
    }
    if (key >= KEY_CODE_KEYPAD_0 && key <= KEY_CODE_KEYPAD_9) {
        key -= KEY_CODE_KEYPAD_0 - KEY_CODE_DIGIT_0;
    }

    // F3 held opens everything but Shift, F3's own key-down included.
    const int searchKey = input->f3Down || (key == KEY_CODE_LETTER_F && input->ctrlDown);
    const int hexDigit = (key >= KEY_CODE_DIGIT_0 && key <= KEY_CODE_DIGIT_9)
        || (key >= KEY_CODE_LETTER_A && key <= KEY_CODE_LETTER_F);
    const int navigation = IsNavigationKey(key);
    if (!searchKey && !hexDigit && !navigation) {
        return 1;
    }
    // Nothing may be typed over a selection in the hex column, whichever
    // column is served.
    if (input->hexSelection && !searchKey && !navigation) {
        return 1;
    }
    *handOn = key;
    return 0;
}
