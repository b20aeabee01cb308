#include "view/jump_parse.h"

#include "base/dump_page.h"

// The white space of the C locale; the program never changes its locale, and
// a fixed set keeps code page 932 lead bytes from ever counting as blanks.
static int IsJumpSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

uint64_t ParseJumpNumber(const char *text)
{
    const char *p = text;
    while (IsJumpSpace(*p)) {
        ++p;
    }
    int negative = 0;
    if (*p == '+' || *p == '-') {
        negative = (*p == '-');
        ++p;
    }
    // Unsigned arithmetic wraps modulo 2^64 where a signed overflow would be
    // undefined; the bits are the same.
    uint64_t value = 0;
    while (*p >= '0' && *p <= '9') {
        value = value * 10u + (uint64_t)(*p - '0');
        ++p;
    }
    return negative ? (uint64_t)0 - value : value;
}

uint64_t JumpLine(const char *text)
{
    return ParseJumpNumber(text) * DUMP_PAGE_BYTES / DUMP_LINE_BYTES;
}
