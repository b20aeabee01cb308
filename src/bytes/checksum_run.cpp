#include "bytes/checksum_run.h"

#include "bytes/checksum_lanes.h"
#include "file/mapped_file.h"

struct ChecksumRun {
    int running;
    unsigned kinds;
    uint64_t start;
    uint64_t size;
    uint64_t next;  // the first byte not read yet
};

static ChecksumRun run;

int ChecksumRunning(void)
{
    return run.running;
}

int StartChecksumRun(uint64_t start, uint64_t size, unsigned kinds)
{
    StopChecksumRun();
    if (!StartChecksumLanes(kinds)) {
        return 0;
    }
    run.running = 1;
    run.kinds = kinds;
    run.start = start;
    run.size = size;
    run.next = start;
    return 1;
}

static uint64_t BytesSummed(void)
{
    uint64_t bytes = ChecksumChunksSummed() * CHECKSUM_CHUNK_BYTES;
    return bytes < run.size ? bytes : run.size;
}

uint32_t ChecksumPercent(void)
{
    return run.size == 0 ? 0 : (uint32_t)(BytesSummed() * 100 / run.size);
}

int ChecksumTick(LONGLONG began)
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    LONGLONG budget = frequency.QuadPart * CHECKSUM_TICK_BUDGET_MS / 1000;
    uint64_t end = run.start + run.size;
    for (;;) {
        if (BytesSummed() == run.size) {
            return CHECKSUM_DONE;
        }
        QueryPerformanceCounter(&now);
        LONGLONG spent = now.QuadPart - began;
        if (spent >= budget) {
            return CHECKSUM_GOING_ON;
        }
        unsigned char *chunk = run.next < end ? FreeChecksumChunk() : NULL;
        if (chunk == NULL) {
            // Every chunk is with the lanes, or all is read. Quick lanes free
            // a chunk within a moment and are kept fed; slow ones still hold
            // a full ring at the next tick, and the window is not kept
            // waiting for them.
            uint64_t summed = ChecksumChunksSummed();
            LONGLONG waitFrom = now.QuadPart;
            while (ChecksumChunksSummed() == summed) {
                QueryPerformanceCounter(&now);
                if ((now.QuadPart - waitFrom) * 1000 >= frequency.QuadPart * CHECKSUM_WAIT_MS) {
                    return CHECKSUM_GOING_ON;
                }
                WaitForChecksumChunk(1);
            }
            continue;
        }
        uint64_t rest = end - run.next;
        uint32_t length = rest < CHECKSUM_CHUNK_BYTES ? (uint32_t)rest : CHECKSUM_CHUNK_BYTES;
        // A short read is a shrunk file or a lost medium.
        if (ReadFileAt(run.next, length, chunk) != length) {
            StopChecksumRun();
            return CHECKSUM_UNREADABLE;
        }
        PublishChecksumChunk(length);
        run.next += length;
    }
}

int FinishChecksumRun(char *text)
{
    unsigned char digests[CHECKSUM_KINDS][CHECKSUM_DIGEST_MAX];
    run.running = 0;
    text[0] = '\0';
    if (!FinishChecksumLanes(digests)) {
        return 0;
    }
    FormatChecksumResult(run.kinds, digests, text);
    return 1;
}

void StopChecksumRun(void)
{
    run.running = 0;
    StopChecksumLanes();
}
