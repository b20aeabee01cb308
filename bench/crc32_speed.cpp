// korvex_crc32_bench: the CRC-32 of a file in the page cache, ours against
// zlib's crc32 over the same mapped bytes, in rounds that alternate which
// goes first; then the table walk alone. Built by bench/checksum_bench.sh
// without sanitizers; prints one line per measurement and the median ratio.
//   korvex_crc32_bench PATH [ROUNDS]
#include "bytes/crc32.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <vector>

namespace {

double Now(void)
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)now.tv_sec + (double)now.tv_nsec * 1e-9;
}

// GB/s of one pass of sum over the bytes; *crc gets its result.
template <typename Sum> double Rate(Sum sum, const unsigned char *bytes, size_t size, uint32_t *crc)
{
    double start = Now();
    *crc = sum(bytes, size);
    return (double)size / (Now() - start) / 1e9;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: korvex_crc32_bench PATH [ROUNDS]\n");
        return 2;
    }
    int rounds = argc > 2 ? atoi(argv[2]) : 5;
    int file = open(argv[1], O_RDONLY);
    struct stat status;
    if (file < 0 || fstat(file, &status) != 0) {
        perror(argv[1]);
        return 2;
    }
    size_t size = (size_t)status.st_size;
    const unsigned char *bytes =
        (const unsigned char *)mmap(NULL, size, PROT_READ, MAP_SHARED | MAP_POPULATE, file, 0);
    if (bytes == MAP_FAILED) {
        perror("mmap");
        return 2;
    }
    auto ours = [](const unsigned char *b, size_t n) { return Crc32(0, b, n); };
    auto zlib = [](const unsigned char *b, size_t n) { return (uint32_t)crc32_z(0, b, n); };
    auto tables = [](const unsigned char *b, size_t n) { return Crc32ByTables(0, b, n); };
    // One pass first, untimed: the mapping's pages are then all in place.
    Crc32(0, bytes, size);
    std::vector<double> ratios;
    uint32_t fileCrc = 0;
    for (int round = 1; round <= rounds; round++) {
        uint32_t ourCrc = 0;
        uint32_t zlibCrc = 0;
        double ourRate = 0;
        double zlibRate = 0;
        if (round % 2) {
            ourRate = Rate(ours, bytes, size, &ourCrc);
            zlibRate = Rate(zlib, bytes, size, &zlibCrc);
        } else {
            zlibRate = Rate(zlib, bytes, size, &zlibCrc);
            ourRate = Rate(ours, bytes, size, &ourCrc);
        }
        if (ourCrc != zlibCrc) {
            fprintf(stderr, "CRC-32 %08x, zlib %08x\n", ourCrc, zlibCrc);
            return 1;
        }
        fileCrc = ourCrc;
        ratios.push_back(ourRate / zlibRate);
        printf("round %d: crc32 %08x, ours %.2f GB/s, zlib %.2f GB/s, ours/zlib %.2f\n", round,
               ourCrc, ourRate, zlibRate, ourRate / zlibRate);
    }
    std::sort(ratios.begin(), ratios.end());
    printf("median ours/zlib over %d rounds: %.2f\n", rounds, ratios[ratios.size() / 2]);
    uint32_t tableCrc = 0;
    double tableRate = Rate(tables, bytes, size, &tableCrc);
    printf("table walk alone (processors without carry-less multiply): %.2f GB/s\n", tableRate);
    if (tableCrc != fileCrc) {
        fprintf(stderr, "table walk %08x, CRC-32 %08x\n", tableCrc, fileCrc);
        return 1;
    }
    munmap((void *)bytes, size);
    close(file);
    return 0;
}
