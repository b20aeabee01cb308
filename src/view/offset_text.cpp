#include "view/offset_text.h"

// At most this many digits: 2^64 - 1 is sixteen.
#define OFFSET_MAX_DIGITS 16
// Leading zeros the box shows below 2^32, as the address column would.
#define OFFSET_MIN_DIGITS 8

static int IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The digit's value, or -1. Only ASCII: a code page 932 lead byte never
// counts as a digit.
static int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

int ParseOffsetText(const char *text, uint64_t *offset)
{
    const char *p = text;
    while (IsBlank(*p)) {
        ++p;
    }
    int prefixed = 0;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        prefixed = 1;
        p += 2;
    }
    uint64_t value = 0;
    int digits = 0;
    for (int digit = HexDigitValue(*p); digit >= 0; digit = HexDigitValue(*++p)) {
        if (++digits > OFFSET_MAX_DIGITS) {
            return 0;
        }
        value = value << 4 | (uint64_t)digit;
    }
    if (digits == 0) {
        return 0;
    }
    if ((*p == 'h' || *p == 'H') && !prefixed) {
        ++p;
    }
    while (IsBlank(*p)) {
        ++p;
    }
    if (*p != '\0') {
        return 0;
    }
    *offset = value;
    return 1;
}

void FormatOffsetText(uint64_t offset, char *text)
{
    int digits = OFFSET_MIN_DIGITS;
    while (digits < OFFSET_MAX_DIGITS && (offset >> (4 * digits)) != 0) {
        ++digits;
    }
    for (int i = 0; i < digits; ++i) {
        text[i] = "0123456789ABCDEF"[(offset >> (4 * (digits - 1 - i))) & 0xF];
    }
    text[digits] = '\0';
}
