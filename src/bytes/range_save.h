// Saving a range of the open file to another file: the bytes are copied on a
// thread of their own (range_copy.h), and a small modeless progress dialog
// shows how far they are from a timer on the window thread, so the window
// never freezes. A save never destroys the file it replaces: until every
// byte is written and flushed the target stays as it was.
#ifndef KORVEX_RANGE_SAVE_H
#define KORVEX_RANGE_SAVE_H

#include <windows.h>

#include <stdint.h>

// Asks for the target and starts saving size bytes from start (a range
// inside the file) into it. The open file itself is refused before anything
// is written, and so is a target that cannot be written. A failure, and
// 中止, end with the file-access message, the end with "保存しました。". The
// save goes on when the file closes. While a save runs, another is not
// started: its dialog comes to the front.
void StartRangeSave(HWND dialog, uint64_t start, uint64_t size);

// Before the program ends: 1 when no save runs, or when the user, asked
// with owner's message box, chose to stop it (it is stopped, as
// AbandonRangeSave stops it); 0 when the user chose to let it go on.
int ConfirmRangeSaveStop(HWND owner);

// Stops a running save without a message and waits for its thread: the
// temporary file is deleted, the target stays as it was (or is whole, when
// the save had just finished). For the session's end.
void AbandonRangeSave(void);

// The save dialog; tests replace it. path holds PATH_CAPACITY units.
typedef int (*SaveTargetFunction)(HWND owner, WCHAR *path);
extern SaveTargetFunction chooseSaveTarget;

// The progress dialog of the running save, NULL when none runs.
HWND RangeSaveWindow(void);

#endif
