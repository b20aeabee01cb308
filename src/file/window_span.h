// Where a byte lies in the mapped window that holds it.
#ifndef KORVEX_WINDOW_SPAN_H
#define KORVEX_WINDOW_SPAN_H

#include <stdint.h>

struct WindowSpan {
    uint32_t offsetInWindow;  // index of the byte (a line's first byte) from the view's base
    uint32_t windowBytes;     // length of the view; shorter only for the file's last window
    uint32_t bytesAfter;      // windowBytes - offsetInWindow
};

#endif
