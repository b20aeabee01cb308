// The one open file, its mapping over the whole file and the one mapped
// window through which every byte of it is read and written.
#ifndef KORVEX_MAPPED_FILE_H
#define KORVEX_MAPPED_FILE_H

#include <windows.h>

#include "file/window_span.h"

#include <stdint.h>

// Closes the previous file, then opens path for reading and writing without
// sharing, maps it, shows its first page and enables GO and the goto
// command. Success shows as fileHandle not INVALID_HANDLE_VALUE; every
// refusal is reported and leaves no file open.
void OpenMappedFile(HWND dialog, const char *path);

// Stores the shown page's pending edits, then releases the view, the mapping
// and the file; the goto command is grayed and the status line left empty,
// since what stays shown belongs to no file. Changes nothing when no file is
// open.
void CloseMappedFile(HWND dialog);

// Unmaps the page's window, if one is mapped; the next MapWindow maps afresh.
void ReleasePageView(void);

// Makes the window that holds the line's first byte the mapped one (mapping
// only when it changes) and fills span. 0 after a failure, reported to owner.
int MapWindow(HWND owner, uint64_t line, WindowSpan *span);

// The same, in the form the page copy and store walk the windows with;
// context is the owner window.
int MapWindowForPage(void *context, uint64_t line, WindowSpan *span, unsigned char **base);

// The one call that asks the file's size; tests replace it to make it fail.
typedef DWORD(WINAPI *FileSizeFunction)(HANDLE, LPDWORD);
extern FileSizeFunction queryFileSize;

// The one call that maps a view, the page's and the search's; tests replace
// it where they cannot use up the address space to make it fail.
typedef LPVOID(WINAPI *MapViewFunction)(HANDLE, DWORD, DWORD, DWORD, SIZE_T);
extern MapViewFunction mapFileView;

#endif
