// The jump box's text turned into the first line of the page to show.
#ifndef KORVEX_JUMP_PARSE_H
#define KORVEX_JUMP_PARSE_H

#include <stdint.h>

// The text read as a signed decimal number, modulo 2^64: leading white space
// skipped, one optional '+' or '-', then digits up to the first other
// character. No digits give 0; a negative number is its two's complement.
uint64_t ParseJumpNumber(const char *text);

// The line the jump box asks for: the number counts 768-byte pages, so the
// line is (number × 768 mod 2^64) / 16. Not clamped; LoadPage does that.
uint64_t JumpLine(const char *text);

#endif
