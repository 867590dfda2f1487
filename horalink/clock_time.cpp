#include "clock_time.h"

namespace horalink {
namespace {

constexpr int64_t kMillisecondsPerDay = 86400000;

// Floor division, so times before the epoch fall on the right day.
int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

}  // namespace

bool operator==(const ClockTime& a, const ClockTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second && a.milliseconds == b.milliseconds;
}

bool IsLeapYear(unsigned year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned DaysInMonth(unsigned year, unsigned month) {
    static const unsigned kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) return 29;
    return kDays[month - 1];
}

// The civil-from-days and days-from-civil algorithms on a calendar whose
// years start in March, so the leap day is the last day of its year.
int64_t DaysSinceEpoch(unsigned year, unsigned month, unsigned day) {
    const int64_t y = static_cast<int64_t>(year) - (month <= 2);
    const int64_t era = FloorDiv(y, 400);
    const int64_t yearOfEra = y - era * 400;
    const int64_t monthFromMarch = (month + 9) % 12;
    const int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int64_t MillisecondsSinceEpoch(const ClockTime& time) {
    const int64_t days = DaysSinceEpoch(time.year, time.month, time.day);
    const int64_t seconds = time.hour * 3600 + time.minute * 60 + time.second;
    return days * kMillisecondsPerDay + seconds * 1000 + time.milliseconds;
}

ClockTime ClockTimeFromEpochMilliseconds(int64_t milliseconds) {
    const int64_t days = FloorDiv(milliseconds, kMillisecondsPerDay);
    const int64_t ofDay = milliseconds - days * kMillisecondsPerDay;

    const int64_t z = days + 719468;
    const int64_t era = FloorDiv(z, 146097);
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int64_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    const int64_t year = yearOfEra + era * 400 + (month <= 2);

    ClockTime time;
    time.year = static_cast<uint16_t>(year);
    time.month = static_cast<uint16_t>(month);
    time.day = static_cast<uint16_t>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    time.hour = static_cast<uint16_t>(ofDay / 3600000);
    time.minute = static_cast<uint16_t>(ofDay / 60000 % 60);
    time.second = static_cast<uint16_t>(ofDay / 1000 % 60);
    time.milliseconds = static_cast<uint16_t>(ofDay % 1000);
    return time;
}

uint32_t DelayCorrection(uint32_t t0, uint32_t t1, uint32_t t2) {
    return (t1 - t0) / 2 + (t2 - t1);
}

ClockTime LocalClockTime(const ClockTime& utc, uint32_t delayMilliseconds, int32_t biasMinutes) {
    const int64_t local =
        MillisecondsSinceEpoch(utc) + delayMilliseconds - static_cast<int64_t>(biasMinutes) * 60000;
    return ClockTimeFromEpochMilliseconds(local);
}

int32_t BiasMinutes(const ClockTime& utc, const ClockTime& local) {
    const int64_t difference = MillisecondsSinceEpoch(utc) - MillisecondsSinceEpoch(local);
    return static_cast<int32_t>(FloorDiv(difference + 30000, 60000));
}

}  // namespace horalink
