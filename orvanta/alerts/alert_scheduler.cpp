#include "alert_scheduler.h"

#include "alert_rules.h"
#include "minute_guard.h"
#include "program.h"

namespace alerts {
namespace {

// Read afresh at every run, so a change of the system's date format counts.
LocaleDate ReadLocaleDate() {
    auto info = [](LCTYPE type) {
        char value[8] = {};
        GetLocaleInfoA(LOCALE_USER_DEFAULT, type, value, sizeof value);
        return std::string(value);
    };
    const std::string order = info(LOCALE_IDATE);
    const std::string separator = info(LOCALE_SDATE);
    return {order.size() == 1 ? order[0] : '?', info(LOCALE_IDAYLZERO) == "1",
            info(LOCALE_IMONLZERO) == "1", info(LOCALE_ICENTURY) != "0",
            separator.empty() ? '/' : separator[0]};
}

// The date list is read afresh too, so entries the alert dialog stores count
// at the next run.
bool DateListAlertDue(const clocktext::LocalTime& now) {
    const auto key = AlertKey(orvanta::g_settings, now, ReadLocaleDate());
    if (!key) return false;
    char list[kDateListSize];
    bool truncated = false;
    const uint32_t size =
        settings::ReadList(orvanta::g_settingsKey, "DStrings", list, sizeof list, &truncated);
    return DateListHasKey(list, size, truncated, *key);
}

bool AlertDue(const clocktext::LocalTime& now) {
    if (UsesDateList(orvanta::g_settings)) return DateListAlertDue(now);
    return TimedAlertDue(orvanta::g_settings, now);
}

}  // namespace

void RunTickTests(HWND mainWindow) {
    const clocktext::LocalTime& now = orvanta::g_clockText.Snapshot();
    if (orvanta::g_settings.SDown == 1 && ShutdownDue(orvanta::g_settings, now)) {
        PostMessageA(mainWindow, orvanta::kShutdownMessage, 0, 0);
    }
    if (ClaimAlertTest(orvanta::g_settings, AlertMinuteGuard()) && AlertDue(now)) {
        PostMessageA(mainWindow, orvanta::kAlertMessage, 0, 0);
    }
}

}  // namespace alerts
