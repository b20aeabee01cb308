// The three column texts of a page: addresses, hex digits and characters.
#ifndef KORVEX_COLUMN_FORMAT_H
#define KORVEX_COLUMN_FORMAT_H

#include <stdint.h>

// Writes "HHHHHHHH LLLLLLLL", the high and low double words of offset in
// upper-case hex, the address column's format; no terminator. Returns the
// end of what it wrote.
char *PutOffset(char *out, uint64_t offset);

// Writes text without its terminator; returns the end of what it wrote.
char *PutText(char *out, const char *text);

// Writes value in decimal, with a comma between groups of three digits
// ("1,234") when grouped; no terminator. Returns the end of what it wrote.
char *PutDecimal(char *out, uint64_t value, int grouped);

// Writes the zero-ended texts of the count bytes of the page at topLine
// (count at most 768; more is cut to 768):
// - addressText: "HHHHHHHH LLLLLLLL " per line, the high and low double
//   words of the line's byte offset, groups run on without line breaks;
// - hexText: "XX " per byte, upper case, byte k at character 3k;
// - charText: one character per byte, CR LF after each line of 16 except
//   the page's last, so line r starts at character 18r.
// Each buffer needs 865 bytes (addresses, characters) or 2305 (hex).
void FormatColumns(uint64_t topLine, const unsigned char *bytes, uint32_t count,
                   char *addressText, char *hexText, char *charText);

#endif
