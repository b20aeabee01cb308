// Windows logging off or shutting down: the process may be ended as soon as
// WM_ENDSESSION returns, and the exit sequence never runs.
#ifndef KORVEX_SESSION_END_H
#define KORVEX_SESSION_END_H

#include <windows.h>

// WM_QUERYENDSESSION: nothing needs asking, so the answer is always yes.
LRESULT OnQueryEndSession(void);

// WM_ENDSESSION: when the session really ends (ending non-zero), a running
// range save is stopped (its temporary file deleted, its target as it was)
// and the file is closed as an open or the exit closes it: a running search
// is ended where it stands, the shown page's edits are stored and the file
// is released. Both top-level windows hear of it; the second finds no save
// and no file open and stores nothing more.
void OnEndSession(WPARAM ending);

#endif
