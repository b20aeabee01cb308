// Saving a range of the open file to another file, in chunks on timer ticks
// with a small modeless progress dialog, so the window never freezes.
#ifndef KORVEX_RANGE_SAVE_H
#define KORVEX_RANGE_SAVE_H

#include <windows.h>

#include <stdint.h>

// Asks for the target and starts saving size bytes from start (a range
// inside the file) into it. The open file itself is refused before anything
// is written. A failure, and 中止, end with the file-access message, the end
// with "保存しました。"; the target of a save that did not finish is deleted.
// While a save runs, another is not started: its dialog comes to the front.
void StartRangeSave(HWND dialog, uint64_t start, uint64_t size);

// Ends a running save without a message, its target deleted: for the open
// file's close.
void AbandonRangeSave(void);

// The save dialog; tests replace it.
typedef int (*SaveTargetFunction)(HWND owner, char *path);
extern SaveTargetFunction chooseSaveTarget;

// The progress dialog of the running save, NULL when none runs.
HWND RangeSaveWindow(void);

#endif
