// One checksum run over a range of the open file: timer ticks read it, a
// chunk at a time, with positioned reads of the program's own handle, and
// hand each chunk to every sum's lane. A tick keeps to its budget, so the
// window answers between ticks however slow the sums are.
#ifndef KORVEX_CHECKSUM_RUN_H
#define KORVEX_CHECKSUM_RUN_H

#include <windows.h>

#include "bytes/checksum_text.h"

#include <stdint.h>

// What a tick found.
enum ChecksumTickResult {
    CHECKSUM_GOING_ON = 0,
    CHECKSUM_DONE,        // every byte summed: the result is ready
    CHECKSUM_UNREADABLE   // a read failed or came short: the run has ended
};

// The budget of one tick, counted from its start: a tick ends within it
// and one chunk's read. Just short of the 10 ms the system makes of the
// timer's period, so a quick sum is seldom left without chunks to sum.
#define CHECKSUM_TICK_BUDGET_MS 8
// How long a tick waits for the lanes to free a chunk before it ends.
#define CHECKSUM_WAIT_MS 2

// Starts summing size bytes (at least one) of the open file from start on,
// for the sums whose bit (1 << ChecksumKind) is set in kinds (at least one).
// 1 when it started; 0 when its lanes could not be started.
int StartChecksumRun(uint64_t start, uint64_t size, unsigned kinds);

// One tick of the running run, begun at the QueryPerformanceCounter count
// began: while the budget lasts, reads into every free chunk and waits a
// moment for the lanes to free more or to finish.
int ChecksumTick(LONGLONG began);

// After CHECKSUM_DONE: ends the run and writes the result's text (text
// holds CHECKSUM_RESULT_SIZE bytes). 0, with text empty, when a sum failed.
int FinishChecksumRun(char *text);

// How much of the range every sum has taken in, 0 to 100.
uint32_t ChecksumPercent(void);

// 1 from the start until the run is finished or stopped.
int ChecksumRunning(void);

// Ends a run where it stands, with no result; nothing when none runs.
void StopChecksumRun(void);

#endif
