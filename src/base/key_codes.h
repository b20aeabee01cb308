// Virtual-key codes the key filter and the column key handlers act on, named
// here so that window-free code needs no <windows.h>; the values are the
// system's own VK_ codes.
#ifndef KORVEX_KEY_CODES_H
#define KORVEX_KEY_CODES_H

enum KeyCode {
    KEY_CODE_SHIFT = 0x10,
    KEY_CODE_CONTROL = 0x11,
    KEY_CODE_ESCAPE = 0x1B,
    KEY_CODE_PAGE_UP = 0x21,
    KEY_CODE_PAGE_DOWN = 0x22,
    KEY_CODE_END = 0x23,
    KEY_CODE_HOME = 0x24,
    KEY_CODE_LEFT = 0x25,
    KEY_CODE_UP = 0x26,
    KEY_CODE_RIGHT = 0x27,
    KEY_CODE_DOWN = 0x28,
    KEY_CODE_DIGIT_0 = 0x30,
    KEY_CODE_DIGIT_9 = 0x39,
    KEY_CODE_LETTER_A = 0x41,
    KEY_CODE_LETTER_C = 0x43,
    KEY_CODE_LETTER_F = 0x46,
    KEY_CODE_LETTER_G = 0x47,
    KEY_CODE_LETTER_I = 0x49,
    KEY_CODE_LETTER_V = 0x56,
    KEY_CODE_KEYPAD_0 = 0x60,
    KEY_CODE_KEYPAD_9 = 0x69,
    KEY_CODE_F3 = 0x72
};

#endif
