// The search's own view of the file: several consecutive windows mapped at
// once, apart from the page's window, so that the search maps seldom and the
// page and the search never evict each other's view. Its state is
// searchViewBase, searchViewOffset and searchViewBytes; a null base means
// that none is mapped (also after a fault inside it was handled).
#ifndef KORVEX_SEARCH_VIEW_H
#define KORVEX_SEARCH_VIEW_H

#include <windows.h>

#include "file/window_span.h"

// The largest search view. Each map and unmap costs a fixed 0.1-0.2 ms under
// Wine whatever the view's size; the search of a 4 GiB file went at 1.1 GB/s
// with views of 256 KB, 2.3 with 1 MB, 3.0 with 2 MB and 3.6 with 4 MB, the
// most a view may take of the 32-bit address space. A whole number of
// windows is used (one window when a window is larger).
#define SEARCH_VIEW_BYTES (4u << 20)

// Makes the search view hold the window of searchLine's first byte: kept
// when it does, otherwise replaced by a view that begins at that window, of
// up to SEARCH_VIEW_BYTES, or of half as many windows each time that cannot
// be mapped, down to one window. Fills span from the view's first byte. 0
// when not even one window can be mapped (nothing is shown; no view is held).
int MapSearchView(WindowSpan *span);

// Unmaps the search view, if any. Every end of a search and the closing of
// the file call it.
void ReleaseSearchView(void);

#endif
