// Geometry of the dump: a line is 16 bytes of the file, a page 48 lines.
#ifndef KORVEX_DUMP_PAGE_H
#define KORVEX_DUMP_PAGE_H

enum DumpPage {
    DUMP_LINE_BYTES = 16,
    DUMP_PAGE_LINES = 48,
    DUMP_PAGE_BYTES = DUMP_LINE_BYTES * DUMP_PAGE_LINES
};

#endif
