// When alerts fire and when the computer is shut down: decisions on the
// local-time snapshot and the settings, with no system calls. The date list
// and the locale's date settings are handed in by the caller.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "minute_guard.h"
#include "settings.h"
#include "system_figures.h"

namespace alerts {

// The locale's short-date settings, as GetLocaleInfoA gives them.
struct LocaleDate {
    char order;  // LOCALE_IDATE: '0' month-day-year, '1' day-month-year, '2' year-month-day
    bool dayLeadingZero;    // LOCALE_IDAYLZERO "1"
    bool monthLeadingZero;  // LOCALE_IMONLZERO "1"
    bool fullYear;          // LOCALE_ICENTURY not "0"
    char separator;         // first character of LOCALE_SDATE
};

// The alert date list is read from the settings key into this many bytes.
constexpr size_t kDateListSize = 2100;

// Whether this tick runs the alert test: while alerts are armed, at the first
// tick after the minute guard was cleared. Sets the guard when it says yes.
bool ClaimAlertTest(const settings::Settings& s, MinuteGuard& guard);

// Whether the alert test compares the snapshot with the date list (set times
// and dates, with the list chosen).
bool UsesDateList(const settings::Settings& s);

// The alert test for every mode except the date list: each hour, half hour,
// quarter hour, or the single daily time TAlert.
bool TimedAlertDue(const settings::Settings& s, const clocktext::LocalTime& now);

// The key an entry of the date list must begin with to fire now, e.g.
// "5:00PM;12/25/2014"; nothing when the locale's date order is unknown.
std::optional<std::string> AlertKey(const settings::Settings& s, const clocktext::LocalTime& now,
                                    const LocaleDate& locale);

// Whether an entry of the list begins with the key. Entries end with "~";
// the list ends at its NUL or at its size. A list cut short by its buffer
// (truncated) is scanned only up to its last complete entry.
bool DateListHasKey(const char* list, size_t size, bool truncated, const std::string& key);

// The shutdown-time test: the minute text with AM/PM (unless the 24-hour
// clock leaves it off) equals STime up to its first blank.
bool ShutdownDue(const settings::Settings& s, const clocktext::LocalTime& now);

}  // namespace alerts
