#include "decode/char_codes.h"

int IsShiftJisLead(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

static int IsShiftJisTrail(unsigned char b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

uint32_t ShiftJisLength(const unsigned char *bytes, uint32_t available)
{
    if (available == 0) {
        return 0;
    }
    unsigned char lead = bytes[0];
    if (lead <= 0x7F || (lead >= 0xA1 && lead <= 0xDF)) {
        return 1;
    }
    if (IsShiftJisLead(lead) && available >= 2 && IsShiftJisTrail(bytes[1])) {
        return 2;
    }
    return 0;
}

uint32_t DecodeUtf8(const unsigned char *bytes, uint32_t available, uint32_t *codePoint)
{
    if (available == 0) {
        return 0;
    }
    unsigned char lead = bytes[0];
    uint32_t length = 0;
    uint32_t value = 0;
    uint32_t least = 0;  // the smallest code point of that length: shorter is overlong
    if (lead < 0x80) {
        *codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1Fu, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0Fu, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07u, least = 0x10000;
    } else {
        return 0;
    }
    if (available < length) {
        return 0;
    }
    for (uint32_t i = 1; i < length; i++) {
        if ((bytes[i] & 0xC0) != 0x80) {
            return 0;
        }
        value = value << 6 | (bytes[i] & 0x3Fu);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0;
    }
    *codePoint = value;
    return length;
}

uint32_t DecodeUtf16(const uint16_t *units, uint32_t available, uint32_t *codePoint)
{
    uint32_t unit = units[0];
    if (unit >= 0xD800 && unit <= 0xDBFF && available >= 2 && units[1] >= 0xDC00 &&
        units[1] <= 0xDFFF) {
        *codePoint = 0x10000 + ((unit - 0xD800) << 10) + (units[1] - 0xDC00u);
        return 2;
    }
    *codePoint = unit;
    return 1;
}

uint32_t EncodeUtf8(uint32_t codePoint, unsigned char *bytes)
{
    if (codePoint < 0x80) {
        bytes[0] = (unsigned char)codePoint;
        return 1;
    }
    uint32_t length = codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
    static const unsigned char leads[5] = {0, 0, 0xC0, 0xE0, 0xF0};
    for (uint32_t i = length - 1; i > 0; i--) {
        bytes[i] = (unsigned char)(0x80 | (codePoint & 0x3F));
        codePoint >>= 6;
    }
    bytes[0] = (unsigned char)(leads[length] | codePoint);
    return length;
}

int IsControlCode(uint32_t codePoint)
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}
