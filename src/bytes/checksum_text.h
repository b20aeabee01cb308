// The sums the checksum dialog offers and the text of its result: one line
// a sum, its name padded to one width and its digest in lower-case hex
// ("SHA-256  9f86d0..."), so the digests stand in one column.
#ifndef KORVEX_CHECKSUM_TEXT_H
#define KORVEX_CHECKSUM_TEXT_H

#include <stddef.h>
#include <stdint.h>

// In the order of the dialog's boxes and of the result's lines.
enum ChecksumKind {
    CHECKSUM_CRC32 = 0,
    CHECKSUM_MD5,
    CHECKSUM_SHA1,
    CHECKSUM_SHA256,
    CHECKSUM_SHA512,
    CHECKSUM_KINDS
};

// The longest digest (SHA-512's) in bytes.
#define CHECKSUM_DIGEST_MAX 64
// The whole result, every sum's line and its terminating zero, fits.
#define CHECKSUM_RESULT_SIZE 1024

// "CRC-32", "MD5", "SHA-1", "SHA-256", "SHA-512".
const char *ChecksumName(int kind);

// 4, 16, 20, 32, 64.
uint32_t ChecksumDigestBytes(int kind);

// A CRC-32 value as its digest: the four bytes, most significant first, so
// that it reads as the value is written ("cbf43926").
void Crc32Digest(uint32_t crc, unsigned char *digest);

// The result's text for the sums whose bit (1 << kind) is set in kinds, one
// line each in kind order, CR LF between lines and none after the last;
// digests[kind] holds each one's digest. text holds CHECKSUM_RESULT_SIZE
// bytes. Returns the text's length.
size_t FormatChecksumResult(unsigned kinds, const unsigned char digests[][CHECKSUM_DIGEST_MAX],
                            char *text);

#endif
