#include "edit/paste_parse.h"

#include <string.h>

static int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

static int IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ',';
}

int ParsePastedHex(const char *text, size_t length, unsigned char *bytes, uint64_t *count)
{
    const char *p = text;
    const char *end = text + length;
    // Korvex's own C array (and any other) pastes back from between its braces.
    const char *open = (const char *)memchr(text, '{', length);
    if (open != NULL) {
        p = open + 1;
        end = (const char *)memchr(p, '}', (size_t)(text + length - p));
        if (end == NULL)
            return 0;
    }
    uint64_t n = 0;
    while (p < end) {
        if (IsSeparator(*p)) {
            p++;
            continue;
        }
        // A token: "0x" and one pair, or a run of pairs.
        int prefixed = end - p > 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X');
        if (prefixed)
            p += 2;
        const char *run = p;
        while (p < end && DigitValue(*p) >= 0)
            p++;
        size_t digits = (size_t)(p - run);
        if (digits == 0 || digits % 2 != 0 || (prefixed && digits != 2))
            return 0;
        if (p < end && !IsSeparator(*p))
            return 0;
        for (size_t i = 0; i < digits; i += 2) {
            if (bytes != NULL)
                bytes[n] = (unsigned char)(DigitValue(run[i]) * 16 + DigitValue(run[i + 1]));
            n++;
        }
    }
    *count = n;
    return 1;
}
