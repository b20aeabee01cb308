#include "bytes/checksum_lanes.h"

#include "bytes/crc32.h"

#include <bcrypt.h>
#include <stdlib.h>

// The CNG algorithm of each kind; CRC-32 has none.
static const wchar_t *const cngNames[CHECKSUM_KINDS] = {
    NULL, BCRYPT_MD5_ALGORITHM, BCRYPT_SHA1_ALGORITHM, BCRYPT_SHA256_ALGORITHM,
    BCRYPT_SHA512_ALGORITHM};

struct ChecksumLane {
    int kind;
    HANDLE thread;
    // Counts the chunks published to the lane and not yet taken.
    HANDLE ready;
    // Chunks summed; written by the lane, read by the run.
    volatile LONG summed;
    volatile LONG failed;
    uint32_t crc;
    BCRYPT_ALG_HANDLE algorithm;
    BCRYPT_HASH_HANDLE hash;
    unsigned char *hashObject;
};

static ChecksumLane lanes[CHECKSUM_KINDS];
static int laneCount = 0;
static unsigned char *ring = NULL;
static uint32_t lengths[CHECKSUM_RING_CHUNKS];
static uint64_t published = 0;
static volatile LONG stopping = 0;
// Set whenever a lane has summed a chunk, so the run can wait for one.
static HANDLE chunkSummed = NULL;

static void SumChunk(ChecksumLane *lane, const unsigned char *bytes, uint32_t length)
{
    if (lane->kind == CHECKSUM_CRC32) {
        lane->crc = Crc32(lane->crc, bytes, length);
    } else if (BCryptHashData(lane->hash, (PUCHAR)bytes, length, 0) < 0) {
        InterlockedExchange(&lane->failed, 1);
    }
}

// 32-bit Windows starts a thread with its stack aligned to four bytes only;
// the CRC's vector code needs sixteen.
#ifdef __i386__
__attribute__((force_align_arg_pointer))
#endif
static DWORD WINAPI RunLane(void *argument)
{
    ChecksumLane *lane = (ChecksumLane *)argument;
    for (;;) {
        WaitForSingleObject(lane->ready, INFINITE);
        if (stopping) {
            return 0;
        }
        uint32_t chunk = (uint32_t)lane->summed % CHECKSUM_RING_CHUNKS;
        SumChunk(lane, ring + (size_t)chunk * CHECKSUM_CHUNK_BYTES, lengths[chunk]);
        InterlockedIncrement(&lane->summed);
        SetEvent(chunkSummed);
    }
}

static int OpenHash(ChecksumLane *lane)
{
    if (lane->kind == CHECKSUM_CRC32) {
        lane->crc = 0;
        return 1;
    }
    if (BCryptOpenAlgorithmProvider(&lane->algorithm, cngNames[lane->kind], NULL, 0) < 0) {
        lane->algorithm = NULL;
        return 0;
    }
    DWORD objectBytes = 0;
    ULONG got = 0;
    if (BCryptGetProperty(lane->algorithm, BCRYPT_OBJECT_LENGTH, (PUCHAR)&objectBytes,
                          sizeof objectBytes, &got, 0) < 0) {
        return 0;
    }
    // Some systems insist on the caller's memory for the hash's state.
    lane->hashObject = (unsigned char *)malloc(objectBytes);
    if (lane->hashObject == NULL) {
        return 0;
    }
    if (BCryptCreateHash(lane->algorithm, &lane->hash, lane->hashObject, objectBytes, NULL, 0, 0)
        < 0) {
        lane->hash = NULL;
        return 0;
    }
    return 1;
}

// Ends the threads (each after its chunk) and releases everything.
static void EndLanes(void)
{
    InterlockedExchange(&stopping, 1);
    for (int i = 0; i < laneCount; i++) {
        if (lanes[i].thread != NULL) {
            ReleaseSemaphore(lanes[i].ready, 1, NULL);
            WaitForSingleObject(lanes[i].thread, INFINITE);
            CloseHandle(lanes[i].thread);
        }
        if (lanes[i].ready != NULL) {
            CloseHandle(lanes[i].ready);
        }
        if (lanes[i].hash != NULL) {
            BCryptDestroyHash(lanes[i].hash);
        }
        if (lanes[i].algorithm != NULL) {
            BCryptCloseAlgorithmProvider(lanes[i].algorithm, 0);
        }
        free(lanes[i].hashObject);
    }
    ZeroMemory(lanes, sizeof lanes);
    laneCount = 0;
    if (chunkSummed != NULL) {
        CloseHandle(chunkSummed);
        chunkSummed = NULL;
    }
    if (ring != NULL) {
        VirtualFree(ring, 0, MEM_RELEASE);
        ring = NULL;
    }
}

int StartChecksumLanes(unsigned kinds)
{
    StopChecksumLanes();
    stopping = 0;
    published = 0;
    ring = (unsigned char *)VirtualAlloc(NULL, (SIZE_T)CHECKSUM_RING_CHUNKS * CHECKSUM_CHUNK_BYTES,
                                         MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    chunkSummed = CreateEventA(NULL, FALSE, FALSE, NULL);
    if (ring == NULL || chunkSummed == NULL) {
        EndLanes();
        return 0;
    }
    for (int kind = 0; kind < CHECKSUM_KINDS; kind++) {
        if ((kinds & (1u << kind)) == 0) {
            continue;
        }
        ChecksumLane *lane = &lanes[laneCount++];
        lane->kind = kind;
        // One more than the ring: the stop's own release must never be refused.
        lane->ready = CreateSemaphoreA(NULL, 0, CHECKSUM_RING_CHUNKS + 1, NULL);
        if (lane->ready == NULL || !OpenHash(lane)) {
            EndLanes();
            return 0;
        }
        lane->thread = CreateThread(NULL, 0, RunLane, lane, 0, NULL);
        if (lane->thread == NULL) {
            EndLanes();
            return 0;
        }
        // The window's thread comes first: it only reads, and answers the user.
        SetThreadPriority(lane->thread, THREAD_PRIORITY_BELOW_NORMAL);
    }
    return 1;
}

void WaitForChecksumChunk(DWORD milliseconds)
{
    if (chunkSummed != NULL) {
        WaitForSingleObject(chunkSummed, milliseconds);
    }
}

uint64_t ChecksumChunksSummed(void)
{
    uint64_t least = published;
    for (int i = 0; i < laneCount; i++) {
        uint64_t summed = (uint64_t)(uint32_t)InterlockedCompareExchange(&lanes[i].summed, 0, 0);
        least = summed < least ? summed : least;
    }
    return least;
}

unsigned char *FreeChecksumChunk(void)
{
    if (ring == NULL || published - ChecksumChunksSummed() >= CHECKSUM_RING_CHUNKS) {
        return NULL;
    }
    return ring + (size_t)(published % CHECKSUM_RING_CHUNKS) * CHECKSUM_CHUNK_BYTES;
}

void PublishChecksumChunk(uint32_t length)
{
    lengths[published % CHECKSUM_RING_CHUNKS] = length;
    published++;
    for (int i = 0; i < laneCount; i++) {
        ReleaseSemaphore(lanes[i].ready, 1, NULL);
    }
}

int FinishChecksumLanes(unsigned char digests[][CHECKSUM_DIGEST_MAX])
{
    int ok = 1;
    // Once the threads have ended, their sums are the user-interface
    // thread's to read.
    InterlockedExchange(&stopping, 1);
    for (int i = 0; i < laneCount; i++) {
        ReleaseSemaphore(lanes[i].ready, 1, NULL);
        WaitForSingleObject(lanes[i].thread, INFINITE);
    }
    for (int i = 0; i < laneCount; i++) {
        ChecksumLane *lane = &lanes[i];
        if (lane->failed) {
            ok = 0;
        } else if (lane->kind == CHECKSUM_CRC32) {
            Crc32Digest(lane->crc, digests[lane->kind]);
        } else if (BCryptFinishHash(lane->hash, digests[lane->kind],
                                    ChecksumDigestBytes(lane->kind), 0) < 0) {
            ok = 0;
        }
    }
    EndLanes();
    return ok;
}

void StopChecksumLanes(void)
{
    if (laneCount > 0 || ring != NULL) {
        EndLanes();
    }
}
