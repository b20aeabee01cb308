#include "bytes/range_copy.h"

#include "file/mapped_file.h"

CopyWriteFunction copyWrite = WriteFile;

static int StopAsked(RangeCopy *copy)
{
    return InterlockedCompareExchange(&copy->stop, 0, 0) != 0;
}

// Every byte into the temporary file and flushed to the disk, or why not.
static DWORD CopyBytes(RangeCopy *copy)
{
    uint64_t next = copy->start;
    while (next < copy->end) {
        if (StopAsked(copy)) {
            return RANGE_COPY_STOPPED;
        }
        uint64_t rest = copy->end - next;
        DWORD chunk = rest < RANGE_COPY_CHUNK_BYTES ? (DWORD)rest : (DWORD)RANGE_COPY_CHUNK_BYTES;
        DWORD put = 0;
        if (ReadHandleAt(copy->source, next, chunk, copy->buffer) != chunk
            || !copyWrite(copy->temp, copy->buffer, chunk, &put, NULL) || put != chunk) {
            return RANGE_COPY_FAILED;
        }
        next += chunk;
        InterlockedExchange64(&copy->copied, (LONG64)(next - copy->start));
    }
    return FlushFileBuffers(copy->temp) ? RANGE_COPY_DONE : RANGE_COPY_FAILED;
}

DWORD WINAPI RunRangeCopy(void *argument)
{
    RangeCopy *copy = (RangeCopy *)argument;
    DWORD result = CopyBytes(copy);
    CloseHandle(copy->source);
    CloseHandle(copy->temp);
    // The last moment a stop still keeps the old target.
    if (result == RANGE_COPY_DONE && StopAsked(copy)) {
        result = RANGE_COPY_STOPPED;
    }
    // One rename: the target is the old file or the whole new one, never
    // neither. ReplaceFileW is not used: Wine's moves the old file aside and
    // deletes it before it moves the new one in.
    if (result == RANGE_COPY_DONE
        && !MoveFileExW(copy->tempPath, copy->targetPath, MOVEFILE_REPLACE_EXISTING)) {
        result = RANGE_COPY_FAILED;
    }
    if (result != RANGE_COPY_DONE) {
        DeleteFileW(copy->tempPath);
    }
    return result;
}
