#include "view/scroll_math.h"

#include "base/dump_page.h"

int ScrollBarLine(unsigned code, unsigned position, uint64_t topLine,
                  uint64_t lineCount, int scaledScroll, uint64_t *line)
{
    switch (code) {
    case SCROLL_CODE_LINE_UP:
        if (topLine == 0) {
            return 0;
        }
        *line = topLine - 1;
        return 1;
    case SCROLL_CODE_LINE_DOWN:
        // No end test here: LoadPage clamps.
        *line = topLine + 1;
        return 1;
    case SCROLL_CODE_PAGE_UP:
        *line = topLine > DUMP_PAGE_LINES ? topLine - DUMP_PAGE_LINES : 0;
        return 1;
    case SCROLL_CODE_PAGE_DOWN:
        *line = topLine + DUMP_PAGE_LINES;
        return 1;
    case SCROLL_CODE_THUMB_POSITION:
        // A scaled bar runs 0..1000 over the whole file; 1000 asks for
        // lineCount itself, which LoadPage clamps to the last page.
        *line = scaledScroll ? (uint64_t)position * lineCount / 1000u : (uint64_t)position;
        return 1;
    default:
        return 0;
    }
}

int WheelLine(int delta, uint64_t topLine, uint64_t lineCount, uint64_t *line)
{
    if (delta < 0) {
        // Toward the user: down, while a later line exists.
        if (topLine < lineCount - 1) {
            *line = topLine + 1;
            return 1;
        }
        return 0;
    }
    if (topLine > 0) {
        *line = topLine - 1;
        return 1;
    }
    return 0;
}
