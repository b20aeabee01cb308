// Reading and writing the page's mapped view without dying when the file cannot
// deliver a page: a full disk under a hole of a sparse file, a medium or
// share that went away, a file shrunk behind the program's back. Such a
// fault becomes one message and a 0 result instead of a crash.
#ifndef KORVEX_VIEW_GUARD_H
#define KORVEX_VIEW_GUARD_H

#include <windows.h>

// Runs access(argument). 1 when it ran to its end; 0 when it faulted inside
// the page's view: releaseView is then called, so that the next access maps
// afresh, and
// "ﾌｧｲﾙの読み書きに失敗しました。" has been shown, owned by owner. Whatever
// access did before the fault stays done. Faults anywhere else are left to
// the system as before. Guards nest, so a modal loop inside access may run
// guarded accesses of its own.
int GuardViewAccess(HWND owner, void (*releaseView)(void), void (*access)(void *),
                    void *argument);

#endif
