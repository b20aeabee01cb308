#include "bytes/checksum_text.h"
#include "bytes/crc32.h"

#include <string.h>
#include <zlib.h>

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Published CRC-32 values, by both ways of computing it.
TEST(Crc32, KnownVectors)
{
    const struct {
        const char *text;
        uint32_t crc;
    } cases[] = {
        {"", 0x00000000},
        {"a", 0xE8B7BE43},
        {"abc", 0x352441C2},
        {"123456789", 0xCBF43926},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339},
    };
    for (const auto &c : cases) {
        const unsigned char *bytes = (const unsigned char *)c.text;
        EXPECT_EQ(Crc32(0, bytes, strlen(c.text)), c.crc) << c.text;
        EXPECT_EQ(Crc32ByTables(0, bytes, strlen(c.text)), c.crc) << c.text;
    }
}

// Random runs of every length class (under a fold block, a few blocks, many),
// at every alignment, summed whole and in two pieces, against zlib.
TEST(Crc32, MatchesZlibOverRandomBuffersAndSplitPoints)
{
    std::mt19937 random(20261207);
    std::vector<unsigned char> buffer(300000);
    for (unsigned char &byte : buffer) {
        byte = (unsigned char)random();
    }
    const size_t lengths[] = {1, 15, 16, 63, 64, 127, 128, 129, 191, 1000, 4096, 65537, 299000};
    for (size_t length : lengths) {
        for (int trial = 0; trial < 8; trial++) {
            size_t offset = random() % 64;
            size_t split = random() % (length + 1);
            const unsigned char *run = buffer.data() + offset;
            uint32_t expected = (uint32_t)crc32(0, run, (uInt)length);
            EXPECT_EQ(Crc32(0, run, length), expected) << length << " at " << offset;
            EXPECT_EQ(Crc32(Crc32(0, run, split), run + split, length - split), expected)
                << length << " split at " << split;
            EXPECT_EQ(Crc32ByTables(Crc32ByTables(0, run, split), run + split, length - split),
                      expected)
                << length << " split at " << split;
        }
    }
}

std::vector<unsigned char> Bytes(const char *hex)
{
    std::vector<unsigned char> bytes;
    for (size_t i = 0; hex[i] != '\0'; i += 2) {
        bytes.push_back((unsigned char)std::stoi(std::string(hex + i, 2), nullptr, 16));
    }
    return bytes;
}

// The result's lines: the sums asked for in box order, names padded so the
// digests line up, lower-case hex, CR LF between lines only.
TEST(ChecksumText, OneLineASumInBoxOrder)
{
    unsigned char digests[CHECKSUM_KINDS][CHECKSUM_DIGEST_MAX];
    Crc32Digest(0x352441C2, digests[CHECKSUM_CRC32]);
    const char *hashes[] = {
        nullptr, "900150983cd24fb0d6963f7d28e17f72", "a9993e364706816aba3e25717850c26c9cd0d89d",
        "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad",
        "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a"
        "2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f"};
    for (int kind = CHECKSUM_MD5; kind < CHECKSUM_KINDS; kind++) {
        std::vector<unsigned char> bytes = Bytes(hashes[kind]);
        ASSERT_EQ(bytes.size(), ChecksumDigestBytes(kind));
        memcpy(digests[kind], bytes.data(), bytes.size());
    }
    const struct {
        unsigned kinds;
        const char *text;
    } cases[] = {
        {1u << CHECKSUM_CRC32 | 1u << CHECKSUM_SHA256,
         "CRC-32   352441c2\r\n"
         "SHA-256  ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {1u << CHECKSUM_SHA512 | 1u << CHECKSUM_SHA1 | 1u << CHECKSUM_MD5,
         "MD5      900150983cd24fb0d6963f7d28e17f72\r\n"
         "SHA-1    a9993e364706816aba3e25717850c26c9cd0d89d\r\n"
         "SHA-512  ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a"
         "2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f"},
    };
    for (const auto &c : cases) {
        char text[CHECKSUM_RESULT_SIZE];
        EXPECT_EQ(FormatChecksumResult(c.kinds, digests, text), strlen(c.text));
        EXPECT_STREQ(text, c.text);
    }
    // All five fit the buffer.
    char text[CHECKSUM_RESULT_SIZE];
    EXPECT_LT(FormatChecksumResult((1u << CHECKSUM_KINDS) - 1, digests, text),
              (size_t)CHECKSUM_RESULT_SIZE);
}

}  // namespace
