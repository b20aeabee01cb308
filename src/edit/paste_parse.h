// The clipboard's text read as the bytes a paste into the hex column writes.
#ifndef KORVEX_PASTE_PARSE_H
#define KORVEX_PASTE_PARSE_H

#include <stddef.h>
#include <stdint.h>

// Reads length characters of text as hex bytes: pairs of digits of either
// case, a run of pairs without separators as that many bytes, one pair
// written "0x4D" (or "0X4D") as one byte, and blanks, tabs, CR, LF and
// commas between them ignored. When text holds a '{', only what stands
// between it and the next '}' is read (no '}' refuses). 1 with *count set
// and, when bytes is not null, the bytes stored there; 0 for anything else
// (an odd run, any other character), with nothing counted. Call once with
// bytes null to size the buffer.
int ParsePastedHex(const char *text, size_t length, unsigned char *bytes, uint64_t *count);

#endif
