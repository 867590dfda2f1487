// Calendar time without a zone, and the arithmetic that turns a server's UTC
// time into the local time the clock is set to: whole milliseconds carried
// through seconds, days, months and years, any zone offset in minutes.
#pragma once

#include <cstdint>

namespace horalink {

struct ClockTime {
    uint16_t year;
    uint16_t month;  // 1 to 12
    uint16_t day;    // 1 to the month's length
    uint16_t hour;   // 0 to 23
    uint16_t minute;
    uint16_t second;
    uint16_t milliseconds;
};

bool operator==(const ClockTime& a, const ClockTime& b);

bool IsLeapYear(unsigned year);
unsigned DaysInMonth(unsigned year, unsigned month);  // month 1 to 12

// Days since 1 January 1970 (negative before it).
int64_t DaysSinceEpoch(unsigned year, unsigned month, unsigned day);

int64_t MillisecondsSinceEpoch(const ClockTime& time);
ClockTime ClockTimeFromEpochMilliseconds(int64_t milliseconds);

// The network delay to add to the server's time: half the time from before
// the connect until the reply arrived (the reply was sent about half way),
// plus the time spent since it arrived. Tick counts wrap, so the differences
// are taken modulo 2^32.
uint32_t DelayCorrection(uint32_t t0, uint32_t t1, uint32_t t2);

// Local time for a UTC time with the delay added. biasMinutes is the system's
// sense of bias: UTC = local time + bias (UTC+1 is -60, UTC-5 is 300).
ClockTime LocalClockTime(const ClockTime& utc, uint32_t delayMilliseconds, int32_t biasMinutes);

// The bias that makes local from utc, in whole minutes.
int32_t BiasMinutes(const ClockTime& utc, const ClockTime& local);

}  // namespace horalink
