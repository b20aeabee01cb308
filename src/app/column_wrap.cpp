#include "app/column_wrap.h"

int ColumnWrapWidth(int fitWidth, int nextWidth, int clientWidth)
{
    int width = fitWidth;
    if (nextWidth > fitWidth) {
        // Four fifths of the way to the next word: past the pixels an edit
        // control keeps beside the last character, short of the next word.
        width = fitWidth + (nextWidth - fitWidth) * 4 / 5;
    }
    if (width > clientWidth) {
        width = clientWidth;
    }
    return width;
}

void ColumnSampleText(char *text, int capacity, const char *unit, int count)
{
    int length = 0;
    for (int i = 0; i < count; i++) {
        for (const char *c = unit; *c != '\0' && length < capacity - 1; c++) {
            text[length++] = *c;
        }
    }
    if (capacity > 0) {
        text[length] = '\0';
    }
}
