#include "address_space.h"

#include "file/mapped_file.h"

ReservedAddressSpace *ReservedAddressSpace::releasedAtWindow;

#if defined(_WIN64)

// The room left while the space counts as used up; 0 while it does not.
static SIZE_T roomLeft = 0;
static int spaceUsedUp = 0;

static LPVOID WINAPI MapIntoRoom(HANDLE mapping, DWORD access, DWORD high, DWORD low, SIZE_T bytes)
{
    if (spaceUsedUp && bytes > roomLeft) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return NULL;
    }
    return MapViewOfFile(mapping, access, high, low, bytes);
}

void ReservedAddressSpace::ReserveAllBut(SIZE_T room)
{
    roomLeft = room;
    spaceUsedUp = 1;
    mapFileView = MapIntoRoom;
}

int ReservedAddressSpace::UsedUp() const
{
    return spaceUsedUp;
}

void ReservedAddressSpace::FreeBlocks()
{
    spaceUsedUp = 0;
    mapFileView = MapViewOfFile;
}

#else

void ReservedAddressSpace::ReserveAllBut(SIZE_T room)
{
    void *hole = room != 0 ? VirtualAlloc(NULL, room, MEM_RESERVE, PAGE_NOACCESS) : NULL;
    for (SIZE_T size = (SIZE_T)1 << 30; size >= 4096; size /= 2) {
        while (blocks.size() < blocks.capacity()) {
            void *block = VirtualAlloc(NULL, size, MEM_RESERVE, PAGE_NOACCESS);
            if (block == NULL) {
                break;
            }
            blocks.push_back(block);
        }
    }
    if (hole != NULL) {
        VirtualFree(hole, 0, MEM_RELEASE);
    }
}

int ReservedAddressSpace::UsedUp() const
{
    return !blocks.empty();
}

void ReservedAddressSpace::FreeBlocks()
{
    for (void *block : blocks) {
        VirtualFree(block, 0, MEM_RELEASE);
    }
    blocks.clear();
}

#endif

ReservedAddressSpace::ReservedAddressSpace()
{
    // Reserved ahead: nothing may be allocated while the space runs out.
    blocks.reserve(40000);
}

ReservedAddressSpace::~ReservedAddressSpace()
{
    Release();
}

void ReservedAddressSpace::ReserveAll()
{
    ReserveAllBut(0);
}

void ReservedAddressSpace::ReleaseAtNextWindow()
{
    releasedAtWindow = this;
    windowHook = SetWindowsHookExA(WH_CBT, ReleaseAtCreate, NULL, GetCurrentThreadId());
}

void ReservedAddressSpace::Release()
{
    if (windowHook != NULL) {
        UnhookWindowsHookEx(windowHook);
        windowHook = NULL;
        releasedAtWindow = NULL;
    }
    FreeBlocks();
}

LRESULT CALLBACK ReservedAddressSpace::ReleaseAtCreate(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && releasedAtWindow != NULL) {
        releasedAtWindow->FreeBlocks();
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}
