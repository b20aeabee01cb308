#ifndef KORVEX_PAINT_NOTHING_H
#define KORVEX_PAINT_NOTHING_H

#include <windows.h>

// Validates the window's invalid region without drawing: its controls draw
// everything there is to see.
void PaintNothing(HWND window);

#endif
