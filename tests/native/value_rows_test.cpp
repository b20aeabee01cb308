#include "view/value_rows.h"
#include "view/value_parse.h"

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
    {"4D", 0, INSPECT_BINARY, "01001101"},
    {"", 0, INSPECT_BINARY, "-"},
    {"80", 0, INSPECT_INT8, "-128"},
    {"0180", 0, INSPECT_INT16, "-32767"},
    {"0180", 1, INSPECT_INT16, "384"},
    {"FFFF", 0, INSPECT_UINT16, "65535"},
    {"FF", 0, INSPECT_UINT16, "-"},
    {"00000080", 0, INSPECT_INT32, "-2147483648"},
    {"00000080", 1, INSPECT_INT32, "128"},
    {"78563412", 0, INSPECT_UINT32, "305419896"},
    {"123456", 1, INSPECT_UINT32, "-"},
    {"0000000000000080", 0, INSPECT_INT64, "-9223372036854775808"},
    {"FFFFFFFFFFFFFFFF", 1, INSPECT_INT64, "-1"},
    {"FFFFFFFFFFFFFFFF", 0, INSPECT_UINT64, "18446744073709551615"},
    {"FFFFFFFFFFFFFF", 0, INSPECT_UINT64, "-"},
    {"0000803F", 0, INSPECT_FLOAT, "1"},
    {"3DCCCCCD", 1, INSPECT_FLOAT, "0.100000001"},
    {"0000C0FF", 0, INSPECT_FLOAT, "NaN"},
    {"7F800000", 1, INSPECT_FLOAT, "+Inf"},
    {"01000000", 0, INSPECT_FLOAT, "1.40129846e-45"},
    {"9A9999999999B93F", 0, INSPECT_DOUBLE, "0.10000000000000001"},
    {"FFEFFFFFFFFFFFFF", 1, INSPECT_DOUBLE, "-1.7976931348623157e+308"},
    {"7FF0000000000001", 1, INSPECT_DOUBLE, "NaN"},
    {"00000000", 0, INSPECT_TIME32, "1970/01/01 00:00:00"},
    {"FFFFFF7F", 0, INSPECT_TIME32, "2038/01/19 03:14:07"},
    {"80000000", 1, INSPECT_TIME32, "1901/12/13 20:45:52"},
    {"000000006B16D0F8", 1, INSPECT_TIME64, "2026/12/07 15:30:00"},
    {"FFFFFFFD49EF6F00", 1, INSPECT_TIME64, "1601/01/01 00:00:00"},
    {"FFFFFFFD49EF6EFF", 1, INSPECT_TIME64, "-"},
    {"0000003AFFF4417F", 1, INSPECT_TIME64, "9999/12/31 23:59:59"},
    {"0000003AFFF44180", 1, INSPECT_TIME64, "-"},
    {"0000000000000000", 0, INSPECT_FILETIME, "1601/01/01 00:00:00"},
    {"019DB1DED53E8000", 1, INSPECT_FILETIME, "1970/01/01 00:00:00"},
    {"24C85A5ED1C03FFF", 1, INSPECT_FILETIME, "9999/12/31 23:59:59"},
    {"24C85A5ED1C04000", 1, INSPECT_FILETIME, "-"},
    {"C07B8759", 0, INSPECT_DOS_TIME, "2024/12/07 15:30:00"},
    {"00002000", 0, INSPECT_DOS_TIME, "-"},  // day 0
    {"00005E58", 0, INSPECT_DOS_TIME, "-"},  // 2024/02/30
    {"0000214C", 0, INSPECT_DOS_TIME, "2018/01/01 00:00:00"},
    {"00C02100", 0, INSPECT_DOS_TIME, "-"},  // hour 24
    {"82A0", 0, INSPECT_SHIFT_JIS, "\x82\xA0 (82A0)"},
    {"B1", 0, INSPECT_SHIFT_JIS, "\xB1 (B1)"},
    {"0A", 0, INSPECT_SHIFT_JIS, "0A"},
    {"82", 0, INSPECT_SHIFT_JIS, "-"},
    {"823F", 0, INSPECT_SHIFT_JIS, "-"},
    {"FD40", 0, INSPECT_SHIFT_JIS, "-"},
    {"E38182", 0, INSPECT_UTF8, "\x82\xA0 (U+3042)"},
    {"41", 1, INSPECT_UTF8, "A (U+0041)"},
    {"F09F9880", 0, INSPECT_UTF8, "U+1F600"},
    {"C280", 0, INSPECT_UTF8, "U+0080"},
    {"E381", 0, INSPECT_UTF8, "-"},
    {"C0AF", 0, INSPECT_UTF8, "-"},
    {"EDA080", 0, INSPECT_UTF8, "-"},
    {"F4908080", 0, INSPECT_UTF8, "-"},
};

uint32_t ParseHex(const char *hex, unsigned char *bytes)
{
    uint32_t count = 0;
    for (; hex[0] != '\0' && hex[1] != '\0'; hex += 2) {
        bytes[count++] = (unsigned char)strtoul(std::string(hex, 2).c_str(), NULL, 16);
    }
    return count;
}

TEST(InspectRowText, ReadsEveryRowInEitherByteOrder)
{
    for (const RowCase &c : rowCases) {
        unsigned char bytes[INSPECT_MAX_BYTES] = {0};
        uint32_t count = ParseHex(c.bytes, bytes);
        char text[INSPECT_TEXT_SIZE] = "?";
        InspectRowText(c.row, bytes, count, c.bigEndian, FakeAnsi, text);
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
    {INSPECT_INT8, "-128", 0, "80"},
    {INSPECT_INT8, "128", 0, nullptr},
    {INSPECT_UINT8, " 255 ", 1, "FF"},
    {INSPECT_UINT8, "-1", 0, nullptr},
    {INSPECT_UINT8, "-0", 0, "00"},
    {INSPECT_INT16, "-2", 1, "FFFE"},
    {INSPECT_UINT16, "65536", 0, nullptr},
    {INSPECT_INT32, "-2147483648", 0, "00000080"},
    {INSPECT_INT32, "2147483648", 0, nullptr},
    {INSPECT_UINT32, "305419896", 0, "78563412"},
    {INSPECT_UINT32, "0x10", 0, nullptr},
    {INSPECT_UINT32, "1 2", 0, nullptr},
    {INSPECT_UINT32, "", 0, nullptr},
    {INSPECT_INT64, "-9223372036854775808", 1, "8000000000000000"},
    {INSPECT_INT64, "9223372036854775808", 0, nullptr},
    {INSPECT_UINT64, "18446744073709551615", 0, "FFFFFFFFFFFFFFFF"},
    {INSPECT_UINT64, "18446744073709551616", 0, nullptr},
    {INSPECT_FLOAT, "1", 0, "0000803F"},
    {INSPECT_FLOAT, "0.100000001", 1, "3DCCCCCD"},
    {INSPECT_FLOAT, "-inf", 0, "000080FF"},
    {INSPECT_FLOAT, "NaN", 1, "7FC00000"},
    {INSPECT_FLOAT, "3.5e38", 0, nullptr},
    {INSPECT_FLOAT, "1e-50", 0, "00000000"},
    {INSPECT_FLOAT, "0x1p3", 0, nullptr},
    {INSPECT_DOUBLE, "-1.7976931348623157e+308", 1, "FFEFFFFFFFFFFFFF"},
    {INSPECT_DOUBLE, ".5", 0, "000000000000E03F"},
    {INSPECT_DOUBLE, "+Inf", 1, "7FF0000000000000"},
    {INSPECT_DOUBLE, "1e309", 0, nullptr},
    {INSPECT_TIME32, "0", 0, nullptr},
    {INSPECT_BINARY, "0", 0, nullptr},
};

TEST(ParseInspectValue, WritesTheRowsWidthOrRefuses)
{
    for (const ValueCase &c : valueCases) {
        unsigned char bytes[INSPECT_MAX_BYTES] = {0};
        int parsed = ParseInspectValue(c.row, c.typed, c.bigEndian, bytes);
        EXPECT_EQ(parsed, c.bytes != nullptr) << c.typed << " row " << c.row;
        if (parsed && c.bytes != nullptr) {
            unsigned char expected[INSPECT_MAX_BYTES] = {0};
            uint32_t count = ParseHex(c.bytes, expected);
            EXPECT_EQ(count, InspectRowWidth(c.row)) << c.typed;
            EXPECT_EQ(memcmp(bytes, expected, count), 0) << c.typed << " row " << c.row;
        }
    }
}

}  // namespace
