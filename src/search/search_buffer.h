// The search's own copy of the file: several consecutive windows read with
// ReadFile into one buffer, apart from the page's view. A copy out of the
// system's cache costs a fraction of the page faults that scanning a mapped
// view takes, and a file that cannot deliver makes a failed or short read,
// not a fault.
#ifndef KORVEX_SEARCH_BUFFER_H
#define KORVEX_SEARCH_BUFFER_H

#include <windows.h>

#include "file/window_span.h"

#include <stdint.h>

// The buffer's size, a whole number of windows (one window when a window is
// larger). Measured under 64-bit Wine on a 4 GiB file in the page cache,
// against native grep -F at 3.8 GB/s: the search went at 0.8-2.4 GB/s with
// 256 KB, 3.7-5.0 with 1 MB, 4.0-5.1 with 2 MB and 4.3-5.8 with 4 MB. The
// first read into fresh memory costs about 4 ms a megabyte under Wine, and
// with 4 MB that made the first tick 22-25 ms; with 2 MB every tick but the
// hit's stays under 12 ms.
#define SEARCH_BUFFER_BYTES (2u << 20)
// The size in force; tests and the benchmark set it to compare sizes.
extern uint32_t searchBufferBytes;

// Makes the buffer hold the window of searchLine's first byte: kept when it
// does and nothing was stored into the file since it was read, otherwise
// read afresh from that window on. Fills span from the buffer's first byte.
// 0 when the read failed or delivered less than that whole window (the file
// shrank behind the program's back): nothing is reported here, and the
// buffer then holds nothing.
int ReadSearchBuffer(WindowSpan *span);

// Reads bytes (at most searchBufferBytes) of the file from offset into the
// buffer, for the backward search, which reads each chunk once. 0 when the
// read failed or came short.
int ReadSearchChunk(uint64_t offset, uint32_t bytes);

// The buffer's bytes, valid after ReadSearchBuffer or ReadSearchChunk
// returned 1.
const unsigned char *SearchBufferBytes(void);

// Forgets what the buffer holds: every end of a search, so that the next one
// reads afresh. The memory stays for the next search.
void ForgetSearchBuffer(void);

// Frees the buffer's memory, at exit.
void FreeSearchBuffer(void);

#endif
