#include "edit/hex_pair.h"

static unsigned char DigitValue(char c)
{
    if (c >= 'A' && c <= 'Z')
        return (unsigned char)(c - 'A' + 10);
    if (c >= 'a' && c <= 'z')
        return (unsigned char)(c - 'a' + 10);
    return (unsigned char)((unsigned char)c - '0');
}

unsigned char HexPairValue(char *pair)
{
    unsigned char first = DigitValue(pair[0]);
    pair[0] = (char)first;
    unsigned char second = DigitValue(pair[1]);
    pair[1] = (char)second;
    return (unsigned char)(first * 16 + second);
}

int IsHexColumnDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}
