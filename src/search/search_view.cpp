#include "search/search_view.h"

#include "app/viewer_state.h"
#include "file/mapped_file.h"
#include "search/search_scan.h"

void ReleaseSearchView(void)
{
    if (viewer.searchViewBase != NULL) {
        UnmapViewOfFile(viewer.searchViewBase);
        viewer.searchViewBase = NULL;
    }
    viewer.searchViewBytes = 0;
}

int MapSearchView(WindowSpan *span)
{
    uint64_t windowOffset = 0;
    uint32_t heldBytes = viewer.searchViewBase != NULL ? viewer.searchViewBytes : 0;
    if (LocateInSearchView(viewer.searchLine, viewer.windowSize, viewer.fileSize,
                           viewer.searchViewOffset, heldBytes, span, &windowOffset)) {
        return 1;
    }
    ReleaseSearchView();
    uint32_t windows = SEARCH_VIEW_BYTES / viewer.windowSize;
    if (windows == 0) {
        windows = 1;
    }
    for (; windows >= 1; windows /= 2) {
        uint32_t bytes = SearchViewLength(windowOffset, windows, viewer.windowSize,
                                          viewer.fileSize);
        // The search only reads: a view without write access cannot store
        // into the file by mistake.
        void *base = mapFileView(viewer.mappingHandle, FILE_MAP_READ,
                                 (DWORD)(windowOffset >> 32), (DWORD)windowOffset, bytes);
        if (base != NULL) {
            viewer.searchViewBase = (unsigned char *)base;
            viewer.searchViewOffset = windowOffset;
            viewer.searchViewBytes = bytes;
            return LocateInSearchView(viewer.searchLine, viewer.windowSize, viewer.fileSize,
                                      windowOffset, bytes, span, &windowOffset);
        }
    }
    return 0;
}
