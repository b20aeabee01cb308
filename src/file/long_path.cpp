#include "file/long_path.h"

static size_t Length(const PathChar *text)
{
    size_t length = 0;
    while (text[length] != u'\0') {
        ++length;
    }
    return length;
}

static int StartsWith(const PathChar *text, const PathChar *prefix)
{
    for (; *prefix != u'\0'; ++prefix, ++text) {
        if (*text != *prefix) {
            return 0;
        }
    }
    return 1;
}

// Joins head's first headLength units and tail into out; 0, out empty, when
// they do not fit with the terminator.
static int Join(const PathChar *head, size_t headLength, const PathChar *tail, PathChar *out,
                size_t capacity)
{
    size_t tailLength = Length(tail);
    if (headLength + tailLength >= capacity) {
        if (capacity > 0) {
            out[0] = u'\0';
        }
        return 0;
    }
    for (size_t i = 0; i < headLength; ++i) {
        out[i] = head[i];
    }
    for (size_t i = 0; i <= tailLength; ++i) {
        out[headLength + i] = tail[i];
    }
    return 1;
}

int ExtendedPath(const PathChar *full, PathChar *out, size_t capacity)
{
    if (StartsWith(full, PATH_TEXT("\\\\?\\")) || StartsWith(full, PATH_TEXT("\\\\.\\"))) {
        return Join(full, 0, full, out, capacity);
    }
    if (StartsWith(full, PATH_TEXT("\\\\"))) {
        return Join(PATH_TEXT("\\\\?\\UNC\\"), 8, full + 2, out, capacity);
    }
    return Join(PATH_TEXT("\\\\?\\"), 4, full, out, capacity);
}

int TempSiblingPath(const PathChar *path, uint32_t number, PathChar *out, size_t capacity)
{
    size_t folder = Length(path);
    while (folder > 0 && path[folder - 1] != u'\\') {
        --folder;
    }
    PathChar name[] = PATH_TEXT("~korvex00000000.tmp");
    for (int digit = 0; digit < 8; ++digit) {
        unsigned value = (number >> (28 - 4 * digit)) & 0xF;
        name[7 + digit] = (PathChar)(value < 10 ? u'0' + value : u'A' + value - 10);
    }
    if (folder == 0) {
        if (capacity > 0) {
            out[0] = u'\0';
        }
        return 0;
    }
    return Join(path, folder, name, out, capacity);
}
