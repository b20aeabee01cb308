// The Wine benchmarks' clock: the performance counter, a span of its ticks
// in seconds, and whether a timer tick ran over a 16 ms frame. Each
// benchmark is one source file; StartBenchClock comes first in its main.
#ifndef KORVEX_BENCH_CLOCK_H
#define KORVEX_BENCH_CLOCK_H

#include <windows.h>

static LARGE_INTEGER frequency;

static inline void StartBenchClock(void)
{
    QueryPerformanceFrequency(&frequency);
}

static inline LONGLONG Now(void)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

static inline double Seconds(LONGLONG ticks)
{
    return (double)ticks / (double)frequency.QuadPart;
}

static inline int OverFrame(LONGLONG spent)
{
    return spent * 1000 > 16 * frequency.QuadPart;
}

#endif
