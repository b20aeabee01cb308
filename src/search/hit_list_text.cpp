#include "search/hit_list_text.h"

#include <stddef.h>

#include "base/messages.h"
#include "view/column_format.h"

static char *PutPercent(char *out, uint32_t percent)
{
    out = PutText(out, HITS_CAPTION_OPEN);
    out = PutDecimal(out, percent, 1);
    *out++ = '%';
    return PutText(out, HITS_CAPTION_CLOSE);
}

void HitListCaption(char *text, int state, uint64_t count, uint32_t percent)
{
    char *out = PutText(text, HITS_CAPTION);
    int full = count >= HIT_LIST_CAPACITY;
    if (state != HITS_RUNNING || full) {
        out = PutText(out, HITS_CAPTION_OPEN);
        out = PutDecimal(out, state == HITS_RUNNING ? HIT_LIST_CAPACITY : count, 1);
        out = PutText(out, state == HITS_DONE ? HITS_COUNT_UNIT : HITS_AT_LEAST);
        out = PutText(out, HITS_CAPTION_CLOSE);
    }
    if (state == HITS_RUNNING) {
        out = PutPercent(out, percent);
    }
    *out = '\0';
}

void HitRowText(char *text, uint64_t offset, const char *encoding)
{
    char *out = PutOffset(text, offset);
    if (encoding != NULL) {
        out = PutText(out, HIT_ENCODING_GAP);
        out = PutText(out, encoding);
    }
    *out = '\0';
}
