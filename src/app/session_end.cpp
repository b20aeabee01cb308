#include "app/session_end.h"

#include "app/file_life.h"
#include "base/viewer_state.h"
#include "bytes/range_save.h"

LRESULT OnQueryEndSession(void)
{
    return TRUE;
}

void OnEndSession(WPARAM ending)
{
    if (!ending) {
        return;
    }
    // The process ends without asking: a running save leaves no temporary
    // file, and its target as it was.
    AbandonRangeSave();
    // The close ends a running search, then stores the page under the
    // read-only box's rule, with the main dialog's box; without a main
    // dialog nothing was ever opened.
    if (viewer.mainDialog != NULL) {
        CloseFile(viewer.mainDialog);
    }
}
