// The key filter's verdict on one keystroke, apart from the hook that asks
// for it: swallow it, or hand it on down the hook chain.
#ifndef KORVEX_KEY_FILTER_RULE_H
#define KORVEX_KEY_FILTER_RULE_H

#include <stdint.h>

// A fact of the moment not read yet. The hook reads each fact only when the
// verdict turns on it: GetKeyState and EM_GETSEL cost more than the rule.
#define KEY_FACT_UNKNOWN 2

struct KeyFilterInput {
    int code;                 // the hook code
    uintptr_t key;            // wParam: the virtual-key code
    unsigned char shiftDown;  // high bit of GetKeyState set, as 1/0, or KEY_FACT_UNKNOWN
    unsigned char ctrlDown;
    unsigned char f3Down;     // the key F3 itself counts as held, whatever this says
    unsigned char editFocus;     // a ColumnKind: COLUMN_NONE, COLUMN_HEX or COLUMN_CHAR
    unsigned char hexSelection;  // 1 when the hex column's selection is not empty
    // 1 when the focus window lies in another top-level window (a file
    // dialog, a message box): the keystroke is not the dump columns' at all.
    unsigned char otherWindow;
};

enum KeyFilterVerdict {
    KEY_FILTER_PASS = 0,     // hand on, with *handOn as the key code
    KEY_FILTER_SWALLOW = 1,  // the hook returns 1
    // The verdict turns on a fact still KEY_FACT_UNKNOWN: read it, ask again.
    KEY_FILTER_NEEDS_WINDOW,
    KEY_FILTER_NEEDS_SHIFT,
    KEY_FILTER_NEEDS_CTRL,
    KEY_FILTER_NEEDS_F3,
    KEY_FILTER_NEEDS_SELECTION
};

// 1 when the filter judges the keystroke at all (code >= 0 and a dump column
// served); when 0 it is handed on unchanged and nothing else need be read.
int KeyFilterActive(int code, unsigned char editFocus);

// A KeyFilterVerdict. On KEY_FILTER_PASS *handOn is the key code to hand on,
// a keypad digit lowered to its main-row digit; otherwise *handOn is left
// alone. With every fact known (0 or 1) the result is 1 or 0. Facts are asked
// for at most once each, the focus window's first, then Shift, and only those
// the verdict needs.
int KeyFilterSwallows(const KeyFilterInput *input, uintptr_t *handOn);

#endif
