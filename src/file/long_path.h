// The forms of a full path that Windows opens at any length, up to 32,767
// units, where a plain one stops at MAX_PATH; and the name of a temporary
// file beside a file.
#ifndef KORVEX_LONG_PATH_H
#define KORVEX_LONG_PATH_H

#include "file/path_chars.h"

#include <stddef.h>
#include <stdint.h>

// The extended form of a full path: "\\?\" before a drive path ("C:\..."),
// "\\?\UNC\" in place of a network path's "\\". A path already in the
// extended or device form ("\\?\", "\\.\") is kept as it is. 1 with it in out
// (capacity units, the terminator included); 0, out empty, when it does not
// fit: a path is never cut to a prefix.
int ExtendedPath(const PathChar *full, PathChar *out, size_t capacity);

// The path of the temporary file numbered number beside path's file:
// path's folder, then "~korvex" and the number in 8 hex digits, then ".tmp".
// 1 with it in out; 0, out empty, when path names no folder or the result
// does not fit in capacity units.
int TempSiblingPath(const PathChar *path, uint32_t number, PathChar *out, size_t capacity);

#endif
