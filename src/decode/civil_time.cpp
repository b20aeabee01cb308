#include "decode/civil_time.h"

enum {
    SECONDS_PER_DAY = 86400
};

// 1601/01/01 and 9999/12/31 23:59:59 as seconds since 1970.
static const int64_t EARLIEST_SECONDS = -11644473600LL;
static const int64_t LATEST_SECONDS = 253402300799LL;

static int IsLeapYear(int64_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

static int DaysInMonth(int64_t year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Writes value's last digits digits, most significant first.
static char *PutDigits(char *text, int64_t value, int digits)
{
    for (int i = digits - 1; i >= 0; i--) {
        text[i] = (char)('0' + value % 10);
        value /= 10;
    }
    return text + digits;
}

static void FormatFields(int64_t year, int month, int day, int64_t secondOfDay, char *text)
{
    text = PutDigits(text, year, 4);
    *text++ = '/';
    text = PutDigits(text, month, 2);
    *text++ = '/';
    text = PutDigits(text, day, 2);
    *text++ = ' ';
    text = PutDigits(text, secondOfDay / 3600, 2);
    *text++ = ':';
    text = PutDigits(text, secondOfDay / 60 % 60, 2);
    *text++ = ':';
    text = PutDigits(text, secondOfDay % 60, 2);
    *text = '\0';
}

// Days since 1970/01/01 to a date, counting in 400-year eras of 146097
// days that start on March 1st, so that the leap day ends each year.
static void DateOfDay(int64_t day, int64_t *year, int *month, int *dayOfMonth)
{
    day += 719468;  // 0000/03/01 to 1970/01/01
    int64_t era = (day >= 0 ? day : day - 146096) / 146097;
    int64_t dayOfEra = day - era * 146097;
    int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    *dayOfMonth = (int)(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    *month = (int)(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    *year = yearOfEra + era * 400 + (*month <= 2);
}

int FormatUnixSeconds(int64_t seconds, char *text)
{
    if (seconds < EARLIEST_SECONDS || seconds > LATEST_SECONDS) {
        return 0;
    }
    int64_t day = seconds >= 0 ? seconds / SECONDS_PER_DAY
                               : -((-seconds + SECONDS_PER_DAY - 1) / SECONDS_PER_DAY);
    int64_t year = 0;
    int month = 0;
    int dayOfMonth = 0;
    DateOfDay(day, &year, &month, &dayOfMonth);
    FormatFields(year, month, dayOfMonth, seconds - day * SECONDS_PER_DAY, text);
    return 1;
}

int FormatFileTime(uint64_t ticks, char *text)
{
    uint64_t seconds = ticks / 10000000u;
    if (seconds > (uint64_t)(LATEST_SECONDS - EARLIEST_SECONDS)) {
        return 0;
    }
    return FormatUnixSeconds((int64_t)seconds + EARLIEST_SECONDS, text);
}

int FormatDosTime(uint32_t value, char *text)
{
    uint32_t time = value & 0xFFFFu;
    uint32_t date = value >> 16;
    int64_t year = 1980 + (date >> 9);
    int month = (int)(date >> 5 & 15);
    int day = (int)(date & 31);
    int hour = (int)(time >> 11);
    int minute = (int)(time >> 5 & 63);
    int second = (int)(time & 31) * 2;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour > 23
        || minute > 59 || second > 59) {
        return 0;
    }
    FormatFields(year, month, day, hour * 3600 + minute * 60 + second, text);
    return 1;
}
