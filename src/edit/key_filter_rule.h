// The key filter's verdict on one keystroke, apart from the hook that asks
// for it: swallow it, or hand it on down the hook chain.
#ifndef KORVEX_KEY_FILTER_RULE_H
#define KORVEX_KEY_FILTER_RULE_H

#include <stdint.h>

struct KeyFilterInput {
    int code;                 // the hook code
    uintptr_t key;            // wParam: the virtual-key code
    unsigned char shiftDown;  // high bit of GetKeyState set, as 1/0
    unsigned char ctrlDown;
    unsigned char f3Down;
    unsigned char editFocus;  // 0 none, 1 hex column, 2 character column
    unsigned char hexSelection;  // 1 when the hex column's selection is not empty
};

// 1 when the filter judges the keystroke at all (code >= 0 and a dump column
// served); when 0 it is handed on unchanged and nothing else need be read.
int KeyFilterActive(int code, unsigned char editFocus);

// 1: swallow the keystroke (the hook returns 1). 0: hand it on with
// *handOn as the key code, a keypad digit lowered to its main-row digit.
int KeyFilterSwallows(const KeyFilterInput *input, uintptr_t *handOn);

#endif
