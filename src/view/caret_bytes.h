// The bytes from a byte of the shown page on, as the page shows them.
#ifndef KORVEX_CARET_BYTES_H
#define KORVEX_CARET_BYTES_H

#include <stdint.h>

// Fills bytes with up to count (at most 8) bytes from the file offset on,
// which lies on the shown page or just after it: those on the page from
// the hex column's text as shown, a typed digit included before it is
// stored; those past the page's end with one positioned read of the file.
// The bytes that could be had, fewer at the end of the file or where the
// read failed; a failure shows no message.
uint32_t ReadCaretBytes(uint64_t offset, uint32_t count, unsigned char *bytes);

#endif
