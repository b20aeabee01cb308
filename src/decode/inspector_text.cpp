#include "decode/inspector_text.h"

#include "decode/char_codes.h"
#include "decode/civil_time.h"

#include <inttypes.h>
#include <math.h>
#include <stdio.h>
#include <string.h>

static const uint32_t rowWidths[INSPECTOR_ROW_COUNT] = {
    1, 1, 1, 2, 2, 4, 4, 8, 8, 4, 8, 4, 8, 8, 4, 2, 4};

uint32_t InspectorRowWidth(int row)
{
    return rowWidths[row];
}

int IsWritableRow(int row)
{
    return row >= INSPECTOR_INT8 && row <= INSPECTOR_DOUBLE;
}

// The width bytes as one unsigned number in the chosen order.
static uint64_t ReadUnsigned(const unsigned char *bytes, uint32_t width, int bigEndian)
{
    uint64_t value = 0;
    for (uint32_t i = 0; i < width; i++) {
        value = value << 8 | bytes[bigEndian ? i : width - 1 - i];
    }
    return value;
}

// The width's low bits as a two's complement number.
static int64_t SignExtend(uint64_t value, uint32_t width)
{
    if (width < 8 && (value >> (8 * width - 1) & 1) != 0) {
        value |= ~(uint64_t)0 << (8 * width);
    }
    return (int64_t)value;
}

static void FormatFloating(double value, int digits, char *text)
{
    if (isnan(value)) {
        strcpy(text, "NaN");
    } else if (isinf(value)) {
        strcpy(text, value > 0 ? "+Inf" : "-Inf");
    } else {
        snprintf(text, INSPECTOR_TEXT_SIZE, "%.*g", digits, value);
    }
}

static void FormatBinary(unsigned char byte, char *text)
{
    for (int bit = 0; bit < 8; bit++) {
        text[bit] = (char)('0' + (byte >> (7 - bit) & 1));
    }
    text[8] = '\0';
}

static void FormatShiftJis(const unsigned char *bytes, uint32_t available, char *text)
{
    uint32_t length = ShiftJisLength(bytes, available);
    if (length == 0) {
        strcpy(text, "-");
    } else if (length == 2) {
        snprintf(text, INSPECTOR_TEXT_SIZE, "%c%c (%02X%02X)", bytes[0], bytes[1], bytes[0],
                 bytes[1]);
    } else if (IsControlCode(bytes[0])) {
        snprintf(text, INSPECTOR_TEXT_SIZE, "%02X", bytes[0]);
    } else {
        snprintf(text, INSPECTOR_TEXT_SIZE, "%c (%02X)", bytes[0], bytes[0]);
    }
}

static void FormatUtf8(const unsigned char *bytes, uint32_t available, AnsiOfCodePoint toAnsi,
                       char *text)
{
    uint32_t codePoint = 0;
    char shown[8];
    if (DecodeUtf8(bytes, available, &codePoint) == 0) {
        strcpy(text, "-");
    } else if (!IsControlCode(codePoint) && toAnsi(codePoint, shown, sizeof shown)) {
        snprintf(text, INSPECTOR_TEXT_SIZE, "%s (U+%04" PRIX32 ")", shown, codePoint);
    } else {
        snprintf(text, INSPECTOR_TEXT_SIZE, "U+%04" PRIX32, codePoint);
    }
}

// Every row but the characters: a number read in the row's width.
static void FormatNumber(int row, uint64_t value, char *text)
{
    uint32_t width = rowWidths[row];
    int shown = 1;
    switch (row) {
    case INSPECTOR_BINARY:
        FormatBinary((unsigned char)value, text);
        break;
    case INSPECTOR_INT8:
    case INSPECTOR_INT16:
    case INSPECTOR_INT32:
    case INSPECTOR_INT64:
        snprintf(text, INSPECTOR_TEXT_SIZE, "%" PRId64, SignExtend(value, width));
        break;
    case INSPECTOR_FLOAT: {
        uint32_t bits = (uint32_t)value;
        float number;
        memcpy(&number, &bits, sizeof number);
        FormatFloating(number, 9, text);
        break;
    }
    case INSPECTOR_DOUBLE: {
        double number;
        memcpy(&number, &value, sizeof number);
        FormatFloating(number, 17, text);
        break;
    }
    case INSPECTOR_TIME32:
    case INSPECTOR_TIME64:
        shown = FormatUnixSeconds(SignExtend(value, width), text);
        break;
    case INSPECTOR_FILETIME:
        shown = FormatFileTime(value, text);
        break;
    case INSPECTOR_DOS_TIME:
        shown = FormatDosTime((uint32_t)value, text);
        break;
    default:
        snprintf(text, INSPECTOR_TEXT_SIZE, "%" PRIu64, value);
        break;
    }
    if (!shown) {
        strcpy(text, "-");
    }
}

void InspectorRowText(int row, const unsigned char *bytes, uint32_t available, int bigEndian,
                    AnsiOfCodePoint toAnsi, char *text)
{
    if (row == INSPECTOR_SHIFT_JIS) {
        FormatShiftJis(bytes, available, text);
    } else if (row == INSPECTOR_UTF8) {
        FormatUtf8(bytes, available, toAnsi, text);
    } else if (available < rowWidths[row]) {
        strcpy(text, "-");
    } else {
        FormatNumber(row, ReadUnsigned(bytes, rowWidths[row], bigEndian), text);
    }
}
