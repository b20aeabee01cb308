// The one process-wide record of file, page, user-interface and search state.
// Every field is touched on the user-interface thread only, so nothing is locked.
#ifndef KORVEX_VIEWER_STATE_H
#define KORVEX_VIEWER_STATE_H

#include <windows.h>

#include "base/messages.h"

#include <stdint.h>

#define TEXT_BUFFER_SIZE 5120
#define SEARCH_INPUT_SIZE 128
#define FONT_COUNT 5

struct ViewerState {
    HINSTANCE instance;
    HWND mainDialog;
    HWND searchDialog;
    HWND hitsDialog;
    HWND inspectorDialog;  // the data inspector while it is open, else NULL
    HWND hexEdit;
    HWND addressEdit;
    HWND charEdit;
    WNDPROC savedEditProc;
    HHOOK keyboardHook;
    HFONT fonts[FONT_COUNT];

    // The open file (INVALID_HANDLE_VALUE and 0 when none).
    HANDLE fileHandle;
    HANDLE mappingHandle;
    unsigned char *viewBase;  // null exactly when viewOffset is 1
    uint64_t viewOffset;
    uint32_t windowSize;
    uint64_t fileSize;
    uint32_t tailBytes;
    uint64_t lineCount;

    // The page shown.
    uint64_t topLine;
    uint32_t pageBytes;
    unsigned char scaledScroll;
    // Set by a successful render, cleared by a close and by a page load that
    // moved topLine but did not render: the hex text may only be stored
    // into the page it was rendered from.
    unsigned char pageRendered;
    // Counts the stores into the file: a copy of its bytes read before the
    // count changed may be stale.
    uint32_t storeCount;

    // The dump column the keyboard serves, COLUMN_NONE while a dialog of
    // the program's own has it (the key filter's switch).
    unsigned char editFocus;
    // The dump column that last had the focus, whose caret the status line
    // shows: COLUMN_HEX or COLUMN_CHAR, never none.
    unsigned char caretColumn;
    // The character column's mode (a CharMode, for the session) and the
    // unit its control counts positions in (a PositionUnit, probed at start).
    unsigned char charMode;
    unsigned char charUnit;
    // What IDC_CARET_OFFSET shows, so that it is set only when it changes.
    char caretOffsetText[CARET_OFFSET_TEXT_SIZE];

    char hexText[TEXT_BUFFER_SIZE];
    char hexSnapshot[TEXT_BUFFER_SIZE];
    char addressText[TEXT_BUFFER_SIZE];
    char charText[TEXT_BUFFER_SIZE];

    // Search.
    // A search dialog's search started and not ended; its start/stop button
    // says "検索中止" exactly while this is set.
    unsigned char searchActive;
    unsigned char searchBackward; // the dialog's direction, kept for the next one
    // The list of every hit is being filled. It shares the pattern, the
    // position and the carry below with the dialog's search, so only one of
    // the two runs at a time.
    unsigned char findAllActive;
    uint64_t searchStart;       // file position the search began at
    DWORD searchProgressTime;   // GetTickCount of the start or the caption's last update
    unsigned char searchProgressShown; // the caption shows a percentage
    // The dialog's options, kept for the next dialog and for F3: hex or
    // string, the string's encoding (its list's index), ASCII case ignored.
    unsigned char searchHexMode;
    unsigned char searchEncoding;
    unsigned char searchIgnoreCase;
    char searchInput[SEARCH_INPUT_SIZE];
    // Where the scan stands; the pattern and the carry are the search's own
    // (search/incremental_search).
    uint64_t searchLine;
    uint32_t searchColumn;
    uint64_t searchPos;
};

extern ViewerState viewer;

#endif
