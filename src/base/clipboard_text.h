// Text on the clipboard (CF_TEXT, in the program's code page) both ways.
#ifndef KORVEX_CLIPBOARD_TEXT_H
#define KORVEX_CLIPBOARD_TEXT_H

#include <windows.h>

#include <stddef.h>
#include <stdint.h>

// Memory for length characters of text and a terminating zero, to be given
// to PlaceClipboardText; *text points into it. NULL when it cannot be had.
HGLOBAL NewClipboardText(size_t length, char **text);

// Puts memory from NewClipboardText on the clipboard as its only text,
// owned by owner; frees it when that fails. 1 on success.
int PlaceClipboardText(HWND owner, HGLOBAL memory);

// The shape of the copy formatters: writes the text of count bytes and its
// terminating zero when text is not null, and returns the text's length
// either way, so that one call sizes the buffer.
typedef size_t (*BytesFormatter)(const unsigned char *bytes, uint32_t count, char *text);

// Formats the bytes straight into new clipboard memory and puts that on the
// clipboard as its only text, owned by owner. 0 when the memory cannot be
// had; 1 otherwise, a clipboard that refuses the text included (that
// failure says nothing, as with PlaceClipboardText).
int CopyBytesAsText(HWND owner, BytesFormatter format, const unsigned char *bytes,
                    uint32_t count);

// A copy of the clipboard's text (malloc'd, to be freed) and its length up
// to the first zero; NULL when the clipboard holds no text.
char *ReadClipboardText(HWND owner, size_t *length);

#endif
