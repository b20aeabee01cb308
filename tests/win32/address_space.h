// The test process's address space used up with reservations, so that no
// view of a file can be mapped: MapViewOfFile failing for real.
#ifndef KORVEX_TEST_ADDRESS_SPACE_H
#define KORVEX_TEST_ADDRESS_SPACE_H

#include <windows.h>

#include <vector>

// Reserves every free block of the address space, from 1 GB down to a page,
// so that no view can be mapped until Release. Blocks smaller than the
// allocation granularity count: a short last window fits in them.
struct ReservedAddressSpace {
    std::vector<void *> blocks;
    HHOOK windowHook = NULL;
    static ReservedAddressSpace *releasedAtWindow;

    ReservedAddressSpace();
    ~ReservedAddressSpace();
    void ReserveAll();
    // From now until Release, the space comes back whenever this thread
    // starts to create a window: by then the map has failed, and the message
    // box that reports it needs memory of its own to show at all.
    void ReleaseAtNextWindow();
    void Release();
    void FreeBlocks();
    static LRESULT CALLBACK ReleaseAtCreate(int code, WPARAM wParam, LPARAM lParam);
};

#endif
