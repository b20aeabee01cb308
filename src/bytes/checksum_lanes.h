// The sums of one run, each on a thread of its own and all fed the same
// chunks of the file, so that the sums share one read and run side by side
// on as many processors as there are. The run's ticks read the file into a
// ring of chunks; a chunk is read into again once every lane has summed it.
// Only the user-interface thread calls these functions.
#ifndef KORVEX_CHECKSUM_LANES_H
#define KORVEX_CHECKSUM_LANES_H

#include <windows.h>

#include "bytes/checksum_text.h"

#include <stdint.h>

// One chunk's size; a read of one stays well inside a tick, even into memory
// touched for the first time. The ring holds enough for the lanes to go on
// through the timer's idle part of each period.
#define CHECKSUM_CHUNK_BYTES (1u << 20)
#define CHECKSUM_RING_CHUNKS 16u

// Starts a lane for each sum whose bit (1 << ChecksumKind) is set in kinds:
// MD5 and the SHAs from the system's CNG, CRC-32 from Crc32. 1 on success;
// 0 with nothing left behind when memory, a thread or an algorithm could not
// be had.
int StartChecksumLanes(unsigned kinds);

// The chunk to read into next, or NULL while every chunk of the ring waits
// for a lane.
unsigned char *FreeChecksumChunk(void);

// Hands the chunk FreeChecksumChunk gave, filled with length bytes, to every
// lane.
void PublishChecksumChunk(uint32_t length);

// How many chunks every lane has summed.
uint64_t ChecksumChunksSummed(void);

// Waits until some lane has summed another chunk since the last wait, or the
// time is up.
void WaitForChecksumChunk(DWORD milliseconds);

// Once every published chunk is summed: ends the lanes and fills digests[kind]
// for each sum started. 1 on success, 0 when a sum failed.
int FinishChecksumLanes(unsigned char digests[][CHECKSUM_DIGEST_MAX]);

// Ends the lanes at once, with no result: each ends after the chunk it is
// summing. Nothing when none run.
void StopChecksumLanes(void);

#endif
