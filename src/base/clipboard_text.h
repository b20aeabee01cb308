// Text on the clipboard (CF_TEXT, in the program's code page) both ways.
#ifndef KORVEX_CLIPBOARD_TEXT_H
#define KORVEX_CLIPBOARD_TEXT_H

#include <windows.h>

#include <stddef.h>

// Memory for length characters of text and a terminating zero, to be given
// to PlaceClipboardText; *text points into it. NULL when it cannot be had.
HGLOBAL NewClipboardText(size_t length, char **text);

// Puts memory from NewClipboardText on the clipboard as its only text,
// owned by owner; frees it when that fails. 1 on success.
int PlaceClipboardText(HWND owner, HGLOBAL memory);

// A copy of the clipboard's text (malloc'd, to be freed) and its length up
// to the first zero; NULL when the clipboard holds no text.
char *ReadClipboardText(HWND owner, size_t *length);

#endif
