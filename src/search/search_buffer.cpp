#include "search/search_buffer.h"

#include "base/viewer_state.h"
#include "file/mapped_file.h"
#include "search/search_scan.h"

uint32_t searchBufferBytes = SEARCH_BUFFER_BYTES;

// The memory, allocated at the first read and kept for the program's life,
// so that every later search reads into pages that are already there.
static unsigned char *buffer = NULL;
static uint32_t capacity = 0;
// What it holds: heldBytes bytes of the file from heldOffset.
static uint64_t heldOffset = 0;
static uint32_t heldBytes = 0;
// viewer.storeCount when the buffer was read: a page stored since may have
// changed bytes it holds.
static uint32_t storesAtRead = 0;

static int ReserveBuffer(uint32_t bytes)
{
    if (buffer != NULL && capacity >= bytes) {
        return 1;
    }
    FreeSearchBuffer();
    buffer = (unsigned char *)VirtualAlloc(NULL, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (buffer == NULL) {
        return 0;
    }
    capacity = bytes;
    return 1;
}

int ReadSearchBuffer(WindowSpan *span)
{
    uint64_t windowOffset = 0;
    if (viewer.storeCount != storesAtRead) {
        ForgetSearchBuffer();
    }
    if (LocateInSearchBuffer(viewer.searchLine, viewer.windowSize, viewer.fileSize, heldOffset,
                             heldBytes, span, &windowOffset)) {
        return 1;
    }
    ForgetSearchBuffer();
    uint32_t windows = searchBufferBytes / viewer.windowSize;
    if (windows == 0) {
        windows = 1;
    }
    uint32_t bytes = SearchBufferLength(windowOffset, windows, viewer.windowSize, viewer.fileSize);
    if (!ReserveBuffer(bytes)) {
        return 0;
    }
    storesAtRead = viewer.storeCount;
    heldOffset = windowOffset;
    // A short read holds only what it delivered: the windows it holds whole
    // are searched, and the first one it lacks ends the search.
    heldBytes = ReadFileAt(windowOffset, bytes, buffer);
    if (!LocateInSearchBuffer(viewer.searchLine, viewer.windowSize, viewer.fileSize, heldOffset,
                              heldBytes, span, &windowOffset)) {
        ForgetSearchBuffer();
        return 0;
    }
    return 1;
}

int ReadSearchChunk(uint64_t offset, uint32_t bytes)
{
    ForgetSearchBuffer();
    if (!ReserveBuffer(searchBufferBytes)) {
        return 0;
    }
    return ReadFileAt(offset, bytes, buffer) == bytes;
}

const unsigned char *SearchBufferBytes(void)
{
    return buffer;
}

void ForgetSearchBuffer(void)
{
    heldBytes = 0;
}

void FreeSearchBuffer(void)
{
    ForgetSearchBuffer();
    if (buffer != NULL) {
        VirtualFree(buffer, 0, MEM_RELEASE);
        buffer = NULL;
        capacity = 0;
    }
}
