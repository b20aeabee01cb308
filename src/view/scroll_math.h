// Where the scroll bar and the mouse wheel move the page: each gives the line
// to hand to LoadPage, or says that nothing is to be loaded.
#ifndef KORVEX_SCROLL_MATH_H
#define KORVEX_SCROLL_MATH_H

#include <stdint.h>

// The scroll codes of WM_VSCROLL that move the page (the system's SB_ values).
enum ScrollCode {
    SCROLL_CODE_LINE_UP = 0,
    SCROLL_CODE_LINE_DOWN = 1,
    SCROLL_CODE_PAGE_UP = 2,
    SCROLL_CODE_PAGE_DOWN = 3,
    SCROLL_CODE_THUMB_POSITION = 4
};

// A scroll-bar action: code and the 16-bit thumb position from WM_VSCROLL.
// Returns 1 with *line set when the page is to be loaded at *line, 0 when
// nothing is to be done (thumb tracking and the other codes included).
int ScrollBarLine(unsigned code, unsigned position, uint64_t topLine,
                  uint64_t lineCount, int scaledScroll, uint64_t *line);

// One wheel message, whatever its size: delta is the signed 16-bit wheel
// delta. Returns 1 with *line set when the page is to move one line.
int WheelLine(int delta, uint64_t topLine, uint64_t lineCount, uint64_t *line);

#endif
