// Which bytes form one character: code page 932 by its lead and trail byte
// ranges, UTF-8 by its encoding rules, both ways, and UTF-16's surrogate
// pairs.
#ifndef KORVEX_CHAR_CODES_H
#define KORVEX_CHAR_CODES_H

#include <stdint.h>

// The bytes of the code page 932 character at bytes[0]: 1 (0x00-0x7F,
// half-width katakana 0xA1-0xDF), 2 (a lead byte 0x81-0x9F or 0xE0-0xFC
// and a trail byte 0x40-0x7E or 0x80-0xFC), or 0: no character, or a lead
// byte whose trail would lie past the available bytes.
uint32_t ShiftJisLength(const unsigned char *bytes, uint32_t available);

// 1 for a code page 932 lead byte: 0x81-0x9F or 0xE0-0xFC.
int IsShiftJisLead(unsigned char byte);

// The UTF-8 character at bytes[0]: its length 1-4 with *codePoint set, or
// 0 for none: a stray continuation or a lead byte that never starts one
// (C0, C1, F5-FF), a missing continuation, an overlong form, a surrogate,
// or bytes running past available.
uint32_t DecodeUtf8(const unsigned char *bytes, uint32_t available, uint32_t *codePoint);

// The code point of the UTF-16 units at units[0] (available at least 1): 2
// for a surrogate pair, else 1 with the unit itself, a lone surrogate too.
uint32_t DecodeUtf16(const uint16_t *units, uint32_t available, uint32_t *codePoint);

// Puts the UTF-8 bytes of a code point (at most 0x10FFFF) into bytes: 1 to
// 4, the count returned.
uint32_t EncodeUtf8(uint32_t codePoint, unsigned char *bytes);

// 1 for the control characters shown by their code alone: below 0x20,
// 0x7F and 0x80-0x9F.
int IsControlCode(uint32_t codePoint);

#endif
