#include "alert_rules.h"

#include <cstdio>
#include <cstring>

#include "minute_text.h"

namespace alerts {
namespace {

constexpr size_t kShutdownTimeExamined = 10;

std::string MinuteTextOf(const settings::Settings& s, const clocktext::LocalTime& now) {
    char text[kMinuteTextSize];
    MinuteText(now.hour, now.minute, s.HFormat, text);
    return text;
}

// With the 12-hour clock the compared times carry AM or PM.
std::string TimeWithSuffix(const settings::Settings& s, const clocktext::LocalTime& now) {
    std::string text = MinuteTextOf(s, now);
    if (s.AmPmCase != 2) text += AmPmSuffix(now.hour);
    return text;
}

std::string DatePart(unsigned value, bool leadingZero) {
    char text[8];
    std::snprintf(text, sizeof text, leadingZero ? "%02u" : "%u", value % 100000);
    return text;
}

}  // namespace

bool ClaimAlertTest(const settings::Settings& s, MinuteGuard& guard) {
    if (s.AFlag != 1 || guard.IsSet()) return false;
    guard.Set();
    return true;
}

bool UsesDateList(const settings::Settings& s) {
    return s.AType == 1 && s.DTPick == 1;
}

bool TimedAlertDue(const settings::Settings& s, const clocktext::LocalTime& now) {
    const unsigned minute = now.minute;
    switch (s.AType) {
        case 1: {
            if (s.DTPick != 0) return false;
            // Only as many characters as the minute text has are compared,
            // so a date or AM/PM typed after the time takes no part.
            const std::string text = MinuteTextOf(s, now);
            return std::strncmp(s.TAlert, text.c_str(), text.size()) == 0;
        }
        case 2:
            return minute == 0;
        case 3:
            return minute % 30 == 0;
        case 4:
            return minute % 15 == 0;
        default:
            return false;
    }
}

std::optional<std::string> AlertKey(const settings::Settings& s, const clocktext::LocalTime& now,
                                    const LocaleDate& locale) {
    const std::string month = DatePart(now.month, locale.monthLeadingZero);
    const std::string day = DatePart(now.day, locale.dayLeadingZero);
    std::string year = DatePart(now.year, false);
    if (!locale.fullYear && year.size() > 2) year = year.substr(year.size() - 2);
    const std::string sep(1, locale.separator);
    std::string date;
    switch (locale.order) {
        case '0':
            date = month + sep + day + sep + year;
            break;
        case '1':
            date = day + sep + month + sep + year;
            break;
        case '2':
            date = year + sep + month + sep + day;
            break;
        default:
            return std::nullopt;
    }
    return TimeWithSuffix(s, now) + ";" + date;
}

bool DateListHasKey(const char* list, size_t size, bool truncated, const std::string& key) {
    const char* nul = static_cast<const char*>(std::memchr(list, '\0', size));
    if (nul) {
        size = static_cast<size_t>(nul - list);
    } else if (truncated) {
        // The entry the buffer cut off is not an entry.
        while (size > 0 && list[size - 1] != '~') --size;
    }
    for (size_t start = 0; start < size;) {
        if (size - start >= key.size() && std::memcmp(list + start, key.data(), key.size()) == 0) {
            return true;
        }
        const void* tilde = std::memchr(list + start, '~', size - start);
        if (!tilde) break;
        start = static_cast<size_t>(static_cast<const char*>(tilde) - list) + 1;
    }
    return false;
}

bool ShutdownDue(const settings::Settings& s, const clocktext::LocalTime& now) {
    char wanted[kShutdownTimeExamined + 1] = {};
    std::memcpy(wanted, s.STime, kShutdownTimeExamined);
    if (char* blank = std::strchr(wanted, ' ')) *blank = '\0';
    return TimeWithSuffix(s, now) == wanted;
}

}  // namespace alerts
