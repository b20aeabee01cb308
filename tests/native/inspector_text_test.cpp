#include "decode/inspector_text.h"
#include "decode/inspector_parse.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

// Code page 932 knows U+3042 (82 A0) and 'A'; nothing else here.
int FakeAnsi(uint32_t codePoint, char *text, uint32_t size)
{
    if (codePoint == 0x3042 && size >= 3) {
        strcpy(text, "\x82\xA0");
        return 1;
    }
    if (codePoint == 'A' && size >= 2) {
        strcpy(text, "A");
        return 1;
    }
    return 0;
}

struct RowCase {
    const char *bytes;  // hex pairs; the available bytes
    int bigEndian;
    int row;
    const char *text;
};

const RowCase rowCases[] = {
    {"4D", 0, INSPECTOR_BINARY, "01001101"},
    {"", 0, INSPECTOR_BINARY, "-"},
    {"80", 0, INSPECTOR_INT8, "-128"},
    {"0180", 0, INSPECTOR_INT16, "-32767"},
    {"0180", 1, INSPECTOR_INT16, "384"},
    {"FFFF", 0, INSPECTOR_UINT16, "65535"},
    {"FF", 0, INSPECTOR_UINT16, "-"},
    {"00000080", 0, INSPECTOR_INT32, "-2147483648"},
    {"00000080", 1, INSPECTOR_INT32, "128"},
    {"78563412", 0, INSPECTOR_UINT32, "305419896"},
    {"123456", 1, INSPECTOR_UINT32, "-"},
    {"0000000000000080", 0, INSPECTOR_INT64, "-9223372036854775808"},
    {"FFFFFFFFFFFFFFFF", 1, INSPECTOR_INT64, "-1"},
    {"FFFFFFFFFFFFFFFF", 0, INSPECTOR_UINT64, "18446744073709551615"},
    {"FFFFFFFFFFFFFF", 0, INSPECTOR_UINT64, "-"},
    {"0000803F", 0, INSPECTOR_FLOAT, "1"},
    {"3DCCCCCD", 1, INSPECTOR_FLOAT, "0.100000001"},
    {"0000C0FF", 0, INSPECTOR_FLOAT, "NaN"},
    {"7F800000", 1, INSPECTOR_FLOAT, "+Inf"},
    {"01000000", 0, INSPECTOR_FLOAT, "1.40129846e-45"},
    {"9A9999999999B93F", 0, INSPECTOR_DOUBLE, "0.10000000000000001"},
    {"FFEFFFFFFFFFFFFF", 1, INSPECTOR_DOUBLE, "-1.7976931348623157e+308"},
    {"7FF0000000000001", 1, INSPECTOR_DOUBLE, "NaN"},
    {"00000000", 0, INSPECTOR_TIME32, "1970/01/01 00:00:00"},
    {"FFFFFF7F", 0, INSPECTOR_TIME32, "2038/01/19 03:14:07"},
    {"80000000", 1, INSPECTOR_TIME32, "1901/12/13 20:45:52"},
    {"000000006B16D0F8", 1, INSPECTOR_TIME64, "2026/12/07 15:30:00"},
    {"FFFFFFFD49EF6F00", 1, INSPECTOR_TIME64, "1601/01/01 00:00:00"},
    {"FFFFFFFD49EF6EFF", 1, INSPECTOR_TIME64, "-"},
    {"0000003AFFF4417F", 1, INSPECTOR_TIME64, "9999/12/31 23:59:59"},
    {"0000003AFFF44180", 1, INSPECTOR_TIME64, "-"},
    {"0000000000000000", 0, INSPECTOR_FILETIME, "1601/01/01 00:00:00"},
    {"019DB1DED53E8000", 1, INSPECTOR_FILETIME, "1970/01/01 00:00:00"},
    {"24C85A5ED1C03FFF", 1, INSPECTOR_FILETIME, "9999/12/31 23:59:59"},
    {"24C85A5ED1C04000", 1, INSPECTOR_FILETIME, "-"},
    {"C07B8759", 0, INSPECTOR_DOS_TIME, "2024/12/07 15:30:00"},
    {"00002000", 0, INSPECTOR_DOS_TIME, "-"},  // day 0
    {"00005E58", 0, INSPECTOR_DOS_TIME, "-"},  // 2024/02/30
    {"0000214C", 0, INSPECTOR_DOS_TIME, "2018/01/01 00:00:00"},
    {"00C02100", 0, INSPECTOR_DOS_TIME, "-"},  // hour 24
    {"82A0", 0, INSPECTOR_SHIFT_JIS, "\x82\xA0 (82A0)"},
    {"B1", 0, INSPECTOR_SHIFT_JIS, "\xB1 (B1)"},
    {"0A", 0, INSPECTOR_SHIFT_JIS, "0A"},
    {"82", 0, INSPECTOR_SHIFT_JIS, "-"},
    {"823F", 0, INSPECTOR_SHIFT_JIS, "-"},
    {"FD40", 0, INSPECTOR_SHIFT_JIS, "-"},
    {"E38182", 0, INSPECTOR_UTF8, "\x82\xA0 (U+3042)"},
    {"41", 1, INSPECTOR_UTF8, "A (U+0041)"},
    {"F09F9880", 0, INSPECTOR_UTF8, "U+1F600"},
    {"C280", 0, INSPECTOR_UTF8, "U+0080"},
    {"E381", 0, INSPECTOR_UTF8, "-"},
    {"C0AF", 0, INSPECTOR_UTF8, "-"},
    {"EDA080", 0, INSPECTOR_UTF8, "-"},
    {"F4908080", 0, INSPECTOR_UTF8, "-"},
};

uint32_t ParseHex(const char *hex, unsigned char *bytes)
{
    uint32_t count = 0;
    for (; hex[0] != '\0' && hex[1] != '\0'; hex += 2) {
        bytes[count++] = (unsigned char)strtoul(std::string(hex, 2).c_str(), NULL, 16);
    }
    return count;
}

TEST(InspectorRowText, ReadsEveryRowInEitherByteOrder)
{
    for (const RowCase &c : rowCases) {
        unsigned char bytes[INSPECTOR_MAX_BYTES] = {0};
        uint32_t count = ParseHex(c.bytes, bytes);
        char text[INSPECTOR_TEXT_SIZE] = "?";
        InspectorRowText(c.row, bytes, count, c.bigEndian, FakeAnsi, text);
        EXPECT_STREQ(text, c.text) << c.bytes << " row " << c.row << " big " << c.bigEndian;
    }
}

struct ValueCase {
    int row;
    const char *typed;
    int bigEndian;
    const char *bytes;  // hex pairs written; nullptr: refused
};

const ValueCase valueCases[] = {
    {INSPECTOR_INT8, "-128", 0, "80"},
    {INSPECTOR_INT8, "128", 0, nullptr},
    {INSPECTOR_UINT8, " 255 ", 1, "FF"},
    {INSPECTOR_UINT8, "-1", 0, nullptr},
    {INSPECTOR_UINT8, "-0", 0, "00"},
    {INSPECTOR_INT16, "-2", 1, "FFFE"},
    {INSPECTOR_UINT16, "65536", 0, nullptr},
    {INSPECTOR_INT32, "-2147483648", 0, "00000080"},
    {INSPECTOR_INT32, "2147483648", 0, nullptr},
    {INSPECTOR_UINT32, "305419896", 0, "78563412"},
    {INSPECTOR_UINT32, "0x10", 0, nullptr},
    {INSPECTOR_UINT32, "1 2", 0, nullptr},
    {INSPECTOR_UINT32, "", 0, nullptr},
    {INSPECTOR_INT64, "-9223372036854775808", 1, "8000000000000000"},
    {INSPECTOR_INT64, "9223372036854775808", 0, nullptr},
    {INSPECTOR_UINT64, "18446744073709551615", 0, "FFFFFFFFFFFFFFFF"},
    {INSPECTOR_UINT64, "18446744073709551616", 0, nullptr},
    {INSPECTOR_FLOAT, "1", 0, "0000803F"},
    {INSPECTOR_FLOAT, "0.100000001", 1, "3DCCCCCD"},
    {INSPECTOR_FLOAT, "-inf", 0, "000080FF"},
    {INSPECTOR_FLOAT, "NaN", 1, "7FC00000"},
    {INSPECTOR_FLOAT, "3.5e38", 0, nullptr},
    {INSPECTOR_FLOAT, "1e-50", 0, "00000000"},
    {INSPECTOR_FLOAT, "0x1p3", 0, nullptr},
    {INSPECTOR_DOUBLE, "-1.7976931348623157e+308", 1, "FFEFFFFFFFFFFFFF"},
    {INSPECTOR_DOUBLE, ".5", 0, "000000000000E03F"},
    {INSPECTOR_DOUBLE, "+Inf", 1, "7FF0000000000000"},
    {INSPECTOR_DOUBLE, "1e309", 0, nullptr},
    {INSPECTOR_TIME32, "0", 0, nullptr},
    {INSPECTOR_BINARY, "0", 0, nullptr},
};

TEST(ParseInspectorValue, WritesTheRowsWidthOrRefuses)
{
    for (const ValueCase &c : valueCases) {
        unsigned char bytes[INSPECTOR_MAX_BYTES] = {0};
        int parsed = ParseInspectorValue(c.row, c.typed, c.bigEndian, bytes);
        EXPECT_EQ(parsed, c.bytes != nullptr) << c.typed << " row " << c.row;
        if (parsed && c.bytes != nullptr) {
            unsigned char expected[INSPECTOR_MAX_BYTES] = {0};
            uint32_t count = ParseHex(c.bytes, expected);
            EXPECT_EQ(count, InspectorRowWidth(c.row)) << c.typed;
            EXPECT_EQ(memcmp(bytes, expected, count), 0) << c.typed << " row " << c.row;
        }
    }
}

}  // namespace
