// Reading an edited page back out of the hex column and storing it into the
// file's mapped windows.
#ifndef KORVEX_PAGE_PARSE_H
#define KORVEX_PAGE_PARSE_H

#include <stdint.h>

#include "file/page_copy.h"

// bytes[i] = HexPairValue of a copy of hexText[3i] and hexText[3i + 1], for
// i < pageBytes. hexText is left as it is.
void ParseHexPage(const char *hexText, uint32_t pageBytes, unsigned char *bytes);

// 1 when the page counts as edited: the first strlen(hexText) characters of
// hexText and snapshot differ.
int HexTextEdited(const char *hexText, const char *snapshot);

// Parses hexText and stores its pageBytes bytes into the file from line's
// first byte on, through the windows that hold them. 0 when a map fails; the
// bytes stored before the failure stay stored.
int StoreHexPage(uint64_t line, const char *hexText, uint32_t pageBytes, MapWindowFn map,
                 void *context);

#endif
