// The texts bytes are copied to the clipboard as: the selection's hex and
// characters, and a range as hex lines or a C array; and the most bytes the
// clipboard carries either way. Each formatter is a BytesFormatter: it
// writes the text and a terminating zero when text is not null, and returns
// the text's length either way, so that one call sizes the buffer.
#ifndef KORVEX_COPY_FORMAT_H
#define KORVEX_COPY_FORMAT_H

#include <stddef.h>
#include <stdint.h>

// Pastes and range copies take at most this many bytes.
#define CLIPBOARD_BYTES_LIMIT (16u * 1024 * 1024)

// Upper-case hex pairs separated by one blank, none at the end: "4D 5A 90".
size_t FormatHexCopy(const unsigned char *bytes, uint32_t count, char *text);

// One character per byte, as the character column shows it.
size_t FormatCharCopy(const unsigned char *bytes, uint32_t count, char *text);

// 16 bytes a line, each line as FormatHexCopy, every line ended with CR LF.
size_t FormatHexLines(const unsigned char *bytes, uint32_t count, char *text);

// "unsigned char data[N] = {" with N in decimal, then lines of up to 16
// "0x4D" items indented four blanks, each item but the last followed by ","
// and a blank within a line, then "};"; every line ended with CR LF.
size_t FormatCArray(const unsigned char *bytes, uint32_t count, char *text);

#endif
