#include "file/command_line.h"

// Only blanks, tabs, quotes and the terminator steer the scan. None of them
// is ever half of a surrogate pair, so a unit-wise scan copies every
// character outside the code page 932 whole.
static int IsBlank(PathChar c)
{
    return c == u' ' || c == u'\t';
}

static const PathChar *SkipBlanks(const PathChar *text)
{
    while (IsBlank(*text)) {
        ++text;
    }
    return text;
}

// Scans one word from text, copying its units into out while they fit in
// capacity - 1 (out may be null); *length counts them all. Returns where the
// word ends.
static const PathChar *ScanWord(const PathChar *text, PathChar *out, size_t capacity,
                                size_t *length)
{
    int quoted = 0;
    size_t count = 0;
    for (; *text != u'\0' && (quoted || !IsBlank(*text)); ++text) {
        if (*text == u'"') {
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

int FirstArgument(const PathChar *commandLine, PathChar *path, size_t capacity)
{
    size_t length = 0;
    const PathChar *rest = ScanWord(SkipBlanks(commandLine), NULL, 0, &length);
    ScanWord(SkipBlanks(rest), path, capacity, &length);
    if (length == 0) {
        path[0] = u'\0';
        return ARGUMENT_NONE;
    }
    // A path cut short could name another, existing file.
    if (length >= capacity) {
        path[0] = u'\0';
        return ARGUMENT_TOO_LONG;
    }
    path[length] = u'\0';
    return ARGUMENT_PATH;
}
