#include "decode/inspector_parse.h"

#include "decode/inspector_text.h"

#include <math.h>
#include <stdlib.h>
#include <string.h>

// Without blanks around it, and short enough for any value's text.
#define VALUE_TEXT_SIZE 64

static int IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// text without the blanks around it, into value; 0 when too long.
static int Trim(const char *text, char *value)
{
    while (*text == ' ') {
        text++;
    }
    size_t length = strlen(text);
    while (length > 0 && text[length - 1] == ' ') {
        length--;
    }
    if (length == 0 || length >= VALUE_TEXT_SIZE) {
        return 0;
    }
    memcpy(value, text, length);
    value[length] = '\0';
    return 1;
}

static void StoreUnsigned(uint64_t value, uint32_t width, int bigEndian, unsigned char *bytes)
{
    for (uint32_t i = 0; i < width; i++) {
        bytes[bigEndian ? width - 1 - i : i] = (unsigned char)(value >> (8 * i));
    }
}

static int ParseInteger(int row, const char *text, uint64_t *bits)
{
    int negative = (*text == '-');
    if (*text == '-' || *text == '+') {
        text++;
    }
    if (*text == '\0') {
        return 0;
    }
    uint64_t magnitude = 0;
    for (; *text != '\0'; text++) {
        if (!IsDigit(*text)) {
            return 0;
        }
        uint32_t digit = (uint32_t)(*text - '0');
        if (magnitude > (UINT64_MAX - digit) / 10) {
            return 0;
        }
        magnitude = magnitude * 10 + digit;
    }
    uint32_t width = InspectorRowWidth(row);
    int isSigned = (row == INSPECTOR_INT8 || row == INSPECTOR_INT16 || row == INSPECTOR_INT32
                    || row == INSPECTOR_INT64);
    uint64_t unsignedMax = width == 8 ? UINT64_MAX : (((uint64_t)1 << (8 * width)) - 1);
    uint64_t positiveMax = isSigned ? unsignedMax >> 1 : unsignedMax;
    uint64_t negativeMax = isSigned ? positiveMax + 1 : 0;
    if (magnitude > (negative ? negativeMax : positiveMax)) {
        return 0;
    }
    *bits = negative ? (0 - magnitude) & unsignedMax : magnitude;
    return 1;
}

// [sign] digits [. digits] or . digits, then [e|E [sign] digits]: nothing
// else reaches strtod, so no hex float, no "1e" and no trailing text.
static int IsDecimalNumber(const char *text)
{
    if (*text == '-' || *text == '+') {
        text++;
    }
    int digits = 0;
    for (; IsDigit(*text); text++) {
        digits++;
    }
    if (*text == '.') {
        for (text++; IsDigit(*text); text++) {
            digits++;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (*text == 'e' || *text == 'E') {
        text++;
        if (*text == '-' || *text == '+') {
            text++;
        }
        if (!IsDigit(*text)) {
            return 0;
        }
        while (IsDigit(*text)) {
            text++;
        }
    }
    return *text == '\0';
}

static int EqualsIgnoringCase(const char *text, const char *lowerWord)
{
    for (; *lowerWord != '\0'; text++, lowerWord++) {
        char c = (*text >= 'A' && *text <= 'Z') ? (char)(*text - 'A' + 'a') : *text;
        if (c != *lowerWord) {
            return 0;
        }
    }
    return *text == '\0';
}

// The float's or double's bits: the special texts, or a decimal number in
// range.
static int ParseFloating(int row, const char *text, uint64_t *bits)
{
    int isFloat = (row == INSPECTOR_FLOAT);
    if (EqualsIgnoringCase(text, "nan")) {
        *bits = isFloat ? 0x7FC00000u : 0x7FF8000000000000u;
        return 1;
    }
    const char *infinity = (*text == '+' || *text == '-') ? text + 1 : text;
    if (EqualsIgnoringCase(infinity, "inf")) {
        uint64_t sign = (*text == '-') ? 1 : 0;
        *bits = isFloat ? (sign << 31 | 0x7F800000u) : (sign << 63 | 0x7FF0000000000000u);
        return 1;
    }
    if (!IsDecimalNumber(text)) {
        return 0;
    }
    if (isFloat) {
        float value = strtof(text, NULL);
        uint32_t word;
        memcpy(&word, &value, sizeof word);
        *bits = word;
        return !isinf(value);
    }
    double value = strtod(text, NULL);
    memcpy(bits, &value, sizeof value);
    return !isinf(value);
}

int ParseInspectorValue(int row, const char *text, int bigEndian, unsigned char *bytes)
{
    if (!IsWritableRow(row)) {
        return 0;
    }
    char value[VALUE_TEXT_SIZE];
    if (!Trim(text, value)) {
        return 0;
    }
    uint64_t bits = 0;
    int parsed = (row == INSPECTOR_FLOAT || row == INSPECTOR_DOUBLE)
                     ? ParseFloating(row, value, &bits)
                     : ParseInteger(row, value, &bits);
    if (!parsed) {
        return 0;
    }
    StoreUnsigned(bits, InspectorRowWidth(row), bigEndian, bytes);
    return 1;
}
