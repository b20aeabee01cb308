#include "bytes/crc32.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define KORVEX_CRC32_FOLDS 1
#endif

// Entry k of table n is the register after byte k and then n zero bytes, so
// sixteen bytes are summed with sixteen look-ups and no loop-carried shifts.
struct CrcTables {
    uint32_t entry[16][256];
};

static constexpr CrcTables MakeCrcTables(void)
{
    CrcTables tables = {};
    for (uint32_t k = 0; k < 256; k++) {
        uint32_t reg = k;
        for (int bit = 0; bit < 8; bit++) {
            reg = (reg >> 1) ^ ((reg & 1) ? 0xEDB88320u : 0u);
        }
        tables.entry[0][k] = reg;
    }
    for (int n = 1; n < 16; n++) {
        for (uint32_t k = 0; k < 256; k++) {
            uint32_t before = tables.entry[n - 1][k];
            tables.entry[n][k] = (before >> 8) ^ tables.entry[0][before & 0xFF];
        }
    }
    return tables;
}

static constexpr CrcTables crcTables = MakeCrcTables();

static uint32_t Little32(const unsigned char *bytes)
{
    return (uint32_t)bytes[0] | (uint32_t)bytes[1] << 8 | (uint32_t)bytes[2] << 16
           | (uint32_t)bytes[3] << 24;
}

// Runs the register (not inverted) over the bytes.
static uint32_t WalkTables(uint32_t reg, const unsigned char *bytes, size_t count)
{
    const uint32_t(*t)[256] = crcTables.entry;
    while (count >= 16) {
        uint32_t a = Little32(bytes) ^ reg;
        uint32_t b = Little32(bytes + 4);
        uint32_t c = Little32(bytes + 8);
        uint32_t d = Little32(bytes + 12);
        reg = t[15][a & 0xFF] ^ t[14][(a >> 8) & 0xFF] ^ t[13][(a >> 16) & 0xFF] ^ t[12][a >> 24]
              ^ t[11][b & 0xFF] ^ t[10][(b >> 8) & 0xFF] ^ t[9][(b >> 16) & 0xFF] ^ t[8][b >> 24]
              ^ t[7][c & 0xFF] ^ t[6][(c >> 8) & 0xFF] ^ t[5][(c >> 16) & 0xFF] ^ t[4][c >> 24]
              ^ t[3][d & 0xFF] ^ t[2][(d >> 8) & 0xFF] ^ t[1][(d >> 16) & 0xFF] ^ t[0][d >> 24];
        bytes += 16;
        count -= 16;
    }
    while (count > 0) {
        reg = t[0][(reg ^ *bytes) & 0xFF] ^ (reg >> 8);
        bytes++;
        count--;
    }
    return reg;
}

uint32_t Crc32ByTables(uint32_t crc, const unsigned char *bytes, size_t count)
{
    return ~WalkTables(~crc, bytes, count);
}

#ifdef KORVEX_CRC32_FOLDS

// A 128-bit remainder carried distance bits further: its low half times
// x^(distance + 32) and its high half times x^(distance - 32), both mod the
// polynomial, bit-reflected and shifted left once, as carry-less products
// of reflected operands come out one bit short.
__attribute__((target("pclmul,sse2"))) static inline __m128i Fold(__m128i x, __m128i constants)
{
    return _mm_xor_si128(_mm_clmulepi64_si128(x, constants, 0x00),
                         _mm_clmulepi64_si128(x, constants, 0x11));
}

__attribute__((target("pclmul,sse2"))) static inline __m128i Load(const unsigned char *bytes)
{
    return _mm_loadu_si128((const __m128i *)bytes);
}

// Runs the register over blocks * 64 bytes (blocks >= 1): four remainders
// folded 512 bits on per block, then into one, whose sixteen bytes have the
// CRC of everything before them and are summed by the tables.
__attribute__((target("pclmul,sse2"))) static uint32_t FoldBlocks(uint32_t reg,
                                                                   const unsigned char *bytes,
                                                                   size_t blocks)
{
    const __m128i by512 = _mm_set_epi64x(0x1C6E41596LL, 0x154442BD4LL);
    const __m128i by128 = _mm_set_epi64x(0x0CCAA009ELL, 0x1751997D0LL);
    __m128i x0 = _mm_xor_si128(Load(bytes), _mm_cvtsi32_si128((int)reg));
    __m128i x1 = Load(bytes + 16);
    __m128i x2 = Load(bytes + 32);
    __m128i x3 = Load(bytes + 48);
    for (size_t block = 1; block < blocks; block++) {
        bytes += 64;
        x0 = _mm_xor_si128(Fold(x0, by512), Load(bytes));
        x1 = _mm_xor_si128(Fold(x1, by512), Load(bytes + 16));
        x2 = _mm_xor_si128(Fold(x2, by512), Load(bytes + 32));
        x3 = _mm_xor_si128(Fold(x3, by512), Load(bytes + 48));
    }
    x0 = _mm_xor_si128(Fold(x0, by128), x1);
    x0 = _mm_xor_si128(Fold(x0, by128), x2);
    x0 = _mm_xor_si128(Fold(x0, by128), x3);
    unsigned char rest[16];
    _mm_storeu_si128((__m128i *)rest, x0);
    return WalkTables(0, rest, 16);
}

static int DetectCarrylessMultiply(void)
{
    unsigned int eax = 0;
    unsigned int ebx = 0;
    unsigned int ecx = 0;
    unsigned int edx = 0;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) {
        return 0;
    }
    return (ecx & bit_PCLMUL) != 0 && (edx & bit_SSE2) != 0;
}

uint32_t Crc32(uint32_t crc, const unsigned char *bytes, size_t count)
{
    static const int folds = DetectCarrylessMultiply();
    uint32_t reg = ~crc;
    // Below two blocks the tables are as quick.
    if (folds && count >= 128) {
        size_t blocks = count / 64;
        reg = FoldBlocks(reg, bytes, blocks);
        bytes += blocks * 64;
        count -= blocks * 64;
    }
    return ~WalkTables(reg, bytes, count);
}

#else

uint32_t Crc32(uint32_t crc, const unsigned char *bytes, size_t count)
{
    return Crc32ByTables(crc, bytes, count);
}

#endif
