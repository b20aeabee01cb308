// The one place that runs a file's life: every way of opening a file, and
// every close, goes through OpenFile and CloseFile, so that whatever follows
// the open file (the search, the page, the commands that need a file, the
// status line) is told here.
#ifndef KORVEX_FILE_LIFE_H
#define KORVEX_FILE_LIFE_H

#include <windows.h>

// Enables what needs an open file when open is 1 and grays it when it is 0:
// the menu's file commands, IDC_GO, and typing in the hex column (read-only
// without a file). The main dialog's start, OpenFile's success and CloseFile
// call it, so that all of it follows whether a file is open.
void ShowFileOpen(HWND dialog, int open);

// Closes the file shown, then opens path (UTF-16, as the system names the
// file; never through the ANSI code page), enables what an open file allows
// and shows its first page. Success shows as fileHandle not
// INVALID_HANDLE_VALUE; every refusal is reported and leaves no file open.
void OpenFile(HWND dialog, const WCHAR *path);

// Ends a running search, stores the shown page's pending edits and closes
// the file; what needs a file is grayed and the status line left empty.
// Changes nothing in the file when none is open. A running range save goes
// on: it reads through a handle of its own.
void CloseFile(HWND dialog);

// The open command: asks for a file and opens it.
void OpenChosenFile(HWND dialog);

// Opens the first dropped item when it is a readable non-directory, and
// brings the dialog to the front.
void OpenDroppedFile(HWND dialog, HDROP drop);

// Opens the file that the command line's first argument names, as a file
// chosen in the open-file dialog is opened.
void OpenCommandLineFile(HWND dialog, const WCHAR *commandLine);

#endif
