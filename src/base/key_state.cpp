#include "base/key_state.h"

#include <windows.h>

unsigned char IsKeyDown(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}
