#include "file/command_line.h"

// Only blanks, tabs, quotes and the terminator steer the scan. None of them
// is ever a trail byte in code page 932, so a byte-wise scan cannot split a
// double-byte character, and trail bytes such as 0x5C ('\') and 0x7C ('|')
// are copied as they are.
static int IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

static const char *SkipBlanks(const char *text)
{
    while (IsBlank(*text)) {
        ++text;
    }
    return text;
}

// Scans one word from text, copying its characters into out while they fit
// in capacity - 1 bytes (out may be null); *length counts them all. Returns
// where the word ends.
static const char *ScanWord(const char *text, char *out, size_t capacity, size_t *length)
{
    int quoted = 0;
    size_t count = 0;
    for (; *text != '\0' && (quoted || !IsBlank(*text)); ++text) {
        if (*text == '"') {
            quoted = !quoted;
            continue;
        }
        if (out != NULL && count + 1 < capacity) {
            out[count] = *text;
        }
        ++count;
    }
    *length = count;
    return text;
}

int FirstArgument(const char *commandLine, char *path, size_t capacity)
{
    size_t length = 0;
    const char *rest = ScanWord(SkipBlanks(commandLine), NULL, 0, &length);
    ScanWord(SkipBlanks(rest), path, capacity, &length);
    if (length == 0) {
        path[0] = '\0';
        return ARGUMENT_NONE;
    }
    // A path cut short could name another, existing file.
    if (length >= capacity) {
        path[0] = '\0';
        return ARGUMENT_TOO_LONG;
    }
    path[length] = '\0';
    return ARGUMENT_PATH;
}
