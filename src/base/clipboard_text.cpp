#include "base/clipboard_text.h"

#include <stdlib.h>
#include <string.h>

HGLOBAL NewClipboardText(size_t length, char **text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, length + 1);
    if (memory == NULL) {
        return NULL;
    }
    *text = (char *)GlobalLock(memory);
    if (*text == NULL) {
        GlobalFree(memory);
        return NULL;
    }
    return memory;
}

int PlaceClipboardText(HWND owner, HGLOBAL memory)
{
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return 0;
    }
    EmptyClipboard();
    int placed = SetClipboardData(CF_TEXT, memory) != NULL;
    CloseClipboard();
    // The clipboard owns the memory only once it took it.
    if (!placed) {
        GlobalFree(memory);
    }
    return placed;
}

int CopyBytesAsText(HWND owner, BytesFormatter format, const unsigned char *bytes,
                    uint32_t count)
{
    char *text;
    HGLOBAL memory = NewClipboardText(format(bytes, count, NULL), &text);
    if (memory == NULL) {
        return 0;
    }
    format(bytes, count, text);
    PlaceClipboardText(owner, memory);
    return 1;
}

char *ReadClipboardText(HWND owner, size_t *length)
{
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(owner)) {
        return NULL;
    }
    char *copy = NULL;
    HGLOBAL memory = GetClipboardData(CF_TEXT);
    const char *text = memory != NULL ? (const char *)GlobalLock(memory) : NULL;
    if (text != NULL) {
        // Text without its zero ends where its memory does.
        size_t size = GlobalSize(memory);
        const char *zero = (const char *)memchr(text, 0, size);
        *length = zero != NULL ? (size_t)(zero - text) : size;
        copy = (char *)malloc(*length + 1);
        if (copy != NULL) {
            memcpy(copy, text, *length);
            copy[*length] = '\0';
        }
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return copy;
}
