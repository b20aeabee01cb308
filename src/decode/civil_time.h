// Calendar texts in UTC, worked out here rather than by the C library, so
// that no time zone, locale or run-time's date range changes them.
#ifndef KORVEX_CIVIL_TIME_H
#define KORVEX_CIVIL_TIME_H

#include <stdint.h>

// "YYYY/MM/DD hh:mm:ss" and its terminating zero.
#define CIVIL_TIME_TEXT_SIZE 20

// Seconds since 1970/01/01 00:00:00 UTC, leap seconds not counted. 1 and
// text filled for 1601/01/01 00:00:00 to 9999/12/31 23:59:59, the range
// every row of times shares; 0 and text untouched outside it.
int FormatUnixSeconds(int64_t seconds, char *text);

// A FILETIME: 100 ns steps since 1601/01/01 UTC, shown to the second
// (rounded down). 0 past 9999/12/31 23:59:59.
int FormatFileTime(uint64_t ticks, char *text);

// A DOS date and time as ZIP and FAT store them: the time in the low word
// (hours 5 bits, minutes 6, seconds / 2 5), the date in the high word
// (years since 1980 7 bits, month 4, day 5). 0 when a field is out of its
// range (month 0 or 13, February 30th, hour 24, 60 seconds).
int FormatDosTime(uint32_t value, char *text);

#endif
