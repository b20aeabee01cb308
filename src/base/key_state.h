// The one way the program asks whether a key is held.
#ifndef KORVEX_KEY_STATE_H
#define KORVEX_KEY_STATE_H

// 1 when the high bit of GetKeyState is set for the virtual key, else 0.
unsigned char IsKeyDown(int key);

#endif
