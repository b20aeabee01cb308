#include "file/view_guard.h"

#include "base/messages.h"
#include "base/show_message.h"
#include "base/viewer_state.h"

#include <stdint.h>

// One armed guard: where to resume after a fault, and which guard was armed
// before it. The chain runs through the stack frames of GuardViewAccess,
// innermost first; everything runs on the one user-interface thread.
// The resume point is the compiler's own (__builtin_setjmp): the jump back
// restores the guard's frame directly. The C runtime's longjmp would unwind
// the frames in between with SEH on x64, starting from a frame the fault
// handler made up and no unwinder can walk.
struct ViewGuard {
    void *resume[5];
    ViewGuard *outer;
    volatile uintptr_t faultAddress;
};

static ViewGuard *volatile innermostGuard = NULL;
static PVOID faultHandler = NULL;

static int InsideRange(uintptr_t address, const unsigned char *base, uint32_t bytes)
{
    return base != NULL && address >= (uintptr_t)base && address - (uintptr_t)base < bytes;
}

// The page's view covers at most one window.
static int InsidePageView(uintptr_t address)
{
    return InsideRange(address, viewer.viewBase, viewer.windowSize);
}

// Entered in place of the faulting instruction, on the faulting stack, once
// the system has finished dispatching the exception: a jump back into the
// guard's frame, which unwinds nothing. Never inlined: the jump must come
// from a function other than the one that set its target.
static __attribute__((noinline)) void ResumeAfterViewFault(void)
{
    __builtin_longjmp(innermostGuard->resume, 1);
}

// Windows reports a page the file could not deliver as EXCEPTION_IN_PAGE_ERROR,
// Wine as an access violation; both carry the address in their second
// parameter. Only a fault inside a view, while a guard is armed, is taken.
static LONG CALLBACK OnViewFault(EXCEPTION_POINTERS *pointers)
{
    const EXCEPTION_RECORD *record = pointers->ExceptionRecord;
    ViewGuard *guard = innermostGuard;
    if (guard == NULL) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    if (record->ExceptionCode != EXCEPTION_ACCESS_VIOLATION &&
        record->ExceptionCode != EXCEPTION_IN_PAGE_ERROR) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    if (record->NumberParameters < 2 || !InsidePageView(record->ExceptionInformation[1])) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    guard->faultAddress = record->ExceptionInformation[1];
    // Resume in a call frame of its own below the faulting one, aligned as
    // just after a call; the bytes beneath the faulting stack pointer belong
    // to nobody by then.
    CONTEXT *context = pointers->ContextRecord;
#if defined(_M_X64) || defined(__x86_64__)
    context->Rsp = ((context->Rsp - 128) & ~(DWORD64)15) - 8;
    context->Rip = (DWORD64)(uintptr_t)ResumeAfterViewFault;
#else
    context->Esp = ((context->Esp - 64) & ~(DWORD)15) - 4;
    context->Eip = (DWORD)(uintptr_t)ResumeAfterViewFault;
#endif
    return EXCEPTION_CONTINUE_EXECUTION;
}


int GuardViewAccess(HWND owner, void (*releaseView)(void), void (*access)(void *),
                    void *argument)
{
    if (faultHandler == NULL) {
        faultHandler = AddVectoredExceptionHandler(1, OnViewFault);
    }
    ViewGuard guard;
    guard.outer = innermostGuard;
    guard.faultAddress = 0;
    if (__builtin_setjmp(guard.resume) == 0) {
        innermostGuard = &guard;
        access(argument);
        innermostGuard = guard.outer;
        return 1;
    }
    innermostGuard = guard.outer;
    // The view may hold pages the file can no longer back: drop it, so the
    // next access maps the window again.
    if (InsidePageView(guard.faultAddress)) {
        releaseView();
    }
    ShowMessage(owner, MSG_FILE_ACCESS_FAILED);
    return 0;
}
