// Storing the shown page's edits into the file when the page is left.
#ifndef KORVEX_WRITE_BACK_H
#define KORVEX_WRITE_BACK_H

#include <windows.h>

#include <stdint.h>

// Stores the hex column's text into the page at line, when a file is open,
// the read-only box is clear, the text was rendered from that page and it
// differs from the rendered text.
void WriteBack(HWND dialog, uint64_t line);

#endif
