#include "app/session_end.h"

#include "app/viewer_state.h"
#include "file/mapped_file.h"

LRESULT OnQueryEndSession(void)
{
    return TRUE;
}

void OnEndSession(WPARAM ending)
{
    if (!ending) {
        return;
    }
    // The close ends a running search, then stores the page under the
    // read-only box's rule, with the main dialog's box; without a main
    // dialog nothing was ever opened.
    if (viewer.mainDialog != NULL) {
        CloseMappedFile(viewer.mainDialog);
    }
}
