// The one open file, its mapping over the whole file and the one mapped
// window through which every byte of it is read and written.
#ifndef KORVEX_MAPPED_FILE_H
#define KORVEX_MAPPED_FILE_H

#include <windows.h>

#include "file/window_span.h"

#include <stdint.h>

// Opens path (UTF-16, by its full path's extended form, so at any length
// Windows allows) for reading and writing without sharing, maps it, and sets
// the file's size, lines and window size; no file may be open. 1 on success;
// every refusal is reported, owned by owner, and leaves no file open: 0.
int OpenMappedFile(HWND owner, const WCHAR *path);

// Releases the view, the mapping and the file; what stays shown belongs to
// no file from then on. Changes nothing when no file is open.
void CloseMappedFile(void);

// Unmaps the page's window, if one is mapped; the next MapWindow maps afresh.
void ReleasePageView(void);

// Makes the window that holds the line's first byte the mapped one (mapping
// only when it changes) and fills span. 0 after a failure, reported to owner.
int MapWindow(HWND owner, uint64_t line, WindowSpan *span);

// The same for the window holding the byte at offset, in the form the byte
// copy and store walk the windows with; context is the owner window.
int MapWindowAt(void *context, uint64_t offset, WindowSpan *span, unsigned char **base);

// Reads count bytes of the open file from offset on with one positioned
// read of its handle, which sees at once what the mapped windows stored. The
// bytes read: fewer at the file's end, 0 where the read fails. Nothing is
// reported. It may move the handle's file pointer, which nothing reads from.
uint32_t ReadFileAt(uint64_t offset, uint32_t count, unsigned char *bytes);

// The same read of any handle to the file (a duplicate of the open file's,
// on another thread): it touches nothing but the handle and the bytes.
uint32_t ReadHandleAt(HANDLE file, uint64_t offset, uint32_t count, unsigned char *bytes);

// The one call that asks the file's size; tests replace it to make it fail.
typedef DWORD(WINAPI *FileSizeFunction)(HANDLE, LPDWORD);
extern FileSizeFunction queryFileSize;

// The one call that maps a view; tests replace it where they cannot use up
// the address space to make it fail.
typedef LPVOID(WINAPI *MapViewFunction)(HANDLE, DWORD, DWORD, DWORD, SIZE_T);
extern MapViewFunction mapFileView;

#endif
