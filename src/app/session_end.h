// Windows logging off or shutting down: the process may be ended as soon as
// WM_ENDSESSION returns, and the exit sequence never runs.
#ifndef KORVEX_SESSION_END_H
#define KORVEX_SESSION_END_H

#include <windows.h>

// WM_QUERYENDSESSION: nothing needs asking, so the answer is always yes.
LRESULT OnQueryEndSession(void);

// WM_ENDSESSION: when the session really ends (ending non-zero), a running
// search is ended where it stands, the shown page's edits are stored as a
// close stores them and the file is released. Both top-level windows hear
// of it; the second finds no file open and stores nothing more.
void OnEndSession(WPARAM ending);

#endif
