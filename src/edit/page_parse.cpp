#include "edit/page_parse.h"

#include <string.h>

#include "base/byte_cell.h"
#include "base/dump_page.h"
#include "edit/hex_pair.h"

void ParseHexPage(const char *hexText, uint32_t pageBytes, unsigned char *bytes)
{
    for (uint32_t i = 0; i < pageBytes; i++) {
        char pair[2] = { hexText[HEX_CELL_CHARS * i], hexText[HEX_CELL_CHARS * i + 1] };
        bytes[i] = HexPairValue(pair);
    }
}

int HexTextEdited(const char *hexText, const char *snapshot)
{
    return strncmp(hexText, snapshot, strlen(hexText)) != 0;
}

int StoreHexPage(uint64_t line, const char *hexText, uint32_t pageBytes, MapWindowFn map,
                 void *context)
{
    unsigned char bytes[DUMP_PAGE_BYTES];
    if (pageBytes > DUMP_PAGE_BYTES)
        pageBytes = DUMP_PAGE_BYTES;
    ParseHexPage(hexText, pageBytes, bytes);
    return StoreBytesToWindows(line * DUMP_LINE_BYTES, pageBytes, map, context, bytes);
}
