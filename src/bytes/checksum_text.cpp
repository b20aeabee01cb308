#include "bytes/checksum_text.h"

// Names are padded to the longest, and two blanks follow.
#define NAME_COLUMN 9

static const char *const names[CHECKSUM_KINDS] = {"CRC-32", "MD5", "SHA-1", "SHA-256",
                                                  "SHA-512"};
static const uint32_t digestBytes[CHECKSUM_KINDS] = {4, 16, 20, 32, 64};

const char *ChecksumName(int kind)
{
    return names[kind];
}

uint32_t ChecksumDigestBytes(int kind)
{
    return digestBytes[kind];
}

void Crc32Digest(uint32_t crc, unsigned char *digest)
{
    for (int i = 0; i < 4; i++) {
        digest[i] = (unsigned char)(crc >> (24 - 8 * i));
    }
}

size_t FormatChecksumResult(unsigned kinds, const unsigned char digests[][CHECKSUM_DIGEST_MAX],
                            char *text)
{
    static const char hex[] = "0123456789abcdef";
    size_t length = 0;
    for (int kind = 0; kind < CHECKSUM_KINDS; kind++) {
        if ((kinds & (1u << kind)) == 0) {
            continue;
        }
        if (length > 0) {
            text[length++] = '\r';
            text[length++] = '\n';
        }
        size_t lineStart = length;
        for (const char *name = names[kind]; *name != '\0'; name++) {
            text[length++] = *name;
        }
        while (length - lineStart < NAME_COLUMN) {
            text[length++] = ' ';
        }
        for (uint32_t i = 0; i < digestBytes[kind]; i++) {
            text[length++] = hex[digests[kind][i] >> 4];
            text[length++] = hex[digests[kind][i] & 0x0F];
        }
    }
    text[length] = '\0';
    return length;
}
