// The bytes of a range being saved, copied on a thread of their own, so that
// neither a slow disk nor the system's round trips ever hold the window.
// The thread reads the open file through a duplicate of its handle with
// positioned reads only, and writes a temporary file beside the target,
// which replaces the target only once every byte is written and flushed: a
// stop or a failure deletes the temporary file and leaves the target as it
// was. The thread touches nothing but its job: its two handles, its buffer,
// the progress count and the stop flag, the last two shared with the window
// thread through interlocked calls; the paths it reads are not changed
// while it runs.
#ifndef KORVEX_RANGE_COPY_H
#define KORVEX_RANGE_COPY_H

#include <windows.h>

#include <stdint.h>

enum {
    // Read and written at once.
    RANGE_COPY_CHUNK_BYTES = 1024 * 1024
};

// How the thread ended: its exit code.
enum RangeCopyResult { RANGE_COPY_DONE = 0, RANGE_COPY_FAILED = 1, RANGE_COPY_STOPPED = 2 };

struct RangeCopy {
    HANDLE source;          // a read-only duplicate of the open file's handle
    HANDLE temp;            // the temporary file, new and empty
    const WCHAR *tempPath;  // both in the extended form
    const WCHAR *targetPath;
    uint64_t start;
    uint64_t end;
    unsigned char *buffer;  // RANGE_COPY_CHUNK_BYTES
    volatile LONG64 copied; // bytes written so far
    volatile LONG stop;     // set to 1 to stop
};

// The thread: copies the range, then flushes, closes and moves the
// temporary file over the target; closes both handles whatever happens.
// Returns a RangeCopyResult.
DWORD WINAPI RunRangeCopy(void *copy);

// The one call that writes the temporary file; tests replace it to hold a
// save part-way.
typedef BOOL(WINAPI *CopyWriteFunction)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
extern CopyWriteFunction copyWrite;

#endif
