// What a file's size decides once it is open: whether it can be handled at
// all, how large a window is, how many lines it has and the scroll scale.
#ifndef KORVEX_FILE_GEOMETRY_H
#define KORVEX_FILE_GEOMETRY_H

#include <stdint.h>

// 4096 GB: the largest file handled. Line numbers then need 38 bits.
#define FILE_SIZE_LIMIT (UINT64_C(1) << 42)
// The scroll bar's range never exceeds this; longer files scale onto it.
#define SCROLL_SCALE_MAX 1000

enum FileSizeCheck {
    FILE_SIZE_OK = 0,
    FILE_SIZE_EMPTY = 1,
    FILE_SIZE_TOO_LARGE = 2
};

// fileSize from GetFileSize's two double words.
uint64_t JoinFileSize(uint32_t sizeHigh, uint32_t sizeLow);

// FILE_SIZE_OK for 1 to FILE_SIZE_LIMIT bytes, else the reason for refusing.
int CheckFileSize(uint64_t fileSize);

// The allocation granularity, or the whole file when it is smaller.
uint32_t WindowSizeFor(uint32_t granularity, uint64_t fileSize);

// 1 when the count bytes from offset on lie inside a file of fileSize
// bytes: none of them past its end (count 0 at the very end included).
int FitsInFile(uint64_t offset, uint64_t count, uint64_t fileSize);

// Number of 16-byte lines, a partial last line included, and the bytes on
// that partial line (0 when the last line is full).
void CountLines(uint64_t fileSize, uint64_t *lineCount, uint32_t *tailBytes);

// Top of the scroll bar's range (its bottom is 0); *scaledScroll is set to 1
// when the lines are more than the range can show one by one, else to 0.
int ScrollRangeTop(uint64_t lineCount, unsigned char *scaledScroll);

#endif
