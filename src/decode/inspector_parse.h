// A value typed into a data inspector row, turned into the bytes it writes.
#ifndef KORVEX_INSPECTOR_PARSE_H
#define KORVEX_INSPECTOR_PARSE_H

#include <stdint.h>

// Row (an InspectorRow that IsWritableRow) and the text typed into it: 1 and
// the row's width of bytes in the chosen order, or 0 for text that is no
// value of the row's kind or lies outside its range. Integers: decimal
// digits with an optional sign ("-0" is 0). float and double: a decimal
// number with optional fraction and exponent, or "NaN", "Inf", "+Inf",
// "-Inf" in any case; a finite number too large for the type is refused,
// one too small becomes the nearest the type holds. Blanks around the text
// are ignored.
int ParseInspectorValue(int row, const char *text, int bigEndian, unsigned char *bytes);

#endif
