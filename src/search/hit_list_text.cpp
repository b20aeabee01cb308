#include "search/hit_list_text.h"

#include "base/messages.h"
#include "view/column_format.h"

#include <string.h>

static char *PutText(char *out, const char *text)
{
    size_t length = strlen(text);
    memcpy(out, text, length);
    return out + length;
}

static char *PutGrouped(char *out, uint64_t value)
{
    char digits[32];
    int count = 0;
    do {
        if (count % 4 == 3) {
            digits[count++] = ',';
        }
        digits[count++] = (char)('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0) {
        *out++ = digits[--count];
    }
    return out;
}

static char *PutPercent(char *out, uint32_t percent)
{
    out = PutText(out, HITS_CAPTION_OPEN);
    out = PutGrouped(out, percent);
    *out++ = '%';
    return PutText(out, HITS_CAPTION_CLOSE);
}

void HitListCaption(char *text, int state, uint64_t count, uint32_t percent)
{
    char *out = PutText(text, HITS_CAPTION);
    int full = count >= HIT_LIST_CAPACITY;
    if (state != HITS_RUNNING || full) {
        out = PutText(out, HITS_CAPTION_OPEN);
        out = PutGrouped(out, state == HITS_RUNNING ? HIT_LIST_CAPACITY : count);
        out = PutText(out, state == HITS_DONE ? HITS_COUNT_UNIT : HITS_AT_LEAST);
        out = PutText(out, HITS_CAPTION_CLOSE);
    }
    if (state == HITS_RUNNING) {
        out = PutPercent(out, percent);
    }
    *out = '\0';
}

void HitRowText(char *text, uint64_t offset)
{
    *PutOffset(text, offset) = '\0';
}
