#include "alert_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "clock_text.h"
#include "minute_text.h"

namespace {

using alerts::LocaleDate;
using clocktext::LocalTime;
using settings::Settings;

LocalTime At(unsigned hour, unsigned minute, uint16_t year = 2014, uint16_t month = 12,
             uint16_t day = 25) {
    return {year, month, 4, day, static_cast<uint16_t>(hour), static_cast<uint16_t>(minute), 0, 0};
}

Settings TwelveHour() {
    return settings::DefaultSettings();
}

Settings TwentyFourHour() {
    Settings s = settings::DefaultSettings();
    s.HFormat = 1;
    s.AmPmCase = 2;
    return s;
}

TEST(MinuteText, HourWithoutLeadingZeroInBothFormats) {
    const struct {
        unsigned hour, minute;
        const char* twelve;
        const char* twentyFour;
    } cases[] = {
        {0, 5, "12:05", "0:05"},   {9, 30, "9:30", "9:30"}, {12, 0, "12:00", "12:00"},
        {21, 30, "9:30", "21:30"}, {0, 0, "12:00", "0:00"}, {13, 7, "1:07", "13:07"},
    };
    for (const auto& c : cases) {
        char text[alerts::kMinuteTextSize];
        alerts::MinuteText(c.hour, c.minute, 0, text);
        EXPECT_STREQ(text, c.twelve) << c.hour << ":" << c.minute;
        alerts::MinuteText(c.hour, c.minute, 1, text);
        EXPECT_STREQ(text, c.twentyFour) << c.hour << ":" << c.minute;
    }
    EXPECT_STREQ(alerts::AmPmSuffix(0), "AM");
    EXPECT_STREQ(alerts::AmPmSuffix(11), "AM");
    EXPECT_STREQ(alerts::AmPmSuffix(12), "PM");
    EXPECT_STREQ(alerts::AmPmSuffix(23), "PM");
}

// Each hour, half hour and quarter hour, over every minute of an hour.
TEST(AlertRules, PeriodicAlertsFireOnTheirMinutes) {
    const struct {
        uint32_t type;
        std::string minutes;  // the minutes that fire, as ",m,m,"
    } cases[] = {{2, ",0,"}, {3, ",0,30,"}, {4, ",0,15,30,45,"}, {5, ","}, {0, ","}};
    for (const auto& c : cases) {
        Settings s = TwelveHour();
        s.AType = c.type;
        for (unsigned minute = 0; minute < 60; ++minute) {
            const bool expected =
                c.minutes.find("," + std::to_string(minute) + ",") != std::string::npos;
            EXPECT_EQ(alerts::TimedAlertDue(s, At(10, minute)), expected)
                << "AType " << c.type << " minute " << minute;
        }
    }
}

TEST(AlertRules, DailyTimeComparesOnlyTheMinuteText) {
    const struct {
        const char* alert;
        uint32_t hFormat;
        unsigned hour, minute;
        bool fires;
    } cases[] = {
        {"7:30", 0, 7, 30, true},   {"7:30", 0, 19, 30, true},  // morning and evening
        {"7:30p", 0, 7, 30, true},  {"07:30", 0, 7, 30, false},
        {"12:00", 0, 0, 0, true},   {"12:00", 0, 12, 0, true},  // midnight and noon
        {"7:30", 0, 7, 31, false},  {"19:30", 1, 19, 30, true},
        {"7:30", 1, 19, 30, false}, {"", 0, 7, 30, false},
    };
    for (const auto& c : cases) {
        Settings s = TwelveHour();
        s.HFormat = c.hFormat;
        s.AType = 1;
        s.DTPick = 0;
        std::strcpy(s.TAlert, c.alert);
        EXPECT_EQ(alerts::TimedAlertDue(s, At(c.hour, c.minute)), c.fires)
            << "TAlert '" << c.alert << "' at " << c.hour << ":" << c.minute;
    }
    Settings s = TwelveHour();
    s.AType = 1;
    s.DTPick = 2;
    std::strcpy(s.TAlert, "7:30");
    EXPECT_FALSE(alerts::TimedAlertDue(s, At(7, 30))) << "an unknown DTPick never fires";
}

TEST(AlertRules, AlertKeyFollowsTheLocaleDateSettings) {
    const struct {
        LocaleDate locale;
        LocalTime at;
        const char* key;
    } cases[] = {
        {{'0', false, false, true, '/'}, At(17, 0), "5:00PM;12/25/2014"},
        {{'1', false, false, true, '.'}, At(17, 0), "5:00PM;25.12.2014"},
        {{'2', false, false, true, '-'}, At(17, 0), "5:00PM;2014-12-25"},
        {{'0', true, true, true, '/'}, At(9, 5, 2014, 3, 7), "9:05AM;03/07/2014"},
        {{'0', false, false, true, '/'}, At(9, 5, 2014, 3, 7), "9:05AM;3/7/2014"},
        {{'1', true, false, false, '/'}, At(9, 5, 2014, 3, 7), "9:05AM;07/3/14"},
        {{'2', false, true, false, '.'}, At(9, 5, 2009, 3, 7), "9:05AM;09.03.7"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(alerts::AlertKey(TwelveHour(), c.at, c.locale), std::string(c.key));
    }
    EXPECT_EQ(alerts::AlertKey(TwentyFourHour(), At(17, 0), {'1', false, false, true, '.'}),
              std::string("17:00;25.12.2014"));
    EXPECT_EQ(alerts::AlertKey(TwelveHour(), At(17, 0), {'3', false, false, true, '/'}),
              std::nullopt);
}

bool ListHas(const std::string& list, const std::string& key, bool truncated = false) {
    return alerts::DateListHasKey(list.data(), list.size(), truncated, key);
}

TEST(AlertRules, DateListMatchesOnlyAtTheStartOfAnEntry) {
    const std::string list = std::string("11:00PM;12/25/2014~17:00;12/25/2014~") + '\0';
    const LocaleDate us = {'0', false, false, true, '/'};
    auto keyAt = [&](const Settings& s, unsigned hour) {
        return *alerts::AlertKey(s, At(hour, 0), us);
    };
    EXPECT_TRUE(ListHas(list, keyAt(TwelveHour(), 23)));
    EXPECT_FALSE(ListHas(list, keyAt(TwelveHour(), 13))) << "1:00PM is inside 11:00PM";
    EXPECT_TRUE(ListHas("1:00PM;12/25/2014~" + std::string(1, '\0'), keyAt(TwelveHour(), 13)));
    EXPECT_FALSE(ListHas("1:00PM;12/25/2014~" + std::string(1, '\0'), keyAt(TwelveHour(), 1)));
    // An entry made with the 24-hour clock does not fire with the 12-hour clock.
    EXPECT_FALSE(ListHas(list, keyAt(TwelveHour(), 17)));
    EXPECT_TRUE(ListHas(list, keyAt(TwentyFourHour(), 17)));
    // Text after the date in an entry is ignored.
    EXPECT_TRUE(ListHas("5:00PM;12/25/2014 Thu~", "5:00PM;12/25/2014"));
}

TEST(AlertRules, DateListIsNeverReadPastItsEnd) {
    const std::string key = "5:00PM;12/25/2014";
    EXPECT_FALSE(ListHas("", key));
    EXPECT_FALSE(ListHas(std::string(1, '\0') + key + "~", key)) << "the list ends at its NUL";
    EXPECT_TRUE(ListHas("1:00AM;1/1/2014~" + key + "~", key)) << "no NUL: ends at its size";
    EXPECT_FALSE(ListHas("1:00AM;1/1/2014~5:00PM;12/25/20", key)) << "key longer than the rest";
    // Cut short by the buffer: the last, incomplete entry is not an entry.
    EXPECT_FALSE(ListHas("1:00AM;1/1/2014~" + key, key, true));
    EXPECT_TRUE(ListHas("1:00AM;1/1/2014~" + key + "~5:00", key, true));
}

TEST(AlertRules, ShutdownTimeComparesExactly) {
    const struct {
        const char* stime;
        bool twentyFour;
        unsigned hour, minute;
        bool due;
    } cases[] = {
        {"5:00PM", false, 17, 0, true},  {"5:00PM ", false, 17, 0, true},
        {"5:00PM", false, 5, 0, false},  {"5:00PM", true, 17, 0, false},
        {"17:00", true, 17, 0, true},    {"17:00", false, 17, 0, false},
        {"12:30AM", false, 0, 30, true}, {"5:00pm", false, 17, 0, false},
        {"", false, 17, 0, false},       {"5:00PM", false, 17, 1, false},
    };
    for (const auto& c : cases) {
        Settings s = c.twentyFour ? TwentyFourHour() : TwelveHour();
        std::strcpy(s.STime, c.stime);
        EXPECT_EQ(alerts::ShutdownDue(s, At(c.hour, c.minute)), c.due)
            << "STime '" << c.stime << "' at " << c.hour << ":" << c.minute;
    }
    Settings s = TwelveHour();
    s.NoCase = 1;
    std::strcpy(s.STime, "5:00PM");
    EXPECT_TRUE(alerts::ShutdownDue(s, At(17, 0))) << "the No AM PM clock setting plays no part";
}

// However many ticks a minute has, its alert test runs once; the clock text
// engine's minute-change check opens the next minute.
TEST(AlertRules, AlertTestRunsOncePerMinute) {
    Settings s = TwelveHour();
    s.AFlag = 1;
    s.AType = 4;
    clocktext::CurrentLanguage language;
    struct Clock : clocktext::SystemFigures {
        LocalTime now = At(10, 0);
        LocalTime LocalNow() override { return now; }
        uint64_t AvailablePhysicalMemory() override { return 0; }
        uint64_t FreeBytesOnDrive(const char*) override { return 0; }
    } clock;
    char clockString[clocktext::kClockStringSize];
    clocktext::ClockTextEngine engine(s, language, clock, clockString);
    alerts::MinuteGuard& guard = alerts::AlertMinuteGuard();
    guard.Clear();

    int fired = 0;
    for (unsigned minute : {0u, 0u, 1u, 15u}) {
        clock.now.minute = static_cast<uint16_t>(minute);
        for (int tick = 0; tick < 600; ++tick) {
            engine.BuildClockString("day");  // no time token: the guard is cleared anyway
            if (alerts::ClaimAlertTest(s, guard) && alerts::TimedAlertDue(s, engine.Snapshot())) {
                ++fired;
            }
        }
    }
    EXPECT_EQ(fired, 2) << "once at 10:00 and once at 10:15";

    s.AFlag = 0;
    guard.Clear();
    EXPECT_FALSE(alerts::ClaimAlertTest(s, guard)) << "disarmed";
    EXPECT_FALSE(guard.IsSet());
}

}  // namespace
