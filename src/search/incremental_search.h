// The search dialog's search: started from the hex column's caret, forward
// one window per step or backward one buffer per step, read into its own
// search buffer, steps on the search dialog's timer, so the program never
// stops answering, and ends at a hit, at the end (or the start) of the file,
// when stopped, or when the file cannot be read.
#ifndef KORVEX_INCREMENTAL_SEARCH_H
#define KORVEX_INCREMENTAL_SEARCH_H

#include <windows.h>

#include "search/search_pattern.h"
#include "search/search_scan.h"

#include <stdint.h>

#define SEARCH_TIMER_ID 0x7FFF
// How long one timer tick may go on scanning window after window before it
// gives the message loop its turn again: well under a frame, and just short
// of the 10 ms the system makes of the timer's period, so little of each
// period is left idle.
#define SEARCH_TICK_BUDGET_MS 9
// The search dialog's caption shows the progress at most this often.
#define SEARCH_PROGRESS_MS 250
// The budget in force; 0 scans exactly one window per tick (a benchmark
// sets it to compare the two paces).
extern uint32_t searchTickBudgetMs;

// The page byte (0 to 768) at which a search from the hex column begins.
uint32_t CaretByteIndex(void);

// The byte of the file before which a backward search's match must begin.
uint32_t BackwardStartByte(void);

// What the last started search (or list of every hit) looks for.
extern SearchPattern searchPattern;

// Reads the box and the options (mode, encoding, case) into the remembered
// text and options and into searchPattern. 0 when the box is empty, or when
// its text is no hex pattern or cannot be converted (both said in a
// message owned by dialog).
int ReadSearchPattern(HWND dialog);

// Sets the forward scan's start, the byte column bytes from line's first
// (up to a page), with nothing carried.
void StartForwardScan(uint64_t line, uint32_t column);

// Reads the box, the mode and the direction, sets the pattern and the start,
// arms the timer, and turns the button to "検索中止". 1 when a search began;
// 0, with everything left idle, when no file is open, the box is empty, or
// the list of every hit is filling (refused with MSG_SEARCH_BUSY).
int StartSearch(HWND dialog);

// What one forward scan did: found a hit (the state then stands past it),
// passed a window, reached the end of the file, or could not read.
enum ScanResult { SCAN_PASSED = 0, SCAN_HIT, SCAN_END, SCAN_UNREADABLE };
// Scans on from viewer's search state: the window at searchLine from
// searchColumn, with the carry. A ScanResult; *hit is set on SCAN_HIT.
int ScanForwardOnce(SearchHit *hit);
// Scans one window: 1 to go on (the timer keeps ticking), 0 when finished:
// a hit, the end of the file (reported), or a window that could not be read
// (reported as such, and not as "not found"; the page stays).
int SearchStep(HWND dialog);
// Ends a started search, shows the page it had reached and gives the dialog
// back its caption.
void StopSearch(HWND dialog);
// Ends a running search where it stands, leaving the page alone, for when
// its file is closed: its dialog stays open and idle, ready to start again.
void AbandonSearch(void);

// One tick of a scan driven by dialog's timer: step(dialog) while it returns
// 1 and the budget lasts, then progress(dialog) when it goes on. The result
// of the last step: 0 when finished.
int RunBudgetedTick(HWND dialog, int (*step)(HWND), void (*progress)(HWND));

// One tick of the search dialog's search, with its progress in the caption.
int RunSearchTick(HWND dialog);

#endif
