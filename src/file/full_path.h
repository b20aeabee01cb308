// The path a file is opened by: the extended form of its full path, so that
// every path Windows can name opens, a path longer than MAX_PATH too.
#ifndef KORVEX_FULL_PATH_H
#define KORVEX_FULL_PATH_H

#include <windows.h>

#include "file/path_chars.h"

// The extended form of path's full path, resolved against the current
// folder: 1 with it in out (PATH_CAPACITY units); 0, out empty, when it does
// not fit there (path is never cut to a prefix) or path is empty. For the
// window thread: it works in a static buffer.
int FullExtendedPath(const WCHAR *path, WCHAR *out);

#endif
