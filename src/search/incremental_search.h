// The forward search: started from the hex column's caret, it scans the file
// one window per step, read into its own search buffer, steps on the search
// dialog's timer, so the program never stops answering, and ends at a hit, at
// the end of the file, when stopped, or when the file cannot be read.
#ifndef KORVEX_INCREMENTAL_SEARCH_H
#define KORVEX_INCREMENTAL_SEARCH_H

#include <windows.h>

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

// Reads the box and the mode, sets the pattern and the start, arms the timer.
void StartSearch(HWND dialog);
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

// One tick: steps while they go on and the budget lasts, then the progress
// in the caption. 0 when finished.
int RunSearchTick(HWND dialog);

#endif
