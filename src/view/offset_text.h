// The goto dialog's text: a file offset in hex as the user types it, and
// the text the box starts with.
#ifndef KORVEX_OFFSET_TEXT_H
#define KORVEX_OFFSET_TEXT_H

#include <stdint.h>

// The box's text, its terminating zero included, fits; the box takes no more.
#define OFFSET_TEXT_SIZE 64

// 1 with *offset set when text is 1 to 16 hex digits of either case, with
// either "0x" before them or "h" after them (either case, not both), and
// blanks (spaces, tabs) before and after the whole; otherwise 0, and
// *offset is left alone.
int ParseOffsetText(const char *text, uint64_t *offset);

// The offset in upper-case hex, at least eight digits ("0001A2B3") and as
// many more as it needs; text holds OFFSET_TEXT_SIZE bytes.
void FormatOffsetText(uint64_t offset, char *text);

#endif
