#include "address_space.h"

ReservedAddressSpace *ReservedAddressSpace::releasedAtWindow;

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
    for (SIZE_T size = (SIZE_T)1 << 30; size >= 4096; size /= 2) {
        while (blocks.size() < blocks.capacity()) {
            void *block = VirtualAlloc(NULL, size, MEM_RESERVE, PAGE_NOACCESS);
            if (block == NULL) {
                break;
            }
            blocks.push_back(block);
        }
    }
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

void ReservedAddressSpace::FreeBlocks()
{
    for (void *block : blocks) {
        VirtualFree(block, 0, MEM_RELEASE);
    }
    blocks.clear();
}

LRESULT CALLBACK ReservedAddressSpace::ReleaseAtCreate(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && releasedAtWindow != NULL) {
        releasedAtWindow->FreeBlocks();
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}
