// CRC-32 as zip, gzip and PNG compute it: the reflected polynomial
// 0xEDB88320, the register preset to all ones and the result inverted.
#ifndef KORVEX_CRC32_H
#define KORVEX_CRC32_H

#include <stddef.h>
#include <stdint.h>

// The CRC-32 of the bytes that gave crc (0 for none) followed by count more,
// so a run may be summed in pieces: Crc32(Crc32(0, a, n), b, m) is the CRC of
// a's n bytes and then b's m. Folds runs with carry-less multiplication on
// processors that have it and walks tables elsewhere; the two agree.
uint32_t Crc32(uint32_t crc, const unsigned char *bytes, size_t count);

// The same by tables alone, sixteen bytes a step: what processors without
// carry-less multiplication use throughout.
uint32_t Crc32ByTables(uint32_t crc, const unsigned char *bytes, size_t count);

#endif
