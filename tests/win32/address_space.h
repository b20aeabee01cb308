// No view of a file can be mapped: MapViewOfFile failing as when the address
// space is used up. A 32-bit process's 2 GB are used up for real with
// reservations. A 64-bit one's 128 TB cannot be (Wine keeps a byte for
// every reserved page), so there the program's one map call (mapFileView)
// refuses instead, with the same error, whatever does not fit the room left.
#ifndef KORVEX_TEST_ADDRESS_SPACE_H
#define KORVEX_TEST_ADDRESS_SPACE_H

#include <windows.h>

#include <vector>

struct ReservedAddressSpace {
    std::vector<void *> blocks;
    HHOOK windowHook = NULL;
    static ReservedAddressSpace *releasedAtWindow;

    ReservedAddressSpace();
    ~ReservedAddressSpace();
    // Reserves every free block of the address space, from the largest down
    // to a page, so that no view can be mapped until Release. Blocks smaller
    // than the allocation granularity count: a short last window fits in them.
    void ReserveAll();
    // The same, but a hole of room bytes is left: views up to that size map.
    void ReserveAllBut(SIZE_T room);
    // 1 while no view larger than the room can be mapped.
    int UsedUp() const;
    // From now until Release, the space comes back whenever this thread
    // starts to create a window: by then the map has failed, and the message
    // box that reports it needs memory of its own to show at all.
    void ReleaseAtNextWindow();
    void Release();
    void FreeBlocks();
    static LRESULT CALLBACK ReleaseAtCreate(int code, WPARAM wParam, LPARAM lParam);
};

#endif
