#include "view/char_column.h"

// The page byte a caret on byte i's cell lands on.
static uint16_t OwnerOf(const CharCells *cells, uint32_t i)
{
    return (uint16_t)(cells->start[i] < 0 ? 0 : cells->start[i]);
}

// One past the last page byte of the character holding byte i, for every i.
static void CharEnds(const CharCells *cells, uint32_t count, uint16_t *end)
{
    for (uint32_t i = count; i-- > 0;) {
        end[i] = i + 1 < count && cells->start[i + 1] == cells->start[i] ? end[i + 1]
                                                                          : (uint16_t)(i + 1);
    }
}

// Records position p as one of byte i's cells.
static void PutPosition(CharMap *map, uint16_t p, uint16_t owner, uint16_t end)
{
    map->byteAtPosition[p] = owner;
    map->endBeforePosition[p + 1] = end;
}

void FormatCharColumn(const CharCells *cells, uint32_t count, int unit, char *charText,
                      CharMap *map)
{
    if (count > DUMP_PAGE_BYTES) {
        count = DUMP_PAGE_BYTES;
    }
    uint16_t end[DUMP_PAGE_BYTES];
    CharEnds(cells, count, end);
    char *out = charText;
    uint16_t position = 0;
    map->endBeforePosition[0] = 0;
    for (uint32_t i = 0; i < count; ++i) {
        int lineStart = i % DUMP_LINE_BYTES == 0;
        uint16_t owner = OwnerOf(cells, i);
        if (lineStart && i > 0) {
            // The break stands on the next line's first byte and closes the
            // line above.
            for (int k = 0; k < 2; ++k) {
                map->byteAtPosition[position] = owner;
                map->endBeforePosition[position + 1] = map->endBeforePosition[position];
                ++position;
            }
            *out++ = '\r';
            *out++ = '\n';
        }
        if (cells->kind[i] == CELL_COVERED && !lineStart) {
            map->positionOfByte[i] = map->positionOfByte[i - 1];
            map->positionAfterByte[i] = map->positionAfterByte[i - 1];
            continue;
        }
        map->positionOfByte[i] = position;
        PutPosition(map, position++, owner, end[i]);
        if (cells->kind[i] != CELL_DRAW) {
            *out++ = ' ';
        } else {
            *out++ = cells->text[i][0];
            if (cells->width[i] == 2) {
                *out++ = cells->text[i][1];
                if (unit == POSITION_BYTES) {
                    PutPosition(map, position++, owner, end[i]);
                }
            }
        }
        map->positionAfterByte[i] = position;
    }
    *out = '\0';
    map->byteAtPosition[position] = (uint16_t)count;
    map->positions = position;
    map->count = (uint16_t)count;
}

uint32_t CharByteAt(const CharMap *map, uint32_t position)
{
    return position >= map->positions ? map->count : map->byteAtPosition[position];
}

void CharSelectionBytes(const CharMap *map, uint32_t selStart, uint32_t selEnd,
                        uint32_t *first, uint32_t *count)
{
    *first = CharByteAt(map, selStart);
    *count = 0;
    if (selEnd > selStart) {
        uint32_t end = map->endBeforePosition[selEnd < map->positions ? selEnd : map->positions];
        *count = end > *first ? end - *first : 0;
    }
}

void CharByteSelection(const CharMap *map, uint32_t first, uint32_t count, uint32_t *selStart,
                       uint32_t *selEnd)
{
    uint32_t last = first + count - 1;
    if (map->count == 0) {
        *selStart = *selEnd = 0;
        return;
    }
    if (last >= map->count) {
        last = map->count - 1u;
    }
    if (first > last) {
        first = last;
    }
    *selStart = map->positionOfByte[first];
    // To the end of the last byte's character: past the cell of that
    // character's last byte.
    uint32_t end = map->endBeforePosition[map->positionAfterByte[last]];
    *selEnd = map->positionAfterByte[end > last ? end - 1 : last];
}

size_t CharCopyText(const CharCells *cells, uint32_t first, uint32_t count, char *text)
{
    size_t length = 0;
    for (uint32_t i = first; i < first + count; ++i) {
        if (cells->kind[i] != CELL_DRAW) {
            continue;
        }
        for (uint32_t k = 0; k < cells->width[i]; ++k) {
            if (text != NULL) {
                text[length] = cells->text[i][k];
            }
            ++length;
        }
    }
    if (text != NULL) {
        text[length] = '\0';
    }
    return length;
}
