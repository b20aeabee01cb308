#include "view/char_column.h"

// The page byte a caret on byte i's cell lands on.
static uint16_t OwnerOf(const CharCells *cells, uint32_t i)
{
    return (uint16_t)(cells->start[i] < 0 ? 0 : cells->start[i]);
}

void FormatCharColumn(const CharCells *cells, uint32_t count, int unit, char *charText,
                      CharMap *map)
{
    if (count > DUMP_PAGE_BYTES) {
        count = DUMP_PAGE_BYTES;
    }
    char *out = charText;
    uint16_t position = 0;
    uint16_t lastOwner = 0;
    for (uint32_t i = 0; i < count; ++i) {
        int lineStart = i % DUMP_LINE_BYTES == 0;
        if (lineStart && i > 0) {
            for (int k = 0; k < 2; ++k) {
                map->byteAtPosition[position++] = lastOwner;
            }
            *out++ = '\r';
            *out++ = '\n';
        }
        lastOwner = OwnerOf(cells, i);
        if (cells->kind[i] == CELL_COVERED && !lineStart) {
            map->positionOfByte[i] = map->positionOfByte[i - 1];
            continue;
        }
        map->positionOfByte[i] = position;
        map->byteAtPosition[position++] = lastOwner;
        if (cells->kind[i] != CELL_DRAW) {
            *out++ = ' ';
            continue;
        }
        *out++ = cells->text[i][0];
        if (cells->width[i] == 2) {
            *out++ = cells->text[i][1];
            if (unit == POSITION_BYTES) {
                map->byteAtPosition[position++] = lastOwner;
            }
        }
    }
    *out = '\0';
    map->byteAtPosition[position] = lastOwner;
    map->positions = position;
    map->count = (uint16_t)count;
}

uint32_t CharByteAt(const CharMap *map, uint32_t position)
{
    if (position > map->positions) {
        position = map->positions;
    }
    return map->byteAtPosition[position];
}

void CharSpan(const CharCells *cells, uint32_t count, uint32_t byte, uint32_t *first,
              uint32_t *last)
{
    int16_t start = cells->start[byte];
    uint32_t end = byte;
    while (end + 1 < count && cells->start[end + 1] == start) {
        ++end;
    }
    *first = start < 0 ? 0 : (uint32_t)start;
    *last = end;
}
