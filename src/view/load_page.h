// Every change of the page: store the page being left, move, copy the new
// page's bytes out of the mapped windows and render the three columns.
#ifndef KORVEX_LOAD_PAGE_H
#define KORVEX_LOAD_PAGE_H

#include <windows.h>

#include <stdint.h>

// Shows the page at line, any value (past the end gives the last page), and
// the caret's offset on it. Does nothing while no file is open.
void LoadPage(HWND dialog, uint64_t line);

// Shows the page at line (clamped as by LoadPage) afresh from the file
// without storing the text shown: for after the file's bytes were written
// by other means, when that text is stale.
void ShowPageFromFile(HWND dialog, uint64_t line);

// Shows the size of a file just opened in IDC_FILESIZE, sets the scroll
// bar's range for it and shows its first page.
void ShowFirstPage(HWND dialog);

// Fills the address, hex and character columns with the pageBytes bytes of
// the page at line, and takes the hex text's snapshot.
void RenderPage(HWND dialog, uint64_t line, const unsigned char *bytes);

#endif
