// From a server's reply to the local time the clock is set to: the reply's
// fields, the delay correction and the zone's bias, carried through the
// calendar.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>

#include "clock_time.h"
#include "daytime_reply.h"

namespace horalink {

std::ostream& operator<<(std::ostream& out, const ClockTime& t) {
    return out << t.year << '-' << t.month << '-' << t.day << ' ' << t.hour << ':' << t.minute
               << ':' << t.second << '.' << t.milliseconds;
}

namespace {

struct ZoneCase {
    const char* what;
    const char* reply;
    uint32_t t0, t1, t2;
    int32_t bias;  // UTC = local + bias, in minutes
    ClockTime local;
};

const ZoneCase kZoneCases[] = {
    {"worked example, UTC+1",
     "\n58538 19-02-24 19:53:28 00 0 0 727.6 UTC(NIST) * \n",
     1000,
     1080,
     1085,
     -60,
     {2019, 2, 24, 20, 53, 28, 772}},
    {"carry through every field into the next day, UTC+1",
     "\n60339 23-12-30 22:59:59 00 0 0 727.6 UTC(NIST) * \n",
     0,
     0,
     300,
     -60,
     {2023, 12, 31, 0, 0, 0, 27}},
    {"carry into the next year, UTC+1",
     "\n60675 24-12-31 22:59:59 00 0 0 727.6 UTC(NIST) * \n",
     0,
     0,
     300,
     -60,
     {2025, 1, 1, 0, 0, 0, 27}},
    {"UTC-5 in daylight time, back into a leap day",
     "\n60370 24-03-01 02:10:00 50 0 0 0.0 UTC(NIST) * \n",
     0,
     0,
     0,
     240,
     {2024, 2, 29, 22, 10, 0, 0}},
    {"UTC-5 in daylight time, back into the previous year",
     "\n60676 25-01-01 02:10:00 50 0 0 0.0 UTC(NIST) * \n",
     0,
     0,
     0,
     240,
     {2024, 12, 31, 22, 10, 0, 0}},
    {"UTC+2 from the last day of a month",
     "\n60064 23-04-30 23:30:00 50 0 0 0.0 UTC(NIST) * \n",
     0,
     0,
     0,
     -120,
     {2023, 5, 1, 1, 30, 0, 0}},
    {"UTC+2 from the last day of February",
     "\n60003 23-02-28 23:30:00 00 0 0 0.0 UTC(NIST) * \n",
     0,
     0,
     0,
     -120,
     {2023, 3, 1, 1, 30, 0, 0}},
    {"UTC+5:30",
     "\n60471 24-06-10 20:45:10 50 0 0 50.0 UTC(NIST) * \n",
     0,
     0,
     0,
     -330,
     {2024, 6, 11, 2, 15, 10, 50}},
    {"UTC+5:45",
     "\n60471 24-06-10 12:00:00 50 0 0 0.0 UTC(NIST) * \n",
     0,
     0,
     0,
     -345,
     {2024, 6, 10, 17, 45, 0, 0}},
    {"UTC+13",
     "\n60471 24-06-10 12:00:00 50 0 0 0.0 UTC(NIST) * \n",
     0,
     0,
     0,
     -780,
     {2024, 6, 11, 1, 0, 0, 0}},
    {"UTC-12",
     "\n60471 24-06-10 11:00:00 50 0 0 0.0 UTC(NIST) * \n",
     0,
     0,
     0,
     720,
     {2024, 6, 9, 23, 0, 0, 0}},
    {"UTC itself in daylight time, last hour of the day",
     "\n60471 24-06-10 23:15:00 50 0 0 0.0 UTC(NIST) * \n",
     0,
     0,
     0,
     -60,
     {2024, 6, 11, 0, 15, 0, 0}},
    {"tick count wrapped during the exchange",
     "\n60471 24-06-10 12:00:00 50 0 0 0.0 UTC(NIST)\n",
     0xFFFFFF00u,
     0x00000100u,
     0x00000110u,
     0,
     {2024, 6, 10, 12, 0, 0, 272}},
};

TEST(LocalTime, ReplyAndDelayInAZoneGiveTheLocalClockTime) {
    for (const ZoneCase& c : kZoneCases) {
        SCOPED_TRACE(c.what);
        const auto utc = ReadDaytimeReply(c.reply, std::strlen(c.reply));
        ASSERT_TRUE(utc.has_value());
        const uint32_t delay = DelayCorrection(c.t0, c.t1, c.t2);
        const ClockTime local = LocalClockTime(*utc, delay, c.bias);
        EXPECT_EQ(local, c.local);
        // The bias found between the two times is the zone's own.
        EXPECT_EQ(BiasMinutes(LocalClockTime(*utc, delay, 0), local), c.bias);
    }
}

// Every day of two centuries maps to the next number of days and back.
TEST(LocalTime, EpochDaysRoundTripEveryDate) {
    int64_t expected = DaysSinceEpoch(1900, 1, 1);
    for (unsigned year = 1900; year <= 2100; ++year) {
        for (unsigned month = 1; month <= 12; ++month) {
            for (unsigned day = 1; day <= DaysInMonth(year, month); ++day) {
                ASSERT_EQ(DaysSinceEpoch(year, month, day), expected) << year << '-' << month;
                const ClockTime noon{static_cast<uint16_t>(year),
                                     static_cast<uint16_t>(month),
                                     static_cast<uint16_t>(day),
                                     12,
                                     0,
                                     0,
                                     0};
                ASSERT_EQ(ClockTimeFromEpochMilliseconds(MillisecondsSinceEpoch(noon)), noon);
                ++expected;
            }
        }
    }
    EXPECT_EQ(DaysSinceEpoch(1970, 1, 1), 0);
    EXPECT_EQ(DaysSinceEpoch(2000, 3, 1), 11017);
}

TEST(LocalTime, LeapYears) {
    EXPECT_EQ(DaysInMonth(2024, 2), 29u);
    EXPECT_EQ(DaysInMonth(2023, 2), 28u);
    EXPECT_EQ(DaysInMonth(2100, 2), 28u);
    EXPECT_EQ(DaysInMonth(2000, 2), 29u);
}

}  // namespace
}  // namespace horalink
