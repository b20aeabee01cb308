// Writing given bytes over the open file where the user asked for them, as a
// page leave stores a page, and showing the page afresh.
#ifndef KORVEX_OVERWRITE_BYTES_H
#define KORVEX_OVERWRITE_BYTES_H

#include <windows.h>

#include <stdint.h>

// Stores the shown page's typed digits (WriteBack's rules), then writes the
// count bytes into the file from offset on, through the mapped windows and
// under the fault guard, and shows the page at topLine again from the file,
// with both columns' carets and selections where they were. The caller has
// checked the read-only box and that offset + count does not pass the end.
// 1 on success; 0 after a failure, reported to dialog, with the bytes
// written before it left written (the page is shown again all the same).
int OverwriteFileBytes(HWND dialog, uint64_t offset, const unsigned char *bytes,
                       uint32_t count);

// Stores the shown page's typed digits (WriteBack's rules) and shows the page
// again from the file, carets kept: for before the file's bytes are read.
// dialog is the main dialog. With its read-only box checked nothing is
// stored and the page is left as it is, typed digits and all.
void StoreTypedDigits(HWND dialog);

#endif
