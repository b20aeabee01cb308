// The data inspector's rows: the values that the bytes from the caret's
// byte on read as, one text a row, in either byte order.
#ifndef KORVEX_INSPECTOR_TEXT_H
#define KORVEX_INSPECTOR_TEXT_H

#include <stdint.h>

// In the window's order; row r's edit is IDC_INSPECTOR_BINARY + r.
enum InspectorRow {
    INSPECTOR_BINARY,
    INSPECTOR_INT8,
    INSPECTOR_UINT8,
    INSPECTOR_INT16,
    INSPECTOR_UINT16,
    INSPECTOR_INT32,
    INSPECTOR_UINT32,
    INSPECTOR_INT64,
    INSPECTOR_UINT64,
    INSPECTOR_FLOAT,
    INSPECTOR_DOUBLE,
    INSPECTOR_TIME32,
    INSPECTOR_TIME64,
    INSPECTOR_FILETIME,
    INSPECTOR_DOS_TIME,
    INSPECTOR_SHIFT_JIS,
    INSPECTOR_UTF8,
    INSPECTOR_ROW_COUNT
};

// The most bytes a row reads.
#define INSPECTOR_MAX_BYTES 8
// Every row's longest text and its terminating zero fit.
#define INSPECTOR_TEXT_SIZE 32

// Puts the code page 932 form of a Unicode code point into text (at most
// size bytes with the zero): 1, or 0 where the code page has no such
// character. The shell's conversion; tests give their own.
typedef int (*AnsiOfCodePoint)(uint32_t codePoint, char *text, uint32_t size);

// The bytes a row reads: 1, 2, 4 or 8; for the character rows the most
// one character may take.
uint32_t InspectorRowWidth(int row);

// 1 for the rows a typed value may overwrite bytes from: the integers,
// float and double.
int IsWritableRow(int row);

// Row's text for the bytes from the caret's byte on, of which available
// (0 to 8) could be read. "-" when the row needs more bytes than there are
// or they are no value of its kind. Integers in decimal; float and double
// with 9 and 17 significant digits, "NaN", "+Inf", "-Inf"; times as
// "YYYY/MM/DD hh:mm:ss" UTC; the code page 932 character as "あ (82A0)", the
// UTF-8 one as "あ (U+3042)" or "U+1F600" where toAnsi finds no such
// character; a control character as its code alone ("0A", "U+000A").
// bigEndian turns the byte order of every value wider than a byte.
void InspectorRowText(int row, const unsigned char *bytes, uint32_t available, int bigEndian,
                    AnsiOfCodePoint toAnsi, char *text);

#endif
